#pragma once

#include "ui/panels/FighterTexts.h"

#include <QDate>
#include <QString>

class QMainWindow;

namespace ui {

class FightLog;

// "Kampfverlauf speichern …": the whole log, as "Kampfverlauf kopieren" copies it, as
// UTF-8 text into a file the user picks, proposed in the documents folder with the day's
// date and any names the fighters were given in its name. The only file the program writes. An
// existing file is replaced whole or not at all; a failure is shown in a box naming the file and
// the reason, and the log stays as it is. The window's status bar says where a saved log went.
void saveFightLog(FightLog& log, const FighterNames& typedNames, QMainWindow* window);

// "Kampfverlauf-2026-12-09.txt", or with names "Kampfverlauf-Thorgrim-gegen-Ork-2026-12-09.txt";
// typedNames as typed into the "Name:" fields.
QString proposedLogFileName(const FighterNames& typedNames, QDate date);

} // namespace ui
