// Writes the seed corpus of the records fuzz target: small valid files of each kind, an old
// (version 1) term and one damaged term. Times are written in UTC, as the fuzz target reads them.
//
//   quillbox_make_seeds DIR          writes the seeds into DIR
//   quillbox_make_seeds --check DIR  exits 1 when DIR's seeds differ from what would be written

#include "model/archive.h"
#include "model/student.h"
#include "model/teacher.h"
#include "storage/datafiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

CTime At(int year, int month, int day, int hour, int minute)
{
    return CTime::FromLocal(year, month, day, hour, minute, 0);
}

CAssignment Reminder(const QString &name, int type, CTime due, double earned, double possible,
                     bool done, bool high)
{
    CAssignment r;
    r.m_strName = name;
    r.m_nType = type;
    r.m_strDescription = name + QStringLiteral(" notes");
    r.m_timeDue = due;
    r.m_dPointsEarned = earned;
    r.m_dPointsPossible = possible;
    r.m_bDone = done;
    r.m_bHighPriority = high;
    return r;
}

CTeacher Teacher(const QString &first, const QString &last)
{
    CTeacher t;
    t.m_strFirstName = first;
    t.m_strLastName = last;
    t.m_strDescription = QStringLiteral("Tuesdays after class");
    t.m_strPhone = QStringLiteral("555-0142");
    t.m_strWebsite = QStringLiteral("http://example.edu/~") + last.toLower();
    t.m_strOffice = QStringLiteral("Hall 2");
    t.m_strEmail = last.toLower() + QStringLiteral("@example.edu");
    return t;
}

CStudent TwoClasses()
{
    CStudent s;
    CClass math;
    math.m_strName = QStringLiteral("Math");
    math.m_strDescription = QStringLiteral("Calculus I");
    math.m_strLocation = QStringLiteral("Room 101");
    math.m_dCredits = 4.0;
    math.m_bGraded = 1;
    math.m_teacher = Teacher(QStringLiteral("Ada"), QStringLiteral("Byron"));
    math.m_reminders = {
        Reminder(QStringLiteral("Quiz 1"), 11, At(2003, 7, 9, 21, 40), 9.0, 10.0, true, false),
        Reminder(QStringLiteral("Homework"), 1, At(2003, 7, 9, 21, 40), 0.0, 0.0, false, true),
        Reminder(QStringLiteral("Midterm"), 15, At(2003, 6, 30, 9, 0), 71.5, 80.0, true, false)};
    CClassTime mon;
    mon.m_nDay = 2;
    mon.m_nHour = 9;
    mon.m_nMinute = 30;
    mon.m_nDuration = 75;
    CClassTime late;
    late.m_nDay = 6;
    late.m_nHour = 23;
    late.m_nMinute = 30;
    late.m_nDuration = 90; // ends after midnight
    math.m_classTimes = {mon, late};
    CTextBook book;
    book.m_strName = QStringLiteral("Calculus");
    book.m_strAuthor = QStringLiteral("Spivak");
    book.m_dPrice = 89.95;
    math.m_textBooks = {book};

    CClass french;
    french.m_strName = QString::fromUtf8("Fran\u00e7ais \u2013 \u00e9crit");
    french.m_dCredits = 2.5;
    french.m_gradeChart = {CGradeType(QStringLiteral("A"), 4.0, 90.0),
                           CGradeType(QStringLiteral("A-"), 3.7, 87.0),
                           CGradeType(QStringLiteral("B+"), 3.3, 83.0)};
    french.m_reminders = {
        Reminder(QStringLiteral("Lecture"), 12, At(2004, 3, 3, 14, 7), 0.0, 0.0, false, false),
        Reminder(QStringLiteral("Essai"), 13, At(1999, 12, 31, 11, 0), 18.0, 20.0, true, true)};
    s.m_classes = {math, french};
    return s;
}

// ---- Version 1 bytes, which the program never writes ----

void Put8(QByteArray &b, const char *text) // 8-bit string, Windows-1252
{
    const int n = int(std::strlen(text));
    b.append(char(n));
    b.append(text, n);
}

