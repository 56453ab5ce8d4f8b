#pragma once
// "Calendar": a month calendar to pick one date, with OK and Cancel.

#include <QDate>
#include <QDialog>

class QCalendarWidget;

class CCalendarDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCalendarDlg(QWidget *parent = nullptr);
    void SetDate(const QDate &d);
    QDate Date() const;
    QCalendarWidget *Calendar() const { return m_calendar; }

private:
    QCalendarWidget *m_calendar;
};
