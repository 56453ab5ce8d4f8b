#pragma once
// The class detail's reminder list: two columns, every second row in the scheme's row colour.

#include <QColor>
#include <QTreeWidget>

class CListColorCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CListColorCtrl(QWidget *parent = nullptr);
    void SetOddRowColor(const QColor &c);
    QColor OddRowColor() const { return m_oddRowColor; }

private:
    QColor m_oddRowColor;
};
