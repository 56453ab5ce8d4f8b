// Quillbox: a student planner.

#include "export/pimstore.h"
#include "model/clock.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/datalock.h"
#include "ui/dialogs.h"
#include "ui/filetype.h"
#include "ui/mainframe.h"
#include "ui/quillboxview.h"
#include "view/images.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// A term of 100,000 reminders is 15 MB of small records in fresh memory, and the first touch of
// each 4 KB page is a page fault: on a virtual machine those faults cost more than reading the
// term. So the heap grows once by a generous pad, marked for transparent huge pages, and faults
// in 2 MB at a time (what glibc.malloc.hugetlb=1 does when set before start). Untouched memory
// costs nothing; if any step does not apply, the heap simply stays as it was.
void PadHeapWithHugePages()
{
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kPad = std::uintptr_t(64) << 20;
    constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
    if (mallopt(M_TOP_PAD, int(kPad)) != 1)
        return;
    const auto top = [] { return reinterpret_cast<std::uintptr_t>(sbrk(0)); };
    const std::uintptr_t before = top();
    // Small blocks (big ones would be mapped apart) until the heap grows, by the pad as well;
    // freed, they leave the pad in place.
    void *blocks[64];
    int n = 0;
    while (top() == before && n < 64)
        blocks[n++] = std::malloc(32 * 1024);
    while (n > 0)
        std::free(blocks[--n]);
    const std::uintptr_t after = top();
    const std::uintptr_t from = (before + kHuge - 1) & ~(kHuge - 1);
    if (after > from + kHuge)
        madvise(reinterpret_cast<void *>(from), after - from, MADV_HUGEPAGE);
#endif
}

int Fail(const QString &text)
{
    std::fprintf(stderr, "quillbox: %s\n", qPrintable(text));
    return 2;
}

