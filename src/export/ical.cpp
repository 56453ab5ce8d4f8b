#include "export/ical.h"

#include <libical/ical.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <memory>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("Export", text);
}

struct ComponentFree {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

bool KnownZone(const QString &name)
{
    return !name.isEmpty() && icaltimezone_get_builtin_timezone(name.toUtf8().constData());
}

// "/usr/share/zoneinfo/posix/Europe/Paris" -> "Europe/Paris".
QString ZoneFromPath(const QString &path)
{
    QString name = path.section(QLatin1String("zoneinfo/"), 1);
    for (const QLatin1String variant : {QLatin1String("posix/"), QLatin1String("right/")})
        if (name.startsWith(variant))
            name.remove(0, variant.size());
    return name;
}

// The zone times are written in: its TZID and libical's rules for it. No TZID: floating times.
struct Zone {
    QByteArray tzid;
    icaltimezone *zone = nullptr;
};

Zone CurrentZone()
{
    Zone z;
    const QString name = LocalZoneName();
    if (name.isEmpty())
        return z;
    z.zone = icaltimezone_get_builtin_timezone(name.toUtf8().constData());
    if (z.zone && icaltimezone_get_component(z.zone))
        z.tzid = name.toUtf8();
    return z;
}

icaltimetype UtcTime(int64_t secs)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(secs), 0,
                                         icaltimezone_get_utc_timezone());
}

