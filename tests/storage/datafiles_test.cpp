// The data files: round trips, first start, the grade chart file, files that cannot be read or
// written, and damaged files: a load keeps every class (instructor) read whole, leaves the file
// as it was, copies it aside once and says where.

#include "storage/datafolder_fixture.h"

#include <cstring>
#include <functional>
#include <random>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using DataFilesTest = DataFolderTest;

TEST_F(DataFilesTest, firstStartLoadsEmpty_saveThenLoadGivesEqualTerm_noFileDeleted)
{
    SetDataDir(m_root.filePath("not/yet/made"));
    LoadReport report = load();
    EXPECT_EQ(report.student.status, FileReadResult::Missing);
    EXPECT_EQ(report.teachers.status, FileReadResult::Missing);
    EXPECT_EQ(student, CStudent());
    EXPECT_TRUE(teachers.isEmpty());
    EXPECT_TRUE(report.message().isEmpty());
    ASSERT_TRUE(SaveData(student, teachers).ok());
    EXPECT_EQ(ReadBytes(DataFilePath(kStudentFile)), FromHex("FF FE FF 00 00 00 00 00"));
    EXPECT_EQ(ReadBytes(DataFilePath(kTeachersFile)), FromHex("00 00 00 00"));

    SetDataDir(m_root.filePath("data"));
    CStudent term = MakeTerm(6, 12, 7);
    term.m_strName = "Owner kept as read";
    term.m_classes.append(Cls("Seminar")); // the two longer length forms of a string
    term.m_classes.last().SetDescription(QString(300, QChar(u'é')));
    term.m_classes.last().SetLocation(QString(70000, QChar(u'x')));
    term.m_classes.append(CClass()); // a class with every list empty
    term.m_classes.last().m_gradeChart.clear();
    ASSERT_TRUE(SaveData(term, MakeTeachers(8)).ok());
    EXPECT_EQ(ReadBytes(studentPath), EncodeStudent(term));
    // A killed save's temporary may hold the newest term; the others are the user's.
    const QStringList names = {"studentdef.stn.Ab12Cd", "teachers.dat.q9Z8x7",
                               "gradechart.dat.old123", "SDBackupEnd-7-9-2003-2140"};
    for (const QString &name : names)
        WriteBytes(DataFilePath(name), name.toUtf8());
    for (const bool withInstructors : {true, false}) {
        if (!withInstructors) {
            ASSERT_TRUE(QFile::remove(teachersPath));
        }
        report = load();
        EXPECT_EQ(report.student.status, FileReadResult::Whole);
        EXPECT_EQ(report.teachers.status,
                  withInstructors ? FileReadResult::Whole : FileReadResult::Missing);
        EXPECT_TRUE(report.message().isEmpty());
        EXPECT_EQ(student, term); // instructor copies included
        EXPECT_EQ(teachers, withInstructors ? MakeTeachers(8) : CTeacherArray());
    }
    for (const QString &name : names)
        EXPECT_EQ(ReadBytes(DataFilePath(name)), name.toUtf8()) << name.toStdString();
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
    const auto ioError = [](const QString &path) { return QFile::link("/proc/self/mem", path); };
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
    } cases[] = {{kStudentFile, folder},
                 {kStudentFile, ioError},
                 {kStudentFile, socketFile},
                 {kTeachersFile, socketFile},
                 {kTeachersFile, ioError}};
    for (const auto &c : cases) {
        const QString path = DataFilePath(c.file);
        const bool isStudent = c.file == kStudentFile;
        QDir(DataDir()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(DataDir()));
        ASSERT_TRUE(c.make(path));
        const std::string kind = Kind(path);
        SCOPED_TRACE(std::string(c.file) + " as " + kind);

        const LoadReport report = load();
        EXPECT_EQ((isStudent ? report.student : report.teachers).status,
                  FileReadResult::Unreadable);
        EXPECT_TRUE(report.message().contains(
            isStudent ? "The term file studentdef.stn could not be read"
                      : "The instructor file teachers.dat could not be read"))
            << report.message().toStdString();
        EXPECT_TRUE(report.message().contains("will not save over it"));

        const SaveReport save = SaveData(MakeTerm(1, 1), MakeTeachers(1));
        ASSERT_EQ(save.failures.size(), 1) << save.message().toStdString();
        EXPECT_TRUE(save.failures[0].contains(path)) << save.failures[0].toStdString();
        EXPECT_TRUE(save.message().contains(path));
        EXPECT_EQ(Kind(path), kind);
        EXPECT_EQ(ReadBytes(isStudent ? teachersPath : studentPath), // the other file is saved
                  isStudent ? EncodeTeachers(MakeTeachers(1)) : EncodeStudent(MakeTerm(1, 1)));

        // Once it is gone nothing can be lost by writing it.
        ASSERT_TRUE(kind == "folder" ? QDir(path).removeRecursively() : QFile::remove(path));
        EXPECT_TRUE(SaveData(MakeTerm(1, 1), MakeTeachers(1)).ok());
    }
}

