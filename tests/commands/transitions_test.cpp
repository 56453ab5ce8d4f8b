// Moving between the view modes with View, Back, the view-type selector, Go to date and the Day
// layout button, all through taps on the real view.

#include "commands/view_fixture.h"

using namespace navtest;

namespace {

// Where View and Back sit in the command strip of each mode.
int ViewSlot(int mode)
{
    return mode == ModeClassDetail || mode == ModeReminderDetail ? 2 : 3;
}
int BackSlot(int mode)
{
    return mode == ModeInstructorDetail ? 4 : 5;
}

class TransitionTest : public ViewTest {
protected:
    void TapView() { TapSlot(ViewSlot(S().m_nViewType)); }
    void TapBack() { TapSlot(BackSlot(S().m_nViewType)); }
    bool ListShown() { return V().ReminderList()->isVisible(); }
    QString ListRowText(int n)
    {
        QTreeWidgetItem *item = V().ReminderList()->topLevelItem(n);
        return item ? item->text(0) : QString();
    }
    void ExpectNoSelection()
    {
        EXPECT_EQ(S().m_nSelClass, -1);
        EXPECT_EQ(S().m_nSelReminder, -1);
        EXPECT_EQ(S().m_nMarkerY, -1);
    }
    // Dates view, a day heading, View.
    void OpenDay(int month, int day)
    {
        V().SelectViewType(ModeDates);
        const std::optional<HitRow> heading = FindDateRow(month, day);
        ASSERT_TRUE(heading.has_value());
        TapRow(*heading);
        TapView();
        ASSERT_EQ(S().m_nViewType, ModeDay);
    }
};

TEST_F(TransitionTest, classes_viewOnAReminder_opensReminderDetail_backReturnsWithoutSelection)
{
    Open(SmallTerm());
    TapFirst(HitRow::Reminder, ClassIndex("Biology"), ReminderIndex("Biology", "Essay"));
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeClasses);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Essay"));
    EXPECT_FALSE(ListShown());

    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeClasses);
    EXPECT_EQ(S().m_nPrevViewType, -1);
    ExpectNoSelection();
}

TEST_F(TransitionTest, classes_viewOnAClass_opensClassDetailWithItsReminderList)
{
    Open(SmallTerm());
    TapFirst(HitRow::Class, ClassIndex("Algebra"));
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeClasses);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Algebra"));
    ASSERT_TRUE(ListShown());
    const CClass &algebra = ClassAt(ClassIndex("Algebra"));
    ASSERT_EQ(V().ReminderList()->topLevelItemCount(), algebra.m_reminders.size());
    for (int i = 0; i < algebra.m_reminders.size(); ++i)
        EXPECT_TRUE(ListRowText(i).endsWith(algebra.m_reminders[i].m_strName))
            << "row " << i << ": " << ListRowText(i).toStdString();
    EXPECT_EQ(V().ReminderList()->SelectedRow(), -1);

    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeClasses);
    EXPECT_FALSE(ListShown());
    ExpectNoSelection();
}

TEST_F(TransitionTest, viewWithNothingMarked_staysPut)
{
    Open(SmallTerm());
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeClasses);
    V().SelectViewType(ModeGrades);
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeGrades);
    // Dates: a scroll clears the marker, and View needs one.
    V().SelectViewType(ModeDates);
    TapFirst(HitRow::Date);
    TapDownArrow();
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeDates);
    EXPECT_EQ(S().m_nPrevViewType, -1);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(TransitionTest, dates_viewOnAReminder_opensReminderDetail)
{
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    TapFirst(HitRow::Reminder, ClassIndex("Algebra"), ReminderIndex("Algebra", "Homework 5"));
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeDates);
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Homework 5"));
}

TEST_F(TransitionTest, dates_viewOnADay_opensDayViewAtItsTop)
{
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    S().m_nFirstDayClass = 3; // left over from an earlier visit
    S().m_nFirstPeriod = 2;
    TapRow(*FindDateRow(10, 17));
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeDay);
    EXPECT_EQ(S().m_nPrevViewType, ModeDates);
    EXPECT_EQ(S().m_timeDay.GetMonth(), 10);
    EXPECT_EQ(S().m_timeDay.GetDay(), 17);
    EXPECT_EQ(S().m_nFirstDayClass, 0);
    EXPECT_EQ(S().m_nFirstPeriod, 0);
    EXPECT_EQ(S().m_nMarkerY, -1);
}

