#include "ChartColours.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

double linearChannel(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// Where black and white stand out equally: above it, darker shades contrast more.
constexpr double balancedLuminance = 0.179;
constexpr double lightnessStep = 0.01;

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor colourAgainst(const QColor& background, int hue, double saturation, double minimumContrast) {
    const bool darker = relativeLuminance(background) > balancedLuminance;
    for (double lightness = darker ? 1 : 0; lightness >= 0 && lightness <= 1;
         lightness += darker ? -lightnessStep : lightnessStep) {
        // Compared as drawn: an 8-bit colour, not the exact shade.
        const QColor candidate = QColor::fromHslF(hue / 360.0, saturation, lightness).toRgb();
        if (contrastRatio(candidate, background) >= minimumContrast) {
            return candidate;
        }
    }
    return darker ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace ui
