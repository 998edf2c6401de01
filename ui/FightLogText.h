#pragma once

#include "engine/Round.h"

#include <QString>
#include <QStringList>

namespace ui {

// The German lines of the fight log, built from what a round computed.
QStringList roundEntry(const engine::RoundReport& report);
QString fightHeading(int fightNumber);
QString failedRoundLine(int roundNumber, const QString& message);

} // namespace ui
