#include "ui/selectfiledlg.h"

#include "commands/filepicker.h"
#include "commands/prompter.h"
#include "ui_selectfiledlg.h"
#include "view/images.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QPixmap>
#include <QPushButton>

CSelectFileDlg::CSelectFileDlg(Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_ui(new Ui::CSelectFileDlg), m_prompter(prompter)
{
    m_ui->setupUi(this);
    const QImage &up = Bitmap(Res::ArrowUp);
    if (!up.isNull())
        m_ui->up->setIcon(QPixmap::fromImage(up));
    else
        m_ui->up->setArrowType(Qt::UpArrow);
    for (const QString &folder : FilePicker::Shortcuts())
        AddFolder(folder);

    connect(m_ui->up, &QToolButton::clicked, this, &CSelectFileDlg::Up);
    connect(m_ui->folder, &QComboBox::activated, this,
            [this](int index) { ShowFolder(m_ui->folder->itemText(index)); });
    connect(m_ui->files, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *row) { Open(row); });
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CSelectFileDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowFolder(FilePicker::Root());
}

CSelectFileDlg::~CSelectFileDlg() = default;

QString CSelectFileDlg::Folder() const
{
    return m_ui->folder->currentText();
}

void CSelectFileDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Columns of 3, 1 and 2 sixths of the list's width.
    const int u = m_ui->files->viewport()->width() / 6;
    m_ui->files->setColumnWidth(0, 3 * u);
    m_ui->files->setColumnWidth(1, u);
    m_ui->files->setColumnWidth(2, 2 * u);
}

int CSelectFileDlg::AddFolder(const QString &folder)
{
    QComboBox *box = m_ui->folder;
    int at = box->findText(folder);
    if (at < 0) {
        // Kept in order, each folder once.
        at = 0;
        while (at < box->count() && box->itemText(at) < folder)
            ++at;
        box->insertItem(at, folder);
    }
    return at;
}

void CSelectFileDlg::ShowFolder(const QString &folder)
{
    m_ui->files->clear();
    m_ui->folder->setCurrentIndex(AddFolder(folder));

    static const QFileIconProvider icons;
    for (const FilePicker::Row &r : FilePicker::List(folder)) {
        auto *row = new QTreeWidgetItem(m_ui->files, {r.name, r.size, r.modified});
        row->setIcon(0, icons.icon(QFileInfo(r.path)));
    }
}

void CSelectFileDlg::Up()
{
    ShowFolder(FilePicker::Parent(Folder()));
}

void CSelectFileDlg::Open(QTreeWidgetItem *row)
{
    const QString path = FilePicker::FullPath(Folder(), row->text(0));
    if (QFileInfo(path).isDir()) {
        ShowFolder(path);
        return;
    }
    if (FilePicker::PassesNameTest(row->text(0))) {
        m_strFile = path;
        QDialog::accept();
    }
}

void CSelectFileDlg::accept()
{
    QTreeWidgetItem *row = m_ui->files->currentItem();
    if (!row || !row->isSelected()) {
        m_prompter.Inform(tr("No File Selected."), tr("Quillbox"));
        return;
    }
    Open(row);
}

bool PickStudentFile(Prompter &prompter, QWidget *parent, QString &file)
{
    CSelectFileDlg dlg(prompter, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    file = dlg.File();
    return true;
}
