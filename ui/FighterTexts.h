#pragma once

#include "engine/SharedTexts.h"
#include "toolkit/QtText.h"

#include <QString>

namespace ui {

// "Kämpfer 1": how the windows, the log and the screen reader name a fighter.
inline QString fighterText(engine::Fighter fighter) {
    return toolkit::toQString(engine::fighterName(fighter));
}

// "Kämpfer 1:": the title of the fighter's panel and its row caption in the event panel.
inline QString fighterCaption(engine::Fighter fighter) {
    return fighterText(fighter) + QLatin1Char(':');
}

} // namespace ui
