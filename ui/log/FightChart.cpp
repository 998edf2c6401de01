#include "FightChart.h"

#include "ChartColours.h"
#include "engine/Arithmetic.h"

#include <QPainter>
#include <algorithm>

namespace ui {

namespace {

// Life points solid and broad, endurance points dashed, narrower and drawn on top in a shade
// of their own: where both are equal the dashes still show inside the life-points line.
// Each colour is chosen against the chart's background, so a dark palette gets light lines.
struct SeriesLook {
    int hue;
    double saturation;
    double minimumContrast;
    Qt::PenStyle style;
    double width;
};

constexpr double lifeContrast = 6.0;
constexpr double enduranceContrast = 3.5;

// In the order of chartSeries.
constexpr std::array<SeriesLook, 4> looks{{
    {215, 0.75, lifeContrast, Qt::SolidLine, 4},
    {190, 0.9, enduranceContrast, Qt::DashLine, 2},
    {0, 0.75, lifeContrast, Qt::SolidLine, 4},
    {30, 0.95, enduranceContrast, Qt::DashLine, 2},
}};

} // namespace

FightChart::FightChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FightChart"));
    setAccessibleName(QStringLiteral("Verlauf der Lebens- und Ausdauerpunkte"));
    setAccessibleDescription(QStringLiteral(
        "Lebenspunkte (durchgezogen) und Ausdauerpunkte (gestrichelt) beider Kämpfer nach "
        "jeder Runde des laufenden Kampfes, mit der Linie bei 3 Lebenspunkten, an der ein "
        "Kämpfer verloren hat. Ausdauerpunkte außerhalb der Skala liegen an ihrem Rand"));
}

void FightChart::roundRecorded(const RecordedRound& round, const engine::FightTally&) {
    if (!round.report) {
        return;
    }
    const engine::RoundReport& report = *round.report;
    const auto& f1 = report.fighters[0];
    const auto& f2 = report.fighters[1];
    if (m_fightPoints.empty()) {
        // The fight starts where the first round's losses were taken from.
        using engine::wrappingAdd;
        addPoint({wrappingAdd(report.roundNumber, -1),
                  wrappingAdd(f1.lifePoints, report.attackBy[1].lifeLost),
                  wrappingAdd(f1.endurancePoints, report.attackBy[1].enduranceLost),
                  wrappingAdd(f2.lifePoints, report.attackBy[0].lifeLost),
                  wrappingAdd(f2.endurancePoints, report.attackBy[0].enduranceLost)});
    }
    addPoint(
        {report.roundNumber, f1.lifePoints, f1.endurancePoints, f2.lifePoints, f2.endurancePoints});
}

void FightChart::roundTakenBack(const RecordedRound& round, bool) {
    if (!round.report || m_fightPoints.empty()) {
        return;
    }
    m_fightPoints.pop_back();
    if (m_fightPoints.size() == 1) {
        // Only the point the fight started from is left, which no round follows.
        m_fightPoints.clear();
    }
    placeFightPoints();
}

void FightChart::fightStarted(bool) {
    startNewFight();
}

void FightChart::startNewFight() {
    m_fightPoints.clear();
    placeFightPoints();
}

void FightChart::addPoint(const Point& point) {
    m_fightPoints.push_back(point);
    place(point);
    pointsChanged();
}

void FightChart::takeBackLastPoint() {
    if (m_fightPoints.empty()) {
        return;
    }
    m_fightPoints.pop_back();
    // Thinning is not undone point by point; placing the rest again is cheap beside a round.
    placeFightPoints();
}

void FightChart::placeFightPoints() {
    m_points.clear();
    m_added = 0;
    m_stride = 1;
    m_lastStandsIn = false;
    for (const Point& point : m_fightPoints) {
        place(point);
    }
    pointsChanged();
}

void FightChart::setFighterNames(const FighterNames& names) {
    ChartLegendNames legendNames = numberedLegendNames();
    for (const engine::Fighter fighter : engine::bothFighters) {
        const std::size_t index = engine::indexOf(fighter);
        if (names[index] != fighterText(fighter)) {
            legendNames[index] = names[index];
        }
    }
    if (legendNames != m_legendNames) {
        m_legendNames = legendNames;
        pointsChanged();
    }
}

void FightChart::pointsChanged() {
    const QSize minimum = minimumSizeHint();
    if (minimum != m_minimumSize) {
        m_minimumSize = minimum;
        updateGeometry();
    }
    update();
}

