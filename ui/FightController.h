#pragma once

#include "FormRoundWindow.h"
#include "FormWeaponTarget.h"
#include "engine/CombatState.h"
#include "engine/DiceGenerator.h"
#include "ui/choices/ChoiceWindows.h"
#include "ui/forecast/ForecastView.h"
#include "ui/log/FightRecord.h"

#include <QObject>
#include <array>
#include <exception>

class QComboBox;

namespace ui {

class FightToTheEnd;
namespace help {
class HelpWindow;
}
class ListSelectionWatcher;
class TForm1;

// What the main window's controls do. It holds the fight record and the dice, feeds the
// fight log, and creates the choice windows, which it opens from the weapon controls.
class FightController : public QObject {
    Q_OBJECT
public:
    // Connects itself to the controls of form, which must outlive it.
    explicit FightController(TForm1& form);
    ~FightController() override;

    engine::CombatState& combatState() { return m_state; }
    choices::ChoiceWindows& choiceWindows() { return m_choiceWindows; }
    const engine::DiceGenerator& dice() const { return m_dice; }
    ForecastView& forecastView() { return m_forecastView; }
    const FormWeaponTarget& weaponTarget() const { return m_weaponTarget; }

    // Handlers, named after their control and event.
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void NeuKampf1gegen11Click();
    void Revanche1Click();
    void Kampfauswuerfeln1Click();
    void Kampfverlaufspeichern1Click();
    void RundezuruecknehmenClick();
    void Ende1Click();
    void RegelnundBedienung1Click();
    void berdiesesProgramm1Click();
    void Copyright1Click();
    void Copyright3Click();
    // The change handler of all fourteen value fields (Edit1Change … Edit14Change).
    void EditChange(std::size_t rowIndex, engine::Fighter fighter);
    // ListBox1Click / ListBox2Click.
    void ListBoxClick(engine::Fighter fighter);
    // Button5Click / Button7Click and Button6Click / Button8Click.
    void ImprovisedButtonClick(engine::Fighter fighter);
    void UnfamiliarButtonClick(engine::Fighter fighter);
    // ComboBox1Change … ComboBox4Change.
    void ArmourBoxChange(engine::Fighter fighter, QComboBox* box);
    // CheckBox1Click / CheckBox2Click.
    void AlternativeArmourClick(engine::Fighter fighter);
    // NameEdit1Change / NameEdit2Change: the texts that name the fighter follow.
    void NameChange(engine::Fighter fighter);

private:
    void startNewFight(bool rematch);
    // Marks each armour drop-down of fighter whose shown entry is not his armour.
    void markArmourNotApplied(engine::Fighter fighter);
    void connectCommands();
    void connectFighterInputs(engine::Fighter fighter);
    // What both fighters bring into the next round, for the log.
    FightSetup fightSetup() const;
    QString failedRoundText(const std::exception& error, const FightSetup& setup) const;

    TForm1& m_form;
    engine::CombatState m_state;
    engine::DiceGenerator m_dice;
    // The rounds of the current fight, which the log and its chart show and
    // "Runde zurücknehmen" takes back.
    FightRecord m_fightRecord;
    FormRoundWindow m_roundWindow;
    FormWeaponTarget m_weaponTarget;
    // Creates the 22 choice windows, which the main window owns as its children.
    choices::ChoiceWindows m_choiceWindows;
    std::array<ListSelectionWatcher*, 2> m_weaponListWatchers{};
    FightToTheEnd* m_fightToTheEnd = nullptr;
    ForecastView m_forecastView;
    // Made when first asked for; it belongs to the main window.
    help::HelpWindow* m_helpWindow = nullptr;
};

} // namespace ui
