#pragma once

#include "engine/RoundWindow.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Stands in for the main window: keeps the texts of the round's labels and the states of
// the fire check boxes, and records what the round asks of the window beyond that.
// Tests address controls by their object name ("Label22"), so a label that the round
// writes under the wrong name shows up as a wrong text. Free of the test framework, so
// the benchmarks drive rounds through it as well.
class FakeRoundWindow final : public engine::RoundWindow {
public:
    // As after start-up or a new fight: "0" everywhere, empty attack types.
    FakeRoundWindow() {
        m_labels.fill("0");
        label("Label1").clear();
        label("Label10").clear();
    }

    std::string& label(std::string_view objectName) {
        return m_labels[static_cast<std::size_t>(labelNamed(objectName))];
    }
    const std::string& label(std::string_view objectName) const {
        return m_labels[static_cast<std::size_t>(labelNamed(objectName))];
    }

    void setChecked(std::string_view objectName, bool checked) {
        m_checked[static_cast<std::size_t>(checkBoxNamed(objectName))] = checked;
    }

    std::string labelText(engine::PanelLabel which) const override {
        return m_labels[static_cast<std::size_t>(which)];
    }
    void setLabelText(engine::PanelLabel which, std::string_view text) override {
        ++labelWrites;
        m_labels[static_cast<std::size_t>(which)] = text;
    }
    bool isChecked(engine::PanelCheckBox which) const override {
        return m_checked[static_cast<std::size_t>(which)];
    }
    void disableRoundButton() override {
        roundButtonEnabled = false;
        events.emplace_back("disableRoundButton");
    }
    void showMessageBox(std::string_view text, std::string_view title) override {
        events.push_back("messageBox " + std::string(title) + ": " + std::string(text));
    }

    // Every setLabelText call, whether or not the text changed.
    int labelWrites = 0;
    bool roundButtonEnabled = true;
    // "disableRoundButton" and "messageBox <title>: <text>", in the order they happened.
    std::vector<std::string> events;

private:
    static engine::PanelLabel labelNamed(std::string_view objectName) {
        for (int i = 0; i < engine::panelLabelCount; ++i) {
            const auto candidate = static_cast<engine::PanelLabel>(i);
            if (engine::objectNameOf(candidate) == objectName) {
                return candidate;
            }
        }
        throw std::invalid_argument("no such label: " + std::string(objectName));
    }
    static engine::PanelCheckBox checkBoxNamed(std::string_view objectName) {
        for (const auto candidate :
             {engine::PanelCheckBox::CheckBox3, engine::PanelCheckBox::CheckBox4}) {
            if (engine::objectNameOf(candidate) == objectName) {
                return candidate;
            }
        }
        throw std::invalid_argument("no such check box: " + std::string(objectName));
    }

    std::array<std::string, engine::panelLabelCount> m_labels;
    std::array<bool, 2> m_checked{};
};

// Both fighters with the standard values: life and endurance 15, both skills 10, a "1W6"
// weapon and the attack type "normal".
inline void enterStandardValues(FakeRoundWindow& window) {
    for (const char* name : {"Label22", "Label23", "Label25", "Label26"}) {
        window.label(name) = "15";
    }
    for (const char* name : {"Label47", "Label48", "Label58", "Label59"}) {
        window.label(name) = "10";
    }
    window.label("Label11") = "1W6";
    window.label("Label41") = "1W6";
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
}
