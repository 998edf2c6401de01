#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace roster {

// The menu "Kämpfer": save either fighter, load either from the roster, and edit, export
// and import the roster.
struct RosterMenuItems {
    QMenu* menu = nullptr;
    std::array<QAction*, 2> save{}; // indexed by engine::indexOf(fighter)
    std::array<QMenu*, 2> load{};   // filled with the roster's names when opened
    QAction* edit = nullptr;
    QAction* exportRoster = nullptr;
    QAction* importRoster = nullptr;
};

// Appends the menu to the bar.
RosterMenuItems addRosterMenu(QMenuBar* bar);

} // namespace roster
