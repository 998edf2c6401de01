#pragma once

#include "EventValue.h"
#include "engine/CombatState.h"
#include "engine/Fighter.h"
#include "engine/RoundWindow.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace ui {

// One row of a fighter panel: a caption, an edit field and the event-panel label that
// mirrors it. Text-copy rows hand the typed text to the panel as it is, because the
// round reads those values from there; integer rows also store the value in the fight
// record, which the weapon choices test.
struct ValueRow {
    const char* caption;
    EventValue shownIn;
    std::int32_t engine::FighterState::*storedIn; // nullptr: text copy
    bool startsGroup;                             // a little space above this row
    const char* description;                      // for screen readers
    const char* standardValue;                    // "Standartwerte für jeden Kämpfer"
};

inline constexpr std::array valueRows{
    ValueRow{"Lebenspunkte:", EventValue::LifePoints, nullptr, false,
             "Lebenspunkte, mit denen die nächste Runde beginnt", "15"},
    ValueRow{"Ausdauerpunkte:", EventValue::EndurancePoints, nullptr, false,
             "Ausdauerpunkte, mit denen die nächste Runde beginnt", "15"},
    ValueRow{"Erfolgswert Angriff:", EventValue::AttackSkill, nullptr, true,
             "Angriffswert, zu dem der Angriffswurf addiert wird", "10"},
    ValueRow{"Erfolgswert Abwehr:", EventValue::DefenceSkill, nullptr, false,
             "Abwehrwert, zu dem der Abwehrwurf addiert wird", "10"},
    ValueRow{"Stärke:", EventValue::Strength, &engine::FighterState::strength, true,
             "Ganze Zahl; viele Waffen verlangen eine Mindeststärke", "70"},
    ValueRow{"Geschick:", EventValue::Dexterity, &engine::FighterState::dexterity, false,
             "Ganze Zahl; viele Waffen verlangen ein Mindestgeschick", "70"},
    ValueRow{"Gewandheit:", EventValue::Agility, &engine::FighterState::agility, false,
             "Ganze Zahl; wird nur angezeigt", "70"},
};

inline constexpr std::size_t valueRowCount = valueRows.size();

// The row whose label is the given event value.
constexpr std::size_t rowShownIn(EventValue value) {
    std::size_t row = 0;
    while (valueRows.at(row).shownIn != value) {
        ++row;
    }
    return row;
}

struct FighterValueRow {
    engine::Fighter fighter;
    std::size_t row;
};

// The fighter and value row whose panel label the round reads from, where it is one.
inline std::optional<FighterValueRow> valueRowReadFrom(engine::PanelLabel label) {
    for (const engine::Fighter fighter : engine::bothFighters) {
        const engine::FighterControls& controls = engine::controlsOf(fighter);
        const std::pair<engine::PanelLabel, EventValue> readValues[] = {
            {controls.lifePoints, EventValue::LifePoints},
            {controls.endurancePoints, EventValue::EndurancePoints},
            {controls.attackSkill, EventValue::AttackSkill},
            {controls.defenceSkill, EventValue::DefenceSkill}};
        for (const auto& [read, shownIn] : readValues) {
            if (read == label) {
                return FighterValueRow{fighter, rowShownIn(shownIn)};
            }
        }
    }
    return std::nullopt;
}

} // namespace ui