TEST_F(TransitionTest, backFromDayReachedThroughDates_clearsTheSelection)
{
    Open(SmallTerm());
    OpenDay(10, 15);
    TapFirst(HitRow::Reminder, ClassIndex("Biology"), ReminderIndex("Biology", "Lab report"));
    ASSERT_EQ(SelectedReminderName(), QStringLiteral("Lab report"));
    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeDates);
    EXPECT_EQ(S().m_nPrevViewType, -1);
    ExpectNoSelection();
    TapView(); // nothing marked any more
    EXPECT_EQ(S().m_nViewType, ModeDates);
}

TEST_F(TransitionTest, grades_viewOnAClass_opensClassDetail)
{
    Open(SmallTerm());
    V().SelectViewType(ModeGrades);
    TapFirst(HitRow::Class, ClassIndex("Biology"));
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeGrades);
    EXPECT_TRUE(ListShown());
    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeGrades);
    ExpectNoSelection();
}

TEST_F(TransitionTest, day_viewOnAReminderOrAPeriod_opensItsDetail)
{
    Open(SmallTerm());
    OpenDay(10, 15);
    TapFirst(HitRow::Reminder);
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeDay);
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Lab report"));
    TapBack();
    ASSERT_EQ(S().m_nViewType, ModeDay);
    ExpectNoSelection();

    TapFirst(HitRow::Class, ClassIndex("Algebra"));
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeDay);
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Algebra"));
    EXPECT_TRUE(ListShown());
}

TEST_F(TransitionTest, classDetail_viewOnAListRow_opensThatReminder)
{
    Open(SmallTerm());
    OpenClassDetail("Algebra");
    const int quiz = ReminderIndex("Algebra", "Quiz 2");
    TapFirst(HitRow::Instructor);
    TapListRow(quiz);
    EXPECT_EQ(V().ReminderList()->SelectedRow(), quiz);
    EXPECT_EQ(S().m_nMarkerY, -1); // a list tap takes the view's marker away
    EXPECT_FALSE(S().m_bInstructorRowSel);
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nSelReminder, quiz);
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Quiz 2"));
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_FALSE(ListShown());
}

TEST_F(TransitionTest, twoViewsThenBackThenBack_secondBackDoesNothing)
{
    Open(SmallTerm());
    OpenClassDetail("Algebra");
    TapListRow(ReminderIndex("Algebra", "Homework 5"));
    TapView();
    ASSERT_EQ(S().m_nViewType, ModeReminderDetail);
    ASSERT_EQ(S().m_nPrevViewType, ModeClassDetail); // the second View overwrote Classes

    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, -1);
    EXPECT_EQ(S().m_nSelReminder, -1);
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Algebra"));
    EXPECT_TRUE(ListShown());
    EXPECT_EQ(V().ReminderList()->SelectedRow(), -1); // refilled

    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Algebra"));
    EXPECT_TRUE(ListShown());
}

TEST_F(TransitionTest, classDetail_viewOnTheInstructorRow_opensInstructorDetail_backReturns)
{
    Open(SmallTerm());
    OpenClassDetail("Biology");
    TapFirst(HitRow::Instructor);
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeInstructorDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Biology"));

    TapBack(); // slot 5 in this mode
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, -1);
    EXPECT_FALSE(S().m_bInstructorRowSel);
    EXPECT_EQ(S().m_nSelReminder, -1);
    EXPECT_TRUE(ListShown());
    EXPECT_EQ(V().ReminderList()->topLevelItemCount(), 2);

    // The instructor row is no longer marked: View asks for a reminder.
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    ASSERT_EQ(prompter.shown.size(), 1u);
}

