#include "model/archive.h"

#include <QtEndian>

#include <cstring>

ArchiveError::ArchiveError(const std::string &what, qint64 offset, const std::string &reason)
    : std::runtime_error(reason + " while reading " + what + " at byte " + std::to_string(offset)),
      m_field(what), m_offset(offset)
{
}

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(const QByteArray &bytes) : m_buf(bytes), m_size(bytes.size()), m_storing(false)
{
}

CArchive::CArchive(QIODevice &device, qint64 size)
    : m_size(size), m_device(&device), m_storing(false)
{
}

void CArchive::fail(const char *field, const std::string &reason) const
{
    failAt(position(), field, reason);
}

void CArchive::failAt(qint64 offset, const char *field, const std::string &reason) const
{
    throw ArchiveError(field, offset, reason);
}

void CArchive::need(qint64 n, const char *field)
{
    if (n < 0 || n > remaining())
        fail(field, "the data ends too early");
    if (n > m_buf.size() - m_pos)
        refill(n, field);
}

void CArchive::refill(qint64 n, const char *field)
{
    // Only a device archive gets here: a byte array's window is all of it.
    constexpr qint64 kWindow = 64 * 1024;
    m_buf.remove(0, m_pos);
    m_base += m_pos;
    m_pos = 0;
    const qint64 want = qMin(qMax(n, kWindow), remaining());
    qsizetype have = m_buf.size();
    m_buf.resize(qsizetype(want));
    qint64 got = 0;
    while (have < want && (got = m_device->read(m_buf.data() + have, want - have)) > 0)
        have += qsizetype(got);
    m_buf.resize(have);
    if (have < n)
        fail(field, got < 0 ? "the file could not be read" : "the file ended early");
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
    const qint64 start = position();
    bool wide = false;
    qint64 len = 0;
    for (;;) {
        need(1, field);
        len = static_cast<unsigned char>(m_buf.at(m_pos++)); // const: never detach a copy
        if (len != 0xFF)
            break;
        len = ReadWord(field);
        if (len == 0xFFFE) {
            // The UTF-16 marker; the length follows again. Only one marker makes sense.
            if (wide)
                failAt(start, field, "a text has a repeated marker");
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
    need(bytes, field);
    const char *p = m_buf.constData() + m_pos;
    // Exactly as long as the text: a term holds a great many short ones.
    QString s(qsizetype(len), Qt::Uninitialized);
    if (wide) {
        char16_t *out = reinterpret_cast<char16_t *>(s.data());
        for (qint64 i = 0; i < len; ++i)
            out[i] = qFromLittleEndian<uint16_t>(p + 2 * i);
    } else {
        QChar *out = s.data();
        for (qint64 i = 0; i < len; ++i)
            out[i] = DecodeWindows1252(static_cast<unsigned char>(p[i]));
    }
    m_pos += qsizetype(bytes);
    return s;
}

bool CArchive::SkipExactText(QStringView text)
{
    const qint64 bytes = 4 + 2 * qint64(text.size());
    if (remaining() < bytes)
        return false;
    need(bytes, "text");
    const auto *p = reinterpret_cast<const uchar *>(m_buf.constData() + m_pos);
    if (p[0] != 0xFF || p[1] != 0xFE || p[2] != 0xFF || p[3] != text.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (qFromLittleEndian<uint16_t>(p + 4 + 2 * i) != text[i].unicode())
            return false;
    m_pos += qsizetype(bytes);
    return true;
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
    // Nothing is refused: a field out of its range carries into the next one (hour 24 is midnight
    // of the next day), as the C library normalises it, and the next save writes the result.
    const CTime t = CTime::FromLocal(year, month, day, hour, minute, second);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59) {
        // Carried out of the years a Word holds, it would be written back as another year.
        const int carried = t.GetLocal().year;
        if (carried < 0)
            return CTime::FromLocal(0, 1, 1, 0, 0, 0);
        if (carried > 0xFFFF)
            return CTime::FromLocal(0xFFFF, 12, 31, 23, 59, 59);
    }
    return t;
}

int32_t CArchive::ReadCount(const char *field, int minElementBytes)
{
    const qint64 at = position();
    const int32_t n = ReadInt32(field);
    if (n > 0 && qint64(n) * minElementBytes > remaining())
        failAt(at, field,
               "a list claims " + std::to_string(n) + " entries, more than the data can hold");
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
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (c >= 0x80 && c < 0xA0)
        return QChar(k80[c - 0x80]);
    return QChar(char16_t(c));
}
