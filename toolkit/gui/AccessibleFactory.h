#pragma once

namespace toolkit {

// Puts this program's own screen-reader interfaces in front of Qt's: line edits with safe
// text boundaries, drop-downs with their own names, value labels that say what they
// mean, choice windows as dialogs, groups of controls as groups and the round
// announcement as a notification. Call once the application object exists and before
// the windows are created; calling it again does nothing.
void installAccessibleFactory();

} // namespace toolkit
