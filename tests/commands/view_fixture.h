#pragma once
// A real main view driven with mouse events: its own settings file and data folder, a pinned
// "now", a term written to the folder before the first update, and every dialog and message box
// answered from the test.

#include "model/clock.h"
#include "model/student.h"
#include "model/teacher.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "ui/prompter.h"
#include "ui/settings.h"
#include "view/listcolorctrl.h"
#include "view/mainframe.h"
#include "view/quillboxview.h"
#include "view/rows.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>

// Rectangles and texts in failure messages.
inline std::ostream &operator<<(std::ostream &os, const Rect &r)
{
    return os << "(" << r.l << "," << r.t << "," << r.r << "," << r.b << ")";
}
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace navtest {

// Wednesday, October 15, 2003, 10:00 AM in the test time zone is "now".
inline CTime At(int month, int day, int hour = 12, int minute = 0)
{
    return CTime::FromLocal(2003, month, day, hour, minute, 0);
}
inline CTime Now()
{
    return At(10, 15, 10, 0);
}

inline CAssignment Rem(const QString &name, CTime due, bool highPriority = false)
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bHighPriority = highPriority ? 1 : 0;
    return a;
}

inline CClassTime Meets(int weekday, int hour, int minute = 0, int duration = 50)
{
    CClassTime t;
    t.m_nDay = weekday;
    t.m_nHour = hour;
    t.m_nMinute = minute;
    t.m_nDuration = duration;
    return t;
}

// A class as the program keeps it: reminders latest due first.
inline CClass Cls(const QString &name, const QString &instructor, bool graded,
                  std::initializer_list<CClassTime> times,
                  std::initializer_list<CAssignment> reminders = {})
{
    CClass c;
    c.m_strName = name;
    c.m_teacher.m_strLastName = instructor;
    c.m_bGraded = graded ? 1 : 0;
    c.m_dTotalPoints = graded ? 100 : 0;
    for (const CClassTime &t : times)
        c.m_classTimes.append(t);
    for (const CAssignment &a : reminders)
        c.AddReminder(a);
    c.SortReminders();
    return c;
}

// Three classes, stored out of name order (the view sorts them):
//   Algebra   graded, Euler, Mon and Wed 9:00; Homework 5 Oct 16, Quiz 2 Oct 20, Old test Oct 1
//   Biology   graded, Hooke, Wed 13:00;        Lab report Oct 15 14:00, Essay Oct 17
//   Chemistry not graded, Curie, Fri 11:00;    no reminders
inline CStudent SmallTerm()
{
    CStudent s;
    s.AddClass(Cls("Chemistry", "Curie", false, {Meets(6, 11)}));
    s.AddClass(Cls("Biology", "Hooke", true, {Meets(4, 13)},
                   {Rem("Lab report", At(10, 15, 14)), Rem("Essay", At(10, 17, 12))}));
    s.AddClass(Cls("Algebra", "Euler", true, {Meets(2, 9), Meets(4, 9)},
                   {Rem("Homework 5", At(10, 16, 9)), Rem("Quiz 2", At(10, 20, 9), true),
                    Rem("Old test", At(10, 1, 9))}));
    return s;
}

