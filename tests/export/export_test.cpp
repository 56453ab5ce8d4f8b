// The iCalendar texts of a reminder and of the whole term, read back with libical; the local
// zone; the vCard text; the headless --export-ics.

#include "export/ical.h"
#include "export/pimstore.h"
#include "export/vcard.h"
#include "ics.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

constexpr char kZone[] = "America/New_York"; // ctest runs the tests in this zone

CTime Local(int y, int mo, int d, int h, int mi) { return CTime::FromLocal(y, mo, d, h, mi, 0); }

CAssignment Reminder(const QString &name, CTime due, bool high = false, bool done = false,
                     const QString &description = QString())
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bHighPriority = high;
    a.m_bDone = done;
    a.m_strDescription = description;
    return a;
}

CClass Class(const QString &name, const CClassTimeArray &times, const CAssignmentArray &reminders)
{
    CClass c;
    c.m_strName = name;
    c.m_strLocation = QStringLiteral("Hall 2");
    c.m_classTimes = times;
    c.m_reminders = reminders;
    return c;
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

// Sets TZ for a scope.
class ZoneScope {
public:
    explicit ZoneScope(const char *tz) : m_old(qgetenv("TZ"))
    {
        qputenv("TZ", tz);
        tzset();
    }
    ~ZoneScope()
    {
        qputenv("TZ", m_old);
        tzset();
    }

private:
    QByteArray m_old;
};

TEST(ReminderCalendar, CarriesEveryFieldInTheLocalZone)
{
    // (libical's reader drops trailing blanks, so the text ends with a letter.)
    const QString longText = QString::fromUtf8("Ünïcødé 日本語 ").repeated(12) + "end";
    struct Row {
        QString name, description, descriptionBack;
        CTime due;
        bool high, done;
    } rows[] = {
        {"Lab 3", "Pages 4-9", "Pages 4-9", Local(2024, 1, 15, 9, 30), false, false},
        {"Lab 3", "a, b; c\\d\r\nline two", "a, b; c\\d\nline two", Local(2024, 7, 1, 23, 59), true,
         true},
        {longText, longText, longText, Local(2024, 11, 4, 1, 30), false, true},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        const CClass cls = Class(QStringLiteral("Biology"), {}, {});
        const CAssignment a = Reminder(r.name, r.due, r.high, r.done, r.description);
        const QString summary = QStringLiteral("Biology - ") + r.name;

        const QByteArray taskText = ReminderTaskCalendar(cls, a, QStringLiteral("t-1"));
        const Ics task(taskText);
        ASSERT_TRUE(task.valid());
        EXPECT_TRUE(LinesFit(taskText));
        EXPECT_EQ(task.zoneId(), kZone);
        ASSERT_EQ(task.items(ICAL_VTODO_COMPONENT).size(), 1u);
        icalcomponent *todo = task.items(ICAL_VTODO_COMPONENT).front();
        EXPECT_EQ(Ics::Prop(todo, ICAL_UID_PROPERTY), "t-1");
        EXPECT_EQ(Ics::Prop(todo, ICAL_SUMMARY_PROPERTY), summary);
        EXPECT_EQ(Ics::Prop(todo, ICAL_PRIORITY_PROPERTY), r.high ? "1" : "-");
        EXPECT_EQ(Ics::Prop(todo, ICAL_STATUS_PROPERTY), r.done ? "COMPLETED" : "NEEDS-ACTION");
        EXPECT_EQ(Ics::Prop(todo, ICAL_DESCRIPTION_PROPERTY), r.descriptionBack);
        EXPECT_EQ(Ics::Tzid(todo, ICAL_DUE_PROPERTY), kZone);
        EXPECT_EQ(Ics::Instant(icalcomponent_get_due(todo)), r.due);

        const QByteArray eventText = ReminderEventCalendar(cls, a, QStringLiteral("e-1"));
        const Ics event(eventText);
        ASSERT_TRUE(event.valid());
        EXPECT_TRUE(LinesFit(eventText));
        EXPECT_EQ(event.zoneId(), kZone);
        ASSERT_EQ(event.items(ICAL_VEVENT_COMPONENT).size(), 1u);
        icalcomponent *ev = event.items(ICAL_VEVENT_COMPONENT).front();
        EXPECT_EQ(Ics::Prop(ev, ICAL_UID_PROPERTY), "e-1");
        EXPECT_EQ(Ics::Prop(ev, ICAL_SUMMARY_PROPERTY), summary);
        EXPECT_EQ(Ics::Prop(ev, ICAL_DESCRIPTION_PROPERTY), r.descriptionBack);
        EXPECT_EQ(Ics::Tzid(ev, ICAL_DTSTART_PROPERTY), kZone);
        EXPECT_EQ(Ics::Instant(icalcomponent_get_dtstart(ev)), r.due);
        EXPECT_EQ(Ics::Prop(ev, ICAL_DTEND_PROPERTY), "-");
    }
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
        {"XYZ-3", ""}, // a rule, not a zone: nothing to name
    };
    for (const auto &r : rows) {
        ZoneScope zone(r.tz);
        EXPECT_EQ(LocalZoneName(), QString::fromLatin1(r.name)) << r.tz;
    }
}

