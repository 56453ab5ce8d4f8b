// The data files: round trips, first start, old record versions, the grade chart file, and saves
// that cannot be written.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.path());
        studentPath = DataFilePath(kStudentFile);
        teachersPath = DataFilePath(kTeachersFile);
    }
    void TearDown() override { SetDataDir(QString()); }
    LoadReport load()
    {
        student = CStudent();
        teachers.clear();
        return LoadData(student, teachers);
    }

    QTemporaryDir m_dir;
    QString studentPath, teachersPath;
    CStudent student;
    CTeacherArray teachers;
};

TEST_F(DataFilesTest, saveThenLoad_givesEqualTerm_andAMissingInstructorFileKeepsTheClasses)
{
    CStudent term = MakeTerm(6, 12, 7);
    term.m_strName = QStringLiteral("Owner kept as read");
    CClass longTexts; // the two longer length forms of a string
    longTexts.SetName(QStringLiteral("Seminar"));
    longTexts.SetDescription(QString(300, QChar(u'é')));
    longTexts.SetLocation(QString(70000, QChar(u'x')));
    term.m_classes.append(longTexts);
    term.m_classes.append(CClass()); // a class with every list empty
    term.m_classes.last().m_gradeChart.clear();
    const CTeacherArray saved = MakeTeachers(8);

    ASSERT_TRUE(SaveData(term, saved).ok());
    EXPECT_EQ(ReadBytes(studentPath), EncodeStudent(term));
    LoadReport report = load();
    EXPECT_EQ(report.student.status, FileReadResult::Whole);
    EXPECT_EQ(report.teachers.status, FileReadResult::Whole);
    EXPECT_TRUE(report.message().isEmpty());
    EXPECT_EQ(student, term);
    EXPECT_EQ(teachers, saved);

    ASSERT_TRUE(QFile::remove(teachersPath));
    report = load();
    EXPECT_EQ(student, term); // instructor copies included
    EXPECT_TRUE(teachers.isEmpty());
    EXPECT_EQ(report.teachers.status, FileReadResult::Missing);
    EXPECT_TRUE(report.message().isEmpty());
}

TEST_F(DataFilesTest, firstStart_loadsEmptyWithoutMessage_andFirstSaveWritesEmptyFiles)
{
    SetDataDir(m_dir.filePath(QStringLiteral("not/yet/made")));
    const LoadReport report = load();
    EXPECT_EQ(report.student.status, FileReadResult::Missing);
    EXPECT_EQ(report.teachers.status, FileReadResult::Missing);
    EXPECT_EQ(student, CStudent());
    EXPECT_TRUE(teachers.isEmpty());
    EXPECT_TRUE(report.message().isEmpty());

    const SaveReport save = SaveData(student, teachers);
    EXPECT_TRUE(save.ok()) << save.message().toStdString();
    EXPECT_EQ(ReadBytes(DataFilePath(kStudentFile)), FromHex("FF FE FF 00 00 00 00 00"));
    EXPECT_EQ(ReadBytes(DataFilePath(kTeachersFile)), FromHex("00 00 00 00"));
}

TEST_F(DataFilesTest, load_deletesNoFile_notEvenOnesNamedLikeASavesTemporary)
{
    // A killed save's temporary may hold the newest term; the others are the user's.
    const QStringList names = {"studentdef.stn.Ab12Cd", "teachers.dat.q9Z8x7",
                               "studentdef.stn.backup", "teachers.dat.mine01",
                               "gradechart.dat.old123", "SDBackupEnd-7-9-2003-2140"};
    for (const QString &name : names)
        WriteBytes(m_dir.filePath(name), name.toUtf8());
    load();
    for (const QString &name : names)
        EXPECT_EQ(ReadBytes(m_dir.filePath(name)), name.toUtf8()) << name.toStdString();
}

// What is at a path: "folder", "file", "link to TARGET" or "other" (a socket).
std::string Kind(const QString &path)
{
    const QFileInfo f(path);
    return f.isSymLink() ? "link to " + f.symLinkTarget().toStdString()
           : f.isDir()   ? "folder"
           : f.isFile()  ? "file"
           : f.exists()  ? "other"
                         : "nothing";
}

