// Writes a realistic sample term (six classes, forty reminders, five instructors) into a data
// folder, for screenshots, demos and end-to-end checks:
//   quillbox_sample DIR [YYYY-MM-DD]   (the date the term is centred on; default today)

#include "model/clock.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

namespace {

CTeacher Teacher(const char *first, const char *last, const char *phone, const char *office,
                 const char *email, const char *web, const char *desc)
{
    CTeacher t;
    t.SetFirstName(QString::fromUtf8(first));
    t.SetLastName(QString::fromUtf8(last));
    t.SetPhone(QString::fromUtf8(phone));
    t.SetOffice(QString::fromUtf8(office));
    t.SetEmail(QString::fromUtf8(email));
    t.SetWebsite(QString::fromUtf8(web));
    t.SetDescription(QString::fromUtf8(desc));
    return t;
}

CClassTime Meeting(int day, int hour, int minute, int duration)
{
    CClassTime t;
    t.m_nDay = day;
    t.m_nHour = hour;
    t.m_nMinute = minute;
    t.m_nDuration = duration;
    return t;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillbox_sample DIR [YYYY-MM-DD]\n");
        return 2;
    }
    SetDataDir(QString::fromLocal8Bit(argv[1]));
    QDate centre = QDate::currentDate();
    if (argc > 2)
        centre = QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate);
    if (!centre.isValid()) {
        std::fprintf(stderr, "quillbox_sample: bad date\n");
        return 2;
    }
    auto at = [&](int dayOffset, int hour, int minute) {
        const QDate d = centre.addDays(dayOffset);
        return CTime::FromLocal(d.year(), d.month(), d.day(), hour, minute, 0);
    };

    CTeacherArray teachers = {
        Teacher("Maria", "Alvarez", "555-0142", "Science Hall 210", "alvarez@school.edu",
                "www.school.edu/~alvarez", "Office hours Tuesday and Thursday after class."),
        Teacher("James", "Okafor", "555-0177", "Math Building 4", "okafor@school.edu", "",
                "Brings donuts before every test."),
        Teacher("Helen", "Nguyen", "", "Humanities 118", "nguyen@school.edu", "", ""),
        Teacher("", "Kowalski", "555-0103", "", "", "", "Lab safety first."),
        Teacher("Rosa", "Bianchi", "555-0199", "Language Lab", "bianchi@school.edu",
                "www.school.edu/spanish", "Speaks only Spanish in class."),
    };

    struct Rem {
        const char *name;
        int type, day, hour, minute;
        double earned, possible;
        bool done, high;
    };
    struct Cls {
        const char *name, *location, *desc;
        int teacher;
        bool graded;
        double credits;
        std::vector<CClassTime> times;
        std::vector<Rem> rems;
    };
    const std::vector<Cls> classes = {
        {"Biology",
         "Science Hall 101",
         "Cells, genetics and evolution.",
         0,
         true,
         4,
         {Meeting(2, 9, 0, 50), Meeting(4, 9, 0, 50), Meeting(6, 9, 0, 50)},
         {{"Lab report 3", 13, -9, 9, 0, 46, 50, true, false},
          {"Quiz 4", 11, -2, 9, 0, 8, 10, true, false},
          {"Cell diagram", 1, 1, 9, 0, 0, 20, false, false},
          {"Midterm", 15, 5, 9, 0, 0, 100, false, true},
          {"Read ch. 7", 12, 8, 9, 0, 0, 0, false, false},
          {"Lab report 4", 13, 12, 9, 0, 0, 50, false, false},
          {"Final exam", 15, 26, 8, 0, 0, 150, false, true},
          {"Lab report 2", 13, -23, 9, 0, 44, 50, true, false},
          {"Quiz 3", 11, -16, 9, 0, 7, 10, true, false},
          {"Field trip form", 0, 3, 8, 0, 0, 0, false, false}}},
        {"Calculus II",
         "Math Building 2",
         "Integration and series.",
         1,
         true,
         4,
         {Meeting(3, 11, 0, 75), Meeting(5, 11, 0, 75)},
         {{"Problem set 8", 9, -6, 23, 59, 18, 20, true, false},
          {"Problem set 9", 9, 0, 23, 59, 0, 20, false, false},
          {"Quiz 5", 11, 2, 11, 0, 0, 15, false, false},
          {"Problem set 10", 9, 7, 23, 59, 0, 20, false, false},
          {"Series test", 15, 9, 11, 0, 0, 100, false, true},
          {"Study group", 4, 4, 19, 0, 0, 0, false, false},
          {"Problem set 7", 9, -13, 23, 59, 19, 20, true, false},
          {"Quiz 4", 11, -9, 11, 0, 12, 15, true, false},
          {"Problem set 11", 9, 14, 23, 59, 0, 20, false, false}}},
        {"English Lit",
         "Humanities 204",
         "The novel from Austen to Woolf.",
         2,
         true,
         3,
         {Meeting(2, 13, 0, 50), Meeting(4, 13, 0, 50)},
         {{"Essay draft", 13, -4, 17, 0, 27, 30, true, false},
          {"Read Mrs Dalloway", 12, 1, 13, 0, 0, 0, false, false},
          {"Presentation", 8, 6, 13, 0, 0, 25, false, false},
          {"Final essay", 13, 15, 17, 0, 0, 100, false, true},
          {"Reading quiz", 11, -11, 13, 0, 9, 10, true, false},
          {"Read To the Lighthouse", 12, 8, 13, 0, 0, 0, false, false},
          {"Peer review", 4, 10, 13, 0, 0, 10, false, false}}},
        {"Chemistry",
         "Science Hall 12",
         "General chemistry with lab.",
         3,
         true,
         4,
         {Meeting(3, 14, 0, 110)},
         {{"Titration lab", 10, -1, 14, 0, 38, 40, true, false},
          {"Problem set 6", 9, 3, 8, 0, 0, 30, false, false},
          {"Lab quiz", 11, 10, 14, 0, 0, 10, false, false},
          {"Problem set 5", 9, -10, 8, 0, 26, 30, true, false},
          {"Safety test", 15, -30, 14, 0, 10, 10, true, false},
          {"Final exam", 15, 17, 14, 0, 0, 150, false, true}}},
        {"Spanish",
         "Language Lab",
         "Conversation and grammar.",
         4,
         false,
         3,
         {Meeting(2, 10, 0, 50), Meeting(4, 10, 0, 50), Meeting(6, 10, 0, 50)},
         {{"Vocab 12", 12, 0, 10, 0, 0, 0, false, false},
          {"Oral exam", 15, 11, 10, 0, 0, 0, false, true},
          {"Vocab 13", 12, 7, 10, 0, 0, 0, false, false},
          {"Club dinner", 3, 9, 18, 30, 0, 0, false, false}}},
        {"Soccer",
         "North Field",
         "Varsity practice and games.",
         3,
         false,
         0,
         {Meeting(3, 16, 0, 90), Meeting(5, 16, 0, 90)},
         {{"Away game", 14, 5, 15, 30, 0, 0, false, false},
          {"Team meeting", 5, 2, 18, 0, 0, 0, false, false},
          {"Home game", 14, 12, 15, 30, 0, 0, false, false},
          {"Fitness test", 7, 1, 16, 0, 0, 0, false, false}}},
    };

    CStudent student;
    for (const Cls &c : classes) {
        CClass cls;
        cls.SetName(QString::fromUtf8(c.name));
        cls.SetLocation(QString::fromUtf8(c.location));
        cls.SetDescription(QString::fromUtf8(c.desc));
        cls.SetTeacher(teachers[c.teacher]);
        cls.m_bGraded = c.graded;
        cls.m_dCredits = c.credits;
        cls.m_dTotalPoints = c.graded ? 500 : 0;
        for (const CClassTime &t : c.times)
            cls.m_classTimes.append(t);
        for (const Rem &r : c.rems) {
            CAssignment a;
            a.SetName(QString::fromUtf8(r.name));
            a.m_nType = r.type;
            a.SetDueTime(at(r.day, r.hour, r.minute));
            a.m_dPointsEarned = r.earned;
            a.m_dPointsPossible = r.possible;
            a.m_bDone = r.done;
            a.m_bHighPriority = r.high;
            a.SetDescription(QStringLiteral("Bring the textbook and notes. Check the course page "
                                            "for the exact pages and any changes."));
            cls.AddReminder(a);
        }
        cls.SortReminders();
        student.AddClass(cls);
    }
    const SaveReport report = SaveData(student, teachers);
    if (!report.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(report.message()));
        return 1;
    }
    return 0;
}
