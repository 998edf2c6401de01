#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QAction;

namespace ui {

// "Kampf auswürfeln": rounds one after another, each exactly what a press of "Eine Runde
// generieren" does, until the fight ends, a round fails or roundLimit rounds have passed.
// A few rounds run per turn of the event loop, so the window keeps answering and shows
// the round line and the log as they grow; the command is disabled meanwhile. Whoever
// changes the round number between two turns (a new fight, a round of their own) has
// taken the fight over, and the run stops.
class FightToTheEnd : public QObject {
    Q_OBJECT
public:
    static constexpr int roundLimit = 1000;
    static constexpr int roundsPerTurn = 10;

    struct Fight {
        std::function<bool()> playRound; // one press; false when the round failed
        std::function<bool()> goesOn;    // a next round can be generated
        std::function<std::int32_t()> roundNumber;
    };

    FightToTheEnd(QAction* command, Fight fight, QObject* parent);

    void start();
    bool isRunning() const { return m_running; }

private:
    void playTurn();
    void scheduleTurn();
    void finish();

    QAction* m_command;
    Fight m_fight;
    bool m_running = false;
    int m_roundsPlayed = 0;
    std::int32_t m_roundNumber = 0; // after the run's latest round
};

} // namespace ui
