#include "ui/editkit.h"

#include "commands/textbooks.h"
#include "ui/dialogs.h"
#include "view/drawing.h"
#include "view/images.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace {
Rect Client(const QRect &r)
{
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}
} // namespace

void PaintCommandBar(QPainter &p, const QRect &client, const QList<int> &icons)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    for (int i = 0; i < icons.size(); ++i) {
        const Rect r = SlotRect(Client(client), i);
        p.drawImage(QPoint(r.l, r.t), Bitmap(icons[i]));
    }
    p.restore();
}

int CommandBarSlotAt(const QRect &client, const QPoint &pt, int count)
{
    for (int i = 0; i < count; ++i)
        if (SlotRect(Client(client), i).contains(pt.x(), pt.y()))
            return i;
    return -1;
}

void NarrowButtons(QDialogButtonBox *box)
{
    for (QAbstractButton *b : box->buttons())
        b->setMaximumWidth(60);
}

Prompter &PrompterOr(Prompter *prompter)
{
    static RealDialogs real;
    return prompter ? *prompter : real;
}

CUpDownEdit::CUpDownEdit(QWidget *parent) : QSpinBox(parent)
{
    setRange(0, 999999);
    m_highest = 999999;
}

void CUpDownEdit::SetSpinRange(int lowest, int highest)
{
    m_lowest = lowest;
    m_highest = highest;
}

void CUpDownEdit::SetArrows(bool shown)
{
    setButtonSymbols(shown ? UpDownArrows : NoButtons);
}

void CUpDownEdit::stepBy(int steps)
{
    setValue(qBound(m_lowest, value() + steps, m_highest));
    selectAll();
}

QAbstractSpinBox::StepEnabled CUpDownEdit::stepEnabled() const
{
    StepEnabled e = StepNone;
    if (value() < m_highest)
        e |= StepUpEnabled;
    if (value() > m_lowest)
        e |= StepDownEnabled;
    return e;
}

CPriceEdit::CPriceEdit(QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
    setDragEnabled(false);
}

bool CPriceEdit::InsertFiltered(const QString &typed)
{
    QString t = text();
    int caret = cursorPosition();
    if (hasSelectedText()) {
        caret = selectionStart();
        t.remove(caret, selectedText().size());
    }
    if (!PriceEntry::Insert(t, caret, typed)) {
        QApplication::beep();
        return false;
    }
    setText(t);
    setCursorPosition(caret);
    return true;
}

void CPriceEdit::Paste()
{
    if (!isReadOnly() && isEnabled())
        InsertFiltered(QApplication::clipboard()->text());
}

void CPriceEdit::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    const QString typed = e->text();
    if (typed.size() == 1 && typed[0].isPrint() &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        InsertFiltered(typed);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void CPriceEdit::contextMenuEvent(QContextMenuEvent *e)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &CPriceEdit::Paste);
    }
    menu->exec(e->globalPos());
}