TEST_F(DataFilesTest, gradeChartFile_exactBytes_andAMissingOrCutFileLeavesTheChart)
{
    const CGradeTypeArray before = CClass().m_gradeChart;
    CGradeTypeArray chart = before;
    EXPECT_FALSE(ReadGradeChartFile(chart));
    EXPECT_EQ(chart, before);

    const CGradeTypeArray one = {CGradeType("A", 4.0, 90.0)};
    ASSERT_TRUE(WriteGradeChartFile(one));
    const QByteArray whole = ReadBytes(DataFilePath(kGradeChartFile));
    EXPECT_EQ(whole, I32(1) + Bytes(one[0]));
    ASSERT_TRUE(ReadGradeChartFile(chart));
    EXPECT_EQ(chart, one);
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        WriteBytes(DataFilePath(kGradeChartFile), whole.left(cut));
        chart = before;
        EXPECT_FALSE(ReadGradeChartFile(chart)) << "cut at " << cut;
        ASSERT_EQ(chart, before) << "cut at " << cut;
    }
}

TEST_F(DataFilesTest, bytesAfterTheLastRecord_areToldAsSuch_notAsAFileReadInPart)
{
    const CStudent term = MakeTerm(3, 2);
    const QByteArray four = EncodeTeachers(MakeTeachers(4));
    const struct {
        const char *file;
        QByteArray bytes;
        const char *told, *notTold;
    } cases[] = {
        {kStudentFile, EncodeStudent(term) + "xyz",
         "The term file studentdef.stn has 3 extra bytes after its last class. All 3 classes it "
         "lists were read",
         "in part"},
        {kTeachersFile, four + "z",
         "The instructor file teachers.dat has 1 extra byte after its last instructor. All 4 "
         "instructors it lists were read",
         "in part"},
        {kStudentFile, EncodeStudent(term).chopped(3),
         "The term file studentdef.stn is damaged and could only be read in part.", "extra"},
        {kTeachersFile, four.chopped(1),
         "The instructor file teachers.dat is damaged and could only be read in part.", "extra"},
    };
    for (const auto &c : cases) {
        WriteBytes(DataFilePath(c.file), c.bytes);
        const QString told = load().message();
        EXPECT_TRUE(told.contains(c.told)) << told.toStdString();
        EXPECT_FALSE(told.contains(c.notTold)) << told.toStdString();
        EXPECT_TRUE(told.contains("-damaged-")) << told.toStdString();
        QFile::remove(DataFilePath(c.file));
    }
    const QString chosen = m_root.filePath("chosen.stn");
    WriteBytes(chosen, EncodeStudent(term) + "xyz");
    CStudent read;
    const QString told = DescribeStudentRead(ReadStudentFile(chosen, read), true);
    EXPECT_TRUE(told.contains("The file chosen.stn you chose has 3 extra bytes after its last "
                              "class. All 3 classes it lists were read"))
        << told.toStdString();
    EXPECT_EQ(read, term);
}

