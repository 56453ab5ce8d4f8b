// Moving between the view modes with View, Back, the view-type selector, Go to date and the Day
// layout button, all through taps on the real view.

#include "support/viewtest_fixture.h"

#include "model/dates.h"

using namespace viewtest;

namespace {

using K = HitRow;
using TransitionTest = ViewTest;

TEST_F(TransitionTest, viewOnEachRowKind_opensItsView_backReturnsWithNothingMarked)
{
    const struct {
        ViewMode from;
        HitRow::Kind kind;
        const char *cls, *rem, *opened, *back;
    } steps[] = {
        {ViewMode::Classes, K::Reminder, "Biology", "Essay",
         "ReminderDetail < Classes: Biology/Essay @-1", "Classes < -: / @-1"},
        {ViewMode::Classes, K::Class, "Algebra", "", "ClassDetail < Classes: Algebra/ @-1 +list",
         "Classes < -: / @-1"},
        {ViewMode::Dates, K::Reminder, "Algebra", "Homework 5",
         "ReminderDetail < Dates: Algebra/Homework 5 @-1", "Dates < -: / @-1"},
        {ViewMode::Grades, K::Class, "Biology", "", "ClassDetail < Grades: Biology/ @-1 +list",
         "Grades < -: / @-1"},
        {ViewMode::Day, K::Reminder, "Biology", "Lab report",
         "ReminderDetail < Day: Biology/Lab report @-1", "Day < -: / @-1"},
        {ViewMode::Day, K::Class, "Algebra", "", "ClassDetail < Day: Algebra/ @-1 +list",
         "Day < -: / @-1"},
        {ViewMode::ClassDetail, K::Instructor, "Biology", "",
         "InstructorDetail < ClassDetail: Biology/ @-1", "ClassDetail < -: Biology/ @-1 +list"},
    };
    Open(SmallTerm());
    TapView(); // nothing marked: nothing happens
    EXPECT_EQ(Where(), "Classes < -: / @-1");
    V().SelectViewType(int(ViewMode::Grades));
    TapView();
    EXPECT_EQ(Where(), "Grades < -: / @-1");
    for (const auto &s : steps) {
        SCOPED_TRACE(s.opened);
        if (s.from == ViewMode::Day) {
            ASSERT_NO_FATAL_FAILURE(OpenDay(10, 15));
        } else if (s.from == ViewMode::ClassDetail) {
            V().SelectViewType(int(ViewMode::Classes));
            ASSERT_NO_FATAL_FAILURE(OpenClassDetail(s.cls));
        } else {
            V().SelectViewType(int(s.from));
        }
        ASSERT_NO_FATAL_FAILURE(TapFirst(s.kind, s.cls, s.rem));
        TapView();
        EXPECT_EQ(Where(), s.opened);
        TapBack();
        EXPECT_EQ(Where(), s.back);
    }
    EXPECT_TRUE(prompter.shown.empty());

    // Back in the class detail the instructor row is no longer marked: View asks for a reminder.
    EXPECT_FALSE(S().m_bInstructorRowSel);
    EXPECT_EQ(V().ReminderList()->topLevelItemCount(), 2);
    TapView();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("You Must Select a Reminder to View."));
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_EQ(Where(), "ClassDetail < -: Biology/ @-1 +list");
    // So it does after a tap elsewhere unmarks the instructor row again.
    TapFirst(K::Instructor);
    Tap(20, 32);
    TapView();
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(S().m_nViewType, ViewMode::ClassDetail);
}

TEST_F(TransitionTest, datesDay_opensTheDayViewAtItsTop_backFromItClearsTheSelection)
{
    Open(SmallTerm());
    V().SelectViewType(int(ViewMode::Dates));
    S().m_nFirstDayClass = 3; // left over from an earlier visit
    S().m_nFirstPeriod = 2;
    TapRow(*FindDateRow(10, 17));
    TapView();
    EXPECT_EQ(Where(), "Day < Dates: / @-1");
    EXPECT_EQ(FormatLongDate(S().m_timeDay), "Friday, October 17, 2003");
    EXPECT_EQ(S().m_nFirstDayClass, 0);
    EXPECT_EQ(S().m_nFirstPeriod, 0);

    TapFirst(K::Reminder, "Biology", "Essay");
    ASSERT_EQ(S().m_nSelReminder, ReminderIndex("Biology", "Essay"));
    TapBack();
    EXPECT_EQ(Where(), "Dates < -: / @-1");
    TapView(); // nothing marked any more
    EXPECT_EQ(S().m_nViewType, ViewMode::Dates);
}

