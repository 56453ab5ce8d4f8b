// Registration of the student file type under a data home of the test's own.

#include "ui/filetype.h"
#include "ui/prompter.h"
#include "view/images.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral("/opt/quillbox/bin/quillbox");
const QDateTime kLongAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);

struct Installed {
    explicit Installed(const QString &home)
        : mimePackage(home + QStringLiteral("/mime/packages/quillbox.xml")),
          desktopEntry(home + QStringLiteral("/applications/quillbox.desktop")),
          appIcon(home + QStringLiteral("/icons/hicolor/64x64/apps/quillbox.png")),
          mimeIcon(home + QStringLiteral(
                              "/icons/hicolor/64x64/mimetypes/application-x-quillbox-student.png"))
    {
    }
    QStringList all() const { return {mimePackage, desktopEntry, appIcon, mimeIcon}; }
    QString mimePackage, desktopEntry, appIcon, mimeIcon;
};

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void MakeRegularFile(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a folder");
}

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

// The keys of the [Desktop Entry] group, values still escaped.
QMap<QString, QString> DesktopKeys(const QByteArray &entry)
{
    QMap<QString, QString> keys;
    const QStringList lines = QString::fromUtf8(entry).split(QLatin1Char('\n'));
    bool inGroup = false;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        const int eq = line.indexOf(QLatin1Char('='));
        if (inGroup && eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

struct MimePackage {
    QString type, glob, comment, icon;
};

MimePackage ParseMimePackage(const QByteArray &xml)
{
    MimePackage p;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("mime-type"))
            p.type = reader.attributes().value(QLatin1String("type")).toString();
        else if (name == QLatin1String("glob"))
            p.glob = reader.attributes().value(QLatin1String("pattern")).toString();
        else if (name == QLatin1String("icon"))
            p.icon = reader.attributes().value(QLatin1String("name")).toString();
        else if (name == QLatin1String("comment"))
            p.comment = reader.readElementText();
    }
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    return p;
}

class FileTypeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_home.isValid()); }
    QString home() const { return m_home.path(); }

    QTemporaryDir m_home;
    ScriptedPrompter m_prompter;
};

