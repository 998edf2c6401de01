#pragma once

#include "Fighter.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// The main-window labels a round reads or writes, each named once here as in the window:
// the enumerators, their object names and their count all come from this one list.
#define TORVENN_PANEL_LABELS(X)                                                                    \
    X(Label1)  /* fighter 1 attack type */                                                         \
    X(Label10) /* fighter 2 attack type */                                                         \
    X(Label11) /* fighter 1 DamageCode */                                                          \
    X(Label41) /* fighter 2 DamageCode */                                                          \
    X(Label22)                                                                                     \
    X(Label23) /* life points */                                                                   \
    X(Label25)                                                                                     \
    X(Label26) /* endurance points */                                                              \
    X(Label28)                                                                                     \
    X(Label29) /* damage rolled this round */                                                      \
    X(Label47)                                                                                     \
    X(Label48) /* attack skill */                                                                  \
    X(Label49)                                                                                     \
    X(Label50) /* attack die */                                                                    \
    X(Label51)                                                                                     \
    X(Label52) /* attack total */                                                                  \
    X(Label58)                                                                                     \
    X(Label59) /* defence skill */                                                                 \
    X(Label60)                                                                                     \
    X(Label61) /* defence die */                                                                   \
    X(Label62)                                                                                     \
    X(Label63) /* defence total */                                                                 \
    X(Label64) /* round line */

// "Kämpfer ist feuerempfindlich" of fighter 1 and fighter 2.
#define TORVENN_PANEL_CHECK_BOXES(X) X(CheckBox3) X(CheckBox4)

#define TORVENN_ENUMERATOR(name) name,
#define TORVENN_OBJECT_NAME(name) #name,

enum class PanelLabel : unsigned char { TORVENN_PANEL_LABELS(TORVENN_ENUMERATOR) };
enum class PanelCheckBox : unsigned char { TORVENN_PANEL_CHECK_BOXES(TORVENN_ENUMERATOR) };

inline constexpr std::array panelLabelNames{TORVENN_PANEL_LABELS(TORVENN_OBJECT_NAME)};
inline constexpr std::array panelCheckBoxNames{TORVENN_PANEL_CHECK_BOXES(TORVENN_OBJECT_NAME)};

#undef TORVENN_OBJECT_NAME
#undef TORVENN_ENUMERATOR
#undef TORVENN_PANEL_CHECK_BOXES
#undef TORVENN_PANEL_LABELS

inline constexpr int panelLabelCount = static_cast<int>(panelLabelNames.size());

// The object name of a label or check box in the main window ("Label22").
constexpr std::string_view objectNameOf(PanelLabel label) {
    return panelLabelNames[static_cast<std::size_t>(label)];
}
constexpr std::string_view objectNameOf(PanelCheckBox checkBox) {
    return panelCheckBoxNames[static_cast<std::size_t>(checkBox)];
}

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
