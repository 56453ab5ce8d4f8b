// The help page: its content, its copy in the cache folder and how it is opened.

#include "support/files.h"
#include "ui/help.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class HelpPageTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CACHE_HOME", m_cache.path().toLocal8Bit()); }
    void TearDown() override
    {
        if (m_old.isNull())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", m_old);
    }
    const QByteArray m_old = qgetenv("XDG_CACHE_HOME");
    QTemporaryDir m_cache;
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST_F(HelpPageTest, page_everyViewAndButtonExplained_contentsFirst_noDanglingLinks)
{
    const QString page = QString::fromUtf8(ReadBytes(InstallHelpPage()));
    ASSERT_FALSE(page.isEmpty());
    QSet<QString> ids;
    static const QRegularExpression idRe(R"re(\bid="([^"]+)")re"), linkRe(R"re(href="#([^"]+)")re");
    for (auto it = idRe.globalMatch(page); it.hasNext();)
        ids.insert(it.next().captured(1));
    // The text from an id up to the next heading.
    auto section = [&](const QString &id) {
        const int start = page.indexOf("id=\"" + id + '"');
        const int end = page.indexOf(QRegularExpression("<h[23] "), start + 1);
        return start < 0 ? QString() : page.mid(start, end < 0 ? -1 : end - start);
    };
    EXPECT_EQ(page.count("id=\"Main_Contents\""), 1);
    EXPECT_LT(page.indexOf("id=\"Main_Contents\""), page.indexOf("id=\"Getting_Started\""));
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

TEST_F(HelpPageTest, install_leavesAnUnchangedCopyAloneAndReplacesAStaleOne_openAtMainContents)
{
    const QString path = InstallHelpPage();
    ASSERT_TRUE(path.startsWith(m_cache.path() + '/')) << qPrintable(path);
    EXPECT_EQ(QFileInfo(path).fileName(), "Quillbox.htm");
    const QByteArray page = ReadBytes(path);
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(InstallHelpPage(), path);
    EXPECT_EQ(QFileInfo(path).fileTime(QFileDevice::FileModificationTime), longAgo);
    WriteBytes(path, QByteArray(page.size(), 'x')); // stale, of the same size
    EXPECT_EQ(InstallHelpPage(), path);
    EXPECT_EQ(ReadBytes(path), page);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    OpenHelpContents();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl(QUrl::fromLocalFile(path).toString() + "#Main_Contents"));
}

} // namespace

#include "help_test.moc"
