// Record layouts byte by byte, old (version 1) records, damaged and hostile records, the texts
// records produce, reminder order and the class list operations of the student record.

#include "model/archive.h"
#include "model/student.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const char *const kMarker = "FF FE FF 14 52 00 45 00 4D 00 49 00 4E 00 44 00 45 00 52 00 20 00 "
                            "4E 00 45 00 57 00 20 00 56 00 45 00 52 00 53 00 49 00 4F 00 4E 00";

CAssignment Quiz1()
{
    CAssignment a = MakeReminder("Quiz 1", CTime::FromLocal(2003, 7, 9, 21, 40, 0), 9, 10, true);
    a.m_nType = 11;
    return a;
}

CTime May(int day, int hour = 9)
{
    return CTime::FromLocal(2003, 5, day, hour, 0, 0);
}

CAssignment Due(const QString &name, CTime t, bool high = false)
{
    CAssignment a = MakeReminder(name, t);
    a.m_bHighPriority = high ? 1 : 0;
    return a;
}

CClass Named(const QString &name)
{
    CClass c;
    c.SetName(name);
    return c;
}

template <typename List> QStringList Names(const List &records)
{
    QStringList out;
    for (const auto &r : records)
        out << r.m_strName;
    return out;
}
} // namespace

TEST(RecordBytes, quiz1Reminder_is116Bytes)
{
    const QByteArray bytes = Bytes(Quiz1());
    EXPECT_EQ(HexOf(bytes),
              HexOf(FromHex(kMarker) + FromHex("FF FE FF 06 51 00 75 00 69 00 7A 00 20 00 31 00"
                                               "02 00 00 00 0B 00 00 00 FF FE FF 00"
                                               "00 00 00 00 00 00 22 40 00 00 00 00 00 00 24 40"
                                               "01 00 00 00 00 00 00 00"
                                               "D3 07 07 00 03 00 09 00 15 00 28 00 00 00 00 00"
                                               "00 00 00 00")));
    qsizetype used = 0;
    EXPECT_EQ(Read<CAssignment>(bytes, &used), Quiz1());
    EXPECT_EQ(used, 116);
}

TEST(RecordBytes, newClassMath_is224Bytes_chart92_instructor28)
{
    const QByteArray chart =
        FromHex("04 00 00 00"
                "FF FE FF 01 41 00 00 00 00 00 00 00 10 40 00 00 00 00 00 80 56 40"
                "FF FE FF 01 42 00 00 00 00 00 00 00 08 40 00 00 00 00 00 00 54 40"
                "FF FE FF 01 43 00 00 00 00 00 00 00 00 40 00 00 00 00 00 80 51 40"
                "FF FE FF 01 44 00 00 00 00 00 00 00 F0 3F 00 00 00 00 00 00 4E 40");
    ASSERT_EQ(chart.size(), 92);
    const QByteArray expected =
        FromHex(kMarker) +
        FromHex("FF FE FF 04 4D 00 61 00 74 00 68 00"    // name
                "02 00 00 00 FF FE FF 00"                // version, description
                "00 00 00 00 00 00 00 00 FF FE FF 00"    // total points, location
                "00 00 00 00 00 00 F0 3F"                // credits 1.0
                "00 00 00 00 00 00 00 00"                // graded, extra credit
                "00 00 00 00 00 00 00 00 00 00 00 00") + // books, reminders, times
        chart +
        FromHex("FF FE FF 00").repeated(7);
    ASSERT_EQ(expected.size(), 224);
    EXPECT_EQ(HexOf(Bytes(Named("Math"))), HexOf(expected));
    EXPECT_EQ(Read<CClass>(expected), Named("Math"));
}

