#include "view/textviews.h"

#include "ui/colorschemes.h"
#include "view/drawing.h"
#include "view/images.h"
#include "view/texts.h"

#include <algorithm>

namespace {

const QString kXXX = QStringLiteral("XXX");

int BoldHeight(Surface &s)
{
    const FontRole old = s.Font();
    s.SetFont(FontRole::Bold);
    const int h = s.TextExtent(kXXX).height();
    s.SetFont(old);
    return h;
}

int Width(Surface &s, FontRole f, const QString &text)
{
    const FontRole old = s.Font();
    s.SetFont(f);
    const int w = s.TextExtent(text).width();
    s.SetFont(old);
    return w;
}

// Draws text in a font; returns its extent.
QSize Put(Surface &s, FontRole f, int x, int y, const QString &text)
{
    s.SetFont(f);
    s.TextOut(x, y, text);
    return s.TextExtent(text);
}

bool ValidClass(const PaintContext &ctx, int c)
{
    return c >= 0 && c < ctx.student.m_classes.size();
}

bool ValidReminder(const PaintContext &ctx, int c, int r)
{
    return ValidClass(ctx, c) && r >= 0 && r < ctx.student.m_classes[c].m_reminders.size();
}

// Alternates the band behind the rows of a group: none on the first, one on the second...
struct Bands {
    bool shaded = false;
    void Row(Surface &s, const ViewState &v, const Rect &client, int y, int h, bool enabled)
    {
        if (shaded && enabled)
            DrawRowBand(s, v, RowRect(client, y, h));
        shaded = !shaded;
    }
};

HitRow Row(HitRow::Kind kind, const Rect &hit, int y, int cls, int rem = -1)
{
    HitRow r;
    r.kind = kind;
    r.hit = hit;
    r.markerY = y;
    r.classIndex = cls;
    r.reminderIndex = rem;
    return r;
}

} // namespace

DueDays::DueDays(const CStudent &student)
{
    keys.resize(size_t(student.m_classes.size()));
    for (qsizetype c = 0; c < student.m_classes.size(); ++c) {
        const CAssignmentArray &rems = student.m_classes[c].m_reminders;
        std::vector<int> &k = keys[size_t(c)];
        k.reserve(size_t(rems.size()));
        for (const CAssignment &r : rems)
            k.push_back(DayKey(r.m_timeDue));
    }
}

// ---------------------------------------------------------------- Classes

int FitRemindersPerClass(Surface &s, const PaintContext &ctx, const DueDays &due)
{
    const int pitch = BoldHeight(s) + Grid::kRowGap;
    const int today = DayKey(ctx.now);
    for (int n = 2;; --n) {
        int sum = Grid::kFirstRowTop;
        for (qsizetype c = 0; c < ctx.student.m_classes.size(); ++c) {
            sum += pitch;
            int upcoming = 0;
            const std::vector<int> &keys = due.keys[size_t(c)];
            for (int key : keys) {
                if (key < today)
                    continue;
                if (++upcoming > n)
                    break;
                sum += pitch;
            }
        }
        if (sum < ctx.client.b - 25 || n == 1)
            return n;
    }
}

