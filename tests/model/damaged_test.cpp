// Damaged and hostile student files: truncation at every length, huge and negative counts. Reading
// must end in an ArchiveError (never a crash or a huge allocation) and keep what was whole. Times
// out of range are no damage: they read.

#include "model/archive.h"
#include "model/student.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
// A student file with one new class named Math. Offsets inside the class: text book count at 92,
// reminder count 96, meeting time count 100, chart row count 104; the class starts at byte 8.
QByteArray MathFile()
{
    CStudent s;
    s.m_classes.append(CClass());
    s.m_classes[0].SetName("Math");
    return Bytes(s);
}
constexpr int kClassStart = 8;

ArchiveError ReadError(const QByteArray &bytes, CStudent *out = nullptr)
{
    CStudent s;
    CArchive ar(bytes);
    try {
        s.Serialize(ar);
    } catch (const ArchiveError &e) {
        if (out)
            *out = s;
        return e;
    }
    ADD_FAILURE() << "read without error";
    return ArchiveError("", -1, "");
}
} // namespace

TEST(StudentFile, realisticTerm_roundTripsExactly_andTruncationAtEveryByteKeepsWholeClasses)
{
    CStudent term = MakeTerm(4, 6, 3);
    term.m_strName = QString::fromUtf8("Zoë");
    const QByteArray bytes = Bytes(term);
    qsizetype used = 0;
    const CStudent read = Read<CStudent>(bytes, &used);
    EXPECT_EQ(used, bytes.size());
    EXPECT_EQ(read, term);
    EXPECT_EQ(Bytes(read), bytes);

    const qsizetype header = Str(term.m_strName).size() + 4;
    QList<qsizetype> classEnds;
    qsizetype at = header;
    for (const CClass &c : term.m_classes)
        classEnds.append(at += Bytes(c).size());
    ASSERT_EQ(classEnds.last(), bytes.size());
    for (qsizetype len = 0; len < bytes.size(); ++len) {
        CStudent kept;
        const ArchiveError e = ReadError(bytes.left(len), &kept);
        ASSERT_FALSE(e.field().empty()) << "length " << len;
        ASSERT_LE(e.offset(), len);
        const qsizetype whole = len < header
                                    ? 0
                                    : std::count_if(classEnds.begin(), classEnds.end(),
                                                    [&](qsizetype end) { return end <= len; });
        ASSERT_EQ(kept.m_classes, term.m_classes.mid(0, whole)) << "length " << len;
    }
}

TEST(StudentFile, hugeCounts_failAtTheCountNamingIt)
{
    struct {
        int offset;
        const char *field;
    } const cases[] = {
        {kClassStart + 92, "textbook count"},
        {kClassStart + 96, "reminder count"},
        {kClassStart + 100, "meeting time count"},
        {kClassStart + 104, "grade chart row count"},
    };
    for (const auto &c : cases)
        for (int32_t count : {0x7FFFFFFF, 1 << 20}) {
            SCOPED_TRACE(c.field);
            QByteArray bytes = MathFile();
            bytes.replace(c.offset, 4, I32(count));
            const ArchiveError e = ReadError(bytes);
            EXPECT_EQ(e.field(), c.field);
            EXPECT_EQ(e.offset(), c.offset);
        }

    // A class count beyond the bytes keeps the classes that are there and fails at the end.
    QByteArray bytes = MathFile();
    bytes.replace(4, 4, I32(0x7FFFFFFF));
    CStudent kept;
    const ArchiveError e = ReadError(bytes, &kept);
    EXPECT_EQ(e.field(), "class name");
    EXPECT_EQ(e.offset(), bytes.size());
    EXPECT_EQ(kept.m_classes, Read<CStudent>(MathFile()).m_classes);
}

