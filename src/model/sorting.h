#pragma once
// Orders of the class list.

#include "model/student.h"

#include <vector>

// Puts the classes in name order, case ignored; equal names keep their order.
void SortClassesByName(CStudent &student);

// Class order of the Day view for a weekday (1 Sunday ... 7 Saturday): classes meeting that day
// by their first period's start, then the rest, each group in list order. Indexes into the list.
std::vector<int> ClassesByPeriod(const CStudent &student, int weekday);
