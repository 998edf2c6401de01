#include "ContentScrollArea.h"

#include "toolkit/gui/Guarded.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace ui {

ContentScrollArea::ContentScrollArea(QWidget* content, int steps,
                                     std::function<void(int step)> arrange, QWidget* parent)
    : QScrollArea(parent), m_arrange(std::move(arrange)),
      m_minimum(static_cast<std::size_t>(steps)) {
    setObjectName(QStringLiteral("contentScrollArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // Tab goes straight to the controls; the area scrolls to whichever gets the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidget(content);
    // A text or font that changes what the content needs is seen once the change is laid
    // out, not in the middle of it.
    m_pendingChoice.setSingleShot(true);
    m_pendingChoice.setInterval(0);
    connect(&m_pendingChoice, &QTimer::timeout, this,
            [this] { toolkit::guarded([this] { chooseArrangement(); }); });
    content->installEventFilter(this);
}

QSize ContentScrollArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(frame, frame);
}

QSize ContentScrollArea::sizeWithoutScrolling() {
    const int inForce = m_step;
    const QSize needed = minimumFor(static_cast<int>(m_minimum.size()) - 1);
    arrange(inForce);
    const int frame = 2 * frameWidth();
    return needed + QSize(frame, frame);
}

void ContentScrollArea::resizeEvent(QResizeEvent* event) {
    chooseArrangement();
    QScrollArea::resizeEvent(event);
}

bool ContentScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget()) {
        switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::StyleChange:
            std::fill(m_minimum.begin(), m_minimum.end(), QSize());
            m_pendingChoice.start();
            break;
        case QEvent::LayoutRequest:
            m_pendingChoice.start();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void ContentScrollArea::arrange(int step) {
    if (step != m_step) {
        m_step = step;
        m_arrange(step);
    }
}

QSize ContentScrollArea::minimumFor(int step) {
    arrange(step);
    const QSize needed = widget()->minimumSizeHint();
    m_minimum[static_cast<std::size_t>(step)] = needed;
    return needed;
}

bool ContentScrollArea::fits(const QSize& needed) const {
    const QSize room = maximumViewportSize();
    // Content taller than the area brings a vertical scroll bar, which takes width.
    const int width = needed.height() > room.height()
                          ? room.width() - verticalScrollBar()->sizeHint().width()
                          : room.width();
    return needed.width() <= width;
}

void ContentScrollArea::chooseArrangement() {
    const int narrowest = static_cast<int>(m_minimum.size()) - 1;
    int chosen = m_step;
    if (!fits(minimumFor(chosen))) {
        while (chosen < narrowest && !fits(minimumFor(chosen + 1))) {
            ++chosen;
        }
        arrange(std::min(chosen + 1, narrowest));
        return;
    }
    // A wider one is tried only where it fitted when last measured, or was never measured;
    // measured again in force, since a text may have widened it since.
    while (chosen > 0) {
        const QSize& known = m_minimum[static_cast<std::size_t>(chosen - 1)];
        if ((known.isValid() && !fits(known)) || !fits(minimumFor(chosen - 1))) {
            break;
        }
        --chosen;
    }
    arrange(chosen);
}

} // namespace ui
