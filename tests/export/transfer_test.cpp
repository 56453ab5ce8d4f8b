// Transfer reminder, Transfer instructor and Export term: what is written, what the user is told.

#include "commands/transfer.h"
#include "export/pimstore.h"
#include "ics.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CStudent OneClass()
{
    CClass c;
    c.m_strName = QStringLiteral("Biology");
    c.m_teacher.m_strFirstName = QStringLiteral("Ada");
    c.m_teacher.m_strLastName = QStringLiteral("Okafor");
    CAssignment a;
    a.m_strName = QStringLiteral("Lab 3");
    a.m_timeDue = CTime::FromLocal(2024, 3, 12, 9, 30, 0);
    c.m_reminders << a;
    CClassTime t;
    t.m_nDay = 3;
    c.m_classTimes << t;
    CStudent s;
    s.m_classes << c;
    return s;
}

// Every file (temporaries too) under a folder of the store.
QStringList Files(const QString &pim, const char *sub)
{
    return QDir(QDir(pim).filePath(QString::fromLatin1(sub)))
        .entryList(QDir::Files | QDir::Hidden | QDir::System);
}

QStringList Texts(const ScriptedPrompter &p)
{
    QStringList out;
    for (const auto &s : p.shown) {
        EXPECT_EQ(s.caption, "Quillbox");
        EXPECT_FALSE(s.question);
        out << s.text;
    }
    return out;
}

TEST(TransferReminder, FollowsTheTwoSettings)
{
    const struct {
        int task, appt;
        const char *message;
        int tasks, events;
    } rows[] = {
        {1, 0, "Added Reminder to Tasks.", 1, 0},
        {0, 1, "Added Reminder to Appointments.", 0, 1},
        {1, 1, "Added Reminder to Tasks and Appointments.", 1, 1},
        {0, 0, nullptr, 0, 0},
    };
    for (const auto &r : rows) {
        QTemporaryDir dir;
        ScriptedPrompter p;
        EXPECT_EQ(TransferReminder(OneClass(), 0, 0, r.task, r.appt, dir.path(), p),
                  r.message != nullptr);
        EXPECT_EQ(Texts(p), r.message ? QStringList{r.message} : QStringList());
        EXPECT_EQ(Files(dir.path(), kTasksFolder).size(), r.tasks);
        EXPECT_EQ(Files(dir.path(), kCalendarFolder).size(), r.events);
        for (const char *sub : {kTasksFolder, kCalendarFolder})
            for (const QString &name : Files(dir.path(), sub)) {
                const Ics ics(ReadBytes(QDir(dir.filePath(sub)).filePath(name)));
                ASSERT_TRUE(ics.valid());
                icalcomponent *item = ics.items(sub == kTasksFolder ? ICAL_VTODO_COMPONENT
                                                                    : ICAL_VEVENT_COMPONENT)
                                          .front();
                EXPECT_EQ(Ics::Prop(item, ICAL_UID_PROPERTY) + ".ics", name); // vdir naming
                EXPECT_EQ(Ics::Prop(item, ICAL_SUMMARY_PROPERTY), "Biology - Lab 3");
            }
    }
}

TEST(TransferReminder, TwiceGivesTwoItemsWithTheirOwnUids)
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    for (int i = 0; i < 2; ++i)
        TransferReminder(OneClass(), 0, 0, 1, 1, dir.path(), p);
    EXPECT_EQ(Files(dir.path(), kTasksFolder).size(), 2);
    EXPECT_EQ(Files(dir.path(), kCalendarFolder).size(), 2);
    EXPECT_NE(Files(dir.path(), kTasksFolder), Files(dir.path(), kCalendarFolder));
}

TEST(Transfer, WithoutASelectionNothingHappens)
{
    QTemporaryDir dir;
    ScriptedPrompter p;
    for (auto [c, r] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
        EXPECT_FALSE(TransferReminder(OneClass(), c, r, 1, 1, dir.path(), p));
    for (int c : {-1, 1})
        EXPECT_FALSE(TransferInstructor(OneClass(), c, QString(), dir.path(), p));
    EXPECT_TRUE(p.shown.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(TransferInstructor, AddsOneContact)
{
    for (const QString &school : {QString(), QStringLiteral("Lincoln High")}) {
        QTemporaryDir dir;
        ScriptedPrompter p;
        EXPECT_TRUE(TransferInstructor(OneClass(), 0, school, dir.path(), p));
        EXPECT_EQ(Texts(p), QStringList{"Added Instructor to Contacts."});
        const QStringList files = Files(dir.path(), kContactsFolder);
        ASSERT_EQ(files.size(), 1);
        EXPECT_TRUE(files[0].endsWith(".vcf"));
        const QByteArray card =
            ReadBytes(QDir(dir.filePath(kContactsFolder)).filePath(files[0]));
        EXPECT_TRUE(card.contains("\r\nFN:Ada Okafor\r\n"));
        EXPECT_EQ(card.contains("\r\nORG:"), !school.isEmpty());
    }
}

// A regular file where a folder should be: the folder cannot be created, even by root.
void Block(const QString &path) { WriteBytes(path, "x"); }

TEST(Transfer, FailureIsReportedAndLeavesNothing)
{
    const struct {
        const char *blocked; // under the store; "" blocks the store itself
        int task, appt;
        bool instructor;
        const char *message;
    } rows[] = {
        {"", 1, 1, false, "The reminder was not transferred: the folder %1/tasks cannot be created."},
        // The task was written first and is removed again.
        {"calendar", 1, 1, false,
         "The reminder was not transferred: the folder %1/calendar cannot be created."},
        {"contacts", 0, 0, true,
         "The instructor was not transferred: the folder %1/contacts cannot be created."},
    };
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString pim = dir.filePath(QStringLiteral("pim"));
        if (*r.blocked)
            QDir().mkpath(pim);
        Block(*r.blocked ? QDir(pim).filePath(r.blocked) : pim);
        ScriptedPrompter p;
        const bool added = r.instructor ? TransferInstructor(OneClass(), 0, QString(), pim, p)
                                        : TransferReminder(OneClass(), 0, 0, r.task, r.appt, pim, p);
        EXPECT_FALSE(added);
        EXPECT_EQ(Texts(p), QStringList{QString::fromUtf8(r.message).arg(pim)});
        EXPECT_TRUE(Files(pim, kTasksFolder).isEmpty());
    }
}

TEST(ExportTerm, TellsWhatWasWrittenOrWhyNot)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("term.ics"));
    const QString bad = dir.filePath(QStringLiteral("none/term.ics"));
    ScriptedPrompter p;
    EXPECT_TRUE(ExportTerm(OneClass(), good, QDate(2024, 3, 31), p));
    EXPECT_FALSE(ExportTerm(OneClass(), bad, std::nullopt, p));
    const QStringList texts = Texts(p);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0],
              QStringLiteral("The term was exported to %1.\nWeekly class meetings: 1\nReminders: 1")
                  .arg(good));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("The term was not exported: %1").arg(bad)));
    EXPECT_TRUE(QFileInfo::exists(good));
}

} // namespace