void DrawClassesView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    v.m_bMoreClasses = false;
    const DueDays due(ctx.student);
    const int perClass = FitRemindersPerClass(s, ctx, due);
    const int H = BoldHeight(s);
    const int limit = client.b - H - 27;
    s.DrawBitmap(0, 0, Res::BannerClasses, false);
    int y = Grid::kFirstRowTop;
    const int today = DayKey(ctx.now);
    const QColor inForce = s.TextColor();

    for (int c = std::max(0, v.m_nFirstClass); c < ctx.student.m_classes.size(); ++c) {
        const CClass &cls = ctx.student.m_classes[c];
        if (!(y < limit)) {
            v.m_bMoreClasses = true;
            return;
        }
        const int h = DrawHeading(s, v, client, y, cls.m_strName);
        rows.add(Row(HitRow::Class, RowRect(client, y, h), y, c));
        y += H + Grid::kRowGap;

        int counter = 0;
        Bands bands;
        for (int r = int(cls.m_reminders.size()) - 1; r >= 0; --r) {
            if (due.at(c, r) < today)
                continue;
            if (++counter > perClass)
                continue;
            if (!(y < limit)) {
                v.m_bMoreClasses = true;
                return;
            }
            const CAssignment &rem = cls.m_reminders[r];
            bands.Row(s, v, client, y, H, v.m_bTitleBars);
            s.SetTextColor(ReminderTextColor(rem, ctx.now, inForce));
            const QString name = FitText(s, rem.m_strName, 90, false);
            const int W = Put(s, FontRole::Link, 18, y, name).width();
            Put(s, FontRole::Normal, W + 28, y, QStringLiteral("-"));
            const QString dueText = rem.GetDueText(false);
            const QSize d = Put(s, FontRole::Normal, W + 43, y, dueText);
            s.SetTextColor(inForce);
            DrawReminderMark(s, rem, y);
            rows.add(Row(HitRow::Reminder, {18, y, 18 + 25 + W + d.width(), y + d.height()}, y, c,
                         r));
            y += d.height() + Grid::kRowGap;
        }
    }
}

// ---------------------------------------------------------------- Dates

void DrawDatesView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    v.m_bMoreDates = false;
    s.SetFont(FontRole::Bold);
    s.DrawBitmap(0, 0, Res::BannerDates, false);
    int y = Grid::kFirstRowTop;
    CTime walked = ctx.now + int64_t(v.m_nDayOffset) * 86400;
    const int H = BoldHeight(s);
    const int limit = client.b - H - 35;
    const DueDays due(ctx.student);
    const int today = DayKey(ctx.now);
    const QColor black = Colors::Text;
    bool haveEarliest = false;
    CTime earliest;
    bool anyDay = false;

    auto heading = [&](CTime day) {
        const int h = DrawHeading(s, v, client, y, FormatLongDate(day));
        HitRow r = Row(HitRow::Date, RowRect(client, y, h), y, -1);
        r.date = day;
        rows.add(r);
        y += H + Grid::kRowGap;
    };

    for (int walkedDays = 0; walkedDays < 32; ++walkedDays) {
        if (!(y < limit)) {
            if (v.m_bHideNoDays)
                v.m_bMoreDates = true;
            break;
        }
        if (!v.m_bHideNoDays)
            heading(walked);
        const int dayKey = DayKey(walked);
        Bands bands;
        bool found = false;
        bool stop = false;
        for (int c = 0; c < ctx.student.m_classes.size() && !stop; ++c) {
            const CClass &cls = ctx.student.m_classes[c];
            bool hasLine = false;
            int lineX = 0, lineY = 0;
            for (int r = 0; r < cls.m_reminders.size(); ++r) {
                const CAssignment &rem = cls.m_reminders[r];
                if (!haveEarliest || rem.m_timeDue < earliest) {
                    earliest = rem.m_timeDue;
                    haveEarliest = true;
                }
                if (due.at(c, r) != dayKey)
                    continue;
                if (!found) {
                    found = true;
                    if (v.m_bHideNoDays)
                        heading(walked);
                }
                if (hasLine) {
                    const QColor old = s.TextColor();
                    if (rem.m_timeDue < ctx.now)
                        s.SetTextColor(Colors::Grey);
                    Put(s, FontRole::Normal, lineX, lineY, QStringLiteral("and more..."));
                    s.SetTextColor(old);
                    break;
                }
                if (!(y < limit)) {
                    if (v.m_bHideNoDays)
                        v.m_bMoreDates = true;
                    stop = true;
                    break;
                }
                bands.Row(s, v, client, y, H, v.m_bTitleBars);
                s.SetTextColor(ReminderTextColor(rem, ctx.now, black));
                const int W1 = Put(s, FontRole::Bold, 18, y, FitText(s, cls.m_strName, 80, true)).width();
                Put(s, FontRole::Normal, W1 + 25, y, QStringLiteral("-"));
                const int W2 =
                    Put(s, FontRole::Normal, W1 + 35, y, FitText(s, rem.m_strName, 80, false)).width();
                Put(s, FontRole::Normal, W1 + 35 + W2 + 7, y, QStringLiteral("-"));
                const int W3 = Put(s, FontRole::Normal, W1 + 35 + W2 + 17, y, rem.GetDueTimeText()).width();
                lineX = W1 + 35 + W2 + 17 + W3 + 7;
                lineY = y;
                DrawReminderMark(s, rem, y);
                s.SetTextColor(black);
                rows.add(Row(HitRow::Reminder, RowRect(client, y, H), y, c, r));
                hasLine = true;
            }
            if (hasLine)
                y += H + Grid::kRowGap;
        }
        anyDay = anyDay || found;
        if (stop)
            break;
        if (!found && !v.m_bHideNoDays) {
            s.SetTextColor(dayKey < today ? Colors::Grey : black);
            Put(s, FontRole::Normal, 18, y, QStringLiteral("Nothing..."));
            s.SetTextColor(black);
            y += H + Grid::kRowGap;
        }
        walked = walked + 86400;
        if (v.m_bHideNoDays && haveEarliest && walked < earliest)
            break;
    }
    if (v.m_bHideNoDays && !anyDay)
        Put(s, FontRole::Bold, 8, y, QStringLiteral("No Dates found with Reminders ..."));
}

