#pragma once
// A surface that records what is drawn, with fixed font metrics, so tests can assert exact
// positions, texts, fonts and colours without a display.

#include "view/surface.h"

#include <algorithm>
#include <string>
#include <vector>

class RecordingSurface : public Surface {
public:
    enum class Kind { Text, Fill, Rectangle, Line, Bitmap, Focus, Wrapped };
    struct Op {
        Kind kind;
        Rect rect;    // Text: (x, y, x + width, y + height); Line: (x1, y1, x2, y2)
        QString text; // Text
        FontRole font = FontRole::Normal;
        QColor color;       // text colour, fill colour, pen colour
        QColor brush;       // Rectangle fill (invalid when none)
        int resourceId = 0; // Bitmap
        bool transparent = false;
    };

    // Fixed metrics: every character of a font is the same width.
    static int CharWidth(FontRole f);
    static int CellHeight(FontRole f);

    void SetFont(FontRole role) override { m_font = role; }
    FontRole Font() const override { return m_font; }
    QSize TextExtent(const QString &text) override;
    void SetTextColor(QColor c) override { m_color = c; }
    QColor TextColor() const override { return m_color; }
    void TextOut(int x, int y, const QString &text) override;
    void FillRect(const Rect &r, QColor c) override;
    void Rectangle(const Rect &r, QColor pen, const QColor *brush) override;
    void Line(int x1, int y1, int x2, int y2, QColor c) override;
    void DrawBitmap(int x, int y, int resourceId, bool whiteTransparent, int srcW = -1,
                    int srcH = -1) override;
    void FocusRect(const Rect &r) override;
    void DrawTextWrapped(const Rect &r, const QString &text) override;

    // Every op on a line of its own, in drawing order: kind, rectangle, text, font, colour, brush,
    // image, whether keyed; e.g. `T 18,46,33,57 "Lab" link #000000 - #0 keyed`.
    QString Dump() const;

    std::vector<Op> ops;

private:
    void Add(Kind kind, const Rect &r, QColor color, const QString &text = {}, QColor brush = {},
             int resourceId = 0, bool transparent = false);
    FontRole m_font = FontRole::Normal;
    QColor m_color = Qt::black;
};

// The first 16 hex digits of the SHA-1 of a scene's dump: what a scene table stores.
std::string Digest(const QString &dump);
