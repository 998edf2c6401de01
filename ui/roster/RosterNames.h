#pragma once

#include "RosterFormat.h"

#include <QString>
#include <QStringList>

namespace roster {

// The fighter of that name, or nullptr.
const StoredFighter* findFighter(const Fighters& fighters, const QString& name);
StoredFighter* findFighter(Fighters& fighters, const QString& name);

// The names as the menus list them: in German collation.
QStringList sortedNames(const Fighters& fighters);

// name itself when no fighter has it, otherwise "name (2)", "name (3)" … shortened where
// needed to stay within the length a name may have.
QString unusedName(const QString& name, const Fighters& fighters);

} // namespace roster
