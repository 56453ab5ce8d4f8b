// Transfer reminder, Transfer instructor and Export term: the texts written, what the user is
// told, failures; the local zone; line folding.

#include "commands/transfer.h"
#include "export/ical.h"
#include "export/pimstore.h"
#include "export/vcard.h"
#include "support/files.h"
#include "support/pinnedclock.h"
#include "support/scripteddialogs.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A calendar's items in one line each, unfolded, without the calendar's own lines, the zone's
// rules and the stamps. "UID:" lines go to `uids` when asked for, else they are dropped.
QStringList Items(const QByteArray &ics, QStringList *uids = nullptr)
{
    QStringList items;
    bool inZone = false;
    for (const QString &line :
         QString::fromUtf8(ics).replace("\r\n ", "").split("\r\n", Qt::SkipEmptyParts)) {
        inZone = (inZone || line == "BEGIN:VTIMEZONE") && line != "END:VTIMEZONE";
        if (line.startsWith("UID:") && uids)
            *uids << line.mid(4);
        else if (line.startsWith("BEGIN:VTODO") || line.startsWith("BEGIN:VEVENT"))
            items << line.mid(6);
        else if (!inZone && !items.isEmpty() && !line.startsWith("END:V") &&
                 !line.startsWith("UID:") && !line.startsWith("DTSTAMP:"))
            items.last() += " " + line;
    }
    return items;
}

CAssignment Described(CAssignment a, const QString &description)
{
    a.m_strDescription = description;
    return a;
}

CStudent Term(const CClassTimeArray &times, const CAssignmentArray &bio,
              const CAssignmentArray &chem = {})
{
    CStudent s;
    s.m_classes.resize(2);
    s.m_classes[0].m_strName = "Biology";
    s.m_classes[0].m_classTimes = times;
    s.m_classes[0].m_reminders = bio;
    s.m_classes[0].m_teacher = {"Ada", "Okafor, Jr.", "", "", "", "Hall 2; room 4", ""};
    s.m_classes[1].m_strName = "Chemistry";
    s.m_classes[1].m_reminders = chem;
    return s;
}
const CStudent kOne = Term({}, {Rem("Lab 3", At(2024, 1, 15, 9, 30))});

QStringList Files(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

QStringList Texts(const ScriptedPrompter &p)
{
    QStringList out;
    for (const auto &s : p.shown)
        out << s.caption + ": " + s.text;
    return out;
}

TEST(TransferReminder, WritesWhatTheSettingsAskForWithEveryField)
{
    const QString unicode = QString::fromUtf8("Ünïcødé 日本語 😀");
    const struct {
        int asTask, asAppointment;
        const char *message;
        CAssignment a;
        QString task, event;
    } rows[] = {
        {1, 0, "Added Reminder to Tasks.", Rem("Lab 3", At(2024, 1, 15, 9, 30)),
         "VTODO SUMMARY:Biology - Lab 3 DUE;TZID=America/New_York:20240115T093000 "
         "STATUS:NEEDS-ACTION",
         ""},
        {0, 1, "Added Reminder to Appointments.",
         Described(Rem("Lab 3", At(2024, 7, 1, 23, 59), true, true), "a, b; c\\d\r\nline two"), "",
         "VEVENT DTSTART;TZID=America/New_York:20240701T235900 SUMMARY:Biology - Lab 3 "
         "DESCRIPTION:a\\, b\\; c\\\\d\\nline two"},
        {1, 1, "Added Reminder to Tasks and Appointments.",
         Described(Rem(unicode, At(2024, 3, 12, 9, 30), true, true), unicode),
         "VTODO SUMMARY:Biology - " + unicode +
             " PRIORITY:1 DUE;TZID=America/New_York:20240312T093000 STATUS:COMPLETED DESCRIPTION:" +
             unicode,
         "VEVENT DTSTART;TZID=America/New_York:20240312T093000 SUMMARY:Biology - " + unicode +
             " DESCRIPTION:" + unicode},
        {0, 0, nullptr, Rem("Lab 3", At(2024, 1, 15, 9, 30)), "", ""},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.a.m_strName.toStdString());
        QTemporaryDir pim;
        ScriptedPrompter p;
        EXPECT_EQ(TransferReminder(Term({}, {r.a}), 0, 0, r.asTask, r.asAppointment, pim.path(), p),
                  !!r.message);
        EXPECT_EQ(Texts(p),
                  r.message ? QStringList{QString("Quillbox: ") + r.message} : QStringList());
        for (const auto &[sub, wanted] :
             {std::pair{kTasksFolder, r.task}, {kCalendarFolder, r.event}}) {
            const QDir dir(QDir(pim.path()).filePath(sub));
            const QStringList files = Files(dir.path());
            ASSERT_EQ(files.size(), wanted.isEmpty() ? 0 : 1);
            if (wanted.isEmpty())
                continue;
            const QByteArray text = ReadBytes(dir.filePath(files[0]));
            EXPECT_TRUE(text.contains("BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\n"));
            QStringList uids;
            EXPECT_EQ(Items(text, &uids), QStringList{wanted});
            EXPECT_EQ(uids, QStringList{QFileInfo(files[0]).completeBaseName()}); // vdir naming
        }
    }
}

