#pragma once

#include "HelpText.h"

class QMainWindow;

namespace ui::help {

// The keys of a main window, read from its commands themselves so that the help lists
// what the window really does: the Alt key of each menu, each menu command's shortcuts
// with the menu it is in, and the shortcuts of the window's own commands.
QList<KeyHelp> keysOf(const QMainWindow& window);

} // namespace ui::help