// ---------------------------------------------------------------- Day

void SortClassesByName(CStudent &student)
{
    std::stable_sort(student.m_classes.begin(), student.m_classes.end(),
                     [](const CClass &a, const CClass &b) {
                         return a.m_strName.compare(b.m_strName, Qt::CaseInsensitive) < 0;
                     });
}

std::vector<int> ClassesByPeriod(const CStudent &student, int weekday)
{
    struct Key {
        int index;
        bool has;
        int hour, minute;
    };
    std::vector<Key> keys;
    keys.reserve(size_t(student.m_classes.size()));
    for (int i = 0; i < student.m_classes.size(); ++i) {
        Key k{i, false, 0, 0};
        for (const CClassTime &t : student.m_classes[i].m_classTimes)
            if (t.m_nDay == weekday) {
                k = {i, true, t.m_nHour, t.m_nMinute};
                break;
            }
        keys.push_back(k);
    }
    // Meeting classes by start, then the others; ties keep list order (as adjacent swaps would).
    std::stable_sort(keys.begin(), keys.end(), [](const Key &a, const Key &b) {
        if (a.has != b.has)
            return a.has;
        if (!a.has)
            return false;
        return a.hour != b.hour ? a.hour < b.hour : a.minute < b.minute;
    });
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key &k : keys)
        order.push_back(k.index);
    return order;
}

namespace {

void DrawDayCombined(Surface &s, PaintContext &ctx, ViewRows &rows, const std::vector<int> &order,
                     int weekday, int dayKey, int H, int limit, int &y)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    const QColor inForce = s.TextColor();
    v.m_bMoreDayClasses = false;
    for (size_t o = size_t(std::max(0, v.m_nFirstDayClass)); o < order.size(); ++o) {
        const int c = order[o];
        const CClass &cls = ctx.student.m_classes[c];
        bool hasHeading = false;
        for (const CClassTime &t : cls.m_classTimes) {
            if (t.m_nDay != weekday)
                continue;
            if (!(y < limit)) {
                v.m_bMoreDayClasses = true;
                return;
            }
            const int h = DrawHeading(s, v, client, y, PeriodText(cls, t, v.m_bTimeFirst));
            rows.add(Row(HitRow::Class, RowRect(client, y, h), y, c));
            y += H + Grid::kRowGap;
            hasHeading = true;
        }
        Bands bands;
        for (int r = 0; r < cls.m_reminders.size(); ++r) {
            const int key = DayKey(cls.m_reminders[r].m_timeDue);
            if (key < dayKey)
                break; // the rest are earlier still
            if (key != dayKey)
                continue;
            const CAssignment &rem = cls.m_reminders[r];
            bands.Row(s, v, client, y, H, v.m_bTitleBars);
            if (!hasHeading) {
                if (!(y < limit)) {
                    v.m_bMoreDayClasses = true;
                    return;
                }
                const int h = DrawHeading(s, v, client, y, cls.m_strName);
                rows.add(Row(HitRow::Class, RowRect(client, y, h), y, c));
                y += H + Grid::kRowGap;
                hasHeading = true;
            }
            if (!(y < limit)) {
                v.m_bMoreDayClasses = true;
                return;
            }
            s.SetTextColor(ReminderTextColor(rem, ctx.now, inForce));
            const int W = Put(s, FontRole::Normal, 18, y, rem.m_strName).width();
            Put(s, FontRole::Normal, W + 28, y, QStringLiteral("-"));
            Put(s, FontRole::Normal, W + 43, y, rem.GetDueTimeText());
            DrawReminderMark(s, rem, y);
            s.SetTextColor(inForce);
            rows.add(Row(HitRow::Reminder, RowRect(client, y, H), y, c, r));
            y += H + Grid::kRowGap;
        }
    }
}

