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
struct TemporaryCacheHome {
    TemporaryCacheHome() { qputenv("XDG_CACHE_HOME", dir.path().toLocal8Bit()); }
    ~TemporaryCacheHome()
    {
        if (old.isNull())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", old);
    }
    const QByteArray old = qgetenv("XDG_CACHE_HOME");
    QTemporaryDir dir;
};

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST(HelpPageTest, page_everyViewAndButtonExplained_contentsFirst_noDanglingLinks)
{
    TemporaryCacheHome cache;
    const QString page = QString::fromUtf8(ReadAll(InstallHelpPage()));
    ASSERT_FALSE(page.isEmpty());
    QSet<QString> ids;
    static const QRegularExpression idRe(QStringLiteral("\\bid=\"([^\"]+)\""));
    for (auto it = idRe.globalMatch(page); it.hasNext();)
        ids.insert(it.next().captured(1));
    // The text from an id up to the next heading.
    auto section = [&](const char *id) {
        const int start = page.indexOf(QStringLiteral("id=\"%1\"").arg(QLatin1String(id)));
        if (start < 0)
            return QString();
        const int end = page.indexOf(QRegularExpression(QStringLiteral("<h[23] ")), start + 1);
        return page.mid(start, end < 0 ? -1 : end - start);
    };

    EXPECT_EQ(page.count(QStringLiteral("id=\"Main_Contents\"")), 1);
    EXPECT_LT(page.indexOf(QStringLiteral("id=\"Main_Contents\"")),
              page.indexOf(QStringLiteral("id=\"Getting_Started\"")));
    static const QRegularExpression linkRe(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (auto it = linkRe.globalMatch(page); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(ids.contains(target)) << "dangling link #" << qPrintable(target);
    }
    EXPECT_GE(links, 8);

    for (const auto &[id, heading] : {std::pair{"Classes_View", "Classes"},
                                      {"Dates_View", "Dates"},
                                      {"Calendar_View", "Calendar"},
                                      {"Grades_View", "Grades"},
                                      {"Day_View", "Day"},
                                      {"Class_Detail", "Class detail"},
                                      {"Reminder_Detail", "Reminder detail"},
                                      {"Instructor_Detail", "Instructor detail"}}) {
        const QString text = section(id);
        EXPECT_TRUE(text.startsWith(QStringLiteral("id=\"%1\">%2</h3>").arg(id, heading))) << id;
        EXPECT_GT(text.size(), 200) << id << " says next to nothing";
    }
    for (const char *button : {"Exit", "Menu", "Edit", "View", "Add", "Remove", "Done", "Transfer",
                               "Back", "Go to date", "Cycle day content", "Select month"})
        EXPECT_TRUE(section("Command_Strip").contains(QStringLiteral("<td>%1</td>").arg(button)))
            << button;
}

TEST(HelpPageTest, install_leavesAnUnchangedCopyAloneAndReplacesAStaleOne_openAtMainContents)
{
    TemporaryCacheHome cache;
    const QString path = InstallHelpPage();
    ASSERT_TRUE(path.startsWith(cache.dir.path() + '/')) << qPrintable(path);
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
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<html>old help</html>");
    }
    EXPECT_EQ(InstallHelpPage(), path);
    EXPECT_EQ(ReadAll(path), page);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    OpenHelpContents();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl(QUrl::fromLocalFile(path).toString() + "#Main_Contents"));
    EXPECT_EQ(catcher.urls[0].fragment(), QStringLiteral("Main_Contents"));
}

} // namespace

#include "help_test.moc"
