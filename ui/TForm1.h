#pragma once

#include "engine/Fighter.h"
#include "roster/RosterMenuItems.h"
#include "ui/panels/FighterTexts.h"
#include "ui/panels/PanelLabels.h"

#include <QMainWindow>
#include <array>

class QAction;
class QMenu;
class QPushButton;

namespace toolkit {
class Announcement;
}

namespace ui {

class ContentScrollArea;
class EventPanel;
class FightLog;
class FighterPanel;

// The main window: both fighter panels, the event panel, the commands, the log and the
// menu with its shortcuts. It only lays them out; what they do is FightController's.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    FighterPanel& panel(engine::Fighter fighter) const;
    // What the texts call the fighters now: their typed names, "Kämpfer 1" without.
    FighterNames fighterNames() const;
    EventPanel& eventPanel() const { return *m_eventPanel; }
    FightLog& fightLog() const { return *m_fightLog; }
    // Tells a screen reader the result of each round.
    toolkit::Announcement& roundAnnouncement() const { return *m_roundAnnouncement; }
    // The labels the round reads and writes.
    QLabel* panelLabel(engine::PanelLabel label) const { return m_panelLabels[label]; }
    // "Prognose", kept up to date by ForecastView.
    QLabel* forecastLabel() const { return m_forecastLabel; }

    QPushButton* roundButton() const { return m_roundButton; }       // "Eine Runde generieren"
    QPushButton* standardButton() const { return m_standardButton; } // "Standartwerte …"
    QPushButton* endButton() const { return m_endButton; }           // "Ende"

    // The items of the menu.
    QAction* newFightItem() const { return m_newFightItem; }
    QAction* saveLogItem() const { return m_saveLogItem; }
    QAction* quitItem() const { return m_quitItem; }
    QAction* rematchItem() const { return m_rematchItem; }             // "Revanche"
    QAction* fightToTheEndItem() const { return m_fightToTheEndItem; } // "Kampf auswürfeln"
    QAction* rulesHelpItem() const { return m_rulesHelpItem; }         // "Regeln und Bedienung"
    QAction* defectListItem() const { return m_defectListItem; }
    QAction* changeListItem() const { return m_changeListItem; }
    QAction* copyrightItem() const { return m_copyrightItem; }
    QAction* takeBackRoundItem() const { return m_takeBackRoundItem; } // "Runde zurücknehmen"
    const roster::RosterMenuItems& rosterItems() const { return m_rosterItems; } // "Kämpfer"

    // The smallest window in which the content does not scroll.
    QSize sizeWithoutScrolling();
    // How the content is arranged for the window's width: 0 as drawn; 1 with the fighter
    // panels narrowed.
    static constexpr int arrangementCount = 2;
    int arrangement() const;
    // Scrolls the content, where the screen is too small for it, so that what a round
    // changes is in sight: both fighters' life points, the round line and the forecast.
    void bringRoundResultsIntoView();

private:
    void buildMenu();
    // "Revanche" and "Kampf auswürfeln".
    void addFightSequenceItems(QMenu* fight);
    void addRoundShortcut();
    void arrange(int step);

    PanelLabels m_panelLabels;
    std::array<FighterPanel*, 2> m_panels{};
    EventPanel* m_eventPanel = nullptr;
    QLabel* m_forecastLabel = nullptr;
    FightLog* m_fightLog = nullptr;
    ContentScrollArea* m_scrollArea = nullptr;
    toolkit::Announcement* m_roundAnnouncement = nullptr;
    QPushButton* m_roundButton = nullptr;
    QPushButton* m_standardButton = nullptr;
    QPushButton* m_endButton = nullptr;
    QAction* m_newFightItem = nullptr;
    QAction* m_saveLogItem = nullptr;
    QAction* m_quitItem = nullptr;
    QAction* m_rematchItem = nullptr;
    QAction* m_fightToTheEndItem = nullptr;
    QAction* m_rulesHelpItem = nullptr;
    QAction* m_defectListItem = nullptr;
    QAction* m_changeListItem = nullptr;
    QAction* m_copyrightItem = nullptr;
    QAction* m_takeBackRoundItem = nullptr;
    roster::RosterMenuItems m_rosterItems;
};

} // namespace ui
