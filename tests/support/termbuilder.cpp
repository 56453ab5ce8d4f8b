#include "support/termbuilder.h"

#include <algorithm>

namespace {
// A small fixed generator: the standard distributions differ between libraries.
class Lcg {
public:
    explicit Lcg(unsigned seed) : m_state(seed * 2654435761u + 12345u) {}
    int Next(int n)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return int((m_state >> 8) % unsigned(n));
    }
    bool Chance(int percent) { return Next(100) < percent; }

private:
    unsigned m_state;
};

const char *const kClassNames[] = {
    "Biology",  "Calculus",  "English Literature", "World History", "Chemistry",
    "Français", "Economics", "Art Studio",         "Physics",       "Music Theory"};
const char *const kReminderNames[] = {"Quiz",    "Homework", "Essay",       "Lab Report",
                                      "Reading", "Midterm",  "Problem Set", "Project"};
const char *const kFirstNames[] = {"Ada", "Brian", "Chloé", "Dmitri", "Elena", "Farid"};
const char *const kLastNames[] = {"Okafor", "Lindqvist", "García", "Nguyen", "Baker", "Rossi"};

CClass MakeClass(int index, int reminders, const CTeacherArray &teachers, Lcg &rng)
{
    CClass c;
    c.SetName(QString::fromUtf8(kClassNames[index % 10]));
    c.SetLocation(QStringLiteral("Room %1").arg(100 + rng.Next(300)));
    if (rng.Chance(70))
        c.SetDescription(QStringLiteral("Section %1 — fee €%2").arg(index + 1).arg(rng.Next(90)));
    c.m_dCredits = 1 + rng.Next(5);
    c.m_bGraded = rng.Chance(80) ? 1 : 0;
    c.m_dTotalPoints = 100 * (1 + rng.Next(10));
    c.m_nExtraCredit = rng.Chance(30) ? rng.Next(50) : 0;
    c.SetTeacher(teachers[index % teachers.size()]);
    if (index % 3 == 1) // plus and minus letters
        c.m_gradeChart = {{"A", 4.0, 93},   {"A-", 3.67, 90}, {"B+", 3.33, 87}, {"B", 3.0, 83},
                          {"B-", 2.67, 80}, {"C+", 2.33, 77}, {"C", 2.0, 73},   {"C-", 1.67, 70},
                          {"D+", 1.33, 67}, {"D", 1.0, 63},   {"D-", 0.67, 60}};
    else if (index % 3 == 2)
        c.m_gradeChart = {{"Pass", 4.0, 65.0}, {"Low pass", 1.5, 50.0}};

    for (int m = 1 + rng.Next(3); m > 0; --m) {
        const int day = 2 + rng.Next(5), hour = 8 + rng.Next(8);
        const int minute = rng.Chance(50) ? 0 : 30;
        c.m_classTimes.append(CClassTime{day, hour, minute, rng.Chance(50) ? 50 : 75});
    }
    for (int b = 0, books = rng.Next(3); b < books; ++b) {
        CTextBook book;
        book.SetName(QStringLiteral("%1, vol. %2").arg(c.m_strName).arg(b + 1));
        book.SetAuthor(QString::fromUtf8(kLastNames[rng.Next(6)]));
        if (rng.Chance(50))
            book.SetDescription(QStringLiteral("Used copy"));
        book.SetPrice(rng.Next(20000) / 100.0);
        c.m_textBooks.append(book);
    }

    CTime previous;
    for (int r = 0; r < reminders; ++r) {
        CAssignment a;
        a.SetName(QStringLiteral("%1 %2").arg(kReminderNames[rng.Next(8)]).arg(r + 1));
        a.m_nType = rng.Next(CAssignment::kTypeCount);
        if (rng.Chance(40))
            a.SetDescription(QStringLiteral("Chapters %1–%2").arg(r + 1).arg(r + 3));
        // Some share the previous reminder's due time, to give the sort ties.
        if (r > 0 && rng.Chance(15)) {
            a.SetDueTime(previous);
        } else {
            const int month = 9 + rng.Next(4), day = 1 + rng.Next(28), hour = 8 + rng.Next(16);
            a.SetDueTime(CTime::FromLocal(2003, month, day, hour, 5 * rng.Next(12), 0));
        }
        previous = a.m_timeDue;
        a.m_bHighPriority = rng.Chance(20) ? 1 : 0;
        if (rng.Chance(60)) {
            a.m_bDone = 1;
            a.m_dPointsPossible = 10.0 * (1 + rng.Next(10));
            a.m_dPointsEarned = a.m_dPointsPossible * rng.Next(101) / 100.0;
            a.m_bDropped = rng.Chance(10) ? 1 : 0;
        }
        c.AddReminder(a);
    }
    c.SortReminders();
    return c;
}
} // namespace

CTeacherArray MakeTeachers(int n)
{
    CTeacherArray teachers;
    for (int i = 0; i < n; ++i) {
        const QString last =
            QString::fromUtf8(kLastNames[i % 6]) + (i >= 6 ? QString::number(i / 6 + 1) : "");
        CTeacher t;
        t.SetFirstName(QString::fromUtf8(kFirstNames[i % 6]));
        t.SetLastName(last);
        if (i % 2 == 0)
            t.SetDescription(QStringLiteral("Office hours Tue/Thu"));
        t.SetPhone(QStringLiteral("(555) 010-%1").arg(1000 + i));
        if (i % 3 != 2)
            t.SetWebsite(QStringLiteral("https://school.example/~%1").arg(last.toLower()));
        t.SetOffice(QStringLiteral("Hall %1").arg(i + 1));
        t.SetEmail(QStringLiteral("%1@school.example").arg(last.toLower()));
        teachers.append(t);
    }
    return teachers;
}

CStudent MakeTerm(int classes, int remindersPerClass, unsigned seed)
{
    Lcg rng(seed);
    const CTeacherArray teachers = MakeTeachers(std::max(1, std::min(classes, 6)));
    CStudent s;
    for (int i = 0; i < classes; ++i)
        s.AddClass(MakeClass(i, remindersPerClass, teachers, rng)); // repeats become Biology2...
    return s;
}

CAssignment MakeReminder(const QString &name, CTime due, double earned, double possible, bool done)
{
    CAssignment a;
    a.SetName(name);
    a.SetDueTime(due);
    a.m_dPointsEarned = earned;
    a.m_dPointsPossible = possible;
    a.m_bDone = done ? 1 : 0;
    return a;
}

QByteArray OldReminder(const QByteArray &name, CTime due)
{
    return Old(name) + I32(3) + Old("caf\xE9") + Dbl(7.5) + Dbl(8.0) + I32(1) + I32(1) + Tm(due);
}

QByteArray OldClass(const QByteArray &name, int plainLetters, const QByteArray &reminders)
{
    const double block[22] = {95,  90,  87,  83,  80,  77,  73,  70,  67,  63,  60,
                              4.0, 3.7, 3.3, 3.0, 2.7, 2.3, 2.0, 1.7, 1.3, 1.0, 0.7};
    QByteArray b = Old(name) + Str("Lab") + Dbl(250.0) + Old("Room 4");
    for (double v : block)
        b += Dbl(v);
    b += Dbl(3.0) + I32(plainLetters) + I32(1) + I32(5);
    b += I32(1) + Old("Campbell") + Old("Reece") + Old("") + Dbl(89.5) + reminders;
    b += I32(1) + I32(2) + I32(9) + I32(0) + I32(50);
    return b + Old("Ada") + Old("Okafor") + Old("").repeated(5);
}
