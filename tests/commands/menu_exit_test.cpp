// The real main view, driven with mouse events: taps reaching the Navigator through the painted
// rows, the reminder list and the view-type selector, the Menu button's pop-up menu, and what
// Exit stores and saves. The view runs on a pinned "now" with its own settings file and data
// folder, every dialog and message box answered from the test.

#include "modes.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "support/files.h"
#include "support/isolatedsettings.h"
#include "support/scripteddialogs.h"
#include "support/view_fixture.h"
#include "ui/listcolorctrl.h"
#include "ui/mainframe.h"
#include "ui/quillboxview.h"
#include "view/drawing.h"
#include "view/listfill.h"
#include "view/qtsurface.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace viewtest;

namespace {

CClass Course(const QString &name, bool graded, std::initializer_list<CClassTime> times,
              std::initializer_list<CAssignment> reminders = {})
{
    CClass c = Cls(name, reminders, times);
    c.m_bGraded = graded ? 1 : 0;
    c.m_dTotalPoints = graded ? 100 : 0;
    return c;
}

// Three classes, stored out of name order (the view sorts them):
//   Algebra   graded, Mon and Wed 9:00; Homework 5 Oct 16, Quiz 2 Oct 20, Old test Oct 1
//   Biology   graded, Wed 13:00;        Lab report Oct 15 14:00, Essay Oct 17
//   Chemistry not graded, Fri 11:00;    no reminders
CStudent SmallTerm()
{
    CStudent s;
    s.AddClass(Course("Chemistry", false, {Meets(6, 11)}));
    s.AddClass(
        Course("Biology", true, {Meets(4, 13)},
               {Rem("Lab report", At(2003, 10, 15, 14)), Rem("Essay", At(2003, 10, 17, 12))}));
    s.AddClass(
        Course("Algebra", true, {Meets(2, 9), Meets(4, 9)},
               {Rem("Homework 5", At(2003, 10, 16, 9)), Rem("Quiz 2", At(2003, 10, 20, 9), true),
                Rem("Old test", At(2003, 10, 1, 9))}));
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
        dialogs.execMenu = [](QMenu *, QPoint) { ADD_FAILURE() << "unexpected menu"; };
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

    // What is shown and selected: "mode < the mode Back returns to: class/reminder @marker",
    // with "+list" while the reminder list shows.
    std::string Where()
    {
        const int c = S().m_nSelClass, r = S().m_nSelReminder;
        const CClassArray &classes = V().Student().m_classes;
        const bool cok = c >= 0 && c < classes.size();
        const bool rok = cok && r >= 0 && r < classes[c].m_reminders.size();
        return ModeName(S().m_nViewType) + " < " + ModeName(S().m_nPrevViewType) + ": " +
               (cok ? classes[c].m_strName.toStdString() : "") + "/" +
               (rok ? classes[c].m_reminders[r].m_strName.toStdString() : "") + " @" +
               std::to_string(S().m_nMarkerY) + (V().ReminderList()->isVisible() ? " +list" : "");
    }

    // The rows as a paint of the current state lays them out now.
    std::vector<HitRow> Rows()
    {
        V().Render();
        return V().Rows().rows;
    }

    // A stylus tap: press and release at a point of the view.
    void Tap(int x, int y) { QTest::mouseClick(&V(), Qt::LeftButton, Qt::NoModifier, {x, y}); }
    void TapRow(const HitRow &r) { Tap((r.hit.l + r.hit.r) / 2, (r.hit.t + r.hit.b) / 2); }
    // Slot 0 to 5 of the command strip: 20 pixels square from x = 8 + 25 * slot, top = bottom - 25.
    void TapSlot(int slot) { Tap(8 + 25 * slot + 10, V().height() - 15); }
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

    ScriptedDialogs dialogs;
    ScriptedPrompter &prompter = dialogs.prompter;
    PinnedClock m_clock{Now()};

private:
    IsolatedSettings m_settings;
    QTemporaryDir m_data;
    std::unique_ptr<CQuillboxView> m_view;
    std::unique_ptr<CMainFrame> m_frame;
    CQuillboxView *m_current = nullptr;
};

using WiringTest = ViewTest;

// Every painted row of the Classes view selects what it shows and marks its top (a full-width
// heading 2 below its hit rectangle); a class opens with its reminder list, a list click takes
// the view's marker, and Back refills the list.
TEST_F(WiringTest, taps_selectThePaintedRows_viewAndBackThroughTheList)
{
    Open(SmallTerm());
    const std::vector<std::string> shown = {"Algebra/",  "Algebra/Homework 5", "Algebra/Quiz 2",
                                            "Biology/",  "Biology/Lab report", "Biology/Essay",
                                            "Chemistry/"};
    const std::vector<HitRow> rows = Rows();
    ASSERT_EQ(rows.size(), shown.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        TapRow(rows[i]);
        const bool heading = rows[i].hit.r - rows[i].hit.l == V().width() - 4;
        EXPECT_EQ(rows[i].markerY, rows[i].hit.t + (heading ? 2 : 0)) << rows[i].hit;
        EXPECT_EQ(Where(), "Classes < -: " + shown[i] + " @" + std::to_string(rows[i].markerY));
    }

    TapRow(rows[0]);
    TapSlot(3); // View
    ASSERT_EQ(Where(), "ClassDetail < Classes: Algebra/ @-1 +list");
    CListColorCtrl *list = V().ReminderList();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_TRUE(list->topLevelItem(1)->text(0).endsWith("Homework 5"));
    S().m_nMarkerY = 40;
    // Right of the done-box column (a tap there would toggle the reminder instead).
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      {CListColorCtrl::kImageColumnWidth + 30,
                       list->visualItemRect(list->topLevelItem(1)).center().y()});
    EXPECT_EQ(list->SelectedRow(), 1);
    EXPECT_EQ(S().m_nMarkerY, -1);
    TapSlot(2); // View
    EXPECT_EQ(Where(), "ReminderDetail < ClassDetail: Algebra/Homework 5 @-1");
    TapSlot(5); // Back
    EXPECT_EQ(Where(), "ClassDetail < -: Algebra/ @-1 +list");
    EXPECT_EQ(list->SelectedRow(), -1);

