#include "ui/listcolorctrl.h"

#include "model/class.h"
#include "view/images.h"
#include "view/listfill.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Rows are as high as the font, but never lower than the box image with a pixel above it and
// the grid line below it.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        const int h = std::max(option.fontMetrics.height(), CListColorCtrl::kImageSize) + 2;
        return {option.rect.width(), h};
    }
};

// The two box cells with their magenta pixels made transparent.
const QPixmap &BoxImages()
{
    static const QPixmap pixmap = [] {
        QImage img = Bitmap(Res::ListBoxes).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((line[x] & 0xFFFFFF) == 0xFF00FF)
                    line[x] = 0;
        }
        return QPixmap::fromImage(img);
    }();
    return pixmap;
}

} // namespace

CListColorCtrl::CListColorCtrl(QWidget *parent) : QTreeWidget(parent)
{
    setItemDelegate(new RowHeightDelegate(this));
    setColumnCount(2);
    setHeaderLabels({tr("Reminder"), tr("Date")});
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->resizeSection(0, 90);
    header()->resizeSection(1, 117);
    setRootIsDecorated(false);
    setIndentation(0);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false); // the rows shade themselves
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void CListColorCtrl::SetOddRowColor(const QColor &c)
{
    m_clrRowAlt = c;
    viewport()->update();
}

void CListColorCtrl::SetGridColor(const QColor &c)
{
    m_clrGrid = c;
    viewport()->update();
}

void CListColorCtrl::SetAltRows(bool on)
{
    m_bAltRows = on;
    viewport()->update();
}

void CListColorCtrl::SetSysTextColor(bool on)
{
    m_bSysTextColor = on;
    viewport()->update();
}

void CListColorCtrl::Fill(const CClass &c)
{
    clear();
    QList<QTreeWidgetItem *> items;
    for (const ListRow &row : ReminderListRows(c)) {
        auto *item = new QTreeWidgetItem({row.name, row.date});
        item->setData(0, Qt::UserRole, row.textColor);
        item->setData(0, ImageRole, row.image);
        items.append(item);
    }
    addTopLevelItems(items);
}

void CListColorCtrl::SetRowImage(int row, int image)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setData(0, ImageRole, image);
}

int CListColorCtrl::SelectedRow() const
{
    const QList<QTreeWidgetItem *> sel = selectedItems();
    return sel.isEmpty() ? -1 : indexOfTopLevelItem(sel.first());
}

void CListColorCtrl::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const int n = index.row();
    // The row in edge coordinates: [left, right) x [top, bottom).
    const int left = header()->sectionViewportPosition(0);
    const int right = left + header()->length();
    const int top = option.rect.top();
    const int bottom = top + option.rect.height();

    const QPalette &pal = palette();
    QColor back, text;
    if (selectionModel() && selectionModel()->isSelected(index)) {
        back = pal.color(QPalette::Active, QPalette::Highlight);
        text = pal.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        const QVariant value = index.data(Qt::UserRole);
        const QColor itemColor = value.isValid() ? value.value<QColor>() : QColor(Qt::black);
        text = (m_bSysTextColor || !itemColor.isValid())
                   ? pal.color(QPalette::Active, QPalette::Text)
                   : itemColor;
        back = (m_bAltRows && (n & 1)) ? m_clrRowAlt : pal.color(QPalette::Active, QPalette::Base);
    }

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(QRect(left, top + 1, right - left, bottom - top - 1), back);

    // The grid: under the row (the first pixel row of the next one) and right of it.
    painter->setPen(QPen(m_clrGrid, 0));
    painter->drawLine(left, bottom, right - 1, bottom);
    painter->drawLine(right, top + 1, right, bottom - 1);
    // The line the row above drew on our top pixel is lost when this row is repainted alone.
    if (n > 0)
        painter->drawLine(left, top, right - 1, top);

    const QPixmap &boxes = BoxImages();
    const int image = index.data(ImageRole).toInt();
    const int iconLeft = left + kIconLeft;
    if (image >= 0 && (image + 1) * kImageSize <= boxes.width()) {
        const int d = kImageSize < 10 ? 3 : 0;
        painter->drawPixmap(iconLeft, top + d + 1, boxes, image * kImageSize, 0, kImageSize,
                            kImageSize);
    }

    painter->setFont(font());
    painter->setPen(text);
    const int viewWidth = viewport()->width();

    // Column 0: the label, right of the image.
    const int col0Right = left + header()->sectionSize(0);
    const int labelLeft = iconLeft + kImageSize + 2;
    if (labelLeft < col0Right)
        DrawCell(painter, QRect(labelLeft, top, col0Right - labelLeft, bottom - top),
                 index.data(Qt::DisplayRole).toString(), 4, 2, Qt::AlignLeft);

    // The other columns, each from the right edge of the one before.
    int x = col0Right;
    for (int c = 1; c < columnCount(); ++c) {
        const int width = header()->isSectionHidden(c) ? 0 : header()->sectionSize(c);
        const int colLeft = x;
        x += width;
        if (width <= 0 || colLeft >= viewWidth || x <= 0)
            continue;
        const QString cellText = index.sibling(n, c).data(Qt::DisplayRole).toString();
        if (cellText.isEmpty())
            continue;
        const Qt::Alignment align =
            Qt::Alignment(headerItem()->textAlignment(c)) & Qt::AlignHorizontal_Mask;
        DrawCell(painter, QRect(colLeft, top, width, bottom - top), cellText, 12, 6, align);
    }
    painter->restore();
}

void CListColorCtrl::DrawCell(QPainter *painter, const QRect &cell, const QString &text, int margin,
                              int inset, Qt::Alignment align) const
{
    const QFontMetrics fm(font());
    const QString shown = FitCellText(text, cell.width(), margin,
                                      [&fm](const QString &s) { return fm.horizontalAdvance(s); });
    // A cut text keeps its start in view, whatever the column's alignment.
    Qt::Alignment h = Qt::AlignLeft;
    if (shown == text) {
        if (align & Qt::AlignRight)
            h = Qt::AlignRight;
        else if (align & Qt::AlignHCenter)
            h = Qt::AlignHCenter;
    }
    painter->drawText(cell.adjusted(inset, 0, -inset, 0),
                      int(h | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

void CListColorCtrl::Tap(const QPoint &pt)
{
    // Only the row under the point; taps below the last row change nothing.
    const QModelIndex index = indexAt(pt);
    if (!index.isValid())
        return;
    const int row = index.row();
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    if (pt.x() >= 0 && pt.x() < kImageColumnWidth)
        emit toggleDoneRequested(row);
    emit rowClicked();
}

// The list's own press handling (drag selection, editing, focus) is replaced by Tap. A second
// tap that arrives as a double click is a tap like the first.
void CListColorCtrl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        Tap(event->position().toPoint());
}

void CListColorCtrl::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void CListColorCtrl::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void CListColorCtrl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