TEST(Transfer, WithoutASelectionNothingHappens)
{
    QTemporaryDir pim;
    ScriptedPrompter p;
    for (auto [c, r] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 1}})
        EXPECT_FALSE(TransferReminder(kOne, c, r, 1, 1, pim.path(), p));
    for (int c : {-1, 2})
        EXPECT_FALSE(TransferInstructor(kOne, c, QString(), pim.path(), p));
    EXPECT_TRUE(p.shown.empty());
    EXPECT_TRUE(QDir(pim.path()).isEmpty());
}

TEST(TransferInstructor, WritesTheCardAndSaysSo)
{
    const struct {
        CTeacher teacher; // first, last, description, phone, web, office, email
        const char *school, *card;
    } rows[] = {
        {kOne.m_classes[0].m_teacher, "",
         "N:Okafor\\, Jr.;Ada;;;\r\nFN:Ada Okafor\\, Jr.\r\nSORT-STRING:Okafor\\, Jr.\r\n"
         "TITLE:Teacher\r\nADR;TYPE=WORK:;Hall 2\\; room 4;;;;;\r\n"},
        {{"", "Li", "Office hours", "555-0100", "https://x.example/a\nb", "", "li@x.example"},
         "Lincoln High",
         "N:Li;;;;\r\nFN:Li\r\nSORT-STRING:Li\r\nORG:Lincoln High\r\n"
         "TEL;TYPE=WORK,VOICE:555-0100\r\nTITLE:Teacher\r\nURL:https://x.example/a b\r\n"
         "EMAIL;TYPE=INTERNET,WORK:li@x.example\r\n"},
        {CTeacher(), "", "N:;;;;\r\nFN:Instructor\r\nTITLE:Teacher\r\n"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.card);
        CStudent s = kOne;
        s.m_classes[0].m_teacher = r.teacher;
        QTemporaryDir pim;
        ScriptedPrompter p;
        EXPECT_TRUE(TransferInstructor(s, 0, r.school, pim.path(), p));
        EXPECT_EQ(Texts(p), QStringList{"Quillbox: Added Instructor to Contacts."});
        const QDir dir(QDir(pim.path()).filePath(kContactsFolder));
        ASSERT_EQ(Files(dir.path()).size(), 1);
        const QString file = Files(dir.path())[0];
        EXPECT_EQ(ReadBytes(dir.filePath(file)), "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" +
                                                     QFileInfo(file).completeBaseName().toLatin1() +
                                                     "\r\n" + r.card + "END:VCARD\r\n");
    }
}

// A regular file where a folder should be: it cannot be created, even by root.
TEST(Transfer, FailureIsReportedAndLeavesNothing)
{
    const struct {
        const char *blocked, *message; // blocked under the store ("": the store itself)
        bool instructor = false;
    } rows[] = {
        {"", "The reminder was not transferred: the folder %1/tasks cannot be created."},
        // The task was written first and is removed again.
        {"calendar", "The reminder was not transferred: the folder %1/calendar cannot be created."},
        {"contacts",
         "The instructor was not transferred: the folder %1/contacts cannot be created.", true},
    };
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString pim = dir.filePath(QStringLiteral("pim"));
        if (*r.blocked)
            QDir().mkpath(pim);
        WriteBytes(*r.blocked ? QDir(pim).filePath(r.blocked) : pim, "x");
        ScriptedPrompter p;
        EXPECT_FALSE(r.instructor ? TransferInstructor(kOne, 0, "", pim, p)
                                  : TransferReminder(kOne, 0, 0, 1, 1, pim, p));
        EXPECT_EQ(Texts(p), QStringList{"Quillbox: " + QString(r.message).arg(pim)});
        EXPECT_TRUE(Files(QDir(pim).filePath(kTasksFolder)).isEmpty());
    }
}

