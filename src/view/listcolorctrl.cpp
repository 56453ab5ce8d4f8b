#include "view/listcolorctrl.h"

#include <QHeaderView>

CListColorCtrl::CListColorCtrl(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({tr("Reminder"), tr("Date")});
    header()->resizeSection(0, 90);
    header()->resizeSection(1, 117);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    setUniformRowHeights(true);
}

void CListColorCtrl::SetOddRowColor(const QColor &c)
{
    m_oddRowColor = c;
    QPalette p = palette();
    p.setColor(QPalette::AlternateBase, c);
    setPalette(p);
    viewport()->update();
}
