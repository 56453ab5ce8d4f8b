// Primitive encodings: strings in all length forms and the 8-bit strings of old files, numbers,
// times (daylight-saving edges, fields out of range), reads the bytes cannot satisfy.

#include "model/archive.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {
// The string read from the bytes and how many bytes it took.
std::pair<QString, qsizetype> ReadBack(const QByteArray &bytes)
{
    CArchive ar(bytes);
    const QString s = ar.ReadString();
    return {s, ar.position()};
}

// The times need New York's daylight saving (ctest sets it; a direct run may not).
const bool kNewYork = setenv("TZ", "America/New_York", 1) == 0 && (tzset(), true);

std::string Words(CTime t)
{
    return HexOf(Tm(t));
}
CTime ReadWords(const std::string &hex)
{
    return CArchive(FromHex(hex.c_str())).ReadTime();
}
} // namespace

TEST(ArchiveString, lengthFormsSwitchAt255And65534_eightBitFormsDecodeWindows1252)
{
    EXPECT_EQ(ReadBack(FromHex("FF FE FF 00 41")), std::make_pair(QString(), qsizetype(4)));
    const struct {
        int length;
        const char *prefix;
    } cases[] = {{254, "FF FE FF FE"},
                 {255, "FF FE FF FF FF 00"},
                 {65533, "FF FE FF FF FD FF"},
                 {65534, "FF FE FF FF FF FF FE FF 00 00"},
                 {70000, "FF FE FF FF FF FF 70 11 01 00"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.length);
        // A non-ASCII unit shows the text is UTF-16LE, not 8-bit.
        const QString text = QString(c.length - 1, QChar('x')) + QChar(0x20AC);
        const QByteArray bytes = Str(text);
        EXPECT_EQ(bytes, FromHex(c.prefix) + QByteArray("x\0", 2).repeated(c.length - 1) +
                             FromHex("AC 20"));
        EXPECT_EQ(ReadBack(bytes), std::make_pair(text, bytes.size()));
    }

    // Old files: no FF FE FF prefix, one byte per character; the length as Byte, Word or Int32.
    EXPECT_EQ(ReadBack(FromHex("05 80 E9 41 81 9F")).first,
              QString() + QChar(0x20AC) + QChar(0xE9) + QChar('A') + QChar(0x81) + QChar(0x178));
    EXPECT_EQ(ReadBack(FromHex("00")), std::make_pair(QString(), qsizetype(1)));
    EXPECT_EQ(DecodeWindows1252(0x92), QChar(0x2019));
    EXPECT_EQ(ReadBack(FromHex("FF 2C 01") + QByteArray(300, 'q') + FromHex("AA")),
              std::make_pair(QString(300, QChar('q')), qsizetype(303)));
    EXPECT_EQ(ReadBack(FromHex("FF FF FF 03 00 00 00 E9 74 E9")),
              std::make_pair(QString::fromUtf8("été"), qsizetype(10)));
}

