#include "view/drawing.h"

#include "model/assignment.h"
#include "view/colorschemes.h"
#include "view/images.h"

int RowHeight(Surface &s)
{
    const FontRole old = s.Font();
    s.SetFont(FontRole::Bold);
    const int h = s.TextExtent(QStringLiteral("XX")).height();
    s.SetFont(old);
    return h;
}

Rect RowRect(const Rect &client, int y, int h)
{
    return {client.l + 2, y - 2, client.r - 2, y + h + 2};
}

void DrawHeaderBar(Surface &s, const ViewState &v, const Rect &bar)
{
    if (!v.m_bTitleBars)
        return;
    int l = bar.l, t = bar.t, r = bar.r, b = bar.b;
    if (!v.m_bThinBar)
        s.Rectangle({l, t, r, b}, Colors::BarFrame, nullptr);
    else
        t = b - 5; // an underline bar: the bottom five pixels, no frame

    const ColorScheme &scheme = Scheme(v.m_nColorScheme);
    const QColor D = scheme.dark, L = scheme.light;
    if (!v.m_bGradient) {
        s.FillRect({l + 1, t + 1, r - 1, b - 1}, D);
        return;
    }
    auto shade = [&](int i, double sr, double sg, double sb) {
        return QColor(int(unsigned(D.red() - i * sr)), int(unsigned(D.green() - i * sg)),
                      int(unsigned(D.blue() - i * sb)));
    };
    if (!v.m_bHorzGradient) {
        // Left to right: a solid part, then one column per colour step.
        const int w = r - l;
        const int solid = v.m_bThinBar ? w / 2 : (w / 4) * 3;
        s.FillRect({l + 1, t + 1, l + solid + 1, b - 1}, D);
        const int l2 = l + solid;
        const int W = r - l2;
        const double sr = double(D.red() - L.red()) / W;
        const double sg = double(D.green() - L.green()) / W;
        const double sb = double(D.blue() - L.blue()) / W;
        for (int x = l2 + 1; x <= r - 2; ++x)
            s.Line(x, t + 1, x, b - 1, shade(x - l2, sr, sg, sb));
        return;
    }
    // Top to bottom: the top third solid, then one row per colour step.
    const int h3 = (b - t) / 3;
    s.FillRect({l + 1, t + 1, r - 1, t + h3}, D);
    const int t2 = t + h3 - 1;
    const int H = b - t2;
    const double sr = double(D.red() - L.red()) / H;
    const double sg = double(D.green() - L.green()) / H;
    const double sb = double(D.blue() - L.blue()) / H;
    for (int y = t2 + 1; y <= b - 2; ++y)
        s.Line(l + 1, y, r - 1, y, shade(y - t2, sr, sg, sb));
}

FontRole HeadingFont(const ViewState &v)
{
    if (!v.m_bTitleBars || v.m_bThinBar)
        return FontRole::Bold;
    return FontRole::Normal;
}

QColor HeadingColor(const ViewState &v)
{
    if (!v.m_bTitleBars)
        return Colors::Text;
    return v.m_bThinBar ? Colors::Grey : Colors::White;
}

int DrawHeading(Surface &s, const ViewState &v, const Rect &client, int y, const QString &text)
{
    const FontRole oldFont = s.Font();
    const QColor oldColor = s.TextColor();
    s.SetFont(HeadingFont(v));
    const int h = s.TextExtent(text).height();
    DrawHeaderBar(s, v, RowRect(client, y, h));
    s.SetTextColor(HeadingColor(v));
    s.TextOut(8, y, text);
    s.SetTextColor(oldColor);
    s.SetFont(oldFont);
    return h;
}

void DrawRowBand(Surface &s, const ViewState &v, const Rect &rowRect)
{
    const QColor fill = Scheme(v.m_nColorScheme).row;
    s.Rectangle(rowRect, Colors::White, &fill);
}

