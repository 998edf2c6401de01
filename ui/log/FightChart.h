#pragma once

#include "FightChartLayout.h"
#include "FightRecord.h"
#include "ui/panels/FighterTexts.h"

#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

namespace ui {

// Both fighters' life and endurance points over the rounds of the current fight.
class FightChart : public QWidget, public FightRecordView {
    Q_OBJECT
public:
    using Point = ChartPoint;

    // A long fight is drawn from at most this many evenly spaced points and the latest
    // round, so that drawing it costs no more than drawing a short one.
    static constexpr std::size_t maximumPoints = 64;

    explicit FightChart(QWidget* parent = nullptr);

    // A resolved round adds its point, the first one of the fight also the point it started
    // from; a taken-back round takes them away again.
    void roundRecorded(const RecordedRound& round, const engine::FightTally& tally) override;
    void roundTakenBack(const RecordedRound& round, bool furthest) override;
    void fightStarted(bool rematch) override;

    void startNewFight();
    void addPoint(const Point& point);
    // Shows the fight as it was before the latest point was added.
    void takeBackLastPoint();
    const std::vector<Point>& points() const { return m_points; }
    // The legend names the fighters by these, by number while they have none of their own.
    void setFighterNames(const FighterNames& names);

    // The colours of the current palette: the plot's background, and the lines of LP 1,
    // AP 1, LP 2 and AP 2 chosen to stand out from it.
    QColor backgroundColour() const;
    std::array<QColor, 4> lineColours() const;

    // Where the chart paints everything at its current size.
    FightChartLayout layout() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Adds a point to those drawn, thinning them out where they grow beyond the maximum.
    void place(const Point& point);
    void placeFightPoints();
    // Asks for more room when the points need another note in the legend.
    void pointsChanged();

    std::vector<Point> m_points;
    // Every point of this fight, so that taking one back can bring back those it thinned out.
    std::vector<Point> m_fightPoints;
    mutable QColor m_coloursBackground; // invalid until the first look-up
    mutable std::array<QColor, 4> m_lineColours;
    // Of the points added in this fight, every m_stride-th is kept; the last point stands
    // in for the latest round until the next point replaces it.
    std::size_t m_added = 0;
    std::size_t m_stride = 1;
    bool m_lastStandsIn = false;
    QSize m_minimumSize;
    ChartLegendNames m_legendNames = numberedLegendNames();
};

} // namespace ui
