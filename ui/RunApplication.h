#pragma once

namespace ui {

// Creates the windows, runs the event loop until the main window is closed, and shows
// any error that escapes on the way. Always returns 0.
int runApplication(int& argc, char** argv);

} // namespace ui