TEST(ArchiveString, impossibleLengths_failAtOnceNamingFieldAndOffset)
{
    // Each claims far more text than there is; none may try to allocate it.
    for (const char *p : {
             "FF FE FF FF FF FF FF FF FF 7F", // UTF-16, Int32 length 0x7FFFFFFF
             "FF FE FF FF FF FF FF FF FF FF", // UTF-16, length 0xFFFFFFFF
             "FF FE FF FF FD FF",             // UTF-16, Word length 65533
             "FF FF FF FF FF FF 7F",          // 8-bit, Int32 length
             "FF 00 F0",                      // 8-bit, Word length
             "FF FE FF 08 41 00",             // 8 units, one there
             "FF FE FF FF FE FF 00",          // the UTF-16 marker twice
         }) {
        SCOPED_TRACE(p);
        const QByteArray bytes = FromHex("FF FE FF 01 41 00") + FromHex(p); // a good string first
        CArchive ar(bytes);
        ar.ReadString("first");
        const ArchiveError e = ErrorOf([&] { ar.ReadString("owner name"); });
        EXPECT_EQ(e.field(), "owner name");
        EXPECT_GE(e.offset(), 6);
        EXPECT_LE(e.offset(), bytes.size());
        EXPECT_NE(std::string(e.what()).find("owner name"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find(std::to_string(e.offset())), std::string::npos);
    }
}

TEST(ArchiveNumbers, littleEndian_readsInPlace_pastTheEndNamesFieldAndOffset_countsMustFit)
{
    const QByteArray bytes =
        I32(-1) + Dbl(90.0) + Written([](CArchive &ar) { ar.WriteWord(0xFFFE); });
    EXPECT_EQ(HexOf(bytes), "FF FF FF FF 00 00 00 00 00 80 56 40 FE FF");
    CArchive in(bytes);
    EXPECT_EQ(in.ReadInt32(), -1);
    EXPECT_EQ(in.ReadDouble(), 90.0);
    EXPECT_EQ(in.ReadWord(), 0xFFFE);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.buffer().constData(), bytes.constData()); // never a copy of the whole file
    const ArchiveError e = ErrorOf([&] { in.ReadDouble("class credits"); });
    EXPECT_EQ(e.field(), "class credits");
    EXPECT_EQ(e.offset(), 14);
    // Two eight-byte elements fit exactly; three do not.
    EXPECT_EQ(CArchive(I32(2) + QByteArray(16, 0)).ReadCount("n", 8), 2);
    EXPECT_THROW(CArchive(I32(3) + QByteArray(16, 0)).ReadCount("n", 8), ArchiveError);
}

