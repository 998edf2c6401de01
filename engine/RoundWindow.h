#pragma once

#include "Fighter.h"

#include <string>
#include <string_view>

namespace engine {

// The main-window labels a round reads or writes, named as in the window.
enum class PanelLabel : unsigned char {
    Label1,  // fighter 1 attack type
    Label10, // fighter 2 attack type
    Label11, // fighter 1 DamageCode
    Label41, // fighter 2 DamageCode
    Label22,
    Label23, // life points
    Label25,
    Label26, // endurance points
    Label28,
    Label29, // damage rolled this round
    Label47,
    Label48, // attack skill
    Label49,
    Label50, // attack die
    Label51,
    Label52, // attack total
    Label58,
    Label59, // defence skill
    Label60,
    Label61, // defence die
    Label62,
    Label63, // defence total
    Label64, // round line
};
inline constexpr int panelLabelCount = 23;

// "Kämpfer ist feuerempfindlich" of fighter 1 and fighter 2.
enum class PanelCheckBox : unsigned char { CheckBox3, CheckBox4 };

// The object name of a label or check box in the main window ("Label22").
std::string_view objectNameOf(PanelLabel label);
std::string_view objectNameOf(PanelCheckBox checkBox);

// One fighter's controls in the main window.
struct FighterControls {
    PanelLabel damageCode;
    PanelLabel attackType;
    PanelLabel attackSkill;
    PanelLabel defenceSkill;
    PanelLabel lifePoints;
    PanelLabel endurancePoints;
    PanelLabel damageShown;
    PanelLabel attackRoll;
    PanelLabel attackTotal;
    PanelLabel defenceRoll;
    PanelLabel defenceTotal;
    PanelCheckBox fireSensitive;
};

const FighterControls& controlsOf(Fighter fighter);

// The five things a round needs from the window, so that the rules run without one.
class RoundWindow {
public:
    virtual ~RoundWindow() = default;
    virtual std::string labelText(PanelLabel label) const = 0;
    virtual void setLabelText(PanelLabel label, std::string_view text) = 0;
    virtual bool isChecked(PanelCheckBox checkBox) const = 0;
    virtual void disableRoundButton() = 0;
    // Modal, with OK and Cancel and no icon; the answer does not matter.
    virtual void showMessageBox(std::string_view text, std::string_view title) = 0;
};

} // namespace engine