FightChartLayout FightChart::layout() const {
    return layOutFightChart(m_points, size(), QFontMetricsF(font()), m_legendNames);
}

QSize FightChart::sizeHint() const {
    return minimumSizeHint().expandedTo({360, 150});
}

QSize FightChart::minimumSizeHint() const {
    return minimumFightChartSize(m_points, QFontMetricsF(font()));
}

void FightChart::place(const Point& point) {
    if (m_lastStandsIn) {
        m_points.pop_back();
    }
    const std::size_t added = m_added++;
    m_points.push_back(point);
    m_lastStandsIn = added % m_stride != 0;
    if (!m_lastStandsIn && m_points.size() > maximumPoints) {
        // Keep every second point from the fight's first on, and the latest; from here on
        // take half as many.
        const Point latest = m_points.back();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_points.size(); i += 2) {
            m_points[kept++] = m_points[i];
        }
        m_points.resize(kept);
        m_stride *= 2;
        m_lastStandsIn = added % m_stride != 0;
        if (m_lastStandsIn) {
            m_points.push_back(latest);
        }
    }
}

QColor FightChart::backgroundColour() const {
    return palette().color(QPalette::Base);
}

std::array<QColor, 4> FightChart::lineColours() const {
    // The search runs through up to a hundred shades per line, so it runs once per
    // background rather than on every repaint.
    const QColor background = backgroundColour();
    if (background != m_coloursBackground) {
        std::transform(
            looks.begin(), looks.end(), m_lineColours.begin(), [&](const SeriesLook& line) {
                return colourAgainst(background, line.hue, line.saturation, line.minimumContrast);
            });
        m_coloursBackground = background;
    }
    return m_lineColours;
}

void FightChart::paintEvent(QPaintEvent*) {
    const FightChartLayout chart = layout();
    QPainter painter(this);
    const QColor background = backgroundColour();
    painter.fillRect(rect(), background);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::Text);
    const std::array<QColor, 4> colours = lineColours();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(chart.plot);

    for (const ChartLegendEntry& entry : chart.legend) {
        if (entry.series != ChartLegendEntry::note) {
            const SeriesLook& look = looks[entry.series];
            painter.setPen(QPen(colours[entry.series], look.width, look.style));
            painter.drawLine(entry.sample);
        }
        painter.setPen(text);
        painter.drawText(entry.label.rect, Qt::AlignLeft | Qt::AlignVCenter, entry.label.text);
    }
    if (m_points.empty() || chart.plot.width() <= 0 || chart.plot.height() <= 0) {
        return;
    }

    painter.setPen(text);
    for (std::size_t i = 0; i < chart.valueLabels.size(); ++i) {
        const double y = chart.valueTicks[i];
        painter.drawLine(QPointF(chart.plot.left() - 3, y), QPointF(chart.plot.left(), y));
        painter.drawText(chart.valueLabels[i].rect, Qt::AlignRight | Qt::AlignVCenter,
                         chart.valueLabels[i].text);
    }
    for (std::size_t i = 0; i < chart.roundLabels.size(); ++i) {
        const double x = chart.roundTicks[i];
        painter.drawLine(QPointF(x, chart.plot.bottom()), QPointF(x, chart.plot.bottom() + 3));
        painter.drawText(chart.roundLabels[i].rect, Qt::AlignHCenter | Qt::AlignTop,
                         chart.roundLabels[i].text);
    }

    // Every solid line first, so no life-points line covers an endurance line.
    for (const Qt::PenStyle style : {Qt::SolidLine, Qt::DashLine}) {
        for (std::size_t i = 0; i < looks.size(); ++i) {
            if (looks[i].style == style) {
                painter.setPen(QPen(colours[i], looks[i].width, style));
                painter.drawPolyline(chart.lines[i]);
            }
        }
    }

    // The losing mark over the lines: at 3 life points or fewer the fight is over.
    painter.setPen(QPen(text, 1, Qt::DotLine));
    painter.drawLine(QPointF(chart.plot.left(), chart.losingY),
                     QPointF(chart.plot.right(), chart.losingY));
    painter.fillRect(chart.losingLabel.rect, background);
    painter.setPen(text);
    painter.drawText(chart.losingLabel.rect, Qt::AlignCenter, chart.losingLabel.text);
}

} // namespace ui