TEST(Card, EscapesTextAndFoldsAt75OctetsWithoutSplittingACharacter)
{
    EXPECT_EQ(EscapeCardText("a,b;c\\d\r\ne\nf\rg"), "a\\,b\\;c\\\\d\\ne\\nf\\ng");
    const QByteArray a74(74, 'a');
    const QByteArray rows[][2] = {
        {a74 + "a", a74 + "a"},
        {a74 + "ab", a74 + "a\r\n b"},
        {a74 + "\xC3\xA9", a74 + "\r\n \xC3\xA9"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(FoldLine(r[0]), r[1]);
}

TEST(LocalZone, FollowsTzAsTheCLibraryDoes)
{
    const struct {
        const char *tz, *name;
    } rows[] = {
        {"America/New_York", "America/New_York"},
        {":Europe/Paris", "Europe/Paris"},
        {"/usr/share/zoneinfo/Asia/Tokyo", "Asia/Tokyo"},
        {"", "Etc/UTC"},
        {"XYZ-3", ""}, // a rule, not a zone: times are written floating
    };
    for (const auto &r : rows) {
        qputenv("TZ", r.tz);
        tzset();
        EXPECT_EQ(LocalZoneName(), r.name) << r.tz;
        const QString due = Items(BuildTermCalendar(kOne, std::nullopt).text).value(0);
        EXPECT_TRUE(due.contains(*r.name ? QString(" DUE;TZID=") + r.name + ":2024" : " DUE:2024"))
            << due.toStdString();
    }
    qputenv("TZ", "America/New_York");
    tzset();
}

// Three meetings, at the edges of a week and a day, and damaged ones; reminders from Monday
// 3/4/2024 to Wednesday 4/24/2024. (Weekdays and times as a calendar shows them: pim_tools_test.)
const CStudent kTerm =
    Term({{2, 9, 0, 50},
          {7, 23, 59, 0},
          {1, 0, 0, 1},
          {0, 9, 0, 50},
          {8, 9, 0, 50},
          {2, -1, 0, 50},
          {2, 24, 0, 50},
          {2, 9, -1, 50},
          {2, 9, 60, 50}},
         {Rem("Quiz", At(2024, 3, 4, 10, 0))}, {Rem("Final", At(2024, 4, 24, 12, 0), false, true)});

// The damaged meetings are left out; a reminder not done yet has an alarm the day before.
TEST(TermCalendar, WeeklyMeetingsAndRemindersWithAlarms)
{
    EXPECT_EQ(Items(BuildTermCalendar(kTerm, std::nullopt).text),
              QStringList({"VEVENT DTSTART;TZID=America/New_York:20240304T090000 DURATION:PT50M "
                           "RRULE:FREQ=WEEKLY;UNTIL=20240425T035959Z SUMMARY:Biology",
                           "VEVENT DTSTART;TZID=America/New_York:20240309T235900 "
                           "RRULE:FREQ=WEEKLY;UNTIL=20240425T035959Z SUMMARY:Biology",
                           "VEVENT DTSTART;TZID=America/New_York:20240310T000000 DURATION:PT1M "
                           "RRULE:FREQ=WEEKLY;UNTIL=20240425T035959Z SUMMARY:Biology",
                           "VTODO SUMMARY:Biology - Quiz DUE;TZID=America/New_York:20240304T100000 "
                           "STATUS:NEEDS-ACTION BEGIN:VALARM ACTION:DISPLAY "
                           "TRIGGER;RELATED=END:-P1D DESCRIPTION:Biology - Quiz",
                           "VTODO SUMMARY:Chemistry - Final "
                           "DUE;TZID=America/New_York:20240424T120000 STATUS:COMPLETED"}));
}

QStringList Uids(const CStudent &s, std::optional<QDate> end = std::nullopt)
{
    QStringList uids;
    Items(BuildTermCalendar(s, end).text, &uids);
    return uids;
}

TEST(TermCalendar, UidsStayTheSameWhenTheTermChanges)
{
    CStudent s = kTerm;
    s.m_classes[0].m_classTimes << s.m_classes[0].m_classTimes[0]; // the same meeting twice
    const QStringList first = Uids(s);
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), 6);
    EXPECT_EQ(first[3], QString(first[0]).replace("@", "-2@"));

    PinnedClock later(At(2030, 1, 1, 0, 0));
    s.m_classes[0].m_reminders[0].m_timeDue = At(2024, 3, 6, 10, 0);
    s.m_classes[0].m_classTimes[1].m_nDuration = 90;
    EXPECT_EQ(Uids(s, QDate(2024, 6, 1)), first);
}

TEST(ExportTerm, TellsWhatWasWrittenOrWhyNot)
{
    PinnedClock now(At(2024, 3, 1, 12, 0)); // a Friday
    QTemporaryDir dir;
    const QString good = dir.filePath("term.ics"), bad = dir.filePath("none/term.ics");
    const CStudent noReminders = Term(kTerm.m_classes[0].m_classTimes, {});
    const struct {
        CStudent student;
        std::optional<QDate> end;
        QString path, message;
    } rows[] = {
        {CStudent(), QDate(2024, 6, 1), good, "The term has no classes to export."},
        {noReminders,
         {},
         good,
         "The term has no reminders yet, so its last day is not known. Choose the day the term "
         "ends."},
        {kTerm, QDate(2024, 3, 3), good,
         "The term end, 3/3/2024, is before the term's first day, 3/4/2024."},
        {kTerm, {}, bad, "The term was not exported: " + bad + " cannot be written ("},
        {noReminders, QDate(2024, 3, 2), good, // from today, a Friday, to Saturday
         "The term was exported to " + good + ".\nWeekly class meetings: 1\nReminders: 0"},
        {kTerm, QDate(2024, 3, 4), good,
         "The term was exported to " + good + ".\nWeekly class meetings: 1\nReminders: 2"},
    };
    for (const auto &r : rows) {
        QFile::remove(good);
        ScriptedPrompter p;
        const bool exported = ExportTerm(r.student, r.path, r.end, p);
        EXPECT_EQ(exported, QFileInfo::exists(good));
        ASSERT_EQ(p.shown.size(), 1u);
        EXPECT_TRUE(p.shown[0].text.startsWith(r.message)) << p.shown[0].text.toStdString();
    }
}

} // namespace