TEST_F(DataFilesTest, unreadableFile_isReported_andNoSaveReplacesItWhileItIsThere)
{
    const auto folder = [](const QString &path) { return QDir().mkdir(path); };
    // Reading /proc/self/mem from its start fails with an I/O error, even for root.
    const auto ioError = [](const QString &path) {
        return QFile::link(QStringLiteral("/proc/self/mem"), path);
    };
    // A socket cannot be opened, even by root, yet a save could rename a file over it.
    const auto socketFile = [](const QString &path) {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, QFile::encodeName(path).constData(), sizeof addr.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
        ::close(fd);
        return bound;
    };
    const struct {
        const char *file;
        std::function<bool(const QString &)> make;
        const char *told;
    } cases[] = {
        {kStudentFile, folder, "The term file studentdef.stn could not be read"},
        {kStudentFile, ioError, "The term file studentdef.stn could not be read"},
        {kStudentFile, socketFile, "The term file studentdef.stn could not be read"},
        {kTeachersFile, socketFile, "The instructor file teachers.dat could not be read"},
        {kTeachersFile, ioError, "The instructor file teachers.dat could not be read"},
    };
    for (const auto &c : cases) {
        const QString path = DataFilePath(c.file);
        QDir(m_dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(m_dir.path()));
        ASSERT_TRUE(c.make(path));
        const std::string kind = Kind(path);
        SCOPED_TRACE(std::string(c.file) + " as " + kind);

        const LoadReport report = load();
        const FileReadResult &r = c.file == kStudentFile ? report.student : report.teachers;
        EXPECT_EQ(r.status, FileReadResult::Unreadable);
        EXPECT_TRUE(report.message().contains(c.told)) << report.message().toStdString();
        EXPECT_TRUE(report.message().contains("will not save over it"));

        const SaveReport save = SaveData(MakeTerm(1, 1), MakeTeachers(1));
        ASSERT_EQ(save.failures.size(), 1) << save.message().toStdString();
        EXPECT_TRUE(save.failures[0].contains(path)) << save.failures[0].toStdString();
        EXPECT_EQ(Kind(path), kind);
        const QString other = DataFilePath(c.file == kStudentFile ? kTeachersFile : kStudentFile);
        EXPECT_EQ(Kind(other), "file") << "the other file is saved";

        // Once it is gone nothing can be lost by writing it.
        ASSERT_TRUE(kind == "folder" ? QDir(path).removeRecursively() : QFile::remove(path));
        EXPECT_TRUE(SaveData(MakeTerm(1, 1), MakeTeachers(1)).ok());
    }
}

TEST_F(DataFilesTest, versionOneStudentFile_loadsAndSavesAsVersionTwo)
{
    const CTime due = CTime::FromLocal(2003, 9, 15, 14, 30, 0);
    const QByteArray biology = OldClass("Biology", 0, I32(1) + OldReminder("Lab 1", due));
    const QByteArray chemistry = OldClass("Chemistry", 1);
    WriteBytes(studentPath, Old("Sam") + I32(2) + biology + chemistry);
    const LoadReport report = load();
    ASSERT_EQ(report.student.status, FileReadResult::Whole) << report.student.error.toStdString();
    EXPECT_EQ(student.m_strName, QStringLiteral("Sam"));
    EXPECT_EQ(student.m_classes, CClassArray({Read<CClass>(biology), Read<CClass>(chemistry)}));
    EXPECT_EQ(student.m_classes.value(0).m_reminders.value(0).m_timeDue, due);

    ASSERT_TRUE(SaveData(student, teachers).ok());
    const QByteArray saved = ReadBytes(studentPath);
    const QByteArray marker = Str("REMINDER NEW VERSION");
    EXPECT_TRUE(saved.startsWith(Str("Sam") + I32(2) + marker + Str("Biology") + I32(2)));
    EXPECT_TRUE(saved.contains(marker + Str("Lab 1") + I32(2)));
    const CStudent first = student;
    EXPECT_EQ(load().student.status, FileReadResult::Whole);
    EXPECT_EQ(student, first);
}

TEST_F(DataFilesTest, gradeChartFile_exactBytes_andAMissingOrCutFileLeavesTheChart)
{
    const CGradeTypeArray before = CClass().m_gradeChart;
    CGradeTypeArray chart = before;
    EXPECT_FALSE(ReadGradeChartFile(chart));
    EXPECT_EQ(chart, before);

    const CGradeTypeArray one = {CGradeType(QStringLiteral("A"), 4.0, 90.0)};
    ASSERT_TRUE(WriteGradeChartFile(one));
    const QByteArray whole = ReadBytes(DataFilePath(kGradeChartFile));
    EXPECT_EQ(HexOf(whole), "01 00 00 00 FF FE FF 01 41 00 00 00 00 00 00 00 10 40 "
                            "00 00 00 00 00 80 56 40");
    ASSERT_TRUE(ReadGradeChartFile(chart));
    EXPECT_EQ(chart, one);

    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        WriteBytes(DataFilePath(kGradeChartFile), whole.left(cut));
        chart = before;
        EXPECT_FALSE(ReadGradeChartFile(chart)) << "cut at " << cut;
        ASSERT_EQ(chart, before) << "cut at " << cut;
    }
}

