#pragma once

#include "toolkit/core/IsolatedText.h"

#include <QString>
#include <string>
#include <string_view>

namespace toolkit {

// The engine speaks UTF-8; the widgets speak QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

// Typed text for display inside other text; see isolated(). Text that needs no isolation
// comes back as the very same string.
inline QString isolated(const QString& typed) {
    const std::string text = toStdString(typed);
    if (!needsIsolation(text)) {
        return typed;
    }
    return toQString(isolated(std::string_view(text)));
}

} // namespace toolkit
