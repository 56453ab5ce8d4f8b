#pragma once
// The byte encoding of the data files: little-endian Int32, Word and Double, length-prefixed
// strings, times as eight Words of local calendar fields. No headers, tags or checksums.

#include "model/clock.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>

// A read that the bytes cannot satisfy: names what was being read and where.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(const std::string &what, qsizetype offset, const std::string &reason);
    const std::string &field() const { return m_field; }
    qsizetype offset() const { return m_offset; }

private:
    std::string m_field;
    qsizetype m_offset;
};

class CArchive {
public:
    // A storing archive that collects bytes in buffer().
    CArchive();
    // A loading archive over the given bytes.
    explicit CArchive(const QByteArray &bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    const QByteArray &buffer() const { return m_buf; }
    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_buf.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_buf.size(); }

    void WriteInt32(int32_t v);
    void WriteWord(uint16_t v);
    void WriteDouble(double v);
    void WriteString(const QString &s);
    void WriteTime(CTime t);

    // Each read names the field it reads, for the error when the bytes run out or make no sense.
    int32_t ReadInt32(const char *field = "number");
    uint16_t ReadWord(const char *field = "number");
    double ReadDouble(const char *field = "number");
    QString ReadString(const char *field = "text");
    CTime ReadTime(const char *field = "time");

    // A list's element count. A count that the remaining bytes cannot fill, at
    // minElementBytes each, is an error at once; a negative count reads no element.
    int32_t ReadCount(const char *field, int minElementBytes);

    // Serialize helpers: write the value when storing, read into it when loading.
    void Int32(int32_t &v, const char *field);
    void Double(double &v, const char *field);
    void String(QString &s, const char *field);
    void Time(CTime &t, const char *field);

    // A time is eight Words.
    static constexpr int kTimeBytes = 16;

private:
    void need(qsizetype n, const char *field);
    [[noreturn]] void fail(const char *field, const std::string &reason) const;

    QByteArray m_buf;
    qsizetype m_pos = 0;
    bool m_storing;
};

// Windows-1252 to UTF-16, for 8-bit strings of old files.
QChar DecodeWindows1252(unsigned char c);
