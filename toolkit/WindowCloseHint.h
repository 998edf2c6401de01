#pragma once

class QWidget;

namespace toolkit {

// Asks the window manager to offer no close for window: no close button and no close
// from the window menu or a key. Qt asks for that only alongside a minimise or maximise
// button; a window with no title-bar buttons at all otherwise gets the manager's default
// buttons, close included. Call after the window's native window exists and before it is
// shown. Does nothing where the display is not X11.
void withholdWindowClose(QWidget& window);

} // namespace toolkit
