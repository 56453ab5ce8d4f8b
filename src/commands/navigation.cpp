#include "commands/navigation.h"
#include "commands/startday.h"

#include "model/dates.h"
#include "model/duedays.h"

#include <QCoreApplication>

#include <unordered_set>

QString Navigator::MustSelectReminder()
{
    return QCoreApplication::translate("Navigator", "You Must Select a Reminder to View.");
}

QString Navigator::MustSelectItem()
{
    return QCoreApplication::translate("Navigator", "You Must select an item to remove.");
}

std::optional<PeekBox> Navigator::Tap(int x, int y, const Rect &client, const ViewRows &rows,
                                      Surface &measure)
{
    if (CommandBarTap(x, y, client))
        return std::nullopt;
    if (ScrollTap(x, y, client))
        return std::nullopt;
    if (!m_host.IsPainting()) {
        m_v.m_bInstructorRowSel = false;
        if (m_v.m_nViewType == ViewMode::Calendar)
            m_host.CalendarTap(x, y);
        else
            RowTap(x, y, rows);
    }
    if (m_v.m_nViewType == ViewMode::ClassDetail)
        return Peek(x, y, client, measure);
    return std::nullopt;
}

bool Navigator::CommandBarTap(int x, int y, const Rect &client)
{
    const auto strip = CommandStrip(m_v.m_nViewType, m_v.m_nPrevViewType);
    for (int i = 0; i < Grid::kSlotCount; ++i) {
        if (!SlotRect(client, i).contains(x, y))
            continue;
        // The Calendar leaves the slots after its third to the calendar below them.
        if (m_v.m_nViewType == ViewMode::Calendar && i >= 3)
            return false;
        if (strip[size_t(i)] != Command::None)
            RunSlot(strip[size_t(i)]);
        return true; // an empty slot is claimed too: the tap never reaches a row beneath
    }
    return false;
}

bool Navigator::ScrollTap(int x, int y, const Rect &client)
{
    const ViewMode mode = m_v.m_nViewType;
    if (mode != ViewMode::Classes && mode != ViewMode::Dates && mode != ViewMode::Grades &&
        mode != ViewMode::Day)
        return false;
    if (UpArrowRect(client).contains(x, y))
        return ScrollUp();
    if (DownArrowRect(client).contains(x, y))
        return ScrollDown();
    return false;
}

int Navigator::NearestDayWithReminders(int from, int step) const
{
    const std::unordered_set<int> days = DueDayKeys(m_student);
    const CTime now = Clock::Now();
    for (int k = 1; k <= 30; ++k) {
        const int offset = from + step * k;
        if (days.count(DayKey(DayAfter(now, offset))))
            return offset;
    }
    return from;
}

namespace {
// The Day view scrolls the list of its current layout.
struct DayScroll {
    int *first;
    bool more;
};
DayScroll DayScrollOf(ViewState &v)
{
    switch (v.m_nDayMode) {
    case 1:
        return {&v.m_nFirstDayReminder, v.m_bMoreDayReminders};
    case 2:
        return {&v.m_nFirstPeriod, v.m_bMorePeriods};
    default:
        return {&v.m_nFirstDayClass, v.m_bMoreDayClasses};
    }
}
} // namespace

bool Navigator::ScrollUp()
{
    bool moved = false;
    switch (m_v.m_nViewType) {
    case ViewMode::Classes:
        if (m_v.m_nFirstClass > 0) {
            --m_v.m_nFirstClass;
            moved = true;
        }
        break;
    case ViewMode::Grades:
        if (m_v.m_nFirstGradeClass > 0) {
            --m_v.m_nFirstGradeClass;
            moved = true;
        }
        break;
    case ViewMode::Day: {
        const DayScroll day = DayScrollOf(m_v);
        if (*day.first > 0) {
            --*day.first;
            moved = true;
        }
        break;
    }
    case ViewMode::Dates:
        if (!m_v.m_bHideNoDays) {
            --m_v.m_nDayOffset;
            moved = true;
        } else if (m_v.m_nDayOffset > 0) {
            moved = MoveToNearestDayWithReminders(-1);
        }
        break;
    default:
        break;
    }
    return Scrolled(moved);
}

