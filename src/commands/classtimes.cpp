#include "commands/classtimes.h"

#include <QCoreApplication>

namespace {
QString Tr(const char *text)
{
    return QCoreApplication::translate("CClassTimesDlg", text);
}
} // namespace

ClassTimesEditor::ClassTimesEditor(const CClassTimeArray &times)
    : m_times(times), m_caption(Tr("Day"))
{
    if (m_times.isEmpty()) {
        start = {12, 0};
        end = {13, 0};
        return;
    }
    m_nSel = 0;
    ShowTime(m_times[0]);
}

QString ClassTimesEditor::NoDayQuestion()
{
    return Tr("No day selected, continue to setup new class time?");
}

QString ClassTimesEditor::FinishNewTime()
{
    return Tr("Please Finish New Time.");
}

int ClassTimesEditor::Length(HourMinute s, HourMinute e)
{
    if (s.hour < e.hour)
        return (e.hour - s.hour) * 60 + e.minute - s.minute;
    if (s.hour == e.hour)
        return e.minute - s.minute;
    return (e.hour - s.hour + 24) * 60 + e.minute - s.minute;
}

QStringList ClassTimesEditor::Lines() const
{
    QStringList lines;
    for (const CClassTime &t : m_times)
        lines << t.GetText(false);
    return lines;
}

void ClassTimesEditor::ShowTime(const CClassTime &t)
{
    m_caption = t.GetDayName();
    start = {t.m_nHour, t.m_nMinute};
    t.GetEndTime(end.hour, end.minute);
}

void ClassTimesEditor::Commit()
{
    if (m_nSel < 0) // m_nSel is -1 or a valid index
        return;
    CClassTime &t = m_times[m_nSel];
    t.m_nHour = start.hour;
    t.m_nMinute = start.minute;
    t.m_nDuration = Length(start, end);
}

void ClassTimesEditor::Plus()
{
    Commit();
    m_bNewTime = true;
    m_caption = Tr("Select Day");
}

int ClassTimesEditor::InsertFor(int day, bool &copied)
{
    CClassTime t;
    copied = !m_times.isEmpty();
    if (copied) {
        t = m_times[0];
    } else {
        t.m_nHour = start.hour;
        t.m_nMinute = start.minute;
        t.m_nDuration = Length(start, end);
    }
    t.m_nDay = day;
    int at = 0;
    while (at < m_times.size() && CClassTime::IsBefore(m_times[at], t))
        ++at;
    m_times.insert(at, t);
    m_nSel = at;
    return at;
}

void ClassTimesEditor::ConfirmDay(int day, Prompter &prompter)
{
    if (day < 1 || day > 7) {
        if (prompter.Ask(NoDayQuestion(), Tr("Quillbox")) == Prompter::Yes)
            return;
        m_bNewTime = false;
        m_caption =
            m_nSel >= 0 && m_nSel < m_times.size() ? m_times[m_nSel].GetDayName() : Tr("Day");
        return;
    }
    m_bNewTime = false;
    m_nDayIndex = 0;
    bool copied = false;
    const int at = InsertFor(day, copied);
    m_caption = m_times[at].GetDayName();
    if (copied)
        ShowTime(m_times[at]);
}

void ClassTimesEditor::AllWeek()
{
    Commit();
    bool copied = false;
    int at = -1;
    for (int day = 2; day <= 6; ++day)
        at = InsertFor(day, copied);
    m_caption = m_times[at].GetDayName();
    if (copied)
        ShowTime(m_times[at]);
}

void ClassTimesEditor::Minus()
{
    if (m_nSel < 0 || m_nSel >= m_times.size())
        return;
    m_times.removeAt(m_nSel);
    m_nSel = -1;
}

void ClassTimesEditor::SelectionChanged(int sel)
{
    Commit();
    if (sel < 0 || sel >= m_times.size()) {
        m_nSel = -1;
        return;
    }
    m_nSel = sel;
    ShowTime(m_times[sel]);
}

bool ClassTimesEditor::Ok(Prompter &prompter)
{
    if (m_bNewTime) {
        prompter.Inform(FinishNewTime(), Tr("Quillbox"));
        return false;
    }
    Commit();
    // Adjacent swaps: equal times keep their order.
    for (int pass = 1; pass < m_times.size(); ++pass)
        for (int j = 0; j + 1 < m_times.size(); ++j)
            if (CClassTime::IsBefore(m_times[j + 1], m_times[j]))
                std::swap(m_times[j], m_times[j + 1]);
    return true;
}
