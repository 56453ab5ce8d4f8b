#pragma once
// The Class Times editor's rules: the list of meeting times, its two states (editing the selected
// time, or choosing the day of a new one), "+", "-", "+ All Week" and OK. The dialog writes its
// time pickers into `start` and `end` before each action and shows the result after it.

#include "commands/prompter.h"
#include "model/class.h"

#include <QStringList>

class ClassTimesEditor {
public:
    struct HourMinute {
        int hour = 0;
        int minute = 0;
    };

    explicit ClassTimesEditor(const CClassTimeArray &times);

    const CClassTimeArray &Times() const { return m_times; }
    int Selected() const { return m_nSel; }
    bool ChoosingDay() const { return m_bNewTime; }
    // The day list's index: 0 "Select", else the day number.
    int DayIndex() const { return m_nDayIndex; }
    QString Caption() const { return m_caption; }
    QStringList Lines() const;

    void Plus();
    // The inner OK with the day list's index.
    void ConfirmDay(int day, Prompter &prompter);
    void AllWeek();
    void Minus();
    void SelectionChanged(int sel);
    // True when the dialog may close; the times are then in order.
    bool Ok(Prompter &prompter);

    // Minutes from start to end; an end hour before the start hour runs over midnight.
    static int Length(HourMinute start, HourMinute end);
    static QString NoDayQuestion();
    static QString FinishNewTime();

    HourMinute start, end;

private:
    void Commit();
    void ShowTime(const CClassTime &t);
    // Builds a time on `day` from the pickers (empty list) or the first time; inserts it in order.
    int InsertFor(int day, bool &copied);

    CClassTimeArray m_times;
    int m_nSel = -1;
    bool m_bNewTime = false;
    int m_nDayIndex = 0;
    QString m_caption;
};
