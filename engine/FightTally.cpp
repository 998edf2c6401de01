#include "FightTally.h"

namespace engine {

void FightTally::add(const RoundReport& report) {
    ++rounds;
    for (const Fighter attacker : bothFighters) {
        const AttackReport& attack = report.attackBy[indexOf(attacker)];
        AttackTally& tally = attacksBy[indexOf(attacker)];
        switch (attack.outcome) {
        case AttackOutcome::Missed:
            ++tally.missed;
            break;
        case AttackOutcome::Defended:
            ++tally.defended;
            break;
        case AttackOutcome::Hit:
            ++tally.hits;
            break;
        }
        tally.lifeDealt += attack.lifeLost;
        tally.enduranceDealt += attack.enduranceLost;
    }
}

} // namespace engine
