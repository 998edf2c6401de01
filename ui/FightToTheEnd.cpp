#include "FightToTheEnd.h"

#include "engine/Arithmetic.h"
#include "toolkit/gui/Guarded.h"
#include "toolkit/gui/MessageBox.h"

#include <QAction>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace ui {

namespace {

QString commandTitle() {
    return QStringLiteral("Kampf auswürfeln");
}

} // namespace

FightToTheEnd::FightToTheEnd(QAction* command, QWidget* roundButton, Fight fight, QObject* parent)
    : QObject(parent), m_command(command), m_roundButton(roundButton), m_fight(std::move(fight)) {
    m_roundButton->installEventFilter(this);
    updateCommand();
}

bool FightToTheEnd::goesOn() const {
    return m_roundButton->isEnabled();
}

void FightToTheEnd::start() {
    if (m_running || !goesOn()) {
        return;
    }
    if (m_fight.nobodyCanFall()) {
        toolkit::showMessageBox(
            QStringLiteral("Keiner der Kämpfer kann fallen; der Kampf würde nie enden."),
            commandTitle());
        return;
    }
    m_running = true;
    m_roundsPlayed = 0;
    m_roundNumber = m_fight.roundNumber();
    updateCommand();
    playTurn(++m_run);
}

void FightToTheEnd::stop() {
    if (m_running) {
        ++m_run;
        m_running = false;
    }
    updateCommand();
}

void FightToTheEnd::scheduleTurn(std::uint64_t run) {
    QTimer::singleShot(0, this, [this, run] { toolkit::guarded([this, run] { playTurn(run); }); });
}

void FightToTheEnd::playTurn(std::uint64_t run) {
    if (run != m_run || !m_running) {
        return;
    }
    if (m_fight.roundNumber() != m_roundNumber || !goesOn()) {
        finish();
        return;
    }
    for (int round = 0; round < roundsPerTurn; ++round) {
        const bool played = m_fight.playRound();
        // The round may have shown a box, and whatever ran while it was open may have
        // stopped this run, started another or played a round of its own.
        if (run != m_run) {
            return;
        }
        const std::int32_t expected = engine::wrappingAdd(m_roundNumber, 1);
        if (!played || !goesOn() || m_fight.roundNumber() != expected) {
            finish();
            return;
        }
        m_roundNumber = expected;
        if (++m_roundsPlayed == roundLimit) {
            finish();
            toolkit::showMessageBox(
                QStringLiteral("Nach %1 Runden ist der Kampf noch nicht entschieden.")
                    .arg(roundLimit),
                commandTitle());
            return;
        }
    }
    scheduleTurn(run);
}

void FightToTheEnd::finish() {
    ++m_run;
    m_running = false;
    updateCommand();
}

void FightToTheEnd::updateCommand() {
    m_command->setEnabled(!m_running && goesOn());
}

bool FightToTheEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_roundButton && event->type() == QEvent::EnabledChange) {
        updateCommand();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
