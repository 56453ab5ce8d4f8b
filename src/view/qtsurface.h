#pragma once
// Paints on a QImage with QPainter: the view's off-screen bitmap.

#include "view/fonts.h"
#include "view/surface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <optional>

class QtSurface : public Surface {
public:
    QtSurface(QImage &image, const FontSet &fonts);
    ~QtSurface() override;

    void SetFont(FontRole role) override;
    FontRole Font() const override { return m_font; }
    QSize TextExtent(const QString &text) override;
    void SetTextColor(QColor c) override { m_textColor = c; }
    QColor TextColor() const override { return m_textColor; }
    void TextOut(int x, int y, const QString &text) override;
    void FillRect(const Rect &r, QColor c) override;
    void Rectangle(const Rect &r, QColor pen, const QColor *brush) override;
    void Line(int x1, int y1, int x2, int y2, QColor c) override;
    void DrawBitmap(int x, int y, int resourceId, bool whiteTransparent, int srcW = -1,
                    int srcH = -1) override;
    void FocusRect(const Rect &r) override;
    void DrawTextWrapped(const Rect &r, const QString &text) override;

private:
    QImage &m_image;
    const FontSet &m_fonts;
    QPainter m_painter;
    FontRole m_font = FontRole::Normal;
    QColor m_textColor = Qt::black;
    std::optional<QFontMetrics> m_metrics;
};
