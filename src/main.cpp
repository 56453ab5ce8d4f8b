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
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {

int Fail(const QString &text)
{
    std::fprintf(stderr, "quillbox: %s\n", qPrintable(text));
    return 2;
}

// Rendering, --help and --version need no display.
bool NeedsNoDisplay(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "--render") == 0 || std::strncmp(a, "--render=", 9) == 0 ||
            std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0 ||
            std::strcmp(a, "--help-all") == 0 || std::strcmp(a, "--version") == 0 ||
            std::strcmp(a, "-v") == 0)
            return true;
    }
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

struct RenderSelection {
    int cls = -1;
    int reminder = -1;
    bool hasDay = false;
    CTime day;
};

int Render(CQuillboxView &view, const QString &out, int mode, const RenderSelection &sel)
{
    view.OnInitialUpdate();
    view.resize(240, 268);
    if (mode >= ModeClasses && mode <= ModeGrades)
        view.SelectViewType(mode);
    ViewState &v = view.State();
    v.m_nSelClass = sel.cls;
    v.m_nSelReminder = sel.reminder;
    if (sel.hasDay) {
        v.m_timeDay = sel.day;
        v.m_timeMonth = sel.day;
    }
    if (mode > ModeGrades)
        view.EnterMode(mode);
    // grab() paints the view and its children (the view-type selector) as the window shows them.
    const QImage image = view.grab().toImage();
    if (!image.save(out, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (NeedsNoDisplay(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

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
    const QCommandLineOption classOpt(
        QStringLiteral("class"),
        QStringLiteral("With --render: the selected class, counted from 0 in name order."),
        QStringLiteral("N"));
    const QCommandLineOption reminderOpt(
        QStringLiteral("reminder"),
        QStringLiteral("With --render: the selected reminder of that class, from 0."),
        QStringLiteral("N"));
    const QCommandLineOption dayOpt(QStringLiteral("day"),
                                    QStringLiteral("With --render: the day the Day view shows."),
                                    QStringLiteral("YYYY-MM-DD"));
    parser.addOptions({dataDir, docsDir, renderOpt, viewOpt, nowOpt, classOpt, reminderOpt, dayOpt});
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
    const bool render = parser.isSet(renderOpt);
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
    }

    RenderSelection selection;
    for (const auto &[opt, out] : {std::pair{&classOpt, &selection.cls},
                                   std::pair{&reminderOpt, &selection.reminder}}) {
        if (!parser.isSet(*opt))
            continue;
        bool ok = false;
        *out = parser.value(*opt).toInt(&ok);
        if (!ok || *out < 0)
            return Fail(QStringLiteral("--%1 wants a number from 0").arg(opt->names().first()));
    }
    if (parser.isSet(dayOpt)) {
        const QDate d = QDate::fromString(parser.value(dayOpt), Qt::ISODate);
        if (!d.isValid())
            return Fail(QStringLiteral("--day wants YYYY-MM-DD, not \"%1\"").arg(parser.value(dayOpt)));
        selection.day = CTime::FromLocal(d.year(), d.month(), d.day(), 0, 0, 0);
        selection.hasDay = true;
    }
    if (!render && (parser.isSet(viewOpt) || parser.isSet(classOpt) || parser.isSet(reminderOpt) ||
                    parser.isSet(dayOpt)))
        return Fail(QStringLiteral("--view, --class, --reminder and --day work only with --render"));

    if (render) {
        CQuillboxView::Options options;
        options.headless = true;
        CQuillboxView view(options);
        return Render(view, parser.value(renderOpt), mode, selection);
    }

    DataLock lock;
    if (!lock.tryLock()) {
        Prompter::Get().Inform(QObject::tr("Quillbox is already running."),
                               QObject::tr("Quillbox"));
        return 1;
    }

    RegisterFileType(QCoreApplication::applicationFilePath(), UserDataHome(), Prompter::Get());

    CQuillboxDoc doc;
    if (!parser.positionalArguments().isEmpty())
        doc.SetPathName(parser.positionalArguments().first());

    auto *view = new CQuillboxView;
    CMainFrame frame(view);
    view->OnInitialUpdate();
    frame.show();
    return app.exec();
}
