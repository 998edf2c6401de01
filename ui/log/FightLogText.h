#pragma once

#include "FightSetup.h"
#include "engine/FightTally.h"
#include "engine/Round.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace ui {

// The German lines of the fight log, built from what a round computed and from what the
// fighters brought into it. Short enough to be read out to the players.
QString fightHeading(int fightNumber);
QString rematchHeading(int fightNumber);
// A fighter's line is headed by the name its setup gives it, with the panel's own name
// beside a typed one.
QString setupLine(engine::Fighter fighter, const FighterSetup& setup);
// A new name first, then what else the fighter brings into the round; empty when nothing
// has changed.
QStringList changeLines(const FighterSetup& before, const FighterSetup& now);
QStringList roundEntry(const engine::RoundReport& report, const FighterNames& names);
QStringList fightEndEntry(const engine::RoundReport& report, const engine::FightTally& tally,
                          const FighterNames& names);
// "Kämpfer 1, LP": how the log names a value row of the fighter of that name.
QString fighterValueName(const QString& name, std::size_t row);
// "Kämpfer 1, LP: 'zwölf' ist kein gültiger Integerwert." for a value row's label text.
QString failedValueText(const QString& name, std::size_t row, const QString& text);
QString failedRoundLine(int roundNumber, const QString& failure);
QString takenBackRoundLine(int roundNumber);
// The log's one line for the rounds first to last taken back in a row; furthest when no
// round before them can be taken back.
QString takenBackRoundsLine(int first, int last, bool furthest);
QString takeBackLimitText();
QString droppedFightsNote(int lastDroppedFight);
QString droppedRoundsNote(std::int64_t droppedRounds);

} // namespace ui
