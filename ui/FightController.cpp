#include "FightController.h"

#include "FightCommands.h"
#include "FightToTheEnd.h"
#include "HelpTexts.h"
#include "ListSelectionWatcher.h"
#include "TForm1.h"
#include "engine/FightForecast.h"
#include "engine/Round.h"
#include "engine/SharedTexts.h"
#include "help/HelpText.h"
#include "help/HelpWindow.h"
#include "help/KeyList.h"
#include "toolkit/core/IntegerText.h"
#include "toolkit/gui/Announcement.h"
#include "toolkit/gui/EditableComboBox.h"
#include "toolkit/gui/Guarded.h"
#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/QtText.h"
#include "ui/choices/ChoiceExecutor.h"
#include "ui/choices/UntrainedWeaponChoiceWindow.h"
#include "ui/log/FightChart.h"
#include "ui/log/FightLog.h"
#include "ui/log/FightLogText.h"
#include "ui/log/LogExport.h"
#include "ui/panels/EventPanel.h"
#include "ui/panels/FighterPanel.h"
#include "ui/panels/ValueRows.h"
#include "weapons/Armour.h"
#include "weapons/WeaponCatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

namespace ui {

using engine::Fighter;

namespace {

QString armourNotAppliedNote() {
    return QStringLiteral("nicht angewendet – erneut wählen");
}

} // namespace

FightController::FightController(TForm1& form)
    : m_form(form), m_roundWindow(form), m_weaponTarget(form, m_state),
      m_choiceWindows(&form, m_weaponTarget),
      m_forecastView(
          {form.forecastLabel(), form.roundButton(), [&form] { return form.fighterNames(); }},
          m_state, m_roundWindow) {
    m_weaponTarget.onLabelChange([this] { m_forecastView.scheduleUpdate(); });
    m_fightToTheEnd = new FightToTheEnd(form.fightToTheEndItem(), form.roundButton(),
                                        {[this] {
                                             bool played = false;
                                             toolkit::guarded([this, &played] {
                                                 Button1Click();
                                                 played = true;
                                             });
                                             return played;
                                         },
                                         [this] { return m_state.roundNumber; },
                                         [this] {
                                             // No budget: only whether anybody can fall at all,
                                             // which takes no time.
                                             return std::holds_alternative<engine::NobodyCanFall>(
                                                 engine::forecastFight(m_state, m_roundWindow, 0));
                                         }},
                                        this);
    m_fightRecord.addView(form.fightLog());
    m_fightRecord.addView(*form.fightLog().chart());
    connectCommands();
    for (const Fighter fighter : engine::bothFighters) {
        connectFighterInputs(fighter);
    }
    FormCreate();
}

FightController::~FightController() = default;

void FightController::connectCommands() {
    const auto connectHandler = [this](auto* sender, auto signal,
                                       void (FightController::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { toolkit::guarded([this, handler] { (this->*handler)(); }); });
    };
    connectHandler(m_form.newFightItem(), &QAction::triggered,
                   &FightController::NeuKampf1gegen11Click);
    connectHandler(m_form.quitItem(), &QAction::triggered, &FightController::Ende1Click);
    connectHandler(m_form.saveLogItem(), &QAction::triggered,
                   &FightController::Kampfverlaufspeichern1Click);
    connectHandler(m_form.rematchItem(), &QAction::triggered, &FightController::Revanche1Click);
    connectHandler(m_form.fightToTheEndItem(), &QAction::triggered,
                   &FightController::Kampfauswuerfeln1Click);
    connectHandler(m_form.rulesHelpItem(), &QAction::triggered,
                   &FightController::RegelnundBedienung1Click);
    connectHandler(m_form.defectListItem(), &QAction::triggered,
                   &FightController::berdiesesProgramm1Click);
    connectHandler(m_form.changeListItem(), &QAction::triggered, &FightController::Copyright1Click);
    connectHandler(m_form.copyrightItem(), &QAction::triggered, &FightController::Copyright3Click);
    connectHandler(m_form.takeBackRoundItem(), &QAction::triggered,
                   &FightController::RundezuruecknehmenClick);
    connectHandler(m_form.roundButton(), &QPushButton::clicked, &FightController::Button1Click);
    connectHandler(m_form.standardButton(), &QPushButton::clicked, &FightController::Button2Click);
    connectHandler(m_form.endButton(), &QPushButton::clicked, &FightController::Button4Click);
}

void FightController::connectFighterInputs(Fighter fighter) {
    FighterPanel& panel = m_form.panel(fighter);
    for (std::size_t i = 0; i < valueRowCount; ++i) {
        connect(panel.edits[i], &QLineEdit::textChanged, this,
                [this, i, fighter] { EditChange(i, fighter); });
    }
    auto* watcher = new ListSelectionWatcher(panel.weaponList);
    m_weaponListWatchers[engine::indexOf(fighter)] = watcher;
    connect(watcher, &ListSelectionWatcher::selected, this,
            [this, fighter] { toolkit::guarded([&] { ListBoxClick(fighter); }); });
    connect(panel.improvisedButton, &QPushButton::clicked, this,
            [this, fighter] { toolkit::guarded([&] { ImprovisedButtonClick(fighter); }); });
    connect(panel.unfamiliarButton, &QPushButton::clicked, this,
            [this, fighter] { toolkit::guarded([&] { UnfamiliarButtonClick(fighter); }); });
    for (QComboBox* box : {panel.armourClassBox, panel.protectionBox}) {
        // A pick from the list and an edit of the text part both count as a change; so
        // does picking the entry the box already shows, which changes no index.
        for (auto signal : {&QComboBox::currentIndexChanged, &QComboBox::activated}) {
            connect(box, signal, this, [this, fighter, box] {
                toolkit::guarded([&] { ArmourBoxChange(fighter, box); });
            });
        }
        connect(box, &QComboBox::editTextChanged, this,
                [this, fighter, box] { toolkit::guarded([&] { ArmourBoxChange(fighter, box); }); });
    }
    connect(panel.alternativeArmour, &QCheckBox::toggled, this,
            [this, fighter] { toolkit::guarded([&] { AlternativeArmourClick(fighter); }); });
    // The round reads the check box itself.
    connect(panel.fireSensitive, &QCheckBox::toggled, &m_forecastView,
            &ForecastView::scheduleUpdate);
    connect(panel.nameEdit, &QLineEdit::textChanged, this,
            [this, fighter] { toolkit::guarded([&] { NameChange(fighter); }); });
}

void FightController::FormCreate() {
    m_state.fighter1Attacks = 0;
}

FightSetup FightController::fightSetup() const {
    FightSetup setup;
    for (const Fighter fighter : engine::bothFighters) {
        FighterSetup& own = setup[engine::indexOf(fighter)];
        own.name = m_form.panel(fighter).displayName();
        for (std::size_t row = 0; row < valueRowCount; ++row) {
            own.values[row] = m_form.eventPanel().value(fighter, valueRows[row].shownIn)->text();
        }
        own.weapon = m_weaponTarget.weaponName(fighter);
        own.damageCode = m_form.panel(fighter).damageCode->text();
        own.armour = m_state.fighter(fighter).armour;
        own.fireSensitive = m_form.panel(fighter).fireSensitive->isChecked();
    }
    return setup;
}

QString FightController::failedRoundText(const std::exception& error,
                                         const FightSetup& setup) const {
    if (const auto* failed = dynamic_cast<const engine::PanelConversionError*>(&error)) {
        if (const auto value = valueRowReadFrom(failed->label)) {
            return failedValueText(setup[engine::indexOf(value->fighter)].name, value->row,
                                   m_form.panelLabel(failed->label)->text());
        }
    }
    return toolkit::errorBoxText(toolkit::errorMessage(error));
}

void FightController::Button1Click() {
    const FightSetup setup = fightSetup();
    m_fightRecord.startRound(m_state, m_dice, m_roundWindow, setup);
    m_form.takeBackRoundItem()->setEnabled(true);
    // However the round ends, the forecast starts from what it left.
    m_forecastView.scheduleUpdate();
    engine::RoundReport report;
    try {
        report = engine::resolveRound(m_state, m_dice, m_roundWindow);
    } catch (const std::exception& error) {
        // Logged here, reported by the error box like any error that leaves a handler.
        m_fightRecord.finishFailedRound(m_state, m_roundWindow, failedRoundText(error, setup));
        throw;
    }
    // The log and the chart show the deciding round before any "Kampfende" box.
    m_fightRecord.finishRound(m_state, m_roundWindow, report);
    m_form.bringRoundResultsIntoView();
    // A screen reader hears the round as the log tells it.
    m_form.roundAnnouncement().announce(roundEntry(report, namesIn(setup)));
    engine::announceEndOfFight(report, m_roundWindow);
}

void FightController::Button2Click() {
    fillStandardValues(m_form);
}

void FightController::Button4Click() {
    m_form.close();
}

void FightController::Ende1Click() {
    m_form.close();
}

void FightController::NeuKampf1gegen11Click() {
    m_forecastView.scheduleUpdate();
    engine::resetCombatState(m_state);
    m_form.roundButton()->setEnabled(true);
    resetFightDisplay(m_form);
    m_weaponTarget.forgetWeapons();
    for (const Fighter fighter : engine::bothFighters) {
        markArmourNotApplied(fighter);
    }
    startNewFight(false);
}

void FightController::startNewFight(bool rematch) {
    m_fightRecord.startNewFight(rematch);
    m_form.takeBackRoundItem()->setEnabled(false);
    m_fightToTheEnd->stop();
}

void FightController::RundezuruecknehmenClick() {
    if (!m_fightRecord.canTakeBack()) {
        return;
    }
    const auto taken = m_fightRecord.takeBack(m_state, m_dice, m_roundWindow);
    // A round is only generated while the button is enabled; the deciding one disabled it.
    m_form.roundButton()->setEnabled(true);
    // Only the latest rounds of a long fight can be taken back; the user hears where it ends.
    m_form.roundAnnouncement().announce(
        takenBackRoundsLine(taken.roundNumber, taken.roundNumber, taken.furthest));
    m_form.takeBackRoundItem()->setEnabled(m_fightRecord.canTakeBack());
    m_forecastView.scheduleUpdate();
    m_fightToTheEnd->stop();
}

void FightController::Revanche1Click() {
    engine::resetForRematch(m_state);
    m_form.roundButton()->setEnabled(true);
    resetRematchDisplay(m_form);
    m_forecastView.scheduleUpdate();
    startNewFight(true);
}

void FightController::Kampfauswuerfeln1Click() {
    m_fightToTheEnd->start();
}

void FightController::Kampfverlaufspeichern1Click() {
    saveFightLog(m_form.fightLog(),
                 {m_form.panel(Fighter::First).nameEdit->text(),
                  m_form.panel(Fighter::Second).nameEdit->text()},
                 &m_form);
}

void FightController::RegelnundBedienung1Click() {
    if (m_helpWindow == nullptr) {
        // The keys are read from the menu as it stands, so the help lists every command.
        m_helpWindow = new help::HelpWindow(help::helpDocument(help::keysOf(m_form)), &m_form);
    }
    m_helpWindow->showAndRaise();
}

void FightController::berdiesesProgramm1Click() {
    toolkit::showMessageBox(QString::fromUtf8(defectList.text),
                            QString::fromUtf8(defectList.caption));
}

void FightController::Copyright1Click() {
    toolkit::showMessageBox(QString::fromUtf8(changeList.text),
                            QString::fromUtf8(changeList.caption));
}

void FightController::Copyright3Click() {
    toolkit::showMessageBox(QString::fromUtf8(copyrightNotice.text),
                            QString::fromUtf8(copyrightNotice.caption));
}

void FightController::EditChange(std::size_t rowIndex, Fighter fighter) {
    m_forecastView.scheduleUpdate();
    // Each input reports its own errors; none escapes to the event loop.
    try {
        const ValueRow& row = valueRows.at(rowIndex);
        const QString text = m_form.panel(fighter).edits.at(rowIndex)->text();
        QLabel* target = m_form.eventPanel().value(fighter, row.shownIn);
        if (row.storedIn == nullptr) {
            target->setText(text);
            return;
        }
        const std::int32_t value = toolkit::parseInteger(toolkit::toStdString(text));
        m_state.fighter(fighter).*row.storedIn = value;
        target->setText(toolkit::toQString(toolkit::integerText(value)));
    } catch (...) {
        toolkit::showMessageBox(QStringLiteral("Füllen sie bitte erst alle Werte aus"),
                                toolkit::toQString(engine::errorTitle));
    }
}

void FightController::ListBoxClick(Fighter fighter) {
    const int row = m_weaponListWatchers[engine::indexOf(fighter)]->selectedRow();
    m_choiceWindows.executor(fighter).carryOut(weapons::chooseFromCatalogue(
        row, m_weaponTarget.strength(fighter), m_weaponTarget.dexterity(fighter)));
}

void FightController::ImprovisedButtonClick(Fighter fighter) {
    m_choiceWindows.improvisedWindow(fighter).showAndRaise();
}

void FightController::UnfamiliarButtonClick(Fighter fighter) {
    m_choiceWindows.unfamiliarWindow(fighter).showAndRaise();
}

void FightController::ArmourBoxChange(Fighter fighter, QComboBox* box) {
    m_forecastView.scheduleUpdate();
    // An edited text part that names no entry means no entry is selected.
    const int selected = toolkit::dropEntryUnlessTextNamesIt(*box);
    std::int32_t& armour = m_state.fighter(fighter).armour;
    const weapons::ArmourChoice choice = weapons::chooseArmour(selected, box->count(), armour);
    armour = choice.armour;
    m_form.eventPanel()
        .value(fighter, EventValue::Armour)
        ->setText(toolkit::toQString(choice.labelText));
    markArmourNotApplied(fighter);
}

void FightController::markArmourNotApplied(Fighter fighter) {
    // After a new fight a box may still show an entry whose value the fighter no longer
    // has; it looks chosen but is not.
    const std::int32_t armour = m_state.fighter(fighter).armour;
    for (QComboBox* box :
         {m_form.panel(fighter).armourClassBox, m_form.panel(fighter).protectionBox}) {
        const bool held =
            weapons::chooseArmour(box->currentIndex(), box->count(), armour).armour == armour;
        toolkit::markNotApplied(*box, held ? QString() : armourNotAppliedNote());
    }
}

void FightController::NameChange(Fighter fighter) {
    m_forecastView.scheduleUpdate();
    m_form.fightLog().chart()->setFighterNames(m_form.fighterNames());
    m_choiceWindows.setFighterName(fighter, m_form.panel(fighter).displayName());
}

void FightController::AlternativeArmourClick(Fighter fighter) {
    FighterPanel& fighterPanel = m_form.panel(fighter);
    const bool alternative = fighterPanel.alternativeArmour->isChecked();
    fighterPanel.protectionBox->setVisible(alternative);
    fighterPanel.armourClassBox->setVisible(!alternative);
}

} // namespace ui
