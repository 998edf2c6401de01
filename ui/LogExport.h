#pragma once

class QMainWindow;

namespace ui {

class FightLog;

// "Kampfverlauf speichern …": the whole log, as "Kampfverlauf kopieren" copies it, as
// UTF-8 text into a file the user picks, proposed in the documents folder with the day's
// date in its name. The only file the program writes. An existing file is replaced whole
// or not at all; a failure is shown in a box naming the file and the reason, and the log
// stays as it is. The window's status bar says where a saved log went.
void saveFightLog(FightLog& log, QMainWindow* window);

} // namespace ui
