#pragma once
// What every text view shares: the row grid, heading bars, row bands, reminder colours and marks,
// text cutting, the selection marker, the scroll arrow box and the command strip.

#include "view/surface.h"
#include "view/viewstate.h"

#include <QColor>
#include <QString>

#include <array>

class CAssignment;

// Geometry of the grid.
namespace Grid {
inline constexpr int kFirstRowTop = 30;
inline constexpr int kRowGap = 5;           // rows follow every H + 5 pixels
inline constexpr int kStripFromBottom = 25; // command strip buttons' top is bottom - 25
inline constexpr int kSlotPitch = 25;
inline constexpr int kSlotLeft = 8;
inline constexpr int kSlotSize = 20;
inline constexpr int kSlotCount = 6;
} // namespace Grid

// The height H of a row: "XX" measured in the bold font.
int RowHeight(Surface &s);
// The rectangle of a row whose text starts at y.
Rect RowRect(const Rect &client, int y, int h);

// The title bar behind a heading (nothing when title bars are off).
void DrawHeaderBar(Surface &s, const ViewState &v, const Rect &r);
// Font and colour of heading text for the current bar style.
FontRole HeadingFont(const ViewState &v);
QColor HeadingColor(const ViewState &v);
// A heading at (8, y) on its bar; returns its height.
int DrawHeading(Surface &s, const ViewState &v, const Rect &client, int y, const QString &text);

// The shaded band behind every second row.
void DrawRowBand(Surface &s, const ViewState &v, const Rect &rowRect);

// Reminder rows: grey once due, dark red when high priority; marks after the texts.
QColor ReminderTextColor(const CAssignment &r, CTime paintTime, QColor inForce);
void DrawReminderMark(Surface &s, const CAssignment &r, int y);
void DrawDoneMark(Surface &s, int y);
void DrawPriorityMark(Surface &s, int y);

// The text cut with "..." until it fits width pixels in the bold or normal font.
QString FitText(Surface &s, const QString &text, int width, bool bold);

void DrawSelectionMarker(Surface &s, const ViewState &v, const Rect &client);

// The class detail's day-letter peek: the periods of one day in a box, shown while the stylus
// stays on the letter and drawn over the view until the next repaint.
struct PeekBox {
    Rect box;
    int textX = 0, textY = 0;
    QString text;
};
void DrawPeekBox(Surface &s, const PeekBox &peek);

// Which scroll arrows the current mode shows. firstDayWithReminder: the Dates view's first day
// offset (0-29) with a reminder, -1 when none (only used with hide-days on).
struct ScrollArrows {
    bool up = false;
    bool down = false;
};
ScrollArrows ScrollArrowsFor(const ViewState &v, int firstDayWithReminder);
// The arrow box rectangle for the arrows shown (empty when none).
Rect ScrollBoxRect(const Rect &client, ScrollArrows a);
void DrawScrollArrows(Surface &s, const Rect &client, ScrollArrows a);

// The command strip: the command in each of the six slots of a mode, shared by the drawing and
// the taps.
enum class Command {
    None,
    Exit,
    Menu,
    Edit,
    View,
    Add,
    Remove,
    Done,
    Transfer,
    Back,
    GoToDate,
    CycleDay,
    SelectMonth
};
std::array<Command, Grid::kSlotCount> CommandStrip(ViewMode mode, ViewMode prevViewType);
int CommandImage(Command c); // resource number of its button
Rect SlotRect(const Rect &client, int slot);
void DrawCommandStrip(Surface &s, const ViewState &v, const Rect &client);

// The banner of each mode.
int BannerFor(ViewMode mode);
