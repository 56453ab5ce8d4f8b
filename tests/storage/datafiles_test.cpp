// The data files: round trips, first start, old record versions, the grade chart file, and saves
// that cannot be written.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

// Builds file bytes by hand, independently of CArchive, including the 8-bit string form that
// only old files carry.
class Raw {
public:
    Raw &i32(int32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_b.append(char((uint32_t(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    Raw &word(uint16_t v)
    {
        m_b.append(char(v & 0xFF));
        m_b.append(char(v >> 8));
        return *this;
    }
    Raw &f64(double v)
    {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        for (int i = 0; i < 8; ++i)
            m_b.append(char((bits >> (8 * i)) & 0xFF));
        return *this;
    }
    Raw &str8(const char *s) // short 8-bit form: length byte, then the bytes
    {
        m_b.append(char(std::strlen(s)));
        m_b.append(s);
        return *this;
    }
    Raw &str16(const QString &s) // short UTF-16 form
    {
        m_b.append("\xFF\xFE\xFF", 3);
        m_b.append(char(s.size()));
        for (QChar c : s)
            word(c.unicode());
        return *this;
    }
    Raw &time(int y, int mo, int dow, int d, int h, int mi)
    {
        return word(y).word(mo).word(dow).word(d).word(h).word(mi).word(0).word(0);
    }
    const QByteArray &bytes() const { return m_b; }

private:
    QByteArray m_b;
};

class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.path());
        SetDocumentsDir(m_dir.filePath(QStringLiteral("Documents")));
    }
    void TearDown() override
    {
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }
    QString studentPath() const { return DataFilePath(kStudentFile); }
    QString teachersPath() const { return DataFilePath(kTeachersFile); }

    QTemporaryDir m_dir;
};

// ---- round trips and first start ----

TEST_F(DataFilesTest, saveThenLoad_givesEqualTermAndInstructors)
{
    CStudent term = MakeTerm(6, 12, 7);
    term.m_strName = QStringLiteral("Owner kept as read");
    CClass longTexts; // the two longer length forms of a string
    longTexts.SetName(QStringLiteral("Seminar"));
    longTexts.SetDescription(QString(300, QChar(u'é')));
    longTexts.SetLocation(QString(70000, QChar(u'x')));
    term.m_classes.append(longTexts);
    term.m_classes.append(CClass()); // a class with every list empty but the chart
    term.m_classes.last().m_gradeChart.clear();
    const CTeacherArray teachers = MakeTeachers(8);

    ASSERT_TRUE(SaveData(term, teachers).ok());
    EXPECT_EQ(ReadBytes(studentPath()), EncodeStudent(term));

    CStudent loaded;
    CTeacherArray loadedTeachers;
    const LoadReport report = LoadData(loaded, loadedTeachers);
    EXPECT_EQ(report.student.status, FileReadResult::Whole);
    EXPECT_EQ(report.teachers.status, FileReadResult::Whole);
    EXPECT_TRUE(report.message().isEmpty());
    ASSERT_EQ(loaded.m_classes.size(), term.m_classes.size());
    for (qsizetype i = 0; i < term.m_classes.size(); ++i)
        EXPECT_EQ(loaded.m_classes[i], term.m_classes[i]) << "class " << i;
    EXPECT_EQ(loaded.m_strName, term.m_strName);
    EXPECT_EQ(loadedTeachers, teachers);
}

TEST_F(DataFilesTest, firstStart_loadsEmptyWithoutMessage_andFirstSaveWritesEmptyFiles)
{
    SetDataDir(m_dir.filePath(QStringLiteral("not/yet/made")));
    CStudent s;
    CTeacherArray teachers;
    const LoadReport report = LoadData(s, teachers);
    EXPECT_EQ(report.student.status, FileReadResult::Missing);
    EXPECT_EQ(report.teachers.status, FileReadResult::Missing);
    EXPECT_TRUE(s.m_classes.isEmpty());
    EXPECT_TRUE(teachers.isEmpty());
    EXPECT_FALSE(report.damaged());
    EXPECT_TRUE(report.message().isEmpty());

    const SaveReport save = SaveData(s, teachers);
    EXPECT_TRUE(save.ok()) << save.message().toStdString();
    EXPECT_TRUE(save.message().isEmpty());
    EXPECT_EQ(ReadBytes(studentPath()), FromHex("FF FE FF 00 00 00 00 00"));
    EXPECT_EQ(ReadBytes(teachersPath()), FromHex("00 00 00 00"));
}

TEST_F(DataFilesTest, load_removesTemporariesOfAKilledSave_andNothingElse)
{
    const QStringList litter = {"studentdef.stn.Ab12Cd", "teachers.dat.q9Z8x7"};
    const QStringList kept = {"studentdef.stn.bak", "studentdef.stn.toolong", "notes.stn.Ab12Cd",
                              "SDBackupEnd-7-9-2003-2140"};
    for (const QString &name : litter + kept) {
        QFile f(m_dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    CStudent s;
    CTeacherArray t;
    LoadData(s, t);
    for (const QString &name : litter)
        EXPECT_FALSE(QFile::exists(m_dir.filePath(name))) << name.toStdString();
    for (const QString &name : kept)
        EXPECT_TRUE(QFile::exists(m_dir.filePath(name))) << name.toStdString();
}

TEST_F(DataFilesTest, missingInstructorFile_keepsClassesAndTheirInstructorCopies)
{
    const CStudent term = MakeTerm(4, 3);
    ASSERT_TRUE(SaveData(term, MakeTeachers(4)).ok());
    ASSERT_TRUE(QFile::remove(teachersPath()));

    CStudent s;
    CTeacherArray teachers;
    const LoadReport report = LoadData(s, teachers);
    EXPECT_EQ(s, term);
    EXPECT_FALSE(s.m_classes[0].m_teacher.m_strLastName.isEmpty());
    EXPECT_TRUE(teachers.isEmpty());
    EXPECT_EQ(report.teachers.status, FileReadResult::Missing);
    EXPECT_TRUE(report.message().isEmpty());
}

// ---- version 1 records ----

// Biology: eleven-row chart; Chemistry: plain letters, four rows. Strings in the old 8-bit form.
QByteArray VersionOneStudentFile()
{
    const double mins[11] = {93, 90, 87, 83, 80, 77, 73, 70, 67, 63, 60};
    const double points[11] = {4.0, 3.7, 3.3, 3.0, 2.7, 2.3, 2.0, 1.7, 1.3, 1.0, 0.7};
    Raw b;
    b.str8("Sam").i32(2);
    for (int plain = 0; plain < 2; ++plain) {
        b.str8(plain ? "Chemistry" : "Biology").str8("Cells").f64(500.0).str16("Room 12");
        for (double v : mins)
            b.f64(v);
        for (double v : points)
            b.f64(v);
        b.f64(plain ? 3.0 : 4.0).i32(plain).i32(1).i32(5);
        b.i32(1).str8("Campbell").str8("Reece").str8("").f64(89.5);
        // One version 1 reminder: no marker, no version, no priority.
        b.i32(1).str8("Lab 1").i32(1).str8("").f64(8.0).f64(10.0).i32(1).i32(0);
        b.time(2003, 9, 1, 15, 14, 30);
        b.i32(1).i32(2).i32(9).i32(0).i32(50);
        b.str8("Ada").str8("Okafor").str8("").str8("").str8("").str8("").str8("");
    }
    return b.bytes();
}

TEST_F(DataFilesTest, versionOneStudentFile_loadsAndSavesAsVersionTwo)
{
    WriteBytes(studentPath(), VersionOneStudentFile());
    CStudent s;
    CTeacherArray teachers;
    const LoadReport report = LoadData(s, teachers);
    ASSERT_EQ(report.student.status, FileReadResult::Whole) << report.student.error.toStdString();
    ASSERT_EQ(s.m_classes.size(), 2);
    EXPECT_EQ(s.m_strName, QStringLiteral("Sam"));

    const CClass &bio = s.m_classes[0];
    EXPECT_EQ(bio.m_strName, QStringLiteral("Biology"));
    EXPECT_EQ(bio.m_strLocation, QStringLiteral("Room 12"));
    EXPECT_EQ(bio.m_dTotalPoints, 500.0);
    EXPECT_EQ(bio.m_dCredits, 4.0);
    EXPECT_EQ(bio.m_bGraded, 1);
    EXPECT_EQ(bio.m_nExtraCredit, 5);
    ASSERT_EQ(bio.m_gradeChart.size(), 11);
    EXPECT_EQ(bio.m_gradeChart[1], CGradeType(QStringLiteral("A-"), 3.7, 90.0));
    EXPECT_EQ(bio.m_gradeChart[10], CGradeType(QStringLiteral("D-"), 0.7, 60.0));
    ASSERT_EQ(bio.m_reminders.size(), 1);
    EXPECT_EQ(bio.m_reminders[0].m_strName, QStringLiteral("Lab 1"));
    EXPECT_EQ(bio.m_reminders[0].m_bHighPriority, 0);
    EXPECT_EQ(bio.m_reminders[0].m_dPointsEarned, 8.0);
    EXPECT_EQ(bio.m_reminders[0].m_timeDue, CTime::FromLocal(2003, 9, 15, 14, 30, 0));
    ASSERT_EQ(bio.m_textBooks.size(), 1);
    EXPECT_EQ(bio.m_textBooks[0].m_dPrice, 89.5);
    EXPECT_EQ(bio.m_teacher.m_strLastName, QStringLiteral("Okafor"));

    const CClass &chem = s.m_classes[1];
    EXPECT_EQ(chem.m_dCredits, 3.0);
    const CGradeTypeArray plain = {CGradeType("A", 4.0, 93), CGradeType("B", 3.0, 83),
                                   CGradeType("C", 2.0, 73), CGradeType("D", 1.0, 63)};
    EXPECT_EQ(chem.m_gradeChart, plain);

    ASSERT_TRUE(SaveData(s, teachers).ok());
    const QByteArray saved = ReadBytes(studentPath());
    // Owner name now in UTF-16, then the count and a version 2 class header.
    const QByteArray head =
        Raw().str16("Sam").i32(2).str16("REMINDER NEW VERSION").str16("Biology").i32(2).bytes();
    EXPECT_EQ(saved.left(head.size()), head);
    EXPECT_TRUE(saved.contains(Raw().str16("REMINDER NEW VERSION").str16("Lab 1").i32(2).bytes()));

    CStudent again;
    CTeacherArray noTeachers;
    EXPECT_EQ(LoadData(again, noTeachers).student.status, FileReadResult::Whole);
    EXPECT_EQ(again, s);
}

// ---- the default grade chart file ----

TEST_F(DataFilesTest, gradeChartFile_writesExactBytesAndReadsThemBack)
{
    const CGradeTypeArray chart = {CGradeType(QStringLiteral("A"), 4.0, 90.0)};
    ASSERT_TRUE(WriteGradeChartFile(chart));
    EXPECT_EQ(ReadBytes(DataFilePath(kGradeChartFile)),
              FromHex("01 00 00 00 FF FE FF 01 41 00 00 00 00 00 00 00 10 40 "
                      "00 00 00 00 00 80 56 40"));
    CGradeTypeArray read = CClass().m_gradeChart;
    ASSERT_TRUE(ReadGradeChartFile(read));
    EXPECT_EQ(read, chart);
}

TEST_F(DataFilesTest, gradeChartFile_missingOrCut_leavesChartAsItWas)
{
    const CGradeTypeArray before = CClass().m_gradeChart;
    CGradeTypeArray chart = before;
    EXPECT_FALSE(ReadGradeChartFile(chart));
    EXPECT_EQ(chart, before);

    const QByteArray whole = EncodeGradeChart(MakeTerm(2, 0).m_classes[1].m_gradeChart);
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        WriteBytes(DataFilePath(kGradeChartFile), whole.left(cut));
        EXPECT_FALSE(ReadGradeChartFile(chart)) << "cut at " << cut;
        ASSERT_EQ(chart, before) << "cut at " << cut;
    }
}

// ---- saves that cannot be written ----

// Restores the folder's permissions even when an assertion ends the test early.
struct PermissionGuard {
    QString path;
    QFile::Permissions saved;
    explicit PermissionGuard(const QString &p) : path(p), saved(QFile::permissions(p)) {}
    ~PermissionGuard() { QFile::setPermissions(path, saved); }
};

TEST_F(DataFilesTest, saveIntoReadOnlyFolder_reportsEachFile_andKeepsOldFiles)
{
    const CStudent oldTerm = MakeTerm(2, 2, 1);
    ASSERT_TRUE(SaveData(oldTerm, MakeTeachers(2)).ok());
    const QByteArray oldStudent = ReadBytes(studentPath());
    const QByteArray oldTeachers = ReadBytes(teachersPath());

    PermissionGuard guard(m_dir.path());
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                        QFile::ReadGroup | QFile::ExeGroup |
                                                        QFile::ReadOther | QFile::ExeOther));
    {
        QFile probe(m_dir.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            GTEST_SKIP() << "folder permissions do not stop writes here (running as root); "
                            "saveOverDirectory and saveWhenFileSizeLimitReached cover failed saves";
        }
    }

    const SaveReport report = SaveData(MakeTerm(3, 3, 2), MakeTeachers(5));
    EXPECT_FALSE(report.ok());
    ASSERT_EQ(report.failures.size(), 2);
    EXPECT_TRUE(report.failures[0].contains(studentPath())) << report.failures[0].toStdString();
    EXPECT_TRUE(
        report.failures[0].contains(QStringLiteral("permission denied"), Qt::CaseInsensitive));
    EXPECT_TRUE(report.failures[1].contains(teachersPath()));
    EXPECT_TRUE(report.message().startsWith(QStringLiteral("Your changes could not be saved.")));
    EXPECT_EQ(ReadBytes(studentPath()), oldStudent);
    EXPECT_EQ(ReadBytes(teachersPath()), oldTeachers);
}

TEST_F(DataFilesTest, saveOverDirectory_reportsThatFile_andStillWritesTheOther)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QString::fromLatin1(kStudentFile)));
    const CTeacherArray teachers = MakeTeachers(3);
    const SaveReport report = SaveData(MakeTerm(2, 2), teachers);
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_TRUE(report.failures[0].contains(studentPath())) << report.failures[0].toStdString();
    EXPECT_TRUE(report.message().contains(studentPath()));
    EXPECT_TRUE(QFileInfo(studentPath()).isDir());
    EXPECT_EQ(ReadBytes(teachersPath()), EncodeTeachers(teachers));
}

