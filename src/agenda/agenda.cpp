#include "agenda/agenda.h"

#include "model/dates.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

const char kUsage[] =
    "Usage: quillbox agenda [options]\n"
    "Prints the reminders day by day, as the Dates view shows them.\n"
    "\n"
    "  --from YYYY-MM-DD         the first day (default: today)\n"
    "  --days N                  how many days, 1 to 100000 (default: 32)\n"
    "  --class NAME              only the reminders of this class\n"
    "  --undone                  only the reminders not done\n"
    "  --hide-empty-days         leave out the days without reminders\n"
    "  --show-empty-days         show every day, \"Nothing...\" under an empty one\n"
    "                            (default: the setting \"Hide Days with No Reminders\")\n"
    "  --json                    a JSON array, one object per reminder\n"
    "  --data-dir DIR            the data folder (default: ~/.local/share/Larkware/Quillbox)\n"
    "  --now \"YYYY-MM-DD hh:mm\"  take this as the current time\n"
    "  -h, --help                this text\n"
    "\n"
    "Exit status: 0 printed; 1 the term file could not be read whole (what was read is\n"
    "printed); 2 a mistake on the command line.\n";

constexpr int kMaxDays = 100000;

// "%s, %s %d, %d": weekday, month, day, year.
QString LongDate(QDate d)
{
    return QStringLiteral("%1, %2 %3, %4")
        .arg(WeekdayName(d.dayOfWeek() % 7), MonthName(d.month())) // QDate counts from Monday
        .arg(d.day())
        .arg(d.year());
}

// A name on one line: a line break or tab typed into a name would break the agenda's lines.
QString OneLine(QString s)
{
    for (QChar &c : s)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return s;
}

bool ParseNow(const QString &text, CTime &out)
{
    const QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm"));
    if (!dt.isValid())
        return false;
    out = CTime::FromLocal(dt.date().year(), dt.date().month(), dt.date().day(), dt.time().hour(),
                           dt.time().minute(), 0);
    return true;
}

void JsonString(QByteArray &out, const QString &s)
{
    out += '"';
    for (const char ch : s.toUtf8()) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", unsigned(c));
            out += buf;
        } else {
            out += ch;
        }
    }
    out += '"';
}

void JsonNumber(QByteArray &out, double d)
{
    if (!std::isfinite(d)) {
        out += "null";
        return;
    }
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, d).ptr;
    out.append(buf, end - buf);
}

// ISO 8601 local date and time with the zone's offset: 2003-10-15T09:00:00-04:00.
void IsoWithOffset(QByteArray &out, CTime t)
{
    const CTime::Fields f = t.GetLocal();
    const int64_t localSecs = (QDate(f.year, f.month, f.day).toJulianDay() - 2440588) * 86400 +
                              f.hour * 3600 + f.minute * 60 + f.second;
    const int64_t offset = localSecs - t.GetTime();
    const int64_t a = offset < 0 ? -offset : offset;
    char buf[48];
    int n = std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", f.year,
                          f.month, f.day, f.hour, f.minute, f.second, offset < 0 ? '-' : '+',
                          int(a / 3600), int(a / 60 % 60));
    if (a % 60) // zones before standard time kept seconds
        n += std::snprintf(buf + n, sizeof buf - size_t(n), ":%02d", int(a % 60));
    out.append(buf, n);
}

const char *Bool(bool b)
{
    return b ? "true" : "false";
}

} // namespace

