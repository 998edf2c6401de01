#include "FightRecord.h"

#include "toolkit/core/IntegerText.h"
#include "toolkit/gui/QtText.h"

namespace ui {

void FightRecord::addView(FightRecordView& view) {
    m_views.push_back(&view);
}

void FightRecord::startRound(const engine::CombatState& state, const engine::DiceGenerator& dice,
                             const engine::RoundWindow& window, const FightSetup& read) {
    RecordedRound round;
    round.read = read;
    round.expected = m_expected.value_or(read);
    round.tallyBefore = m_tally;
    m_rounds.startRound(state, dice, window, std::move(round));
    m_expected = read;
}

void FightRecord::finish(const engine::CombatState& state, const engine::RoundWindow& window) {
    m_rounds.finishRound(state, window);
    RecordedRound& round = m_rounds.latestNote();
    round.roundNumber = state.roundNumber;
    for (FightRecordView* view : m_views) {
        view->roundRecorded(round, m_tally);
    }
}

void FightRecord::finishRound(const engine::CombatState& state, const engine::RoundWindow& window,
                              const engine::RoundReport& report) {
    m_rounds.latestNote().report = report;
    m_tally.add(report);
    for (const engine::Fighter fighter : engine::bothFighters) {
        // The round rewrote these labels; a difference before the next round is the user's.
        const engine::FighterState& after = report.fighters[engine::indexOf(fighter)];
        auto& values = (*m_expected)[engine::indexOf(fighter)].values;
        values[lifePointsRow] = toolkit::toQString(toolkit::integerText(after.lifePoints));
        values[endurancePointsRow] =
            toolkit::toQString(toolkit::integerText(after.endurancePoints));
    }
    finish(state, window);
}

void FightRecord::finishFailedRound(const engine::CombatState& state,
                                    const engine::RoundWindow& window, const QString& failure) {
    m_rounds.latestNote().failure = failure;
    finish(state, window);
}

FightRecord::TakenBack FightRecord::takeBack(engine::CombatState& state,
                                             engine::DiceGenerator& dice,
                                             engine::RoundWindow& window) {
    const auto taken = m_rounds.takeBack(state, dice, window);
    m_tally = taken.note.tallyBefore;
    m_expected = taken.note.expected;
    const bool furthest = m_rounds.empty() && m_rounds.forgotEarlierRounds();
    // A round that never came back was never shown either.
    const bool shown = taken.note.report || !taken.note.failure.isEmpty();
    for (FightRecordView* view : m_views) {
        if (shown) {
            view->roundTakenBack(taken.note, furthest);
        }
    }
    return {taken.roundNumber, furthest};
}

void FightRecord::startNewFight(bool rematch) {
    m_rounds.clear();
    m_tally = {};
    m_expected.reset();
    for (FightRecordView* view : m_views) {
        view->fightStarted(rematch);
    }
}

} // namespace ui
