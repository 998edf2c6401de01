#pragma once

#include "MessageBox.h"
#include "QtText.h"
#include "toolkit/core/IntegerText.h"

#include <QString>
#include <exception>

namespace toolkit {

// The whole message of an error. A conversion error keeps its text in full, since what()
// ends at the first NUL character that pasted text may hold.
inline QString errorMessage(const std::exception& error) {
    if (const auto* conversion = dynamic_cast<const ConversionError*>(&error)) {
        return toQString(conversion->message());
    }
    return QString::fromUtf8(error.what());
}

// Runs an event handler and reports anything it throws in the error box, so that no
// exception ever crosses a signal-slot connection. What the handler did before the
// error stays done, and the program goes on with the next event.
template <typename Handler> void guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        showErrorBox(errorMessage(error));
    } catch (...) {
        showErrorBox(QString());
    }
}

} // namespace toolkit