bool Navigator::ScrollDown()
{
    bool moved = false;
    switch (m_v.m_nViewType) {
    case ViewMode::Classes:
        if (m_v.m_bMoreClasses) {
            if (m_v.m_nFirstClass < ClassCount())
                ++m_v.m_nFirstClass;
            moved = true;
        }
        break;
    case ViewMode::Grades:
        if (m_v.m_bMoreGrades) {
            if (m_v.m_nFirstGradeClass < ClassCount())
                ++m_v.m_nFirstGradeClass;
            moved = true;
        }
        break;
    case ViewMode::Day: {
        const DayScroll day = DayScrollOf(m_v);
        if (day.more) {
            ++*day.first;
            moved = true;
        }
        break;
    }
    case ViewMode::Dates:
        if (!m_v.m_bHideNoDays) {
            ++m_v.m_nDayOffset;
            moved = true;
        } else if (m_v.m_bMoreDates) {
            moved = MoveToNearestDayWithReminders(+1);
        }
        break;
    default:
        break;
    }
    return Scrolled(moved);
}

bool Navigator::MoveToNearestDayWithReminders(int step)
{
    const int offset = NearestDayWithReminders(m_v.m_nDayOffset, step);
    const bool moved = offset != m_v.m_nDayOffset;
    m_v.m_nDayOffset = offset;
    return moved;
}

bool Navigator::Scrolled(bool moved)
{
    // Every scroll drops the selection: the marked row may be gone.
    if (moved) {
        m_v.ClearSelection();
        m_host.Repaint();
    }
    return moved;
}

void Navigator::RowTap(int x, int y, const ViewRows &rows)
{
    const HitRow *row = rows.Find(x, y);
    switch (m_v.m_nViewType) {
    case ViewMode::ClassDetail:
        if (row && row->kind == HitRow::Instructor) {
            m_v.m_bInstructorRowSel = true;
            m_v.m_nMarkerY = row->markerY;
        } else {
            m_v.m_bInstructorRowSel = false;
            m_v.m_nMarkerY = -1;
            m_host.Repaint();
            return;
        }
        break;
    case ViewMode::ReminderDetail:
        if (!row || (row->kind != HitRow::ClassLine && row->kind != HitRow::DateLine))
            return;
        m_v.m_bDateRowSel = row->kind == HitRow::DateLine;
        m_v.m_nMarkerY = row->markerY;
        break;
    case ViewMode::InstructorDetail:
        return;
    default:
        if (!row)
            return;
        switch (row->kind) {
        case HitRow::Class:
            m_v.m_nSelClass = row->classIndex;
            m_v.m_nSelReminder = -1;
            break;
        case HitRow::Reminder:
            m_v.m_nSelClass = row->classIndex;
            m_v.m_nSelReminder = row->reminderIndex;
            break;
        case HitRow::Date:
            m_v.m_nSelClass = -1;
            m_v.m_nSelReminder = -1;
            m_v.m_timeDay = row->date;
            break;
        default:
            return;
        }
        m_v.m_nMarkerY = row->markerY;
        break;
    }
    if (m_v.m_bQuickView)
        View();
    m_host.Repaint();
}

void Navigator::GoTo(ViewMode mode)
{
    m_v.m_nPrevViewType = m_v.m_nViewType;
    m_v.m_nMarkerY = -1;
    m_v.m_nViewType = mode;
    m_host.ShowReminderList(mode == ViewMode::ClassDetail);
    m_host.Repaint();
}

