#pragma once
// The class detail's reminder list. It draws its own rows (alternate shading, grid lines, the
// done box, per-row text colour, cell texts cut with "...") and takes taps itself: a tap selects
// the row under it, and a tap on the box column asks the view to toggle that reminder.

#include <QColor>
#include <QTreeWidget>

class CClass;

class CListColorCtrl : public QTreeWidget {
    Q_OBJECT
public:
    // Item data: the text colour in Qt::UserRole (a QColor; invalid = window text; no value =
    // black), the box image (0 empty, 1 ticked) in ImageRole, both on column 0.
    enum { ImageRole = Qt::UserRole + 1 };
    // Taps left of this x (viewport pixels) are on the box column.
    static constexpr int kImageColumnWidth = 22;
    // Where the box image sits within a row, and its cells in Bitmap(Res::ListBoxes).
    static constexpr int kIconLeft = 2;
    static constexpr int kImageSize = 15;

    explicit CListColorCtrl(QWidget *parent = nullptr);

    void SetOddRowColor(const QColor &c);
    QColor OddRowColor() const { return m_clrRowAlt; }
    void SetGridColor(const QColor &c);
    void SetAltRows(bool on);
    void SetSysTextColor(bool on);

    // One row per reminder of the class, row n being reminder n; no row selected afterwards.
    void Fill(const CClass &c);
    void SetRowImage(int row, int image);
    int SelectedRow() const; // -1 when none

    // Owners may set these directly and repaint the viewport.
    QColor m_clrRowAlt{170, 240, 145};
    QColor m_clrGrid{0, 0, 150};
    bool m_bSysTextColor = false;
    bool m_bAltRows = true;

signals:
    // A tap on the box column of a row (the row is already selected).
    void toggleDoneRequested(int row);
    // Any tap on a row.
    void rowClicked();

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Tap(const QPoint &pt);
    void DrawCell(QPainter *painter, const QRect &cell, const QString &text, int margin, int inset,
                  Qt::Alignment align) const;
};
