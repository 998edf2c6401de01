#pragma once

#include <QScrollArea>

namespace ui {

// Holds the main window's content. Where the screen is smaller than the content needs (a
// large desktop font, a high scale factor on a small screen), the content scrolls instead
// of being cut off, so every control stays reachable. The window still asks for the
// content's full size, so nothing scrolls where the screen has room.
class ContentScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit ContentScrollArea(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The content's smallest size plus this area's frame: below it, the content scrolls.
    QSize sizeWithoutScrolling() const;
};

} // namespace ui