TEST_F(TransitionTest, classDetail_viewWithoutSelection_saysSelectAReminder)
{
    Open(SmallTerm());
    OpenClassDetail("Biology");
    const ViewState before = S();
    TapView();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("You Must Select a Reminder to View."));
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, before.m_nPrevViewType);
    EXPECT_EQ(S().m_nSelClass, before.m_nSelClass);
    EXPECT_TRUE(ListShown());

    // A tap elsewhere in the view unmarks the instructor row again.
    TapFirst(HitRow::Instructor);
    Tap(20, 32);
    TapView();
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
}

TEST_F(TransitionTest, reminderDetail_classLine_opensClassDetail_backRestoresTheSameReminder)
{
    Open(SmallTerm());
    OpenReminderDetail("Algebra", "Quiz 2");
    const int algebra = ClassIndex("Algebra"), quiz = ReminderIndex("Algebra", "Quiz 2");
    TapView(); // no row marked yet: nothing
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);

    TapFirst(HitRow::ClassLine);
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeReminderDetail);
    EXPECT_EQ(S().m_nSelClass, algebra);
    EXPECT_EQ(S().m_nSelReminder, -1);
    EXPECT_EQ(S().m_nSavedClass, algebra);
    EXPECT_EQ(S().m_nSavedReminder, quiz);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_TRUE(ListShown());

    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(S().m_nPrevViewType, -1);
    EXPECT_EQ(S().m_nSelClass, algebra);
    EXPECT_EQ(S().m_nSelReminder, quiz);
    EXPECT_EQ(S().m_nSavedClass, -1);
    EXPECT_EQ(S().m_nSavedReminder, -1);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_FALSE(ListShown());
}

TEST_F(TransitionTest, reminderDetail_dateLine_opensTheDayItIsDue_backRestoresIt)
{
    Open(SmallTerm());
    OpenReminderDetail("Algebra", "Quiz 2");
    const int algebra = ClassIndex("Algebra"), quiz = ReminderIndex("Algebra", "Quiz 2");
    S().m_nFirstDayClass = 4;
    TapFirst(HitRow::DateLine);
    ASSERT_TRUE(S().m_bDateRowSel);
    TapView();
    EXPECT_EQ(S().m_nViewType, ModeDay);
    EXPECT_EQ(S().m_nPrevViewType, ModeReminderDetail);
    EXPECT_EQ(S().m_timeDay, At(10, 20, 9));
    EXPECT_FALSE(S().m_bDateRowSel);
    EXPECT_EQ(S().m_nFirstDayClass, 0);
    ExpectNoSelection();
    EXPECT_EQ(S().m_nSavedClass, algebra);
    EXPECT_EQ(S().m_nSavedReminder, quiz);
    // The Day view shows that Monday: Algebra's period and the quiz under it.
    const std::optional<HitRow> row = FindRow(HitRow::Reminder, algebra, quiz);
    EXPECT_TRUE(row.has_value());

    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Quiz 2"));
    EXPECT_EQ(S().m_nPrevViewType, -1);
}

TEST_F(TransitionTest, viewTypeSelector_clearsSelectionHistoryAndList)
{
    Open(SmallTerm());
    OpenClassDetail("Biology");
    TapFirst(HitRow::Instructor);
    ASSERT_TRUE(ListShown());
    V().ViewCombo()->setCurrentIndex(ModeGrades);
    EXPECT_EQ(S().m_nViewType, ModeGrades);
    EXPECT_EQ(S().m_nPrevViewType, -1);
    ExpectNoSelection();
    EXPECT_FALSE(ListShown());

    // Every entry is its view type.
    for (int index : {ModeCalendar, ModeDates, ModeClasses}) {
        V().ViewCombo()->setCurrentIndex(index);
        EXPECT_EQ(S().m_nViewType, index);
    }

    // The Dates view starts on today again after a scroll.
    V().ViewCombo()->setCurrentIndex(ModeDates);
    TapDownArrow();
    TapDownArrow();
    ASSERT_EQ(S().m_nDayOffset, 2);
    V().ViewCombo()->setCurrentIndex(ModeClasses);
    V().ViewCombo()->setCurrentIndex(ModeDates);
    EXPECT_EQ(S().m_nDayOffset, 0);
}

