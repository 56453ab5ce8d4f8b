#pragma once
// Deterministic test data: a realistic term (classes with reminders, meeting times, books,
// charts and instructor copies) and an instructor list. Same arguments, same records, same bytes
// (given the time zone the tests run in).

#include "model/archive.h"
#include "model/student.h"
#include "model/teacher.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>

#include <ostream>
#include <string>

// A term of `classes` classes with `remindersPerClass` reminders each, stored in the order the
// program keeps them (latest due first). Reminders fall between September and December 2003;
// some are done with points, some dropped or high priority, some share a due time. Texts include
// non-ASCII characters; charts are the default, a plus/minus chart, or a custom one.
CStudent MakeTerm(int classes, int remindersPerClass, unsigned seed = 1);

// `n` instructors with distinct last names; some optional fields are left empty.
CTeacherArray MakeTeachers(int n);

// One reminder with the fields grading looks at.
CAssignment MakeReminder(const QString &name, CTime due, double earned = 0.0, double possible = 0.0,
                         bool done = false);

// Hand-built records: a reminder, a meeting time, and a class whose reminders are kept as the
// program keeps them (latest due first).
inline CAssignment Rem(const QString &name, CTime due, bool high = false, bool done = false)
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bHighPriority = high ? 1 : 0;
    a.m_bDone = done ? 1 : 0;
    return a;
}

inline CClassTime Meets(int weekday, int hour, int minute = 0, int duration = 60)
{
    CClassTime t;
    t.m_nDay = weekday;
    t.m_nHour = hour;
    t.m_nMinute = minute;
    t.m_nDuration = duration;
    return t;
}

inline CClass Cls(const QString &name, std::initializer_list<CAssignment> reminders = {},
                  std::initializer_list<CClassTime> times = {})
{
    CClass c;
    c.m_strName = name;
    for (const CClassTime &t : times)
        c.m_classTimes.append(t);
    for (const CAssignment &a : reminders)
        c.AddReminder(a);
    c.SortReminders();
    return c;
}

// "FF FE FF 00" <-> bytes, for readable byte-exact assertions.
inline QByteArray FromHex(const char *hex)
{
    return QByteArray::fromHex(hex);
}
inline std::string HexOf(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

// Hand-made record bytes, for byte-exact vectors and old (version 1) layouts.
template <typename Write> QByteArray Written(Write write)
{
    CArchive ar;
    write(ar);
    return ar.buffer();
}
inline QByteArray I32(int32_t v)
{
    return Written([&](CArchive &ar) { ar.WriteInt32(v); });
}
inline QByteArray Dbl(double v)
{
    return Written([&](CArchive &ar) { ar.WriteDouble(v); });
}
inline QByteArray Str(const QString &s)
{
    return Written([&](CArchive &ar) { ar.WriteString(s); });
}
inline QByteArray Tm(CTime t)
{
    return Written([&](CArchive &ar) { ar.WriteTime(t); });
}
// The 8-bit form of old files: a one-byte length, then Windows-1252 bytes.
inline QByteArray Old(const QByteArray &latin)
{
    return QByteArray(1, char(latin.size())) + latin;
}

// A version 1 reminder: 8-bit texts (description "caf\xE9"), type 3, 7.5 of 8 points, done and
// dropped; no marker, version or priority flag.
QByteArray OldReminder(const QByteArray &name, CTime due);
// A version 1 class "Lab", 250 points, "Room 4": the old grade block (minimums 95, 90, ... 60)
// where version 2 has its credits, then credits 3, the plain-letters flag, graded, extra credit 5;
// one book (price 89.5), the given reminder list, one meeting {2, 9, 0, 50}, instructor "Okafor".
// The description is UTF-16: old files may mix both forms.
QByteArray OldClass(const QByteArray &name, int plainLetters, const QByteArray &reminders = I32(0));

// The bytes a record writes (Bytes(student) is a whole student file).
template <typename T> QByteArray Bytes(T record)
{
    return Written([&](CArchive &ar) { record.Serialize(ar); });
}

// The error a read ends in; its field is "no error" when it ends without one.
template <typename ReadFn> ArchiveError ErrorOf(ReadFn read)
{
    try {
        read();
    } catch (const ArchiveError &e) {
        return e;
    }
    return ArchiveError("no error", -1, "");
}

// Reads a record from the start of the bytes; `used` receives how many it took.
template <typename T> T Read(const QByteArray &bytes, qsizetype *used = nullptr)
{
    CArchive ar(bytes);
    T record;
    record.Serialize(ar);
    if (used)
        *used = ar.position();
    return record;
}

// Readable GoogleTest failure messages for Qt strings and byte arrays.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &b, std::ostream *os)
{
    *os << HexOf(b.left(64));
}