bool ParseAgendaArgs(const QStringList &args, AgendaOptions &o, QString &error)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        bool inlineValue = false;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            value = arg.mid(eq + 1);
            arg.truncate(eq);
            inlineValue = true;
        }
        static const QStringList kWithValue = {
            QStringLiteral("--from"), QStringLiteral("--days"), QStringLiteral("--class"),
            QStringLiteral("--data-dir"), QStringLiteral("--now")};
        if (kWithValue.contains(arg)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    error = QStringLiteral("%1 needs a value").arg(arg);
                    return false;
                }
                value = args[++i];
            }
        } else if (inlineValue) {
            error = QStringLiteral("%1 takes no value").arg(arg);
            return false;
        }

        if (arg == QLatin1String("--from")) {
            o.from = QDate::fromString(value, Qt::ISODate);
            if (!o.from.isValid()) {
                error = QStringLiteral("--from wants YYYY-MM-DD, not \"%1\"").arg(value);
                return false;
            }
        } else if (arg == QLatin1String("--days")) {
            bool ok = false;
            o.days = value.toInt(&ok);
            if (!ok || o.days < 1 || o.days > kMaxDays) {
                error = QStringLiteral("--days wants a number from 1 to %1, not \"%2\"")
                            .arg(kMaxDays)
                            .arg(value);
                return false;
            }
        } else if (arg == QLatin1String("--class")) {
            if (value.isEmpty()) {
                error = QStringLiteral("--class wants a class name");
                return false;
            }
            o.className = value;
        } else if (arg == QLatin1String("--data-dir")) {
            if (value.isEmpty()) {
                error = QStringLiteral("--data-dir wants a folder");
                return false;
            }
            o.dataDir = value;
        } else if (arg == QLatin1String("--now")) {
            CTime now;
            if (!ParseNow(value, now)) {
                error = QStringLiteral("--now wants \"YYYY-MM-DD hh:mm\", not \"%1\"").arg(value);
                return false;
            }
            o.now = now;
        } else if (arg == QLatin1String("--undone")) {
            o.undoneOnly = true;
        } else if (arg == QLatin1String("--json")) {
            o.json = true;
        } else if (arg == QLatin1String("--hide-empty-days")) {
            o.emptyDays = AgendaOptions::EmptyDays::Hide;
        } else if (arg == QLatin1String("--show-empty-days")) {
            o.emptyDays = AgendaOptions::EmptyDays::Show;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            error = QStringLiteral("unknown option \"%1\" (see quillbox agenda --help)").arg(arg);
            return false;
        } else {
            error = QStringLiteral("unexpected \"%1\" (see quillbox agenda --help)").arg(arg);
            return false;
        }
    }
    return true;
}

std::vector<AgendaDay> CollectAgenda(const CStudent &term, QDate from, int days,
                                     const QString &className, bool undoneOnly)
{
    std::vector<AgendaDay> agenda(size_t(std::max(days, 0)));
    for (int i = 0; i < days; ++i)
        agenda[size_t(i)].date = from.addDays(i);
    if (agenda.empty())
        return agenda;

    std::vector<int> order(size_t(term.m_classes.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&term](int a, int b) {
        return term.m_classes[a].m_strName.compare(term.m_classes[b].m_strName,
                                                   Qt::CaseInsensitive) < 0;
    });

    // Only instants near the range can fall on one of its days; two days to spare cover any
    // change of the zone's offset. The rest need no local-time conversion at all.
    const QDate end = from.addDays(days);
    const CTime lo = CTime::FromLocal(from.year(), from.month(), from.day(), 0, 0, 0) - 2 * 86400;
    const CTime hi = CTime::FromLocal(end.year(), end.month(), end.day(), 0, 0, 0) + 2 * 86400;
    const qint64 first = from.toJulianDay();

    for (const int c : order) {
        const CClass &cls = term.m_classes[c];
        if (!className.isEmpty() && cls.m_strName.compare(className, Qt::CaseInsensitive) != 0)
            continue;
        for (int r = 0; r < cls.m_reminders.size(); ++r) {
            const CAssignment &rem = cls.m_reminders[r];
            if ((undoneOnly && rem.m_bDone) || rem.m_timeDue < lo || rem.m_timeDue >= hi)
                continue;
            const CTime::Fields f = rem.m_timeDue.GetLocal();
            const qint64 i = QDate(f.year, f.month, f.day).toJulianDay() - first;
            if (i >= 0 && i < days)
                agenda[size_t(i)].items.push_back({c, r});
        }
    }
    return agenda;
}