TEST(RecordBytes, gradeRowInstructorMeetingBookAndEmptyStudent)
{
    EXPECT_EQ(HexOf(Bytes(CGradeType("A-", 3.67, 90.0))),
              "FF FE FF 02 41 00 2D 00 5C 8F C2 F5 28 5C 0D 40 00 00 00 00 00 80 56 40");
    EXPECT_EQ(HexOf(Bytes(CTeacher())), HexOf(FromHex("FF FE FF 00").repeated(7)));
    EXPECT_EQ(HexOf(Bytes(CClassTime{2, 9, 30, 50})),
              "02 00 00 00 09 00 00 00 1E 00 00 00 32 00 00 00");
    CTextBook b;
    b.SetName("A");
    b.SetPrice(1.0);
    EXPECT_EQ(HexOf(Bytes(b)), "FF FE FF 01 41 00 FF FE FF 00 FF FE FF 00 00 00 00 00 00 00 F0 3F");
    EXPECT_EQ(HexOf(Bytes(CStudent())), "FF FE FF 00 00 00 00 00");
}

// The round trips compare whole classes: a change in any one field must count.
TEST(RecordEquality, classesDifferingInAnyOneField_areUnequal)
{
    const CClass base = MakeTerm(1, 2).m_classes[0];
    const std::function<void(CClass &)> changes[] = {
        [](CClass &c) { c.m_gradeChart.append(CGradeType("Z", 0, 0)); },
        [](CClass &c) { c.AddReminder(Rem("x", CTime(0))); },
        [](CClass &c) { c.m_classTimes.append(Meets(7, 1)); },
        [](CClass &c) { c.m_textBooks.append(CTextBook()); },
        [](CClass &c) { c.m_bGraded = !c.m_bGraded; },
        [](CClass &c) { c.m_teacher.m_strLastName += "x"; },
        [](CClass &c) { c.m_dTotalPoints += 1; },
        [](CClass &c) { c.m_strLocation += "x"; },
        [](CClass &c) { c.m_strName += "x"; },
        [](CClass &c) { c.m_strDescription += "x"; },
        [](CClass &c) { c.m_dCredits += 1; },
        [](CClass &c) { c.m_nExtraCredit += 1; },
    };
    EXPECT_TRUE(CClass(base) == base);
    for (const auto &change : changes) {
        CClass c = base;
        change(c);
        EXPECT_FALSE(c == base) << &change - changes;
    }
}

TEST(OldRecords, reminder_readsWithoutPriority_writesBackAsVersion2)
{
    const CTime due = CTime::FromLocal(2003, 10, 2, 8, 0, 0);
    const QByteArray old = OldReminder("Essay", due) + I32(0x55); // the next record's bytes
    qsizetype used = 0;
    const CAssignment a = Read<CAssignment>(old, &used);
    EXPECT_EQ(used, old.size() - 4);
    CAssignment expected = MakeReminder("Essay", due, 7.5, 8.0, true);
    expected.m_nType = 3;
    expected.m_strDescription = QString::fromUtf8("café");
    expected.m_bDropped = 1;
    EXPECT_EQ(a, expected); // m_bHighPriority 0

    const QByteArray written = Bytes(a);
    EXPECT_EQ(HexOf(written.left(44 + 14 + 4)), HexOf(FromHex(kMarker) + Str("Essay") + I32(2)));
    EXPECT_EQ(Read<CAssignment>(written, &used), a);
    EXPECT_EQ(used, written.size());
}

