#pragma once

#include "FightSetup.h"
#include "engine/FightTally.h"
#include "engine/Round.h"
#include "engine/RoundHistory.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ui {

// One round of the current fight as the record keeps it.
struct RecordedRound {
    std::int32_t roundNumber = 0;
    // What the fighters brought into the round, and what they would have brought had the
    // user changed nothing since the round before.
    FightSetup read;
    FightSetup expected;
    // How the round went; none where it stopped at a value that is no number, for the
    // reason in failure.
    std::optional<engine::RoundReport> report;
    QString failure;
    engine::FightTally tallyBefore;
};

// What shows the current fight's rounds follows the record through this.
class FightRecordView {
public:
    // tally is the fight's, this round included.
    virtual void roundRecorded(const RecordedRound& round, const engine::FightTally& tally) = 0;
    // furthest: no round before it can be taken back.
    virtual void roundTakenBack(const RecordedRound& round, bool furthest) = 0;
    virtual void fightStarted(bool rematch) = 0;

protected:
    ~FightRecordView() = default;
};

// The one record of the current fight's rounds: what each round read, what it drew and what
// it changed, and the fight's tally. Recording and taking back a round tells every view, so
// that the log, its summary and the chart follow from this record alone.
class FightRecord {
public:
    static constexpr std::size_t keptRounds = engine::roundsKeptForTakeBack;

    // Views are told in the order they were added; each must outlive the record.
    void addView(FightRecordView& view);

    // Right before a round, with what the fighters bring into it.
    void startRound(const engine::CombatState& state, const engine::DiceGenerator& dice,
                    const engine::RoundWindow& window, const FightSetup& read);
    // Right after it: how it went, or why it stopped.
    void finishRound(const engine::CombatState& state, const engine::RoundWindow& window,
                     const engine::RoundReport& report);
    void finishFailedRound(const engine::CombatState& state, const engine::RoundWindow& window,
                           const QString& failure);

    bool canTakeBack() const { return !m_rounds.empty(); }
    struct TakenBack {
        std::int32_t roundNumber;
        bool furthest; // only the latest rounds of a long fight can be taken back
    };
    // Takes back the latest round: the fight, the dice and the labels return to where they
    // stood before it, and so does every view. Not to be called unless canTakeBack().
    TakenBack takeBack(engine::CombatState& state, engine::DiceGenerator& dice,
                       engine::RoundWindow& window);
    // Forgets the rounds, which cannot be taken back into the new fight.
    void startNewFight(bool rematch);

    const engine::FightTally& tally() const { return m_tally; }

private:
    void finish(const engine::CombatState& state, const engine::RoundWindow& window);

    engine::RoundHistory<RecordedRound> m_rounds;
    engine::FightTally m_tally;
    // What the next round would start from if the user changed nothing; none before the
    // fight's first round.
    std::optional<FightSetup> m_expected;
    std::vector<FightRecordView*> m_views;
};

} // namespace ui
