#pragma once

#include "toolkit/IsolatedText.h"

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

// Typed text for display inside other text; see isolated().
inline QString isolated(const QString& typed) {
    return toQString(firstStrongIsolate) + typed + toQString(popDirectionalIsolate);
}

} // namespace toolkit