QColor ReminderTextColor(const CAssignment &r, CTime paintTime, QColor inForce)
{
    if (r.m_timeDue < paintTime)
        return Colors::Grey;
    if (r.m_bHighPriority)
        return Colors::HighPriority;
    return inForce;
}

void DrawDoneMark(Surface &s, int y)
{
    s.DrawBitmap(4, y + 2, Res::DoneMark, true);
}
void DrawPriorityMark(Surface &s, int y)
{
    s.DrawBitmap(4, y + 2, Res::PriorityMark, true);
}

void DrawReminderMark(Surface &s, const CAssignment &r, int y)
{
    if (r.m_bDone)
        DrawDoneMark(s, y);
    else if (r.m_bHighPriority)
        DrawPriorityMark(s, y);
}

QString FitText(Surface &s, const QString &text, int width, bool bold)
{
    const FontRole old = s.Font();
    s.SetFont(bold ? FontRole::Bold : FontRole::Normal);
    QString result = text;
    if (s.TextExtent(text).width() > width) {
        QString kept = text;
        while (!kept.isEmpty()) {
            kept.chop(1);
            result = kept + QStringLiteral("...");
            if (s.TextExtent(result).width() <= width)
                break;
        }
    }
    s.SetFont(old);
    return result;
}

void DrawSelectionMarker(Surface &s, const ViewState &v, const Rect &client)
{
    if (v.m_nMarkerY == -1)
        return;
    const int y = v.m_nMarkerY;
    s.DrawBitmap(0, y, Res::MarkerRight, true);
    if (v.m_nViewType == ViewMode::ClassDetail)
        return;
    s.DrawBitmap(client.r - 4, y, Res::MarkerLeft, true);
    const int h = RowHeight(s);
    s.FocusRect({client.l + 2, y - 2, client.r - 2, y + h + 2});
}

void DrawPeekBox(Surface &s, const PeekBox &peek)
{
    static const QColor fill(204, 204, 255);
    s.Rectangle(peek.box, Colors::Text, &fill);
    s.SetFont(FontRole::Normal);
    s.SetTextColor(Colors::Text);
    s.TextOut(peek.textX, peek.textY, peek.text);
}

ScrollArrows ScrollArrowsFor(const ViewState &v, int firstDayWithReminder)
{
    switch (v.m_nViewType) {
    case ViewMode::Classes:
        return {v.m_nFirstClass > 0, v.m_bMoreClasses};
    case ViewMode::Grades:
        return {v.m_nFirstGradeClass > 0, v.m_bMoreGrades};
    case ViewMode::Day:
        if (v.m_nDayMode == 0)
            return {v.m_nFirstDayClass > 0, v.m_bMoreDayClasses};
        if (v.m_nDayMode == 1)
            return {v.m_nFirstDayReminder > 0, v.m_bMoreDayReminders};
        if (v.m_nDayMode == 2)
            return {v.m_nFirstPeriod > 0, v.m_bMorePeriods};
        return {};
    case ViewMode::Dates:
        if (!v.m_bHideNoDays)
            return {true, true};
        return {firstDayWithReminder != -1 && firstDayWithReminder != v.m_nDayOffset,
                v.m_bMoreDates};
    default:
        return {};
    }
}

Rect ScrollBoxRect(const Rect &client, ScrollArrows a)
{
    if (a.up && a.down)
        return {client.r - 17, 0, client.r, 25};
    if (a.up)
        return {client.r - 17, 0, client.r, 14};
    if (a.down)
        return {client.r - 17, 10, client.r, 25};
    return {};
}

void DrawScrollArrows(Surface &s, const Rect &client, ScrollArrows a)
{
    if (!a.up && !a.down)
        return;
    const QColor white = Colors::White;
    s.Rectangle(ScrollBoxRect(client, a), Colors::Text, &white);
    if (a.up)
        s.DrawBitmap(client.r - 15, 4, Res::ArrowUp, true);
    if (a.down)
        s.DrawBitmap(client.r - 15, 14, Res::ArrowDown, true);
}

