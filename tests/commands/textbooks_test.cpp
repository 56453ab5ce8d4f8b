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

TEST(TextbooksTest, rowsTotalAndEdits_outOfRangeRowsRefused)
{
    TextbooksEditor e({Book("Algebra", 12.5), Book("Poems", 7.25)});
    EXPECT_EQ(e.Row(0), QStringList({"Algebra", "", "12.50"}));
    EXPECT_EQ(e.Total(), "19.75");
    EXPECT_FALSE(e.Replace(2, Book("X", 1)));
    EXPECT_FALSE(e.Remove(-1));
    EXPECT_TRUE(e.Replace(1, Book("Songs", 0.005)));
    EXPECT_TRUE(e.Remove(0));
    EXPECT_FALSE(e.Remove(1));
    EXPECT_EQ(e.Books(), CTextBookArray({Book("Songs", 0.005)}));
    EXPECT_EQ(e.Row(0)[2], "0.01");
    EXPECT_EQ(TextbooksEditor({}).Total(), "0.00");
    EXPECT_TRUE(TextSetup::CanClose("Algebra"));
    EXPECT_FALSE(TextSetup::CanClose(""));
}

// Digits and one point, never first before digits, at most two decimals; control keys pass.
TEST(TextbooksTest, priceKey_onePointNotFirstTwoDecimals)
{
    const struct {
        const char *text;
        int caret;
        char key;
        bool taken;
    } cases[] = {
        {"", 0, '0', true},      {"1", 1, '9', true},     {"12", 2, '.', true},
        {"", 0, '.', true},      {"12", 0, '.', false},   {"1.2", 3, '.', false},
        {"12", 2, 'a', false},   {"12", 2, '/', false},   {"12", 2, ':', false},
        {"12", 2, ' ', false},   {"12", 2, '\b', true},   {"1.25", 4, '3', false},
        {"1.25", 4, '\b', true}, {"1.2", 3, '5', true},   {"1.25", 2, '3', false},
        {"1.2", 2, '3', true},   {"1.25", 1, '3', true},  {"1.25", 0, '3', true},
        {"125", 1, '.', true},   {"1255", 1, '.', false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.caret << " key " << c.key);
        EXPECT_EQ(PriceEntry::KeyAccepted(QString::fromLatin1(c.text), c.caret, QChar(c.key)),
                  c.taken);
    }
}

// A paste goes through the same rule, all of it or nothing.
TEST(TextbooksTest, pastedPrice_throughTheSameRuleOrNotAtAll)
{
    const struct {
        const char *before;
        int caret;
        const char *pasted, *after;
        int caretAfter;
    } cases[] = {
        {"", 0, "12.50", "12.50", 5}, {"1", 1, "9.99", "19.99", 5}, {"55", 0, "12.5", "55", 0},
        {"", 0, "1.234", "", 0},      {"", 0, "1\n", "", 0},        {"1.", 2, "x", "1.", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pasted);
        QString text = QString::fromLatin1(c.before);
        int caret = c.caret;
        EXPECT_EQ(PriceEntry::Insert(text, caret, QString::fromLatin1(c.pasted)),
                  QString::fromLatin1(c.after) != QString::fromLatin1(c.before));
        EXPECT_EQ(text, QString::fromLatin1(c.after));
        EXPECT_EQ(caret, c.caretAfter);
    }
    for (const auto &[text, value] : {std::pair("12.5", 12.5), {".5", 0.5}, {".", 0.0}, {"", 0.0}})
        EXPECT_EQ(PriceEntry::Value(text), value) << text;
}

} // namespace
