#include "ContentScrollArea.h"

namespace ui {

ContentScrollArea::ContentScrollArea(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("contentScrollArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // Tab goes straight to the controls; the area scrolls to whichever gets the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidget(content);
}

QSize ContentScrollArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(frame, frame);
}

QSize ContentScrollArea::sizeWithoutScrolling() const {
    const int frame = 2 * frameWidth();
    return widget()->minimumSizeHint() + QSize(frame, frame);
}

} // namespace ui
