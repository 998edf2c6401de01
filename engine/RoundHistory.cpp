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

PanelLabel labelAt(std::size_t index) {
    return static_cast<PanelLabel>(index);
}

} // namespace

RoundChanges::LabelTexts RoundChanges::labelTexts(const RoundWindow& window) {
    LabelTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = window.labelText(labelAt(i));
    }
    return texts;
}

void RoundChanges::recordStart(const CombatState& state, const DiceGenerator& dice) {
    m_before = state;
    m_diceBefore = dice.state();
}

void RoundChanges::recordEnd(const CombatState& state, const LabelTexts& labelsBefore,
                             const RoundWindow& window) {
    m_after = state;
    m_labels.clear();
    m_texts.clear();
    for (std::size_t i = 0; i < labelsBefore.size(); ++i) {
        const std::string& before = labelsBefore[i];
        const std::string after = window.labelText(labelAt(i));
        if (after != before) {
            m_labels.push_back({labelAt(i), static_cast<std::uint32_t>(before.size()),
                                static_cast<std::uint32_t>(after.size())});
            m_texts += before;
            m_texts += after;
        }
    }
    m_labels.shrink_to_fit();
    m_texts.shrink_to_fit();
    m_ended = true;
}

std::int32_t RoundChanges::takeBack(CombatState& state, DiceGenerator& dice,
                                    RoundWindow& window) const {
    state = mergeBack(state, m_before, m_after);
    dice.restoreState(m_diceBefore);
    const std::string_view texts = m_texts;
    std::size_t offset = 0;
    for (const LabelChange& change : m_labels) {
        const std::string_view before = texts.substr(offset, change.beforeSize);
        const std::string_view after = texts.substr(offset + change.beforeSize, change.afterSize);
        offset += change.beforeSize + change.afterSize;
        if (window.labelText(change.label) == after) {
            window.setLabelText(change.label, before);
        }
    }
    return m_after.roundNumber;
}

} // namespace engine
