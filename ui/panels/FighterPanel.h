#pragma once

#include "ValueRows.h"
#include "engine/Fighter.h"

#include <QGroupBox>
#include <array>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

class PanelLabels;

// "Kämpfer 1:" or "Kämpfer 2:": the value rows, the weapon list with the buttons for
// improvised and unfamiliar weapons, armour, fire sensitivity and the chosen weapon.
// Both panels come from this one class; only the control names differ. The round's labels
// among its controls go into panelLabels.
class FighterPanel : public QGroupBox {
    Q_OBJECT
public:
    FighterPanel(engine::Fighter fighter, PanelLabels& panelLabels, QWidget* parent = nullptr);

    engine::Fighter fighter() const { return m_fighter; }
    // What the program's own texts call the fighter: the typed name, "Kämpfer 1" without.
    QString displayName() const;
    // The name field, where the Tab key enters the panel.
    QWidget* firstInTabOrder() const;
    // The rows as the Tab key reaches their fields, which is also the order of the
    // fields' numbers (Edit1 … Edit7, Edit8 … Edit14).
    const std::array<std::size_t, valueRowCount>& rowsInTabOrder() const {
        return m_rowsInTabOrder;
    }

    // Where the window is short of width, the buttons for improvised and unfamiliar weapons
    // go under the weapon list instead of beside it, which narrows the panel.
    void setButtonsUnderList(bool under);

    // "Name:", plain text of at most 40 characters; no part of the round.
    QLineEdit* nameEdit = nullptr;
    std::array<QLineEdit*, valueRowCount> edits{}; // in row order
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
    QBoxLayout* m_weaponRow = nullptr;
    QBoxLayout* m_alternatives = nullptr;
    std::array<std::size_t, valueRowCount> m_rowsInTabOrder{};
};

} // namespace ui
