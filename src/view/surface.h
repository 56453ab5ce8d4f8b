#pragma once
// The drawing surface the views paint on: what they need of a device context and nothing more.
// QtSurface paints into a QImage; RecordingSurface (tests) records every call with fixed metrics.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// A rectangle as the views think of it: right and bottom edges excluded.
struct Rect {
    int l = 0, t = 0, r = 0, b = 0;
    int width() const { return r - l; }
    int height() const { return b - t; }
    bool contains(int x, int y) const { return x >= l && x < r && y >= t && y < b; }
    friend bool operator==(const Rect &a, const Rect &b)
    {
        return a.l == b.l && a.t == b.t && a.r == b.r && a.b == b.b;
    }
};

enum class FontRole { Normal, Bold, Large, Link, Serif };

class Surface {
public:
    virtual ~Surface() = default;

    virtual void SetFont(FontRole role) = 0;
    virtual FontRole Font() const = 0;
    // Width and cell height of a text in the current font.
    virtual QSize TextExtent(const QString &text) = 0;
    virtual void SetTextColor(QColor c) = 0;
    virtual QColor TextColor() const = 0;
    // Text with its top-left corner at (x, y), transparent background.
    virtual void TextOut(int x, int y, const QString &text) = 0;

    virtual void FillRect(const Rect &r, QColor c) = 0;
    // A one-pixel frame inside r in pen, and the inside filled with brush when given.
    virtual void Rectangle(const Rect &r, QColor pen, const QColor *brush) = 0;
    // From a to b, the end point not drawn.
    virtual void Line(int x1, int y1, int x2, int y2, QColor c) = 0;
    // The image of a resource number at (x, y); with whiteTransparent its white pixels leave the
    // surface as it was. srcW/srcH copy only the top-left part of the image (-1: all of it).
    virtual void DrawBitmap(int x, int y, int resourceId, bool whiteTransparent, int srcW = -1,
                            int srcH = -1) = 0;
    // The dotted focus frame.
    virtual void FocusRect(const Rect &r) = 0;
    // Text in the current font and colour, wrapped at word boundaries inside r and clipped to it.
    virtual void DrawTextWrapped(const Rect &r, const QString &text) = 0;
};
