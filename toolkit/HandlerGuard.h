#pragma once

#include "IntegerText.h"
#include "MessageBox.h"

#include <QString>
#include <exception>

namespace toolkit {

// Runs an event handler and reports anything it throws in the error box, so that no
// exception ever crosses a signal-slot connection. What the handler did before the
// error stays done, and the program goes on with the next event.
template <typename Handler> void guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const ConversionError& error) {
        const std::string& message = error.message();
        showErrorBox(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    } catch (const std::exception& error) {
        showErrorBox(QString::fromUtf8(error.what()));
    } catch (...) {
        showErrorBox(QString());
    }
}

} // namespace toolkit
