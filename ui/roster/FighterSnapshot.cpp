#include "FighterSnapshot.h"

#include "toolkit/gui/Guarded.h"
#include "ui/choices/AttackModeChoiceWindow.h"
#include "ui/choices/ChoiceWindows.h"
#include "ui/choices/UntrainedWeaponChoiceWindow.h"
#include "ui/panels/FighterPanel.h"
#include "weapons/Armour.h"
#include "weapons/AttackModes.h"
#include "weapons/UntrainedWeapons.h"
#include "weapons/WeaponCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <span>

namespace roster {

namespace {

using engine::Fighter;
using Source = StoredWeapon::Source;
using Box = StoredArmour::Box;

// The row of a table whose entry the choice named. Of rows with equal text (a torch in
// both groups of the improvised weapons) the one still selected in the window is taken.
template <typename Row>
int rowNamed(std::span<const Row> table, std::string_view entry, int selectedRow = -1) {
    if (selectedRow >= 0 && static_cast<std::size_t>(selectedRow) < table.size() &&
        table[static_cast<std::size_t>(selectedRow)].listText == entry) {
        return selectedRow;
    }
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].listText == entry) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

StoredWeapon modeOf(const weapons::ChosenWeapon& chosen) {
    for (std::size_t row = 0; row < weapons::weaponCatalogue.size(); ++row) {
        const auto* open =
            std::get_if<weapons::OpenAttackModeWindow>(&weapons::weaponCatalogue[row].outcome);
        if (open == nullptr || weapons::attackModeWeaponData(open->weapon).name != chosen.entry) {
            continue;
        }
        const auto modes = weapons::attackModeWeaponData(open->weapon).modes;
        for (std::size_t mode = 0; mode < modes.size(); ++mode) {
            if (modes[mode].caption == chosen.mode) {
                return {Source::WeaponList, static_cast<int>(row), static_cast<int>(mode)};
            }
        }
    }
    return {};
}

std::optional<int> entryOf(const QComboBox* box) {
    return box->currentIndex() >= 0 ? std::optional<int>(box->currentIndex()) : std::nullopt;
}

// The drop-down whose entry gave the armour value: the one shown first, since that is
// where the user looks.
Box chosenIn(const StoredArmour& armour, std::int32_t value) {
    const auto gave = [value](const std::optional<int>& entry) { return entry == value; };
    const Box shown = armour.alternative ? Box::Protection : Box::ArmourClass;
    const Box hidden = armour.alternative ? Box::ArmourClass : Box::Protection;
    const auto entryIn = [&](Box box) {
        return box == Box::ArmourClass ? armour.armourClass : armour.protection;
    };
    if (gave(entryIn(shown))) {
        return shown;
    }
    return gave(entryIn(hidden)) ? hidden : Box::None;
}

// A list's line as a click selects it; a click on the line already selected runs the
// list's handler again, as ListSelectionWatcher reports it.
void clickLine(QListWidget* list, int row, const std::function<void()>& clickOnSelected) {
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    if (selected.size() == 1 && selected.first().row() == row) {
        clickOnSelected();
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void chooseWeapon(const StoredWeapon& weapon, const RosterWorkplace& workplace, Fighter fighter) {
    ui::FighterPanel& panel = workplace.panel(fighter);
    ui::choices::ChoiceWindows& windows = *workplace.choiceWindows;
    if (weapon.source == Source::WeaponList) {
        clickLine(panel.weaponList, weapon.row,
                  [&] { toolkit::guarded([&] { workplace.weaponListClick(fighter); }); });
        const auto* open = std::get_if<weapons::OpenAttackModeWindow>(
            &weapons::weaponCatalogue.at(static_cast<std::size_t>(weapon.row)).outcome);
        if (open == nullptr || !weapon.mode) {
            return;
        }
        ui::choices::AttackModeChoiceWindow& window =
            windows.attackModeWindow(open->weapon, fighter);
        // Refused by the list (too little Stärke or Geschick): the window never opened.
        if (!window.isVisible()) {
            return;
        }
        window.checkMode(*weapon.mode);
        window.okButton()->click();
        return;
    }
    const bool improvised = weapon.source == Source::Improvised;
    (improvised ? panel.improvisedButton : panel.unfamiliarButton)->click();
    ui::choices::UntrainedWeaponChoiceWindow& window =
        improvised ? windows.improvisedWindow(fighter) : windows.unfamiliarWindow(fighter);
    window.list()->setCurrentRow(weapon.row, QItemSelectionModel::ClearAndSelect);
    window.okButton()->click();
}

// A drop-down's entry as the user picks it, or its title typed into the text part for
// none. An entry that shows already but did not give the armour value is picked afresh.
void pickEntry(QComboBox* box, const std::optional<int>& entry, std::string_view title,
               std::int32_t armour) {
    if (!entry) {
        box->setEditText(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
        return;
    }
    if (box->currentIndex() == *entry && armour != *entry) {
        box->setEditText(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    }
    box->setCurrentIndex(*entry);
}

void chooseArmour(const StoredArmour& armour, ui::FighterPanel& panel,
                  const engine::CombatState& state, Fighter fighter) {
    // The drop-down that gave the armour value comes last; each is shown while it is picked.
    const Box last = armour.chosenIn != Box::None
                         ? armour.chosenIn
                         : (armour.alternative ? Box::Protection : Box::ArmourClass);
    const Box first = last == Box::ArmourClass ? Box::Protection : Box::ArmourClass;
    for (const Box box : {first, last}) {
        const bool protection = box == Box::Protection;
        panel.alternativeArmour->setChecked(protection);
        pickEntry(protection ? panel.protectionBox : panel.armourClassBox,
                  protection ? armour.protection : armour.armourClass,
                  protection ? weapons::protectionValueTitle : weapons::armourClassTitle,
                  state.fighter(fighter).armour);
    }
    panel.alternativeArmour->setChecked(armour.alternative);
}

} // namespace

StoredWeapon storedWeapon(const weapons::ChosenWeapon& chosen, int selectedRow) {
    if (chosen.window == weapons::improvisedWeaponList.name) {
        return {Source::Improvised,
                rowNamed(weapons::improvisedWeaponList.table, chosen.entry, selectedRow),
                std::nullopt};
    }
    if (chosen.window == weapons::unfamiliarWeaponList.name) {
        return {Source::Unfamiliar,
                rowNamed(weapons::unfamiliarWeaponList.table, chosen.entry, selectedRow),
                std::nullopt};
    }
    if (!chosen.mode.empty()) {
        return modeOf(chosen);
    }
    return {Source::WeaponList,
            rowNamed(std::span<const weapons::WeaponEntry>(weapons::weaponCatalogue), chosen.entry),
            std::nullopt};
}

StoredFighter captureFighter(const RosterWorkplace& workplace, Fighter fighter) {
    const ui::FighterPanel& panel = workplace.panel(fighter);
    StoredFighter stored;
    stored.name = panel.nameEdit->text().trimmed();
    for (std::size_t row = 0; row < ui::valueRowCount; ++row) {
        stored.values[row] = panel.edits[row]->text();
    }
    if (const auto chosen = workplace.chosenWeapon(fighter)) {
        ui::choices::ChoiceWindows& windows = *workplace.choiceWindows;
        const bool improvised = chosen->window == weapons::improvisedWeaponList.name;
        stored.weapon = storedWeapon(*chosen, (improvised ? windows.improvisedWindow(fighter)
                                                          : windows.unfamiliarWindow(fighter))
                                                  .selectedRow());
        if (stored.weapon.row < 0) {
            stored.weapon = {};
        }
    }
    StoredArmour& armour = stored.armour;
    armour.armourClass = entryOf(panel.armourClassBox);
    armour.protection = entryOf(panel.protectionBox);
    armour.alternative = panel.alternativeArmour->isChecked();
    armour.chosenIn = chosenIn(armour, workplace.state->fighter(fighter).armour);
    stored.fireSensitive = panel.fireSensitive->isChecked();
    return stored;
}

void enterFighter(const StoredFighter& stored, const RosterWorkplace& workplace, Fighter fighter) {
    ui::FighterPanel& panel = workplace.panel(fighter);
    panel.nameEdit->setText(stored.name);
    for (const std::size_t row : panel.rowsInTabOrder()) {
        panel.edits[row]->setText(stored.values[row]);
    }
    if (stored.weapon.source != Source::None) {
        chooseWeapon(stored.weapon, workplace, fighter);
    }
    chooseArmour(stored.armour, panel, *workplace.state, fighter);
    panel.fireSensitive->setChecked(stored.fireSensitive);
}

} // namespace roster
