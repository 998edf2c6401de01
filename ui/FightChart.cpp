#include "FightChart.h"

#include "ChartColours.h"
#include "RoundTicks.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ui {

namespace {

// Life points solid and broad, endurance points dashed, narrower and drawn on top in a shade
// of their own: where both are equal the dashes still show inside the life-points line.
// Each colour is chosen against the chart's background, so a dark palette gets light lines.
struct Series {
    std::int32_t FightChart::Point::*value;
    int hue;
    double saturation;
    double minimumContrast;
    Qt::PenStyle style;
    double width;
    const char* legend;
};

constexpr double lifeContrast = 6.0;
constexpr double enduranceContrast = 3.5;

const std::array<Series, 4> series{{
    {&FightChart::Point::life1, 215, 0.75, lifeContrast, Qt::SolidLine, 4, "LP 1"},
    {&FightChart::Point::endurance1, 190, 0.9, enduranceContrast, Qt::DashLine, 2, "AP 1"},
    {&FightChart::Point::life2, 0, 0.75, lifeContrast, Qt::SolidLine, 4, "LP 2"},
    {&FightChart::Point::endurance2, 30, 0.95, enduranceContrast, Qt::DashLine, 2, "AP 2"},
}};

// At this many life points or fewer a fighter has lost.
constexpr std::int32_t losingLifePoints = 3;

} // namespace

FightChart::FightChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FightChart"));
    setAccessibleName(QStringLiteral("Verlauf der Lebens- und Ausdauerpunkte"));
    setAccessibleDescription(QStringLiteral(
        "Lebenspunkte (durchgezogen) und Ausdauerpunkte (gestrichelt) beider Kämpfer nach "
        "jeder Runde des laufenden Kampfes, mit der Linie bei 3 Lebenspunkten, an der ein "
        "Kämpfer verloren hat"));
}

void FightChart::startNewFight() {
    m_fightPoints.clear();
    placeFightPoints();
}

void FightChart::addPoint(const Point& point) {
    m_fightPoints.push_back(point);
    place(point);
    update();
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
    update();
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
            series.begin(), series.end(), m_lineColours.begin(), [&](const Series& line) {
                return colourAgainst(background, line.hue, line.saturation, line.minimumContrast);
            });
        m_coloursBackground = background;
    }
    return m_lineColours;
}

void FightChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColour());
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::Text);
    const std::array<QColor, 4> colours = lineColours();
    const QFontMetrics metrics = fontMetrics();
    const int legendHeight = metrics.height() + 4;
    const int axisHeight = metrics.height() + 2;
    const QRectF plot = QRectF(rect()).adjusted(metrics.horizontalAdvance("0000") + 6, 4, -6,
                                                -legendHeight - axisHeight - 4);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(plot);

    // Legend under the plot.
    int x = static_cast<int>(plot.left());
    for (std::size_t i = 0; i < series.size(); ++i) {
        painter.setPen(QPen(colours[i], series[i].width, series[i].style));
        const int y = height() - legendHeight / 2;
        painter.drawLine(x, y, x + 18, y);
        painter.setPen(text);
        painter.drawText(x + 22, height() - 4, QString::fromLatin1(series[i].legend));
        x += 26 + metrics.horizontalAdvance(QString::fromLatin1(series[i].legend)) + 10;
    }
    if (m_points.empty() || plot.width() <= 0 || plot.height() <= 0) {
        return;
    }

    // Values may be anything a user typed, so scale in double precision. The losing line
    // is always inside the plot.
    double low = 0;
    double high = losingLifePoints;
    for (const Point& point : m_points) {
        for (const Series& line : series) {
            low = std::min(low, static_cast<double>(point.*line.value));
            high = std::max(high, static_cast<double>(point.*line.value));
        }
    }
    const double firstRound = m_points.front().round;
    const double rounds = std::max(1.0, m_points.back().round - firstRound);
    const auto xOf = [&](double round) {
        return plot.left() + (round - firstRound) / rounds * plot.width();
    };
    const auto yOf = [&](double value) {
        return plot.bottom() - (value - low) / (high - low) * plot.height();
    };

    painter.setPen(text);
    painter.drawText(QRectF(0, plot.top(), plot.left() - 4, metrics.height()), Qt::AlignRight,
                     QString::number(static_cast<qint64>(high)));
    painter.drawText(QRectF(0, plot.bottom() - metrics.height(), plot.left() - 4, metrics.height()),
                     Qt::AlignRight, QString::number(static_cast<qint64>(low)));

    // Round numbers under the plot, as many as fit side by side.
    const QString widestRound = QString::number(m_points.back().round);
    const int labelWidth = metrics.horizontalAdvance(widestRound) + 12;
    for (const std::int64_t round : roundTicks(m_points.front().round, m_points.back().round,
                                               static_cast<int>(plot.width()) / labelWidth)) {
        const double tickX = xOf(static_cast<double>(round));
        painter.drawLine(QPointF(tickX, plot.bottom()), QPointF(tickX, plot.bottom() + 3));
        // The last number may reach past the plot, never past the chart.
        const double labelLeft =
            std::clamp(tickX - labelWidth / 2.0, 0.0, std::max(0.0, width() - 1.0 * labelWidth));
        painter.drawText(QRectF(labelLeft, plot.bottom() + 2, labelWidth, metrics.height()),
                         Qt::AlignHCenter, QString::number(round));
    }

    // The losing line: at 3 life points or fewer the fight is over.
    const double losingY = yOf(losingLifePoints);
    painter.setPen(QPen(text, 1, Qt::DotLine));
    painter.drawLine(QPointF(plot.left(), losingY), QPointF(plot.right(), losingY));
    painter.drawText(
        QRectF(plot.left() + 4, losingY - metrics.height(), plot.width() - 8, metrics.height()),
        Qt::AlignRight | Qt::AlignBottom, QStringLiteral("3 LP: verloren"));

    // Every solid line first, so no life-points line covers an endurance line.
    for (const Qt::PenStyle style : {Qt::SolidLine, Qt::DashLine}) {
        for (std::size_t i = 0; i < series.size(); ++i) {
            if (series[i].style != style) {
                continue;
            }
            QPainterPath path;
            const auto at = [&](const Point& point) {
                return QPointF(xOf(point.round), yOf(point.*series[i].value));
            };
            path.moveTo(at(m_points.front()));
            for (const Point& point : m_points) {
                path.lineTo(at(point));
            }
            painter.setPen(QPen(colours[i], series[i].width, style));
            painter.drawPath(path);
        }
    }
}

} // namespace ui
