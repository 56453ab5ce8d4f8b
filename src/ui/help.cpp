#include "ui/help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

// app.qrc sits in a static library: nothing references its initialiser, so register it by hand
// (repeated calls are harmless).
static void InitAppResources()
{
    Q_INIT_RESOURCE(app);
}

namespace {

const char kPageName[] = "Quillbox.htm";

// Leaves an identical copy alone, so the page is written once per program version.
bool PutPage(const QString &dir, const QByteArray &page)
{
    const QString path = dir + QLatin1Char('/') + QLatin1String(kPageName);
    QFile existing(path);
    if (existing.size() == page.size() && existing.open(QIODevice::ReadOnly) &&
        existing.readAll() == page)
        return true;
    existing.close();
    if (!QDir().mkpath(dir))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(page) == page.size() && file.commit();
}

} // namespace

QString InstallHelpPage()
{
    InitAppResources();
    QFile resource(QStringLiteral(":/") + QLatin1String(kPageName));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    const QByteArray page = resource.readAll();

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty() && PutPage(cache, page))
        return cache + QLatin1Char('/') + QLatin1String(kPageName);
    // No usable cache folder: a private temporary one, kept for the rest of the run.
    static QTemporaryDir fallback;
    if (fallback.isValid() && PutPage(fallback.path(), page))
        return fallback.path() + QLatin1Char('/') + QLatin1String(kPageName);
    return {};
}

void OpenHelpContents()
{
    const QString path = InstallHelpPage();
    if (path.isEmpty())
        return;
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(QStringLiteral("Main_Contents"));
    QDesktopServices::openUrl(url);
}
