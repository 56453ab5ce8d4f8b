#pragma once
// What the file picker of a restore lists: student files (".stn") and set-aside terms (no dot),
// with the folders that lead to them, from the home folder down.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace FilePicker {

// The top of the picker: the home folder. "Up" stops there (and at "/" for a folder outside it).
QString Root();
// Folders offered in the folder box from the start, so that a tap or two reaches them: the data
// folder (set-aside terms) and the documents folder (backup copies), with the root.
QStringList Shortcuts();

// Entries with no "." at all or containing ".stn" (exact case) are shown.
bool PassesNameTest(const QString &name);
// "%d K" in whole kilobytes; a single space below 1 K.
QString SizeText(qint64 bytes);
// The user's short date, a space, and the time without seconds.
QString ModifiedText(const QDateTime &t);

struct Row {
    QString name, size, modified;
    QString path;
    bool folder = false;
};
// The shown entries of a folder, by name; none when it cannot be listed.
QVector<Row> List(const QString &folder);
// The folder above, or the folder itself at the root.
QString Parent(const QString &folder);
QString FullPath(const QString &folder, const QString &name);

} // namespace FilePicker
