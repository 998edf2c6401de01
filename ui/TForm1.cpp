#include "TForm1.h"

#include "ContentScrollArea.h"
#include "EventPanel.h"
#include "FightCommands.h"
#include "FightLog.h"
#include "FightLogText.h"
#include "FighterPanel.h"
#include "HelpTexts.h"
#include "ListSelectionWatcher.h"
#include "ValueRows.h"
#include "toolkit/Announcement.h"
#include "toolkit/EditableComboBox.h"
#include "toolkit/HandlerGuard.h"
#include "toolkit/IntegerText.h"
#include "toolkit/MessageBox.h"
#include "toolkit/QtText.h"
#include "weapons/Armour.h"
#include "weapons/AttackModeChoiceWindow.h"
#include "weapons/CarryOut.h"
#include "weapons/CatalogueSelection.h"
#include "weapons/ChoiceWindows.h"
#include "weapons/UntrainedWeaponChoiceWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

using engine::Fighter;

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Torvenn Kampfgenerator Version " TORVENN_VERSION));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildMenu();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 4, 6, 6);
    columns->setSpacing(6);
    for (const Fighter fighter : engine::bothFighters) {
        m_panels[engine::indexOf(fighter)] = new FighterPanel(fighter, central);
        columns->addWidget(m_panels[engine::indexOf(fighter)]);
    }

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    m_eventPanel = new EventPanel(central);
    right->addWidget(m_eventPanel);
    m_fightLog = new FightLog(central);
    right->addWidget(m_fightLog, 1);
    auto* commands = new QHBoxLayout;
    commands->setSpacing(6);
    auto* standardButton =
        new QPushButton(QStringLiteral("Standartwerte für jeden Kämpfer"), central);
    standardButton->setObjectName(QStringLiteral("Button2"));
    m_roundButton = new QPushButton(QStringLiteral("Eine Runde generieren"), central);
    m_roundButton->setObjectName(QStringLiteral("Button1"));
    auto* endButton = new QPushButton(QStringLiteral("Ende"), central);
    endButton->setObjectName(QStringLiteral("Button4"));
    commands->addWidget(standardButton);
    commands->addWidget(m_roundButton);
    commands->addWidget(endButton);
    right->addLayout(commands);
    // The fight log and its chart take whatever room the panels leave.
    columns->addLayout(right, 1);
    setCentralWidget(new ContentScrollArea(central, this));
    m_roundAnnouncement = new toolkit::Announcement(central);

    // Fighter 1's panel, fighter 2's panel, then the commands, then the log.
    QWidget::setTabOrder(panel(Fighter::First).unfamiliarButton, panel(Fighter::Second).edits[1]);
    QWidget::setTabOrder(panel(Fighter::Second).unfamiliarButton, m_roundButton);
    QWidget::setTabOrder(m_roundButton, endButton);
    QWidget::setTabOrder(endButton, standardButton);
    QWidget::setTabOrder(standardButton, m_fightLog->view());

    // F5 and Ctrl+R generate a round from anywhere in the window.
    auto* roundShortcut = new QAction(this);
    roundShortcut->setObjectName(QStringLiteral("generateRoundShortcut"));
    roundShortcut->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)});
    roundShortcut->setShortcutContext(Qt::WindowShortcut);
    addAction(roundShortcut);
    connect(roundShortcut, &QAction::triggered, this, [this] {
        if (m_roundButton->isEnabled()) {
            m_roundButton->click();
        }
    });
    m_roundButton->setToolTip(QStringLiteral("F5 oder Strg+R"));

    for (int i = 0; i < engine::panelLabelCount; ++i) {
        const auto label = static_cast<engine::PanelLabel>(i);
        m_panelLabels[static_cast<std::size_t>(i)] =
            labelNamed(std::string(engine::objectNameOf(label)).c_str());
    }

    connect(m_roundButton, &QPushButton::clicked, this,
            [this] { toolkit::guarded([this] { Button1Click(); }); });
    connect(standardButton, &QPushButton::clicked, this,
            [this] { toolkit::guarded([this] { Button2Click(); }); });
    connect(endButton, &QPushButton::clicked, this,
            [this] { toolkit::guarded([this] { Button4Click(); }); });
    connectValueInputs();
    connectWeaponInputs();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                          void (TForm1::*handler)(), QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this,
                [this, handler] { toolkit::guarded([this, handler] { (this->*handler)(); }); });
    };
    // Each caption marks its Alt key with "&"; the menus show the letter underlined, the
    // text itself stays as it is.
    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("Datei1"));
    addItem(file, "NeuKampf1gegen11", QStringLiteral("&Neu: Kampf 1 gegen 1"),
            &TForm1::NeuKampf1gegen11Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(file, "Ende1", QStringLiteral("&Ende"), &TForm1::Ende1Click,
            QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    addItem(help, "berdiesesProgramm1", QStringLiteral("&Fehler dieses Programmes"),
            &TForm1::berdiesesProgramm1Click);
    addItem(help, "Copyright1", QStringLiteral("&Änderungen gegenüber Version 1.0"),
            &TForm1::Copyright1Click);
    addItem(help, "Copyright3", QStringLiteral("&Copyright"), &TForm1::Copyright3Click);
}

void TForm1::connectValueInputs() {
    for (const Fighter fighter : engine::bothFighters) {
        FighterPanel& fighterPanel = panel(fighter);
        for (std::size_t i = 0; i < valueRows.size(); ++i) {
            m_valueTargets[engine::indexOf(fighter)][i] =
                labelNamed(nameFor(valueRows[i].panelLabel, fighter));
            connect(fighterPanel.edits[i], &QLineEdit::textChanged, this,
                    [this, i, fighter] { EditChange(i, fighter); });
        }
    }
}

void TForm1::connectWeaponInputs() {
    for (const Fighter fighter : engine::bothFighters) {
        FighterPanel& fighterPanel = panel(fighter);
        auto* watcher = new ListSelectionWatcher(fighterPanel.weaponList);
        m_weaponListWatchers[engine::indexOf(fighter)] = watcher;
        connect(watcher, &ListSelectionWatcher::selected, this,
                [this, fighter] { toolkit::guarded([&] { ListBoxClick(fighter); }); });
        connect(fighterPanel.improvisedButton, &QPushButton::clicked, this,
                [this, fighter] { toolkit::guarded([&] { ImprovisedButtonClick(fighter); }); });
        connect(fighterPanel.unfamiliarButton, &QPushButton::clicked, this,
                [this, fighter] { toolkit::guarded([&] { UnfamiliarButtonClick(fighter); }); });
        for (QComboBox* box : {fighterPanel.armourClassBox, fighterPanel.protectionBox}) {
            // A pick from the list and an edit of the text part both count as a change.
            connect(box, &QComboBox::currentIndexChanged, this, [this, fighter, box] {
                toolkit::guarded([&] { ArmourBoxChange(fighter, box); });
            });
            connect(box, &QComboBox::editTextChanged, this, [this, fighter, box] {
                toolkit::guarded([&] { ArmourBoxChange(fighter, box); });
            });
        }
        connect(fighterPanel.alternativeArmour, &QCheckBox::toggled, this,
                [this, fighter] { toolkit::guarded([&] { AlternativeArmourClick(fighter); }); });
    }
}

QSize TForm1::sizeWithoutScrolling() const {
    const QSize content = findChild<ContentScrollArea*>(QString(), Qt::FindDirectChildrenOnly)
                              ->sizeWithoutScrolling();
    return {content.width(), content.height() + menuBar()->sizeHint().height()};
}

FighterPanel& TForm1::panel(Fighter fighter) const {
    return *m_panels[engine::indexOf(fighter)];
}

QLabel* TForm1::labelNamed(const char* name) const {
    auto* label = findChild<QLabel*>(QString::fromLatin1(name));
    Q_ASSERT(label != nullptr);
    return label;
}

QLabel* TForm1::panelLabel(engine::PanelLabel label) const {
    return m_panelLabels[static_cast<std::size_t>(label)];
}

std::string TForm1::labelText(engine::PanelLabel label) const {
    return toolkit::toStdString(panelLabel(label)->text());
}

void TForm1::setLabelText(engine::PanelLabel label, std::string_view text) {
    panelLabel(label)->setText(toolkit::toQString(text));
}

bool TForm1::isChecked(engine::PanelCheckBox checkBox) const {
    const Fighter owner =
        checkBox == engine::PanelCheckBox::CheckBox3 ? Fighter::First : Fighter::Second;
    return panel(owner).fireSensitive->isChecked();
}

void TForm1::disableRoundButton() {
    m_roundButton->setEnabled(false);
}

void TForm1::showMessageBox(std::string_view text, std::string_view title) {
    toolkit::showMessageBox(toolkit::toQString(text), toolkit::toQString(title));
}

std::int32_t TForm1::strength(Fighter fighter) const {
    return m_state.fighter(fighter).strength;
}

std::int32_t TForm1::dexterity(Fighter fighter) const {
    return m_state.fighter(fighter).dexterity;
}

void TForm1::setChosenWeapon(Fighter fighter, const weapons::ChosenWeapon& weapon) {
    QString name = toolkit::toQString(weapon.entry);
    if (!weapon.mode.empty()) {
        name += QStringLiteral(", ") + toolkit::toQString(weapon.mode);
    }
    if (!weapon.window.empty()) {
        name += QStringLiteral(" aus „%1“").arg(toolkit::toQString(weapon.window));
    }
    showWeaponName(fighter, name);
}

void TForm1::showWeaponName(Fighter fighter, const QString& name) {
    m_weaponNames[engine::indexOf(fighter)] = name;
    // The code alone does not say which weapon it came from.
    QLabel* damageCode = panel(fighter).damageCode;
    damageCode->setToolTip(name);
    damageCode->setAccessibleDescription(name);
}

void TForm1::setDamageCode(Fighter fighter, std::string_view code) {
    panel(fighter).damageCode->setText(toolkit::toQString(code));
}

void TForm1::setAttackValue(Fighter fighter, std::string_view value) {
    setLabelText(engine::controlsOf(fighter).attackSkill, value);
}

void TForm1::setAttackType(Fighter fighter, std::string_view type) {
    panel(fighter).attackType->setText(toolkit::toQString(type));
}

void TForm1::FormCreate() {
    m_state.fighter1Attacks = 0;
}

FightSetup TForm1::fightSetup() const {
    FightSetup setup;
    for (const Fighter fighter : engine::bothFighters) {
        FighterSetup& own = setup[engine::indexOf(fighter)];
        for (std::size_t row = 0; row < valueRows.size(); ++row) {
            own.values[row] = m_valueTargets[engine::indexOf(fighter)][row]->text();
        }
        own.weapon = m_weaponNames[engine::indexOf(fighter)];
        own.damageCode = panel(fighter).damageCode->text();
        own.armour = m_state.fighter(fighter).armour;
        own.fireSensitive = panel(fighter).fireSensitive->isChecked();
    }
    return setup;
}

QString TForm1::failedRoundText(const std::exception& error) const {
    if (const auto* failed = dynamic_cast<const engine::PanelConversionError*>(&error)) {
        for (const Fighter fighter : engine::bothFighters) {
            for (std::size_t row = 0; row < valueRows.size(); ++row) {
                if (engine::objectNameOf(failed->label) ==
                    nameFor(valueRows[row].panelLabel, fighter)) {
                    return failedValueText(fighter, row, panelLabel(failed->label)->text());
                }
            }
        }
    }
    return toolkit::errorBoxText(toolkit::errorMessage(error));
}

void TForm1::Button1Click() {
    const FightSetup setup = fightSetup();
    engine::RoundReport report;
    try {
        report = engine::resolveRound(m_state, m_dice, *this);
    } catch (const std::exception& error) {
        // Logged here, reported by the error box like any error that leaves a handler.
        m_fightLog->addFailedRound(m_state.roundNumber, setup, failedRoundText(error));
        throw;
    }
    // The log and the chart show the deciding round before any "Kampfende" box.
    m_fightLog->addRound(report, setup);
    m_roundAnnouncement->announce(m_eventPanel->roundSummary());
    engine::announceEndOfFight(report, *this);
}

void TForm1::Button2Click() {
    fillStandardValues(*this);
}

void TForm1::Button4Click() {
    close();
}

void TForm1::Ende1Click() {
    close();
}

void TForm1::NeuKampf1gegen11Click() {
    engine::resetCombatState(m_state);
    m_roundButton->setEnabled(true);
    resetFightDisplay(*this);
    for (const Fighter fighter : engine::bothFighters) {
        showWeaponName(fighter, QString());
    }
    m_fightLog->startNewFight();
}

void TForm1::berdiesesProgramm1Click() {
    toolkit::showMessageBox(QString::fromUtf8(defectList.text),
                            QString::fromUtf8(defectList.caption));
}

void TForm1::Copyright1Click() {
    toolkit::showMessageBox(QString::fromUtf8(changeList.text),
                            QString::fromUtf8(changeList.caption));
}

void TForm1::Copyright3Click() {
    toolkit::showMessageBox(QString::fromUtf8(copyrightNotice.text),
                            QString::fromUtf8(copyrightNotice.caption));
}

void TForm1::EditChange(std::size_t rowIndex, Fighter fighter) {
    // Each input reports its own errors; none escapes to the event loop.
    try {
        const ValueRow& row = valueRows.at(rowIndex);
        const QString text = panel(fighter).edits.at(rowIndex)->text();
        QLabel* target = m_valueTargets[engine::indexOf(fighter)].at(rowIndex);
        if (row.storedIn == nullptr) {
            target->setText(text);
            return;
        }
        const std::int32_t value = toolkit::parseInteger(toolkit::toStdString(text));
        m_state.fighter(fighter).*row.storedIn = value;
        target->setText(toolkit::toQString(toolkit::integerText(value)));
    } catch (...) {
        toolkit::showMessageBox(QStringLiteral("Füllen sie bitte erst alle Werte aus"),
                                QStringLiteral("Fehler"));
    }
}

} // namespace ui