void PutInt(QByteArray &b, int32_t v)
{
    CArchive ar;
    ar.WriteInt32(v);
    b.append(ar.buffer());
}

void PutDouble(QByteArray &b, double v)
{
    CArchive ar;
    ar.WriteDouble(v);
    b.append(ar.buffer());
}

void PutTime(QByteArray &b, CTime t)
{
    CArchive ar;
    ar.WriteTime(t);
    b.append(ar.buffer());
}

void PutOldReminder(QByteArray &b, const char *name, int type, CTime due, double earned,
                    double possible, int done)
{
    Put8(b, name);
    PutInt(b, type);
    Put8(b, "");
    PutDouble(b, earned);
    PutDouble(b, possible);
    PutInt(b, done);
    PutInt(b, 0); // dropped
    PutTime(b, due);
}

void PutOldClass(QByteArray &b, const char *name, int plainLetters)
{
    Put8(b, name);
    Put8(b, "old class");
    PutDouble(b, 100.0); // total points
    Put8(b, "Annex");
    const double minimums[11] = {93, 90, 87, 83, 80, 77, 73, 70, 67, 63, 60};
    const double points[11] = {4.0, 3.7, 3.3, 3.0, 2.7, 2.3, 2.0, 1.7, 1.3, 1.0, 0.7};
    for (double v : minimums)
        PutDouble(b, v);
    for (double v : points)
        PutDouble(b, v);
    PutDouble(b, 3.0); // credits
    PutInt(b, plainLetters);
    PutInt(b, 1); // graded
    PutInt(b, 0); // extra credit
    PutInt(b, 0); // textbooks
    PutInt(b, 2); // reminders
    PutOldReminder(b, "\x93Paper\x94", 13, At(2002, 11, 4, 8, 15), 45.0, 50.0, 1);
    PutOldReminder(b, "Lab", 0, At(2002, 10, 1, 13, 0), 0.0, 0.0, 0);
    PutInt(b, 1); // meeting times
    PutInt(b, 3);
    PutInt(b, 13);
    PutInt(b, 0);
    PutInt(b, 50);
    for (const char *field : {"Grace", "Hopper", "", "", "", "", ""})
        Put8(b, field);
}

QByteArray OldTerm()
{
    QByteArray b;
    Put8(b, "");
    PutInt(b, 2);
    PutOldClass(b, "History", 0);
    PutOldClass(b, "Caf\xe9", 1);
    return b;
}

QList<QPair<QString, QByteArray>> Seeds()
{
    QList<QPair<QString, QByteArray>> seeds;
    seeds.append({QStringLiteral("term-empty.stn"), EncodeStudent(CStudent())});
    const QByteArray two = EncodeStudent(TwoClasses());
    seeds.append({QStringLiteral("term-two-classes.stn"), two});
    seeds.append({QStringLiteral("term-version1.stn"), OldTerm()});
    // Cut inside the second class: the first one is recovered.
    seeds.append({QStringLiteral("damaged-term-cut.stn"), two.left(two.size() - 40)});
    seeds.append({QStringLiteral("teachers-two.dat"),
                  EncodeTeachers({Teacher(QStringLiteral("Ada"), QStringLiteral("Byron")),
                                  Teacher(QString(), QStringLiteral("Hopper"))})});
    CClass plain;
    seeds.append({QStringLiteral("chart-default.dat"), EncodeGradeChart(plain.m_gradeChart)});
    return seeds;
}

} // namespace

int main(int argc, char **argv)
{
    setenv("TZ", "UTC", 1);
    tzset();
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[argc - 1]));
    int differ = 0;
    for (const auto &seed : Seeds()) {
        QFile f(dir.filePath(seed.first));
        if (check) {
            if (!f.open(QIODevice::ReadOnly) || f.readAll() != seed.second) {
                std::fprintf(stderr, "%s differs from the seed it should be\n",
                             qPrintable(f.fileName()));
                ++differ;
            }
        } else if (!f.open(QIODevice::WriteOnly) || f.write(seed.second) != seed.second.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
            return 1;
        }
    }
    return differ == 0 ? 0 : 1;
}
