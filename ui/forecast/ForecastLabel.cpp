#include "ForecastLabel.h"

namespace ui {

ForecastLabel::ForecastLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Prognose"));
    setAccessibleName(QStringLiteral("Kampfprognose"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // A one-line forecast stays where the first line of a two-line one starts.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

bool ForecastLabel::hasHeightForWidth() const {
    // One height at any width: a height that followed the width would let the content need
    // more room than the window's minimum, and the window would scroll.
    return false;
}

QSize ForecastLabel::sizeHint() const {
    return {QLabel::sizeHint().width(), reservedHeight()};
}

QSize ForecastLabel::minimumSizeHint() const {
    return {QLabel::minimumSizeHint().width(), reservedHeight()};
}

int ForecastLabel::reservedHeight() const {
    const QMargins margins = contentsMargins();
    return 3 * fontMetrics().lineSpacing() + margins.top() + margins.bottom() + 2 * margin();
}

} // namespace ui
