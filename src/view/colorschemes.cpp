#include "view/colorschemes.h"

const ColorScheme &Scheme(int index)
{
    static const ColorScheme kSchemes[kColorSchemeCount] = {
        {"Green", QColor(51, 153, 102), QColor(155, 210, 130), QColor(215, 230, 175),
         QColor(175, 220, 232)},
        {"Blue", QColor(0, 0, 110), QColor(175, 220, 232), QColor(215, 230, 175),
         QColor(155, 210, 130)},
        {"Red", QColor(130, 0, 0), QColor(255, 175, 170), QColor(255, 220, 220),
         QColor(155, 210, 130)},
        {"Purple", QColor(115, 78, 140), QColor(200, 188, 225), QColor(200, 198, 235),
         QColor(155, 210, 130)},
        {"Black", QColor(0, 0, 0), QColor(175, 190, 190), QColor(200, 215, 215),
         QColor(155, 210, 130)},
    };
    if (index < 0 || index >= kColorSchemeCount)
        index = 0;
    return kSchemes[index];
}
