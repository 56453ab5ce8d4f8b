#include "model/gradechart.h"

namespace GradeChart {

namespace {

struct Row {
    const char *letter;
    double percent;
    double points;
};

template <size_t N> CGradeTypeArray Chart(const Row (&rows)[N])
{
    CGradeTypeArray chart;
    for (const Row &r : rows)
        chart.append(CGradeType(QString::fromLatin1(r.letter), r.points, r.percent));
    return chart;
}

constexpr Row kFour[] = {{"A", 90.0, 4.0}, {"B", 80.0, 3.0}, {"C", 70.0, 2.0}, {"D", 60.0, 1.0}};
constexpr Row kEight[] = {{"A", 92.5, 4.0},   {"A/B", 87.5, 3.5}, {"B", 82.5, 3.0},
                          {"B/C", 77.5, 2.5}, {"C", 72.5, 2.0},   {"C/D", 67.5, 1.5},
                          {"D", 62.5, 1.0}};
constexpr Row kTwelve[] = {{"A", 93.0, 4.0}, {"A-", 90.0, 3.67}, {"B+", 87.5, 3.33},
                           {"B", 82.5, 3.0}, {"B-", 80.0, 2.67}, {"C+", 77.5, 2.33},
                           {"C", 72.5, 2.0}, {"C-", 70.0, 1.67}, {"D+", 67.5, 1.33},
                           {"D", 62.5, 1.0}, {"D-", 60.0, 0.67}};

} // namespace

CGradeTypeArray PresetChart(Preset p)
{
    switch (p) {
    case Preset::FourPoint:
        return Chart(kFour);
    case Preset::EightPoint:
        return Chart(kEight);
    case Preset::TwelvePoint:
        return Chart(kTwelve);
    }
    return {};
}

int FirstOutOfOrder(const CGradeTypeArray &chart)
{
    for (int i = 1; i < chart.size(); ++i)
        if (chart[i].m_dMinPercent > chart[i - 1].m_dMinPercent)
            return i;
    return -1;
}

} // namespace GradeChart
