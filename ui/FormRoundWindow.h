#pragma once

#include "engine/RoundWindow.h"

namespace ui {

class TForm1;

// What the round sees of the main window: its labels are the store the round reads and
// writes between rounds.
class FormRoundWindow : public engine::RoundWindow {
public:
    explicit FormRoundWindow(TForm1& form) : m_form(form) {}

    std::string labelText(engine::PanelLabel label) const override;
    void setLabelText(engine::PanelLabel label, std::string_view text) override;
    bool isChecked(engine::PanelCheckBox checkBox) const override;
    void disableRoundButton() override;
    void showMessageBox(std::string_view text, std::string_view title) override;

private:
    TForm1& m_form;
};

} // namespace ui
