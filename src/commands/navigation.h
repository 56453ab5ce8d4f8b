#pragma once
// Tap dispatch and the commands that only navigate: the command strip, the scroll arrows, the row
// hit test, View, Back, Go to date, Cycle day content, Remove routing and the day-letter peek.
// Plain C++: the widget hands it taps and carries out what it asks of its host.

#include "model/student.h"
#include "view/drawing.h"
#include "view/rows.h"
#include "view/surface.h"
#include "view/viewstate.h"

#include <optional>

// What the navigation needs from the window around it.
class NavigationHost {
public:
    virtual ~NavigationHost() = default;
    // The class detail's reminder list: filled from the selected class and shown, or hidden.
    virtual void ShowReminderList(bool show) = 0;
    // The list's selected row, -1 when none.
    virtual int ReminderListSelection() = 0;
    virtual void Repaint() = 0;
    // The painting flag: row taps are ignored while a paint runs.
    virtual bool IsPainting() = 0;
    // The date picker; false on Cancel.
    virtual bool PickDate(CTime initial, CTime &picked) = 0;
    virtual void ShowMenu() = 0;
    virtual void Exit() = 0;
    virtual void Inform(const QString &text) = 0;
    // Commands that edit (Edit, Add, Remove of a class or reminder, Done, Transfer, Select month).
    virtual void RunCommand(Command c) = 0;
    // A tap the Calendar view handles itself.
    virtual void CalendarTap(int x, int y) = 0;
};

class Navigator {
public:
    Navigator(ViewState &state, const CStudent &student, NavigationHost &host)
        : m_v(state), m_student(student), m_host(host)
    {
    }

    // A press at (x, y). rows: the rows of the last paint. measure: a surface with the view's
    // fonts (for the peek's geometry). Returns the peek box to show, if any.
    std::optional<PeekBox> Tap(int x, int y, const Rect &client, const ViewRows &rows,
                               Surface &measure);
    // A move while pressed: the day-letter peek of the class detail.
    std::optional<PeekBox> Peek(int x, int y, const Rect &client, Surface &measure);

    void RunSlot(Command c);
    void View();
    void Back();
    void GoToDate();
    void CycleDayContent();
    void Remove();
    bool ScrollUp();
    bool ScrollDown();
    // The view-type selector picked a main mode.
    void SelectViewType(int index);
    // The reminder list reported a click: the view's marker goes.
    void ListClicked();

    // Hit areas of the scroll arrows.
    static Rect UpArrowRect(const Rect &client)
    {
        return {client.r - 18, client.t + 2, client.r - 2, client.t + 11};
    }
    static Rect DownArrowRect(const Rect &client)
    {
        return {client.r - 18, client.t + 14, client.r - 2, client.t + 23};
    }

    static QString MustSelectReminder();
    static QString MustSelectItem();

private:
    bool CommandBarTap(int x, int y, const Rect &client);
    bool ScrollTap(int x, int y, const Rect &client);
    void RowTap(int x, int y, const ViewRows &rows);
    void GoTo(ViewMode mode);
    bool ValidClass(int c) const { return c >= 0 && c < m_student.m_classes.size(); }
    bool ValidReminder(int c, int r) const
    {
        return ValidClass(c) && r >= 0 && r < m_student.m_classes[c].m_reminders.size();
    }
    int ClassCount() const { return int(m_student.m_classes.size()); }
    int NearestDayWithReminders(int from, int step) const;
    bool MoveToNearestDayWithReminders(int step);
    bool Scrolled(bool moved);

    ViewState &m_v;
    const CStudent &m_student;
    NavigationHost &m_host;
};
