#pragma once

#include "engine/CombatState.h"
#include "engine/RoundWindow.h"
#include "ui/panels/FighterTexts.h"

#include <QObject>
#include <QTimer>
#include <functional>

class QAbstractButton;
class QLabel;

namespace toolkit {
class Announcement;
}

namespace ui {

// What the forecast reads of the main window, and the label it shows in.
struct ForecastPlace {
    QLabel* label;
    // The fight is decided while it is disabled.
    const QAbstractButton* roundButton;
    std::function<FighterNames()> fighterNames;
};

// Keeps the forecast label up to date. The fight controller, whose handlers change
// everything the next round reads, asks for an update after each; the forecast is computed
// once the event loop is free again, so that a burst of changes costs one forecast and
// typing stays instant. A screen reader is told each new forecast.
class ForecastView : public QObject {
    Q_OBJECT
public:
    // The place's widgets, state and window must outlive the view.
    ForecastView(ForecastPlace place, const engine::CombatState& state,
                 const engine::RoundWindow& window);

    void scheduleUpdate();
    // The forecast now, in the label.
    void update();

    // How often an update was asked for, and how often one was computed.
    int requestCount() const { return m_requestCount; }
    int updateCount() const { return m_updateCount; }

private:
    QString currentText() const;

    ForecastPlace m_place;
    const engine::CombatState& m_state;
    const engine::RoundWindow& m_window;
    toolkit::Announcement* m_announcement;
    QTimer m_pending;
    int m_requestCount = 0;
    int m_updateCount = 0;
};

} // namespace ui