TEST_F(DataFilesTest, saveWhenFileSizeLimitReached_reportsFailure_andKeepsOldFileWhole)
{
    const CStudent oldTerm = MakeTerm(2, 2, 1);
    ASSERT_TRUE(SaveData(oldTerm, MakeTeachers(2)).ok());
    const QByteArray oldStudent = ReadBytes(studentPath);
    SaveReport report;
    {
        FileSizeLimit limit(64 * 1024); // the instructor list fits, the big term not
        report = SaveData(MakeTerm(10, 200, 2), MakeTeachers(2));
    }
    ASSERT_EQ(report.failures.size(), 1) << report.message().toStdString();
    EXPECT_TRUE(report.failures[0].contains(studentPath)) << report.failures[0].toStdString();
    EXPECT_TRUE(report.message().startsWith("Your changes could not be saved."));
    EXPECT_EQ(ReadBytes(studentPath), oldStudent);
    // The cancelled temporary is gone: nothing but the two data files is left.
    EXPECT_EQ(Files(DataDir()), QStringList({kStudentFile, kTeachersFile}));
    EXPECT_EQ(load().student.status, FileReadResult::Whole);
    EXPECT_EQ(student, oldTerm);
}

class DamagedFilesTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        Clock::Pin(At(2003, 7, 9, 21, 40));
        ASSERT_TRUE(SaveData(term, saved).ok());
    }
    QStringList copies() const { return Files(DataDir(), {"*-damaged-*"}); }
    // How many records end at or before `length`, the first starting at `header`.
    template <typename List>
    static int WholeBefore(const List &records, qsizetype header, qsizetype length)
    {
        int n = 0;
        for (const auto &r : records)
            n += (header += Bytes(r).size()) <= length;
        return n;
    }
    // Cuts the file at every length, then changes one to three of its bytes at random 300 times,
    // of which more than `minDamaged` must damage it. `records` are what the file holds from
    // byte `header` on; `loaded` what a load gave.
    template <typename List>
    void damage(const char *name, const QString &copy, FileReadResult LoadReport::*result,
                const List &records, const List &loaded, qsizetype header, int minDamaged);

    const CStudent term = MakeTerm(3, 3, 5);
    const CTeacherArray saved = MakeTeachers(4);
};

template <typename List>
void DamagedFilesTest::damage(const char *name, const QString &copy,
                              FileReadResult LoadReport::*result, const List &records,
                              const List &loaded, qsizetype header, int minDamaged)
{
    const QString path = DataFilePath(name);
    const QByteArray whole = ReadBytes(path);
    EXPECT_EQ(WholeBefore(records, header, whole.size()), records.size());
    for (qsizetype length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length) + " of " + std::to_string(whole.size()));
        const QByteArray cut = whole.left(length);
        WriteBytes(path, cut);
        const LoadReport report = load();
        const FileReadResult &r = report.*result;
        const int kept = WholeBefore(records, header, length);
        ASSERT_EQ(r.status, FileReadResult::Damaged);
        ASSERT_EQ(r.recovered, kept);
        ASSERT_EQ(loaded, records.mid(0, kept));
        ASSERT_EQ(ReadBytes(path), cut);
        ASSERT_EQ(r.damagedCopy, DataFilePath(copy));
        ASSERT_EQ(ReadBytes(r.damagedCopy), cut);
        ASSERT_TRUE(report.message().contains(copy)) << report.message().toStdString();
        // The same damage loaded again: no second copy.
        ASSERT_EQ((load().*result).damagedCopy, r.damagedCopy);
        ASSERT_EQ(copies(), QStringList{copy});
        ASSERT_EQ(loaded, records.mid(0, kept));
        QFile::remove(r.damagedCopy);
    }

    std::mt19937 rng(20030709);
    int damaged = 0;
    for (int round = 0; round < 300 && !HasFailure(); ++round) {
        QByteArray bytes = whole;
        qsizetype first = bytes.size();
        for (int k = 1 + int(rng() % 3); k > 0; --k) {
            const qsizetype at = qsizetype(rng() % bytes.size());
            bytes[at] = char(bytes[at] ^ (1 + rng() % 255)); // never the same value
            first = std::min(first, at);
        }
        SCOPED_TRACE("round " + std::to_string(round) + ", first change at " +
                     std::to_string(first));
        WriteBytes(path, bytes);
        const LoadReport report = load();
        const FileReadResult &r = report.*result;
        EXPECT_EQ(ReadBytes(path), bytes);
        // Records that end before the first change read as they were.
        const int before = WholeBefore(records, header, first);
        EXPECT_EQ(loaded.mid(0, before), records.mid(0, before));
        if (r.status == FileReadResult::Damaged) {
            ++damaged;
            EXPECT_GE(loaded.size(), before);
            EXPECT_EQ(ReadBytes(r.damagedCopy), bytes);
            EXPECT_TRUE(report.message().contains(QFileInfo(r.damagedCopy).fileName()));
        } else {
            EXPECT_EQ(r.status, FileReadResult::Whole);
            EXPECT_TRUE(r.damagedCopy.isEmpty());
            EXPECT_TRUE(report.message().isEmpty()) << report.message().toStdString();
        }
        for (const QString &name : copies())
            QFile::remove(DataFilePath(name));
    }
    EXPECT_GT(damaged, minDamaged);
}

