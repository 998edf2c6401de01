#pragma once

#include "CombatState.h"
#include "DiceGenerator.h"
#include "RoundWindow.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace engine {

// However long a fight lasts, this many of its latest rounds can be taken back.
inline constexpr std::size_t roundsKeptForTakeBack = 1000;

// What one round changed: the record, the dice and the labels it wrote, so that it can be
// taken back.
class RoundChanges {
public:
    using LabelTexts = std::array<std::string, panelLabelCount>;
    static LabelTexts labelTexts(const RoundWindow& window);

    // Right before the round.
    void recordStart(const CombatState& state, const DiceGenerator& dice);
    // Right after it, with the labels' texts from before it; also when it stopped at a value
    // that is no number.
    void recordEnd(const CombatState& state, const LabelTexts& labelsBefore,
                   const RoundWindow& window);
    bool ended() const { return m_ended; }
    // The dice return to where they stood before the round, and each field of state and each
    // label that still holds what the round left returns to what it held before; whatever the
    // user changed since stays. Returns the round's number.
    std::int32_t takeBack(CombatState& state, DiceGenerator& dice, RoundWindow& window) const;

private:
    // A label whose text the round changed; both texts follow each other in m_texts.
    struct LabelChange {
        PanelLabel label;
        std::uint32_t beforeSize;
        std::uint32_t afterSize;
    };

    CombatState m_before;
    CombatState m_after;
    std::uint64_t m_diceBefore = 0;
    std::vector<LabelChange> m_labels;
    std::string m_texts;
    bool m_ended = false;
};

// The latest rounds of the current fight, latest last, each with what it changed and with the
// note its keeper adds to it, so that they can be taken back one after the other, to the start
// of the fight or as far back as the kept rounds reach.
template <typename Note = std::monostate> class RoundHistory {
public:
    static constexpr std::size_t keptRounds = roundsKeptForTakeBack;

    // Right before a round: the record, the dice and every label the round may write.
    void startRound(const CombatState& state, const DiceGenerator& dice, const RoundWindow& window,
                    Note note = {}) {
        if (m_rounds.size() == keptRounds) {
            m_rounds.pop_front();
            m_forgotten = true;
        }
        Round& round = m_rounds.emplace_back();
        round.changes.recordStart(state, dice);
        round.note = std::move(note);
        m_labelsBefore = RoundChanges::labelTexts(window);
    }
    // Right after it, also when it stopped at a value that is no number.
    void finishRound(const CombatState& state, const RoundWindow& window) {
        m_rounds.back().changes.recordEnd(state, m_labelsBefore, window);
    }
    // Of the latest round; not to be asked when empty.
    Note& latestNote() { return m_rounds.back().note; }

    bool empty() const { return m_rounds.empty(); }
    std::size_t size() const { return m_rounds.size(); }
    // Rounds of the fight before the oldest kept one, which can no longer be taken back.
    bool forgotEarlierRounds() const { return m_forgotten; }

    struct TakenBack {
        std::int32_t roundNumber;
        Note note;
    };
    // Takes back the latest round (see RoundChanges::takeBack). Not to be called when empty.
    TakenBack takeBack(CombatState& state, DiceGenerator& dice, RoundWindow& window) {
        Round& round = m_rounds.back();
        if (!round.changes.ended()) {
            // A round that never came back: what shows now is what it left.
            round.changes.recordEnd(state, m_labelsBefore, window);
        }
        TakenBack taken{round.changes.takeBack(state, dice, window), std::move(round.note)};
        m_rounds.pop_back();
        return taken;
    }
    void clear() {
        m_rounds.clear();
        m_forgotten = false;
    }

private:
    struct Round {
        RoundChanges changes;
        Note note;
    };

    std::deque<Round> m_rounds;
    bool m_forgotten = false;
    // The labels' texts before the round under way.
    RoundChanges::LabelTexts m_labelsBefore;
};

} // namespace engine
