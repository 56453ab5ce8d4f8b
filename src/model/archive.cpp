#include "model/archive.h"

#include <QtEndian>

#include <cstring>

ArchiveError::ArchiveError(const std::string &what, qsizetype offset, const std::string &reason)
    : std::runtime_error(reason + " while reading " + what + " at byte " + std::to_string(offset)),
      m_field(what), m_offset(offset)
{
}

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(const QByteArray &bytes) : m_buf(bytes), m_storing(false) {}

void CArchive::fail(const char *field, const std::string &reason) const
{
    throw ArchiveError(field, m_pos, reason);
}

void CArchive::need(qsizetype n, const char *field)
{
    if (n < 0 || n > remaining())
        fail(field, "the data ends too early");
}

void CArchive::WriteInt32(int32_t v)
{
    char b[4];
    qToLittleEndian<int32_t>(v, b);
    m_buf.append(b, 4);
}

void CArchive::WriteWord(uint16_t v)
{
    char b[2];
    qToLittleEndian<uint16_t>(v, b);
    m_buf.append(b, 2);
}

void CArchive::WriteDouble(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    char b[8];
    qToLittleEndian<uint64_t>(bits, b);
    m_buf.append(b, 8);
}

void CArchive::WriteString(const QString &s)
{
    // The UTF-16 marker, then the length in the shortest of its three forms.
    m_buf.append(char(0xFF));
    WriteWord(0xFFFE);
    const qsizetype n = s.size();
    if (n < 0xFF) {
        m_buf.append(char(n));
    } else if (n < 0xFFFE) {
        m_buf.append(char(0xFF));
        WriteWord(uint16_t(n));
    } else {
        m_buf.append(char(0xFF));
        WriteWord(0xFFFF);
        WriteInt32(int32_t(n));
    }
    const qsizetype at = m_buf.size();
    m_buf.resize(at + n * 2);
    char *out = m_buf.data() + at;
    const ushort *in = s.utf16();
    for (qsizetype i = 0; i < n; ++i)
        qToLittleEndian<uint16_t>(in[i], out + 2 * i);
}

void CArchive::WriteTime(CTime t)
{
    const CTime::Fields f = t.GetLocal();
    WriteWord(uint16_t(f.year));
    WriteWord(uint16_t(f.month));
    WriteWord(uint16_t(f.dayOfWeek));
    WriteWord(uint16_t(f.day));
    WriteWord(uint16_t(f.hour));
    WriteWord(uint16_t(f.minute));
    WriteWord(uint16_t(f.second));
    WriteWord(0);
}

int32_t CArchive::ReadInt32(const char *field)
{
    need(4, field);
    const int32_t v = qFromLittleEndian<int32_t>(m_buf.constData() + m_pos);
    m_pos += 4;
    return v;
}

uint16_t CArchive::ReadWord(const char *field)
{
    need(2, field);
    const uint16_t v = qFromLittleEndian<uint16_t>(m_buf.constData() + m_pos);
    m_pos += 2;
    return v;
}

double CArchive::ReadDouble(const char *field)
{
    need(8, field);
    const uint64_t bits = qFromLittleEndian<uint64_t>(m_buf.constData() + m_pos);
    m_pos += 8;
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

QString CArchive::ReadString(const char *field)
{
    const qsizetype start = m_pos;
    bool wide = false;
    qint64 len = 0;
    for (;;) {
        need(1, field);
        len = static_cast<unsigned char>(m_buf.at(m_pos++));
        if (len != 0xFF)
            break;
        len = ReadWord(field);
        if (len == 0xFFFE) {
            // The UTF-16 marker; the length follows again. Only one marker makes sense.
            if (wide) {
                m_pos = start;
                fail(field, "a text has a repeated marker");
            }
            wide = true;
            continue;
        }
        if (len == 0xFFFF)
            len = static_cast<uint32_t>(ReadInt32(field));
        break;
    }
    const qint64 bytes = wide ? len * 2 : len;
    if (bytes > remaining())
        fail(field, "a text is longer than the data that is left");
    const char *p = m_buf.constData() + m_pos;
    QString s;
    if (wide) {
        s.resize(qsizetype(len));
        char16_t *out = reinterpret_cast<char16_t *>(s.data());
        for (qint64 i = 0; i < len; ++i)
            out[i] = qFromLittleEndian<uint16_t>(p + 2 * i);
    } else {
        s.resize(qsizetype(len));
        QChar *out = s.data();
        for (qint64 i = 0; i < len; ++i)
            out[i] = DecodeWindows1252(static_cast<unsigned char>(p[i]));
    }
    m_pos += qsizetype(bytes);
    return s;
}

CTime CArchive::ReadTime(const char *field)
{
    need(kTimeBytes, field);
    const int year = ReadWord(field);
    const int month = ReadWord(field);
    ReadWord(field); // day of week: recomputed from the date
    const int day = ReadWord(field);
    const int hour = ReadWord(field);
    const int minute = ReadWord(field);
    const int second = ReadWord(field);
    ReadWord(field); // milliseconds: always 0
    // Out-of-range fields would be carried into other fields (even out of the year's 16 bits)
    // and change the time on the next save: they can only come from damage.
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) {
        m_pos -= kTimeBytes;
        fail(field, "a date or time is out of range");
    }
    return CTime::FromLocal(year, month, day, hour, minute, second);
}

int32_t CArchive::ReadCount(const char *field, int minElementBytes)
{
    const qsizetype at = m_pos;
    const int32_t n = ReadInt32(field);
    if (n > 0 && qint64(n) * minElementBytes > remaining()) {
        m_pos = at;
        fail(field, "a list claims " + std::to_string(n) + " entries, more than the data can hold");
    }
    return n < 0 ? 0 : n;
}

void CArchive::Int32(int32_t &v, const char *field)
{
    if (m_storing)
        WriteInt32(v);
    else
        v = ReadInt32(field);
}

void CArchive::Double(double &v, const char *field)
{
    if (m_storing)
        WriteDouble(v);
    else
        v = ReadDouble(field);
}

void CArchive::String(QString &s, const char *field)
{
    if (m_storing)
        WriteString(s);
    else
        s = ReadString(field);
}

void CArchive::Time(CTime &t, const char *field)
{
    if (m_storing)
        WriteTime(t);
    else
        t = ReadTime(field);
}

QChar DecodeWindows1252(unsigned char c)
{
    // 0x80-0x9F are the only bytes where Windows-1252 differs from Latin-1; the five holes
    // (0x81, 0x8D, 0x8F, 0x90, 0x9D) pass through as their C1 code points.
    static const char16_t k80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (c >= 0x80 && c < 0xA0)
        return QChar(k80[c - 0x80]);
    return QChar(char16_t(c));
}
