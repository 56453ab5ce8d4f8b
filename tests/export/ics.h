#pragma once
// Reading iCalendar texts back with libical, for assertions.

#include "model/clock.h"

#include <libical/ical.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// A parsed calendar, freed with the object.
class Ics {
public:
    explicit Ics(const QByteArray &text) : m_cal(icalparser_parse_string(text.constData())) {}
    ~Ics()
    {
        if (m_cal)
            icalcomponent_free(m_cal);
    }
    Ics(const Ics &) = delete;
    Ics &operator=(const Ics &) = delete;

    bool valid() const { return m_cal && icalcomponent_isa(m_cal) == ICAL_VCALENDAR_COMPONENT; }
    std::vector<icalcomponent *> items(icalcomponent_kind kind) const
    {
        std::vector<icalcomponent *> out;
        if (!m_cal)
            return out;
        for (icalcomponent *c = icalcomponent_get_first_component(m_cal, kind); c;
             c = icalcomponent_get_next_component(m_cal, kind))
            out.push_back(c);
        return out;
    }
    // The TZID the VTIMEZONE defines, "" when there is none.
    QString zoneId() const
    {
        const auto zones = items(ICAL_VTIMEZONE_COMPONENT);
        return zones.empty() ? QString() : Prop(zones.front(), ICAL_TZID_PROPERTY);
    }

    // A property's value as text (unescaped); "-" when it is absent.
    static QString Prop(icalcomponent *c, icalproperty_kind kind)
    {
        icalproperty *p = icalcomponent_get_first_property(c, kind);
        if (!p)
            return QStringLiteral("-");
        icalvalue *v = icalproperty_get_value(p);
        return QString::fromUtf8(icalvalue_isa(v) == ICAL_TEXT_VALUE
                                     ? icalvalue_get_text(v)
                                     : icalproperty_get_value_as_string(p));
    }
    // A property's TZID parameter; "" when it has none.
    static QString Tzid(icalcomponent *c, icalproperty_kind kind)
    {
        icalproperty *p = icalcomponent_get_first_property(c, kind);
        icalparameter *z = p ? icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER) : nullptr;
        return z ? QString::fromUtf8(icalparameter_get_tzid(z)) : QString();
    }
    // The instant a DUE or DTSTART names, read through the file's own VTIMEZONE.
    static CTime Instant(icaltimetype t)
    {
        return CTime(icaltime_as_timet_with_zone(t, icaltime_get_timezone(t)));
    }

private:
    icalcomponent *m_cal;
};

// Every physical line of the text is at most 75 octets and ends with CR LF.
inline bool LinesFit(const QByteArray &text)
{
    if (!text.endsWith("\r\n"))
        return false;
    const QList<QByteArray> lines = text.chopped(1).split('\n');
    for (const QByteArray &line : lines)
        if (!line.endsWith('\r') || line.size() - 1 > 75)
            return false;
    return true;
}
