#pragma once
// The byte encoding of the data files: little-endian Int32, Word and Double, length-prefixed
// strings, times as eight Words of local calendar fields. No headers, tags or checksums.

#include "model/clock.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>

// A read that the bytes cannot satisfy: names what was being read and where.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(const std::string &what, qint64 offset, const std::string &reason);
    const std::string &field() const { return m_field; }
    qint64 offset() const { return m_offset; }

private:
    std::string m_field;
    qint64 m_offset;
};

class CArchive {
public:
    // A storing archive that collects bytes in buffer().
    CArchive();
    // A loading archive over the given bytes.
    explicit CArchive(const QByteArray &bytes);
    // A loading archive over the first `size` bytes of an open device, read a window at a time so
    // that a large file is never held whole. A device that fails or ends early is an ArchiveError
    // (device.error() tells the two apart).
    CArchive(QIODevice &device, qint64 size);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    // The bytes written (storing), or the bytes of the current window (loading).
    const QByteArray &buffer() const { return m_buf; }
    qint64 position() const { return m_base + m_pos; }
    qint64 remaining() const { return m_size - position(); }
    bool atEnd() const { return remaining() <= 0; }

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

    // Skips the next text when it is exactly `text` (shorter than 255) in the UTF-16 form this
    // system writes, and says so; otherwise reads nothing. No string is made for a text that
    // would only be compared.
    bool SkipExactText(QStringView text);

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
    // Makes sure the window holds the next n bytes.
    void need(qint64 n, const char *field);
    void refill(qint64 n, const char *field);
    [[noreturn]] void fail(const char *field, const std::string &reason) const;
    [[noreturn]] void failAt(qint64 offset, const char *field, const std::string &reason) const;

    QByteArray m_buf;    // loading: the window of the data that starts at m_base
    qsizetype m_pos = 0; // the next byte in m_buf
    qint64 m_base = 0;
    qint64 m_size = 0; // loading: all the bytes there are
    QIODevice *m_device = nullptr;
    bool m_storing;
};

// Windows-1252 to UTF-16, for 8-bit strings of old files.
QChar DecodeWindows1252(unsigned char c);