const QString kStudentCopy = "studentdef-damaged-7-9-2003-2140.stn";
const QString kTeachersCopy = "teachers-damaged-7-9-2003-2140.dat";

TEST_F(DamagedFilesTest, studentFileCutOrChanged_keepsWholeClassesFileAndOneCopy)
{
    // Most changes land in lengths, counts and string markers.
    damage(kStudentFile, kStudentCopy, &LoadReport::student, term.m_classes, student.m_classes,
           Str(term.m_strName).size() + 4, 100);
}

TEST_F(DamagedFilesTest, instructorFileCutOrChanged_keepsWholeInstructorsFileAndOneCopy)
{
    damage(kTeachersFile, kTeachersCopy, &LoadReport::teachers, saved, teachers, 4, 50);
}

TEST_F(DamagedFilesTest, secondDamageInSameMinute_ownCopy_hugeCountAndCutInstructorsBothTold)
{
    const QByteArray whole = EncodeStudent(term);
    for (const int part : {2, 3}) {
        WriteBytes(studentPath, whole.left(whole.size() / part));
        EXPECT_EQ(
            load().student.damagedCopy,
            DataFilePath(part == 2 ? kStudentCopy : "studentdef-damaged-7-9-2003-2140-2.stn"));
    }
    EXPECT_EQ(ReadBytes(DataFilePath(kStudentCopy)), whole.left(whole.size() / 2));

    for (const QString &name : copies())
        QFile::remove(DataFilePath(name));
    WriteBytes(studentPath,
               FromHex("FF FE FF 00 FF FF FF 7F") + EncodeStudent(MakeTerm(1, 1)).mid(8));
    WriteBytes(teachersPath, EncodeTeachers(saved).left(30));
    const LoadReport report = load();
    EXPECT_EQ(report.student.status, FileReadResult::Damaged);
    EXPECT_EQ(report.student.expected, 0x7FFFFFFF);
    EXPECT_EQ(student.m_classes, MakeTerm(1, 1).m_classes);
    EXPECT_EQ(report.teachers.status, FileReadResult::Damaged);
    EXPECT_TRUE(report.message().contains(kStudentCopy)) << report.message().toStdString();
    EXPECT_TRUE(report.message().contains(kTeachersCopy));
}

TEST_F(DamagedFilesTest, copyAsideFails_fileIsNotSavedOver_untilASaveCanCopyItFirst)
{
    const QByteArray cut = EncodeStudent(MakeTerm(10, 200, 2)).chopped(10);
    ASSERT_GT(cut.size(), 128 * 1024);
    WriteBytes(studentPath, cut);
    const CStudent small = MakeTerm(1, 1);
    {
        FileSizeLimit limit(64 * 1024); // a small term fits, a copy of the cut file not
        const LoadReport report = load();
        ASSERT_EQ(report.student.status, FileReadResult::Damaged);
        EXPECT_TRUE(report.student.damagedCopy.isEmpty());
        EXPECT_TRUE(report.message().contains("will not save over it"))
            << report.message().toStdString();
        const SaveReport save = SaveData(small, saved);
        ASSERT_EQ(save.failures.size(), 1) << save.message().toStdString();
        EXPECT_TRUE(save.failures[0].contains(studentPath));
        EXPECT_EQ(ReadBytes(studentPath), cut);
        EXPECT_TRUE(copies().isEmpty());
    }
    EXPECT_TRUE(SaveData(small, saved).ok());
    EXPECT_EQ(ReadBytes(DataFilePath(kStudentCopy)), cut);
    EXPECT_EQ(ReadBytes(studentPath), EncodeStudent(small));
}

} // namespace
