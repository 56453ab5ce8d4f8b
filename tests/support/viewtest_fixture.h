#pragma once
// The real main view for the navigation tests: a CQuillboxView (and its frame) on a pinned "now",
// with its own settings file and data folder, every dialog and message box answered from the test,
// driven with mouse events.

#include "support/view_fixture.h"

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "support/isolatedsettings.h"
#include "support/scripteddialogs.h"
#include "ui/listcolorctrl.h"
#include "ui/mainframe.h"
#include "ui/quillboxview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace viewtest {

// A graded class with one instructor, as the navigation tests use it.
inline CClass Course(const QString &name, const QString &instructor, bool graded,
                     std::initializer_list<CClassTime> times,
                     std::initializer_list<CAssignment> reminders = {})
{
    CClass c = Cls(name, reminders, times);
    c.m_teacher.m_strLastName = instructor;
    c.m_bGraded = graded ? 1 : 0;
    c.m_dTotalPoints = graded ? 100 : 0;
    return c;
}

// Three classes, stored out of name order (the view sorts them):
//   Algebra   graded, Euler, Mon and Wed 9:00; Homework 5 Oct 16, Quiz 2 Oct 20, Old test Oct 1
//   Biology   graded, Hooke, Wed 13:00;        Lab report Oct 15 14:00, Essay Oct 17
//   Chemistry not graded, Curie, Fri 11:00;    no reminders
inline CStudent SmallTerm()
{
    CStudent s;
    s.AddClass(Course("Chemistry", "Curie", false, {Meets(6, 11)}));
    s.AddClass(
        Course("Biology", "Hooke", true, {Meets(4, 13)},
               {Rem("Lab report", At(2003, 10, 15, 14)), Rem("Essay", At(2003, 10, 17, 12))}));
    s.AddClass(
        Course("Algebra", "Euler", true, {Meets(2, 9), Meets(4, 9)},
               {Rem("Homework 5", At(2003, 10, 16, 9)), Rem("Quiz 2", At(2003, 10, 20, 9), true),
                Rem("Old test", At(2003, 10, 1, 9))}));
    return s;
}