TEST(ArchiveString, skipsOnlyTheExactUtf16Text)
{
    const struct {
        QByteArray bytes;
        bool skipped;
    } cases[] = {
        {Str("REMINDER NEW VERSION") + I32(2), true},
        {Old("REMINDER NEW VERSION") + I32(2), false}, // the same text in the 8-bit form
        {Str("REMINDER NEW VERSIOn") + I32(2), false},
        {Str("REMINDER NEW VERSION!") + I32(2), false},
        {Str("REMINDER NEW VERSION").chopped(1), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(HexOf(c.bytes));
        CArchive ar(c.bytes);
        EXPECT_EQ(ar.SkipExactText(u"REMINDER NEW VERSION"), c.skipped);
        EXPECT_EQ(ar.position(), c.skipped ? c.bytes.size() - 4 : 0);
    }
}

namespace {
// Hands out its bytes at most 1000 at a time; from byte `failAt` on, every read fails.
class PieceDevice : public QIODevice {
public:
    PieceDevice(const QByteArray &bytes, qint64 failAt) : m_bytes(bytes), m_failAt(failAt)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (m_at >= m_failAt)
            return -1;
        const qint64 n = std::min({max, qint64(1000), m_bytes.size() - m_at, m_failAt - m_at});
        std::memcpy(data, m_bytes.constData() + m_at, size_t(n));
        m_at += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_failAt, m_at = 0;
};
} // namespace

TEST(ArchiveLoading, fromADevice_aWindowAtATime_readsAsFromMemory_failsWhereTheBytesStop)
{
    const CStudent term = MakeTerm(20, 80, 2);
    const QByteArray bytes = Bytes(term);
    ASSERT_GT(bytes.size(), 3 * 64 * 1024); // several windows
    const qint64 half = bytes.size() / 2;
    const struct {
        QByteArray served;
        qint64 failAt;
        const char *error; // "" when it reads whole
    } cases[] = {{bytes, bytes.size(), ""},
                 {bytes, half, "the file could not be read"},
                 {bytes.left(half), bytes.size(), "the file ended early"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.error);
        PieceDevice device(c.served, c.failAt);
        CArchive ar(device, bytes.size());
        CStudent read;
        try {
            read.Serialize(ar);
            EXPECT_STREQ(c.error, "");
            EXPECT_EQ(read, term);
            EXPECT_TRUE(ar.atEnd());
        } catch (const ArchiveError &e) {
            EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
            EXPECT_LE(e.offset(), half);
            EXPECT_GT(e.offset(), half - 1000);
            EXPECT_GT(read.m_classes.size(), 0);
        }
    }
}

TEST(ArchiveTime, eightWordsOfLocalFields_acrossDaylightSavingEdges)
{
    ASSERT_TRUE(kNewYork);
    EXPECT_EQ(Words(CTime::FromLocal(2003, 7, 9, 21, 40, 0)),
              "D3 07 07 00 03 00 09 00 15 00 28 00 00 00 00 00");
    // Wrong weekday (6) and 999 ms are ignored: still 9 July 2003 21:40:05.
    EXPECT_EQ(ReadWords("D3 07 07 00 06 00 09 00 15 00 28 00 05 00 E7 03"),
              CTime::FromLocal(2003, 7, 9, 21, 40, 5));

    // 6 April 2003: 01:59:59 EST is followed by 03:00:00 EDT.
    EXPECT_EQ(Words(CTime(1049612399)), "D3 07 04 00 00 00 06 00 01 00 3B 00 3B 00 00 00");
    EXPECT_EQ(Words(CTime(1049612400)), "D3 07 04 00 00 00 06 00 03 00 00 00 00 00 00 00");
    // 02:30 does not exist on that day; whatever instant it becomes is written as that
    // instant's own wall clock, and writing what was read gives the same bytes.
    const CTime skipped = CTime::FromLocal(2003, 4, 6, 2, 30, 0);
    const int hour = skipped.GetLocal().hour;
    EXPECT_TRUE(hour == 1 || hour == 3);
    const std::string bytes = Words(skipped);
    EXPECT_EQ(bytes.substr(24, 5), hour == 3 ? "03 00" : "01 00");
    EXPECT_EQ(Words(ReadWords(bytes)), bytes);

    // 26 October 2003, 01:30 EDT and, an hour later, 01:30 EST: the same words.
    const CTime edt(1067146200), est(1067149800);
    EXPECT_EQ(Words(edt), "D3 07 0A 00 00 00 1A 00 01 00 1E 00 00 00 00 00");
    EXPECT_EQ(Words(est), Words(edt));
    const CTime read = ReadWords(Words(est));
    EXPECT_TRUE(read == edt || read == est);
    EXPECT_EQ(read.GetHour() * 60 + read.GetMinute(), 90);
}

TEST(ArchiveTime, fieldsOutOfRange_carryIntoTheNextField_withinTheYearsAFileHolds)
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
        {words({65535, 12, 0, 32, 0, 0, 0, 0}), last}, // each field one past its range
        {words({65535, 12, 0, 31, 24, 0, 0, 0}), last},
        {words({65535, 12, 0, 31, 23, 60, 0, 0}), last},
        {words({65535, 12, 0, 31, 23, 59, 60, 0}), last},
        {words({65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535}), last},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(HexOf(c.bytes));
        CArchive ar(c.bytes);
        const CTime read = ar.ReadTime();
        EXPECT_EQ(read, c.read);
        EXPECT_TRUE(ar.atEnd());
        EXPECT_EQ(CArchive(Tm(read)).ReadTime(), read); // written back as it reads
    }
}

TEST(LocalZone, readOnce_namesTheDefaultZoneFileOnlyWhenTZIsUnset)
{
    ASSERT_TRUE(kNewYork);
    for (const char *set : std::initializer_list<const char *>{"America/New_York", "", nullptr}) {
        set ? setenv("TZ", set, 1) : unsetenv("TZ");
        CTime::ReadZoneOnce();
        EXPECT_STREQ(std::getenv("TZ"), set ? set : ":/etc/localtime");
    }
    setenv("TZ", "America/New_York", 1);
    CTime::ReadZoneOnce();
    EXPECT_EQ(Words(CTime(1049612400)), "D3 07 04 00 00 00 06 00 03 00 00 00 00 00 00 00");
}
