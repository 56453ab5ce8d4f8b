#include "model/clock.h"

#include <cstdlib>
#include <optional>

namespace {
std::optional<int64_t> g_pinned;
} // namespace

CTime CTime::FromLocal(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return CTime(static_cast<int64_t>(std::mktime(&tm)));
}

CTime CTime::GetCurrentTime()
{
    return Clock::Now();
}

void CTime::ReadZoneOnce()
{
    if (!std::getenv("TZ"))
        setenv("TZ", ":/etc/localtime", 1);
    tzset();
}

CTime::Fields CTime::GetLocal() const
{
    std::tm tm{};
    const std::time_t t = static_cast<std::time_t>(m_t);
    Fields f;
    if (!localtime_r(&t, &tm))
        return f; // out of the C library's range: the epoch's fields, never garbage
    f.year = tm.tm_year + 1900;
    f.month = tm.tm_mon + 1;
    f.day = tm.tm_mday;
    f.hour = tm.tm_hour;
    f.minute = tm.tm_min;
    f.second = tm.tm_sec;
    f.dayOfWeek = tm.tm_wday;
    return f;
}

CTime Clock::Now()
{
    if (g_pinned)
        return CTime(*g_pinned);
    return CTime(static_cast<int64_t>(std::time(nullptr)));
}

void Clock::Pin(CTime t)
{
    g_pinned = t.GetTime();
}
void Clock::Unpin()
{
    g_pinned.reset();
}
bool Clock::IsPinned()
{
    return g_pinned.has_value();
}
