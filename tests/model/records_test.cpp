// Record layouts byte by byte, old (version 1) records, damaged counts, record texts, reminder
// order and the student's class list.

#include "model/archive.h"
#include "model/student.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const QByteArray kMarker = Str("REMINDER NEW VERSION");
const CTime kDue = CTime::FromLocal(2003, 10, 2, 8, 0, 0);

CAssignment Quiz1()
{
    CAssignment a = MakeReminder("Quiz 1", CTime::FromLocal(2003, 7, 9, 21, 40, 0), 9, 10, true);
    a.m_nType = 11;
    return a;
}

template <typename List> QStringList Names(const List &records)
{
    QStringList out;
    for (const auto &r : records)
        out << r.m_strName;
    return out;
}

// "letter points minimum,..."
QString Chart(const CClass &c)
{
    QStringList rows;
    for (const CGradeType &g : c.m_gradeChart)
        rows << QString("%1 %2 %3").arg(g.m_strLetter).arg(g.m_dGradePoints).arg(g.m_dMinPercent);
    return rows.join(',');
}

QByteArray Row(const char *letter, double points, double min)
{
    return Str(letter) + Dbl(points) + Dbl(min);
}
} // namespace

TEST(RecordBytes, everyRecordLayout)
{
    CTextBook book;
    book.SetName("A");
    book.SetPrice(1.0);
    const QByteArray none = Str("");
    const struct {
        const char *what;
        QByteArray bytes, expected;
    } rows[] = {
        {"reminder", Bytes(Quiz1()),
         FromHex("FF FE FF 14 52 00 45 00 4D 00 49 00 4E 00 44 00 45 00 52 00 20 00 4E 00 45 00 57"
                 "00 20 00 56 00 45 00 52 00 53 00 49 00 4F 00 4E 00"
                 "FF FE FF 06 51 00 75 00 69 00 7A 00 20 00 31 00 02 00 00 00 0B 00 00 00"
                 "FF FE FF 00 00 00 00 00 00 00 22 40 00 00 00 00 00 00 24 40 01 00 00 00"
                 "00 00 00 00 D3 07 07 00 03 00 09 00 15 00 28 00 00 00 00 00 00 00 00 00")},
        // name, version, description, points, location, credits 1, graded, extra credit, three
        // empty lists, the default chart, an empty instructor
        {"class", Bytes(Cls("Math")),
         kMarker + Str("Math") + I32(2) + none + Dbl(0) + none + Dbl(1) + I32(0).repeated(5) +
             I32(4) + Row("A", 4, 90) + Row("B", 3, 80) + Row("C", 2, 70) + Row("D", 1, 60) +
             none.repeated(7)},
        {"grade row", Bytes(CGradeType("A-", 3.67, 90.0)),
         FromHex("FF FE FF 02 41 00 2D 00 5C 8F C2 F5 28 5C 0D 40 00 00 00 00 00 80 56 40")},
        {"instructor", Bytes(CTeacher()), none.repeated(7)},
        {"meeting", Bytes(CClassTime{2, 9, 30, 50}),
         FromHex("02 00 00 00 09 00 00 00 1E 00 00 00 32 00 00 00")},
        {"book", Bytes(book), FromHex("FF FE FF 01 41 00 FF FE FF 00 FF FE FF 00") + Dbl(1.0)},
        {"student", Bytes(CStudent()), FromHex("FF FE FF 00 00 00 00 00")},
    };
    for (const auto &r : rows)
        EXPECT_EQ(HexOf(r.bytes), HexOf(r.expected)) << r.what;
    EXPECT_EQ(rows[0].bytes.size(), 116);
    EXPECT_EQ(rows[1].bytes.size(), 224);
    qsizetype used = 0;
    EXPECT_EQ(Read<CAssignment>(rows[0].bytes + "next", &used), Quiz1());
    EXPECT_EQ(used, 116);
    EXPECT_EQ(Read<CClass>(rows[1].bytes), Cls("Math"));
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
    const QByteArray old = OldReminder("Essay", kDue);
    qsizetype used = 0;
    const CAssignment a = Read<CAssignment>(old + I32(0x55), &used);
    EXPECT_EQ(used, old.size());
    CAssignment expected = MakeReminder("Essay", kDue, 7.5, 8.0, true);
    expected.m_nType = 3;
    expected.m_strDescription = QString::fromUtf8("café");
    expected.m_bDropped = 1;
    EXPECT_EQ(a, expected);
    EXPECT_TRUE(Bytes(a).startsWith(kMarker + Str("Essay") + I32(2)));
    EXPECT_EQ(Read<CAssignment>(Bytes(a)), a);
}

