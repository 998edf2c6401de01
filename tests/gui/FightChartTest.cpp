#include "ui/log/FightChart.h"

#include "ui/log/ChartColours.h"
#include "ui/log/RoundTicks.h"

#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <cmath>
#include <memory>
#include <vector>

namespace {

QPalette fusionLight() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QPalette darkPalette(QColor window, QColor base, QColor text) {
    QPalette palette(window, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Base, base);
    return palette;
}

int pixelsLike(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= 6 &&
                std::abs(pixel.green() - colour.green()) <= 6 &&
                std::abs(pixel.blue() - colour.blue()) <= 6) {
                ++count;
            }
        }
    }
    return count;
}

using Point = ui::FightChart::Point;
using Fight = std::vector<Point>;

// Round 0 and then rounds in which fighter 2's life points fall evenly from lifeFrom to lifeTo
// and fighter 1's endurance from enduranceFrom to enduranceTo; the other two values fall half
// as far.
Fight fight(std::int32_t rounds, std::int32_t lifeFrom, std::int32_t lifeTo,
            std::int32_t enduranceFrom, std::int32_t enduranceTo) {
    Fight points;
    for (std::int32_t round = 0; round <= rounds; ++round) {
        const auto at = [&](std::int32_t from, std::int32_t to) {
            return static_cast<std::int32_t>(from + std::int64_t{to - from} * round / rounds);
        };
        points.push_back({round, at(lifeFrom, (lifeFrom + lifeTo) / 2),
                          at(enduranceFrom, enduranceTo), at(lifeFrom, lifeTo),
                          at(enduranceFrom, (enduranceFrom + enduranceTo) / 2)});
    }
    return points;
}

std::vector<ui::ChartLabel> labelsOf(const ui::FightChartLayout& layout) {
    std::vector<ui::ChartLabel> labels = layout.valueLabels;
    labels.insert(labels.end(), layout.roundLabels.begin(), layout.roundLabels.end());
    for (const ui::ChartLegendEntry& entry : layout.legend) {
        labels.push_back(entry.label);
    }
    labels.push_back(layout.losingLabel);
    return labels;
}

