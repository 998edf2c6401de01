#pragma once

#include "ChoiceWindow.h"
#include "engine/Fighter.h"
#include "weapons/UntrainedWeapons.h"

class QListWidget;

namespace weapons {
class WeaponTarget;
}

namespace ui::choices {

class ChoiceExecutor;

// "Welche Waffe?": the improvised or the unfamiliar weapons of one fighter in a list.
// The four windows are this class, fed by their table.
class UntrainedWeaponChoiceWindow : public ChoiceWindow {
    Q_OBJECT
public:
    UntrainedWeaponChoiceWindow(QWidget* mainWindow, const UntrainedWeaponWindows& windows,
                                engine::Fighter fighter, weapons::WeaponTarget& target,
                                const ChoiceExecutor& executor);

    QListWidget* list() const { return m_list; }
    // The row the user selected, -1 for none. The list's current row is not enough: a
    // list view makes its first row current when it takes focus, unselected.
    int selectedRow() const;
    void setFighterName(const QString& fighterName) override;

protected:
    void Button1Click() override;
    QStringList choiceTexts() const override;
    int currentChoice() const override;
    QWidget* choiceFocus() const override;

private:
    // The list is named after the window and its fighter line.
    void nameList();

    const weapons::UntrainedWeaponList& m_choices;
    weapons::WeaponTarget& m_target;
    const ChoiceExecutor& m_executor;
    QListWidget* m_list = nullptr;
};

} // namespace ui::choices
