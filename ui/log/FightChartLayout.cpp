#include "FightChartLayout.h"

#include "RoundTicks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

const std::array<ChartSeries, 4> chartSeries{{
    {&ChartPoint::life1, true, "LP", 0},
    {&ChartPoint::endurance1, false, "AP", 0},
    {&ChartPoint::life2, true, "LP", 1},
    {&ChartPoint::endurance2, false, "AP", 1},
}};

const ChartLegendNames& numberedLegendNames() {
    static const ChartLegendNames names{QStringLiteral("1"), QStringLiteral("2")};
    return names;
}

QString losingMarkShortText() {
    return QStringLiteral("%1 LP").arg(engine::lostAtLifePoints);
}

QString losingMarkText() {
    return losingMarkShortText() + QStringLiteral(": verloren");
}

namespace {

constexpr double margin = 3;
constexpr double sampleLength = 16;
constexpr double sampleGap = 4;
constexpr double entryGap = 12;
constexpr double tickLength = 3;
// The broadest pen of a line, halved, and a pixel for antialiasing.
constexpr double lineReach = 3;
constexpr int minimumWidth = 200;

double rowHeight(const QFontMetricsF& metrics) {
    return std::ceil(metrics.height()) + 4;
}

std::int64_t roundUpToThree(std::int64_t value) {
    return (value + 2) / 3 * 3;
}

// The value scale for the given points, all integers, its span a multiple of three so that
// four evenly spaced whole numbers always label it.
struct Scale {
    std::int64_t lifeLow = 0;
    std::int64_t lifeHigh = engine::lostAtLifePoints;
    std::int64_t low = 0;
    std::int64_t high = engine::lostAtLifePoints;
    std::int64_t enduranceLow = 0;
    std::int64_t enduranceHigh = 0;
};

Scale scaleOf(const std::vector<ChartPoint>& points) {
    Scale scale;
    std::int64_t enduranceLow = 0;
    std::int64_t enduranceHigh = 0;
    bool anyEndurance = false;
    for (const ChartPoint& point : points) {
        for (const ChartSeries& line : chartSeries) {
            const std::int64_t value = point.*line.value;
            if (line.life) {
                scale.lifeLow = std::min(scale.lifeLow, value);
                scale.lifeHigh = std::max(scale.lifeHigh, value);
            } else {
                enduranceLow = anyEndurance ? std::min(enduranceLow, value) : value;
                enduranceHigh = anyEndurance ? std::max(enduranceHigh, value) : value;
                anyEndurance = true;
            }
        }
    }
    const std::int64_t lifeSpan = scale.lifeHigh - scale.lifeLow;
    const std::int64_t padded = roundUpToThree(lifeSpan);
    scale.low = scale.lifeLow;
    scale.high = scale.lifeLow + padded;
    if (anyEndurance) {
        // Endurance may widen the scale by a quarter of the life points' span at most.
        const std::int64_t allowance =
            std::max<std::int64_t>(0, (lifeSpan + lifeSpan / 4) / 3 * 3 - padded);
        const std::int64_t below = std::max<std::int64_t>(0, scale.low - enduranceLow);
        const std::int64_t above = std::max<std::int64_t>(0, enduranceHigh - scale.high);
        const std::int64_t widening = std::min(allowance, roundUpToThree(below + above));
        const std::int64_t up = std::min(above, widening / 2);
        const std::int64_t down = std::min(below, widening - up);
        scale.low -= down;
        scale.high += widening - down;
        scale.enduranceLow = enduranceLow;
        scale.enduranceHigh = enduranceHigh;
    }
    return scale;
}

std::vector<QString> notesOf(const Scale& scale) {
    std::vector<QString> notes;
    if (scale.enduranceLow < scale.low) {
        notes.push_back(QStringLiteral("AP unter %1: am unteren Rand").arg(scale.low));
    }
    if (scale.enduranceHigh > scale.high) {
        notes.push_back(QStringLiteral("AP über %1: am oberen Rand").arg(scale.high));
    }
    return notes;
}

// Lays the legend out in rows from the top of its area at y 0; returns the number of rows.
int layOutLegend(std::vector<ChartLegendEntry>& legend, const ChartLegendNames& names,
                 const std::vector<QString>& notes, double width, const QFontMetricsF& metrics) {
    const double row = rowHeight(metrics);
    const double textHeight = std::ceil(metrics.height());
    double x = margin;
    int rows = 1;
    const auto place = [&](std::size_t series, const QString& fullText) {
        const bool sampled = series != ChartLegendEntry::note;
        // A long name is shortened to the chart's width rather than cut off at its edge.
        const double room = width - 2 * margin - (sampled ? sampleLength + sampleGap : 0) - 2;
        const QString text = metrics.elidedText(fullText, Qt::ElideRight, std::max(0.0, room));
        const double textWidth = std::ceil(metrics.horizontalAdvance(text)) + 2;
        const double entryWidth = (sampled ? sampleLength + sampleGap : 0) + textWidth;
        if (x > margin && x + entryWidth > width - margin) {
            x = margin;
            ++rows;
        }
        const double top = (rows - 1) * row + 2;
        const double middle = top + textHeight / 2;
        ChartLegendEntry entry{series, QLineF(), {}};
        if (sampled) {
            entry.sample = QLineF(x, middle, x + sampleLength, middle);
            x += sampleLength + sampleGap;
        }
        entry.label = {QRectF(x, top, textWidth, textHeight), text};
        x += textWidth + entryGap;
        legend.push_back(entry);
    };
    for (std::size_t i = 0; i < chartSeries.size(); ++i) {
        place(i, QStringLiteral("%1 %2").arg(QString::fromLatin1(chartSeries[i].valueName),
                                             names[chartSeries[i].fighter]));
    }
    for (const QString& note : notes) {
        place(ChartLegendEntry::note, note);
    }
    return rows;
}

// Whole numbers to label the value axis, at least four, at least a line apart where the
// plot is high enough: the multiples of a step of 1, 2 or 5 times a power of ten, the scale
// raised to the next multiple where that keeps the life points two thirds of the height,
// or else the scale's ends and its thirds.
std::vector<std::int64_t> valueTicks(Scale& scale, double plotHeight, double lineHeight) {
    const auto apart = [&](std::int64_t step, std::int64_t high) {
        return static_cast<double>(step) / static_cast<double>(high - scale.low) * plotHeight >=
               lineHeight;
    };
    for (std::int64_t decade = 1; decade <= std::numeric_limits<std::int64_t>::max() / 50;
         decade *= 10) {
        for (const std::int64_t step : {decade, 2 * decade, 5 * decade}) {
            if (!apart(step, scale.high)) {
                continue;
            }
            const std::int64_t first =
                scale.low >= 0 ? (scale.low + step - 1) / step * step : scale.low / step * step;
            std::vector<std::int64_t> ticks;
            for (std::int64_t tick = first; tick <= scale.high; tick += step) {
                ticks.push_back(tick);
            }
            const std::int64_t raised = first + 3 * step;
            if (ticks.size() < 4 && apart(step, raised) &&
                3 * (scale.lifeHigh - scale.lifeLow) >= 2 * (raised - scale.low)) {
                scale.high = raised;
                while (ticks.size() < 4) {
                    ticks.push_back(ticks.back() + step);
                }
            }
            if (ticks.size() >= 4) {
                return ticks;
            }
            const std::int64_t third = (scale.high - scale.low) / 3;
            return {scale.low, scale.low + third, scale.low + 2 * third, scale.high};
        }
    }
    const std::int64_t third = (scale.high - scale.low) / 3;
    return {scale.low, scale.low + third, scale.low + 2 * third, scale.high};
}

bool crosses(const QPolygonF& line, const QRectF& rect) {
    const QRectF reach = rect.adjusted(-lineReach, -lineReach, lineReach, lineReach);
    const std::array<QLineF, 4> edges{QLineF(reach.topLeft(), reach.topRight()),
                                      QLineF(reach.topRight(), reach.bottomRight()),
                                      QLineF(reach.bottomRight(), reach.bottomLeft()),
                                      QLineF(reach.bottomLeft(), reach.topLeft())};
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (reach.contains(line[i])) {
            return true;
        }
        if (i == 0) {
            continue;
        }
        const QLineF segment(line[i - 1], line[i]);
        for (const QLineF& edge : edges) {
            if (segment.intersects(edge, nullptr) == QLineF::BoundedIntersection) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

double FightChartLayout::yOf(double value) const {
    const double y = plot.bottom() - (value - low) / (high - low) * plot.height();
    return std::clamp(y, plot.top(), plot.bottom());
}

namespace {

// With markBeside, the losing mark's label goes right of the plot rather than into it.
FightChartLayout layOut(const std::vector<ChartPoint>& points, QSize size,
                        const QFontMetricsF& metrics, const ChartLegendNames& names,
                        bool markBeside) {
    FightChartLayout layout;
    Scale scale = scaleOf(points);
    const double lineHeight = std::ceil(metrics.height());
    const double width = size.width();

    // Raising the scale for its labels can only take a note away, so the legend's rows
    // for the notes before leave room for those after.
    const int rows = layOutLegend(layout.legend, names, notesOf(scale), width, metrics);
    const double legendTop = size.height() - rows * rowHeight(metrics);

    // The top label reaches half a line above the plot, the bottom one half a line into
    // the round numbers' row, left of where they start.
    const double top = std::ceil(lineHeight / 2) + 1;
    const double bottom = legendTop - tickLength - lineHeight - 2;
    const double plotHeight = std::max(0.0, bottom - top);
    const std::vector<std::int64_t> ticks = valueTicks(scale, plotHeight, lineHeight);
    layout.low = static_cast<double>(scale.low);
    layout.high = static_cast<double>(scale.high);
    layout.lifeLow = static_cast<double>(scale.lifeLow);
    layout.lifeHigh = static_cast<double>(scale.lifeHigh);
    layout.legend.clear();
    layOutLegend(layout.legend, names, notesOf(scale), width, metrics);
    for (ChartLegendEntry& entry : layout.legend) {
        entry.sample.translate(0, legendTop);
        entry.label.rect.translate(0, legendTop);
    }
    double labelsWidth = 0;
    for (const std::int64_t tick : ticks) {
        labelsWidth = std::max(labelsWidth, metrics.horizontalAdvance(QString::number(tick)));
    }
    const double left = std::ceil(labelsWidth) + 2 * margin + tickLength;
    const QString besideText = losingMarkShortText();
    const double besideWidth = std::ceil(metrics.horizontalAdvance(besideText)) + 2;
    const double right = markBeside ? besideWidth + 2 * margin : 2 * margin;
    layout.plot = QRectF(left, top, std::max(0.0, width - left - right), plotHeight);
    const QRectF& plot = layout.plot;
    for (const std::int64_t tick : ticks) {
        const double y = plot.bottom() - static_cast<double>(tick - scale.low) /
                                             static_cast<double>(scale.high - scale.low) *
                                             plot.height();
        layout.valueTicks.push_back(y);
        layout.valueLabels.push_back(
            {QRectF(0, y - lineHeight / 2, left - margin - tickLength, lineHeight),
             QString::number(tick)});
    }

    layout.losingY = layout.yOf(engine::lostAtLifePoints);
    const QString losingText = losingMarkText();
    const QSizeF losingSize(std::ceil(metrics.horizontalAdvance(losingText)) + 6, lineHeight);
    layout.losingLabel = {QRectF(QPointF(plot.right() - margin - losingSize.width(),
                                         layout.losingY - 1 - losingSize.height()),
                                 losingSize),
                          losingText};
    if (points.empty()) {
        return layout;
    }

    const double firstRound = points.front().round;
    const double rounds = std::max(1.0, points.back().round - firstRound);
    const auto xOf = [&](double round) {
        return plot.left() + (round - firstRound) / rounds * plot.width();
    };
    for (std::size_t i = 0; i < chartSeries.size(); ++i) {
        for (const ChartPoint& point : points) {
            layout.lines[i] << QPointF(xOf(point.round), layout.yOf(point.*chartSeries[i].value));
        }
    }

    // Round numbers under the plot, as many as fit side by side, none left of the plot.
    const double slot = metrics.horizontalAdvance(QString::number(points.back().round)) + 12;
    double previousRight = -std::numeric_limits<double>::infinity();
    for (const std::int64_t round : roundTicks(points.front().round, points.back().round,
                                               static_cast<int>(plot.width() / slot))) {
        const QString text = QString::number(round);
        const double x = xOf(static_cast<double>(round));
        const double labelWidth = std::ceil(metrics.horizontalAdvance(text)) + 4;
        const double labelLeft =
            std::clamp(x - labelWidth / 2, plot.left() - 1, std::max(0.0, width - labelWidth));
        if (labelLeft < previousRight + 4) {
            continue;
        }
        previousRight = labelLeft + labelWidth;
        layout.roundTicks.push_back(x);
        layout.roundLabels.push_back(
            {QRectF(labelLeft, plot.bottom() + tickLength, labelWidth, lineHeight), text});
    }

    // The losing mark's label goes just above or below its line where no line crosses it,
    // the right end first, where a fight's end usually is not; in a narrow chart, where
    // the whole text would be crossed, shortened. Painted over the lines all the same.
    const QRectF inside = plot.adjusted(1, 1, -1, -1);
    const auto crossings = [&](const QRectF& rect) {
        return std::count_if(layout.lines.begin(), layout.lines.end(),
                             [&](const QPolygonF& line) { return crosses(line, rect); });
    };
    constexpr int places = 8;
    std::ptrdiff_t fewest = std::numeric_limits<std::ptrdiff_t>::max();
    for (const QString& text : {losingText, besideText}) {
        const QSizeF labelSize(std::ceil(metrics.horizontalAdvance(text)) + 6, lineHeight);
        for (const double y : {layout.losingY - 1 - labelSize.height(), layout.losingY + 1}) {
            for (int place = 0; place <= places; ++place) {
                const double x = plot.right() - margin - labelSize.width() -
                                 place * (plot.width() - 2 * margin - labelSize.width()) / places;
                const QRectF candidate(QPointF(x, y), labelSize);
                if (!inside.contains(candidate)) {
                    continue;
                }
                // A crossed whole text counts worse than a clear short one.
                const std::ptrdiff_t score =
                    2 * crossings(candidate) + (text == losingText ? 0 : 1);
                if (score < fewest) {
                    fewest = score;
                    layout.losingLabel = {candidate, text};
                }
            }
        }
    }
    if (fewest == std::numeric_limits<std::ptrdiff_t>::max()) {
        layout.losingLabel.rect.moveTop(std::max(plot.top(), layout.losingY - lineHeight));
    }
    if (markBeside) {
        const double labelTop = std::clamp(layout.losingY - lineHeight / 2, 0.0,
                                           plot.bottom() + tickLength - lineHeight);
        layout.losingLabel = {QRectF(plot.right() + margin, labelTop, besideWidth, lineHeight),
                              besideText};
    } else if (fewest >= 2) {
        layout.losingLabel.text.clear(); // crossed: the caller lays out again with it beside
    }
    return layout;
}

} // namespace

FightChartLayout layOutFightChart(const std::vector<ChartPoint>& points, QSize size,
                                  const QFontMetricsF& metrics, const ChartLegendNames& names) {
    // Inside the plot where a place is clear of every line, else beside it.
    FightChartLayout layout = layOut(points, size, metrics, names, false);
    return layout.losingLabel.text.isEmpty() ? layOut(points, size, metrics, names, true) : layout;
}

QSize minimumFightChartSize(const std::vector<ChartPoint>& points, const QFontMetricsF& metrics) {
    const std::vector<QString> notes = notesOf(scaleOf(points));
    double widest = metrics.horizontalAdvance(losingMarkText()) + 80;
    for (const QString& note : notes) {
        widest = std::max(widest, metrics.horizontalAdvance(note) + 2 * margin + 2);
    }
    const int width = std::max(minimumWidth, static_cast<int>(std::ceil(widest)));
    std::vector<ChartLegendEntry> legend;
    const int rows = layOutLegend(legend, numberedLegendNames(), notes, width, metrics);
    const double lineHeight = std::ceil(metrics.height());
    const double height = std::ceil(lineHeight / 2) + 1 + 3 * lineHeight + tickLength + lineHeight +
                          2 + rows * rowHeight(metrics) + 1;
    return {width, static_cast<int>(std::ceil(height))};
}

} // namespace ui