TEST(StudentFile, negativeCounts_readNoElement)
{
    EXPECT_TRUE(Read<CStudent>(FromHex("FF FE FF 00 FF FF FF FF")).m_classes.isEmpty());
    const CStudent math = Read<CStudent>(MathFile());
    for (int offset : {92, 96, 100, 104}) {
        SCOPED_TRACE(offset);
        QByteArray bytes = MathFile();
        bytes.replace(kClassStart + offset, 4, I32(offset == 96 ? INT32_MIN : -3));
        if (offset == 104)
            bytes.remove(kClassStart + 108, 88); // the four rows the count no longer claims
        qsizetype used = 0;
        const CStudent read = Read<CStudent>(bytes, &used);
        EXPECT_EQ(used, bytes.size());
        CClass expected = math.m_classes[0];
        if (offset == 104)
            expected.m_gradeChart.clear();
        EXPECT_EQ(read.m_classes, CClassArray{expected});
    }
}

TEST(StudentFile, timeFieldsOutOfRange_carryIntoTheNextField_withinTheYearsAFileHolds)
{
    // Eight Words: year, month, day of week, day, hour, minute, second, milliseconds.
    const auto words = [](std::initializer_list<int> values) {
        return Written([&](CArchive &ar) {
            for (int v : values)
                ar.WriteWord(uint16_t(v));
        });
    };
    const CTime first = CTime::FromLocal(0, 1, 1, 0, 0, 0);
    const CTime last = CTime::FromLocal(65535, 12, 31, 23, 59, 59);
    const struct {
        QByteArray bytes;
        CTime read;
    } cases[] = {
        {words({2003, 7, 3, 9, 24, 40, 0, 0}), CTime::FromLocal(2003, 7, 10, 0, 40, 0)},
        {words({2003, 13, 3, 9, 21, 40, 0, 0}), CTime::FromLocal(2004, 1, 9, 21, 40, 0)},
        {words({2003, 7, 3, 0, 21, 40, 0, 0}), CTime::FromLocal(2003, 6, 30, 21, 40, 0)},
        {words({2003, 7, 3, 32, 21, 40, 0, 0}), CTime::FromLocal(2003, 8, 1, 21, 40, 0)},
        {words({2003, 7, 3, 9, 21, 60, 60, 0}), CTime::FromLocal(2003, 7, 9, 22, 1, 0)},
        {words({2003, 12, 6, 31, 23, 59, 59, 999}), CTime::FromLocal(2003, 12, 31, 23, 59, 59)},
        // Carried out of the years a Word holds: the nearest time the file can hold.
        {words({0, 0, 0, 1, 0, 0, 0, 0}), first},
        {words({65535, 13, 0, 1, 0, 0, 0, 0}), last},
        {words({65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535}), last},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(HexOf(c.bytes));
        CArchive ar(c.bytes);
        const CTime read = ar.ReadTime();
        EXPECT_EQ(read, c.read);
        EXPECT_TRUE(ar.atEnd());
        // What was read is written back as it reads.
        EXPECT_EQ(CArchive(Tm(read)).ReadTime(), read);
    }

    // One such time in the first class costs no class.
    const CStudent term = MakeTerm(3, 2, 4);
    QByteArray bytes = Bytes(term);
    const CTime due = term.m_classes[0].m_reminders[0].m_timeDue;
    const qsizetype at = bytes.indexOf(Tm(due));
    ASSERT_GT(at, 0);
    bytes.replace(at + 8, 2, words({24}));
    qsizetype used = 0;
    const CStudent read = Read<CStudent>(bytes, &used);
    EXPECT_EQ(used, bytes.size());
    ASSERT_EQ(read.m_classes.size(), 3);
    const CTime::Fields f = due.GetLocal();
    EXPECT_EQ(read.m_classes[0].m_reminders[0].m_timeDue,
              CTime::FromLocal(f.year, f.month, f.day, 24, f.minute, f.second));
    EXPECT_EQ(read.m_classes.mid(1), term.m_classes.mid(1));
}