TEST(LocalZone, UnnamedZoneWritesFloatingWallClockTimes)
{
    ZoneScope zone("XYZ-3");
    const CAssignment a = Reminder(QStringLiteral("Quiz"), Local(2024, 3, 5, 14, 45));
    const Ics ics(ReminderTaskCalendar(Class(QStringLiteral("Art"), {}, {}), a, QStringLiteral("u")));
    ASSERT_TRUE(ics.valid());
    EXPECT_EQ(ics.zoneId(), "");
    icalcomponent *todo = ics.items(ICAL_VTODO_COMPONENT).front();
    EXPECT_EQ(Ics::Tzid(todo, ICAL_DUE_PROPERTY), "");
    EXPECT_EQ(Ics::Prop(todo, ICAL_DUE_PROPERTY), "20240305T144500");
}

// Biology: Monday 9:00 and Thursday 14:30; Chemistry: Tuesday 8:00 without a length.
// Reminders from Monday 3/4/2024 to Wednesday 4/24/2024.
CStudent Term()
{
    CStudent s;
    s.m_classes = {
        Class(QStringLiteral("Biology"), {Meeting(2, 9, 0, 50), Meeting(5, 14, 30, 75)},
              {Reminder(QStringLiteral("Quiz"), Local(2024, 3, 4, 10, 0), true)}),
        Class(QStringLiteral("Chemistry"), {Meeting(3, 8, 0, 0)},
              {Reminder(QStringLiteral("Final"), Local(2024, 4, 24, 12, 0), false, true)}),
    };
    return s;
}

void CollectSpan(icalcomponent *, struct icaltime_span *span, void *data)
{
    static_cast<std::vector<CTime> *>(data)->push_back(CTime(span->start));
}

TEST(TermCalendar, MeetingsRepeatWeeklyFromTheFirstToTheLastReminder)
{
    const TermCalendar term = BuildTermCalendar(Term(), std::nullopt);
    ASSERT_EQ(term.error, "");
    EXPECT_EQ(term.meetings, 3);
    EXPECT_EQ(term.reminders, 2);
    EXPECT_TRUE(LinesFit(term.text));
    const Ics ics(term.text);
    ASSERT_TRUE(ics.valid());
    EXPECT_EQ(ics.zoneId(), kZone);

    const struct {
        const char *summary;
        int weekday, hour, minute; // 1 = Sunday
        const char *duration;
        int count;
        CTime first;
    } rows[] = {
        {"Biology", 2, 9, 0, "PT50M", 8, Local(2024, 3, 4, 9, 0)},
        {"Biology", 5, 14, 30, "PT1H15M", 7, Local(2024, 3, 7, 14, 30)},
        {"Chemistry", 3, 8, 0, "-", 8, Local(2024, 3, 5, 8, 0)},
    };
    const auto events = ics.items(ICAL_VEVENT_COMPONENT);
    ASSERT_EQ(events.size(), std::size(rows));
    for (size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        const auto &r = rows[i];
        icalcomponent *ev = events[i];
        EXPECT_EQ(Ics::Prop(ev, ICAL_SUMMARY_PROPERTY), r.summary);
        EXPECT_EQ(Ics::Prop(ev, ICAL_LOCATION_PROPERTY), "Hall 2");
        EXPECT_EQ(Ics::Prop(ev, ICAL_DURATION_PROPERTY), r.duration);
        EXPECT_EQ(Ics::Tzid(ev, ICAL_DTSTART_PROPERTY), kZone);
        std::vector<CTime> starts;
        icalcomponent_foreach_recurrence(ev, icaltime_from_timet_with_zone(0, 0, nullptr),
                                         icaltime_from_timet_with_zone(2000000000, 0, nullptr),
                                         CollectSpan, &starts);
        ASSERT_EQ(starts.size(), size_t(r.count));
        EXPECT_EQ(starts.front(), r.first);
        for (CTime t : starts) { // the same wall-clock time on both sides of daylight saving
            EXPECT_EQ(t.GetDayOfWeek(), r.weekday);
            EXPECT_EQ(t.GetHour() * 60 + t.GetMinute(), r.hour * 60 + r.minute);
        }
    }

    const auto todos = ics.items(ICAL_VTODO_COMPONENT);
    ASSERT_EQ(todos.size(), 2u);
    const auto alarmOf = [](icalcomponent *todo) {
        return icalcomponent_get_first_component(todo, ICAL_VALARM_COMPONENT);
    };
    EXPECT_EQ(Ics::Prop(todos[0], ICAL_SUMMARY_PROPERTY), "Biology - Quiz");
    EXPECT_EQ(Ics::Instant(icalcomponent_get_due(todos[0])), Local(2024, 3, 4, 10, 0));
    icalcomponent *alarm = alarmOf(todos[0]);
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(Ics::Prop(alarm, ICAL_TRIGGER_PROPERTY), "-P1D");
    icalproperty *trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    icalparameter *related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
    ASSERT_NE(related, nullptr);
    EXPECT_EQ(icalparameter_get_related(related), ICAL_RELATED_END);
    EXPECT_EQ(Ics::Prop(alarm, ICAL_ACTION_PROPERTY), "DISPLAY");
    EXPECT_EQ(Ics::Prop(todos[1], ICAL_STATUS_PROPERTY), "COMPLETED");
    EXPECT_EQ(alarmOf(todos[1]), nullptr); // done: nothing to remind of
}