void DrawDayReminders(Surface &s, PaintContext &ctx, ViewRows &rows, const std::vector<int> &order,
                      int dayKey, int limit, int &y)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    const QColor inForce = s.TextColor();
    v.m_bMoreDayReminders = false;
    int k = 0;
    bool drawn = false;
    Bands bands;
    for (int c : order) {
        const CClass &cls = ctx.student.m_classes[c];
        for (int r = 0; r < cls.m_reminders.size(); ++r) {
            const int key = DayKey(cls.m_reminders[r].m_timeDue);
            if (key < dayKey)
                break;
            if (key != dayKey)
                continue;
            if (!(y < limit)) {
                v.m_bMoreDayReminders = true;
                return;
            }
            if (++k <= v.m_nFirstDayReminder)
                continue;
            const CAssignment &rem = cls.m_reminders[r];
            const int H = BoldHeight(s);
            bands.Row(s, v, client, y, H, true);
            s.SetTextColor(ReminderTextColor(rem, ctx.now, inForce));
            const int W1 = Put(s, FontRole::Bold, 15, y, cls.m_strName).width();
            Put(s, FontRole::Bold, W1 + 25, y, QStringLiteral("-"));
            const QSize n = Put(s, FontRole::Normal, W1 + 40, y, rem.m_strName);
            Put(s, FontRole::Normal, W1 + 40 + n.width() + 10, y, QStringLiteral("-"));
            Put(s, FontRole::Normal, W1 + 40 + n.width() + 25, y, rem.GetDueTimeText());
            DrawReminderMark(s, rem, y);
            s.SetTextColor(inForce);
            rows.add(Row(HitRow::Reminder, RowRect(client, y, H), y, c, r));
            y += n.height() + Grid::kRowGap;
            drawn = true;
        }
    }
    if (!drawn)
        Put(s, FontRole::Bold, 15, y, QStringLiteral("No Reminders Found..."));
}

void DrawDayPeriods(Surface &s, PaintContext &ctx, ViewRows &rows, const std::vector<int> &order,
                    int weekday, int H, int limit, int &y)
{
    ViewState &v = ctx.state;
    v.m_bMorePeriods = false;
    int k = 0;
    for (int c : order) {
        const CClass &cls = ctx.student.m_classes[c];
        for (const CClassTime &t : cls.m_classTimes) {
            if (t.m_nDay != weekday)
                continue;
            if (++k <= v.m_nFirstPeriod)
                continue;
            if (!(y < limit)) {
                v.m_bMorePeriods = true;
                return;
            }
            const int h = DrawHeading(s, v, ctx.client, y, PeriodText(cls, t, v.m_bTimeFirst));
            rows.add(Row(HitRow::Class, RowRect(ctx.client, y, h), y, c));
            y += H + Grid::kRowGap;
        }
    }
    if (k == 0)
        Put(s, FontRole::Bold, 8, y, QStringLiteral("No Class Periods Found..."));
}

} // namespace