void Navigator::View()
{
    const int c = m_v.m_nSelClass, r = m_v.m_nSelReminder;
    switch (m_v.m_nViewType) {
    case ViewMode::Classes:
        if (ValidReminder(c, r))
            GoTo(ViewMode::ReminderDetail);
        else if (ValidClass(c))
            GoTo(ViewMode::ClassDetail);
        break;
    case ViewMode::Dates:
        if (m_v.m_nMarkerY == -1)
            break;
        if (ValidReminder(c, r)) {
            GoTo(ViewMode::ReminderDetail);
        } else if (c == -1 && r == -1) {
            m_v.ResetDayScroll();
            GoTo(ViewMode::Day);
        }
        break;
    case ViewMode::Grades:
        if (ValidClass(c) && r == -1)
            GoTo(ViewMode::ClassDetail);
        break;
    case ViewMode::Day:
        if (ValidReminder(c, r))
            GoTo(ViewMode::ReminderDetail);
        else if (ValidClass(c) && r == -1)
            GoTo(ViewMode::ClassDetail);
        break;
    case ViewMode::ClassDetail: {
        const int row = m_host.ReminderListSelection();
        if (row >= 0) {
            m_v.m_nSelReminder = row;
            GoTo(ViewMode::ReminderDetail);
        } else if (m_v.m_bInstructorRowSel) {
            GoTo(ViewMode::InstructorDetail);
        } else {
            m_host.Inform(MustSelectReminder());
        }
        break;
    }
    case ViewMode::ReminderDetail:
        if (m_v.m_nMarkerY == -1)
            break;
        if (!m_v.m_bDateRowSel) {
            m_v.m_nSavedClass = c;
            m_v.m_nSavedReminder = r;
            m_v.m_nSelReminder = -1;
            GoTo(ViewMode::ClassDetail);
        } else if (ValidReminder(c, r)) {
            m_v.m_bDateRowSel = false;
            m_v.m_timeDay = m_student.m_classes[c].m_reminders[r].m_timeDue;
            m_v.ResetDayScroll();
            m_v.m_nSavedClass = c;
            m_v.m_nSavedReminder = r;
            m_v.m_nSelClass = -1;
            m_v.m_nSelReminder = -1;
            GoTo(ViewMode::Day);
        }
        break;
    default:
        break;
    }
}

void Navigator::Back()
{
    if (m_v.m_nPrevViewType == ViewMode::None)
        return;
    if (m_v.m_nViewType == ViewMode::ClassDetail)
        m_host.ShowReminderList(false);
    const ViewMode target = m_v.m_nPrevViewType;
    m_v.m_nPrevViewType = ViewMode::None;
    m_v.m_nMarkerY = -1;
    m_v.m_nViewType = target;
    switch (target) {
    case ViewMode::ReminderDetail:
        m_v.m_nSelClass = m_v.m_nSavedClass;
        m_v.m_nSelReminder = m_v.m_nSavedReminder;
        m_v.m_nSavedClass = m_v.m_nSavedReminder = -1;
        break;
    case ViewMode::Classes:
    case ViewMode::Dates:
    case ViewMode::Grades:
    case ViewMode::Day:
        m_v.m_nSelClass = m_v.m_nSelReminder = -1;
        break;
    case ViewMode::ClassDetail:
        m_v.m_nSelReminder = -1;
        m_v.m_bInstructorRowSel = false;
        m_host.ShowReminderList(true);
        break;
    default:
        break;
    }
    m_host.Repaint();
}

void Navigator::GoToDate()
{
    CTime picked;
    if (!m_host.PickDate(Clock::Now(), picked))
        return;
    m_v.m_timeDay = picked;
    m_v.m_nPrevViewType = m_v.m_nViewType;
    m_v.ClearSelection();
    m_v.m_nViewType = ViewMode::Day;
    m_v.ResetDayScroll();
    m_host.ShowReminderList(false);
    m_host.Repaint();
}

void Navigator::CycleDayContent()
{
    m_v.m_nDayMode = m_v.m_nDayMode + 1 > 2 ? 0 : m_v.m_nDayMode + 1;
    m_v.ClearSelection();
    m_host.Repaint();
}

