#pragma once
// The ready-made grade charts and the order a chart must keep (highest range first).

#include "model/gradetype.h"

namespace GradeChart {

enum class Preset { FourPoint, EightPoint, TwelvePoint };

CGradeTypeArray PresetChart(Preset p);

// The first row whose percentage is above the row before it, -1 when the chart is in order.
// Equal percentages are in order.
int FirstOutOfOrder(const CGradeTypeArray &chart);

} // namespace GradeChart
