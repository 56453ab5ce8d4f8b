// Arbitrary bytes as a term file, an instructor list and a grade chart, then through the loader.
// Built as a libFuzzer target (QUILLBOX_FUZZ) and, without libFuzzer, as the corpus replay of
// `make test`. A broken invariant aborts: that is the crash the fuzzer reports.

#include "fuzz_records.h"

#include "model/archive.h"
#include "model/student.h"
#include "model/teacher.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

FuzzOutcome g_outcome;
bool g_alwaysLoad = false;

[[noreturn]] void Fail(const char *what)
{
    std::fprintf(stderr, "fuzz_records: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void Check(bool ok, const char *what)
{
    if (!ok)
        Fail(what);
}

// Equality operators compare doubles with ==, so a record holding a NaN never equals itself.
bool HasNaN(const CGradeTypeArray &chart)
{
    for (const CGradeType &row : chart)
        if (std::isnan(row.m_dGradePoints) || std::isnan(row.m_dMinPercent))
            return true;
    return false;
}

bool HasNaN(const CStudent &s)
{
    for (const CClass &c : s.m_classes) {
        if (std::isnan(c.m_dTotalPoints) || std::isnan(c.m_dCredits) || HasNaN(c.m_gradeChart))
            return true;
        for (const CAssignment &r : c.m_reminders)
            if (std::isnan(r.m_dPointsEarned) || std::isnan(r.m_dPointsPossible))
                return true;
        for (const CTextBook &b : c.m_textBooks)
            if (std::isnan(b.m_dPrice))
                return true;
    }
    return false;
}

// Reads a whole record of type T from bytes with the given serialize function; false on damage.
template <typename T, typename Fn>
bool ReadAll(const QByteArray &bytes, T &out, Fn serialize, bool *atEnd = nullptr)
{
    CArchive ar(bytes);
    try {
        serialize(ar, out);
    } catch (const ArchiveError &e) {
        // The error must point inside the data it was given.
        Check(e.offset() >= 0 && e.offset() <= bytes.size(), "error offset outside the data");
        return false;
    }
    if (atEnd)
        *atEnd = ar.atEnd();
    return true;
}

void StudentIn(CArchive &ar, CStudent &s)
{
    s.Serialize(ar);
}
void TeachersIn(CArchive &ar, CTeacherArray &t)
{
    SerializeTeachers(ar, t);
}
void ChartIn(CArchive &ar, CGradeTypeArray &c)
{
    SerializeGradeChart(ar, c);
}

// Names the first field where two terms differ, for the crash report.
void DescribeDifference(const CStudent &a, const CStudent &b)
{
    if (a.m_strName != b.m_strName || a.m_classes.size() != b.m_classes.size()) {
        std::fprintf(stderr, "owner name or class count differs\n");
        return;
    }
    for (qsizetype i = 0; i < a.m_classes.size(); ++i) {
        const CClass &x = a.m_classes[i], &y = b.m_classes[i];
        if (x == y)
            continue;
        std::fprintf(stderr, "class %lld differs\n", static_cast<long long>(i));
        for (qsizetype k = 0; k < x.m_reminders.size() && k < y.m_reminders.size(); ++k) {
            const CTime t = x.m_reminders[k].m_timeDue, u = y.m_reminders[k].m_timeDue;
            if (t != u) {
                const CTime::Fields f = t.GetLocal();
                std::fprintf(
                    stderr, "reminder %lld due %lld (%d-%d-%d %d:%d:%d) reads back as %lld\n",
                    static_cast<long long>(k), static_cast<long long>(t.GetTime()), f.year, f.month,
                    f.day, f.hour, f.minute, f.second, static_cast<long long>(u.GetTime()));
                return;
            }
        }
        return;
    }
}

// Writing a record read whole and reading it back gives the same record and the same bytes.
// Time fields out of range are no damage: the first read carries them into the next field, so
// the input's bytes may differ from what is written, but from then on the term round-trips.
void CheckStudentRoundTrip(const CStudent &first)
{
    for (const CClass &c : first.m_classes)
        for (const CAssignment &r : c.m_reminders) {
            const int year = r.m_timeDue.GetLocal().year;
            Check(year >= 0 && year <= 0xFFFF, "a time read beyond the years a file holds");
        }
    const QByteArray once = EncodeStudent(first);
    CStudent second;
    bool atEnd = false;
    Check(ReadAll(once, second, StudentIn, &atEnd), "a written term does not read back");
    Check(atEnd, "a written term reads back with bytes left over");
    if (!HasNaN(first) && second != first) {
        DescribeDifference(first, second);
        Fail("a written term reads back different");
    }
    Check(EncodeStudent(second) == once, "a term written twice gives different bytes");
}

void CheckTeachersRoundTrip(const CTeacherArray &first)
{
    const QByteArray once = EncodeTeachers(first);
    CTeacherArray second;
    bool atEnd = false;
    Check(ReadAll(once, second, TeachersIn, &atEnd),
          "a written instructor list does not read back");
    Check(atEnd, "a written instructor list reads back with bytes left over");
    Check(second == first, "a written instructor list reads back different");
}

void CheckChartRoundTrip(const CGradeTypeArray &first)
{
    const QByteArray once = EncodeGradeChart(first);
    CGradeTypeArray second;
    bool atEnd = false;
    Check(ReadAll(once, second, ChartIn, &atEnd), "a written grade chart does not read back");
    Check(atEnd, "a written grade chart reads back with bytes left over");
    Check(HasNaN(first) || second == first, "a written grade chart reads back different");
    Check(EncodeGradeChart(second) == once, "a grade chart written twice gives different bytes");
}

// Everything that turns what was read into text or numbers for the views.
void UseTexts(const CStudent &s)
{
    // The GPA is an average of the counted classes' grade points: never outside them.
    const double gpa = s.GetGPA();
    double low = 0.0, high = 0.0;
    bool counted = false, finite = true;
    for (const CClass &c : s.m_classes) {
        QString letter;
        double earned = 0.0, possible = 0.0;
        const double points = c.GetGrade(letter, earned, possible);
        if (!c.m_bGraded || !(earned > 0.0) || possible == 0.0 || !(c.m_dCredits >= 1.0) ||
            c.m_dCredits > 1e15)
            continue;
        finite = finite && std::isfinite(points) && std::isfinite(earned);
        low = counted ? std::min(low, points) : points;
        high = counted ? std::max(high, points) : points;
        counted = true;
    }
    const double slack = 1e-9 * std::max(std::fabs(low), std::fabs(high)); // rounding only
    if (!counted)
        Check(gpa == 0.0, "a GPA without a counted class");
    else if (finite && std::isfinite(gpa)) // a sum beyond the doubles is no fault of the rule
        Check(gpa >= low - slack && gpa <= high + slack,
              "the GPA lies outside the grade points of its classes");

    volatile double sink = gpa;
    for (const CClass &c : s.m_classes) {
        QString letter;
        double earned = 0.0, possible = 0.0;
        sink = c.GetGrade(letter, earned, possible);
        c.GetLetterGrade(letter, earned, possible);
        for (const CAssignment &r : c.m_reminders) {
            Check(!r.GetDueText(true).isEmpty() && !r.GetDueText(false).isEmpty() &&
                      !r.GetDueTimeText().isEmpty() && !r.GetTypeText().isEmpty(),
                  "an empty reminder text");
        }
        for (const CClassTime &t : c.m_classTimes) {
            t.GetText(true);
            int endHour = 0, endMinute = 0;
            t.GetEndTime(endHour, endMinute);
            t.GetText(false);
        }
    }
    (void)sink;
}

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// The same bytes as the term file and the instructor file of a fresh data folder, through
// LoadData twice (the second load must reuse the copy of the first), and as the chart file.
void CheckLoader(const QByteArray &bytes, bool studentWhole, bool studentAtEnd,
                 const CStudent &direct, bool teachersWhole, bool teachersAtEnd,
                 const CTeacherArray &direct2, const CGradeTypeArray &chart, bool chartWhole)
{
    // Saves sync to disk; a memory file system keeps that from dominating the run.
    static QTemporaryDir base(QDir(QStringLiteral("/dev/shm")).exists()
                                  ? QStringLiteral("/dev/shm/quillbox-fuzz-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/quillbox-fuzz-XXXXXX"));
    Check(base.isValid(), "no temporary folder");
    const QString dir = base.filePath(QStringLiteral("data"));
    QDir(dir).removeRecursively();
    Check(QDir().mkpath(dir), "cannot create the data folder");
    SetDataDir(dir);

    for (const char *name : {kStudentFile, kTeachersFile, kGradeChartFile}) {
        QFile f(DataFilePath(QString::fromLatin1(name)));
        Check(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size(),
              "cannot write a data file");
    }

    CStudent student;
    CTeacherArray teachers;
    const LoadReport first = LoadData(student, teachers);
    const bool studentOk = studentWhole && studentAtEnd;
    const bool teachersOk = teachersWhole && teachersAtEnd;
    Check(first.student.status == (studentOk ? FileReadResult::Whole : FileReadResult::Damaged),
          "the loader judged the term file differently");
    Check(first.teachers.status == (teachersOk ? FileReadResult::Whole : FileReadResult::Damaged),
          "the loader judged the instructor file differently");
    if (studentWhole)
        Check(HasNaN(direct) || student == direct, "the loader read a different term");
    if (teachersWhole)
        Check(teachers == direct2, "the loader read a different instructor list");
    Check(first.damaged() == !first.message().isEmpty(), "a damaged load without a message");
    Check((first.student.status == FileReadResult::Damaged) ==
              !DescribeStudentRead(first.student, true).isEmpty(),
          "a damaged restore without a message");

    for (const FileReadResult *r : {&first.student, &first.teachers}) {
        if (r->status != FileReadResult::Damaged)
            continue;
        Check(!r->damagedCopy.isEmpty(), "a damaged file was not copied aside");
        Check(FileBytes(r->damagedCopy) == bytes, "the damaged copy differs from the file");
    }
    // The files themselves are never changed by reading them.
    Check(FileBytes(DataFilePath(QString::fromLatin1(kStudentFile))) == bytes,
          "loading changed the term file");
    Check(FileBytes(DataFilePath(QString::fromLatin1(kTeachersFile))) == bytes,
          "loading changed the instructor file");

    if (first.damaged()) {
        CStudent student2;
        CTeacherArray teachers2;
        const LoadReport second = LoadData(student2, teachers2);
        Check(second.student.damagedCopy == first.student.damagedCopy &&
                  second.teachers.damagedCopy == first.teachers.damagedCopy,
              "a second load of the same damage made another copy");
        const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot);
        Check(entries.size() == 3 + int(first.student.status == FileReadResult::Damaged) +
                                    int(first.teachers.status == FileReadResult::Damaged),
              "unexpected files in the data folder");
    }

    // What was loaded saves, and the saved files read back whole as the same records; the
    // damaged copies stay as they were.
    const SaveReport saved = SaveData(student, teachers);
    Check(saved.ok(), "a loaded term could not be saved");
    CStudent again;
    Check(ReadStudentFile(DataFilePath(QString::fromLatin1(kStudentFile)), again).status ==
              FileReadResult::Whole,
          "a saved term does not read back whole");
    Check(HasNaN(student) || again == student, "a saved term reads back different");
    for (const FileReadResult *r : {&first.student, &first.teachers})
        if (r->status == FileReadResult::Damaged)
            Check(FileBytes(r->damagedCopy) == bytes, "a save changed a damaged file's copy");

    CGradeTypeArray read = {CGradeType(QStringLiteral("Z"), 1.0, 2.0)};
    const CGradeTypeArray before = read;
    const bool chartRead = ReadGradeChartFile(read);
    Check(chartRead == chartWhole, "the chart file was judged differently");
    if (!chartRead)
        Check(read == before, "a damaged chart file changed the chart");
    else
        Check(HasNaN(chart) || read == chart, "the chart file read a different chart");

    QDir(dir).removeRecursively();
}

uint32_t SampleHash(const uint8_t *data, size_t size)
{
    uint32_t h = 2166136261u ^ uint32_t(size);
    for (size_t i = 0; i < size && i < 64; ++i)
        h = (h ^ data[i]) * 16777619u;
    return h >> 8;
}

} // namespace

