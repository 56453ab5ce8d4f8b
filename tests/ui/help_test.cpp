// The help page: its content, its copy in the cache folder and how it is opened.

#include "ui/help.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Points the cache folder at a temporary one for the life of the object.
class TemporaryCacheHome {
public:
    TemporaryCacheHome()
        : m_old(qgetenv("XDG_CACHE_HOME")), m_hadOld(qEnvironmentVariableIsSet("XDG_CACHE_HOME"))
    {
        qputenv("XDG_CACHE_HOME", m_dir.path().toLocal8Bit());
    }
    ~TemporaryCacheHome()
    {
        if (m_hadOld)
            qputenv("XDG_CACHE_HOME", m_old);
        else
            qunsetenv("XDG_CACHE_HOME");
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
    bool m_hadOld;
};

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString HelpPage()
{
    static const QString page = [] {
        TemporaryCacheHome cache;
        return QString::fromUtf8(ReadAll(InstallHelpPage()));
    }();
    return page;
}

QSet<QString> Ids(const QString &page)
{
    QSet<QString> ids;
    static const QRegularExpression re(QStringLiteral("\\bid=\"([^\"]+)\""));
    for (auto it = re.globalMatch(page); it.hasNext();)
        ids.insert(it.next().captured(1));
    return ids;
}

// The text of the element with this id, up to the next heading of the same kind.
QString Section(const QString &page, const QString &id)
{
    const int start = page.indexOf(QStringLiteral("id=\"%1\"").arg(id));
    if (start < 0)
        return {};
    const int end = page.indexOf(QRegularExpression(QStringLiteral("<h[23] ")), start + 1);
    return page.mid(start, end < 0 ? -1 : end - start);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST(HelpPageTest, page_hasContentsAndASectionForEveryView)
{
    const QString page = HelpPage();
    ASSERT_FALSE(page.isEmpty());
    const QSet<QString> ids = Ids(page);
    EXPECT_TRUE(ids.contains(QStringLiteral("Main_Contents")));

    const struct {
        const char *id, *heading;
    } views[] = {
        {"Classes_View", "Classes"},
        {"Dates_View", "Dates"},
        {"Calendar_View", "Calendar"},
        {"Grades_View", "Grades"},
        {"Day_View", "Day"},
        {"Class_Detail", "Class detail"},
        {"Reminder_Detail", "Reminder detail"},
        {"Instructor_Detail", "Instructor detail"},
    };
    for (const auto &v : views) {
        const QString section = Section(page, QString::fromLatin1(v.id));
        EXPECT_TRUE(
            section.startsWith(QStringLiteral("id=\"%1\">%2</h3>")
                                   .arg(QString::fromLatin1(v.id), QString::fromLatin1(v.heading))))
            << v.id;
        EXPECT_GT(section.size(), 200) << v.id << " says next to nothing";
    }
}

TEST(HelpPageTest, page_contentsComeFirstAndEveryLinkHasATarget)
{
    const QString page = HelpPage();
    const QSet<QString> ids = Ids(page);
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (auto it = link.globalMatch(page); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(ids.contains(target)) << "dangling link #" << qPrintable(target);
    }
    EXPECT_GE(links, 8);
    // The contents sit above every section they list.
    const int contents = page.indexOf(QStringLiteral("id=\"Main_Contents\""));
    EXPECT_LT(contents, page.indexOf(QStringLiteral("id=\"Getting_Started\"")));
    EXPECT_EQ(page.count(QStringLiteral("id=\"Main_Contents\"")), 1);
}

TEST(HelpPageTest, page_explainsEveryButtonAndTheTermFiles)
{
    const QString page = HelpPage();
    const QString strip = Section(page, QStringLiteral("Command_Strip"));
    for (const char *button : {"Exit", "Menu", "Edit", "View", "Add", "Remove", "Done", "Transfer",
                               "Back", "Go to date", "Cycle day content", "Select month"})
        EXPECT_TRUE(strip.contains(QStringLiteral("<td>%1</td>").arg(QString::fromLatin1(button))))
            << button;

    const QString terms = Section(page, QStringLiteral("Terms_Backups"));
    for (const char *topic :
         {"Start New Term", "Restore Previous Term", "Backup Term", "Cleanup Old Reminders"})
        EXPECT_TRUE(terms.contains(QString::fromLatin1(topic))) << topic;
    const QString files = Section(page, QStringLiteral("Files"));
    for (const char *file : {"studentdef.stn", "teachers.dat", "gradechart.dat", "SDBackupEnd-"})
        EXPECT_TRUE(files.contains(QStringLiteral("<code>%1").arg(QString::fromLatin1(file))))
            << file;
    EXPECT_GT(Section(page, QStringLiteral("Quick_View")).size(), 100);
    EXPECT_GT(Section(page, QStringLiteral("Color_Schemes")).size(), 100);
}

TEST(HelpPageTest, install_copiesIntoTheCacheAndLeavesAnUnchangedCopyAlone)
{
    TemporaryCacheHome cache;
    const QString path = InstallHelpPage();
    ASSERT_TRUE(path.startsWith(cache.path() + QLatin1Char('/'))) << qPrintable(path);
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("Quillbox.htm"));
    const QByteArray page = ReadAll(path);
    EXPECT_TRUE(page.contains("id=\"Main_Contents\""));

    const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(InstallHelpPage(), path);
    EXPECT_EQ(QFileInfo(path).fileTime(QFileDevice::FileModificationTime), longAgo);

    // A stale or damaged copy is replaced.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<html>old help</html>");
    }
    EXPECT_EQ(InstallHelpPage(), path);
    EXPECT_EQ(ReadAll(path), page);
}

TEST(HelpPageTest, openContents_opensTheCopiedPageAtMainContents)
{
    TemporaryCacheHome cache;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    OpenHelpContents();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_EQ(catcher.urls.size(), 1);
    const QUrl url = catcher.urls.front();
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.fragment(), QStringLiteral("Main_Contents"));
    EXPECT_TRUE(url.toString().startsWith(QStringLiteral("file:")));
    EXPECT_TRUE(url.toString().endsWith(QStringLiteral("Quillbox.htm#Main_Contents")));
    EXPECT_TRUE(url.toLocalFile().startsWith(cache.path()));
    EXPECT_TRUE(ReadAll(url.toLocalFile()).contains("id=\"Main_Contents\""));
}

} // namespace

#include "help_test.moc"
