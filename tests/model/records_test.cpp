// Record layouts byte by byte, old (version 1) records, the texts records produce, reminder order
// and the class list operations of the student record.

#include "model/archive.h"
#include "model/student.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

namespace {
const char *const kMarker = "FF FE FF 14 52 00 45 00 4D 00 49 00 4E 00 44 00 45 00 52 00 20 00 "
                            "4E 00 45 00 57 00 20 00 56 00 45 00 52 00 53 00 49 00 4F 00 4E 00";

CAssignment Quiz1() {
    CAssignment a = MakeReminder("Quiz 1", CTime::FromLocal(2003, 7, 9, 21, 40, 0), 9, 10, true);
    a.m_nType = 11;
    return a;
}

// An old reminder: 8-bit texts, no marker, no version, no priority flag.
QByteArray OldReminder(const QByteArray &name, CTime due) {
    return Old(name) + I32(3) + Old("caf\xE9") + Dbl(7.5) + Dbl(8.0) + I32(1) + I32(1) + Tm(due);
}

// An old class: the grade block of 22 Doubles, credits and the plain-letters flag where version 2
// has its credits, and no chart list.
QByteArray OldClass(int plainLetters, const QByteArray &reminders = I32(0)) {
    const double mins[11] = {95, 90, 87, 83, 80, 77, 73, 70, 67, 63, 60};
    const double points[11] = {4.0, 3.7, 3.3, 3.0, 2.7, 2.3, 2.0, 1.7, 1.3, 1.0, 0.7};
    QByteArray block;
    for (double m : mins)
        block += Dbl(m);
    for (double p : points)
        block += Dbl(p);
    CTeacher t;
    t.SetLastName("Okafor");
    return Old("Chemistry") + Str("Lab") + Dbl(250.0) + Old("Room 4") + block + Dbl(3.0) +
           I32(plainLetters) + I32(1) + I32(5) + I32(0) + reminders + I32(0) + Bytes(t);
}
} // namespace

// ---- reminder ----

TEST(ReminderRecord, quiz1_is116BytesByteByByte) {
    const QByteArray bytes = Bytes(Quiz1());
    ASSERT_EQ(bytes.size(), 116);
    EXPECT_EQ(HexOf(bytes),
              HexOf(FromHex(kMarker) +
                    FromHex("FF FE FF 06 51 00 75 00 69 00 7A 00 20 00 31 00"
                            "02 00 00 00 0B 00 00 00 FF FE FF 00"
                            "00 00 00 00 00 00 22 40 00 00 00 00 00 00 24 40"
                            "01 00 00 00 00 00 00 00"
                            "D3 07 07 00 03 00 09 00 15 00 28 00 00 00 00 00 00 00 00 00")));
    qsizetype used = 0;
    EXPECT_EQ(Read<CAssignment>(bytes, &used), Quiz1());
    EXPECT_EQ(used, 116);
}

TEST(ReminderRecord, version1_readsWithoutPriority_writesBackAsVersion2) {
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
    EXPECT_EQ(HexOf(written.left(44)), HexOf(FromHex(kMarker)));
    EXPECT_EQ(HexOf(written.mid(44 + 14, 4)), "02 00 00 00");
    EXPECT_EQ(Read<CAssignment>(written, &used), a);
    EXPECT_EQ(used, written.size());
}

TEST(ReminderRecord, versionAbove2_readsThePriorityFlag) {
    QByteArray bytes = Bytes(Quiz1());
    bytes.replace(60, 4, I32(7)); // version Int32 after marker (44) and name (16)
    bytes.replace(112, 4, I32(1));
    const CAssignment a = Read<CAssignment>(bytes);
    EXPECT_EQ(a.m_strName, "Quiz 1");
    EXPECT_EQ(a.m_bHighPriority, 1);
}

TEST(ReminderRecord, markerIsFoundAsCaseSensitiveSubstring) {
    // An old name that happens to contain the marker text is taken for a versioned record.
    const QByteArray tail = Bytes(Quiz1()).mid(44);
    const CAssignment quirk = Read<CAssignment>(Str("My REMINDER NEW VERSIONs") + tail);
    EXPECT_EQ(quirk.m_strName, "Quiz 1");
    EXPECT_EQ(quirk.m_timeDue, Quiz1().m_timeDue);

    // Lower case does not match: an ordinary old record.
    qsizetype used = 0;
    const CTime due = CTime::FromLocal(2003, 9, 1, 9, 0, 0);
    const CAssignment plain = Read<CAssignment>(OldReminder("reminder new version", due), &used);
    EXPECT_EQ(plain.m_strName, "reminder new version");
    EXPECT_EQ(plain.m_timeDue, due);
}

