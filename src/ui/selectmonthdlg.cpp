#include "ui/selectmonthdlg.h"

#include "model/dates.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

CSelectMonthDlg::CSelectMonthDlg(int currentYear, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Select Month"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    m_months = new QComboBox(this);
    for (int m = 1; m <= 12; ++m)
        m_months->addItem(MonthName(m));
    m_years = new QComboBox(this);
    for (int y = 2000; y <= std::max(2010, currentYear + 10); ++y)
        m_years->addItem(QString::number(y));
    row->addWidget(m_months);
    row->addWidget(m_years);
    layout->addLayout(row);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_nMonth = m_months->currentIndex();
        m_nYear = m_years->currentIndex();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CSelectMonthDlg::SetDate(int year, int month, int, bool refresh)
{
    const int index = year - 2000;
    m_nYear = (index >= 0 && index < m_years->count()) ? index : 0;
    m_nMonth = (month >= 1 && month <= 12) ? month - 1 : 0;
    if (!refresh) {
        m_months->setCurrentIndex(m_nMonth);
        m_years->setCurrentIndex(m_nYear);
    }
}

void CSelectMonthDlg::GetDate(int &year, int &month) const
{
    year = m_years->currentIndex() + 2000;
    month = m_months->currentIndex() + 1;
}
