#pragma once
// The view's fonts by role. Pixel sizes are chosen so the cell heights are 11 (normal, bold, link)
// and 17 (large), whatever face is installed: "Tahoma" when there, else a close sans-serif. The
// calendar's serif (Times-like) is 12 high.

#include "view/surface.h"

#include <QFont>

class FontSet {
public:
    explicit FontSet(bool clearType = true) { Create(clearType); }
    // Creates the fonts again (ClearType switched).
    void Create(bool clearType);
    const QFont &Get(FontRole role) const;
    bool clearType() const { return m_clearType; }

private:
    QFont m_normal, m_bold, m_large, m_link, m_serif;
    bool m_clearType = true;
};
