// The Textbooks editor: price texts and total, the list edits, and the price key filter.

#include "commands/textbooks.h"

#include <gtest/gtest.h>

namespace {

CTextBook Book(const QString &name, double price)
{
    CTextBook b;
    b.SetName(name);
    b.SetPrice(price);
    return b;
}

TEST(TextbooksTest, pricesAndTotal)
{
    TextbooksEditor e({});
    EXPECT_EQ(e.Total(), "0.00");
    e.Add(Book("Algebra", 12.5));
    e.Add(Book("Poems", 7.25));
    EXPECT_EQ(e.Row(0), QStringList({"Algebra", "", "12.50"}));
    EXPECT_EQ(e.Row(1)[2], "7.25");
    EXPECT_EQ(e.Total(), "19.75");

    EXPECT_FALSE(e.Replace(2, Book("X", 1)));
    EXPECT_FALSE(e.Remove(-1));
    EXPECT_TRUE(e.Replace(1, Book("Songs", 0.005)));
    EXPECT_EQ(e.Row(1), QStringList({"Songs", "", "0.01"}));
    EXPECT_TRUE(e.Remove(0));
    EXPECT_EQ(e.Books(), CTextBookArray({Book("Songs", 0.005)}));
    EXPECT_EQ(e.Total(), "0.01");
}

TEST(TextbooksTest, priceKey_onePointNotFirstTwoDecimals)
{
    struct Case {
        const char *text;
        int caret;
        char key;
        bool taken;
    };
    const Case cases[] = {
        {"", 0, '5', true},      {"12", 2, '.', true},    {"", 0, '.', true},
        {"12", 0, '.', false},   {"1.2", 3, '.', false},  {"12", 2, 'a', false},
        {"12", 2, '-', false},   {"12", 2, ' ', false},   {"12", 2, '\b', true},
        {"1.25", 4, '3', false}, {"1.25", 4, '\b', true}, {"1.2", 3, '5', true},
        {"1.25", 2, '3', false}, {"1.2", 2, '3', true},   {"1.25", 1, '3', true},
        {"1.25", 0, '3', true},  {"125", 1, '.', true},   {"1255", 1, '.', false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.caret << " key " << c.key);
        EXPECT_EQ(PriceEntry::KeyAccepted(QString::fromLatin1(c.text), c.caret, QChar(c.key)),
                  c.taken);
    }
}

TEST(TextbooksTest, pastedPrice_throughTheSameRuleOrNotAtAll)
{
    struct Case {
        const char *before;
        int caret;
        const char *pasted;
        const char *after;
        int caretAfter;
    };
    const Case cases[] = {
        {"", 0, "12.50", "12.50", 5}, {"1", 1, "9.99", "19.99", 5}, {"55", 0, "12.5", "55", 0},
        {"", 0, "1.234", "", 0},      {"", 0, "1\n", "", 0},        {"1.", 2, "x", "1.", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pasted);
        QString text = QString::fromLatin1(c.before);
        int caret = c.caret;
        EXPECT_EQ(PriceEntry::Insert(text, caret, QString::fromLatin1(c.pasted)),
                  QString::fromLatin1(c.after) != QString::fromLatin1(c.before));
        EXPECT_EQ(text, QString::fromLatin1(c.after));
        EXPECT_EQ(caret, c.caretAfter);
    }
    EXPECT_EQ(PriceEntry::Value("12.5"), 12.5);
    EXPECT_EQ(PriceEntry::Value(".5"), 0.5);
    EXPECT_EQ(PriceEntry::Value("."), 0.0);
    EXPECT_EQ(PriceEntry::Value(""), 0.0);
    EXPECT_TRUE(TextSetup::CanClose("Algebra"));
    EXPECT_FALSE(TextSetup::CanClose(""));
}

} // namespace