// n graded classes "Class 01"... that all meet on Wednesday, each with one reminder due today.
inline CStudent ManyClasses(int n)
{
    CStudent s;
    for (int i = 1; i <= n; ++i)
        s.AddClass(Course(QStringLiteral("Class %1").arg(i, 2, 10, QLatin1Char('0')), "Smith", true,
                          {Meets(4, 7 + i % 12)},
                          {Rem(QStringLiteral("Task %1").arg(i), At(2003, 10, 15, 18))}));
    return s;
}

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        ASSERT_TRUE(Settings::StorePath().startsWith(m_settings.path()));
        SetDataDir(m_data.path());
        SetDocumentsDir(m_data.path() + QStringLiteral("/documents"));
        dialogs.pickDate = [](CTime, CTime &) {
            ADD_FAILURE() << "unexpected date picker";
            return false;
        };
        dialogs.execMenu = [](QMenu *, QPoint) { ADD_FAILURE() << "unexpected menu"; };
        dialogs.selectMonth = [](int &, int &) {
            ADD_FAILURE() << "unexpected Select Month";
            return false;
        };
    }
    void TearDown() override
    {
        m_frame.reset();
        m_view.reset();
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }

    // Writes the term to the data folder and runs the first update of a new view over it, alone
    // or inside the main window (where Exit closes the window).
    void Open(const CStudent &term, bool inFrame = false)
    {
        const SaveReport saved = SaveData(term, {});
        EXPECT_TRUE(saved.ok()) << qPrintable(saved.message());
        CQuillboxView::Options options;
        options.dialogs = &dialogs;
        m_current = new CQuillboxView(options);
        if (inFrame) {
            QApplication::setQuitOnLastWindowClosed(false);
            m_frame = std::make_unique<CMainFrame>(m_current);
        } else {
            m_view.reset(m_current);
        }
        V().OnInitialUpdate();
        ASSERT_TRUE(V().IsInitialized());
        // Shown, so the reminder list counts as visible when the view shows it.
        inFrame ? m_frame->show() : V().show();
        V().Render();
    }
    CMainFrame *Frame() { return m_frame.get(); }
    CQuillboxView &V() { return *m_current; }
    ViewState &S() { return V().State(); }
    const CClass &ClassAt(int index) { return V().Student().m_classes[index]; }

    // Indexes by name in the view's (name-ordered) list, -1 when absent.
    int ClassIndex(const QString &name)
    {
        for (int i = 0; i < V().Student().m_classes.size(); ++i)
            if (ClassAt(i).m_strName == name)
                return i;
        return -1;
    }
    int ReminderIndex(const QString &cls, const QString &name)
    {
        const int c = ClassIndex(cls);
        for (int i = 0; c >= 0 && i < ClassAt(c).m_reminders.size(); ++i)
            if (ClassAt(c).m_reminders[i].m_strName == name)
                return i;
        return -1;
    }
    bool ListShown() { return V().ReminderList()->isVisible(); }

    // What is shown and selected, comparable in one line: "mode < the mode Back returns to: "
    // and Sel(): "class/reminder @marker", with "+list" while the reminder list shows.
    std::string Where()
    {
        static const char *const modes[] = {
            "Classes",     "Dates", "Calendar",       "Grades",          "Day",
            "ClassDetail", "?",     "ReminderDetail", "InstructorDetail"};
        const auto mode = [](ViewMode v) {
            const int m = static_cast<int>(v);
            return m >= 0 && m <= 8 ? modes[m] : "-";
        };
        return mode(S().m_nViewType) + std::string(" < ") + mode(S().m_nPrevViewType) + ": " +
               Sel();
    }
    std::string Sel()
    {
        const int c = S().m_nSelClass, r = S().m_nSelReminder;
        const bool cok = c >= 0 && c < V().Student().m_classes.size();
        const bool rok = cok && r >= 0 && r < ClassAt(c).m_reminders.size();
        const auto index = [](int i) { return i == -1 ? std::string() : "#" + std::to_string(i); };
        return (cok ? ClassAt(c).m_strName.toStdString() : index(c)) + "/" +
               (rok ? ClassAt(c).m_reminders[r].m_strName.toStdString() : index(r)) + " @" +
               std::to_string(S().m_nMarkerY) + (ListShown() ? " +list" : "");
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
    void Tap(int x, int y) { QTest::mouseClick(&V(), Qt::LeftButton, Qt::NoModifier, {x, y}); }
    void TapRow(const HitRow &r) { Tap((r.hit.l + r.hit.r) / 2, (r.hit.t + r.hit.b) / 2); }
    // Slot 0 to 5 of the command strip: 20 pixels square from x = 8 + 25 * slot, top = bottom - 25.
    void TapSlot(int slot) { Tap(8 + 25 * slot + 10, V().height() - 15); }
    void TapUpArrow() { Tap(V().width() - 10, 6); }
    void TapDownArrow() { Tap(V().width() - 10, 18); }
    // View is the third slot in the class and reminder details, the fourth elsewhere; Back is
    // the fifth in the instructor detail, the sixth elsewhere.
    void TapView()
    {
        const ViewMode m = S().m_nViewType;
        TapSlot(m == ViewMode::ClassDetail || m == ViewMode::ReminderDetail ? 2 : 3);
    }
    void TapBack() { TapSlot(S().m_nViewType == ViewMode::InstructorDetail ? 4 : 5); }
    // A pick in the view-type selector as the user makes it: open the list, tap the entry.
    void PickView(int index)
    {
        QComboBox *combo = V().ViewCombo();
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        const QRect entry = list->visualRect(combo->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, entry.center());
        ASSERT_FALSE(list->isVisible()) << "the pick closes the list";
        ASSERT_EQ(combo->currentIndex(), index);
    }
    // Taps the first row of a kind (class and reminder by name when given); fails without one.
    void TapFirst(HitRow::Kind kind, const QString &cls = {}, const QString &rem = {})
    {
        const std::optional<HitRow> row = FindRow(kind, cls.isEmpty() ? -2 : ClassIndex(cls),
                                                  rem.isEmpty() ? -2 : ReminderIndex(cls, rem));
        ASSERT_TRUE(row.has_value()) << "no row of kind " << kind << " in " << Where();
        TapRow(*row);
    }
    // Selects row n of the class detail's reminder list with a tap on its text, right of the
    // done-box column (which would toggle the reminder instead).
    void TapListRow(int n)
    {
        CListColorCtrl *list = V().ReminderList();
        ASSERT_TRUE(list->isVisible());
        QTreeWidgetItem *item = list->topLevelItem(n);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, Qt::NoModifier,
            {CListColorCtrl::kImageColumnWidth + 30, list->visualItemRect(item).center().y()});
    }
    // From the Classes view: a class or a reminder, then View. From anywhere: a Dates day, View.
    void OpenClassDetail(const QString &cls)
    {
        ASSERT_NO_FATAL_FAILURE(TapFirst(HitRow::Class, cls));
        TapView();
        ASSERT_EQ(S().m_nViewType, ViewMode::ClassDetail);
    }
    void OpenReminderDetail(const QString &cls, const QString &rem)
    {
        ASSERT_NO_FATAL_FAILURE(TapFirst(HitRow::Reminder, cls, rem));
        TapView();
        ASSERT_EQ(S().m_nViewType, ViewMode::ReminderDetail);
    }
    void OpenDay(int month, int day)
    {
        V().SelectViewType(int(ViewMode::Dates));
        const std::optional<HitRow> heading = FindDateRow(month, day);
        ASSERT_TRUE(heading.has_value());
        TapRow(*heading);
        TapView();
        ASSERT_EQ(S().m_nViewType, ViewMode::Day);
    }

    ScriptedDialogs dialogs;
    ScriptedPrompter &prompter = dialogs.prompter;
    int &welcomeRuns = dialogs.welcomeRuns;
    PinnedClock m_clock{Now()};

private:
    IsolatedSettings m_settings;
    QTemporaryDir m_data;
    std::unique_ptr<CQuillboxView> m_view;
    std::unique_ptr<CMainFrame> m_frame;
    CQuillboxView *m_current = nullptr;
};

} // namespace viewtest
