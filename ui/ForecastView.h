#pragma once

#include "engine/CombatState.h"
#include "engine/RoundWindow.h"

#include <QLabel>
#include <QObject>
#include <QTimer>

namespace toolkit {
class Announcement;
}

namespace ui {

class TForm1;

// "Prognose": the main window's label with the odds of the fight as the next round would
// start it, laid out by the main window.
class ForecastLabel : public QLabel {
    Q_OBJECT
public:
    explicit ForecastLabel(QWidget* parent);
    bool hasHeightForWidth() const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // Three lines, whatever the text: the longest forecast takes three where the column
    // is narrow, and a height that followed the text would move the log with every forecast.
    int reservedHeight() const;
};

// Keeps the forecast label up to date. The fight controller, whose handlers change
// everything the next round reads, asks for an update after each; the forecast is computed
// once the event loop is free again, so that a burst of changes costs one forecast and
// typing stays instant. A screen reader is told each new forecast.
class ForecastView : public QObject {
    Q_OBJECT
public:
    // form, state and window must outlive the view.
    ForecastView(TForm1& form, const engine::CombatState& state, const engine::RoundWindow& window);

    void scheduleUpdate();
    // The forecast now, in the label.
    void update();

    // How often an update was asked for, and how often one was computed.
    int requestCount() const { return m_requestCount; }
    int updateCount() const { return m_updateCount; }

private:
    QString currentText() const;

    TForm1& m_form;
    const engine::CombatState& m_state;
    const engine::RoundWindow& m_window;
    toolkit::Announcement* m_announcement;
    QTimer m_pending;
    int m_requestCount = 0;
    int m_updateCount = 0;
};

} // namespace ui
