#include "FightToTheEnd.h"

#include "toolkit/Guarded.h"
#include "toolkit/MessageBox.h"

#include <QAction>
#include <QTimer>
#include <utility>

namespace ui {

FightToTheEnd::FightToTheEnd(QAction* command, Fight fight, QObject* parent)
    : QObject(parent), m_command(command), m_fight(std::move(fight)) {}

void FightToTheEnd::start() {
    if (m_running || !m_fight.goesOn()) {
        return;
    }
    m_running = true;
    m_roundsPlayed = 0;
    m_roundNumber = m_fight.roundNumber();
    m_command->setEnabled(false);
    playTurn();
}

void FightToTheEnd::scheduleTurn() {
    QTimer::singleShot(0, this, [this] { toolkit::guarded([this] { playTurn(); }); });
}

void FightToTheEnd::playTurn() {
    if (m_fight.roundNumber() != m_roundNumber || !m_fight.goesOn()) {
        finish();
        return;
    }
    for (int round = 0; round < roundsPerTurn; ++round) {
        if (!m_fight.playRound() || !m_fight.goesOn()) {
            finish();
            return;
        }
        m_roundNumber = m_fight.roundNumber();
        if (++m_roundsPlayed == roundLimit) {
            finish();
            toolkit::showMessageBox(
                QStringLiteral("Nach %1 Runden ist der Kampf noch nicht entschieden.")
                    .arg(roundLimit),
                QStringLiteral("Kampf auswürfeln"));
            return;
        }
    }
    scheduleTurn();
}

void FightToTheEnd::finish() {
    m_running = false;
    m_command->setEnabled(true);
}

} // namespace ui