TEST(OldRecords, class_plainLettersFlagGivesElevenOrFourRows_writesBackAsVersion2)
{
    const QByteArray old = OldClass("Chemistry", 0, I32(1) + OldReminder("Essay", kDue));
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
    EXPECT_EQ(Chart(c), "A 4 95,A- 3.7 90,B+ 3.3 87,B 3 83,B- 2.7 80,C+ 2.3 77,C 2 73,C- 1.7 70,"
                        "D+ 1.3 67,D 1 63,D- 0.7 60");
    EXPECT_EQ(Chart(Read<CClass>(OldClass("Chemistry", 1))), "A 4 95,B 3 83,C 2 73,D 1 63");

    const QByteArray written = Bytes(c);
    EXPECT_TRUE(written.startsWith(kMarker + Str("Chemistry") + I32(2)));
    CGradeTypeArray chart = c.m_gradeChart;
    const QByteArray chartBytes = Written([&](CArchive &ar) { SerializeGradeChart(ar, chart); });
    EXPECT_TRUE(written.endsWith(chartBytes + Bytes(c.m_teacher)));
    EXPECT_EQ(Read<CClass>(written), c);
}

TEST(OldRecords, markerIsACaseSensitiveSubstring_laterVersionsReadThePriorityFlag)
{
    // An old name that happens to contain the marker text is taken for a versioned record.
    const QByteArray tail = Bytes(Quiz1()).mid(44);
    EXPECT_EQ(Read<CAssignment>(Str("My REMINDER NEW VERSIONs") + tail), Quiz1());
    EXPECT_EQ(Read<CClass>(Str("REMINDER NEW VERSION (old)") + Bytes(Cls("P")).mid(44)), Cls("P"));
    const CAssignment plain = Read<CAssignment>(OldReminder("reminder new version", kDue));
    EXPECT_EQ(plain.m_strName, "reminder new version");
    EXPECT_EQ(plain.m_timeDue, kDue);

    QByteArray bytes = Bytes(Quiz1());
    bytes.replace(60, 4, I32(7)); // version Int32 after marker (44) and name (16)
    bytes.replace(112, 4, I32(1));
    EXPECT_EQ(Read<CAssignment>(bytes).m_bHighPriority, 1);
}

TEST(RecordTexts, dueTypeAndMeetingTexts)
{
    const struct {
        int y, mo, d, h, mi;
        const char *text; // short form, then long, then the time alone
    } dues[] = {
        {2003, 7, 9, 21, 40, "7/9/03 at 9:40 PM|7/9/2003 at 9:40 PM|9:40 PM"},
        {2003, 11, 5, 12, 0, "11/5/03 at 12:00 PM|11/5/2003 at 12:00 PM|12:00 PM"},
        {2003, 11, 5, 0, 15, "11/5/03 at 12:15 AM|11/5/2003 at 12:15 AM|12:15 AM"},
        {2003, 11, 5, 13, 7, "11/5/03 at 1:07 PM|11/5/2003 at 1:07 PM|1:07 PM"},
        {2000, 1, 1, 9, 5, "1/1/00 at 9:05 AM|1/1/2000 at 9:05 AM|9:05 AM"},
        {1999, 12, 31, 11, 0, "12/31/99 at 11:00 AM|12/31/1999 at 11:00 AM|11:00 AM"},
    };
    for (const auto &c : dues) {
        CAssignment a;
        a.SetDueTime(CTime::FromLocal(c.y, c.mo, c.d, c.h, c.mi, 0));
        EXPECT_EQ(a.GetDueText(true) + "|" + a.GetDueText(false) + "|" + a.GetDueTimeText(),
                  c.text);
    }

    QStringList types;
    CAssignment a;
    for (int type : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1000}) {
        a.m_nType = type;
        types << a.GetTypeText();
    }
    EXPECT_EQ(types.join(','), "None,Activity,Assignment,Case Study,Club,Group,Meeting,Musical,"
                               "Practice,Presentation,Problems,Project,Quiz,Reading,Report,Sport,"
                               "Test,None,None");

    const struct {
        CClassTime time; // {day, hour, minute, duration}
        bool shortForm;
        const char *text;
    } meetings[] = {
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
    for (const auto &c : meetings)
        EXPECT_EQ(c.time.GetText(c.shortForm), c.text);
    EXPECT_TRUE((CClassTime{0, 9, 0, 50}.GetDayName().isEmpty()));
    EXPECT_TRUE((CClassTime{8, 9, 0, 50}.GetShortDayName().isEmpty()));
}

