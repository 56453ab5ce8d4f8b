#include "storage/datafolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString g_dataDir;
QString g_documentsDir;

QString WithoutTrailingSlash(const QString &dir)
{
    return QDir::cleanPath(QDir(dir).absolutePath());
}
} // namespace

QString DataDir()
{
    if (!g_dataDir.isEmpty())
        return g_dataDir;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base + QStringLiteral("/Larkware/Quillbox");
}

void SetDataDir(const QString &dir)
{
    g_dataDir = dir.isEmpty() ? QString() : WithoutTrailingSlash(dir);
}

QString DocumentsDir()
{
    if (!g_documentsDir.isEmpty())
        return g_documentsDir;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void SetDocumentsDir(const QString &dir)
{
    g_documentsDir = dir.isEmpty() ? QString() : WithoutTrailingSlash(dir);
}

QString DataFilePath(const QString &fileName)
{
    return DataDir() + QLatin1Char('/') + fileName;
}

bool EnsureDataDir()
{
    return QDir().mkpath(DataDir());
}

QString TimeStamp(CTime now)
{
    const CTime::Fields f = now.GetLocal();
    return QString::asprintf("%d-%d-%d-%d%d", f.month, f.day, f.year, f.hour, f.minute);
}