QStringList Uids(const QByteArray &text)
{
    const Ics ics(text);
    QStringList uids;
    for (auto kind : {ICAL_VEVENT_COMPONENT, ICAL_VTODO_COMPONENT})
        for (icalcomponent *c : ics.items(kind))
            uids << Ics::Prop(c, ICAL_UID_PROPERTY);
    return uids;
}

TEST(TermCalendar, UidsStayTheSameWhenTheTermChanges)
{
    CStudent s = Term();
    s.m_classes[0].m_classTimes << Meeting(2, 9, 0, 50); // the same meeting twice
    const QStringList first = Uids(BuildTermCalendar(s, std::nullopt).text);
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), first.size());

    PinnedClock later(Local(2030, 1, 1, 0, 0));
    s.m_classes[0].m_reminders[0].m_timeDue = Local(2024, 3, 6, 10, 0);
    s.m_classes[0].m_classTimes[1].m_nDuration = 90;
    s.m_classes[1].m_reminders[0].m_bDone = 0;
    EXPECT_EQ(Uids(BuildTermCalendar(s, QDate(2024, 6, 1)).text), first);

    // A renamed class is a new class: its meeting and its reminder get new UIDs.
    s.m_classes[1].m_strName = QStringLiteral("Physics");
    const QStringList renamed = Uids(BuildTermCalendar(s, std::nullopt).text);
    EXPECT_EQ(QSet<QString>(renamed.begin(), renamed.end())
                  .intersect(QSet<QString>(first.begin(), first.end()))
                  .size(),
              first.size() - 2);
}

TEST(TermCalendar, SaysWhyItCannotBeBuilt)
{
    PinnedClock now(Local(2024, 3, 1, 12, 0));
    CStudent noReminders = Term();
    for (CClass &c : noReminders.m_classes)
        c.m_reminders.clear();
    const struct {
        CStudent student;
        std::optional<QDate> end;
        const char *error;
        int meetings;
    } rows[] = {
        {CStudent(), QDate(2024, 6, 1), "The term has no classes to export.", 0},
        {noReminders, std::nullopt,
         "The term has no reminders yet, so its last day is not known. Choose the day the term "
         "ends.",
         0},
        {Term(), QDate(2024, 3, 3), "The term end, 3/3/2024, is before the term's first day, 3/4/2024.",
         0},
        {noReminders, QDate(2024, 3, 5), "", 2}, // from today: Monday and Tuesday, not Thursday
        {Term(), QDate(2024, 3, 4), "", 1},
    };
    for (const auto &r : rows) {
        const TermCalendar term = BuildTermCalendar(r.student, r.end);
        EXPECT_EQ(term.error, r.error);
        EXPECT_EQ(term.meetings, r.meetings) << r.error;
        EXPECT_EQ(term.text.isEmpty(), *r.error != 0);
    }
}

