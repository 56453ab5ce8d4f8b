#pragma once
// What the editing dialogs share: the painted command bar of icons at their bottom, message boxes
// that tests can answer, and the number and price edits.

#include <QLineEdit>
#include <QList>
#include <QSpinBox>

class Prompter;
class QDialogButtonBox;
class QPainter;
class QRect;
class QPoint;

// The icons (resource numbers) in slots from the left, AND-combined onto the background.
void PaintCommandBar(QPainter &p, const QRect &client, const QList<int> &icons);
// The slot under a point among the first `count`, -1 for none.
int CommandBarSlotAt(const QRect &client, const QPoint &pt, int count);

// OK and Cancel narrow enough to share the bottom row with the command bar.
void NarrowButtons(QDialogButtonBox *box);

// The given prompter, or real message boxes.
Prompter &PrompterOr(Prompter *prompter);

// A whole number typed freely (digits only, checked on OK) whose arrows stay within their own
// range.
class CUpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit CUpDownEdit(QWidget *parent = nullptr);
    void SetSpinRange(int lowest, int highest);
    // Without arrows it is a plain number edit.
    void SetArrows(bool shown);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_lowest = 0;
    int m_highest = 0;
};

// A price: keys and pasted text pass the price filter; a refused key only beeps.
class CPriceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CPriceEdit(QWidget *parent = nullptr);
    // Types text at the caret through the filter (what Paste does with the clipboard).
    bool InsertFiltered(const QString &text);
    void Paste();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
};
