// Damaged and hostile student files: truncation at every length, huge and negative counts.
// Reading must end in an ArchiveError (never a crash or a huge allocation) and keep what was whole.

#include "model/archive.h"
#include "model/student.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {
// A student file with one new class named Math. Offsets inside the class: text book count at 92,
// reminder count 96, meeting time count 100, chart row count 104; the class starts at byte 8.
QByteArray MathFile() {
    CStudent s;
    s.m_classes.append(CClass());
    s.m_classes[0].SetName("Math");
    return Bytes(s);
}
constexpr int kClassStart = 8;

ArchiveError ReadError(const QByteArray &bytes, CStudent *out = nullptr) {
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

TEST(DamagedStudentFile, realisticTerm_roundTripsExactly) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const CStudent term = MakeTerm(7, 10, seed);
        const QByteArray bytes = Bytes(term);
        qsizetype used = 0;
        const CStudent read = Read<CStudent>(bytes, &used);
        EXPECT_EQ(used, bytes.size());
        EXPECT_EQ(read, term) << "seed " << seed;
        EXPECT_EQ(Bytes(read), bytes);
    }
    EXPECT_EQ(Bytes(MakeTerm(3, 5, 9)), Bytes(MakeTerm(3, 5, 9)));
    EXPECT_NE(Bytes(MakeTerm(3, 5, 9)), Bytes(MakeTerm(3, 5, 10)));
}

TEST(DamagedStudentFile, truncatedAtEveryLength_throwsAndKeepsWholeClasses) {
    const CStudent term = MakeTerm(4, 6, 3);
    const QByteArray bytes = Bytes(term);
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
        // Every class read whole before the cut is kept.
        const qsizetype whole = len < header ? 0
                                             : std::count_if(classEnds.begin(), classEnds.end(),
                                                             [&](qsizetype end) { return end <= len; });
        ASSERT_EQ(kept.m_classes, term.m_classes.mid(0, whole)) << "length " << len;
    }
}

TEST(DamagedStudentFile, hugeCounts_failAtTheCountNamingIt) {
    struct Case {
        int offset;
        const char *field;
    } cases[] = {
        {kClassStart + 92, "textbook count"},
        {kClassStart + 96, "reminder count"},
        {kClassStart + 100, "meeting time count"},
        {kClassStart + 104, "grade chart row count"},
    };
    for (const Case &c : cases) {
        for (int32_t count : {0x7FFFFFFF, 1 << 20}) {
            SCOPED_TRACE(c.field);
            QByteArray bytes = MathFile();
            bytes.replace(c.offset, 4, I32(count));
            const ArchiveError e = ReadError(bytes);
            EXPECT_EQ(e.field(), c.field);
            EXPECT_EQ(e.offset(), c.offset);
        }
    }
}

TEST(DamagedStudentFile, hugeClassCount_keepsTheWholeClassesAndFailsAtTheEnd) {
    QByteArray bytes = MathFile();
    bytes.replace(4, 4, I32(0x7FFFFFFF));
    CStudent kept;
    const ArchiveError e = ReadError(bytes, &kept);
    EXPECT_EQ(e.field(), "class name");
    EXPECT_EQ(e.offset(), bytes.size());
    EXPECT_EQ(kept.m_classes, Read<CStudent>(MathFile()).m_classes);
}

TEST(DamagedStudentFile, negativeCounts_readNoElement) {
    CStudent none = Read<CStudent>(FromHex("FF FE FF 00 FF FF FF FF"));
    EXPECT_TRUE(none.m_classes.isEmpty());

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
        ASSERT_EQ(read.m_classes.size(), 1);
        EXPECT_EQ(read.m_classes[0], expected);
    }
}
