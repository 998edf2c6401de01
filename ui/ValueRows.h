#pragma once

#include "engine/CombatState.h"
#include "engine/Fighter.h"

#include <array>
#include <cstdint>

namespace ui {

// One row of a fighter panel: a caption, an edit field and the event-panel label that
// mirrors it. Text-copy rows hand the typed text to the panel as it is, because the
// round reads those values from there; integer rows also store the value in the fight
// record, which the weapon choices test. Fighter 2's life-points field is Edit9 and
// its endurance field Edit8: the rows follow the panel, not the numbers.
struct ValueRow {
    const char* caption;
    std::array<const char*, 2> captionLabel;
    std::array<const char*, 2> edit;
    std::array<const char*, 2> panelLabel;
    std::int32_t engine::FighterState::*storedIn; // nullptr: text copy
    bool startsGroup;                             // a little space above this row
    const char* description;                      // for screen readers
};

inline const std::array<ValueRow, 7> valueRows{{
    {"Lebenspunkte:",
     {"Label2", "Label12"},
     {"Edit1", "Edit9"},
     {"Label22", "Label23"},
     nullptr,
     false,
     "Lebenspunkte, mit denen die nächste Runde beginnt"},
    {"Ausdauerpunkte:",
     {"Label3", "Label13"},
     {"Edit2", "Edit8"},
     {"Label25", "Label26"},
     nullptr,
     false,
     "Ausdauerpunkte, mit denen die nächste Runde beginnt"},
    {"Erfolgswert Angriff:",
     {"Label4", "Label14"},
     {"Edit3", "Edit10"},
     {"Label47", "Label48"},
     nullptr,
     true,
     "Angriffswert, zu dem der Angriffswurf addiert wird"},
    {"Erfolgswert Abwehr:",
     {"Label5", "Label15"},
     {"Edit4", "Edit11"},
     {"Label58", "Label59"},
     nullptr,
     false,
     "Abwehrwert, zu dem der Abwehrwurf addiert wird"},
    {"Stärke:",
     {"Label6", "Label18"},
     {"Edit5", "Edit12"},
     {"Label73", "Label74"},
     &engine::FighterState::strength,
     true,
     "Ganze Zahl; viele Waffen verlangen eine Mindeststärke"},
    {"Geschick:",
     {"Label7", "Label17"},
     {"Edit6", "Edit13"},
     {"Label75", "Label76"},
     &engine::FighterState::dexterity,
     false,
     "Ganze Zahl; viele Waffen verlangen ein Mindestgeschick"},
    {"Gewandheit:",
     {"Label8", "Label16"},
     {"Edit7", "Edit14"},
     {"Label77", "Label78"},
     &engine::FighterState::agility,
     false,
     "Ganze Zahl; wird nur angezeigt"},
}};

inline const char* nameFor(const std::array<const char*, 2>& names, engine::Fighter fighter) {
    return names[engine::indexOf(fighter)];
}

} // namespace ui
