#pragma once
// "Select Month": a month and a year, side by side.

#include <QDialog>

class QComboBox;

class CSelectMonthDlg : public QDialog {
    Q_OBJECT
public:
    // Years run from 2000 to ten years after currentYear (index = year - 2000).
    explicit CSelectMonthDlg(int currentYear, QWidget *parent = nullptr);
    // A year or month outside the lists selects the first entry.
    void SetDate(int year, int month, int day, bool refresh);
    void GetDate(int &year, int &month) const;
    QComboBox *MonthList() const { return m_months; }
    QComboBox *YearList() const { return m_years; }

private:
    QComboBox *m_months;
    QComboBox *m_years;
    int m_nMonth = 0;
    int m_nYear = 0;
};
