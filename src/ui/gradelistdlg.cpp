#include "ui/gradelistdlg.h"

#include "storage/datafiles.h"
#include "ui/editkit.h"
#include "ui_gradelistdlg.h"

#include <QMouseEvent>

CGradeListDlg::CGradeListDlg(QWidget *parent, Prompter *prompter)
    : QDialog(parent), m_ui(new Ui::CGradeListDlg), m_prompter(PrompterOr(prompter)),
      m_editor(CGradeTypeArray())
{
    m_ui->setupUi(this);
    QHeaderView *header = m_ui->list->header();
    header->setStretchLastSection(false);
    header->resizeSection(0, 45);
    header->resizeSection(1, 50);
    header->resizeSection(2, 50);
    m_ui->list->viewport()->installEventFilter(this);
    connect(m_ui->plus, &QPushButton::clicked, this, [this] {
        Read();
        m_editor.Plus(m_prompter);
        Refresh();
    });
    connect(m_ui->minus, &QPushButton::clicked, this, [this] {
        Read();
        m_editor.Minus();
        Refresh();
    });
    connect(m_ui->preset4, &QPushButton::clicked, this,
            [this] { Preset(GradeChart::Preset::FourPoint); });
    connect(m_ui->preset8, &QPushButton::clicked, this,
            [this] { Preset(GradeChart::Preset::EightPoint); });
    connect(m_ui->preset12, &QPushButton::clicked, this,
            [this] { Preset(GradeChart::Preset::TwelvePoint); });
    NarrowButtons(m_ui->buttons);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CGradeListDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Refresh();
}

CGradeListDlg::~CGradeListDlg() = default;

void CGradeListDlg::SetChart(const CGradeTypeArray &chart)
{
    m_editor = GradeListEditor(chart);
    Refresh();
}

void CGradeListDlg::LoadDefaultChart()
{
    CGradeTypeArray chart;
    ReadGradeChartFile(chart);
    SetChart(chart);
}

bool CGradeListDlg::SaveDefaultChart(QString *error) const
{
    return WriteGradeChartFile(m_editor.Chart(), error);
}

bool CGradeListDlg::Read()
{
    m_editor.edit.letter = m_ui->grade->text();
    bool allRead = true;
    auto number = [&](QLineEdit *box, double &into) {
        bool ok = false;
        const double d = box->text().trimmed().toDouble(&ok);
        if (ok) {
            into = d;
        } else if (allRead) {
            allRead = false;
            m_prompter.Inform(tr("Please enter a number."), tr("Quillbox"));
            box->setFocus();
            box->selectAll();
        }
    };
    number(m_ui->percent, m_editor.edit.percent);
    number(m_ui->points, m_editor.edit.points);
    return allRead;
}

void CGradeListDlg::Refresh()
{
    m_ui->list->clear();
    for (int i = 0; i < m_editor.Chart().size(); ++i)
        new QTreeWidgetItem(m_ui->list, m_editor.Row(i));
    if (QTreeWidgetItem *sel = m_ui->list->topLevelItem(m_editor.Selected())) {
        m_ui->list->setCurrentItem(sel);
        m_ui->list->scrollToItem(sel);
    }
    m_ui->gradeBox->setTitle(m_editor.Caption());
    m_ui->grade->setText(m_editor.edit.letter);
    m_ui->percent->setText(QString::number(m_editor.edit.percent, 'g', 15));
    m_ui->points->setText(QString::number(m_editor.edit.points, 'g', 15));
}

void CGradeListDlg::Preset(GradeChart::Preset p)
{
    Read();
    m_editor.ApplyPreset(p);
    Refresh();
}

bool CGradeListDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->list->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *e = static_cast<QMouseEvent *>(event);
        const QModelIndex at = m_ui->list->indexAt(e->position().toPoint());
        Read();
        m_editor.Tap(at.isValid() ? at.row() : -1);
        Refresh();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CGradeListDlg::accept()
{
    if (!Read())
        return;
    const bool close = m_editor.Ok(m_prompter);
    Refresh();
    if (close)
        QDialog::accept();
}
