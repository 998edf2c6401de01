#pragma once

#include <QGroupBox>

namespace ui {

// "Ereignisse:": four blocks with a heading row and one row per fighter, and the round
// line under them. Its value labels are the store the round reads and writes.
class EventPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit EventPanel(QWidget* parent = nullptr);

    // What a screen reader is told after a round: the round line, and per fighter the
    // life and endurance points left and the damage rolled.
    QString roundSummary() const;

    static QString initialRoundLine();
};

} // namespace ui
