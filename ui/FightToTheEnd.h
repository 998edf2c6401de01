#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QAction;
class QWidget;

namespace ui {

// "Kampf auswürfeln": rounds one after another, each exactly what a press of "Eine Runde
// generieren" does, until the fight ends, a round fails or roundLimit rounds have passed.
// A few rounds run per turn of the event loop, so the window keeps answering and shows
// the round line and the log as they grow; the command is disabled meanwhile, and
// whenever the round button is, that is after the fight has ended. A fight nobody can
// lose is not started. Whoever plays a round of their own (between two turns, or while a
// box of the run is open) or calls stop() has taken the fight over, and the run ends for
// good: it never carries on into the fight that follows.
class FightToTheEnd : public QObject {
    Q_OBJECT
public:
    static constexpr int roundLimit = 1000;
    static constexpr int roundsPerTurn = 10;

    struct Fight {
        std::function<bool()> playRound; // one press; false when the round failed
        std::function<std::int32_t()> roundNumber;
        std::function<bool()> nobodyCanFall;
    };

    // The command is enabled while roundButton is and no run is going on.
    FightToTheEnd(QAction* command, QWidget* roundButton, Fight fight, QObject* parent);

    void start();
    // For a new fight, a rematch or a taken-back round.
    void stop();
    bool isRunning() const { return m_running; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool goesOn() const;
    void playTurn(std::uint64_t run);
    void scheduleTurn(std::uint64_t run);
    void finish();
    void updateCommand();

    QAction* m_command;
    QWidget* m_roundButton;
    Fight m_fight;
    bool m_running = false;
    // Counts the runs started and stopped; a turn or a round of an earlier run sees that
    // it no longer belongs to the current one.
    std::uint64_t m_run = 0;
    int m_roundsPlayed = 0;
    std::int32_t m_roundNumber = 0; // after the run's latest round
};

} // namespace ui
