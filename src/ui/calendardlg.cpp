#include "ui/calendardlg.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

CCalendarDlg::CCalendarDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Calendar"));
    auto *layout = new QVBoxLayout(this);
    m_calendar = new QCalendarWidget(this);
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    layout->addWidget(m_calendar);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double click on a day picks it at once.
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
}

void CCalendarDlg::SetDate(const QDate &d)
{
    m_calendar->setSelectedDate(d);
}

QDate CCalendarDlg::Date() const
{
    return m_calendar->selectedDate();
}
