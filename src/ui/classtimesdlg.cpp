#include "ui/classtimesdlg.h"

#include "ui/editkit.h"
#include "ui_classtimesdlg.h"

CClassTimesDlg::CClassTimesDlg(QWidget *parent, Prompter *prompter)
    : QDialog(parent), m_ui(new Ui::CClassTimesDlg), m_prompter(PrompterOr(prompter)),
      m_editor(CClassTimeArray())
{
    m_ui->setupUi(this);
    auto act = [this](auto &&action) {
        return [this, action] {
            ReadPickers();
            action();
            Refresh();
        };
    };
    connect(m_ui->plus, &QPushButton::clicked, this, act([this] { m_editor.Plus(); }));
    connect(m_ui->minus, &QPushButton::clicked, this, act([this] { m_editor.Minus(); }));
    connect(m_ui->allWeek, &QPushButton::clicked, this, act([this] { m_editor.AllWeek(); }));
    connect(m_ui->dayOk, &QPushButton::clicked, this,
            act([this] { m_editor.ConfirmDay(m_ui->day->currentIndex(), m_prompter); }));
    connect(m_ui->list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_bFilling)
            return;
        ReadPickers();
        m_editor.SelectionChanged(row);
        Refresh();
    });
    NarrowButtons(m_ui->buttons);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CClassTimesDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Refresh();
}

CClassTimesDlg::~CClassTimesDlg() = default;

void CClassTimesDlg::SetTimes(const CClassTimeArray &times)
{
    m_editor = ClassTimesEditor(times);
    Refresh();
}

void CClassTimesDlg::ReadPickers()
{
    const QTime s = m_ui->start->time(), e = m_ui->end->time();
    m_editor.start = {s.hour(), s.minute()};
    m_editor.end = {e.hour(), e.minute()};
}

void CClassTimesDlg::Refresh()
{
    m_bFilling = true;
    m_ui->list->clear();
    m_ui->list->addItems(m_editor.Lines());
    m_ui->list->setCurrentRow(m_editor.Selected());
    m_bFilling = false;

    const bool choosing = m_editor.ChoosingDay();
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui->start), static_cast<QWidget *>(m_ui->end),
          static_cast<QWidget *>(m_ui->startLabel), static_cast<QWidget *>(m_ui->endLabel)})
        w->setVisible(!choosing);
    m_ui->day->setVisible(choosing);
    m_ui->dayOk->setVisible(choosing);
    if (!choosing)
        m_ui->day->setCurrentIndex(m_editor.DayIndex());
    m_ui->dayBox->setTitle(m_editor.Caption());
    m_ui->start->setTime(QTime(m_editor.start.hour, m_editor.start.minute));
    m_ui->end->setTime(QTime(m_editor.end.hour, m_editor.end.minute));
}

void CClassTimesDlg::accept()
{
    ReadPickers();
    const bool close = m_editor.Ok(m_prompter);
    Refresh();
    if (close)
        QDialog::accept();
}