void DrawDayView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    s.SetFont(FontRole::Bold);
    s.DrawBitmap(0, 0, Res::BannerDay, false);
    const int H = BoldHeight(s);
    const int limit = client.b - H - 35;
    // A long date ("Wednesday, September 30, 2026") does not fit the large font in 240 pixels:
    // it falls back to the bold font, as the detail titles do. The rows keep their places.
    const QString title = FormatLongDate(v.m_timeDay);
    const int T = [&] {
        s.SetFont(FontRole::Large);
        return s.TextExtent(title).height();
    }();
    Put(s, Width(s, FontRole::Large, title) > client.r - 5 ? FontRole::Bold : FontRole::Large, 8,
        30, title);
    s.Line(4, T + 35, client.r - 4, T + 35, Colors::Text);
    int y = T + 40;
    const CTime::Fields day = v.m_timeDay.GetLocal();
    const int weekday = day.dayOfWeek + 1;
    const std::vector<int> order = ClassesByPeriod(ctx.student, weekday);
    s.SetFont(FontRole::Normal);
    switch (v.m_nDayMode) {
    case 1:
        DrawDayReminders(s, ctx, rows, order, DayKey(day), limit, y);
        break;
    case 2:
        DrawDayPeriods(s, ctx, rows, order, weekday, H, limit, y);
        break;
    default:
        DrawDayCombined(s, ctx, rows, order, weekday, DayKey(day), H, limit, y);
        break;
    }
}

// ---------------------------------------------------------------- Grades

void DrawGradesView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    v.m_bMoreGrades = false;
    s.SetFont(FontRole::Bold);
    const int H = BoldHeight(s);
    const int limit = client.b - H - 35;
    s.DrawBitmap(0, 0, Res::BannerGrades, false);
    int y = Grid::kFirstRowTop;
    Bands bands;
    for (int c = std::max(0, v.m_nFirstGradeClass); c < ctx.student.m_classes.size(); ++c) {
        const CClass &cls = ctx.student.m_classes[c];
        if (!cls.m_bGraded)
            continue;
        if (!(y < limit)) {
            v.m_bMoreGrades = true;
            break;
        }
        bands.Row(s, v, client, y, H, true);
        QString letter;
        double earned = 0, possible = 0;
        cls.GetGrade(letter, earned, possible);
        s.SetTextColor(Colors::Text);
        const int W1 = Put(s, FontRole::Bold, 8, y, FitText(s, cls.m_strName, 95, true)).width();
        const QString points =
            QString::asprintf("%0.1f / %0.1f of %0.1f Total", earned, possible, cls.m_dTotalPoints);
        const int W2 = Put(s, FontRole::Normal, W1 + 18, y, points).width();
        s.SetTextColor(Colors::Grade);
        const QSize g = Put(s, FontRole::Bold, W1 + 18 + W2 + 10, y, letter);
        s.SetTextColor(Colors::Text);
        rows.add(Row(HitRow::Class, {8, y, 28 + W1 + W2 + g.width(), y + g.height()}, y, c));
        y += g.height() + Grid::kRowGap;
    }
    s.Line(client.l + 10, y, client.r - 10, y, Colors::Text);
    s.SetTextColor(Colors::Grade);
    Put(s, FontRole::Bold, 8, y + 5, QString::asprintf("GPA: %0.2f", ctx.student.GetGPA()));
    s.SetTextColor(Colors::Text);
}

// ---------------------------------------------------------------- Detail views

QString DayLetters(const CClass &c)
{
    static const char *const kLetters[7] = {"S ", "M ", "T ", "W ", "R ", "F ", "S"};
    QString text;
    for (int d = 1; d <= 7; ++d) {
        const bool meets = std::any_of(c.m_classTimes.begin(), c.m_classTimes.end(),
                                       [d](const CClassTime &t) { return t.m_nDay == d; });
        text += meets ? QString::fromLatin1(kLetters[d - 1]) : QStringLiteral("  ");
    }
    return text;
}

