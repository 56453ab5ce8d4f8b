// Damaged and hostile student files: truncation at every length, huge and negative counts.
// Reading must end in an ArchiveError (never a crash or a huge allocation) and keep what was whole.

#include "model/archive.h"
#include "model/class.h"
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

namespace {

// Eight Words of a time: year, month, day of week, day, hour, minute, second, milliseconds.
QByteArray Words(std::initializer_list<int> words) {
    QByteArray out;
    for (int w : words) {
        out.append(char(w & 0xFF));
        out.append(char((w >> 8) & 0xFF));
    }
    return out;
}

} // namespace

TEST(DamagedTimes, outOfRangeFields_areAReadErrorNotADifferentTime) {
    const QList<QByteArray> bad = {
        Words({0, 0, 0, 1, 0, 0, 0, 0}),          // month 0 would fall into year -1
        Words({65535, 13, 0, 1, 0, 0, 0, 0}),     // month 13 would leave the year's 16 bits
        Words({2003, 7, 3, 0, 21, 40, 0, 0}),     // day 0
        Words({2003, 7, 3, 32, 21, 40, 0, 0}),    // day 32
        Words({2003, 7, 3, 9, 24, 40, 0, 0}),     // hour 24
        Words({2003, 7, 3, 9, 21, 60, 0, 0}),     // minute 60
        Words({2003, 7, 3, 9, 21, 40, 60, 0}),    // second 60
    };
    for (const QByteArray &bytes : bad) {
        CArchive ar(bytes);
        try {
            ar.ReadTime("due time");
            ADD_FAILURE() << HexOf(bytes) << " was accepted";
        } catch (const ArchiveError &e) {
            EXPECT_EQ(e.field(), "due time");
            EXPECT_EQ(e.offset(), 0);
        }
    }
    // The edges of every range read, and the day of week and milliseconds are ignored.
    CArchive ok(Words({2003, 12, 6, 31, 23, 59, 59, 999}));
    const CTime::Fields f = ok.ReadTime().GetLocal();
    EXPECT_EQ(f.year, 2003);
    EXPECT_EQ(f.month, 12);
    EXPECT_EQ(f.day, 31);
    EXPECT_EQ(f.hour, 23);
    EXPECT_EQ(f.minute, 59);
    EXPECT_EQ(f.second, 59);
}

TEST(DamagedTimes, meetingWithHugeHourAndLength_endsWithoutOverflow) {
    CClassTime t;
    t.m_nHour = INT32_MAX;
    t.m_nMinute = INT32_MAX;
    t.m_nDuration = INT32_MAX;
    int hour = 0, minute = 0;
    t.GetEndTime(hour, minute); // UBSan builds (make fuzz) would flag an int overflow here
    t.m_nHour = 2;
    t.m_nMinute = 30;
    t.m_nDuration = 1500;
    t.GetEndTime(hour, minute);
    EXPECT_EQ(hour, 3);
    EXPECT_EQ(minute, 30);
}
