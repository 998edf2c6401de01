#include "FightLogText.h"

#include "toolkit/core/IntegerText.h"
#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/QtText.h"
#include "ui/panels/FighterTexts.h"
#include "ui/panels/ValueRows.h"

namespace ui {

namespace {

using engine::AttackOutcome;
using engine::Fighter;

// How the log names the values of valueRows, in the same order.
constexpr std::array<const char*, 7> valueNames{"LP", "AP", "Angriff", "Abwehr", "St", "Gs", "Gw"};
static_assert(valueNames.size() == std::tuple_size_v<decltype(FighterSetup::values)>);

// A label holds what the user typed. Plain whole numbers are shown as they are; anything
// else is isolated so that it cannot reorder the sentence around it, and kept on one line
// so that every line of the log stays one line.
QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = QLatin1Char(' ');
        }
    }
    return line;
}

QString typedValue(const QString& text) {
    if (const auto value = toolkit::tryParseInteger(toolkit::toStdString(text));
        value && toolkit::toQString(toolkit::integerText(*value)) == text) {
        return text;
    }
    return toolkit::isolated(oneLine(text));
}

QString valueText(std::size_t row, const QString& text) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(valueNames[row]), typedValue(text));
}

QString weaponText(const FighterSetup& setup) {
    if (setup.weapon.isEmpty()) {
        return setup.damageCode == QLatin1String("0")
                   ? QStringLiteral("keine Waffe")
                   : QStringLiteral("Schaden %1").arg(setup.damageCode);
    }
    return QStringLiteral("Waffe %1, Schaden %2").arg(setup.weapon, setup.damageCode);
}

QString armourText(const FighterSetup& setup) {
    return QStringLiteral("Rüstung %1").arg(setup.armour);
}

QString fireText(bool fireSensitive) {
    return fireSensitive ? QStringLiteral("feuerempfindlich")
                         : QStringLiteral("nicht feuerempfindlich");
}

// "7 + 10 = 17": the die, the skill value and the total.
QString sumText(std::int32_t die, std::int32_t skill, std::int32_t total) {
    const auto wideSkill = static_cast<qint64>(skill);
    return QStringLiteral("%1 %2 %3 = %4")
        .arg(die)
        .arg(wideSkill < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(wideSkill < 0 ? -wideSkill : wideSkill)
        .arg(total);
}

QString outcomeText(AttackOutcome outcome) {
    switch (outcome) {
    case AttackOutcome::Missed:
        // Why 17 against 14 is no hit: an attack below the minimum total always misses.
        return QStringLiteral("verfehlt (unter %1)").arg(engine::minimumAttackTotal);
    case AttackOutcome::Defended:
        return QStringLiteral("abgewehrt");
    case AttackOutcome::Hit:
        break;
    }
    return QStringLiteral("Treffer");
}

QString attackLine(const engine::RoundReport& report, const FighterNames& names, Fighter attacker) {
    const Fighter defender = engine::opponentOf(attacker);
    const QString& defenderName = nameOf(names, defender);
    const engine::FighterState& from = report.fighters[engine::indexOf(attacker)];
    const engine::FighterState& to = report.fighters[engine::indexOf(defender)];
    const engine::AttackReport& attack = report.attackBy[engine::indexOf(attacker)];
    QString line = QStringLiteral("%1 greift %2 an: Angriff %3 gegen Abwehr %4, %5")
                       .arg(nameOf(names, attacker), defenderName,
                            sumText(from.attackRoll, from.attackSkill, from.attackTotal),
                            sumText(to.defenceRoll, to.defenceSkill, to.defenceTotal),
                            outcomeText(attack.outcome));
    if (attack.outcome == AttackOutcome::Missed) {
        return line + QStringLiteral(". %1 verliert nichts.").arg(defenderName);
    }
    if (!attack.takesEffect) {
        return line + QStringLiteral(", aber ohne Wirkung (keine Waffe gewählt). %1 verliert "
                                     "nichts.")
                          .arg(defenderName);
    }
    return line + QStringLiteral(". Schaden %1, Rüstung %2: %3 verliert %4 AP und %5 LP.")
                      .arg(from.damageRoll)
                      .arg(to.armour)
                      .arg(defenderName)
                      .arg(attack.enduranceLost)
                      .arg(attack.lifeLost);
}

QString tallyLine(const engine::FightTally& tally, const FighterNames& names, Fighter attacker) {
    const engine::AttackTally& by = tally.attacksBy[engine::indexOf(attacker)];
    return QStringLiteral("%1: %2 Treffer, %3 abgewehrt, %4 verfehlt; %5 verlor dadurch %6 LP "
                          "und %7 AP.")
        .arg(nameOf(names, attacker))
        .arg(by.hits)
        .arg(by.defended)
        .arg(by.missed)
        .arg(nameOf(names, engine::opponentOf(attacker)))
        .arg(by.lifeDealt)
        .arg(by.enduranceDealt);
}

} // namespace

QString fightHeading(int fightNumber) {
    return QStringLiteral("Kampf %1").arg(fightNumber);
}

QString rematchHeading(int fightNumber) {
    return QStringLiteral("Kampf %1 (Revanche)").arg(fightNumber);
}