TEST_F(TransitionTest, twoViewsThenBackThenBack_secondBackDoesNothing)
{
    Open(SmallTerm());
    OpenClassDetail("Algebra");
    const CClass &algebra = ClassAt(ClassIndex("Algebra"));
    ASSERT_EQ(V().ReminderList()->topLevelItemCount(), algebra.m_reminders.size());
    for (int i = 0; i < algebra.m_reminders.size(); ++i)
        EXPECT_TRUE(
            V().ReminderList()->topLevelItem(i)->text(0).endsWith(algebra.m_reminders[i].m_strName))
            << "row " << i;
    EXPECT_EQ(V().ReminderList()->SelectedRow(), -1);

    const int quiz = ReminderIndex("Algebra", "Quiz 2");
    TapFirst(K::Instructor);
    TapListRow(quiz);
    EXPECT_EQ(V().ReminderList()->SelectedRow(), quiz);
    EXPECT_EQ(S().m_nMarkerY, -1); // a list tap takes the view's marker away
    EXPECT_FALSE(S().m_bInstructorRowSel);
    TapView();
    // The second View overwrote Classes as the mode to return to.
    EXPECT_EQ(Where(), "ReminderDetail < ClassDetail: Algebra/Quiz 2 @-1");
    TapBack();
    EXPECT_EQ(Where(), "ClassDetail < -: Algebra/ @-1 +list");
    EXPECT_EQ(V().ReminderList()->SelectedRow(), -1); // refilled
    TapBack();
    EXPECT_EQ(Where(), "ClassDetail < -: Algebra/ @-1 +list");
}

TEST_F(TransitionTest, reminderDetailLines_openTheClassOrTheDay_backRestoresTheSameReminder)
{
    Open(SmallTerm());
    OpenReminderDetail("Algebra", "Quiz 2");
    const int algebra = ClassIndex("Algebra"), quiz = ReminderIndex("Algebra", "Quiz 2");
    TapView(); // no row marked yet: nothing
    EXPECT_EQ(S().m_nViewType, ViewMode::ReminderDetail);

    TapFirst(K::ClassLine);
    TapView();
    EXPECT_EQ(Where(), "ClassDetail < ReminderDetail: Algebra/ @-1 +list");
    EXPECT_EQ(S().m_nSavedClass, algebra);
    EXPECT_EQ(S().m_nSavedReminder, quiz);
    TapBack();
    EXPECT_EQ(Where(), "ReminderDetail < -: Algebra/Quiz 2 @-1");
    EXPECT_EQ(S().m_nSavedClass, -1);
    EXPECT_EQ(S().m_nSavedReminder, -1);

    S().m_nFirstDayClass = 4;
    TapFirst(K::DateLine);
    ASSERT_TRUE(S().m_bDateRowSel);
    TapView();
    EXPECT_EQ(Where(), "Day < ReminderDetail: / @-1");
    EXPECT_EQ(S().m_timeDay, At(2003, 10, 20, 9));
    EXPECT_FALSE(S().m_bDateRowSel);
    EXPECT_EQ(S().m_nFirstDayClass, 0);
    EXPECT_EQ(S().m_nSavedClass, algebra);
    EXPECT_EQ(S().m_nSavedReminder, quiz);
    // The Day view shows that Monday with the quiz.
    EXPECT_TRUE(FindRow(K::Reminder, algebra, quiz).has_value());
    TapBack();
    EXPECT_EQ(Where(), "ReminderDetail < -: Algebra/Quiz 2 @-1");
}

