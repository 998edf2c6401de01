#pragma once

class QString;

namespace ui {
class TForm1;
}

namespace tools {

// Writes, as JSON, where the main window and each of its named controls lie on the screen
// in logical pixels, whether each shows all of its text, and where each lies once the
// content has been scrolled to it, and where it lay as the window was left (scrolled as
// it was), so that a check outside the program can compare them with what the window
// manager reports. Leaves the content scrolled back to its start.
bool writeControlReport(ui::TForm1& window, const QString& path);

} // namespace tools
