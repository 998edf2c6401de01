#include "FightChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace ui {

namespace {

struct Series {
    std::int32_t FightChart::Point::*value;
    QColor colour;
    Qt::PenStyle style;
    const char* legend;
};

const std::array<Series, 4> series{{
    {&FightChart::Point::life1, QColor(30, 90, 200), Qt::SolidLine, "LP 1"},
    {&FightChart::Point::endurance1, QColor(30, 90, 200), Qt::DashLine, "AP 1"},
    {&FightChart::Point::life2, QColor(200, 40, 40), Qt::SolidLine, "LP 2"},
    {&FightChart::Point::endurance2, QColor(200, 40, 40), Qt::DashLine, "AP 2"},
}};

} // namespace

FightChart::FightChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FightChart"));
    setAccessibleName(QStringLiteral("Verlauf der Lebens- und Ausdauerpunkte"));
    setAccessibleDescription(
        QStringLiteral("Lebenspunkte (durchgezogen) und Ausdauerpunkte (gestrichelt) beider "
                       "Kämpfer nach jeder Runde des laufenden Kampfes"));
}

void FightChart::startNewFight() {
    m_points.clear();
    m_added = 0;
    m_stride = 1;
    m_lastStandsIn = false;
    update();
}

void FightChart::addPoint(const Point& point) {
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
    update();
}

void FightChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int legendHeight = metrics.height() + 4;
    const QRectF plot =
        QRectF(rect()).adjusted(metrics.horizontalAdvance("0000") + 6, 4, -6, -legendHeight - 4);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(plot);

    // Legend under the plot.
    int x = static_cast<int>(plot.left());
    for (const Series& line : series) {
        painter.setPen(QPen(line.colour, 2, line.style));
        const int y = height() - legendHeight / 2;
        painter.drawLine(x, y, x + 18, y);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(x + 22, height() - 4, QString::fromLatin1(line.legend));
        x += 26 + metrics.horizontalAdvance(QString::fromLatin1(line.legend)) + 10;
    }
    if (m_points.empty() || plot.width() <= 0 || plot.height() <= 0) {
        return;
    }

    // Values may be anything a user typed, so scale in double precision.
    double low = 0;
    double high = 1;
    for (const Point& point : m_points) {
        for (const Series& line : series) {
            low = std::min(low, static_cast<double>(point.*line.value));
            high = std::max(high, static_cast<double>(point.*line.value));
        }
    }
    const double firstRound = m_points.front().round;
    const double rounds = std::max(1.0, m_points.back().round - firstRound);
    const auto at = [&](const Point& point, std::int32_t value) {
        return QPointF(plot.left() + (point.round - firstRound) / rounds * plot.width(),
                       plot.bottom() - (value - low) / (high - low) * plot.height());
    };

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(0, plot.top(), plot.left() - 4, metrics.height()), Qt::AlignRight,
                     QString::number(static_cast<qint64>(high)));
    painter.drawText(QRectF(0, plot.bottom() - metrics.height(), plot.left() - 4, metrics.height()),
                     Qt::AlignRight, QString::number(static_cast<qint64>(low)));
    for (const Series& line : series) {
        QPainterPath path;
        path.moveTo(at(m_points.front(), m_points.front().*line.value));
        for (const Point& point : m_points) {
            path.lineTo(at(point, point.*line.value));
        }
        painter.setPen(QPen(line.colour, 2, line.style));
        painter.drawPath(path);
    }
}

} // namespace ui
