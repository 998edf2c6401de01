#pragma once

#include "engine/RoundWindow.h"
#include "toolkit/gui/QtText.h"

#include <QLabel>
#include <array>

namespace ui {

// The labels the round reads and writes, by the engine's name for them. The panel that
// creates such a label enters it here, under the object name the engine gives it.
class PanelLabels {
public:
    template <typename Label> Label* add(engine::PanelLabel name, Label* label) {
        label->setObjectName(toolkit::toQString(engine::objectNameOf(name)));
        m_labels[static_cast<std::size_t>(name)] = label;
        return label;
    }

    QLabel* operator[](engine::PanelLabel name) const {
        return m_labels[static_cast<std::size_t>(name)];
    }

private:
    std::array<QLabel*, engine::panelLabelCount> m_labels{};
};

} // namespace ui
