#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace tools {

// What a control needs to show all of its text, or an empty size if it holds none.
inline QSize roomForText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        // A wrapped text needs its longest word's width and all its lines at the width it has.
        return label->wordWrap()
                   ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                   : label->sizeHint();
    }
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr ||
        qobject_cast<const QMenuBar*>(widget) != nullptr) {
        return widget->sizeHint();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
        // Wide enough for its longest entry, whichever gets chosen.
        return box->sizeHint();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return {edit->minimumSizeHint().width(), edit->sizeHint().height()};
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->minimumSizeHint(); // the title and everything inside
    }
    return {};
}

inline bool hasRoomForText(const QWidget* widget) {
    const QSize needed = roomForText(widget);
    return !needed.isValid() ||
           (widget->width() >= needed.width() && widget->height() >= needed.height());
}

} // namespace tools