void DrawClassDetail(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    if (!ValidClass(ctx, v.m_nSelClass))
        return;
    const CClass &cls = ctx.student.m_classes[v.m_nSelClass];
    s.DrawBitmap(0, 0, cls.m_bGraded ? Res::BannerClass : Res::BannerNoTitle, false);
    DrawCommandStrip(s, v, client);

    FontRole titleFont = FontRole::Large;
    if (Width(s, FontRole::Large, cls.m_strName) > client.r - 68)
        titleFont = FontRole::Bold;
    const int W = Put(s, titleFont, 8, 30, cls.m_strName).width();

    if (cls.m_bGraded) {
        QString letter;
        double earned = 0, possible = 0;
        cls.GetGrade(letter, earned, possible);
        const QString forms[3] = {
            QString::asprintf("%0.1f/%0.1f of %0.1f(", earned, possible, cls.m_dTotalPoints) +
                letter + QStringLiteral(")"),
            QString::asprintf("%0.1f/%0.1f(", earned, possible) + letter + QStringLiteral(")"),
            QStringLiteral("(") + letter + QStringLiteral(")")};
        s.SetFont(FontRole::Normal);
        for (int i = 0; i < 3; ++i) {
            const int x = client.r - s.TextExtent(forms[i]).width() - 5;
            if (x >= W + 8 || i == 2) {
                s.TextOut(x, 30, forms[i]);
                break;
            }
        }
    }

    const int T = [&] {
        s.SetFont(FontRole::Large);
        return s.TextExtent(cls.m_strName).height();
    }();
    s.Line(4, T + 33, client.r - 4, T + 33, Colors::Text);
    int y = T + 38;
    const int hh = Put(s, FontRole::Bold, 8, y, QStringLiteral("Instructor")).height();
    const QColor old = s.TextColor();
    s.SetTextColor(Colors::DayLetters);
    if (!cls.m_classTimes.isEmpty()) {
        s.SetFont(FontRole::Bold);
        const int w = s.TextExtent(QStringLiteral("S M T W R F S")).width();
        const int x = client.r - w - 10;
        const QColor fill = Scheme(v.m_nColorScheme).row;
        s.Rectangle({x - 2, T + 36, client.r - 5, y + hh + 2}, Colors::Text, &fill);
        s.TextOut(x, y, DayLetters(cls));
    }
    y += hh + 5;
    s.SetTextColor(Colors::Text);
    const QSize last = Put(s, FontRole::Normal, 18, y, cls.m_teacher.m_strLastName);
    {
        HitRow r = Row(HitRow::Instructor, {18, y - 2, client.r - 2, y + last.height() + 2}, y,
                       v.m_nSelClass);
        rows.add(r);
    }
    y += last.height();
    s.SetTextColor(Colors::DayLetters);
    const int centre = (client.l + client.r) / 2;
    const int lw = s.TextExtent(cls.m_strLocation).width();
    s.TextOut(centre - lw / 2, y + 2, cls.m_strLocation);
    s.SetTextColor(old);
}

