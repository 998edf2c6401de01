#include "RosterNames.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace roster {

const StoredFighter* findFighter(const Fighters& fighters, const QString& name) {
    const auto found =
        std::find_if(fighters.begin(), fighters.end(),
                     [&](const StoredFighter& fighter) { return fighter.name == name; });
    return found == fighters.end() ? nullptr : &*found;
}

StoredFighter* findFighter(Fighters& fighters, const QString& name) {
    return const_cast<StoredFighter*>(findFighter(std::as_const(fighters), name));
}

QStringList sortedNames(const Fighters& fighters) {
    QStringList names;
    for (const StoredFighter& fighter : fighters) {
        names << fighter.name;
    }
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setNumericMode(true);
    std::stable_sort(names.begin(), names.end(), collator);
    return names;
}

QString unusedName(const QString& name, const Fighters& fighters) {
    if (findFighter(fighters, name) == nullptr) {
        return name;
    }
    for (int number = 2;; ++number) {
        const QString suffix = QStringLiteral(" (%1)").arg(number);
        const QString candidate = name.left(maximumNameLength - suffix.size()) + suffix;
        if (findFighter(fighters, candidate) == nullptr) {
            return candidate;
        }
    }
}

} // namespace roster
