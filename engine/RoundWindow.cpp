#include "RoundWindow.h"

#include <array>

namespace engine {

namespace {

constexpr std::array<std::string_view, panelLabelCount> labelNames{
    "Label1",  "Label10", "Label11", "Label41", "Label22", "Label23", "Label25", "Label26",
    "Label28", "Label29", "Label47", "Label48", "Label49", "Label50", "Label51", "Label52",
    "Label58", "Label59", "Label60", "Label61", "Label62", "Label63", "Label64",
};

constexpr FighterControls fighter1Controls{
    PanelLabel::Label11, PanelLabel::Label1,  PanelLabel::Label47, PanelLabel::Label58,
    PanelLabel::Label22, PanelLabel::Label25, PanelLabel::Label28, PanelLabel::Label49,
    PanelLabel::Label51, PanelLabel::Label60, PanelLabel::Label62, PanelCheckBox::CheckBox3,
};

constexpr FighterControls fighter2Controls{
    PanelLabel::Label41, PanelLabel::Label10, PanelLabel::Label48, PanelLabel::Label59,
    PanelLabel::Label23, PanelLabel::Label26, PanelLabel::Label29, PanelLabel::Label50,
    PanelLabel::Label52, PanelLabel::Label61, PanelLabel::Label63, PanelCheckBox::CheckBox4,
};

} // namespace

std::string_view objectNameOf(PanelLabel label) {
    return labelNames[static_cast<std::size_t>(label)];
}

std::string_view objectNameOf(PanelCheckBox checkBox) {
    return checkBox == PanelCheckBox::CheckBox3 ? "CheckBox3" : "CheckBox4";
}

const FighterControls& controlsOf(Fighter fighter) {
    return pick(fighter, fighter1Controls, fighter2Controls);
}

} // namespace engine
