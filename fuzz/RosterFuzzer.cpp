// Arbitrary bytes as a roster file. Reading never fails other than with a reason; what it
// accepts has valid, distinct names and writes back to exactly the same fighters.
#include "FuzzCheck.h"
#include "ui/roster/RosterFormat.h"

#include <QSet>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const roster::RosterReading reading = roster::readRoster(bytes);
    if (const auto* problem = std::get_if<roster::RosterProblem>(&reading)) {
        fuzz::check(!problem->reason.isEmpty(), "a refused roster says why");
        return 0;
    }
    const roster::Fighters& fighters = std::get<roster::Fighters>(reading);
    QSet<QString> names;
    for (const roster::StoredFighter& fighter : fighters) {
        fuzz::check(roster::isValidName(fighter.name), "every name is one a fighter can have");
        names.insert(fighter.name);
    }
    fuzz::check(names.size() == static_cast<qsizetype>(fighters.size()), "names are distinct");
    const roster::RosterReading again = roster::readRoster(roster::writeRoster(fighters));
    fuzz::check(std::holds_alternative<roster::Fighters>(again) &&
                    std::get<roster::Fighters>(again) == fighters,
                "what was read writes back to the same fighters");
    return 0;
}