TEST(TermFile, FailureLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/term.ics"));
    const ExportResult r = WriteTermCalendar(Term(), path, std::nullopt);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("The term was not exported: ") +
                                   QDir::toNativeSeparators(path) +
                                   QStringLiteral(" cannot be written (")))
        << r.error.toStdString();
    EXPECT_TRUE(r.written.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

TEST(Card, EscapesTextAndFoldsWithoutSplittingACharacter)
{
    const struct {
        const char *in, *out;
    } texts[] = {
        {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"one\r\ntwo\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"Zoë 李", "Zoë 李"},
    };
    for (const auto &t : texts)
        EXPECT_EQ(EscapeCardText(QString::fromUtf8(t.in)), QString::fromUtf8(t.out));

    const QByteArray pieces[] = {"a", "\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80"};
    for (int n = 1; n < 120; ++n) {
        QByteArray line = "NOTE:";
        for (int i = 0; i < n; ++i)
            line += pieces[(i * 7 + n) % 4];
        const QByteArray folded = FoldLine(line);
        ASSERT_TRUE(LinesFit(folded + "\r\n")) << n;
        for (const QByteArray &part : folded.split('\n'))
            ASSERT_EQ(QString::fromUtf8(part).toUtf8(), part) << n; // whole characters only
        ASSERT_EQ(QByteArray(folded).replace("\r\n ", ""), line) << n;
    }
}

TEST(Card, InstructorCardBytes)
{
    CTeacher t;
    t.m_strFirstName = QStringLiteral("Ada");
    t.m_strLastName = QStringLiteral("Okafor, Jr.");
    t.m_strPhone = QStringLiteral("555-0100");
    t.m_strWebsite = QStringLiteral("https://example.org/a,b");
    t.m_strOffice = QStringLiteral("Science Hall 204; 2nd floor");
    t.m_strEmail = QStringLiteral("ada@example.org");
    const QByteArray common = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-1\r\n"
                              "N:Okafor\\, Jr.;Ada;;;\r\nFN:Ada Okafor\\, Jr.\r\n"
                              "SORT-STRING:Okafor\\, Jr.\r\n";
    const QByteArray rest = "TEL;TYPE=WORK,VOICE:555-0100\r\nTITLE:Teacher\r\n"
                            "URL:https://example.org/a,b\r\n"
                            "ADR;TYPE=WORK:;Science Hall 204\\; 2nd floor;;;;;\r\n"
                            "EMAIL;TYPE=INTERNET,WORK:ada@example.org\r\nEND:VCARD\r\n";
    EXPECT_EQ(InstructorCard(t, QString(), QStringLiteral("u-1")), common + rest);
    EXPECT_EQ(InstructorCard(t, QStringLiteral("Lincoln High"), QStringLiteral("u-1")),
              common + "ORG:Lincoln High\r\n" + rest);

    CTeacher bare;
    bare.m_strLastName = QStringLiteral("Li");
    EXPECT_EQ(InstructorCard(bare, QString(), QStringLiteral("u-2")),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u-2\r\nN:Li;;;;\r\nFN:Li\r\n"
              "SORT-STRING:Li\r\nTITLE:Teacher\r\nEND:VCARD\r\n");
}

TEST(Headless, ExportIcsExitsWithTwoForMistakesAndOneForFailures)
{
    QTemporaryDir data, empty, out;
    SetDataDir(data.path());
    ASSERT_TRUE(SaveData(Term(), CTeacherArray()).ok());
    SetDataDir(QString());
    const QString ics = out.filePath(QStringLiteral("term.ics"));
    const QString dataDir = data.path(), emptyDir = empty.path();

    const struct {
        QStringList args;
        int exit;
        const char *stderrHas;
        bool written;
    } rows[] = {
        {{"--export-ics", ics, "--data-dir", dataDir, "--term-end", "2024-05-01"}, 0, "", true},
        {{"--export-ics", ics, "--data-dir", emptyDir}, 1, "studentdef.stn does not exist", false},
        {{"--export-ics", out.filePath("no/term.ics"), "--data-dir", dataDir}, 1,
         "The term was not exported", false},
        {{"--term-end", "2024-05-01"}, 2, "--term-end works only with --export-ics", false},
        {{"--export-ics", ics, "--term-end", "May 1"}, 2, "--term-end wants YYYY-MM-DD", false},
        {{"--export-ics", ics, "--render", ics}, 2, "cannot be used together", false},
        {{"--export-ics", ics, "--data-dir", out.filePath("none")}, 2, "does not exist", false},
    };
    for (const auto &r : rows) {
        QFile::remove(ics);
        QProcess p;
        p.start(QStringLiteral(QUILLBOX_BIN), r.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), r.exit) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(r.stderrHas))) << err.toStdString();
        EXPECT_EQ(QFileInfo::exists(ics), r.written) << r.args.join(' ').toStdString();
        if (r.written) {
            EXPECT_EQ(Ics(ReadBytes(ics)).items(ICAL_VEVENT_COMPONENT).size(), 3u);
        }
    }
}

} // namespace
