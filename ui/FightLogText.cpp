#include "FightLogText.h"

#include "toolkit/MessageBox.h"

namespace ui {

namespace {

using engine::AttackOutcome;
using engine::Fighter;

QString fighterName(Fighter fighter) {
    return fighter == Fighter::First ? QStringLiteral("Kämpfer 1") : QStringLiteral("Kämpfer 2");
}

QString outcomeText(const engine::AttackReport& attack) {
    QString text;
    switch (attack.outcome) {
    case AttackOutcome::Missed:
        text = QStringLiteral("verfehlt");
        break;
    case AttackOutcome::Defended:
        text = QStringLiteral("abgewehrt");
        break;
    case AttackOutcome::Hit:
        text = QStringLiteral("Treffer");
        break;
    }
    if (!attack.takesEffect && attack.outcome != AttackOutcome::Missed) {
        text += QStringLiteral(", ohne Wirkung (keine Waffe gewählt)");
    }
    return text;
}

QString fighterLine(const engine::RoundReport& report, Fighter fighter) {
    const engine::FighterState& state = report.fighters[engine::indexOf(fighter)];
    const engine::AttackReport& ownAttack = report.attackBy[engine::indexOf(fighter)];
    const engine::AttackReport& suffered =
        report.attackBy[engine::indexOf(engine::opponentOf(fighter))];
    return QStringLiteral("%1: Schaden %2, Angriff %3 (gesamt %4), Abwehr %5 (gesamt %6), "
                          "Angriff: %7; verliert %8 LP und %9 AP, bleiben %10 LP und %11 AP.")
        .arg(fighterName(fighter))
        .arg(state.damageRoll)
        .arg(state.attackRoll)
        .arg(state.attackTotal)
        .arg(state.defenceRoll)
        .arg(state.defenceTotal)
        .arg(outcomeText(ownAttack))
        .arg(suffered.lifeLost)
        .arg(suffered.enduranceLost)
        .arg(state.lifePoints)
        .arg(state.endurancePoints);
}

} // namespace

QStringList roundEntry(const engine::RoundReport& report) {
    QStringList lines{QStringLiteral("Runde %1").arg(report.roundNumber)};
    for (const Fighter fighter : engine::bothFighters) {
        lines << fighterLine(report, fighter);
    }
    for (const Fighter fighter : engine::bothFighters) {
        if (report.hasLost[engine::indexOf(fighter)]) {
            lines << QStringLiteral("Kampfende: %1 hat verloren.").arg(fighterName(fighter));
        }
    }
    return lines;
}

QString fightHeading(int fightNumber) {
    return QStringLiteral("Kampf %1").arg(fightNumber);
}

QString failedRoundLine(int roundNumber, const QString& message) {
    return QStringLiteral("Runde %1 nicht ausgewertet: %2")
        .arg(roundNumber)
        .arg(toolkit::errorBoxText(message));
}

} // namespace ui
