#pragma once
// The view tests' shared set-up: a pinned "now" (Wednesday, October 15, 2003, 10:00 AM, test time
// zone America/New_York) and hand-built terms; ViewPaint paints one mode on the recording surface
// (fixed metrics: 5 pixels a character in the normal and link fonts, 6 in bold, 9 in large; cells
// 11 high, 17 in large); ViewTest drives a real main view with mouse events, with its own settings
// file and data folder and every dialog and message box answered from the test.

#include "model/clock.h"
#include "model/student.h"
#include "model/teacher.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "support/isolatedsettings.h"
#include "support/pinnedclock.h"
#include "support/printers.h"
#include "support/recordingsurface.h"
#include "support/scripteddialogs.h"
#include "ui/listcolorctrl.h"
#include "ui/mainframe.h"
#include "ui/quillboxview.h"
#include "view/images.h"
#include "view/rows.h"
#include "view/viewpainter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

inline std::ostream &operator<<(std::ostream &os, const Rect &r)
{
    return os << "(" << r.l << "," << r.t << "," << r.r << "," << r.b << ")";
}
inline std::ostream &operator<<(std::ostream &os, const QColor &c)
{
    return os << "rgb(" << c.red() << "," << c.green() << "," << c.blue() << ")";
}
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace viewtest {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;
using F = FontRole;
using Bitmap = std::tuple<int, int, int>;
using Images = std::vector<Bitmap>;

inline const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGrey(105, 120, 120);
inline const QColor kDarkRed(100, 0, 0), kGradeRed(150, 0, 0), kDarkBlue(0, 0, 150);
inline const QColor kLinkBlue(0, 0, 200), kBarFrame(0, 0, 110);
inline const QColor kGreenRow(215, 230, 175); // scheme 0's row colour

// The images the views draw (their numbers are checked in images_test and drawing_test).
enum Img : int {
    kBack = Res::Back,
    kMarkRight = Res::MarkerRight,
    kMarkLeft = Res::MarkerLeft,
    kTick = Res::DoneMark,
    kBang = Res::PriorityMark,
    kArrowUp = Res::ArrowUp,
    kArrowDown = Res::ArrowDown,
    kBannerClasses = Res::BannerClasses,
    kBannerDates = Res::BannerDates,
    kBannerGrades = Res::BannerGrades,
    kBannerDay = Res::BannerDay,
    kBannerClass = Res::BannerClass,
    kBannerNoTitle = Res::BannerNoTitle,
    kBannerReminder = Res::BannerReminder,
    kBannerInstructor = Res::BannerInstructor,
    kDetailTick = Res::DetailDoneMark,
    kDetailBang = Res::DetailPriorityMark,
};

inline CTime Now()
{
    return At(2003, 10, 15, 10, 0);
}

inline CAssignment Rem(const QString &name, CTime due, bool high = false, bool done = false)
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bHighPriority = high ? 1 : 0;
    a.m_bDone = done ? 1 : 0;
    return a;
}

inline CClassTime Meets(int weekday, int hour, int minute = 0, int duration = 60)
{
    CClassTime t;
    t.m_nDay = weekday;
    t.m_nHour = hour;
    t.m_nMinute = minute;
    t.m_nDuration = duration;
    return t;
}

// A class whose reminders are kept as the program keeps them: latest due first.
inline CClass Cls(const QString &name, std::initializer_list<CAssignment> reminders = {},
                  std::initializer_list<CClassTime> times = {})
{
    CClass c;
    c.m_strName = name;
    for (const CClassTime &t : times)
        c.m_classTimes.append(t);
    for (const CAssignment &a : reminders)
        c.AddReminder(a);
    c.SortReminders();
    return c;
}

// ------------------------------------------------------------------- the recording surface

// A drawn text, comparable.
struct Txt {
    QString text;
    int x = 0, y = 0;
    FontRole font = F::Normal;
    QColor color = kBlack;
    friend bool operator==(const Txt &a, const Txt &b)
    {
        return a.text == b.text && a.x == b.x && a.y == b.y && a.font == b.font &&
               a.color == b.color;
    }
};

// A heading on a title bar: white at x 8.
inline Txt Heading(const QString &text, int y)
{
    return {text, 8, y, F::Normal, kWhite};
}