TEST_F(TransitionTest, viewTypeSelector_clearsSelectionHistoryAndList_startsDatesAfresh)
{
    Open(SmallTerm());
    OpenClassDetail("Biology");
    TapFirst(K::Instructor);
    PickView(int(ViewMode::Grades));
    EXPECT_EQ(Where(), "Grades < -: / @-1");
    for (int index : {2, 1, 0}) { // every entry is its view type
        PickView(index);
        EXPECT_EQ(int(S().m_nViewType), index);
    }
    // The Dates view starts on today again after a scroll.
    PickView(int(ViewMode::Dates));
    TapDownArrow();
    TapDownArrow();
    ASSERT_EQ(S().m_nDayOffset, 2);
    PickView(int(ViewMode::Classes));
    PickView(int(ViewMode::Dates));
    EXPECT_EQ(S().m_nDayOffset, 0);

    // With hide-days on, on the first day with reminders.
    CStudent term;
    term.AddClass(Course("Art", "Monet", true, {}, {Rem("Sketch", At(2003, 10, 19, 9))}));
    Settings::WriteInt(Settings::Key::HideNoDays, 1);
    Open(term);
    PickView(int(ViewMode::Dates));
    EXPECT_EQ(S().m_nDayOffset, 4);
    const std::vector<HitRow> rows = Rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().date.GetDay(), 19);
}

TEST_F(TransitionTest, goToDate_pickedDate_opensDayView_cancelChangesNothing)
{
    Open(SmallTerm());
    V().SelectViewType(int(ViewMode::Dates));
    CTime initial;
    bool accept = false;
    int asked = 0;
    dialogs.pickDate = [&](CTime start, CTime &picked) {
        ++asked;
        initial = start;
        picked = At(2003, 11, 3, 0);
        return accept;
    };
    TapFirst(K::Reminder);
    const std::string before = Where();
    TapSlot(4);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(initial, Now());
    EXPECT_EQ(Where(), before);

    accept = true;
    S().m_nFirstPeriod = 3;
    TapSlot(4);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Where(), "Day < Dates: / @-1");
    EXPECT_EQ(S().m_timeDay, At(2003, 11, 3, 0));
    EXPECT_EQ(S().m_nFirstPeriod, 0);
    TapBack();
    EXPECT_EQ(S().m_nViewType, ViewMode::Dates);
}

TEST_F(TransitionTest, remove_withNothingSelected_saysSelectAnItem)
{
    const QString message = QStringLiteral("You Must select an item to remove.");
    Open(SmallTerm());
    TapSlot(5); // Classes: Remove
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, message);
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_EQ(S().m_nViewType, ViewMode::Classes);
    EXPECT_EQ(V().Student().m_classes.size(), 3);

    // With a class marked, or in the class detail, the command goes on to removing.
    TapFirst(K::Class, "Chemistry");
    TapSlot(5);
    OpenClassDetail("Algebra");
    TapSlot(4);
    TapListRow(0); // in the class detail the list's row is the reminder to remove
    TapSlot(4);
    EXPECT_EQ(S().m_nSelReminder, 0);
    for (size_t i = 1; i < prompter.shown.size(); ++i)
        EXPECT_NE(prompter.shown[i].text, message);
}

} // namespace

namespace {

// Every pick in the view-type selector counts, also of the entry it already shows: the class
// detail reached from Classes returns to Classes, and Dates starts on today again.
TEST_F(TransitionTest, viewTypeSelector_pickOfTheEntryShown_switchesAfresh)
{
    Open(SmallTerm());
    OpenClassDetail("Algebra");
    TapListRow(ReminderIndex("Algebra", "Quiz 2"));
    TapView();
    TapBack();
    ASSERT_EQ(Where(), "ClassDetail < -: Algebra/ @-1 +list");
    ASSERT_EQ(V().ViewCombo()->currentIndex(), int(ViewMode::Classes));
    PickView(int(ViewMode::Classes));
    EXPECT_EQ(Where(), "Classes < -: / @-1");

    PickView(int(ViewMode::Dates));
    TapDownArrow();
    TapFirst(K::Date);
    ASSERT_EQ(S().m_nDayOffset, 1);
    PickView(int(ViewMode::Dates));
    EXPECT_EQ(S().m_nDayOffset, 0);
    EXPECT_EQ(Where(), "Dates < -: / @-1");
}

} // namespace
