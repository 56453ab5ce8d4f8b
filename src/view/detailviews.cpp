// The detail views of a class, a reminder and an instructor.
#include "view/textviews.h"

#include "model/dates.h"
#include "model/duedays.h"
#include "view/colorschemes.h"
#include "view/drawing.h"
#include "view/images.h"
#include "view/textrows.h"

#include <algorithm>

using namespace textrows;

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
    const int hh = Put(s, FontRole::Bold, 8, y, ViewTexts::tr("Instructor")).height();
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
        s.DrawBitmap(client.r - 17, 32, rem.m_bDone ? Res::DetailDoneMark : Res::DetailPriorityMark,
                     false, 12, 13);
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

    int lastH = Put(s, FontRole::Bold, 8, y,
                    cls.m_bGraded ? ViewTexts::tr("Class") : ViewTexts::tr("Activity"))
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

    // A tappable line answers from hitLeft to the right edge.
    auto line = [&](FontRole f, int x, const QString &text, HitRow::Kind *kind, int hitLeft) {
        const QSize e = Put(s, f, x, y, text);
        if (kind)
            rows.add(Row(*kind, {hitLeft, y - 2, client.r - 2, y + e.height() + 2}, y,
                         v.m_nSelClass, v.m_nSelReminder));
        y += e.height() + 5;
    };
    HitRow::Kind classLine = HitRow::ClassLine, dateLine = HitRow::DateLine;
    line(FontRole::Normal, 15, cls.m_strName, &classLine, 8); // under the "Class" heading
    line(FontRole::Bold, 8, ViewTexts::tr("Date"), nullptr, 0);
    line(FontRole::Normal, 15, rem.GetDueText(false), &dateLine, 15);
    line(FontRole::Bold, 8, ViewTexts::tr("Type"), nullptr, 0);
    line(FontRole::Normal, 15, rem.GetTypeText(), nullptr, 0);
    const int labelH = Put(s, FontRole::Bold, 8, y, ViewTexts::tr("Description")).height();
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
    const Field fields[4] = {{QT_TRANSLATE_NOOP("ViewTexts", "Phone"), t.m_strPhone, false},
                             {QT_TRANSLATE_NOOP("ViewTexts", "Office"), t.m_strOffice, false},
                             {QT_TRANSLATE_NOOP("ViewTexts", "Email"), t.m_strEmail, true},
                             {QT_TRANSLATE_NOOP("ViewTexts", "Website"), t.m_strWebsite, true}};
    for (const Field &f : fields) {
        if (f.value.isEmpty())
            continue;
        const int y2 = y + Put(s, FontRole::Bold, 8, y, ViewTexts::tr(f.label)).height() + 3;
        const QColor old = s.TextColor();
        if (f.link)
            s.SetTextColor(Colors::Link);
        const int h = Put(s, f.link ? FontRole::Link : FontRole::Normal, 18, y2, f.value).height();
        s.SetTextColor(old);
        y = y2 + h + 3;
    }
    const int labelH = Put(s, FontRole::Bold, 8, y, ViewTexts::tr("Description")).height();
    s.SetFont(FontRole::Normal);
    s.DrawTextWrapped({18, y + labelH + 3, client.r - 5, client.b - 27}, t.m_strDescription);
    DrawCommandStrip(s, v, client);
}
