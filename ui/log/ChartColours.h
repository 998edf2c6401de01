#pragma once

#include <QColor>

namespace ui {

// Contrast after the Web Content Accessibility Guidelines: relative luminance of an sRGB
// colour (0 black to 1 white), and the ratio of two luminances (1 to 21).
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& first, const QColor& second);

// The shade of the given hue and saturation (HSL, hue 0 to 359, saturation 0 to 1) that
// stands out from the background by at least minimumContrast and by little more: coming
// from white on a light background, from black on a dark one. So two targets give two
// shades that differ from each other too. Black or white when no shade gets there.
QColor colourAgainst(const QColor& background, int hue, double saturation, double minimumContrast);

} // namespace ui
