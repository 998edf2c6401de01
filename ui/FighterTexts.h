#pragma once

#include "engine/SharedTexts.h"
#include "toolkit/QtText.h"

#include <QString>

namespace ui {

// "Kämpfer 1": how the windows, the log and the screen reader name a fighter.
inline QString fighterText(engine::Fighter fighter) {
    return toolkit::toQString(engine::fighterName(fighter));
}

// The most characters a fighter's name may have.
inline constexpr int maximumNameLength = 40;

// The name typed into the fighter's "Name:" field, or "Kämpfer 1" while it is blank.
inline QString fighterDisplayName(engine::Fighter fighter, const QString& typedName) {
    const QString name = typedName.trimmed();
    return name.isEmpty() ? fighterText(fighter) : name;
}

// "Kämpfer 1:": the title of the fighter's panel and its row caption in the event panel.
inline QString fighterCaption(engine::Fighter fighter) {
    return fighterText(fighter) + QLatin1Char(':');
}

} // namespace ui
