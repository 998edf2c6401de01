#include "TForm1.h"

#include "toolkit/gui/Announcement.h"
#include "ui/forecast/ForecastLabel.h"
#include "ui/log/FightLog.h"
#include "ui/panels/ContentScrollArea.h"
#include "ui/panels/EventPanel.h"
#include "ui/panels/FighterPanel.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

using engine::Fighter;

namespace {

QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                     QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Torvenn Kampfgenerator Version " TORVENN_VERSION));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildMenu();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* columns = new QGridLayout(central);
    columns->setContentsMargins(6, 4, 6, 6);
    columns->setSpacing(6);
    for (const Fighter fighter : engine::bothFighters) {
        m_panels[engine::indexOf(fighter)] = new FighterPanel(fighter, m_panelLabels, central);
        columns->addWidget(m_panels[engine::indexOf(fighter)], 0, engine::indexOf(fighter));
    }

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    m_eventPanel = new EventPanel(m_panelLabels, central);
    right->addWidget(m_eventPanel);
    m_forecastLabel = new ForecastLabel(central);
    right->addWidget(m_forecastLabel);
    m_fightLog = new FightLog(central);
    right->addWidget(m_fightLog, 1);
    auto* commands = new QHBoxLayout;
    commands->setSpacing(6);
    m_standardButton = new QPushButton(QStringLiteral("Standartwerte für jeden Kämpfer"), central);
    m_standardButton->setObjectName(QStringLiteral("Button2"));
    m_roundButton = new QPushButton(QStringLiteral("Eine Runde generieren"), central);
    m_roundButton->setObjectName(QStringLiteral("Button1"));
    m_endButton = new QPushButton(QStringLiteral("Ende"), central);
    m_endButton->setObjectName(QStringLiteral("Button4"));
    commands->addWidget(m_standardButton);
    commands->addWidget(m_roundButton);
    commands->addWidget(m_endButton);
    right->addLayout(commands);
    // The fight log and its chart take whatever room the panels leave.
    columns->addLayout(right, 0, 2);
    columns->setColumnStretch(2, 1);
    m_scrollArea = new ContentScrollArea(
        central, arrangementCount, [this](int step) { arrange(step); }, this);
    setCentralWidget(m_scrollArea);
    m_roundAnnouncement = new toolkit::Announcement(central);

    // Fighter 1's panel, fighter 2's panel, then the commands, then the log.
    const FighterPanel& second = panel(Fighter::Second);
    QWidget::setTabOrder(panel(Fighter::First).unfamiliarButton, second.firstInTabOrder());
    QWidget::setTabOrder(panel(Fighter::Second).unfamiliarButton, m_roundButton);
    QWidget::setTabOrder(m_roundButton, m_endButton);
    QWidget::setTabOrder(m_endButton, m_standardButton);
    QWidget::setTabOrder(m_standardButton, m_fightLog->view());

    addRoundShortcut();
}

TForm1::~TForm1() = default;

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // Each caption marks its Alt key with "&"; the menus show the letter underlined, the
    // text itself stays as it is.
    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("Datei1"));
    m_newFightItem = addMenuItem(file, "NeuKampf1gegen11", QStringLiteral("&Neu: Kampf 1 gegen 1"),
                                 QKeySequence(Qt::CTRL | Qt::Key_N));
    m_saveLogItem =
        addMenuItem(file, "Kampfverlaufspeichern1", QStringLiteral("Kampfverlauf &speichern …"),
                    QKeySequence(Qt::CTRL | Qt::Key_S));
    m_quitItem =
        addMenuItem(file, "Ende1", QStringLiteral("&Ende"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* fight = bar->addMenu(QStringLiteral("&Kampf"));
    fight->setObjectName(QStringLiteral("Kampf1"));
    // In a text field Ctrl+Z stays the field's own undo of the typing.
    m_takeBackRoundItem =
        addMenuItem(fight, "Rundezuruecknehmen1", QStringLiteral("Runde &zurücknehmen"),
                    QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_takeBackRoundItem->setWhatsThis(
        QStringLiteral("Nimmt die letzte Runde zurück, bis zum Anfang des Kampfes; was seitdem "
                       "geändert wurde, bleibt"));
    m_takeBackRoundItem->setEnabled(false);
    addFightSequenceItems(fight);
    m_rosterItems = roster::addRosterMenu(bar);
    QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    m_rulesHelpItem =
        addMenuItem(help, "RegelnundBedienung1", QStringLiteral("&Regeln und Bedienung"),
                    QKeySequence(Qt::Key_F1));
    help->addSeparator();
    m_defectListItem =
        addMenuItem(help, "berdiesesProgramm1", QStringLiteral("&Fehler dieses Programmes"));
    m_changeListItem =
        addMenuItem(help, "Copyright1", QStringLiteral("&Änderungen gegenüber Version 1.0"));
    m_copyrightItem = addMenuItem(help, "Copyright3", QStringLiteral("&Copyright"));
}

void TForm1::addFightSequenceItems(QMenu* fight) {
    m_rematchItem = addMenuItem(fight, "Revanche1", QStringLiteral("Re&vanche"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    m_fightToTheEndItem =
        addMenuItem(fight, "Kampfauswuerfeln1", QStringLiteral("Kampf &auswürfeln"),
                    QKeySequence(Qt::SHIFT | Qt::Key_F5));
}

void TForm1::addRoundShortcut() {
    // F5 and Ctrl+R generate a round from anywhere in the window.
    auto* roundShortcut = new QAction(m_roundButton->text(), this);
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
}

void TForm1::arrange(int step) {
    // Short of width, the fighter panels narrow; the columns stay beside each other, so
    // that the values of the round and the forecast stay in sight beside the fighters.
    for (FighterPanel* fighterPanel : m_panels) {
        fighterPanel->setButtonsUnderList(step >= 1);
    }
}

int TForm1::arrangement() const {
    return m_scrollArea->arrangement();
}

void TForm1::bringRoundResultsIntoView() {
    const QWidget* content = m_scrollArea->widget();
    QRect results;
    for (const QWidget* shown :
         {static_cast<const QWidget*>(m_eventPanel->value(Fighter::First, EventValue::LifePoints)),
          static_cast<const QWidget*>(m_eventPanel->value(Fighter::Second, EventValue::LifePoints)),
          static_cast<const QWidget*>(m_eventPanel->roundLine()),
          static_cast<const QWidget*>(m_forecastLabel)}) {
        results |= QRect(shown->mapTo(content, QPoint(0, 0)), shown->size());
    }
    // Scrolls only as far as needed, and not at all where the results are in sight.
    m_scrollArea->ensureVisible(results.center().x(), results.center().y(), results.width() / 2 + 1,
                                results.height() / 2 + 1);
}

QSize TForm1::sizeWithoutScrolling() {
    const QSize content = m_scrollArea->sizeWithoutScrolling();
    return {content.width(), content.height() + menuBar()->sizeHint().height()};
}

FighterPanel& TForm1::panel(Fighter fighter) const {
    return *m_panels[engine::indexOf(fighter)];
}

FighterNames TForm1::fighterNames() const {
    return {panel(Fighter::First).displayName(), panel(Fighter::Second).displayName()};
}

} // namespace ui
