#pragma once
// Pins the one clock for a scope; At() names a local time in the tests' zone (America/New_York).

#include "model/clock.h"

inline CTime At(int year, int month, int day, int hour = 12, int minute = 0, int second = 0)
{
    return CTime::FromLocal(year, month, day, hour, minute, second);
}

class PinnedClock {
public:
    explicit PinnedClock(CTime t) { Clock::Pin(t); }
    ~PinnedClock() { Clock::Unpin(); }
    PinnedClock(const PinnedClock &) = delete;
    PinnedClock &operator=(const PinnedClock &) = delete;
};