const FuzzOutcome &LastFuzzOutcome()
{
    return g_outcome;
}
void SetFuzzAlwaysLoad(bool always)
{
    g_alwaysLoad = always;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Times are stored as local calendar fields; in UTC every instant has exactly one.
    setenv("TZ", "UTC", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    g_outcome = FuzzOutcome();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    CStudent student;
    bool studentAtEnd = false;
    const bool studentWhole = ReadAll(bytes, student, StudentIn, &studentAtEnd);
    UseTexts(student); // classes read whole before damage are shown too
    if (studentWhole)
        CheckStudentRoundTrip(student);

    CTeacherArray teachers;
    bool teachersAtEnd = false;
    const bool teachersWhole = ReadAll(bytes, teachers, TeachersIn, &teachersAtEnd);
    if (teachersWhole)
        CheckTeachersRoundTrip(teachers);

    CGradeTypeArray chart;
    const bool chartWhole = ReadAll(bytes, chart, ChartIn);
    if (chartWhole)
        CheckChartRoundTrip(chart);

    g_outcome.studentWhole = studentWhole && studentAtEnd;
    g_outcome.teachersWhole = teachersWhole && teachersAtEnd;
    g_outcome.chartWhole = chartWhole;

    // The loader costs about ten times the parsing: an eighth of the inputs, picked by a hash of
    // their first bytes (the first byte alone would pick every written term or none).
    if (g_alwaysLoad || SampleHash(data, size) % 8 == 0) {
        CheckLoader(bytes, studentWhole, studentAtEnd, student, teachersWhole, teachersAtEnd,
                    teachers, chart, chartWhole);
        g_outcome.loaded = true;
    }
    return 0;
}
