#pragma once

#include "engine/SharedTexts.h"

#include <optional>
#include <string_view>
#include <variant>

namespace weapons {

// The nine weapons with attack modes, listed in AttackModes.h.
enum class AttackModeWeapon : unsigned char;

// Texts the weapon choices show or write. They are the program's own words and stay
// exactly as they are.
inline constexpr std::string_view errorTitle = engine::errorTitle;
inline constexpr std::string_view notAvailableText =
    "Es tut mir leid, aber dieser Modus steht zur Zeit noch nicht zur Verfügung. Wir arbeiten "
    "daran.";
inline constexpr std::string_view missingAttributesText =
    "Sie haben nicht die erforderlichen Basiseigenschaften";
inline constexpr std::string_view notSelectableText = "Das ist nicht auswählbar";

// Written into the fighter's attack-type label after every weapon choice.
inline constexpr std::string_view normalAttackType = engine::normalAttackType;

// What a window has to do after the user chose something. The rules decide, the windows
// carry it out; nothing here touches a control.

struct NoAction {
    friend constexpr bool operator==(const NoAction&, const NoAction&) = default;
};

// A modal message box with OK and Cancel and no icon; the answer does not matter.
struct ShowErrorMessage {
    std::string_view text;
    std::string_view title = errorTitle;

    friend constexpr bool operator==(const ShowErrorMessage&, const ShowErrorMessage&) = default;
};

// What the user chose, as the log names it: the text of the list entry, for a weapon with
// attack modes the chosen mode's caption as well, and the title of the window it was chosen
// in, when that is not the weapon list ("Improvisierte Waffen").
struct ChosenWeapon {
    std::string_view entry;
    std::string_view mode = {};
    std::string_view window = {};

    friend constexpr bool operator==(const ChosenWeapon&, const ChosenWeapon&) = default;
};

// Write the code into the fighter's chosen-damage label, then normalAttackType into the
// attack-type label.
struct SetDamageCode {
    std::string_view damageCode;
    ChosenWeapon weapon = {};

    friend constexpr bool operator==(const SetDamageCode&, const SetDamageCode&) = default;
};

// Write the code into the chosen-damage label, then the attack value into the attack-value
// label unless there is none (that label then keeps its text), then normalAttackType into
// the attack-type label.
struct SetUntrainedWeapon {
    std::string_view damageCode;
    std::optional<std::string_view> attackValue;
    ChosenWeapon weapon = {};

    friend constexpr bool operator==(const SetUntrainedWeapon&,
                                     const SetUntrainedWeapon&) = default;
};

// Show the fighter's window of this weapon without making it modal.
struct OpenAttackModeWindow {
    AttackModeWeapon weapon;

    friend constexpr bool operator==(const OpenAttackModeWindow&,
                                     const OpenAttackModeWindow&) = default;
};

// What any choice leads to: a line of the weapon list, OK in an attack-mode window or in
// an improvised- or unfamiliar-weapon window. A weapon-list line stores its own.
using ChoiceOutcome = std::variant<NoAction, ShowErrorMessage, SetDamageCode, SetUntrainedWeapon,
                                   OpenAttackModeWindow>;

} // namespace weapons