QString AgendaText(const CStudent &term, const std::vector<AgendaDay> &days, bool hideEmptyDays)
{
    QString out;
    bool anyDay = false;
    for (const AgendaDay &day : days) {
        if (day.items.empty()) {
            if (!hideEmptyDays)
                out += LongDate(day.date) + QLatin1String("\n  Nothing...\n");
            continue;
        }
        anyDay = true;
        out += LongDate(day.date) + QLatin1Char('\n');
        for (size_t i = 0; i < day.items.size(); ++i) {
            const AgendaItem item = day.items[i];
            // A class's further reminders that day follow its first: they only add "and more...".
            size_t next = i + 1;
            while (next < day.items.size() && day.items[next].cls == item.cls)
                ++next;
            const CClass &cls = term.m_classes[item.cls];
            const CAssignment &rem = cls.m_reminders[item.rem];
            out += QLatin1String("  ") + OneLine(cls.m_strName) + QLatin1String(" - ") +
                   OneLine(rem.m_strName) + QLatin1String("  ") + rem.GetDueTimeText();
            QStringList marks;
            if (rem.m_bDone)
                marks << QStringLiteral("[done]");
            if (rem.m_bHighPriority)
                marks << QStringLiteral("[high priority]");
            if (rem.m_bDropped)
                marks << QStringLiteral("[dropped]");
            if (!marks.isEmpty())
                out += QLatin1String("  ") + marks.join(QLatin1Char(' '));
            if (next > i + 1)
                out += QLatin1String("  and more...");
            out += QLatin1Char('\n');
            i = next - 1;
        }
    }
    if (hideEmptyDays && !anyDay)
        out += QLatin1String("No Dates found with Reminders ...\n");
    return out;
}

QByteArray AgendaJson(const CStudent &term, const std::vector<AgendaDay> &days)
{
    size_t count = 0;
    for (const AgendaDay &day : days)
        count += day.items.size();
    QByteArray out;
    out.reserve(qsizetype(count) * 240 + 8);
    out += '[';
    bool first = true;
    for (const AgendaDay &day : days) {
        for (const AgendaItem item : day.items) {
            const CClass &cls = term.m_classes[item.cls];
            const CAssignment &rem = cls.m_reminders[item.rem];
            out += first ? "\n{\"class\":" : ",\n{\"class\":";
            first = false;
            JsonString(out, cls.m_strName);
            out += ",\"name\":";
            JsonString(out, rem.m_strName);
            out += ",\"type\":";
            JsonString(out, rem.GetTypeText());
            out += ",\"due\":\"";
            IsoWithOffset(out, rem.m_timeDue);
            out += "\",\"done\":";
            out += Bool(rem.m_bDone);
            out += ",\"dropped\":";
            out += Bool(rem.m_bDropped);
            out += ",\"high_priority\":";
            out += Bool(rem.m_bHighPriority);
            out += ",\"points\":{\"earned\":";
            JsonNumber(out, rem.m_dPointsEarned);
            out += ",\"possible\":";
            JsonNumber(out, rem.m_dPointsPossible);
            out += "}}";
        }
    }
    out += first ? "]\n" : "\n]\n";
    return out;
}

