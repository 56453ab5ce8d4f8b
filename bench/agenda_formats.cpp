// Writes one bench term (bench_term.h) in three formats, so that agenda_vs.sh can time three
// programs printing the same reminders:
//   DIR/quillbox/studentdef.stn           our term file
//   DIR/calcurse/apts, todo               calcurse appointments, one line per reminder
//   DIR/khal/calendar/*.ics, DIR/khal/config   a khal vdir, one event file per reminder
//
//   quillbox_agenda_formats DIR CLASSES REMINDERS_PER_CLASS
//
// A reminder is an instant: an appointment (calcurse) or an event (khal) that starts and ends at
// its due time; local times (run it under the TZ the programs will use). khal takes an event whose
// DTEND equals its start as an hour long, so the events say DURATION:PT0S instead.

#include "bench_term.h"

#include "storage/datafiles.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray Calcurse(const CStudent &term)
{
    QByteArray out;
    for (const CClass &c : term.m_classes)
        for (const CAssignment &r : c.m_reminders) {
            const CTime::Fields f = r.m_timeDue.GetLocal();
            const QByteArray at = QString::asprintf("%02d/%02d/%04d @ %02d:%02d", f.month, f.day,
                                                    f.year, f.hour, f.minute)
                                      .toLatin1();
            out += at + " -> " + at + " |" + c.m_strName.toUtf8() + " - " + r.m_strName.toUtf8() +
                   '\n';
        }
    return out;
}

QByteArray Event(const CClass &c, const CAssignment &r, int ci, int ri)
{
    const CTime::Fields f = r.m_timeDue.GetLocal();
    const QByteArray at =
        QString::asprintf("%04d%02d%02dT%02d%02d00", f.year, f.month, f.day, f.hour, f.minute)
            .toLatin1();
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Quillbox//agenda bench//EN\r\n"
           "BEGIN:VEVENT\r\nUID:" +
           QByteArray::number(ci) + '-' + QByteArray::number(ri) +
           "@bench.quillbox\r\nDTSTAMP:20240101T000000Z\r\nDTSTART:" + at +
           "\r\nDURATION:PT0S\r\nSUMMARY:" + c.m_strName.toUtf8() + " - " + r.m_strName.toUtf8() +
           "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

QByteArray KhalConfig(const QString &dir)
{
    return "[calendars]\n[[bench]]\npath = " + dir.toUtf8() +
           "/khal/calendar\ntype = calendar\n\n"
           "[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
           "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n\n"
           "[sqlite]\npath = " +
           dir.toUtf8() + "/khal/khal.db\n";
}

} // namespace

int main(int argc, char *argv[])
{
    bool okC = false, okR = false;
    const int classes = argc == 4 ? QByteArray(argv[2]).toInt(&okC) : 0;
    const int perClass = argc == 4 ? QByteArray(argv[3]).toInt(&okR) : 0;
    if (!okC || !okR || classes < 1 || perClass < 1) {
        std::fprintf(stderr, "usage: %s DIR CLASSES REMINDERS_PER_CLASS\n", argv[0]);
        return 2;
    }
    const QString dir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    for (const char *sub : {"quillbox", "calcurse", "khal/calendar"})
        if (!QDir().mkpath(dir + QLatin1Char('/') + QLatin1String(sub))) {
            std::fprintf(stderr, "cannot create %s/%s\n", qPrintable(dir), sub);
            return 1;
        }

    const CStudent term = MakeBenchTerm(classes, perClass, 1);
    bool ok = Write(dir + QStringLiteral("/quillbox/studentdef.stn"), EncodeStudent(term)) &&
              Write(dir + QStringLiteral("/calcurse/apts"), Calcurse(term)) &&
              Write(dir + QStringLiteral("/calcurse/todo"), QByteArray()) &&
              Write(dir + QStringLiteral("/khal/config"), KhalConfig(dir));
    for (int c = 0; ok && c < term.m_classes.size(); ++c)
        for (int r = 0; ok && r < term.m_classes[c].m_reminders.size(); ++r)
            ok = Write(dir + QStringLiteral("/khal/calendar/%1-%2.ics").arg(c).arg(r),
                       Event(term.m_classes[c], term.m_classes[c].m_reminders[r], c, r));
    return ok ? 0 : 1;
}