void DrawReminderDetail(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    s.SetFont(FontRole::Large);
    s.DrawBitmap(0, 0, Res::BannerReminder, false);
    if (!ValidReminder(ctx, v.m_nSelClass, v.m_nSelReminder))
        return;
    const CClass &cls = ctx.student.m_classes[v.m_nSelClass];
    const CAssignment &rem = cls.m_reminders[v.m_nSelReminder];

    int reserve = 5;
    if (rem.m_bDone || rem.m_bHighPriority) {
        s.DrawBitmap(client.r - 17, 32, rem.m_bDone ? Res::DetailDoneMark : Res::DetailPriorityMark, false,
                     12, 13);
        reserve = 17;
    }
    FontRole titleFont = FontRole::Large;
    if (Width(s, FontRole::Large, rem.m_strName) > client.r - reserve)
        titleFont = FontRole::Bold;
    const QColor old = s.TextColor();
    if (rem.m_bHighPriority)
        s.SetTextColor(Colors::HighPriority);
    const int T = Put(s, titleFont, 8, 30, rem.m_strName).height();
    s.SetTextColor(old);
    s.Line(4, T + 35, client.r - 4, T + 35, Colors::Text);
    int y = T + 40;

    int lastH = Put(s, FontRole::Bold, 8, y, cls.m_bGraded ? QStringLiteral("Class")
                                                          : QStringLiteral("Activity"))
                    .height();
    if (rem.m_dPointsPossible != 0.0) {
        QString letter;
        cls.GetLetterGrade(letter, rem.m_dPointsEarned, rem.m_dPointsPossible);
        const QString score =
            QString::asprintf("%0.1f / %0.1f(", rem.m_dPointsEarned, rem.m_dPointsPossible) +
            letter + QStringLiteral(")");
        s.SetFont(FontRole::Normal);
        const QSize e = s.TextExtent(score);
        s.TextOut(client.r - e.width() - 5, y, score);
        lastH = e.height();
    }
    y += lastH + 5;

    auto line = [&](FontRole f, int x, const QString &text, HitRow::Kind *kind) {
        const QSize e = Put(s, f, x, y, text);
        if (kind)
            rows.add(Row(*kind, {x, y - 2, client.r - 2, y + e.height() + 2}, y, v.m_nSelClass,
                         v.m_nSelReminder));
        y += e.height() + 5;
    };
    HitRow::Kind classLine = HitRow::ClassLine, dateLine = HitRow::DateLine;
    line(FontRole::Normal, 15, cls.m_strName, &classLine);
    line(FontRole::Bold, 8, QStringLiteral("Date"), nullptr);
    line(FontRole::Normal, 15, rem.GetDueText(false), &dateLine);
    line(FontRole::Bold, 8, QStringLiteral("Type"), nullptr);
    line(FontRole::Normal, 15, rem.GetTypeText(), nullptr);
    const int labelH = Put(s, FontRole::Bold, 8, y, QStringLiteral("Description")).height();
    s.SetFont(FontRole::Normal);
    s.DrawTextWrapped({15, y + labelH + 5, client.r - 5, client.b - 27}, rem.m_strDescription);
    DrawCommandStrip(s, v, client);
}

void DrawInstructorDetail(Surface &s, PaintContext &ctx, ViewRows &)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    s.SetFont(FontRole::Large);
    s.DrawBitmap(0, 0, Res::BannerInstructor, false);
    if (!ValidClass(ctx, v.m_nSelClass))
        return;
    const CTeacher &t = ctx.student.m_classes[v.m_nSelClass].m_teacher;
    QSize last = Put(s, FontRole::Large, 8, 30, t.m_strLastName);
    if (!t.m_strFirstName.isEmpty()) {
        const int W = last.width();
        const int comma = s.TextExtent(QStringLiteral(", ")).width();
        s.TextOut(W + 13, 30, QStringLiteral(", "));
        last = Put(s, FontRole::Large, W + 13 + comma + 5, 30, t.m_strFirstName);
    }
    const int T = last.height();
    s.Line(4, T + 35, client.r - 4, T + 35, Colors::Text);
    int y = T + 40;
    struct Field {
        const char *label;
        const QString &value;
        bool link;
    };
    const Field fields[4] = {{"Phone", t.m_strPhone, false},
                             {"Office", t.m_strOffice, false},
                             {"Email", t.m_strEmail, true},
                             {"Website", t.m_strWebsite, true}};
    for (const Field &f : fields) {
        if (f.value.isEmpty())
            continue;
        const int y2 = y + Put(s, FontRole::Bold, 8, y, QString::fromLatin1(f.label)).height() + 3;
        const QColor old = s.TextColor();
        if (f.link)
            s.SetTextColor(Colors::Link);
        const int h = Put(s, f.link ? FontRole::Link : FontRole::Normal, 18, y2, f.value).height();
        s.SetTextColor(old);
        y = y2 + h + 3;
    }
    const int labelH = Put(s, FontRole::Bold, 8, y, QStringLiteral("Description")).height();
    s.SetFont(FontRole::Normal);
    s.DrawTextWrapped({18, y + labelH + 3, client.r - 5, client.b - 27}, t.m_strDescription);
    DrawCommandStrip(s, v, client);
}