TEST_F(DataFilesTest, saveIntoReadOnlyFolder_reportsEachFile_andKeepsOldFiles)
{
    ASSERT_TRUE(SaveData(MakeTerm(2, 2, 1), MakeTeachers(2)).ok());
    const QByteArray oldStudent = ReadBytes(studentPath);
    const QByteArray oldTeachers = ReadBytes(teachersPath);
    const QFile::Permissions saved = QFile::permissions(m_dir.path());
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const SaveReport report = SaveData(MakeTerm(3, 3, 2), MakeTeachers(5));
    const bool writable = QFile(m_dir.filePath("probe")).open(QIODevice::WriteOnly);
    QFile::setPermissions(m_dir.path(), saved);
    if (writable)
        GTEST_SKIP() << "folder permissions do not stop writes here (running as root); "
                        "the two tests below cover failed saves";

    ASSERT_EQ(report.failures.size(), 2);
    EXPECT_TRUE(report.failures[0].contains(studentPath)) << report.failures[0].toStdString();
    EXPECT_TRUE(
        report.failures[0].contains(QStringLiteral("permission denied"), Qt::CaseInsensitive));
    EXPECT_TRUE(report.failures[1].contains(teachersPath));
    EXPECT_TRUE(report.message().startsWith(QStringLiteral("Your changes could not be saved.")));
    EXPECT_EQ(ReadBytes(studentPath), oldStudent);
    EXPECT_EQ(ReadBytes(teachersPath), oldTeachers);
}

TEST_F(DataFilesTest, saveOverDirectory_reportsThatFile_andStillWritesTheOther)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QString::fromLatin1(kStudentFile)));
    const SaveReport report = SaveData(MakeTerm(2, 2), MakeTeachers(3));
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_TRUE(report.failures[0].contains(studentPath)) << report.failures[0].toStdString();
    EXPECT_TRUE(report.message().contains(studentPath));
    EXPECT_TRUE(QFileInfo(studentPath).isDir());
    EXPECT_EQ(ReadBytes(teachersPath), EncodeTeachers(MakeTeachers(3)));
}

TEST_F(DataFilesTest, bytesAfterTheLastRecord_areToldAsSuch_notAsAFileReadInPart)
{
    const CStudent term = MakeTerm(3, 2);
    const struct {
        const char *file;
        QByteArray bytes;
        const char *told;
        const char *notTold;
    } cases[] = {
        {kStudentFile, EncodeStudent(term) + "xyz",
         "The term file studentdef.stn has 3 extra bytes after its last class. All 3 classes it "
         "lists were read",
         "in part"},
        {kTeachersFile, EncodeTeachers(MakeTeachers(4)) + "z",
         "The instructor file teachers.dat has 1 extra byte after its last instructor. All 4 "
         "instructors it lists were read",
         "in part"},
        // Cut short instead: read in part, no extra bytes.
        {kStudentFile, EncodeStudent(term).chopped(3),
         "The term file studentdef.stn is damaged and could only be read in part.", "extra"},
        {kTeachersFile, EncodeTeachers(MakeTeachers(4)).chopped(1),
         "The instructor file teachers.dat is damaged and could only be read in part.", "extra"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.told);
        WriteBytes(DataFilePath(c.file), c.bytes);
        const LoadReport report = load();
        EXPECT_TRUE(report.message().contains(c.told)) << report.message().toStdString();
        EXPECT_FALSE(report.message().contains(c.notTold));
        EXPECT_TRUE(report.message().contains("-damaged-")) << "kept as it was";
        QFile::remove(DataFilePath(c.file));
    }
    WriteBytes(m_dir.filePath("chosen.stn"), EncodeStudent(term) + "xyz");
    CStudent chosen;
    const QString told =
        DescribeStudentRead(ReadStudentFile(m_dir.filePath("chosen.stn"), chosen), true);
    EXPECT_TRUE(told.contains("The file chosen.stn you chose has 3 extra bytes after its last "
                              "class. All 3 classes it lists were read"))
        << told.toStdString();
    EXPECT_EQ(chosen, term);
}

TEST_F(DataFilesTest, saveWhenFileSizeLimitReached_reportsFailure_andKeepsOldFileWhole)
{
    const CStudent oldTerm = MakeTerm(2, 2, 1);
    ASSERT_TRUE(SaveData(oldTerm, MakeTeachers(2)).ok());
    const QByteArray oldStudent = ReadBytes(studentPath);
    const CStudent bigTerm = MakeTerm(10, 200, 2);
    ASSERT_GT(EncodeStudent(bigTerm).size(), 256 * 1024);

    SaveReport report;
    {
        FileSizeLimit limit(64 *
                            1024); // the old files and the instructor list fit; the big term not
        report = SaveData(bigTerm, MakeTeachers(2));
    }

    ASSERT_EQ(report.failures.size(), 1) << report.message().toStdString();
    EXPECT_TRUE(report.failures[0].contains(studentPath)) << report.failures[0].toStdString();
    EXPECT_EQ(ReadBytes(studentPath), oldStudent);
    // The cancelled temporary is gone: nothing but the two data files is left.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              QStringList({QString::fromLatin1(kStudentFile), QString::fromLatin1(kTeachersFile)}));
    EXPECT_EQ(load().student.status, FileReadResult::Whole);
    EXPECT_EQ(student, oldTerm);
}

} // namespace
