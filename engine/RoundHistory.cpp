#include "RoundHistory.h"

#include <bit>
#include <string_view>
#include <type_traits>

namespace engine {

namespace {

// The record as its fields side by side, so that each is merged on its own without a second
// list of them. The assertions fail when a field is added that is no 32-bit integer.
static_assert(std::has_unique_object_representations_v<CombatState>);
static_assert(sizeof(CombatState) % sizeof(std::int32_t) == 0);
using CombatFields = std::array<std::int32_t, sizeof(CombatState) / sizeof(std::int32_t)>;

// Each field that still holds what the round left gets back what it held before the round.
CombatState mergeBack(const CombatState& current, const CombatState& before,
                      const CombatState& after) {
    auto fields = std::bit_cast<CombatFields>(current);
    const auto fieldsBefore = std::bit_cast<CombatFields>(before);
    const auto fieldsAfter = std::bit_cast<CombatFields>(after);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == fieldsAfter[i]) {
            fields[i] = fieldsBefore[i];
        }
    }
    return std::bit_cast<CombatState>(fields);
}

PanelLabel labelAt(int index) {
    return static_cast<PanelLabel>(index);
}

} // namespace

void RoundHistory::startRound(const CombatState& state, const DiceGenerator& dice,
                              const RoundWindow& window) {
    if (m_rounds.size() == keptRounds) {
        m_rounds.pop_front();
        m_forgotten = true;
    }
    Round& round = m_rounds.emplace_back();
    round.before = state;
    round.diceBefore = dice.state();
    for (int i = 0; i < panelLabelCount; ++i) {
        m_labelsBefore[static_cast<std::size_t>(i)] = window.labelText(labelAt(i));
    }
}

void RoundHistory::finishRound(const CombatState& state, const RoundWindow& window) {
    Round& round = m_rounds.back();
    round.after = state;
    round.labels.clear();
    round.texts.clear();
    for (int i = 0; i < panelLabelCount; ++i) {
        const std::string& before = m_labelsBefore[static_cast<std::size_t>(i)];
        const std::string after = window.labelText(labelAt(i));
        if (after != before) {
            round.labels.push_back({labelAt(i), static_cast<std::uint32_t>(before.size()),
                                    static_cast<std::uint32_t>(after.size())});
            round.texts += before;
            round.texts += after;
        }
    }
    round.labels.shrink_to_fit();
    round.texts.shrink_to_fit();
    round.finished = true;
}

std::int32_t RoundHistory::takeBack(CombatState& state, DiceGenerator& dice, RoundWindow& window) {
    if (!m_rounds.back().finished) {
        // A round that never came back: what shows now is what it left.
        finishRound(state, window);
    }
    const Round& round = m_rounds.back();
    const std::int32_t roundNumber = round.after.roundNumber;
    state = mergeBack(state, round.before, round.after);
    dice.restoreState(round.diceBefore);
    const std::string_view texts = round.texts;
    std::size_t offset = 0;
    for (const LabelChange& change : round.labels) {
        const std::string_view before = texts.substr(offset, change.beforeSize);
        const std::string_view after = texts.substr(offset + change.beforeSize, change.afterSize);
        offset += change.beforeSize + change.afterSize;
        if (window.labelText(change.label) == after) {
            window.setLabelText(change.label, before);
        }
    }
    m_rounds.pop_back();
    return roundNumber;
}

void RoundHistory::clear() {
    m_rounds.clear();
    m_forgotten = false;
}

} // namespace engine