    // The selector sits on the command strip's row, right of its last slot, inside the view.
    const QRect combo = V().ViewCombo()->geometry();
    const Rect last = SlotRect(Rect{0, 0, V().width(), V().height()}, 5);
    EXPECT_EQ(combo.top(), last.t);
    EXPECT_GT(combo.left(), last.r);
    EXPECT_LT(combo.right(), V().width());

    // Every pick in the selector counts, also of the entry it shows: the class detail goes.
    ASSERT_EQ(V().ViewCombo()->currentIndex(), int(ViewMode::Classes));
    PickView(int(ViewMode::Classes));
    EXPECT_EQ(Where(), "Classes < -: / @-1");
    PickView(int(ViewMode::Grades));
    EXPECT_EQ(Where(), "Grades < -: / @-1");
    EXPECT_TRUE(prompter.shown.empty());
}

// A press on a meeting day's letter shows its periods while the stylus stays down; a move
// follows it; the repaint on release takes the box away.
TEST_F(WiringTest, peek_drawnWhilePressed_goneOnRelease)
{
    Open(SmallTerm());
    TapRow(Rows()[0]);
    TapSlot(3); // Algebra's detail: Monday and Wednesday
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface m(scratch, V().Fonts());
    m.SetFont(FontRole::Large);
    const int H1 = m.TextExtent(QStringLiteral("Algebra")).height();
    m.SetFont(FontRole::Bold);
    const auto w = [&](const char *text) {
        return m.TextExtent(QString::fromLatin1(text)).width();
    };
    const int mLeft = V().width() - w("S M T W R F S") - 10 + w("  ");
    const int wLeft = mLeft + w("M ") + w("  "), y = H1 + 39;
    QTest::mousePress(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(wLeft + 1, y));
    ASSERT_TRUE(V().Peek().has_value());
    EXPECT_EQ(V().Peek()->text, Meets(4, 9).GetText(true) + QStringLiteral("  "));
    QTest::mouseMove(&V(), QPoint(mLeft + 1, y));
    ASSERT_TRUE(V().Peek().has_value());
    EXPECT_EQ(V().Peek()->text, Meets(2, 9).GetText(true) + QStringLiteral("  "));
    const Rect box = V().Peek()->box;
    const QColor fill(204, 204, 255);
    const QImage shown = V().Render();
    EXPECT_EQ(QColor(shown.pixel(box.l, box.t)), kBlack);
    EXPECT_EQ(QColor(shown.pixel(box.l + 1, box.t + 1)), fill);
    QTest::mouseRelease(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(mLeft + 1, y));
    EXPECT_FALSE(V().Peek().has_value());
    EXPECT_NE(QColor(V().Render().pixel(box.l + 1, box.t + 1)), fill);
}

// The reminder list writes in the view's normal font, also after the fonts are made again
// (ClearType switched): a date keeps its AM or PM in the Date column.
TEST_F(WiringTest, reminderList_usesTheViewsFont_datesKeepTheirAmPm)
{
    CStudent term;
    term.AddClass(Course("Art", true, {}, {Rem("Sketch", At(2003, 10, 16, 9))}));
    Open(term);
    TapRow(Rows()[0]);
    TapSlot(3);
    CListColorCtrl *list = V().ReminderList();
    for (bool clearType : {true, false}) {
        SCOPED_TRACE(clearType ? "ClearType" : "grayscale");
        S().m_bClearType = clearType;
        V().CreateFonts(true);
        EXPECT_EQ(list->font().toString(), V().Fonts().Get(FontRole::Normal).toString());
        const QFontMetrics fm(list->font());
        const QString date = list->topLevelItem(0)->text(1);
        ASSERT_EQ(date, QStringLiteral("10/16/03 at 9:00 AM"));
        EXPECT_EQ(FitCellText(date, list->header()->sectionSize(1), 12,
                              [&fm](const QString &s) { return fm.horizontalAdvance(s); }),
                  date);
    }
}