std::array<Command, Grid::kSlotCount> CommandStrip(ViewMode mode, ViewMode prevViewType)
{
    using C = Command;
    std::array<C, Grid::kSlotCount> strip{};
    strip.fill(C::None);
    switch (mode) {
    case ViewMode::Classes:
        strip = {C::Exit, C::Menu, C::Edit, C::View, C::Add, C::Remove};
        break;
    case ViewMode::Dates:
        strip = {C::Exit, C::Menu, C::Edit, C::View, C::GoToDate, C::None};
        break;
    case ViewMode::Calendar:
        strip = {C::Exit, C::Menu, C::SelectMonth, C::None, C::None, C::None};
        break;
    case ViewMode::Grades:
        strip = {C::Exit, C::Menu, C::Edit, C::View, C::None, C::None};
        break;
    case ViewMode::Day:
        strip = {C::Exit, C::Menu, C::Edit, C::View, C::CycleDay, C::Back};
        break;
    case ViewMode::ClassDetail:
        strip = {C::Menu, C::Edit, C::View, C::Add, C::Remove, C::Back};
        break;
    case ViewMode::ReminderDetail:
        strip = {C::Menu, C::Edit, C::View, C::Done, C::Transfer, C::Back};
        break;
    case ViewMode::InstructorDetail:
        strip = {C::Exit, C::Menu, C::Edit, C::Transfer, C::Back, C::None};
        break;
    default:
        break;
    }
    // Back is there only when there is somewhere to go back to.
    if (prevViewType == ViewMode::None)
        for (C &c : strip)
            if (c == C::Back)
                c = C::None;
    return strip;
}

int CommandImage(Command c)
{
    switch (c) {
    case Command::Exit:
        return Res::Cross;
    case Command::Menu:
        return Res::LetterM;
    case Command::Edit:
        return Res::Pencil;
    case Command::View:
        return Res::Magnifier;
    case Command::Add:
        return Res::Plus;
    case Command::Remove:
        return Res::Minus;
    case Command::Done:
        return Res::RedTick;
    case Command::Transfer:
        return Res::Transfer;
    case Command::Back:
        return Res::Back;
    case Command::GoToDate:
        return Res::CalendarWindow;
    case Command::CycleDay:
        return Res::CircleArrows;
    case Command::SelectMonth:
        return Res::CalendarPage;
    case Command::None:
        break;
    }
    return 0;
}

Rect SlotRect(const Rect &client, int slot)
{
    const int x = Grid::kSlotLeft + Grid::kSlotPitch * slot;
    const int y = client.b - Grid::kStripFromBottom;
    return {x, y, x + Grid::kSlotSize, y + Grid::kSlotSize};
}

void DrawCommandStrip(Surface &s, const ViewState &v, const Rect &client)
{
    const auto strip = CommandStrip(v.m_nViewType, v.m_nPrevViewType);
    for (int i = 0; i < Grid::kSlotCount; ++i) {
        if (strip[i] == Command::None)
            continue;
        const Rect r = SlotRect(client, i);
        s.DrawBitmap(r.l, r.t, CommandImage(strip[i]), false);
    }
}

int BannerFor(ViewMode mode)
{
    switch (mode) {
    case ViewMode::Classes:
        return Res::BannerClasses;
    case ViewMode::Dates:
        return Res::BannerDates;
    case ViewMode::Calendar:
        return Res::BannerMonth;
    case ViewMode::Grades:
        return Res::BannerGrades;
    case ViewMode::Day:
        return Res::BannerDay;
    case ViewMode::ClassDetail:
        return Res::BannerClass;
    case ViewMode::ReminderDetail:
        return Res::BannerReminder;
    case ViewMode::InstructorDetail:
        return Res::BannerInstructor;
    default:
        return Res::BannerNoTitle;
    }
}