int RunAgenda(const QStringList &args, QByteArray &out, QByteArray &err)
{
    const auto fail = [&err](const QString &reason) {
        err += "quillbox agenda: " + reason.toUtf8() + '\n';
    };
    AgendaOptions o;
    QString error;
    if (!ParseAgendaArgs(args, o, error)) {
        fail(error);
        return 2;
    }
    if (o.help) {
        out += kUsage;
        return 0;
    }
    if (!o.dataDir.isEmpty()) {
        const QFileInfo info(o.dataDir);
        if (!info.exists()) {
            fail(QStringLiteral("the data folder %1 does not exist").arg(o.dataDir));
            return 2;
        }
        if (!info.isDir() || !info.isReadable()) {
            fail(QStringLiteral("%1 is not a readable folder").arg(o.dataDir));
            return 2;
        }
    }
    SetDataDir(o.dataDir);

    int status = 0;
    CStudent term;
    const FileReadResult read = ReadStudentFile(DataFilePath(kStudentFile), term);
    if (read.status == FileReadResult::Unreadable) {
        fail(QStringLiteral("cannot read %1: %2").arg(read.path, read.error));
        status = 1;
    } else if (read.status == FileReadResult::Damaged) {
        const QString count =
            read.expected > 0
                ? QStringLiteral("%1 of its %2 classes").arg(read.recovered).arg(read.expected)
                : QStringLiteral("%1 classes").arg(read.recovered);
        fail(QStringLiteral("%1 is damaged; %2 were read (%3)").arg(read.path, count, read.error));
        status = 1;
    }

    if (!o.className.isEmpty() &&
        std::none_of(term.m_classes.cbegin(), term.m_classes.cend(), [&o](const CClass &c) {
            return c.m_strName.compare(o.className, Qt::CaseInsensitive) == 0;
        })) {
        fail(QStringLiteral("no class is named \"%1\"").arg(o.className));
        return status ? status : 2;
    }

    const CTime now = o.now ? *o.now : Clock::Now();
    QDate from = o.from;
    if (!from.isValid()) {
        const CTime::Fields f = now.GetLocal();
        from = QDate(f.year, f.month, f.day);
    }
    const std::vector<AgendaDay> days =
        CollectAgenda(term, from, o.days, o.className, o.undoneOnly);
    if (o.json) {
        out += AgendaJson(term, days);
    } else {
        const bool hide = o.emptyDays == AgendaOptions::EmptyDays::Setting
                              ? Settings::ReadInt(Settings::Key::HideNoDays) != 0
                              : o.emptyDays == AgendaOptions::EmptyDays::Hide;
        out += AgendaText(term, days, hide).toUtf8();
    }
    return status;
}

namespace {

#if defined(__GLIBC__) && defined(__linux__)
// Reading a term fills a few megabytes of fresh memory per 10,000 reminders, and the first touch
// of each 4 KB page of it is a page fault: on a virtual machine most of the agenda's time. So the
// heap grows once, by a large step that transparent huge pages may back (where the system allows
// them for memory that asks), and the file's bytes are read into the heap too. Nothing else
// changes: with huge pages off this only reserves address space.
void GrowHeapAtOnce()
{
    constexpr size_t kStep = size_t(64) << 20;
    constexpr uintptr_t kHuge = uintptr_t(2) << 20;
    mallopt(M_TRIM_THRESHOLD, int(kStep * 4)); // keep it for the whole short run
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TOP_PAD, int(kStep));
    const auto before = reinterpret_cast<uintptr_t>(sbrk(0));
    // More than the heap has free yet (what ran before main left little): it grows here.
    auto *const block = static_cast<volatile char *>(std::malloc(kStep / 4));
    if (!block)
        return;
    block[0] = 0; // used, so that the compiler keeps the allocation
    const auto after = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t from = (before + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t to = after & ~(kHuge - 1);
    if (to > from)
        madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
    std::free(const_cast<char *>(block));
}
#else
void GrowHeapAtOnce() {}
#endif

} // namespace

int AgendaMain(int argc, char **argv, int first)
{
    GrowHeapAtOnce();
    // With TZ unset the C library looks at /etc/localtime again on every conversion of local
    // fields to an instant (one per reminder read). Naming that same file gives the same zone
    // and the same answers, looked at once.
    if (!std::getenv("TZ"))
        setenv("TZ", ":/etc/localtime", 1);
    QStringList args;
    for (int i = first; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QByteArray out, err;
    int status = RunAgenda(args, out, err);
    if (!out.isEmpty() &&
        (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size()) ||
         std::fflush(stdout) != 0)) {
        err += "quillbox agenda: the agenda could not be written: " +
               QByteArray(std::strerror(errno)) + '\n';
        status = 1;
    }
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    return status;
}
