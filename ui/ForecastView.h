#pragma once

#include "engine/CombatState.h"
#include "engine/RoundWindow.h"

#include <QObject>
#include <QTimer>

namespace toolkit {
class Announcement;
}

namespace ui {

class TForm1;

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