class MenuExitTest : public ViewTest {
protected:
    // The next menu shown picks the command (0: none); its items are recorded as "text command",
    // "-" for a separator.
    void ChooseFromMenu(int command)
    {
        dialogs.execMenu = [this, command](QMenu *menu, QPoint at) {
            menuAt = at;
            items.clear();
            for (QAction *a : menu->actions()) {
                const int id = a->data().toInt();
                items.push_back(a->isSeparator()
                                    ? std::string("-")
                                    : a->text().toStdString() + " " + std::to_string(id));
                if (!a->isSeparator() && id == command && command)
                    a->trigger();
            }
        };
    }
    bool ExitDone() { return !Frame()->isVisible(); }

    QPoint menuAt;
    std::vector<std::string> items;
};

TEST_F(MenuExitTest, menu_itsItemsInOrderAtTheButton_showWelcomeRunsIt)
{
    Open(SmallTerm());
    const int atStart = dialogs.welcomeRuns; // a new install shows it once on the first update
    ChooseFromMenu(32779);
    TapSlot(1);
    EXPECT_EQ(menuAt, V().mapToGlobal(QPoint(58, V().height() - 25)));
    EXPECT_EQ(items, (std::vector<std::string>{"About ... 57664", "Show Welcome 32779", "-",
                                               "Add Class... 32773", "Remove Class... 32774", "-",
                                               "Add Reminder... 32780", "Remove Reminder 32778",
                                               "-", "Export Term... 32790", "Configuration 32775",
                                               "-", "Exit 57665"}));
    EXPECT_EQ(dialogs.welcomeRuns, atStart + 1);
    EXPECT_EQ(S().m_nViewType, ViewMode::Classes);
}

TEST_F(MenuExitTest, exportTerm_writesThePickedFile)
{
    Open(SmallTerm());
    QTemporaryDir dir;
    dialogs.pickSaveFile = [&](const QString &suggested, QString &picked) {
        picked = dir.filePath("term.ics");
        return suggested.endsWith(".ics");
    };
    ChooseFromMenu(32790);
    TapSlot(1);
    EXPECT_TRUE(ReadBytes(dir.filePath("term.ics")).startsWith("BEGIN:VCALENDAR"));
}

// Exit stores the selector's view type and the Day layout, but only for Classes, Dates and
// Calendar: leaving from Grades keeps what was stored.
TEST_F(MenuExitTest, exit_storesTheSelectorsViewTypeAndDayLayout_notForGrades)
{
    const struct {
        int pick;
        int viewType, dayLayout;
    } cases[] = {{int(ViewMode::Grades), 2, 1}, {int(ViewMode::Dates), 1, 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pick);
        Settings::WriteInt(Settings::Key::ViewType, 2);
        Settings::WriteInt(Settings::Key::DayAsOnly, 1);
        Open(SmallTerm(), true);
        ASSERT_EQ(S().m_nViewType, ViewMode::Calendar);
        V().SelectViewType(c.pick);
        S().m_nDayMode = 2;
        TapSlot(0);
        EXPECT_TRUE(ExitDone());
        EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), c.viewType);
        EXPECT_EQ(Settings::ReadInt(Settings::Key::DayAsOnly), c.dayLayout);
    }
}

TEST_F(MenuExitTest, exitFromTheMenu_savesTheTerm)
{
    Settings::WriteInt(Settings::Key::ViewType, 1);
    Open(SmallTerm(), true);
    V().SelectViewType(int(ViewMode::Classes));
    TapRow(Rows()[1]); // Algebra's Homework 5
    TapSlot(3);
    TapSlot(3); // Done
    ASSERT_EQ(S().m_nViewType, ViewMode::ReminderDetail);
    ChooseFromMenu(57665);
    TapSlot(0); // the reminder detail has no Exit button: the menu's Exit
    EXPECT_TRUE(ExitDone());
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 0);

    CStudent saved;
    CTeacherArray teachers;
    EXPECT_FALSE(LoadData(saved, teachers).damaged());
    ASSERT_EQ(saved.m_classes.size(), 3);
    const CAssignment &homework = saved.m_classes[0].m_reminders[1];
    EXPECT_EQ(std::pair(homework.m_strName, homework.m_bDone), std::pair(QString("Homework 5"), 1));
}

TEST_F(MenuExitTest, exitAfterAFailedSave_asksAndStaysOnNo)
{
    Open(SmallTerm());
    QTemporaryDir dir; // a data folder under a regular file can never be created
    WriteBytes(dir.filePath("blocker"), {});
    SetDataDir(dir.filePath("blocker/data"));
    V().ViewCombo()->setCurrentIndex(1);

    prompter.answers = {Prompter::No};
    EXPECT_FALSE(V().ExitPath());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_TRUE(prompter.shown[0].text.contains("could not be saved"));
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 0) << "staying stores nothing";

    prompter.answers = {Prompter::Yes};
    EXPECT_TRUE(V().ExitPath());
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 1);
}

} // namespace
