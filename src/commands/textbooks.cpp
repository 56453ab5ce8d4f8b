#include "commands/textbooks.h"

QString TextbooksEditor::PriceText(double price)
{
    return QString::asprintf("%0.2f", price);
}

QStringList TextbooksEditor::Row(int i) const
{
    const CTextBook &b = m_books[i];
    return {b.m_strName, b.m_strAuthor, PriceText(b.m_dPrice)};
}

QString TextbooksEditor::Total() const
{
    double sum = 0.0;
    for (const CTextBook &b : m_books)
        sum += b.m_dPrice;
    return QString::asprintf("%.2f", sum);
}

bool TextbooksEditor::Remove(int row)
{
    if (row < 0 || row >= m_books.size())
        return false;
    m_books.removeAt(row);
    return true;
}

bool TextbooksEditor::Replace(int row, const CTextBook &b)
{
    if (row < 0 || row >= m_books.size())
        return false;
    m_books[row] = b;
    return true;
}

namespace PriceEntry {

bool KeyAccepted(const QString &text, int caret, QChar key)
{
    if (key.unicode() < 32)
        return true;
    const bool point = key == QLatin1Char('.');
    if (!point && !(key >= QLatin1Char('0') && key <= QLatin1Char('9')))
        return false;
    const int dot = int(text.indexOf(QLatin1Char('.')));
    if (point)
        // A point put in front of three digits would make three decimals.
        return dot < 0 && !(caret == 0 && !text.isEmpty()) && text.size() - caret <= 2;
    if (dot < 0)
        return true;
    const int decimals = int(text.size()) - dot - 1;
    if (caret > dot + 2)
        return false;
    return !(caret > dot && caret < text.size() && decimals >= 2);
}

bool Insert(QString &text, int &caret, const QString &typed)
{
    QString t = text;
    int c = caret;
    for (QChar ch : typed) {
        if (ch.unicode() < 32 || !KeyAccepted(t, c, ch))
            return false;
        t.insert(c++, ch);
    }
    text = t;
    caret = c;
    return true;
}

double Value(const QString &text)
{
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok ? d : 0.0;
}

} // namespace PriceEntry