// n graded classes "Class 01"... that all meet on Wednesday, each with one reminder due today.
inline CStudent ManyClasses(int n)
{
    CStudent s;
    for (int i = 1; i <= n; ++i) {
        const QString name = QStringLiteral("Class %1").arg(i, 2, 10, QLatin1Char('0'));
        s.AddClass(Cls(name, "Smith", true, {Meets(4, 7 + i % 12)},
                       {Rem(QStringLiteral("Task %1").arg(i), At(10, 15, 18))}));
    }
    return s;
}

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        ASSERT_TRUE(m_data.isValid());
        // Settings go to a file of this test only, never to the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        ASSERT_TRUE(Settings::StorePath().startsWith(m_config.path()))
            << qPrintable(Settings::StorePath());
        SetDataDir(m_data.path());
        SetDocumentsDir(m_data.path() + QStringLiteral("/documents"));
        Prompter::Install(&prompter);

        m_savedWelcome = CQuillboxView::s_runWelcome;
        m_savedPick = CQuillboxView::s_pickDate;
        m_savedMenu = CQuillboxView::s_execMenu;
        m_savedMonth = CQuillboxView::s_selectMonth;
        CQuillboxView::s_runWelcome = [this](QWidget *) { ++welcomeRuns; };
        CQuillboxView::s_pickDate = [](QWidget *, CTime, CTime &) {
            ADD_FAILURE() << "the date picker was not expected";
            return false;
        };
        CQuillboxView::s_execMenu = [](QMenu *, QPoint) {
            ADD_FAILURE() << "the menu was not expected";
        };
        CQuillboxView::s_selectMonth = [](QWidget *, int &, int &) {
            ADD_FAILURE() << "Select Month was not expected";
            return false;
        };
    }

    void TearDown() override
    {
        m_current = nullptr;
        m_frame.reset();
        m_view.reset();
        CQuillboxView::s_runWelcome = m_savedWelcome;
        CQuillboxView::s_pickDate = m_savedPick;
        CQuillboxView::s_execMenu = m_savedMenu;
        CQuillboxView::s_selectMonth = m_savedMonth;
        Prompter::Install(nullptr);
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }

    // Writes the term to the data folder and runs the first update of a new view over it.
    void Open(const CStudent &term, const CTeacherArray &teachers = {})
    {
        const SaveReport saved = SaveData(term, teachers);
        EXPECT_TRUE(saved.ok()) << qPrintable(saved.message());
        m_view = std::make_unique<CQuillboxView>();
        m_current = m_view.get();
        V().OnInitialUpdate();
        ASSERT_TRUE(V().IsInitialized());
        // Shown, so the reminder list counts as visible when the view shows it.
        V().show();
        V().Render();
    }
    // The same, with the view inside the main window (Exit closes the window).
    void OpenInFrame(const CStudent &term, const CTeacherArray &teachers = {})
    {
        const SaveReport saved = SaveData(term, teachers);
        EXPECT_TRUE(saved.ok()) << qPrintable(saved.message());
        QApplication::setQuitOnLastWindowClosed(false);
        auto *view = new CQuillboxView;
        m_frame = std::make_unique<CMainFrame>(view);
        m_current = view;
        view->OnInitialUpdate();
        ASSERT_TRUE(view->IsInitialized());
        m_frame->show();
        view->Render();
    }
    CMainFrame *Frame() { return m_frame.get(); }

    CQuillboxView &V() { return *m_current; }
    ViewState &S() { return V().State(); }
    const CClass &ClassAt(int index) { return V().Student().m_classes[index]; }

    // The index of a class by name in the view's (name-ordered) list, -1 when absent.
    int ClassIndex(const QString &name)
    {
        const CClassArray &list = V().Student().m_classes;
        for (int i = 0; i < list.size(); ++i)
            if (list[i].m_strName == name)
                return i;
        return -1;
    }
    int ReminderIndex(const QString &cls, const QString &name)
    {
        const int c = ClassIndex(cls);
        if (c < 0)
            return -1;
        const CAssignmentArray &rems = ClassAt(c).m_reminders;
        for (int i = 0; i < rems.size(); ++i)
            if (rems[i].m_strName == name)
                return i;
        return -1;
    }
    QString SelectedClassName()
    {
        const int c = S().m_nSelClass;
        return c >= 0 && c < V().Student().m_classes.size() ? ClassAt(c).m_strName : QString();
    }
    QString SelectedReminderName()
    {
        const int c = S().m_nSelClass, r = S().m_nSelReminder;
        if (c < 0 || c >= V().Student().m_classes.size())
            return {};
        const CAssignmentArray &rems = ClassAt(c).m_reminders;
        return r >= 0 && r < rems.size() ? rems[r].m_strName : QString();
    }

    // The rows as a paint of the current state lays them out now.
    std::vector<HitRow> Rows()
    {
        V().Render();
        return V().Rows().rows;
    }
    // The first row of a kind (and class and reminder when given).
    std::optional<HitRow> FindRow(HitRow::Kind kind, int cls = -2, int rem = -2)
    {
        for (const HitRow &r : Rows())
            if (r.kind == kind && (cls == -2 || r.classIndex == cls) &&
                (rem == -2 || r.reminderIndex == rem))
                return r;
        return std::nullopt;
    }
    std::optional<HitRow> FindDateRow(int month, int day)
    {
        for (const HitRow &r : Rows())
            if (r.kind == HitRow::Date && r.date.GetMonth() == month && r.date.GetDay() == day)
                return r;
        return std::nullopt;
    }

    // A stylus tap: press and release at a point of the view.
    void Tap(int x, int y)
    {
        QTest::mouseClick(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }
    void TapRow(const HitRow &r) { Tap((r.hit.l + r.hit.r) / 2, (r.hit.t + r.hit.b) / 2); }
    // Slot 0 to 5 of the command strip: 20 pixels square from x = 8 + 25 * slot, top = bottom - 25.
    void TapSlot(int slot) { Tap(8 + 25 * slot + 10, V().height() - 15); }
    void TapUpArrow() { Tap(V().width() - 10, 6); }
    void TapDownArrow() { Tap(V().width() - 10, 18); }

    // Taps the first row of a kind; fails the test when there is none.
    void TapFirst(HitRow::Kind kind, int cls = -2, int rem = -2)
    {
        const std::optional<HitRow> row = FindRow(kind, cls, rem);
        ASSERT_TRUE(row.has_value()) << "no row of kind " << kind << " in view " << S().m_nViewType;
        TapRow(*row);
    }

    // Selects row n of the class detail's reminder list with a tap on its text.
    void TapListRow(int n)
    {
        CListColorCtrl *list = V().ReminderList();
        ASSERT_TRUE(list->isVisible());
        QTreeWidgetItem *item = list->topLevelItem(n);
        ASSERT_NE(item, nullptr);
        const QRect r = list->visualItemRect(item);
        // Right of the done-box column, which would toggle the reminder instead.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(CListColorCtrl::kImageColumnWidth + 30, r.center().y()));
    }

    // Classes view: taps the class heading, then View.
    void OpenClassDetail(const QString &cls)
    {
        ASSERT_EQ(S().m_nViewType, ModeClasses);
        ASSERT_NO_FATAL_FAILURE(TapFirst(HitRow::Class, ClassIndex(cls)));
        TapSlot(3);
        ASSERT_EQ(S().m_nViewType, ModeClassDetail);
    }
    // Classes view: taps the reminder row, then View.
    void OpenReminderDetail(const QString &cls, const QString &rem)
    {
        ASSERT_EQ(S().m_nViewType, ModeClasses);
        ASSERT_NO_FATAL_FAILURE(
            TapFirst(HitRow::Reminder, ClassIndex(cls), ReminderIndex(cls, rem)));
        TapSlot(3);
        ASSERT_EQ(S().m_nViewType, ModeReminderDetail);
    }

    ScriptedPrompter prompter;
    int welcomeRuns = 0;
    PinnedClock m_clock{Now()};

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    std::unique_ptr<CQuillboxView> m_view;
    std::unique_ptr<CMainFrame> m_frame;
    CQuillboxView *m_current = nullptr;
    std::function<void(QWidget *)> m_savedWelcome;
    std::function<bool(QWidget *, CTime, CTime &)> m_savedPick;
    std::function<void(QMenu *, QPoint)> m_savedMenu;
    std::function<bool(QWidget *, int &, int &)> m_savedMonth;
};

} // namespace navtest
