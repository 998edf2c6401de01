#pragma once

#include "FightSetup.h"
#include "engine/FightTally.h"
#include "engine/Round.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace ui {

// The German lines of the fight log, built from what a round computed and from what the
// fighters brought into it. Short enough to be read out to the players.
QString fightHeading(int fightNumber);
QString rematchHeading(int fightNumber);
QString setupLine(engine::Fighter fighter, const FighterSetup& setup);
// None when nothing the fighter brings into the round has changed.
std::optional<QString> changeLine(engine::Fighter fighter, const FighterSetup& before,
                                  const FighterSetup& now);
QStringList roundEntry(const engine::RoundReport& report);
QStringList fightEndEntry(const engine::RoundReport& report, const engine::FightTally& tally);
// "Kämpfer 1, LP": how the log names a value row of a fighter.
QString fighterValueName(engine::Fighter fighter, std::size_t row);
// "Kämpfer 1, LP: 'zwölf' ist kein gültiger Integerwert." for a value row's label text.
QString failedValueText(engine::Fighter fighter, std::size_t row, const QString& text);
QString failedRoundLine(int roundNumber, const QString& failure);
QString takenBackRoundLine(int roundNumber);
// The log's one line for the rounds first to last taken back in a row; furthest when no
// round before them can be taken back.
QString takenBackRoundsLine(int first, int last, bool furthest);
QString takeBackLimitText();
QString droppedFightsNote(int lastDroppedFight);
QString droppedRoundsNote(std::int64_t droppedRounds);

} // namespace ui