TEST(OldRecords, class_plainLettersFlagGivesElevenOrFourRows_writesBackAsVersion2)
{
    const CTime due = CTime::FromLocal(2003, 10, 2, 8, 0, 0);
    const QByteArray old = OldClass("Chemistry", 0, I32(1) + OldReminder("Essay", due));
    qsizetype used = 0;
    const CClass c = Read<CClass>(old, &used);
    EXPECT_EQ(used, old.size());

    EXPECT_EQ(QStringList({c.m_strName, c.m_strDescription, c.m_strLocation,
                           c.m_textBooks.value(0).m_strName, c.m_reminders.value(0).m_strName,
                           c.m_teacher.m_strLastName}),
              QStringList({"Chemistry", "Lab", "Room 4", "Campbell", "Essay", "Okafor"}));
    // The credits are the Double after the 22 of the old grade block.
    EXPECT_EQ(std::make_tuple(c.m_dTotalPoints, c.m_dCredits, c.m_bGraded, c.m_nExtraCredit,
                              c.m_textBooks.value(0).m_dPrice),
              std::make_tuple(250.0, 3.0, 1, 5, 89.5));
    EXPECT_EQ(c.m_classTimes, CClassTimeArray({{2, 9, 0, 50}}));
    const CGradeTypeArray eleven = {{"A", 4.0, 95}, {"A-", 3.7, 90}, {"B+", 3.3, 87},
                                    {"B", 3.0, 83}, {"B-", 2.7, 80}, {"C+", 2.3, 77},
                                    {"C", 2.0, 73}, {"C-", 1.7, 70}, {"D+", 1.3, 67},
                                    {"D", 1.0, 63}, {"D-", 0.7, 60}};
    EXPECT_EQ(c.m_gradeChart, eleven);

    const CClass plain = Read<CClass>(OldClass("Chemistry", 1));
    const CGradeTypeArray four = {{"A", 4.0, 95}, {"B", 3.0, 83}, {"C", 2.0, 73}, {"D", 1.0, 63}};
    EXPECT_EQ(plain.m_gradeChart, four);
    EXPECT_EQ(plain.m_dCredits, 3.0);

    // Marker, name, version 2, ... and the rebuilt chart list just before the instructor copy.
    const QByteArray written = Bytes(c);
    EXPECT_EQ(HexOf(written.left(44 + 22 + 4)),
              HexOf(FromHex(kMarker) + Str("Chemistry") + I32(2)));
    const QByteArray chart = Written([&](CArchive &ar) {
        CGradeTypeArray rows = c.m_gradeChart;
        SerializeGradeChart(ar, rows);
    });
    EXPECT_TRUE(written.endsWith(chart + Bytes(c.m_teacher)));
    EXPECT_EQ(Read<CClass>(written), c);
}

TEST(OldRecords, markerIsACaseSensitiveSubstring_laterVersionsReadThePriorityFlag)
{
    // An old name that happens to contain the marker text is taken for a versioned record.
    const QByteArray tail = Bytes(Quiz1()).mid(44);
    const CAssignment quirk = Read<CAssignment>(Str("My REMINDER NEW VERSIONs") + tail);
    EXPECT_EQ(quirk.m_strName, "Quiz 1");
    EXPECT_EQ(quirk.m_timeDue, Quiz1().m_timeDue);
    EXPECT_EQ(
        Read<CClass>(Str("REMINDER NEW VERSION (old)") + Bytes(Named("Physics")).mid(44)).m_strName,
        "Physics");

    // Lower case does not match: an ordinary old record.
    const CTime due = CTime::FromLocal(2003, 9, 1, 9, 0, 0);
    const CAssignment plain = Read<CAssignment>(OldReminder("reminder new version", due));
    EXPECT_EQ(plain.m_strName, "reminder new version");
    EXPECT_EQ(plain.m_timeDue, due);

    QByteArray bytes = Bytes(Quiz1());
    bytes.replace(60, 4, I32(7)); // version Int32 after marker (44) and name (16)
    bytes.replace(112, 4, I32(1));
    EXPECT_EQ(Read<CAssignment>(bytes).m_bHighPriority, 1);
}

TEST(RecordTexts, dueTexts_twelveHourClockAndShortYear)
{
    struct {
        int y, mo, d, h, mi;
        const char *shortText, *longText, *timeText;
    } const cases[] = {
        {2003, 7, 9, 21, 40, "7/9/03 at 9:40 PM", "7/9/2003 at 9:40 PM", "9:40 PM"},
        {2003, 11, 5, 12, 0, "11/5/03 at 12:00 PM", "11/5/2003 at 12:00 PM", "12:00 PM"},
        {2003, 11, 5, 0, 15, "11/5/03 at 12:15 AM", "11/5/2003 at 12:15 AM", "12:15 AM"},
        {2003, 11, 5, 13, 7, "11/5/03 at 1:07 PM", "11/5/2003 at 1:07 PM", "1:07 PM"},
        {2000, 1, 1, 9, 5, "1/1/00 at 9:05 AM", "1/1/2000 at 9:05 AM", "9:05 AM"},
        {1999, 12, 31, 11, 0, "12/31/99 at 11:00 AM", "12/31/1999 at 11:00 AM", "11:00 AM"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.longText);
        CAssignment a;
        a.SetDueTime(CTime::FromLocal(c.y, c.mo, c.d, c.h, c.mi, 0));
        EXPECT_EQ(a.GetDueText(true), c.shortText);
        EXPECT_EQ(a.GetDueText(false), c.longText);
        EXPECT_EQ(a.GetDueTimeText(), c.timeText);
    }
}