icaltimetype WallClock(const QDate &day, int hour, int minute, int second)
{
    icaltimetype t = icaltime_null_time();
    t.year = day.year();
    t.month = day.month();
    t.day = day.day();
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

QDate LocalDay(CTime t)
{
    const CTime::Fields f = t.GetLocal();
    return QDate(f.year, f.month, f.day);
}

// The due time to the minute, as the reminder shows it.
icaltimetype DueTime(CTime t)
{
    const CTime::Fields f = t.GetLocal();
    return WallClock(QDate(f.year, f.month, f.day), f.hour, f.minute, 0);
}

icalproperty *Zoned(icalproperty *p, const Zone &zone)
{
    if (!zone.tzid.isEmpty())
        icalproperty_add_parameter(p, icalparameter_new_tzid(zone.tzid.constData()));
    return p;
}

// An edit control's CR LF is one line break; a lone CR would end the property line.
QByteArray Text(const QString &s)
{
    QString t = s;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.toUtf8();
}

Component NewCalendar(const Zone &zone, CTime earliest)
{
    Component cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(),
                               icalproperty_new_prodid("-//Larkware//Quillbox 2.02//EN"));
    if (zone.tzid.isEmpty())
        return cal;
    icalcomponent *vtz = icalcomponent_new_clone(icaltimezone_get_component(zone.zone));
    // libical names its zones "/freeassociation.sourceforge.net/Region/City"; other programs
    // recognise the plain name.
    if (icalproperty *id = icalcomponent_get_first_property(vtz, ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(id, zone.tzid.constData());
    // The zone's rules from a year before the earliest time on; its older history is not needed.
    constexpr int64_t kYear = 366 * 24 * 3600;
    icaltimezone_truncate_vtimezone(vtz, UtcTime(earliest.GetTime() - kYear), icaltime_null_time(),
                                    0);
    icalcomponent_add_component(cal.get(), vtz);
    return cal;
}

QByteArray AsText(const Component &cal)
{
    char *s = icalcomponent_as_ical_string_r(cal.get());
    const QByteArray text(s);
    icalmemory_free_buffer(s);
    return text;
}

icalcomponent *NewTodo(const CClass &cls, const CAssignment &a, const QString &uid,
                       const Zone &zone)
{
    icalcomponent *todo = icalcomponent_new_vtodo();
    icalcomponent_add_property(todo, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(todo, icalproperty_new_dtstamp(UtcTime(Clock::Now().GetTime())));
    icalcomponent_add_property(todo,
                               icalproperty_new_summary(Text(ReminderSummary(cls, a)).constData()));
    if (a.m_bHighPriority)
        icalcomponent_add_property(todo, icalproperty_new_priority(1));
    icalcomponent_add_property(todo, Zoned(icalproperty_new_due(DueTime(a.m_timeDue)), zone));
    icalcomponent_add_property(
        todo, icalproperty_new_status(a.m_bDone ? ICAL_STATUS_COMPLETED : ICAL_STATUS_NEEDSACTION));
    if (!a.m_strDescription.isEmpty())
        icalcomponent_add_property(
            todo, icalproperty_new_description(Text(a.m_strDescription).constData()));
    return todo;
}

// The day before the due time.
icalcomponent *NewDayBeforeAlarm(const QString &summary)
{
    icalcomponent *alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalproperty *trigger = icalproperty_new_trigger(icaltriggertype_from_int(-24 * 3600));
    icalproperty_add_parameter(trigger, icalparameter_new_related(ICAL_RELATED_END));
    icalcomponent_add_property(alarm, trigger);
    icalcomponent_add_property(alarm, icalproperty_new_description(Text(summary).constData()));
    return alarm;
}

// Two items with one key (a repeated meeting time) still get UIDs of their own.
QString StableUid(QSet<QString> &used, const QStringList &parts)
{
    const QByteArray key = parts.join(QLatin1Char('\n')).toCaseFolded().toUtf8();
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex());
    QString uid = hash;
    for (int n = 2; used.contains(uid); ++n)
        uid = hash + QLatin1Char('-') + QString::number(n);
    used.insert(uid);
    return uid + QStringLiteral("@quillbox");
}

bool ValidMeeting(const CClassTime &t)
{
    return t.m_nDay >= 1 && t.m_nDay <= 7 && t.m_nHour >= 0 && t.m_nHour <= 23 &&
           t.m_nMinute >= 0 && t.m_nMinute <= 59;
}

icalcomponent *NewMeeting(const CClass &cls, const CClassTime &t, const QDate &firstDay,
                          const QDate &lastDay, const QString &uid, const Zone &zone)
{
    // Our days run 1 = Sunday ... 7 = Saturday; QDate's 1 = Monday ... 7 = Sunday.
    const int weekday = (t.m_nDay + 5) % 7 + 1;
    const QDate first = firstDay.addDays((weekday - firstDay.dayOfWeek() + 7) % 7);
    if (first > lastDay)
        return nullptr;

    icalcomponent *ev = icalcomponent_new_vevent();
    icalcomponent_add_property(ev, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(ev, icalproperty_new_dtstamp(UtcTime(Clock::Now().GetTime())));
    icalcomponent_add_property(
        ev, Zoned(icalproperty_new_dtstart(WallClock(first, t.m_nHour, t.m_nMinute, 0)), zone));
    if (t.m_nDuration > 0)
        icalcomponent_add_property(
            ev, icalproperty_new_duration(icaldurationtype_from_int(t.m_nDuration * 60)));
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_WEEKLY_RECURRENCE;
    // With a zoned start the end of the rule must be given in UTC.
    rule.until =
        zone.tzid.isEmpty()
            ? WallClock(lastDay, 23, 59, 59)
            : UtcTime(CTime::FromLocal(lastDay.year(), lastDay.month(), lastDay.day(), 23, 59, 59)
                          .GetTime());
    icalcomponent_add_property(ev, icalproperty_new_rrule(rule));
    icalcomponent_add_property(ev, icalproperty_new_summary(Text(cls.m_strName).constData()));
    if (!cls.m_strLocation.isEmpty())
        icalcomponent_add_property(ev,
                                   icalproperty_new_location(Text(cls.m_strLocation).constData()));
    return ev;
}

QString ShortDate(const QDate &d)
{
    return QString::asprintf("%d/%d/%d", d.month(), d.day(), d.year());
}

} // namespace

QString LocalZoneName()
{
    // The C library's order: TZ when set, else /etc/localtime.
    if (qEnvironmentVariableIsSet("TZ")) {
        QString tz = qEnvironmentVariable("TZ");
        if (tz.startsWith(QLatin1Char(':')))
            tz.remove(0, 1);
        if (tz.isEmpty())
            tz = QStringLiteral("Etc/UTC");
        else if (tz.startsWith(QLatin1Char('/')))
            tz = ZoneFromPath(tz);
        return KnownZone(tz) ? tz : QString();
    }
    const QString linked =
        ZoneFromPath(QFileInfo(QStringLiteral("/etc/localtime")).symLinkTarget());
    if (KnownZone(linked))
        return linked;
    QFile file(QStringLiteral("/etc/timezone"));
    if (file.open(QIODevice::ReadOnly)) {
        const QString named = QString::fromUtf8(file.readAll()).trimmed();
        if (KnownZone(named))
            return named;
    }
    return QString();
}

QString ReminderSummary(const CClass &cls, const CAssignment &a)
{
    return QStringLiteral("%1 - %2").arg(cls.m_strName, a.m_strName);
}

QByteArray ReminderTaskCalendar(const CClass &cls, const CAssignment &a, const QString &uid)
{
    const Zone zone = CurrentZone();
    Component cal = NewCalendar(zone, a.m_timeDue);
    icalcomponent_add_component(cal.get(), NewTodo(cls, a, uid, zone));
    return AsText(cal);
}

QByteArray ReminderEventCalendar(const CClass &cls, const CAssignment &a, const QString &uid)
{
    const Zone zone = CurrentZone();
    Component cal = NewCalendar(zone, a.m_timeDue);
    icalcomponent *ev = icalcomponent_new_vevent();
    icalcomponent_add_property(ev, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(ev, icalproperty_new_dtstamp(UtcTime(Clock::Now().GetTime())));
    icalcomponent_add_property(ev, Zoned(icalproperty_new_dtstart(DueTime(a.m_timeDue)), zone));
    icalcomponent_add_property(ev,
                               icalproperty_new_summary(Text(ReminderSummary(cls, a)).constData()));
    if (!a.m_strDescription.isEmpty())
        icalcomponent_add_property(
            ev, icalproperty_new_description(Text(a.m_strDescription).constData()));
    icalcomponent_add_component(cal.get(), ev);
    return AsText(cal);
}

TermCalendar BuildTermCalendar(const CStudent &student, std::optional<QDate> termEnd)
{
    TermCalendar out;
    if (student.m_classes.isEmpty()) {
        out.error = Tr("The term has no classes to export.");
        return out;
    }
    std::optional<CTime> earliest, latest;
    for (const CClass &cls : student.m_classes)
        for (const CAssignment &a : cls.m_reminders) {
            if (!earliest || a.m_timeDue < *earliest)
                earliest = a.m_timeDue;
            if (!latest || a.m_timeDue > *latest)
                latest = a.m_timeDue;
        }
    const QDate firstDay = LocalDay(earliest ? *earliest : Clock::Now());
    const QDate lastDay = termEnd ? *termEnd : latest ? LocalDay(*latest) : QDate();
    if (!lastDay.isValid()) {
        out.error = Tr("The term has no reminders yet, so its last day is not known. Choose the "
                       "day the term ends.");
        return out;
    }
    if (lastDay < firstDay) {
        out.error = Tr("The term end, %1, is before the term's first day, %2.")
                        .arg(ShortDate(lastDay), ShortDate(firstDay));
        return out;
    }

    const Zone zone = CurrentZone();
    Component cal = NewCalendar(
        zone, CTime::FromLocal(firstDay.year(), firstDay.month(), firstDay.day(), 0, 0, 0));
    QSet<QString> used;
    for (const CClass &cls : student.m_classes) {
        for (const CClassTime &t : cls.m_classTimes) {
            if (!ValidMeeting(t))
                continue;
            const QString uid = StableUid(
                used, {QStringLiteral("meeting"), cls.m_strName, QString::number(t.m_nDay),
                       QString::number(t.m_nHour), QString::number(t.m_nMinute)});
            if (icalcomponent *ev = NewMeeting(cls, t, firstDay, lastDay, uid, zone)) {
                icalcomponent_add_component(cal.get(), ev);
                ++out.meetings;
            }
        }
        for (const CAssignment &a : cls.m_reminders) {
            const QString uid =
                StableUid(used, {QStringLiteral("reminder"), cls.m_strName, a.m_strName});
            icalcomponent *todo = NewTodo(cls, a, uid, zone);
            if (!a.m_bDone)
                icalcomponent_add_component(todo, NewDayBeforeAlarm(ReminderSummary(cls, a)));
            icalcomponent_add_component(cal.get(), todo);
            ++out.reminders;
        }
    }
    out.text = AsText(cal);
    return out;
}