// Whether the line, followed pixel by pixel, comes within its pen's reach of the rectangle.
bool passesThrough(const QPolygonF& line, const QRectF& rect) {
    const QRectF reach = rect.adjusted(-2, -2, 2, 2);
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QLineF segment(line[i - 1], line[i]);
        const int steps = std::max(1, static_cast<int>(segment.length()));
        for (int step = 0; step <= steps; ++step) {
            if (reach.contains(segment.pointAt(static_cast<double>(step) / steps))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class FightChartTest : public QObject {
    Q_OBJECT

private slots:
    void takingBackPointsShowsEachEarlierFightAgain() {
        // Far enough to thin the points out twice.
        ui::FightChart chart;
        std::vector<std::vector<ui::FightChart::Point>> shown{chart.points()};
        for (std::int32_t round = 0; round < 4 * 64 + 3; ++round) {
            chart.addPoint({round, 100 - round, 90 - round, 80 - round / 2, 70 - round / 3});
            shown.push_back(chart.points());
        }
        for (std::size_t added = shown.size() - 1; added > 0; --added) {
            chart.takeBackLastPoint();
            QCOMPARE(chart.points(), shown[added - 1]);
        }
    }

    void contrastMatchesPublishedRatios() {
        // Ratios as the contrast guidelines list them, to two decimals.
        const auto ratio = [](QRgb a, QRgb b) {
            return std::round(ui::contrastRatio(QColor(a), QColor(b)) * 100) / 100;
        };
        QCOMPARE(ratio(0x000000, 0xffffff), 21.0);
        QCOMPARE(ratio(0xffffff, 0x000000), 21.0);
        QCOMPARE(ratio(0x777777, 0x777777), 1.0);
        QCOMPARE(ratio(0x767676, 0xffffff), 4.54);
        QCOMPARE(ratio(0x0000ff, 0xffffff), 8.59);
        QCOMPARE(ratio(0xff0000, 0xffffff), 4.0);
    }

    void linesStandOutInEachPalette_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("Fusion light") << fusionLight();
        QTest::newRow("Fusion dark")
            << darkPalette(QColor(53, 53, 53), QColor(25, 25, 25), Qt::white);
        QTest::newRow("Adwaita dark")
            << darkPalette(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d), QColor(0xeeeeec));
    }

    void linesStandOutInEachPalette() {
        QFETCH(QPalette, palette);
        ui::FightChart chart;
        chart.setPalette(palette);
        chart.resize(360, 150);
        // Each fighter's life and endurance points equal in every round.
        for (std::int32_t round = 1; round <= 20; ++round) {
            chart.addPoint({round, 30 - round, 30 - round, 22 - round / 2, 22 - round / 2});
        }
        const QImage image = chart.grab().toImage();
        const QColor background = image.pixelColor(1, 1);
        QCOMPARE(background, chart.backgroundColour());
        const std::array<QColor, 4> lines = chart.lineColours();
        for (const QColor& line : lines) {
            QVERIFY2(ui::contrastRatio(line, background) >= 3.0, qPrintable(line.name()));
            // Drawn, and not hidden under another line.
            QVERIFY2(pixelsLike(image, line) >= 20, qPrintable(line.name()));
        }
        // A fighter's endurance line differs from his life line where the two coincide.
        QVERIFY(ui::contrastRatio(lines[0], lines[1]) >= 1.4);
        QVERIFY(ui::contrastRatio(lines[2], lines[3]) >= 1.4);
    }

    void chartStaysReadableForAnyValues_data() {
        QTest::addColumn<Fight>("points");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("pixelSize");
        const std::array<std::pair<const char*, Fight>, 6> fights{{
            {"standard", fight(8, 15, 2, 15, -3)},
            {"AP -40", fight(12, 15, 3, 15, -40)},
            {"AP -1005", fight(20, 15, 2, 15, -1005)},
            {"LP 500", fight(60, 500, 1, 500, -30)},
            {"AP far above LP", fight(10, 15, 2, 900, 800)},
            {"many rounds", fight(1500, 15, 2, 15, -200)},
        }};
        // Zero: the chart's smallest size. The window gives it about 480x140 at 1280x720.
        const std::array<std::array<int, 3>, 4> sizes{
            {{0, 0, 0}, {480, 140, 0}, {1000, 420, 0}, {0, 0, 20}}};
        for (const auto& [name, points] : fights) {
            for (const auto& [width, height, pixelSize] : sizes) {
                QTest::addRow("%s, %dx%d, %d px", name, width, height, pixelSize)
                    << points << width << height << pixelSize;
            }
        }
    }

    void chartStaysReadableForAnyValues() {
        QFETCH(Fight, points);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, pixelSize);
        ui::FightChart chart;
        if (pixelSize > 0) {
            QFont font = chart.font();
            font.setPixelSize(pixelSize);
            chart.setFont(font);
        }
        for (const Point& point : points) {
            chart.addPoint(point);
        }
        chart.resize(QSize(width, height).expandedTo(chart.minimumSizeHint()));
        const QImage image = chart.grab().toImage();
        if (qEnvironmentVariableIsSet("FIGHT_CHART_PICTURES")) {
            image.save(qEnvironmentVariable("FIGHT_CHART_PICTURES") + QLatin1Char('/') +
                       QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png"));
        }
        const ui::FightChartLayout layout = chart.layout();
        const QFontMetricsF metrics(chart.font());

        // Every label whole inside the chart, big enough for its text, and clear of the others.
        const std::vector<ui::ChartLabel> labels = labelsOf(layout);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const ui::ChartLabel& label = labels[i];
            QVERIFY2(QRectF(chart.rect()).contains(label.rect), qPrintable(label.text));
            QVERIFY2(metrics.horizontalAdvance(label.text) <= label.rect.width() &&
                         metrics.height() <= label.rect.height(),
                     qPrintable(label.text));
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
                QVERIFY2(!label.rect.intersects(labels[j].rect),
                         qPrintable(label.text + QStringLiteral(" / ") + labels[j].text));
            }
        }

        // At least four values, each at its height.
        QVERIFY(layout.valueLabels.size() >= 4);
        for (std::size_t i = 0; i < layout.valueLabels.size(); ++i) {
            const double value = layout.valueLabels[i].text.toDouble();
            QVERIFY(value >= layout.low && value <= layout.high);
            QCOMPARE_LE(std::abs(layout.valueLabels[i].rect.center().y() - layout.yOf(value)), 0.5);
            QCOMPARE(layout.valueTicks[i], layout.valueLabels[i].rect.center().y());
        }

        // The life points keep most of the height.
        std::int32_t lowestLife = points.front().life1;
        std::int32_t highestLife = lowestLife;
        std::int32_t lowestEndurance = points.front().endurance1;
        for (const Point& point : points) {
            for (const std::int32_t life : {point.life1, point.life2}) {
                lowestLife = std::min(lowestLife, life);
                highestLife = std::max(highestLife, life);
            }
            lowestEndurance = std::min({lowestEndurance, point.endurance1, point.endurance2});
        }
        QCOMPARE_GE((layout.yOf(lowestLife) - layout.yOf(highestLife)) / layout.plot.height(), 0.6);
        // Every line inside the plot; endurance beyond the scale at its edge, as the legend says.
        for (const QPolygonF& line : layout.lines) {
            QVERIFY(!line.isEmpty());
            for (const QPointF& at : line) {
                QVERIFY(layout.plot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(at));
            }
        }
        const bool noted = std::any_of(
            layout.legend.begin(), layout.legend.end(), [](const ui::ChartLegendEntry& entry) {
                return entry.series == ui::ChartLegendEntry::note &&
                       entry.label.text.contains(QStringLiteral("unteren Rand"));
            });
        QCOMPARE(noted, lowestEndurance < layout.low);
        if (noted) {
            QCOMPARE(layout.lines[1].boundingRect().bottom(), layout.plot.bottom());
        }

        // The losing mark's label touches its line, inside the plot or right of it, and no
        // line passes through it.
        const QRectF losing = layout.losingLabel.rect;
        QCOMPARE_LE(std::abs(layout.losingY - layout.yOf(3)), 0.01);
        QVERIFY(layout.plot.contains(losing) || losing.left() >= layout.plot.right());
        QVERIFY(losing.top() - 2 <= layout.losingY && layout.losingY <= losing.bottom() + 2);
        const std::array<QColor, 4> colours = chart.lineColours();
        for (std::size_t i = 0; i < layout.lines.size(); ++i) {
            QVERIFY2(!passesThrough(layout.lines[i], losing), qPrintable(colours[i].name()));
        }
    }

    void roundNumbersAreRoundAndFit() {
        using Ticks = std::vector<std::int64_t>;
        QCOMPARE(ui::roundTicks(1, 50, 6), (Ticks{10, 20, 30, 40, 50}));
        QCOMPARE(ui::roundTicks(1, 3000, 8), (Ticks{500, 1000, 1500, 2000, 2500, 3000}));
        QCOMPARE(ui::roundTicks(1, 7, 10), (Ticks{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(ui::roundTicks(4, 4, 5), (Ticks{4}));
        // Too narrow for any multiple of the step: still one number.
        QCOMPARE(ui::roundTicks(1, 3, 0), (Ticks{1}));
        // Round numbers near the 32-bit limit and below zero.
        const Ticks top = ui::roundTicks(2147483000, 2147483647, 4);
        QCOMPARE(top, (Ticks{2147483000, 2147483200, 2147483400, 2147483600}));
        QCOMPARE(ui::roundTicks(-2147483648LL, 2147483647, 3), (Ticks{-2000000000, 0, 2000000000}));
    }
};

QTEST_MAIN(FightChartTest)
#include "FightChartTest.moc"