namespace ui {

void TForm1::ListBoxClick(Fighter fighter) {
    const int row = m_weaponListWatchers[engine::indexOf(fighter)]->selectedRow();
    const auto openWindow = [this, fighter](weapons::AttackModeWeapon weapon) {
        if (m_choiceWindows != nullptr) {
            m_choiceWindows->attackModeWindow(weapon, fighter).showAndRaise();
        }
    };
    weapons::ChoiceExecutor(fighter, *this, openWindow)
        .carryOut(weapons::chooseFromCatalogue(row, strength(fighter), dexterity(fighter)));
}

void TForm1::ImprovisedButtonClick(Fighter fighter) {
    if (m_choiceWindows != nullptr) {
        m_choiceWindows->improvisedWindow(fighter).showAndRaise();
    }
}

void TForm1::UnfamiliarButtonClick(Fighter fighter) {
    if (m_choiceWindows != nullptr) {
        m_choiceWindows->unfamiliarWindow(fighter).showAndRaise();
    }
}

void TForm1::ArmourBoxChange(Fighter fighter, QComboBox* box) {
    // An edited text part that names no entry means no entry is selected.
    const int selected = toolkit::dropEntryUnlessTextNamesIt(*box);
    std::int32_t& armour = m_state.fighter(fighter).armour;
    armour = weapons::armourAfterChange(selected, box->count(), armour);
    labelNamed(fighter == Fighter::First ? "Label71" : "Label72")
        ->setText(toolkit::toQString(weapons::armourLabelText(armour)));
}

void TForm1::AlternativeArmourClick(Fighter fighter) {
    FighterPanel& fighterPanel = panel(fighter);
    const bool alternative = fighterPanel.alternativeArmour->isChecked();
    fighterPanel.protectionBox->setVisible(alternative);
    fighterPanel.armourClassBox->setVisible(!alternative);
}

} // namespace ui