// Rendering, exporting, --help and --version need no display.
bool NeedsNoDisplay(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "--render") == 0 || std::strncmp(a, "--render=", 9) == 0 ||
            std::strcmp(a, "--export-ics") == 0 || std::strncmp(a, "--export-ics=", 13) == 0 ||
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
    if (mode >= 0 && mode <= 3) // the main modes, as the selector picks them
        view.SelectViewType(mode);
    ViewState &v = view.State();
    v.m_nSelClass = sel.cls;
    v.m_nSelReminder = sel.reminder;
    if (sel.hasDay) {
        v.m_timeDay = sel.day;
        v.m_timeMonth = sel.day;
    }
    if (mode > 3)
        view.EnterMode(static_cast<ViewMode>(mode));
    // grab() paints the view and its children (the view-type selector) as the window shows them.
    const QImage image = view.grab().toImage();
    if (!image.save(out, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}

// The whole term into one .ics file, without a window; the data files are only read.
int ExportIcs(const QString &out, std::optional<QDate> termEnd)
{
    CStudent student;
    CTeacherArray teachers;
    const LoadReport report = LoadData(student, teachers, /*readOnly=*/true);
    const FileReadResult &file = report.student;
    if (file.status == FileReadResult::Missing || file.status == FileReadResult::Unreadable) {
        std::fprintf(stderr, "quillbox: no term to export: %s %s\n",
                     qPrintable(QDir::toNativeSeparators(file.path)),
                     file.status == FileReadResult::Missing ? "does not exist"
                                                            : qPrintable(file.error));
        return 1;
    }
    if (file.status == FileReadResult::Damaged)
        std::fprintf(stderr, "quillbox: %s\n", qPrintable(report.message()));
    const ExportResult r = WriteTermCalendar(student, out, termEnd);
    if (!r.ok()) {
        std::fprintf(stderr, "quillbox: %s\n", qPrintable(r.error));
        return 1;
    }
    std::printf("quillbox: exported the term to %s (weekly class meetings: %d, reminders: %d)\n",
                qPrintable(QDir::toNativeSeparators(out)), r.meetings, r.reminders);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    CTime::ReadZoneOnce();
    PadHeapWithHugePages();
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
    const QCommandLineOption pimDir(
        QStringLiteral("pim-dir"),
        QStringLiteral("Keep transferred tasks, appointments and contacts in DIR "
                       "(default: the folder pim in the data folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption exportOpt(
        QStringLiteral("export-ics"),
        QStringLiteral("Write the whole term to the iCalendar file OUT and quit; writes no data "
                       "or setting."),
        QStringLiteral("OUT"));
    const QCommandLineOption termEndOpt(
        QStringLiteral("term-end"),
        QStringLiteral("With --export-ics: the last day of the term (default: the day of the "
                       "last reminder)."),
        QStringLiteral("YYYY-MM-DD"));
    parser.addOptions({dataDir, docsDir, renderOpt, viewOpt, nowOpt, classOpt, reminderOpt, dayOpt,
                       pimDir, exportOpt, termEndOpt});
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
    const bool exportIcs = parser.isSet(exportOpt);
    if (render && exportIcs)
        return Fail(QStringLiteral("--render and --export-ics cannot be used together"));
    std::optional<QDate> termEnd;
    if (parser.isSet(termEndOpt)) {
        if (!exportIcs)
            return Fail(QStringLiteral("--term-end works only with --export-ics"));
        const QDate d = QDate::fromString(parser.value(termEndOpt), Qt::ISODate);
        if (!d.isValid())
            return Fail(QStringLiteral("--term-end wants YYYY-MM-DD, not \"%1\"")
                            .arg(parser.value(termEndOpt)));
        termEnd = d;
    }
    if (exportIcs && parser.value(exportOpt).isEmpty())
        return Fail(QStringLiteral("--export-ics wants the name of the file to write"));
    if (parser.positionalArguments().size() > 1)
        return Fail(QStringLiteral("only one file can be named"));

    if (parser.isSet(dataDir)) {
        const QString dir = parser.value(dataDir);
        const QFileInfo info(dir);
        if (info.exists() && (!info.isDir() || !info.isReadable()))
            return Fail(QStringLiteral("%1 is not a readable folder").arg(dir));
        if ((render || exportIcs) && !info.exists())
            return Fail(QStringLiteral("%1 does not exist").arg(dir));
        SetDataDir(dir);
    }
    if (parser.isSet(docsDir))
        SetDocumentsDir(parser.value(docsDir));
    if (parser.isSet(pimDir)) {
        const QFileInfo info(parser.value(pimDir));
        if (info.exists() && !info.isDir())
            return Fail(QStringLiteral("%1 is not a folder").arg(parser.value(pimDir)));
        SetPimFolder(parser.value(pimDir));
    }
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
    for (const auto &[opt, out] :
         {std::pair{&classOpt, &selection.cls}, std::pair{&reminderOpt, &selection.reminder}}) {
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
            return Fail(
                QStringLiteral("--day wants YYYY-MM-DD, not \"%1\"").arg(parser.value(dayOpt)));
        selection.day = CTime::FromLocal(d.year(), d.month(), d.day(), 0, 0, 0);
        selection.hasDay = true;
    }
    if (!render && (parser.isSet(viewOpt) || parser.isSet(classOpt) || parser.isSet(reminderOpt) ||
                    parser.isSet(dayOpt)))
        return Fail(
            QStringLiteral("--view, --class, --reminder and --day work only with --render"));

    if (exportIcs)
        return ExportIcs(parser.value(exportOpt), termEnd);

    if (render) {
        CQuillboxView::Options options;
        options.headless = true;
        CQuillboxView view(options);
        return Render(view, parser.value(renderOpt), mode, selection);
    }

    RealDialogs dialogs;
    DataLock lock;
    if (!lock.tryLock()) {
        dialogs.Inform(QObject::tr("Quillbox is already running."), QObject::tr("Quillbox"));
        return 1;
    }

    RegisterFileType(QCoreApplication::applicationFilePath(), UserDataHome(), dialogs);

    CQuillboxDoc doc;
    if (!parser.positionalArguments().isEmpty())
        doc.SetPathName(parser.positionalArguments().first());

    CQuillboxView::Options options;
    options.dialogs = &dialogs;
    auto *view = new CQuillboxView(options);
    CMainFrame frame(view);
    view->OnInitialUpdate();
    frame.show();
    return app.exec();
}
