#include "ui/textbooksdlg.h"

#include "ui/editkit.h"
#include "ui_textbooksdlg.h"
#include "ui_textsetupdlg.h"
#include "view/images.h"

#include <QMouseEvent>
#include <QPainter>

CTextSetupDlg::CTextSetupDlg(QWidget *parent) : QDialog(parent), m_ui(new Ui::CTextSetupDlg)
{
    m_ui->setupUi(this);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CTextSetupDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CTextSetupDlg::~CTextSetupDlg() = default;

void CTextSetupDlg::Load(const CTextBook &b)
{
    m_ui->name->setText(b.m_strName);
    m_ui->author->setText(b.m_strAuthor);
    m_ui->price->setText(TextbooksEditor::PriceText(b.m_dPrice));
    m_ui->description->setPlainText(b.m_strDescription);
}

CTextBook CTextSetupDlg::Book() const
{
    CTextBook b;
    b.SetName(m_ui->name->text());
    b.SetAuthor(m_ui->author->text());
    b.SetPrice(PriceEntry::Value(m_ui->price->text()));
    b.SetDescription(m_ui->description->toPlainText());
    return b;
}

void CTextSetupDlg::SetReadOnly(bool readOnly)
{
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui->name), static_cast<QWidget *>(m_ui->author),
          static_cast<QWidget *>(m_ui->price), static_cast<QWidget *>(m_ui->description)})
        w->setEnabled(!readOnly);
}

void CTextSetupDlg::accept()
{
    if (!TextSetup::CanClose(m_ui->name->text())) {
        m_ui->name->setFocus();
        return;
    }
    QDialog::accept();
}

CTextbooksDlg::CTextbooksDlg(QWidget *parent)
    : QDialog(parent), m_ui(new Ui::CTextbooksDlg), m_editor(CTextBookArray())
{
    m_ui->setupUi(this);
    m_ui->banner->setPixmap(QPixmap::fromImage(Bitmap(Res::BannerBooks)));
    QHeaderView *header = m_ui->list->header();
    header->setStretchLastSection(false);
    header->resizeSection(0, 65);
    header->resizeSection(1, 50);
    header->resizeSection(2, 45);
    NarrowButtons(m_ui->buttons);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Fill();
}

CTextbooksDlg::~CTextbooksDlg() = default;

void CTextbooksDlg::SetBooks(const CTextBookArray &books)
{
    m_editor = TextbooksEditor(books);
    Fill();
}

void CTextbooksDlg::Fill()
{
    m_ui->list->clear();
    for (int i = 0; i < m_editor.Books().size(); ++i) {
        auto *item = new QTreeWidgetItem(m_ui->list, m_editor.Row(i));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_ui->total->setText(m_editor.Total());
}

int CTextbooksDlg::SelectedRow() const
{
    const QList<QTreeWidgetItem *> sel = m_ui->list->selectedItems();
    return sel.isEmpty() ? -1 : m_ui->list->indexOfTopLevelItem(sel.first());
}

void CTextbooksDlg::Run(Slot slot)
{
    const int row = SelectedRow();
    switch (slot) {
    case AddSlot: {
        CTextSetupDlg dlg(this);
        if (dlg.exec() == QDialog::Accepted)
            m_editor.Add(dlg.Book());
        break;
    }
    case RemoveSlot:
        m_editor.Remove(row);
        break;
    case EditSlot:
    case ViewSlot: {
        if (row < 0 || row >= m_editor.Books().size())
            return;
        CTextSetupDlg dlg(this);
        dlg.Load(m_editor.Books()[row]);
        dlg.SetReadOnly(slot == ViewSlot);
        if (dlg.exec() == QDialog::Accepted && slot == EditSlot)
            m_editor.Replace(row, dlg.Book());
        if (slot == ViewSlot)
            return;
        break;
    }
    }
    Fill();
}

void CTextbooksDlg::paintEvent(QPaintEvent *e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    PaintCommandBar(p, rect(), {Res::Plus, Res::Minus, Res::Pencil, Res::Magnifier});
}

void CTextbooksDlg::mousePressEvent(QMouseEvent *e)
{
    const int slot = CommandBarSlotAt(rect(), e->position().toPoint(), 4);
    if (slot >= 0)
        Run(Slot(slot));
    else
        QDialog::mousePressEvent(e);
}
