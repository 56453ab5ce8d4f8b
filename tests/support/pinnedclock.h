#pragma once
// Pins the one clock for a scope.

#include "model/clock.h"

class PinnedClock {
public:
    explicit PinnedClock(CTime t) { Clock::Pin(t); }
    ~PinnedClock() { Clock::Unpin(); }
    PinnedClock(const PinnedClock &) = delete;
    PinnedClock &operator=(const PinnedClock &) = delete;
};
