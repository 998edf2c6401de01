#pragma once

#include "engine/SharedTexts.h"
#include "toolkit/gui/QtText.h"

#include <QString>
#include <array>

namespace ui {

// "Kämpfer 1": how the windows, the log and the screen reader name a fighter.
inline QString fighterText(engine::Fighter fighter) {
    return toolkit::toQString(engine::fighterName(fighter));
}

// The most characters a fighter's name may have.
inline constexpr int maximumNameLength = 40;

// The name typed into the fighter's "Name:" field, or "Kämpfer 1" while it is blank. A
// typed name is shown inside sentences, so it is isolated where it could reorder them.
inline QString fighterDisplayName(engine::Fighter fighter, const QString& typedName) {
    const QString name = typedName.trimmed();
    return name.isEmpty() ? fighterText(fighter) : toolkit::isolated(name);
}

// What the program's own texts call each fighter, indexed by engine::indexOf(fighter).
using FighterNames = std::array<QString, 2>;

// The names before any is typed: "Kämpfer 1" and "Kämpfer 2".
inline FighterNames defaultFighterNames() {
    return {fighterText(engine::Fighter::First), fighterText(engine::Fighter::Second)};
}

inline const QString& nameOf(const FighterNames& names, engine::Fighter fighter) {
    return names[engine::indexOf(fighter)];
}

// "Kämpfer 1:": the title of the fighter's panel and its row caption in the event panel.
inline QString fighterCaption(engine::Fighter fighter) {
    return fighterText(fighter) + QLatin1Char(':');
}

} // namespace ui
