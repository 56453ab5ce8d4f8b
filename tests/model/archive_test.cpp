// Primitive encodings: strings in all length forms, 8-bit strings of old files, Int32, Double,
// times (including daylight-saving edges) and reads that the bytes cannot satisfy.

#include "model/archive.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {
QString ReadBack(const QByteArray &bytes, qsizetype *consumed = nullptr) {
    CArchive ar(bytes);
    const QString s = ar.ReadString();
    if (consumed)
        *consumed = ar.position();
    return s;
}
} // namespace

TEST(ArchiveString, emptyAndShort_areUtf16WithOneByteLength) {
    EXPECT_EQ(HexOf(Str(QString())), "FF FE FF 00");
    EXPECT_EQ(HexOf(Str("Math")), "FF FE FF 04 4D 00 61 00 74 00 68 00");
    qsizetype used = 0;
    EXPECT_TRUE(ReadBack(FromHex("FF FE FF 00 41"), &used).isEmpty());
    EXPECT_EQ(used, 4);
}

TEST(ArchiveString, lengthForms_switchAt255And65534) {
    struct Case {
        int length;
        const char *prefix;
    } cases[] = {
        {254, "FF FE FF FE"},
        {255, "FF FE FF FF FF 00"},
        {65533, "FF FE FF FF FD FF"},
        {65534, "FF FE FF FF FF FF FE FF 00 00"},
        {70000, "FF FE FF FF FF FF 70 11 01 00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.length);
        // A non-ASCII unit shows the text is UTF-16LE, not 8-bit.
        const QString text = QString(c.length - 1, QChar('x')) + QChar(0x20AC);
        const QByteArray bytes = Str(text);
        const QByteArray prefix = FromHex(c.prefix);
        ASSERT_EQ(bytes.size(), prefix.size() + 2 * c.length);
        EXPECT_EQ(HexOf(bytes.left(prefix.size())), HexOf(prefix));
        EXPECT_EQ(HexOf(bytes.right(4)), "78 00 AC 20");
        qsizetype used = 0;
        EXPECT_EQ(ReadBack(bytes, &used), text);
        EXPECT_EQ(used, bytes.size());
    }
}

TEST(ArchiveString, eightBitForm_decodesWindows1252) {
    // Old files: no FF FE FF prefix, one byte per character.
    EXPECT_EQ(ReadBack(FromHex("05 80 E9 41 81 9F")),
              QString() + QChar(0x20AC) + QChar(0xE9) + QChar('A') + QChar(0x81) + QChar(0x178));
    EXPECT_EQ(ReadBack(FromHex("00")), QString());
    EXPECT_EQ(DecodeWindows1252(0x92), QChar(0x2019));
}

TEST(ArchiveString, eightBitForm_wordAndInt32Lengths) {
    QByteArray word = FromHex("FF 2C 01"); // 300 characters
    word.append(QByteArray(300, 'q'));
    word.append(FromHex("AA")); // a following byte must stay unread
    qsizetype used = 0;
    EXPECT_EQ(ReadBack(word, &used), QString(300, QChar('q')));
    EXPECT_EQ(used, 3 + 300);

    QByteArray int32 = FromHex("FF FF FF 03 00 00 00");
    int32.append("\xE9t\xE9");
    EXPECT_EQ(ReadBack(int32, &used), QString::fromUtf8("été"));
    EXPECT_EQ(used, 10);
}

TEST(ArchiveString, hugeLengths_failAtOnceNamingFieldAndOffset) {
    // Each claims far more text than there is; none may try to allocate it.
    const char *prefixes[] = {
        "FF FE FF FF FF FF FF FF FF 7F", // UTF-16, Int32 length 0x7FFFFFFF
        "FF FE FF FF FF FF FF FF FF FF", // UTF-16, length 0xFFFFFFFF
        "FF FE FF FF FD FF",             // UTF-16, Word length 65533
        "FF FF FF FF FF FF 7F",          // 8-bit, Int32 length
        "FF 00 F0",                      // 8-bit, Word length
        "FF FE FF 08 41 00",             // 8 units, one there
    };
    for (const char *p : prefixes) {
        SCOPED_TRACE(p);
        QByteArray bytes = FromHex("FF FE FF 01 41 00"); // a good string first
        const qsizetype start = bytes.size();
        bytes.append(FromHex(p));
        CArchive ar(bytes);
        ar.ReadString("first");
        try {
            ar.ReadString("owner name");
            FAIL() << "no error";
        } catch (const ArchiveError &e) {
            EXPECT_EQ(e.field(), "owner name");
            EXPECT_GE(e.offset(), start);
            EXPECT_LE(e.offset(), bytes.size());
            EXPECT_NE(std::string(e.what()).find("owner name"), std::string::npos);
            EXPECT_NE(std::string(e.what()).find(std::to_string(e.offset())), std::string::npos);
        }
    }
}

TEST(ArchiveString, repeatedUtf16Marker_isAnError) {
    CArchive ar(FromHex("FF FE FF FF FE FF 00"));
    EXPECT_THROW(ar.ReadString(), ArchiveError);
}

TEST(ArchiveNumbers, int32AndDouble_areLittleEndian) {
    CArchive ar;
    ar.WriteInt32(2);
    ar.WriteInt32(-1);
    ar.WriteDouble(90.0);
    ar.WriteDouble(1.0);
    ar.WriteWord(0xFFFE);
    EXPECT_EQ(HexOf(ar.buffer()), "02 00 00 00 FF FF FF FF "
                                  "00 00 00 00 00 80 56 40 00 00 00 00 00 00 F0 3F FE FF");
    CArchive in(ar.buffer());
    EXPECT_EQ(in.ReadInt32(), 2);
    EXPECT_EQ(in.ReadInt32(), -1);
    EXPECT_EQ(in.ReadDouble(), 90.0);
    EXPECT_EQ(in.ReadDouble(), 1.0);
    EXPECT_EQ(in.ReadWord(), 0xFFFE);
    EXPECT_TRUE(in.atEnd());
    try {
        in.ReadDouble("class credits");
        FAIL() << "no error";
    } catch (const ArchiveError &e) {
        EXPECT_EQ(e.field(), "class credits");
        EXPECT_EQ(e.offset(), 26);
    }
}

TEST(ArchiveCount, elementsMustFitTheBytesLeft) {
    // Two eight-byte elements fit exactly; three do not.
    EXPECT_EQ(CArchive(I32(2) + QByteArray(16, 0)).ReadCount("n", 8), 2);
    EXPECT_THROW(CArchive(I32(3) + QByteArray(16, 0)).ReadCount("n", 8), ArchiveError);
}

// ---- times ----

TEST(ArchiveTime, july2003_isEightWordsOfLocalFields_weekdayAndMsIgnoredOnReading) {
    EXPECT_EQ(HexOf(Tm(CTime::FromLocal(2003, 7, 9, 21, 40, 0))),
              "D3 07 07 00 03 00 09 00 15 00 28 00 00 00 00 00");
    // Wrong weekday (6) and 999 ms: still 9 July 2003 21:40:05.
    CArchive in(FromHex("D3 07 07 00 06 00 09 00 15 00 28 00 05 00 E7 03"));
    EXPECT_EQ(in.ReadTime(), CTime::FromLocal(2003, 7, 9, 21, 40, 5));
}

// The daylight-saving cases need New York's rules (ctest sets them; a direct run may not).
class ArchiveDaylightSaving : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "America/New_York", 1);
        tzset();
    }
    static std::string Words(CTime t) { return HexOf(Tm(t)); }
};