TEST_F(TransitionTest, viewTypeSelector_withHideDays_startsDatesOnTheFirstDayWithReminders)
{
    CStudent term;
    term.AddClass(Cls("Art", "Monet", true, {}, {Rem("Sketch", At(10, 19, 9))}));
    Settings::WriteInt("HIDENODAYS", 1);
    Open(term);
    V().ViewCombo()->setCurrentIndex(ModeDates);
    EXPECT_EQ(S().m_nDayOffset, 4);
    const std::vector<HitRow> rows = Rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().date.GetDay(), 19);
}

TEST_F(TransitionTest, goToDate_pickedDate_opensDayView_cancelChangesNothing)
{
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    CTime initial;
    bool accept = false;
    int asked = 0;
    CQuillboxView::s_pickDate = [&](QWidget *, CTime start, CTime &picked) {
        ++asked;
        initial = start;
        picked = At(11, 3, 0);
        return accept;
    };
    TapFirst(HitRow::Reminder);
    const ViewState before = S();
    TapSlot(4);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(initial, Now());
    EXPECT_EQ(S().m_nViewType, ModeDates);
    EXPECT_EQ(S().m_nSelReminder, before.m_nSelReminder);
    EXPECT_EQ(S().m_nMarkerY, before.m_nMarkerY);

    accept = true;
    S().m_nFirstPeriod = 3;
    TapSlot(4);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(S().m_nViewType, ModeDay);
    EXPECT_EQ(S().m_nPrevViewType, ModeDates);
    EXPECT_EQ(S().m_timeDay, At(11, 3, 0));
    EXPECT_EQ(S().m_nFirstPeriod, 0);
    ExpectNoSelection();
    EXPECT_FALSE(ListShown());

    TapBack();
    EXPECT_EQ(S().m_nViewType, ModeDates);
}

TEST_F(TransitionTest, cycleDayContent_goesCombinedRemindersPeriodsAndRound)
{
    Open(SmallTerm());
    OpenDay(10, 15);
    ASSERT_EQ(S().m_nDayMode, 0);
    for (int expected : {1, 2, 0}) {
        SCOPED_TRACE(testing::Message() << "to layout " << expected);
        const std::vector<HitRow> rows = Rows();
        ASSERT_FALSE(rows.empty());
        TapRow(rows.front());
        ASSERT_NE(S().m_nMarkerY, -1);
        TapSlot(4);
        EXPECT_EQ(S().m_nDayMode, expected);
        EXPECT_EQ(S().m_nViewType, ModeDay);
        ExpectNoSelection();
    }
    // Reminders only: rows are reminders; periods only: rows are classes.
    TapSlot(4);
    EXPECT_EQ(Rows().size(), 1u); // the lab report
    for (const HitRow &r : Rows())
        EXPECT_EQ(r.kind, HitRow::Reminder);
    TapSlot(4);
    EXPECT_EQ(Rows().size(), 2u); // Algebra and Biology meet on Wednesdays
    for (const HitRow &r : Rows())
        EXPECT_EQ(r.kind, HitRow::Class);
}

TEST_F(TransitionTest, remove_withNothingSelected_saysSelectAnItem)
{
    Open(SmallTerm());
    TapSlot(5); // Classes: Remove
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("You Must select an item to remove."));
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_EQ(S().m_nViewType, ModeClasses);
    EXPECT_EQ(V().Student().m_classes.size(), 3);

    // With a class marked the command goes on to removing (no message from the routing).
    TapFirst(HitRow::Class, ClassIndex("Chemistry"));
    TapSlot(5);
    for (size_t i = 1; i < prompter.shown.size(); ++i)
        EXPECT_NE(prompter.shown[i].text, QStringLiteral("You Must select an item to remove."));
    // In the class detail the class is always there: no message either.
    OpenClassDetail("Algebra");
    const size_t shown = prompter.shown.size();
    TapSlot(4);
    for (size_t i = shown; i < prompter.shown.size(); ++i)
        EXPECT_NE(prompter.shown[i].text, QStringLiteral("You Must select an item to remove."));
}

} // namespace