TEST(ReminderOrder, latestFirst_highPriorityFirstAmongEqual_stable_addInsertsBeforeEqual)
{
    const auto may = [](int day, int hour = 9) {
        return CTime::FromLocal(2003, 5, day, hour, 0, 0);
    };
    CClass c;
    c.m_reminders = {Rem("a", may(4)),        Rem("H1", may(4), true), Rem("1 May", may(1)),
                     Rem("H2", may(4), true), Rem("b", may(4)),        Rem("late", may(4, 10))};
    c.SortReminders();
    EXPECT_EQ(Names(c.m_reminders), QStringList({"late", "H1", "H2", "a", "b", "1 May"}));

    c.m_reminders.clear();
    for (int day : {2, 4, 3, 1, 5})
        c.AddReminder(Rem(QString("%1 May").arg(day), may(day)));
    c.AddReminder(Rem("3 May!", may(3)));
    EXPECT_EQ(Names(c.m_reminders),
              QStringList({"1 May", "2 May", "3 May!", "3 May", "4 May", "5 May"}));
}

TEST(StudentClasses, getSetInsertRemoveRespectBounds_addMakesNamesUniqueIgnoringCase)
{
    CStudent s;
    s.m_classes = {Cls("A"), Cls("B")};
    for (int bad : {-1, 2, 99}) {
        EXPECT_EQ(s.GetClass(bad), CClass());
        s.SetClass(bad, Cls("X"));
        s.RemoveClass(bad);
    }
    s.InsertClass(-1, Cls("X"));
    s.InsertClass(3, Cls("X")); // 2 would append
    EXPECT_EQ(s.GetClass(1), Cls("B"));
    s.SetClass(1, Cls("b"));
    s.InsertClass(2, Cls("end"));
    s.InsertClass(0, Cls("front"));
    s.RemoveClass(1);
    EXPECT_EQ(Names(s.m_classes), QStringList({"front", "b", "end"}));

    s.m_classes = {Cls("Math"), Cls("math2")};
    for (const char *name : {"math", "MATH3", "Art", "", ""})
        s.AddClass(Cls(name));
    EXPECT_EQ(Names(s.m_classes),
              QStringList({"Math", "math2", "math3", "MATH32", "Art", "", "2"}));
}

namespace {
// A student file with one new class. Offsets in the file: text book count at 100, reminder
// count 104, meeting time count 108, chart row count 112.
const QByteArray kMathFile = FromHex("FF FE FF 00 01 00 00 00") + Bytes(Cls("Math"));
} // namespace

TEST(StudentFile, hugeCountsFailAtTheCountNamingIt_negativeCountsReadNoElement)
{
    const char *const fields[] = {"textbook count", "reminder count", "meeting time count",
                                  "grade chart row count"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(fields[i]);
        const int offset = 100 + 4 * i;
        for (int32_t count : {0x7FFFFFFF, 1 << 20}) {
            QByteArray bytes = kMathFile;
            bytes.replace(offset, 4, I32(count));
            const ArchiveError e = ErrorOf([&] { Read<CStudent>(bytes); });
            EXPECT_EQ(e.field(), fields[i]);
            EXPECT_EQ(e.offset(), offset);
        }
        QByteArray bytes = kMathFile;
        bytes.replace(offset, 4, I32(i == 1 ? INT32_MIN : -3));
        CClass expected = Cls("Math");
        if (i == 3) {
            bytes.remove(116, 88); // the four rows the count no longer claims
            expected.m_gradeChart.clear();
        }
        qsizetype used = 0;
        EXPECT_EQ(Read<CStudent>(bytes, &used).m_classes, CClassArray{expected});
        EXPECT_EQ(used, bytes.size());
    }
    EXPECT_TRUE(Read<CStudent>(FromHex("FF FE FF 00 FF FF FF FF")).m_classes.isEmpty());

    // A class count beyond the bytes keeps the classes that are there and fails at the end.
    QByteArray bytes = kMathFile;
    bytes.replace(4, 4, I32(0x7FFFFFFF));
    CStudent kept;
    CArchive ar(bytes);
    const ArchiveError e = ErrorOf([&] { kept.Serialize(ar); });
    EXPECT_EQ(e.field(), "class name");
    EXPECT_EQ(e.offset(), bytes.size());
    EXPECT_EQ(kept.m_classes, CClassArray{Cls("Math")});
}