TEST_F(ArchiveDaylightSaving, springForward_writesWallClockAfterTheGap) {
    // 6 April 2003: 01:59:59 EST is followed by 03:00:00 EDT.
    const CTime before(1049612399), after(1049612400);
    EXPECT_EQ(Words(before), "D3 07 04 00 00 00 06 00 01 00 3B 00 3B 00 00 00");
    EXPECT_EQ(Words(after), "D3 07 04 00 00 00 06 00 03 00 00 00 00 00 00 00");
    // 02:30 does not exist on that day; whatever instant it becomes is written as that
    // instant's own wall clock, and writing what was read gives the same bytes.
    const CTime skipped = CTime::FromLocal(2003, 4, 6, 2, 30, 0);
    const CTime::Fields f = skipped.GetLocal();
    EXPECT_TRUE(f.hour == 1 || f.hour == 3);
    const std::string bytes = Words(skipped);
    EXPECT_EQ(bytes.substr(24, 5), f.hour == 3 ? "03 00" : "01 00");
    CArchive in(FromHex(bytes.c_str()));
    EXPECT_EQ(Words(in.ReadTime()), bytes);
}

TEST_F(ArchiveDaylightSaving, fallBack_bothInstantsOfTheRepeatedHourWriteTheSameWords) {
    // 26 October 2003, 01:30 EDT and, an hour later, 01:30 EST.
    const CTime edt(1067146200), est(1067149800);
    EXPECT_EQ(Words(edt), "D3 07 0A 00 00 00 1A 00 01 00 1E 00 00 00 00 00");
    EXPECT_EQ(Words(est), Words(edt));
    CArchive in(FromHex(Words(est).c_str()));
    const CTime read = in.ReadTime();
    EXPECT_TRUE(read == edt || read == est);
    EXPECT_EQ(read.GetHour(), 1);
    EXPECT_EQ(read.GetMinute(), 30);
}