TEST(ReminderText, dueTexts_twelveHourClockAndShortYear) {
    struct Case {
        int y, mo, d, h, mi;
        const char *shortText, *longText, *timeText;
    } cases[] = {
        {2003, 7, 9, 21, 40, "7/9/03 at 9:40 PM", "7/9/2003 at 9:40 PM", "9:40 PM"},
        {2003, 11, 5, 12, 0, "11/5/03 at 12:00 PM", "11/5/2003 at 12:00 PM", "12:00 PM"},
        {2003, 11, 5, 0, 0, "11/5/03 at 12:00 AM", "11/5/2003 at 12:00 AM", "12:00 AM"},
        {2003, 11, 5, 13, 7, "11/5/03 at 1:07 PM", "11/5/2003 at 1:07 PM", "1:07 PM"},
        {2003, 11, 5, 0, 15, "11/5/03 at 12:15 AM", "11/5/2003 at 12:15 AM", "12:15 AM"},
        {2000, 1, 1, 9, 5, "1/1/00 at 9:05 AM", "1/1/2000 at 9:05 AM", "9:05 AM"},
        {1999, 12, 31, 11, 0, "12/31/99 at 11:00 AM", "12/31/1999 at 11:00 AM", "11:00 AM"},
        {2010, 3, 14, 23, 59, "3/14/10 at 11:59 PM", "3/14/2010 at 11:59 PM", "11:59 PM"},
    };
    for (const Case &c : cases) {
        CAssignment a;
        a.SetDueTime(CTime::FromLocal(c.y, c.mo, c.d, c.h, c.mi, 0));
        EXPECT_EQ(a.GetDueText(true), c.shortText);
        EXPECT_EQ(a.GetDueText(false), c.longText);
        EXPECT_EQ(a.GetDueTimeText(), c.timeText);
    }
}

TEST(ReminderText, typeTexts_sixteenNamesElseNone) {
    const char *names[16] = {"Activity",     "Assignment", "Case Study", "Club",
                             "Group",        "Meeting",    "Musical",    "Practice",
                             "Presentation", "Problems",   "Project",    "Quiz",
                             "Reading",      "Report",     "Sport",      "Test"};
    CAssignment a;
    for (int i = 0; i < 16; ++i) {
        a.m_nType = i;
        EXPECT_EQ(a.GetTypeText(), names[i]);
    }
    for (int bad : {-1, 16, 1000}) {
        a.m_nType = bad;
        EXPECT_EQ(a.GetTypeText(), "None");
    }
}

// ---- class ----

TEST(ClassRecord, newClassMath_is224Bytes_chart92_instructor28) {
    CClass c;
    c.SetName("Math");
    const QByteArray bytes = Bytes(c);
    ASSERT_EQ(bytes.size(), 224);
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
    EXPECT_EQ(HexOf(bytes), HexOf(expected));
    EXPECT_EQ(Read<CClass>(bytes), c);
}

TEST(ClassRecord, version1_plainLettersFlag_givesElevenOrFourRows) {
    qsizetype used = 0;
    const QByteArray old = OldClass(0);
    const CClass c = Read<CClass>(old, &used);
    EXPECT_EQ(used, old.size());
    EXPECT_EQ(c.m_strName, "Chemistry");
    EXPECT_EQ(c.m_strDescription, "Lab");
    EXPECT_EQ(c.m_dTotalPoints, 250.0);
    EXPECT_EQ(c.m_strLocation, "Room 4");
    EXPECT_EQ(c.m_dCredits, 3.0); // the Double after the 22
    EXPECT_EQ(c.m_bGraded, 1);
    EXPECT_EQ(c.m_nExtraCredit, 5);
    EXPECT_EQ(c.m_teacher.m_strLastName, "Okafor");
    const CGradeTypeArray expected = {{"A", 4.0, 95}, {"A-", 3.7, 90}, {"B+", 3.3, 87},
                                      {"B", 3.0, 83}, {"B-", 2.7, 80}, {"C+", 2.3, 77},
                                      {"C", 2.0, 73}, {"C-", 1.7, 70}, {"D+", 1.3, 67},
                                      {"D", 1.0, 63}, {"D-", 0.7, 60}};
    EXPECT_EQ(c.m_gradeChart, expected);

    const CClass plain = Read<CClass>(OldClass(1));
    const CGradeTypeArray four = {{"A", 4.0, 95}, {"B", 3.0, 83}, {"C", 2.0, 73}, {"D", 1.0, 63}};
    EXPECT_EQ(plain.m_gradeChart, four);
    EXPECT_EQ(plain.m_dCredits, 3.0);
}