// A laid-out hit row, comparable.
struct Hit {
    HitRow::Kind kind = HitRow::Class;
    Rect rect;
    int markerY = -1, cls = -1, rem = -1;
    friend bool operator==(const Hit &a, const Hit &b)
    {
        return a.kind == b.kind && a.rect == b.rect && a.markerY == b.markerY && a.cls == b.cls &&
               a.rem == b.rem;
    }
};

inline void PrintTo(const Txt &t, std::ostream *os)
{
    static const char *const fonts[] = {"Normal", "Bold", "Large", "Link", "Serif"};
    *os << "\n  {\"" << t.text.toStdString() << "\" at " << t.x << "," << t.y << " "
        << fonts[int(t.font)] << " " << t.color << "}";
}
inline void PrintTo(const Hit &h, std::ostream *os)
{
    static const char *const kinds[] = {"Class",      "Reminder",  "Date",
                                        "Instructor", "ClassLine", "DateLine"};
    *os << "\n  {" << kinds[h.kind] << " " << h.rect << " marker " << h.markerY << " class "
        << h.cls << " reminder " << h.rem << "}";
}

using Txts = std::vector<Txt>;
using Hits = std::vector<Hit>;
using Rects = std::vector<Rect>;

// One paint of a mode over a hand-built term, at the pinned "now".
struct ViewPaint {
    PinnedClock clock{Now()};
    ViewState state;
    CStudent student;
    CTeacherArray teachers;
    Rect client{0, 0, 240, 268};
    RecordingSurface surface;
    ViewRows rows;

    void Paint(ViewMode mode)
    {
        state.m_nViewType = mode;
        surface.ops.clear();
        PaintContext ctx{state, student, teachers, client, Clock::Now()};
        PaintView(surface, ctx, &rows);
    }

    std::vector<Op> Ops(Kind kind) const
    {
        std::vector<Op> out;
        for (const Op &op : surface.ops)
            if (op.kind == kind)
                out.push_back(op);
        return out;
    }
    // The texts whose top lies in [y0, y1).
    std::vector<Txt> Texts(int y0 = INT_MIN, int y1 = INT_MAX) const
    {
        std::vector<Txt> out;
        for (const Op &op : Ops(Kind::Text))
            if (op.rect.t >= y0 && op.rect.t < y1)
                out.push_back({op.text, op.rect.l, op.rect.t, op.font, op.color});
        return out;
    }
    const Op *Text(const QString &text) const { return surface.findText(text); }
    std::vector<Hit> Hits() const
    {
        std::vector<Hit> out;
        for (const HitRow &r : rows.rows)
            out.push_back({r.kind, r.hit, r.markerY, r.classIndex, r.reminderIndex});
        return out;
    }

    // Images drawn as (resource, x, y) in drawing order, all or only those of the given resources.
    Images Bitmaps(std::initializer_list<int> only = {}) const
    {
        Images out;
        for (const Op &op : Ops(Kind::Bitmap))
            if (!only.size() || std::find(only.begin(), only.end(), op.resourceId) != only.end())
                out.emplace_back(op.resourceId, op.rect.l, op.rect.t);
        return out;
    }
    template <typename Pred> std::vector<Rect> Rects(Kind kind, Pred pred) const
    {
        std::vector<Rect> out;
        for (const Op &op : Ops(kind))
            if (pred(op))
                out.push_back(op.rect);
        return out;
    }
    // The shaded bands behind rows: white frame, the scheme's row colour inside.
    std::vector<Rect> Bands() const
    {
        return Rects(Kind::Rectangle,
                     [](const Op &o) { return o.color == kWhite && o.brush == kGreenRow; });
    }
    // Frames of full title bars.
    std::vector<Rect> BarFrames() const
    {
        return Rects(Kind::Rectangle,
                     [](const Op &o) { return o.color == kBarFrame && !o.brush.isValid(); });
    }
    std::vector<Rect> Lines() const
    {
        return Rects(Kind::Line, [](const Op &) { return true; });
    }
    // The scroll arrow box (white fill, black frame), or an empty rectangle when none.
    Rect ArrowBox() const
    {
        const std::vector<Rect> box = Rects(
            Kind::Rectangle, [](const Op &o) { return o.color == kBlack && o.brush == kWhite; });
        return box.empty() ? Rect{} : box.front();
    }
};

// --------------------------------------------------------------------------- the real view

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
