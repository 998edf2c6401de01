#pragma once

#include "EventValue.h"
#include "engine/Fighter.h"

#include <QGroupBox>
#include <array>

class QLabel;

namespace ui {

class PanelLabels;

// "Ereignisse:": four blocks with a heading row and one row per fighter, and the round
// line under them. Its value labels are the store the round reads and writes; those of
// the round go into panelLabels.
class EventPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit EventPanel(PanelLabels& panelLabels, QWidget* parent = nullptr);

    QLabel* value(engine::Fighter fighter, EventValue value) const {
        return m_values[engine::indexOf(fighter)][indexOf(value)];
    }
    QLabel* roundLine() const { return m_roundLine; }

    static QString initialRoundLine();

private:
    std::array<std::array<QLabel*, eventValueCount>, 2> m_values{};
    QLabel* m_roundLine = nullptr;
};

} // namespace ui
