#include "commands/filepicker.h"

#include "storage/datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace FilePicker {

QString Root()
{
    return QDir::cleanPath(QDir::homePath());
}

QStringList Shortcuts()
{
    return {Root(), QDir::cleanPath(DataDir()), QDir::cleanPath(DocumentsDir())};
}

bool PassesNameTest(const QString &name)
{
    return !name.contains(QLatin1Char('.')) || name.contains(QStringLiteral(".stn"));
}

QString SizeText(qint64 bytes)
{
    const qint64 k = bytes / 1024;
    return k == 0 ? QStringLiteral(" ") : QStringLiteral("%1 K").arg(k);
}

QString ModifiedText(const QDateTime &t)
{
    const QLocale locale;
    return QStringLiteral("%1 %2").arg(locale.toString(t.date(), QLocale::ShortFormat),
                                       locale.toString(t.time(), QLocale::ShortFormat));
}

QVector<Row> List(const QString &folder)
{
    QVector<Row> rows;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::DirsFirst);
    for (const QFileInfo &e : entries) {
        if (!PassesNameTest(e.fileName()))
            continue;
        const bool isFolder = e.isDir();
        rows.push_back({e.fileName(), SizeText(isFolder ? 0 : e.size()),
                        ModifiedText(e.lastModified()), e.absoluteFilePath(), isFolder});
    }
    return rows;
}

QString Parent(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (clean == Root() || clean == QDir::rootPath())
        return clean;
    return QFileInfo(clean).path();
}

QString FullPath(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace FilePicker
