#pragma once

#include "engine/Fighter.h"
#include "weapons/AttackModes.h"
#include "weapons/UntrainedWeapons.h"

#include <array>
#include <string_view>

namespace ui::choices {

// One fighter's choice window.
struct ChoiceWindowData {
    std::string_view objectName;
    // How many of the choices come before "OK" in the tab order: 0 puts "OK" first.
    int choicesBeforeOk = 0;
    // Close box in the title bar; without it the window is left only through OK.
    bool hasTitleBarButtons = true;
    // Opens centred on the main window instead of the screen.
    bool centredOnMainWindow = false;
};

// The two fighters' windows of one weapon or list, indexed by engine::indexOf(fighter).
using TwinWindows = std::array<ChoiceWindowData, 2>;

inline constexpr std::string_view attackModeQuestion = "Welche Angriffsart?";
inline constexpr std::string_view untrainedWeaponQuestion = "Welche Waffe?";

namespace tab_order {

// Where "OK" comes: after the radio buttons, before them, or between the second and the
// third; after the list or before it.
inline constexpr int radiosThenButton2 = 2;
inline constexpr int radiosThenButton3 = 3;
inline constexpr int buttonThenRadios = 0;
inline constexpr int buttonBetweenRadios = 2;
inline constexpr int listThenButton = 1;
inline constexpr int buttonThenList = 0;

} // namespace tab_order

// In the order of weapons::attackModeWeapons; each is titled with its weapon's name.
inline constexpr std::array<TwinWindows, 9> attackModeWindows = [] {
    using namespace tab_order;
    return std::array<TwinWindows, 9>{{
        {{{"Form2", radiosThenButton2}, {"Form11", buttonThenRadios}}},
        {{{"Form3", radiosThenButton3}, {"Form12", buttonThenRadios, false}}},
        {{{"Form4", radiosThenButton3}, {"Form13", buttonThenRadios, true, true}}},
        {{{"Form5", radiosThenButton2}, {"Form14", buttonThenRadios}}},
        {{{"Form6", radiosThenButton2}, {"Form15", buttonThenRadios}}},
        {{{"Form7", radiosThenButton2}, {"Form16", buttonThenRadios}}},
        {{{"Form8", buttonBetweenRadios}, {"Form17", buttonThenRadios}}},
        {{{"Form9", buttonThenRadios}, {"Form18", buttonThenRadios}}},
        {{{"Form10", radiosThenButton3}, {"Form19", buttonThenRadios}}},
    }};
}();
static_assert(attackModeWindows.size() == weapons::attackModeWeapons.size());

inline const ChoiceWindowData& attackModeWindow(weapons::AttackModeWeapon weapon,
                                                engine::Fighter fighter) {
    return attackModeWindows[static_cast<std::size_t>(weapon)][engine::indexOf(fighter)];
}

// The windows of the improvised and of the unfamiliar weapons, titled with their list's name.
struct UntrainedWeaponWindows {
    const weapons::UntrainedWeaponList* list;
    TwinWindows windows;
};

inline constexpr UntrainedWeaponWindows improvisedWeaponWindows{
    &weapons::improvisedWeaponList,
    {{{"Form20", tab_order::buttonThenList}, {"Form21", tab_order::listThenButton}}}};
inline constexpr UntrainedWeaponWindows unfamiliarWeaponWindows{
    &weapons::unfamiliarWeaponList,
    {{{"Form22", tab_order::listThenButton}, {"Form23", tab_order::buttonThenList}}}};

} // namespace ui::choices
