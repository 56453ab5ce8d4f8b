#pragma once
// The rows a paint laid out and what a tap on each selects. The drawing records them as it draws;
// the tap handling only searches them, so the two can never disagree.

#include "model/clock.h"
#include "view/surface.h"

#include <vector>

struct HitRow {
    enum Kind {
        Class,      // a class heading or class line: selects the class
        Reminder,   // selects the class and the reminder
        Date,       // a Dates view day heading: selects the day
        Instructor, // the Class detail's instructor line
        ClassLine,  // the Reminder detail's class line
        DateLine,   // the Reminder detail's date line
    };
    Kind kind = Class;
    Rect hit;         // where a tap hits it (right and bottom excluded)
    int markerY = -1; // the row's top, where the selection marker goes
    int classIndex = -1;
    int reminderIndex = -1;
    CTime date; // Date rows
};

struct ViewRows {
    std::vector<HitRow> rows;
    void clear() { rows.clear(); }
    void add(const HitRow &r) { rows.push_back(r); }
    // The first row whose rectangle holds the point, or nullptr.
    const HitRow *Find(int x, int y) const
    {
        for (const HitRow &r : rows)
            if (r.hit.contains(x, y))
                return &r;
        return nullptr;
    }
};
