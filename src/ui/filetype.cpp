#include "ui/filetype.h"

#include "commands/prompter.h"
#include "view/images.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <vector>

// The desktop entry and MIME package templates live in app.qrc, which sits in a static library:
// nothing else references its initialiser, so register it by hand (repeated calls are harmless).
static void InitAppResources()
{
    Q_INIT_RESOURCE(app);
}

namespace {

const int kIconSize = 64;
// The database tools take well under a second; a hung one must not hold up the start.
const int kToolTimeoutMs = 3000;

QByteArray ReadResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// One argument of an Exec key, quoted by the desktop entry rules: an argument with a reserved
// character goes in double quotes, with " ` $ and \ escaped inside; % is always doubled.
QString QuoteExecArgument(const QString &arg)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = arg.isEmpty();
    QString out;
    for (const QChar c : arg) {
        if (reserved.contains(c))
            quote = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%');
        out += c;
    }
    return quote ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

// A desktop entry string value: backslash and control characters escaped. This applies on top
// of the Exec quoting, so a literal backslash in a quoted path ends up as four.
QString EscapeDesktopString(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The shipped desktop entry with its Exec line pointing at this program.
QByteArray DesktopEntry(const QString &programPath)
{
    const QString exec =
        QStringLiteral("Exec=") +
        EscapeDesktopString(QuoteExecArgument(programPath) + QStringLiteral(" %f"));
    QStringList lines = QString::fromUtf8(ReadResource(QStringLiteral(":/quillbox.desktop")))
                            .split(QLatin1Char('\n'));
    bool replaced = false;
    for (QString &line : lines) {
        if (line.startsWith(QLatin1String("Exec="))) {
            line = exec;
            replaced = true;
        }
    }
    return replaced ? lines.join(QLatin1Char('\n')).toUtf8() : QByteArray();
}

// The program icon as PNG bytes; empty when there is no icon to render (no GUI, no image yet).
// Rendering is deterministic, so an unchanged icon compares equal to the installed one.
QByteArray IconPng()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return {};
    const QIcon icon = ProgramIcon();
    if (icon.isNull())
        return {};
    QImage image = icon.pixmap(QSize(kIconSize, kIconSize), 1.0).toImage();
    if (image.isNull())
        return {};
    if (image.size() != QSize(kIconSize, kIconSize))
        image = image.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return png;
}

enum class WriteResult { Unchanged, Written, Failed };

WriteResult WriteIfChanged(const QString &path, const QByteArray &content)
{
    QFile existing(path);
    if (existing.size() == content.size() && existing.open(QIODevice::ReadOnly) &&
        existing.readAll() == content)
        return WriteResult::Unchanged;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return WriteResult::Failed;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return WriteResult::Failed;
    return WriteResult::Written;
}

// Runs a database tool when it is installed; what it says and returns does not matter.
void RunTool(const QString &name, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(kToolTimeoutMs))
        return;
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(kToolTimeoutMs);
    }
}

} // namespace

QString UserDataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

bool RegisterFileType(const QString &programPath, const QString &dataHome, Prompter &prompter)
{
    InitAppResources();
    const QString home = QDir::cleanPath(dataHome) + QLatin1Char('/');
    enum Refresh { MimeDatabase, DesktopDatabase, IconCache };
    struct Target {
        QString path;
        QByteArray content;
        Refresh refresh;
    };
    const QByteArray icon = IconPng();
    std::vector<Target> targets = {
        {home + QStringLiteral("mime/packages/quillbox.xml"),
         ReadResource(QStringLiteral(":/quillbox-mime.xml")), MimeDatabase},
        {home + QStringLiteral("applications/quillbox.desktop"), DesktopEntry(programPath),
         DesktopDatabase},
    };
    if (!icon.isEmpty()) {
        targets.push_back(
            {home + QStringLiteral("icons/hicolor/64x64/apps/quillbox.png"), icon, IconCache});
        targets.push_back(
            {home +
                 QStringLiteral("icons/hicolor/64x64/mimetypes/application-x-quillbox-student.png"),
             icon, IconCache});
    }

    bool changed[3] = {false, false, false};
    for (const Target &t : targets) {
        const WriteResult r =
            t.content.isEmpty() ? WriteResult::Failed : WriteIfChanged(t.path, t.content);
        if (r == WriteResult::Failed) {
            prompter.Inform(QCoreApplication::translate("RegisterFileType",
                                                        "Registry Error - Unable to Register"),
                            QCoreApplication::translate("RegisterFileType", "Quillbox"));
            return false;
        }
        if (r == WriteResult::Written)
            changed[t.refresh] = true;
    }

    if (changed[MimeDatabase])
        RunTool(QStringLiteral("update-mime-database"), {home + QStringLiteral("mime")});
    if (changed[DesktopDatabase])
        RunTool(QStringLiteral("update-desktop-database"), {home + QStringLiteral("applications")});
    // A theme folder without a cache is read directly; one with a cache only sees the new
    // icons after the cache is rebuilt.
    const QString hicolor = home + QStringLiteral("icons/hicolor");
    if (changed[IconCache] && QFile::exists(hicolor + QStringLiteral("/icon-theme.cache")))
        RunTool(QStringLiteral("gtk-update-icon-cache"),
                {QStringLiteral("-q"), QStringLiteral("-t"), hicolor});
    return true;
}
