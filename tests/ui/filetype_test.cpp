// Registration of the student file type under a data home of the test's own.

#include "support/files.h"
#include "support/scripteddialogs.h"
#include "ui/filetype.h"
#include "view/images.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral("/opt/quillbox/bin/quillbox");
const QDateTime kLongAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);

struct Installed {
    explicit Installed(const QString &home)
        : mimePackage(home + "/mime/packages/quillbox.xml"),
          desktopEntry(home + "/applications/quillbox.desktop"),
          appIcon(home + "/icons/hicolor/64x64/apps/quillbox.png"),
          mimeIcon(home + "/icons/hicolor/64x64/mimetypes/application-x-quillbox-student.png")
    {
    }
    QStringList all() const { return {mimePackage, desktopEntry, appIcon, mimeIcon}; }
    QString mimePackage, desktopEntry, appIcon, mimeIcon;
};

// Back-dates a file, so that any later write shows in its modification time.
void BackDate(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    ASSERT_TRUE(file.setFileTime(kLongAgo, QFileDevice::FileModificationTime));
}

QDateTime Modified(const QString &path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

// A key of the [Desktop Entry] group, its value still escaped.
QString DesktopKey(const QString &path, const QString &key)
{
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(ReadBytes(path)).split('\n')) {
        if (line.startsWith('['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        if (inGroup && line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    }
    return QStringLiteral("(none)");
}

class FileTypeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_home.isValid()); }
    QString home() const { return m_home.path(); }

    QTemporaryDir m_home;
    ScriptedPrompter m_prompter;
};

TEST_F(FileTypeTest, register_writesMimePackageDesktopEntryAndIcons_databasesKnowThem)
{
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    EXPECT_TRUE(m_prompter.shown.empty());
    const Installed files(home());

    const QByteArray mime = ReadBytes(files.mimePackage);
    for (const char *part :
         {"<mime-type type=\"application/x-quillbox-student\">",
          "<comment>Quillbox - Student</comment>",
          "<icon name=\"application-x-quillbox-student\"/>", "<glob pattern=\"*.stn\"/>"})
        EXPECT_TRUE(mime.contains(part)) << part;
    EXPECT_TRUE(ReadBytes(files.desktopEntry).startsWith("[Desktop Entry]\n"));
    const std::pair<const char *, QString> keys[] = {
        {"Type", "Application"},
        {"Name", "Quillbox"},
        {"Exec", kProgram + " %f"},
        {"MimeType", "application/x-quillbox-student;"},
        {"Icon", "quillbox"}};
    for (const auto &[key, value] : keys)
        EXPECT_EQ(DesktopKey(files.desktopEntry, key).toStdString(), value.toStdString());

    ASSERT_FALSE(ProgramIcon().isNull()) << "no program icon to install";
    EXPECT_EQ(QImage(files.appIcon).size(), QSize(64, 64));
    EXPECT_EQ(ReadBytes(files.mimeIcon), ReadBytes(files.appIcon));

    // The real tools accept what was written, when they are installed.
    const QByteArray globs = ReadBytes(home() + "/mime/globs2");
    const QByteArray icons = ReadBytes(home() + "/mime/icons");
    const QByteArray apps = ReadBytes(home() + "/applications/mimeinfo.cache");
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        EXPECT_TRUE(globs.contains("application/x-quillbox-student:*.stn")) << globs.constData();
        EXPECT_TRUE(
            icons.contains("application/x-quillbox-student:application-x-quillbox-student"));
    }
    if (!QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty()) {
        EXPECT_TRUE(apps.contains("application/x-quillbox-student=quillbox.desktop;"))
            << apps.constData();
    }
}

// Registering again rewrites nothing; a moved program rewrites only the desktop entry, whose Exec
// key has its own quoting with the desktop file's string escaping on top.
TEST_F(FileTypeTest, registerAgain_rewritesNothing_programMoved_rewritesOnlyTheDesktopEntry)
{
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    const Installed files(home());
    QStringList watched = files.all();
    // The databases the tools build: rebuilt only when something changed.
    for (const QString &cache :
         {home() + "/mime/mime.cache", home() + "/applications/mimeinfo.cache"})
        if (QFile::exists(cache))
            watched << cache;
    for (const QString &path : watched)
        BackDate(path);
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    for (const QString &path : watched)
        EXPECT_EQ(Modified(path), kLongAgo) << qPrintable(path) << " was written again";

    const std::pair<QString, QString> moves[] = {
        {"/usr/local/bin/quillbox", "/usr/local/bin/quillbox %f"},
        {"/home/ann/My Apps/quillbox", "\"/home/ann/My Apps/quillbox\" %f"},
        {"/opt/100%/quillbox", "/opt/100%%/quillbox %f"},
        {"/opt/$HOME/quillbox", "\"/opt/\\\\$HOME/quillbox\" %f"},
        {"/opt/a\"b/quillbox", "\"/opt/a\\\\\"b/quillbox\" %f"},
        {"/opt/back\\slash/quillbox", "\"/opt/back\\\\\\\\slash/quillbox\" %f"},
    };
    for (const auto &[path, exec] : moves) {
        SCOPED_TRACE(path.toStdString());
        for (const QString &file : files.all())
            BackDate(file);
        ASSERT_TRUE(RegisterFileType(path, home(), m_prompter));
        EXPECT_EQ(DesktopKey(files.desktopEntry, "Exec").toStdString(), exec.toStdString());
        EXPECT_NE(Modified(files.desktopEntry), kLongAgo);
        for (const QString &file : {files.mimePackage, files.appIcon, files.mimeIcon})
            EXPECT_EQ(Modified(file), kLongAgo) << qPrintable(file);
    }
    EXPECT_TRUE(m_prompter.shown.empty());
}

// A file where a folder must go: one message, and nothing written past the failed step.
TEST_F(FileTypeTest, unwritableFolder_informsOnceAndStopsAtTheFailedStep)
{
    const struct {
        const char *blocker, *dataHome;
        bool mimePackageWritten;
    } cases[] = {
        {"/share", "/share", false}, // the data home itself
        {"/mime", "", false},        // stops before the desktop entry
        {"/applications", "", true}, // keeps the MIME package, writes no icons
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.blocker);
        QTemporaryDir dir;
        QFile blocker(dir.path() + k.blocker);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();
        ScriptedPrompter prompter;
        const QString dataHome = dir.path() + k.dataHome;

        EXPECT_FALSE(RegisterFileType(kProgram, dataHome, prompter));
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, QStringLiteral("Registry Error - Unable to Register"));
        EXPECT_EQ(prompter.shown[0].caption, QStringLiteral("Quillbox"));
        EXPECT_FALSE(prompter.shown[0].question);
        const Installed files(dataHome);
        EXPECT_EQ(QFile::exists(files.mimePackage), k.mimePackageWritten);
        for (const QString &path : {files.desktopEntry, files.appIcon, files.mimeIcon})
            EXPECT_FALSE(QFile::exists(path)) << qPrintable(path);
    }
}

} // namespace
