#pragma once

#include "engine/Round.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace ui {

// Both fighters' values after one round.
struct ChartPoint {
    std::int32_t round;
    std::int32_t life1;
    std::int32_t endurance1;
    std::int32_t life2;
    std::int32_t endurance2;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// One line of the chart: which value it shows and how it is told apart in the legend.
struct ChartSeries {
    std::int32_t ChartPoint::*value;
    bool life;
    const char* valueName; // "LP", "AP"
    std::size_t fighter;   // index into ChartLegendNames
};

// How the legend names each fighter after the value: "1" and "2" until names are typed.
using ChartLegendNames = std::array<QString, 2>;
const ChartLegendNames& numberedLegendNames();

// LP 1, AP 1, LP 2, AP 2.
extern const std::array<ChartSeries, 4> chartSeries;

// The rules' mark, at engine::lostAtLifePoints: "3 LP: verloren", or "3 LP" where the
// plot leaves no room for the whole.
QString losingMarkText();
QString losingMarkShortText();

struct ChartLabel {
    QRectF rect;
    QString text;
};

struct ChartLegendEntry {
    // Index into chartSeries, or none for a note without a line sample.
    static constexpr std::size_t note = chartSeries.size();
    std::size_t series;
    QLineF sample;
    ChartLabel label;
};

// Where everything of the chart goes for given points and size. The chart paints from it,
// so what a test reads here is what is drawn.
struct FightChartLayout {
    QRectF plot;
    // The value scale from the plot's bottom to its top. It holds the life points whole, 0
    // and the losing mark; endurance only as far as life points keep two thirds of the
    // height. Endurance beyond the scale is drawn at its edge, and the legend says so.
    double low = 0;
    double high = engine::lostAtLifePoints;
    double lifeLow = 0;
    double lifeHigh = engine::lostAtLifePoints;
    std::vector<ChartLabel> valueLabels;
    std::vector<double> valueTicks; // y of each value label's tick
    std::vector<ChartLabel> roundLabels;
    std::vector<double> roundTicks; // x of each round label's tick
    double losingY = 0;
    // Inside the plot where the fewest lines cross it; painted last, over a plain ground.
    ChartLabel losingLabel;
    std::vector<ChartLegendEntry> legend;
    // One polygon per entry of chartSeries, empty without points.
    std::array<QPolygonF, 4> lines;

    double yOf(double value) const;
};

FightChartLayout layOutFightChart(const std::vector<ChartPoint>& points, QSize size,
                                  const QFontMetricsF& metrics,
                                  const ChartLegendNames& names = numberedLegendNames());

// The smallest size in which the value axis gets four labels clear of each other and the
// legend with the notes these points need fits. It is measured with the numbered legend,
// so that typed names never change the window's layout; a long name takes a legend row
// from the plot or is shortened.
QSize minimumFightChartSize(const std::vector<ChartPoint>& points, const QFontMetricsF& metrics);

} // namespace ui