void Navigator::Remove()
{
    if (m_v.m_nViewType == ViewMode::ClassDetail) {
        const int row = m_host.ReminderListSelection();
        if (row >= 0)
            m_v.m_nSelReminder = row;
    } else if (m_v.m_nSelClass == -1) {
        m_host.Inform(MustSelectItem());
        return;
    }
    m_host.RunCommand(Command::Remove);
}

void Navigator::RunSlot(Command c)
{
    switch (c) {
    case Command::Exit:
        m_host.Exit();
        break;
    case Command::Menu:
        m_host.ShowMenu();
        break;
    case Command::View:
        View();
        break;
    case Command::Back:
        Back();
        break;
    case Command::GoToDate:
        GoToDate();
        break;
    case Command::CycleDay:
        CycleDayContent();
        break;
    case Command::Remove:
        Remove();
        break;
    case Command::None:
        break;
    default:
        m_host.RunCommand(c);
        break;
    }
}

void Navigator::SelectViewType(int index)
{
    m_host.ShowReminderList(false);
    m_v.ClearSelection();
    m_v.m_nPrevViewType = ViewMode::None;
    m_v.m_nViewType = MainModeFromIndex(index);
    RunStartDaySearch(m_v, m_student, Clock::Now());
    m_host.Repaint();
}

void Navigator::ListClicked()
{
    m_v.m_nMarkerY = -1;
    m_v.m_bInstructorRowSel = false;
    m_host.Repaint();
}

std::optional<PeekBox> Navigator::Peek(int x, int y, const Rect &client, Surface &s)
{
    if (m_v.m_nViewType != ViewMode::ClassDetail || !ValidClass(m_v.m_nSelClass) ||
        m_host.IsPainting())
        return std::nullopt;
    const CClass &cls = m_student.m_classes[m_v.m_nSelClass];
    const FontRole old = s.Font();
    s.SetFont(FontRole::Large);
    const int H1 = s.TextExtent(cls.m_strName).height();
    s.SetFont(FontRole::Bold);
    const QSize strip = s.TextExtent(QStringLiteral("S M T W R F S"));
    const int W = strip.width(), H2 = strip.height();
    const Rect area{client.r - W - 12, H1 + 36, client.r - 5, H1 + 38 + H2 + 2};
    std::optional<PeekBox> result;
    if (area.contains(x, y)) {
        static const char *const kLetters[7] = {"S", "M", "T", "W", "R", "F", "S"};
        int lx = client.r - W - 10;
        for (int d = 1; d <= 7 && !result; ++d) {
            bool meets = false;
            for (const CClassTime &t : cls.m_classTimes)
                meets = meets || t.m_nDay == d;
            const QString letter = QString::fromLatin1(kLetters[d - 1]);
            if (!meets) {
                lx += s.TextExtent(QStringLiteral("  ")).width();
                continue;
            }
            const int lw = s.TextExtent(letter).width();
            if (Rect{lx, H1 + 38, lx + lw, H1 + 38 + H2}.contains(x, y)) {
                PeekBox box;
                for (const CClassTime &t : cls.m_classTimes)
                    if (t.m_nDay == d)
                        box.text += t.GetText(true) + QStringLiteral("  ");
                s.SetFont(FontRole::Normal);
                const QSize e = s.TextExtent(box.text);
                box.box = {client.r - e.width() - 12, H1 + H2 + 42, client.r - 8,
                           H1 + H2 + 46 + e.height()};
                box.textX = client.r - e.width() - 10;
                box.textY = H1 + H2 + 44;
                result = box;
            }
            lx += s.TextExtent(letter + (d < 7 ? QStringLiteral(" ") : QString())).width();
        }
    }
    s.SetFont(old);
    if (!result)
        m_host.Repaint(); // removes a previous box
    return result;
}
