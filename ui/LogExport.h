#pragma once

class QWidget;

namespace ui {

class FightLog;

// "Kampfverlauf speichern …": the whole log, as "Kampfverlauf kopieren" copies it, as
// UTF-8 text into a file the user picks. The only file the program writes. An existing
// file is replaced whole or not at all; a failure is shown in a box naming the file and
// the reason, and the log stays as it is.
void saveFightLog(FightLog& log, QWidget* dialogParent);

} // namespace ui
