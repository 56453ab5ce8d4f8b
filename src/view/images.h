#pragma once
// The program's images by resource number, drawn by us and compiled in (resources/images).

#include <QIcon>
#include <QImage>

// The image of a resource number at its own size; a null image for an unknown number.
const QImage &Bitmap(int resourceId);
// The program icon (also the student file's icon).
QIcon ProgramIcon();

// Resource numbers of the main view's images.
namespace Res {
enum : int {
    CalendarPage = 196,
    Pencil = 143,
    Cross = 141,
    Plus = 142,
    Minus = 158,
    Magnifier = 140,
    LetterM = 144,
    RedTick = 146,
    Back = 151,
    Transfer = 147,
    CalendarWindow = 162,
    MarkerRight = 145,
    MarkerLeft = 176,
    CircleArrows = 171,
    DoneMark = 177,
    PriorityMark = 182,
    CalMark185 = 185,
    CalClock = 186,
    CalMark184 = 184,
    ArrowUp = 179,
    ArrowDown = 178,
    // 240 x 25 banners
    BannerReminder = 135,
    BannerClass = 136,
    BannerInstructor = 148,
    BannerGrades = 172,
    BannerDay = 173,
    BannerClasses = 174,
    BannerDates = 175,
    BannerMonth = 180,
    BannerBooks = 181,
    BannerNoTitle = 188,
    BannerWelcome = 189,
    ListBoxes = 197, // two 15 x 15 cells: empty box, ticked box
    FileIcon = 190,
    // 14 x 13 marks of the reminder detail (only the left 12 columns are shown)
    DetailDoneMark = 139,
    DetailPriorityMark = 183,
    // 18 x 12 calendar month arrows: previous month in the left half, next in the right
    MonthArrows = 187,
    // 20 x 20 buttons of the class dialog
    ClassTextbooks = 152,
    ClassGradeList = 153,
    ClassTimes = 154,
    ClassGradeListOff = 155,
};
}
