#include "WindowCloseHint.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cstdint>
#include <cstdlib>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace toolkit {

void withholdWindowClose([[maybe_unused]] QWidget& window) {
#if QT_CONFIG(xcb)
    // Other platforms, the headless one included, may answer as X11 without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || connection == nullptr ||
        window.windowHandle() == nullptr) {
        return;
    }
    static constexpr char atomName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof atomName - 1, atomName), nullptr);
    if (atom == nullptr) {
        return;
    }
    // The Motif hints every common window manager reads: flags, functions, decorations,
    // input mode, status. Moving and resizing stay allowed; a frame and a title, no buttons.
    enum : std::uint32_t { functionsGiven = 1, decorationsGiven = 2 };
    enum : std::uint32_t { resize = 2, move = 4 };
    enum : std::uint32_t { border = 2, resizeHandles = 4, title = 8 };
    const std::array<std::uint32_t, 5> hints{functionsGiven | decorationsGiven, resize | move,
                                             border | resizeHandles | title, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.windowHandle()->winId()), atom->atom,
                        atom->atom, 32, static_cast<std::uint32_t>(hints.size()), hints.data());
    std::free(atom);
    xcb_flush(connection);
#endif
}

} // namespace toolkit
