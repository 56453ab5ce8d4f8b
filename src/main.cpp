// Quillbox: a student planner.

#include "model/clock.h"
#include "storage/datafolder.h"
#include "storage/datalock.h"
#include "ui/filetype.h"
#include "ui/prompter.h"
#include "view/images.h"
#include "view/mainframe.h"
#include "view/quillboxview.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Fail(const QString &text)
{
    std::fprintf(stderr, "quillbox: %s\n", qPrintable(text));
    return 2;
}

bool WantsRender(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--render") == 0 || std::strncmp(argv[i], "--render=", 9) == 0)
            return true;
    return false;
}

// --now "YYYY-MM-DD hh:mm" as local time.
bool ParseNow(const QString &text, CTime &out)
{
    const QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm"));
    if (!dt.isValid())
        return false;
    out = CTime::FromLocal(dt.date().year(), dt.date().month(), dt.date().day(), dt.time().hour(),
                           dt.time().minute(), 0);
    return true;
}

int Render(CQuillboxView &view, const QString &out, int mode)
{
    view.OnInitialUpdate();
    view.resize(240, 268);
    if (mode >= ModeClasses && mode <= ModeGrades)
        view.SelectViewType(mode);
    else if (mode >= 0)
        view.State().m_nViewType = mode;
    // grab() paints the view and its children (the view-type selector) as the window shows them.
    const QImage image = view.grab().toImage();
    if (!image.save(out, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool render = WantsRender(argc, argv);
    if (render && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // rendering needs no display

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Larkware"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.02"));
    QApplication::setWindowIcon(ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quillbox, a student planner."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the data files in DIR."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption docsDir(QStringLiteral("documents-dir"),
                                     QStringLiteral("Put backup copies for synchronising in DIR."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption renderOpt(
        QStringLiteral("render"),
        QStringLiteral("Paint a view into the PNG file OUT and quit; writes no data or setting."),
        QStringLiteral("OUT"));
    const QCommandLineOption viewOpt(
        QStringLiteral("view"),
        QStringLiteral("With --render: the view to paint (0 Classes, 1 Dates, 2 Calendar, "
                       "3 Grades, 4 Day, 5 Class, 7 Reminder, 8 Instructor)."),
        QStringLiteral("N"));
    const QCommandLineOption nowOpt(QStringLiteral("now"),
                                    QStringLiteral("Take this as the current time."),
                                    QStringLiteral("YYYY-MM-DD hh:mm"));
    parser.addOptions({dataDir, docsDir, renderOpt, viewOpt, nowOpt});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A student file (accepted; the term is always "
                                                "the one in the data folder)."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return Fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Quillbox 2.02\n");
        return 0;
    }
    if (parser.positionalArguments().size() > 1)
        return Fail(QStringLiteral("only one file can be named"));

    if (parser.isSet(dataDir)) {
        const QString dir = parser.value(dataDir);
        const QFileInfo info(dir);
        if (info.exists() && (!info.isDir() || !info.isReadable()))
            return Fail(QStringLiteral("%1 is not a readable folder").arg(dir));
        if (render && !info.exists())
            return Fail(QStringLiteral("%1 does not exist").arg(dir));
        SetDataDir(dir);
    }
    if (parser.isSet(docsDir))
        SetDocumentsDir(parser.value(docsDir));
    if (parser.isSet(nowOpt)) {
        CTime now;
        if (!ParseNow(parser.value(nowOpt), now))
            return Fail(QStringLiteral("--now wants \"YYYY-MM-DD hh:mm\", not \"%1\"")
                            .arg(parser.value(nowOpt)));
        Clock::Pin(now);
    }
    int mode = -1;
    if (parser.isSet(viewOpt)) {
        bool ok = false;
        mode = parser.value(viewOpt).toInt(&ok);
        if (!ok || mode < 0 || mode > 8 || mode == 6)
            return Fail(QStringLiteral("--view wants 0 to 5, 7 or 8"));
        if (!render)
            return Fail(QStringLiteral("--view works only with --render"));
    }

    if (render) {
        CQuillboxView::Options options;
        options.headless = true;
        CQuillboxView view(options);
        return Render(view, parser.value(renderOpt), mode);
    }

    DataLock lock;
    if (!lock.tryLock()) {
        Prompter::Get().Inform(QObject::tr("Quillbox is already running."),
                               QObject::tr("Quillbox"));
        return 1;
    }

    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    RegisterFileType(QCoreApplication::applicationFilePath(), dataHome, Prompter::Get());

    CQuillboxDoc doc;
    if (!parser.positionalArguments().isEmpty())
        doc.SetPathName(parser.positionalArguments().first());

    auto *view = new CQuillboxView;
    CMainFrame frame(view);
    view->OnInitialUpdate();
    frame.show();
    return app.exec();
}