TEST(ClassRecord, version1_withOldReminders_writesBackAsVersion2WithChart) {
    const CTime due = CTime::FromLocal(2003, 10, 2, 8, 0, 0);
    const CClass c = Read<CClass>(OldClass(0, I32(1) + OldReminder("Essay", due)));
    ASSERT_EQ(c.m_reminders.size(), 1);
    EXPECT_EQ(c.m_reminders[0].m_strName, "Essay");

    // Marker, name, version 2, ... and the rebuilt chart list just before the instructor copy.
    const QByteArray written = Bytes(c);
    EXPECT_EQ(HexOf(written.left(44 + 22 + 4)),
              HexOf(FromHex(kMarker) + Str("Chemistry") + I32(2)));
    CArchive chart;
    CGradeTypeArray rows = c.m_gradeChart;
    SerializeGradeChart(chart, rows);
    EXPECT_TRUE(written.endsWith(chart.buffer() + Bytes(c.m_teacher)));
    EXPECT_EQ(Read<CClass>(written), c);
}

TEST(ClassRecord, markerSubstringInOldName_isTakenForVersion2) {
    CClass c;
    c.SetName("Physics");
    const QByteArray tail = Bytes(c).mid(44);
    EXPECT_EQ(Read<CClass>(Str("REMINDER NEW VERSION (old)") + tail).m_strName, "Physics");
}

TEST(SmallRecords, instructorGradeRowMeetingAndBook_layouts) {
    EXPECT_EQ(HexOf(Bytes(CTeacher())), HexOf(FromHex("FF FE FF 00").repeated(7)));
    EXPECT_EQ(HexOf(Bytes(CGradeType("A-", 3.67, 90.0))),
              "FF FE FF 02 41 00 2D 00 5C 8F C2 F5 28 5C 0D 40 00 00 00 00 00 80 56 40");
    EXPECT_EQ(HexOf(Bytes(CClassTime{2, 9, 30, 50})),
              "02 00 00 00 09 00 00 00 1E 00 00 00 32 00 00 00");
    CTextBook b;
    b.SetName("A");
    b.SetPrice(1.0);
    EXPECT_EQ(HexOf(Bytes(b)), "FF FE FF 01 41 00 FF FE FF 00 FF FE FF 00 00 00 00 00 00 00 F0 3F");
}

// ---- meeting times ----

namespace {
std::pair<int, int> EndOf(const CClassTime &t) {
    int hour = -1, minute = -1;
    t.GetEndTime(hour, minute);
    return {hour, minute};
}
} // namespace

TEST(ClassTime, endTimeWrapsOnceAtMidnight) {
    EXPECT_EQ(EndOf({1, 23, 30, 45}), std::make_pair(0, 15));
    EXPECT_EQ(EndOf({1, 1, 0, 1500}), std::make_pair(2, 0)); // 1 + 25 = 26, less 24 once
    EXPECT_EQ(EndOf({1, 11, 30, 90}), std::make_pair(13, 0));
    EXPECT_EQ(EndOf({1, 10, 45, 15}), std::make_pair(11, 0));
}

TEST(ClassTime, texts) {
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

// ---- reminder order ----

namespace {
CTime May(int day, int hour = 9) {
    return CTime::FromLocal(2003, 5, day, hour, 0, 0);
}

QStringList Names(const CClass &c) {
    QStringList out;
    for (const CAssignment &a : c.m_reminders)
        out << a.m_strName;
    return out;
}

CAssignment Due(const char *name, CTime t, bool high = false) {
    CAssignment a = MakeReminder(name, t);
    a.m_bHighPriority = high ? 1 : 0;
    return a;
}

// The adjacent-swap passes the stored order is defined by.
void BubbleSort(CAssignmentArray &r) {
    for (qsizetype pass = 0; pass + 1 < r.size(); ++pass)
        for (qsizetype j = 0; j + 1 < r.size(); ++j) {
            const bool earlier = r[j].m_timeDue < r[j + 1].m_timeDue;
            const bool promote = r[j].m_timeDue == r[j + 1].m_timeDue && !r[j].m_bHighPriority &&
                                 r[j + 1].m_bHighPriority;
            if (earlier || promote)
                r.swapItemsAt(j, j + 1);
        }
}
} // namespace

TEST(ReminderOrder, sortPutsLatestFirst_highPriorityFirstAmongEqual_stable) {
    CClass c;
    c.m_reminders = {Due("1 May", May(1)), Due("3 May", May(3)), Due("2 May", May(2))};
    c.SortReminders();
    EXPECT_EQ(Names(c), QStringList({"3 May", "2 May", "1 May"}));

    c.m_reminders = {Due("plain", May(4)), Due("urgent", May(4), true)};
    c.SortReminders();
    EXPECT_EQ(Names(c), QStringList({"urgent", "plain"}));

    c.m_reminders = {Due("a", May(4)),        Due("H1", May(4), true), Due("b", May(4)),
                     Due("H2", May(4), true), Due("c", May(4)),        Due("late", May(4, 10))};
    c.SortReminders();
    EXPECT_EQ(Names(c), QStringList({"late", "H1", "H2", "a", "b", "c"}));
}

TEST(ReminderOrder, sortMatchesAdjacentSwapPassesOnRealisticTerms) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        CClass c;
        for (const CClass &k : MakeTerm(4, 15, seed).m_classes)
            c.m_reminders += k.m_reminders; // many ties and flags across classes
        CAssignmentArray expected = c.m_reminders;
        BubbleSort(expected);
        c.SortReminders();
        EXPECT_EQ(c.m_reminders, expected) << "seed " << seed;
    }
}

