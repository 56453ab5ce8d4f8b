#pragma once
// The Textbooks editor's rules: the books with their price texts and total, Add, Remove, Edit, and
// the price edit's key filter.

#include "model/class.h"

#include <QStringList>

class TextbooksEditor {
public:
    explicit TextbooksEditor(const CTextBookArray &books) : m_books(books) {}

    const CTextBookArray &Books() const { return m_books; }
    // A list line: name, author, price.
    QStringList Row(int i) const;
    QString Total() const;

    void Add(const CTextBook &b) { m_books.append(b); }
    // Without a valid row these do nothing and say false.
    bool Remove(int row);
    bool Replace(int row, const CTextBook &b);

    static QString PriceText(double price);

private:
    CTextBookArray m_books;
};

namespace PriceEntry {
// Whether a key typed at `caret` into the price text is taken: control keys, digits and one ".",
// not in first place once there is text, with at most two decimals.
bool KeyAccepted(const QString &text, int caret, QChar key);
// Types `typed` at `caret` key by key through the same rule; on the first refused key the text
// and caret stay as they were and the answer is false. Control characters are refused here.
bool Insert(QString &text, int &caret, const QString &typed);
// The price a text stands for ("." and an empty text are 0).
double Value(const QString &text);
} // namespace PriceEntry

namespace TextSetup {
// OK closes only with a name.
inline bool CanClose(const QString &name)
{
    return !name.isEmpty();
}
} // namespace TextSetup