TEST(RecordTexts, typeTexts_sixteenNamesElseNone)
{
    QStringList texts;
    CAssignment a;
    for (int type : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1000}) {
        a.m_nType = type;
        texts << a.GetTypeText();
    }
    EXPECT_EQ(texts.join(','), "None,Activity,Assignment,Case Study,Club,Group,Meeting,Musical,"
                               "Practice,Presentation,Problems,Project,Quiz,Reading,Report,Sport,"
                               "Test,None,None");
}

TEST(RecordTexts, meetingTexts_endTimeWrapsOnceAtMidnight)
{
    struct {
        CClassTime time; // {day, hour, minute, duration}
        bool shortForm;
        const char *text;
    } const cases[] = {
        {{2, 9, 0, 50}, false, "Monday 9:00 AM - 9:50 AM"},
        {{6, 11, 30, 90}, false, "Friday 11:30 AM - 1:00 PM"},
        {{1, 23, 30, 45}, false, "Sunday 11:30 PM - 12:15 AM"},
        {{7, 12, 5, 55}, false, "Saturday 12:05 PM - 1:00 PM"},
        {{4, 0, 0, 30}, false, "Wednesday 12:00 AM - 12:30 AM"},
        {{1, 1, 0, 1500}, false, "Sunday 1:00 AM - 2:00 AM"}, // 1 + 25 = 26, less 24 once
        {{2, 9, 0, 50}, true, "M 9:00AM"},
        {{5, 0, 10, 50}, true, "Th 12:10AM"},
        {{3, 15, 45, 50}, true, "T 3:45PM"},
        {{1, 12, 0, 50}, true, "Su 12:00PM"},
        {{7, 8, 0, 50}, true, "Sa 8:00AM"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.time.GetText(c.shortForm), c.text);
    EXPECT_TRUE((CClassTime{0, 9, 0, 50}.GetDayName().isEmpty()));
    EXPECT_TRUE((CClassTime{8, 9, 0, 50}.GetShortDayName().isEmpty()));
}

TEST(ReminderOrder, sortPutsLatestFirst_highPriorityFirstAmongEqual_stable)
{
    CClass c;
    c.m_reminders = {Due("1 May", May(1)), Due("3 May", May(3)), Due("2 May", May(2))};
    c.SortReminders();
    EXPECT_EQ(Names(c.m_reminders), QStringList({"3 May", "2 May", "1 May"}));

    c.m_reminders = {Due("a", May(4)),        Due("H1", May(4), true), Due("b", May(4)),
                     Due("H2", May(4), true), Due("c", May(4)),        Due("late", May(4, 10))};
    c.SortReminders();
    EXPECT_EQ(Names(c.m_reminders), QStringList({"late", "H1", "H2", "a", "b", "c"}));
}

TEST(ReminderOrder, addReminderInsertsBeforeFirstDueAtOrAfter)
{
    CClass c;
    for (int day : {2, 4, 3, 1, 5})
        c.AddReminder(Due(QString("%1 May").arg(day), May(day)));
    EXPECT_EQ(Names(c.m_reminders), QStringList({"1 May", "2 May", "3 May", "4 May", "5 May"}));
    c.AddReminder(Due("3 May again", May(3)));
    EXPECT_EQ(Names(c.m_reminders).mid(2, 2), QStringList({"3 May again", "3 May"}));
}

TEST(StudentClasses, getSetInsertRemove_respectBounds)
{
    CStudent s;
    s.m_classes = {Named("A"), Named("B")};
    for (int bad : {-1, 2, 99}) {
        EXPECT_EQ(s.GetClass(bad), CClass());
        s.SetClass(bad, Named("X"));
        s.RemoveClass(bad);
    }
    s.InsertClass(-1, Named("X"));
    s.InsertClass(3, Named("X")); // 2 would append
    EXPECT_EQ(s.GetClass(1), Named("B"));
    EXPECT_EQ(Names(s.m_classes), QStringList({"A", "B"}));
    s.SetClass(1, Named("b"));
    s.InsertClass(2, Named("end"));
    s.InsertClass(0, Named("front"));
    EXPECT_EQ(Names(s.m_classes), QStringList({"front", "A", "b", "end"}));
    s.RemoveClass(1);
    EXPECT_EQ(Names(s.m_classes), QStringList({"front", "b", "end"}));
}

TEST(StudentClasses, addClass_makesNameUniqueIgnoringCase)
{
    CStudent s;
    s.m_classes = {Named("Math"), Named("math2")};
    s.AddClass(Named("math"));
    s.AddClass(Named("MATH3"));
    s.AddClass(Named("Art"));
    s.AddClass(Named(""));
    s.AddClass(Named(""));
    EXPECT_EQ(Names(s.m_classes),
              QStringList({"Math", "math2", "math3", "MATH32", "Art", "", "2"}));
}

namespace {
// A student file with one new class named Math. Offsets inside the class: text book count at 92,
// reminder count 96, meeting time count 100, chart row count 104; the class starts at byte 8.
QByteArray MathFile()
{
    CStudent s;
    s.m_classes.append(CClass());
    s.m_classes[0].SetName("Math");
    return Bytes(s);
}
constexpr int kClassStart = 8;

ArchiveError ReadError(const QByteArray &bytes, CStudent *out = nullptr)
{
    CStudent s;
    CArchive ar(bytes);
    const ArchiveError e = ErrorOf([&] { s.Serialize(ar); });
    if (out)
        *out = s;
    return e;
}
} // namespace

TEST(StudentFile, hugeCounts_failAtTheCountNamingIt)
{
    struct {
        int offset;
        const char *field;
    } const cases[] = {
        {kClassStart + 92, "textbook count"},
        {kClassStart + 96, "reminder count"},
        {kClassStart + 100, "meeting time count"},
        {kClassStart + 104, "grade chart row count"},
    };
    for (const auto &c : cases)
        for (int32_t count : {0x7FFFFFFF, 1 << 20}) {
            SCOPED_TRACE(c.field);
            QByteArray bytes = MathFile();
            bytes.replace(c.offset, 4, I32(count));
            const ArchiveError e = ReadError(bytes);
            EXPECT_EQ(e.field(), c.field);
            EXPECT_EQ(e.offset(), c.offset);
        }

    // A class count beyond the bytes keeps the classes that are there and fails at the end.
    QByteArray bytes = MathFile();
    bytes.replace(4, 4, I32(0x7FFFFFFF));
    CStudent kept;
    const ArchiveError e = ReadError(bytes, &kept);
    EXPECT_EQ(e.field(), "class name");
    EXPECT_EQ(e.offset(), bytes.size());
    EXPECT_EQ(kept.m_classes, Read<CStudent>(MathFile()).m_classes);
}

TEST(StudentFile, negativeCounts_readNoElement)
{
    EXPECT_TRUE(Read<CStudent>(FromHex("FF FE FF 00 FF FF FF FF")).m_classes.isEmpty());
    const CStudent math = Read<CStudent>(MathFile());
    for (int offset : {92, 96, 100, 104}) {
        SCOPED_TRACE(offset);
        QByteArray bytes = MathFile();
        bytes.replace(kClassStart + offset, 4, I32(offset == 96 ? INT32_MIN : -3));
        if (offset == 104)
            bytes.remove(kClassStart + 108, 88); // the four rows the count no longer claims
        qsizetype used = 0;
        const CStudent read = Read<CStudent>(bytes, &used);
        EXPECT_EQ(used, bytes.size());
        CClass expected = math.m_classes[0];
        if (offset == 104)
            expected.m_gradeChart.clear();
        EXPECT_EQ(read.m_classes, CClassArray{expected});
    }
}
