#pragma once

#include "CombatState.h"
#include "DiceGenerator.h"
#include "RoundWindow.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace engine {

// The latest rounds of the current fight, latest last, with what each changed, so that they
// can be taken back one after the other, to the start of the fight or as far back as the
// kept rounds reach. Taking a round back restores the dice and whatever still shows what the
// round left; whatever the user changed since stays.
class RoundHistory {
public:
    // However long a fight lasts, this many of its latest rounds can be taken back.
    static constexpr std::size_t keptRounds = 1000;

    // Right before a round: the record, the dice and every label the round may write.
    void startRound(const CombatState& state, const DiceGenerator& dice, const RoundWindow& window);
    // Right after it, also when it stopped at a value that is no number.
    void finishRound(const CombatState& state, const RoundWindow& window);

    bool empty() const { return m_rounds.empty(); }
    std::size_t size() const { return m_rounds.size(); }
    // Rounds of the fight before the oldest kept one, which can no longer be taken back.
    bool forgotEarlierRounds() const { return m_forgotten; }

    // Takes back the latest round: the dice return to where they stood before it, and each
    // field of state and each label that still holds what the round left returns to what it
    // held before. Returns the taken-back round's number. Not to be called when empty.
    std::int32_t takeBack(CombatState& state, DiceGenerator& dice, RoundWindow& window);
    void clear();

private:
    // A label whose text the round changed; both texts follow each other in Round::texts.
    struct LabelChange {
        PanelLabel label;
        std::uint32_t beforeSize;
        std::uint32_t afterSize;
    };
    struct Round {
        CombatState before;
        CombatState after;
        std::uint64_t diceBefore = 0;
        std::vector<LabelChange> labels;
        std::string texts;
        bool finished = false;
    };

    std::deque<Round> m_rounds;
    bool m_forgotten = false;
    // The labels' texts before the round under way.
    std::array<std::string, panelLabelCount> m_labelsBefore;
};

} // namespace engine
