#pragma once
// Instants and the one clock everything asks for "now".

#include <cstdint>
#include <ctime>
#include <functional>

// One instant: seconds since the epoch in 64 bits. Its calendar fields are always the local
// wall-clock fields of the instant, through the C library (so daylight saving is the C library's).
class CTime {
public:
    CTime() = default;
    explicit CTime(int64_t secs) : m_t(secs) {}

    // Local wall-clock fields -> instant. Daylight saving is decided by mktime (tm_isdst = -1).
    static CTime FromLocal(int year, int month, int day, int hour, int minute, int second);
    static CTime GetCurrentTime();
    // With TZ unset the C library's mktime looks at /etc/localtime again on every call, one stat()
    // per stored time when a term loads. Naming that same default file in TZ (":/etc/localtime")
    // lets it read the zone once, with the same results. A TZ that is set is left alone. Call it
    // first thing in main, before any thread can read the environment.
    static void ReadZoneOnce();

    int64_t GetTime() const { return m_t; }

    // Local calendar fields of the instant.
    struct Fields {
        int year = 1970;
        int month = 1;     // 1-12
        int day = 1;       // 1-31
        int hour = 0;      // 0-23
        int minute = 0;    // 0-59
        int second = 0;    // 0-59 (60 only on a leap second)
        int dayOfWeek = 4; // 0 = Sunday
    };
    Fields GetLocal() const;
    int GetYear() const { return GetLocal().year; }
    int GetMonth() const { return GetLocal().month; }
    int GetDay() const { return GetLocal().day; }
    int GetHour() const { return GetLocal().hour; }
    int GetMinute() const { return GetLocal().minute; }
    int GetSecond() const { return GetLocal().second; }
    // 1 = Sunday ... 7 = Saturday, as class meeting days count.
    int GetDayOfWeek() const { return GetLocal().dayOfWeek + 1; }

    friend bool operator==(CTime a, CTime b) { return a.m_t == b.m_t; }
    friend bool operator!=(CTime a, CTime b) { return a.m_t != b.m_t; }
    friend bool operator<(CTime a, CTime b) { return a.m_t < b.m_t; }
    friend bool operator<=(CTime a, CTime b) { return a.m_t <= b.m_t; }
    friend bool operator>(CTime a, CTime b) { return a.m_t > b.m_t; }
    friend bool operator>=(CTime a, CTime b) { return a.m_t >= b.m_t; }
    CTime operator+(int64_t secs) const { return CTime(m_t + secs); }
    CTime operator-(int64_t secs) const { return CTime(m_t - secs); }

private:
    int64_t m_t = 0;
};

// The one source of "now". Tests and screenshots pin it; the program leaves it on the system clock.
class Clock {
public:
    static CTime Now();
    static void Pin(CTime t);
    static void Unpin();
    static bool IsPinned();
};
