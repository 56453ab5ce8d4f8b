// Transfer reminder, Transfer instructor and Export term: the files read back with libical, what
// the user is told, failures; the local zone; line folding.

#include "commands/transfer.h"
#include "export/ical.h"
#include "export/pimstore.h"
#include "export/vcard.h"
#include "support/files.h"
#include "support/pinnedclock.h"
#include "support/scripteddialogs.h"
#include "support/termbuilder.h"

#include <libical/ical.h>

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr char kZone[] = "America/New_York"; // ctest runs the tests in this zone

using Cal = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;
Cal Parse(const QByteArray &t)
{
    return Cal(icalparser_parse_string(t.constData()), icalcomponent_free);
}

std::vector<icalcomponent *> Items(const Cal &cal, icalcomponent_kind kind)
{
    std::vector<icalcomponent *> out;
    for (auto *c = icalcomponent_get_first_component(cal.get(), kind); c;
         c = icalcomponent_get_next_component(cal.get(), kind))
        out.push_back(c);
    return out;
}

// A property's value (text unescaped), "-" when absent; with tzid, its TZID parameter instead.
QString Prop(icalcomponent *c, icalproperty_kind kind, bool tzid = false)
{
    icalproperty *p = icalcomponent_get_first_property(c, kind);
    icalparameter *z = p ? icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER) : nullptr;
    icalvalue *v = p ? icalproperty_get_value(p) : nullptr;
    return !p     ? QStringLiteral("-")
           : tzid ? QString::fromUtf8(z ? icalparameter_get_tzid(z) : "")
                  : QString::fromUtf8(icalvalue_isa(v) == ICAL_TEXT_VALUE
                                          ? icalvalue_get_text(v)
                                          : icalvalue_as_ical_string(v));
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
        int task, appt;
        const char *message;
        CAssignment a;
        QString descriptionBack;
    } rows[] = {
        {1, 0, "Added Reminder to Tasks.", Rem("Lab 3", At(2024, 1, 15, 9, 30)), "-"},
        {0, 1, "Added Reminder to Appointments.",
         Described(Rem("Lab 3", At(2024, 7, 1, 23, 59), true, true), "a, b; c\\d\r\nline two"),
         "a, b; c\\d\nline two"},
        {1, 1, "Added Reminder to Tasks and Appointments.",
         Described(Rem(unicode, At(2024, 3, 12, 9, 30), true, true), unicode), unicode},
        {0, 0, nullptr, Rem("Lab 3", At(2024, 1, 15, 9, 30)), "-"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.a.m_strName.toStdString());
        QTemporaryDir pim;
        ScriptedPrompter p;
        EXPECT_EQ(TransferReminder(Term({}, {r.a}), 0, 0, r.task, r.appt, pim.path(), p),
                  !!r.message);
        EXPECT_EQ(Texts(p),
                  r.message ? QStringList{QString("Quillbox: ") + r.message} : QStringList());
        for (const auto &[sub, kind, wanted] :
             {std::tuple{kTasksFolder, ICAL_VTODO_COMPONENT, r.task},
              {kCalendarFolder, ICAL_VEVENT_COMPONENT, r.appt}}) {
            const QDir dir(QDir(pim.path()).filePath(sub));
            ASSERT_EQ(Files(dir.path()).size(), wanted);
            if (!wanted)
                continue;
            const QByteArray text = ReadBytes(dir.filePath(Files(dir.path())[0]));
            const Cal cal = Parse(text);
            EXPECT_EQ(Prop(Items(cal, ICAL_VTIMEZONE_COMPONENT).at(0), ICAL_TZID_PROPERTY), kZone);
            icalcomponent *item = Items(cal, kind).at(0);
            EXPECT_EQ(Prop(item, ICAL_UID_PROPERTY) + ".ics", Files(dir.path())[0]); // vdir naming
            EXPECT_EQ(Prop(item, ICAL_SUMMARY_PROPERTY), "Biology - " + r.a.m_strName);
            EXPECT_EQ(Prop(item, ICAL_DESCRIPTION_PROPERTY), r.descriptionBack);
            const bool task = kind == ICAL_VTODO_COMPONENT;
            EXPECT_EQ(Prop(item, task ? ICAL_DUE_PROPERTY : ICAL_DTSTART_PROPERTY, true), kZone);
            const icaltimetype t =
                task ? icalcomponent_get_due(item) : icalcomponent_get_dtstart(item);
            EXPECT_EQ(icaltime_as_timet_with_zone(t, icaltime_get_timezone(t)),
                      r.a.m_timeDue.GetTime());
            EXPECT_EQ(Prop(item, ICAL_PRIORITY_PROPERTY), task && r.a.m_bHighPriority ? "1" : "-");
            EXPECT_EQ(Prop(item, ICAL_STATUS_PROPERTY), !task         ? "-"
                                                        : r.a.m_bDone ? "COMPLETED"
                                                                      : "NEEDS-ACTION");
            EXPECT_EQ(Prop(item, ICAL_DTEND_PROPERTY), "-");
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
    for (const char *school : {"", "Lincoln High"}) {
        QTemporaryDir pim;
        ScriptedPrompter p;
        EXPECT_TRUE(TransferInstructor(kOne, 0, school, pim.path(), p));
        EXPECT_EQ(Texts(p), QStringList{"Quillbox: Added Instructor to Contacts."});
        const QDir dir(QDir(pim.path()).filePath(kContactsFolder));
        ASSERT_EQ(Files(dir.path()).size(), 1);
        const QString file = Files(dir.path())[0];
        EXPECT_EQ(
            ReadBytes(dir.filePath(file)),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + QFileInfo(file).completeBaseName().toLatin1() +
                "\r\nN:Okafor\\, Jr.;Ada;;;\r\nFN:Ada Okafor\\, Jr.\r\nSORT-STRING:Okafor\\, "
                "Jr.\r\n" +
                (*school ? QByteArray("ORG:") + school + "\r\n" : "") +
                "TITLE:Teacher\r\nADR;TYPE=WORK:;Hall 2\\; room 4;;;;;\r\nEND:VCARD\r\n");
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
        const Cal cal = Parse(BuildTermCalendar(kOne, std::nullopt).text);
        EXPECT_EQ(Prop(Items(cal, ICAL_VTODO_COMPONENT).at(0), ICAL_DUE_PROPERTY, true), r.name);
    }
    qputenv("TZ", kZone);
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

TEST(TermCalendar, WeeklyMeetingsAndRemindersWithAlarms)
{
    const Cal cal = Parse(BuildTermCalendar(kTerm, std::nullopt).text);
    const auto events = Items(cal, ICAL_VEVENT_COMPONENT);
    ASSERT_EQ(events.size(), 3u); // the damaged meetings are left out
    const char *starts[][2] = {
        {"20240304T090000", "PT50M"}, {"20240309T235900", "-"}, {"20240310T000000", "PT1M"}};
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(Prop(events[i], ICAL_DTSTART_PROPERTY), starts[i][0]);
        EXPECT_EQ(Prop(events[i], ICAL_DURATION_PROPERTY), starts[i][1]);
        EXPECT_EQ(Prop(events[i], ICAL_RRULE_PROPERTY), "FREQ=WEEKLY;UNTIL=20240425T035959Z");
    }
    const auto todos = Items(cal, ICAL_VTODO_COMPONENT);
    ASSERT_EQ(todos.size(), 2u);
    icalcomponent *alarm = icalcomponent_get_first_component(todos[0], ICAL_VALARM_COMPONENT);
    ASSERT_NE(alarm, nullptr); // the day before the due time
    EXPECT_STREQ(
        icalproperty_as_ical_string(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY)),
        "TRIGGER;RELATED=END:-P1D\r\n");
    EXPECT_EQ(icalcomponent_get_first_component(todos[1], ICAL_VALARM_COMPONENT), nullptr); // done
}

QStringList Uids(const CStudent &s, std::optional<QDate> end = std::nullopt)
{
    const Cal cal = Parse(BuildTermCalendar(s, end).text);
    QStringList uids;
    for (auto kind : {ICAL_VEVENT_COMPONENT, ICAL_VTODO_COMPONENT})
        for (icalcomponent *c : Items(cal, kind))
            uids << Prop(c, ICAL_UID_PROPERTY);
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
