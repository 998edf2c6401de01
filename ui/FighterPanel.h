#pragma once

#include "engine/Fighter.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

// "Kämpfer 1:" or "Kämpfer 2:": the value rows, the weapon list with the buttons for
// improvised and unfamiliar weapons, armour, fire sensitivity and the chosen weapon.
// Both panels come from this one class; only the control names differ.
class FighterPanel : public QGroupBox {
    Q_OBJECT
public:
    FighterPanel(engine::Fighter fighter, QWidget* parent = nullptr);

    engine::Fighter fighter() const { return m_fighter; }

    std::array<QLineEdit*, 7> edits{}; // in row order
    QListWidget* weaponList = nullptr;
    QPushButton* improvisedButton = nullptr;
    QPushButton* unfamiliarButton = nullptr;
    QComboBox* armourClassBox = nullptr;
    QComboBox* protectionBox = nullptr;
    QCheckBox* alternativeArmour = nullptr;
    QCheckBox* fireSensitive = nullptr;
    QLabel* damageCode = nullptr;
    QLabel* attackType = nullptr;

private:
    void setTabOrder();

    engine::Fighter m_fighter;
};

} // namespace ui