TEST_F(FileTypeTest, register_writesMimePackageDesktopEntryAndIcons)
{
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    EXPECT_TRUE(m_prompter.shown.empty());
    const Installed files(home());

    const MimePackage mime = ParseMimePackage(ReadAll(files.mimePackage));
    EXPECT_EQ(mime.type, QStringLiteral("application/x-quillbox-student"));
    EXPECT_EQ(mime.glob, QStringLiteral("*.stn"));
    EXPECT_EQ(mime.comment, QStringLiteral("Quillbox - Student"));
    EXPECT_EQ(mime.icon, QStringLiteral("application-x-quillbox-student"));

    const QByteArray entry = ReadAll(files.desktopEntry);
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    const auto keys = DesktopKeys(entry);
    EXPECT_EQ(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(keys.value(QStringLiteral("Name")), QStringLiteral("Quillbox"));
    EXPECT_EQ(keys.value(QStringLiteral("Exec")), kProgram + QStringLiteral(" %f"));
    EXPECT_EQ(keys.value(QStringLiteral("MimeType")),
              QStringLiteral("application/x-quillbox-student;"));
    EXPECT_EQ(keys.value(QStringLiteral("Icon")), QStringLiteral("quillbox"));

    ASSERT_FALSE(ProgramIcon().isNull()) << "no program icon to install";
    const QImage appIcon(files.appIcon);
    EXPECT_EQ(appIcon.size(), QSize(64, 64));
    EXPECT_EQ(ReadAll(files.mimeIcon), ReadAll(files.appIcon));
}

TEST_F(FileTypeTest, registerTwice_rewritesNothing)
{
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    const Installed files(home());
    QStringList watched = files.all();
    // The databases the tools build: rebuilt only when something changed.
    for (const QString &cache : {home() + QStringLiteral("/mime/mime.cache"),
                                 home() + QStringLiteral("/applications/mimeinfo.cache")})
        if (QFile::exists(cache))
            watched << cache;
    for (const QString &path : watched)
        BackDate(path);

    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    for (const QString &path : watched)
        EXPECT_EQ(Modified(path), kLongAgo) << qPrintable(path) << " was written again";
    EXPECT_TRUE(m_prompter.shown.empty());
}

TEST_F(FileTypeTest, programMoved_rewritesOnlyTheDesktopEntry)
{
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    const Installed files(home());
    for (const QString &path : files.all())
        BackDate(path);

    const QString moved = QStringLiteral("/usr/local/bin/quillbox");
    ASSERT_TRUE(RegisterFileType(moved, home(), m_prompter));
    EXPECT_NE(Modified(files.desktopEntry), kLongAgo);
    EXPECT_EQ(DesktopKeys(ReadAll(files.desktopEntry)).value(QStringLiteral("Exec")),
              moved + QStringLiteral(" %f"));
    EXPECT_EQ(Modified(files.mimePackage), kLongAgo);
    EXPECT_EQ(Modified(files.appIcon), kLongAgo);
    EXPECT_EQ(Modified(files.mimeIcon), kLongAgo);
}

// The Exec key has its own quoting, and the desktop file's string escaping applies on top.
TEST_F(FileTypeTest, execLine_quotesAndEscapesAwkwardPaths)
{
    const struct {
        QString path, exec;
    } cases[] = {
        {QStringLiteral("/home/ann/bin/quillbox"), QStringLiteral("/home/ann/bin/quillbox %f")},
        {QStringLiteral("/home/ann/My Apps/quillbox"),
         QStringLiteral("\"/home/ann/My Apps/quillbox\" %f")},
        {QStringLiteral("/opt/100%/quillbox"), QStringLiteral("/opt/100%%/quillbox %f")},
        {QStringLiteral("/opt/$HOME/quillbox"), QStringLiteral("\"/opt/\\\\$HOME/quillbox\" %f")},
        {QStringLiteral("/opt/a\"b/quillbox"), QStringLiteral("\"/opt/a\\\\\"b/quillbox\" %f")},
        {QStringLiteral("/opt/back\\slash/quillbox"),
         QStringLiteral("\"/opt/back\\\\\\\\slash/quillbox\" %f")},
    };
    const Installed files(home());
    for (const auto &c : cases) {
        ASSERT_TRUE(RegisterFileType(c.path, home(), m_prompter));
        EXPECT_EQ(DesktopKeys(ReadAll(files.desktopEntry)).value(QStringLiteral("Exec")), c.exec)
            << qPrintable(c.path);
    }
}

TEST_F(FileTypeTest, dataHomeIsAFile_informsOnceAndFails)
{
    const QString blocked = home() + QStringLiteral("/share");
    MakeRegularFile(blocked);

    EXPECT_FALSE(RegisterFileType(kProgram, blocked, m_prompter));
    ASSERT_EQ(m_prompter.shown.size(), 1u);
    EXPECT_EQ(m_prompter.shown[0].text, QStringLiteral("Registry Error - Unable to Register"));
    EXPECT_EQ(m_prompter.shown[0].caption, QStringLiteral("Quillbox"));
    EXPECT_FALSE(m_prompter.shown[0].question);
}

TEST_F(FileTypeTest, mimePackageFails_stopsBeforeTheDesktopEntry)
{
    MakeRegularFile(home() + QStringLiteral("/mime"));
    const Installed files(home());

    EXPECT_FALSE(RegisterFileType(kProgram, home(), m_prompter));
    EXPECT_EQ(m_prompter.shown.size(), 1u);
    for (const QString &path : files.all())
        EXPECT_FALSE(QFile::exists(path)) << qPrintable(path);
}

TEST_F(FileTypeTest, desktopEntryFails_keepsMimePackageAndWritesNoIcons)
{
    MakeRegularFile(home() + QStringLiteral("/applications"));
    const Installed files(home());

    EXPECT_FALSE(RegisterFileType(kProgram, home(), m_prompter));
    ASSERT_EQ(m_prompter.shown.size(), 1u);
    EXPECT_EQ(m_prompter.shown[0].text, QStringLiteral("Registry Error - Unable to Register"));
    EXPECT_TRUE(QFile::exists(files.mimePackage));
    EXPECT_FALSE(QFile::exists(files.appIcon));
    EXPECT_FALSE(QFile::exists(files.mimeIcon));
}

// The package is only useful if the real tool accepts it and maps *.stn to our type.
TEST_F(FileTypeTest, mimeDatabaseTool_mapsStnToStudentType)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    const QByteArray globs = ReadAll(home() + QStringLiteral("/mime/globs2"));
    EXPECT_TRUE(globs.contains("application/x-quillbox-student:*.stn")) << globs.constData();
    EXPECT_TRUE(ReadAll(home() + QStringLiteral("/mime/icons"))
                    .contains("application/x-quillbox-student:application-x-quillbox-student"));
}

TEST_F(FileTypeTest, desktopDatabaseTool_offersQuillboxForStudentFiles)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        GTEST_SKIP() << "update-desktop-database is not installed";
    ASSERT_TRUE(RegisterFileType(kProgram, home(), m_prompter));
    const QByteArray cache = ReadAll(home() + QStringLiteral("/applications/mimeinfo.cache"));
    EXPECT_TRUE(cache.contains("application/x-quillbox-student=quillbox.desktop;"))
        << cache.constData();
}

} // namespace
