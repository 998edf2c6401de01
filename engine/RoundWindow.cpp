#include "RoundWindow.h"

namespace engine {

namespace {

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

const FighterControls& controlsOf(Fighter fighter) {
    return pick(fighter, fighter1Controls, fighter2Controls);
}

} // namespace engine
