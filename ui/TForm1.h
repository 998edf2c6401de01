#pragma once

#include "engine/CombatState.h"
#include "engine/DiceGenerator.h"
#include "engine/Round.h"
#include "engine/RoundWindow.h"
#include "ui/FightSetup.h"
#include "weapons/WeaponTarget.h"

#include <QMainWindow>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace toolkit {
class Announcement;
}

namespace weapons {
class ChoiceWindows;
}

namespace ui {

class EventPanel;
class FightLog;
class FighterPanel;
class ListSelectionWatcher;

// The main window: both fighter panels, the event panel, the commands and the menu.
// It owns the fight record and the dice, and its labels are the store the round reads
// and writes between rounds.
class TForm1 : public QMainWindow, public engine::RoundWindow, public weapons::WeaponTarget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    engine::CombatState& combatState() { return m_state; }
    const engine::DiceGenerator& dice() const { return m_dice; }
    FighterPanel& panel(engine::Fighter fighter) const;
    FightLog& fightLog() const { return *m_fightLog; }
    // Tells a screen reader the result of each round.
    toolkit::Announcement& roundAnnouncement() const { return *m_roundAnnouncement; }
    QLabel* panelLabel(engine::PanelLabel label) const;
    // The smallest window in which the content does not scroll.
    QSize sizeWithoutScrolling() const;

    // What the round sees of this window.
    std::string labelText(engine::PanelLabel label) const override;
    void setLabelText(engine::PanelLabel label, std::string_view text) override;
    bool isChecked(engine::PanelCheckBox checkBox) const override;
    void disableRoundButton() override;
    void showMessageBox(std::string_view text, std::string_view title) override;

    // What the weapon choices see of this window.
    std::int32_t strength(engine::Fighter fighter) const override;
    std::int32_t dexterity(engine::Fighter fighter) const override;
    void setChosenWeapon(engine::Fighter fighter, const weapons::ChosenWeapon& weapon) override;
    void setDamageCode(engine::Fighter fighter, std::string_view code) override;
    void setAttackValue(engine::Fighter fighter, std::string_view value) override;
    void setAttackType(engine::Fighter fighter, std::string_view type) override;

    // The choice windows are created after this window and opened from it.
    void setChoiceWindows(weapons::ChoiceWindows* windows) { m_choiceWindows = windows; }

    // Handlers, named after their control and event.
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void NeuKampf1gegen11Click();
    void Ende1Click();
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

private:
    // Kept for the log, and shown as the tooltip and description of the damage code.
    void showWeaponName(engine::Fighter fighter, const QString& name);
    void buildMenu();
    void connectValueInputs();
    void connectWeaponInputs();
    QLabel* labelNamed(const char* name) const;
    // What both fighters bring into the next round, for the log.
    FightSetup fightSetup() const;
    QString failedRoundText(const std::exception& error) const;

    engine::CombatState m_state;
    engine::DiceGenerator m_dice;
    std::array<FighterPanel*, 2> m_panels{};
    EventPanel* m_eventPanel = nullptr;
    FightLog* m_fightLog = nullptr;
    toolkit::Announcement* m_roundAnnouncement = nullptr;
    std::array<QLabel*, engine::panelLabelCount> m_panelLabels{};
    std::array<std::array<QLabel*, 7>, 2> m_valueTargets{};
    std::array<ListSelectionWatcher*, 2> m_weaponListWatchers{};
    std::array<QString, 2> m_weaponNames; // empty until a weapon is chosen in this fight
    QPushButton* m_roundButton = nullptr;
    weapons::ChoiceWindows* m_choiceWindows = nullptr;
};

} // namespace ui
