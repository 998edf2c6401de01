#pragma once

#include <QScrollArea>
#include <QTimer>
#include <functional>
#include <vector>

namespace ui {

// Holds the main window's content. Where the screen is narrower than the content's widest
// arrangement needs (a large desktop font, a high scale factor), the content takes the
// widest of its narrower arrangements that fits; where even the narrowest does not fit,
// it scrolls instead of being cut off, so every control stays reachable. The window
// still asks for the widest arrangement's full size, so nothing changes where the screen
// has room.
class ContentScrollArea : public QScrollArea {
    Q_OBJECT
public:
    // arrange(step) lays the content out in its arrangement number step, 0 the widest,
    // steps - 1 the narrowest.
    ContentScrollArea(QWidget* content, int steps, std::function<void(int step)> arrange,
                      QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The narrowest arrangement's smallest size plus this area's frame: below it, the
    // content scrolls.
    QSize sizeWithoutScrolling();
    int arrangement() const { return m_step; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange(int step);
    QSize minimumFor(int step);
    bool fits(const QSize& needed) const;
    // The widest arrangement that fits, else the narrowest.
    void chooseArrangement();

    std::function<void(int)> m_arrange;
    int m_step = 0;
    // What each arrangement needs, measured when it was last in force.
    std::vector<QSize> m_minimum;
    QTimer m_pendingChoice;
};

} // namespace ui