QString setupLine(Fighter fighter, const FighterSetup& setup) {
    // A name is told once beside the panel it was typed in.
    const QString name = setup.name == fighterText(fighter)
                             ? setup.name
                             : QStringLiteral("%1 (%2)").arg(setup.name, fighterText(fighter));
    QStringList values;
    for (std::size_t row = 0; row < setup.values.size(); ++row) {
        values << valueText(row, setup.values[row]);
    }
    QString line =
        QStringLiteral("%1: %2; %3; %4")
            .arg(name, values.join(QStringLiteral(", ")), weaponText(setup), armourText(setup));
    if (setup.fireSensitive) {
        line += QStringLiteral("; ") + fireText(true);
    }
    return line + QLatin1Char('.');
}

QStringList changeLines(const FighterSetup& before, const FighterSetup& now) {
    QStringList lines;
    if (now.name != before.name) {
        lines << QStringLiteral("%1 heißt jetzt %2.").arg(before.name, now.name);
    }
    QStringList parts;
    QStringList values;
    for (std::size_t row = 0; row < now.values.size(); ++row) {
        if (now.values[row] != before.values[row]) {
            values << valueText(row, now.values[row]);
        }
    }
    if (!values.isEmpty()) {
        parts << values.join(QStringLiteral(", "));
    }
    if (now.weapon != before.weapon || now.damageCode != before.damageCode) {
        parts << weaponText(now);
    }
    if (now.armour != before.armour) {
        parts << armourText(now);
    }
    if (now.fireSensitive != before.fireSensitive) {
        parts << fireText(now.fireSensitive);
    }
    if (!parts.isEmpty()) {
        lines << QStringLiteral("%1 geändert: %2.").arg(now.name, parts.join(QStringLiteral("; ")));
    }
    return lines;
}

QStringList roundEntry(const engine::RoundReport& report, const FighterNames& names) {
    const engine::FighterState& f1 = report.fighters[0];
    const engine::FighterState& f2 = report.fighters[1];
    return {QStringLiteral("Runde %1").arg(report.roundNumber),
            attackLine(report, names, Fighter::First), attackLine(report, names, Fighter::Second),
            QStringLiteral("Danach hat %1 %2 LP und %3 AP, %4 %5 LP und %6 AP.")
                .arg(nameOf(names, Fighter::First))
                .arg(f1.lifePoints)
                .arg(f1.endurancePoints)
                .arg(nameOf(names, Fighter::Second))
                .arg(f2.lifePoints)
                .arg(f2.endurancePoints)};
}

QStringList fightEndEntry(const engine::RoundReport& report, const engine::FightTally& tally,
                          const FighterNames& names) {
    QStringList lines;
    for (const Fighter fighter : engine::bothFighters) {
        if (report.hasLost[engine::indexOf(fighter)]) {
            lines << QStringLiteral("Kampfende: %1 hat verloren.").arg(nameOf(names, fighter));
        }
    }
    lines << (tally.rounds == 1 ? QStringLiteral("Bilanz nach 1 Runde:")
                                : QStringLiteral("Bilanz nach %1 Runden:").arg(tally.rounds));
    for (const Fighter fighter : engine::bothFighters) {
        lines << tallyLine(tally, names, fighter);
    }
    return lines;
}

QString fighterValueName(const QString& name, std::size_t row) {
    return QStringLiteral("%1, %2").arg(name, QString::fromLatin1(valueNames.at(row)));
}

QString failedValueText(const QString& name, std::size_t row, const QString& text) {
    // The conversion message isolates the typed text itself.
    const toolkit::ConversionError error(toolkit::toStdString(oneLine(text)));
    return QStringLiteral("%1: %2").arg(fighterValueName(name, row),
                                        toolkit::errorBoxText(toolkit::toQString(error.message())));
}

QString failedRoundLine(int roundNumber, const QString& failure) {
    return QStringLiteral("Runde %1 nicht ausgewertet: %2").arg(roundNumber).arg(failure);
}

QString takenBackRoundLine(int roundNumber) {
    return QStringLiteral("Runde %1 zurückgenommen").arg(roundNumber);
}

QString takenBackRoundsLine(int first, int last, bool furthest) {
    const QString line =
        first == last ? takenBackRoundLine(first)
                      : QStringLiteral("Runden %1 bis %2 zurückgenommen").arg(first).arg(last);
    return furthest ? QStringLiteral("%1. %2").arg(line, takeBackLimitText()) : line;
}

QString takeBackLimitText() {
    return QStringLiteral("Frühere Runden dieses Kampfes lassen sich nicht zurücknehmen.");
}

QString droppedRoundsNote(std::int64_t droppedRounds) {
    return QStringLiteral("(Die ersten %1 Runden dieses Kampfes sind nicht mehr im Kampfverlauf.)")
        .arg(droppedRounds);
}

QString droppedFightsNote(int lastDroppedFight) {
    return lastDroppedFight == 1
               ? QStringLiteral("(Kampf 1 ist nicht mehr im Kampfverlauf.)")
               : QStringLiteral("(Kampf 1 bis %1 sind nicht mehr im Kampfverlauf.)")
                     .arg(lastDroppedFight);
}

} // namespace ui