// Makes writes beyond `limit` bytes fail (EFBIG) as on a full disk, for root too.
struct FileSizeLimit {
    rlimit saved{};
    void (*savedHandler)(int) = SIG_DFL;
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved;
        lower.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
    }
};

TEST_F(DataFilesTest, saveWhenFileSizeLimitReached_reportsFailure_andKeepsOldFileWhole)
{
    const CStudent oldTerm = MakeTerm(2, 2, 1);
    const CTeacherArray teachers = MakeTeachers(2);
    ASSERT_TRUE(SaveData(oldTerm, teachers).ok());
    const QByteArray oldStudent = ReadBytes(studentPath());
    const CStudent bigTerm = MakeTerm(10, 200, 2);
    ASSERT_GT(EncodeStudent(bigTerm).size(), 256 * 1024);

    SaveReport report;
    {
        FileSizeLimit limit(64 *
                            1024); // the old files and the instructor list fit; the big term not
        report = SaveData(bigTerm, teachers);
    }
    ASSERT_EQ(report.failures.size(), 1) << report.message().toStdString();
    EXPECT_TRUE(report.failures[0].contains(studentPath())) << report.failures[0].toStdString();
    EXPECT_EQ(ReadBytes(studentPath()), oldStudent);
    EXPECT_EQ(ReadBytes(teachersPath()), EncodeTeachers(teachers));
    // The cancelled temporary is gone: nothing but the two data files is left.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              QStringList({QString::fromLatin1(kStudentFile), QString::fromLatin1(kTeachersFile)}));

    CStudent loaded;
    CTeacherArray none;
    EXPECT_EQ(LoadData(loaded, none).student.status, FileReadResult::Whole);
    EXPECT_EQ(loaded, oldTerm);
}

} // namespace
