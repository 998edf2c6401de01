#include "ui/FightChart.h"

#include "ui/RoundTicks.h"

#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// WCAG 2 relative luminance, written out here as the check's own yardstick.
double luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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
            QVERIFY2(contrast(line, background) >= 3.0, qPrintable(line.name()));
            // Drawn, and not hidden under another line.
            QVERIFY2(pixelsLike(image, line) >= 20, qPrintable(line.name()));
        }
        // A fighter's endurance line differs from his life line where the two coincide.
        QVERIFY(contrast(lines[0], lines[1]) >= 1.4);
        QVERIFY(contrast(lines[2], lines[3]) >= 1.4);
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