TEST(ReminderOrder, addReminderInsertsBeforeFirstDueAtOrAfter) {
    CClass c;
    c.AddReminder(Due("2 May", May(2)));
    c.AddReminder(Due("4 May", May(4)));
    c.AddReminder(Due("3 May", May(3)));
    c.AddReminder(Due("1 May", May(1)));
    c.AddReminder(Due("5 May", May(5)));
    EXPECT_EQ(Names(c), QStringList({"1 May", "2 May", "3 May", "4 May", "5 May"}));
    c.AddReminder(Due("3 May again", May(3)));
    EXPECT_EQ(c.m_reminders[2].m_strName, "3 May again");
    EXPECT_EQ(c.m_reminders[3].m_strName, "3 May");
}

// ---- student ----

namespace {
CClass Named(const QString &name) {
    CClass c;
    c.SetName(name);
    return c;
}

QStringList ClassNames(const CStudent &s) {
    QStringList out;
    for (const CClass &c : s.m_classes)
        out << c.m_strName;
    return out;
}
} // namespace

TEST(StudentClasses, getClassOutOfRange_givesDefaultClass) {
    CStudent s = MakeTerm(2, 3);
    const CStudent before = s;
    EXPECT_EQ(CClass().m_dCredits, 1.0);
    for (int index : {-1, 2, 99})
        EXPECT_EQ(s.GetClass(index), CClass());
    EXPECT_EQ(s, before);
    EXPECT_EQ(s.GetClass(1), s.m_classes[1]);
}

TEST(StudentClasses, setInsertRemove_respectBounds) {
    CStudent s;
    s.m_classes = {Named("A"), Named("B")};
    s.SetClass(-1, Named("X"));
    s.SetClass(2, Named("X"));
    s.InsertClass(-1, Named("X"));
    s.InsertClass(3, Named("X"));
    EXPECT_EQ(ClassNames(s), QStringList({"A", "B"}));
    s.SetClass(1, Named("b"));
    s.InsertClass(2, Named("end"));
    s.InsertClass(0, Named("front"));
    EXPECT_EQ(ClassNames(s), QStringList({"front", "A", "b", "end"}));
    s.RemoveClass(1);
    EXPECT_EQ(ClassNames(s), QStringList({"front", "b", "end"}));
}

TEST(StudentClasses, addClass_makesNameUniqueIgnoringCase) {
    CStudent s;
    s.m_classes = {Named("Math"), Named("math2")};
    s.AddClass(Named("math"));
    EXPECT_EQ(s.m_classes.last().m_strName, "math3");
    s.AddClass(Named("MATH3"));
    EXPECT_EQ(s.m_classes.last().m_strName, "MATH32");

    CStudent one;
    one.m_classes = {Named("Math")};
    one.AddClass(Named("Math"));
    one.AddClass(Named("Art"));
    one.AddClass(Named(""));
    EXPECT_EQ(ClassNames(one), QStringList({"Math", "Math2", "Art", ""}));
    one.AddClass(Named(""));
    EXPECT_EQ(one.m_classes.last().m_strName, "2");
}

TEST(StudentRecord, emptyStudentBytes_andOwnerNameWrittenBack) {
    EXPECT_EQ(HexOf(Bytes(CStudent())), "FF FE FF 00 00 00 00 00");
    CStudent s = MakeTerm(1, 2);
    s.m_strName = QString::fromUtf8("Zoë");
    const CStudent read = Read<CStudent>(Bytes(s));
    EXPECT_EQ(read.m_strName, QString::fromUtf8("Zoë"));
    EXPECT_EQ(Bytes(read), Bytes(s));
}
