#pragma once

#include "engine/FightForecast.h"
#include "ui/panels/FighterTexts.h"

#include <QString>

namespace ui {

// The line under the event panel: "Prognose: Kämpfer 1 gewinnt 46,7 %, Kämpfer 2 46,7 %,
// beide fallen 6,6 %, im Mittel 7,6 Runden", or why there is no such forecast. A value
// that cannot be read is named as the log names it for a failed round.
QString forecastText(const engine::FightForecast& forecast, const FighterNames& names);

// Once a fighter has lost, there is nothing left to forecast.
QString decidedFightText();

} // namespace ui
