#include "ForecastView.h"

#include "ForecastText.h"
#include "engine/FightForecast.h"
#include "toolkit/gui/Announcement.h"
#include "toolkit/gui/Guarded.h"

#include <QAbstractButton>
#include <QLabel>

namespace ui {

ForecastView::ForecastView(ForecastPlace place, const engine::CombatState& state,
                           const engine::RoundWindow& window)
    : m_place(std::move(place)), m_state(state), m_window(window),
      m_announcement(new toolkit::Announcement(m_place.label->parentWidget())) {
    m_announcement->setObjectName(QStringLiteral("forecastAnnouncement"));
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, [this] { toolkit::guarded([this] { update(); }); });
    update();
}

void ForecastView::scheduleUpdate() {
    ++m_requestCount;
    if (!m_pending.isActive()) {
        m_pending.start();
    }
}

QString ForecastView::currentText() const {
    if (!m_place.roundButton->isEnabled()) {
        return decidedFightText();
    }
    return forecastText(engine::forecastFight(m_state, m_window), m_place.fighterNames());
}

void ForecastView::update() {
    m_pending.stop();
    ++m_updateCount;
    const QString text = currentText();
    QLabel* label = m_place.label;
    if (text == label->text()) {
        return;
    }
    // The first forecast comes with the window, not as news.
    const bool isNews = !label->text().isEmpty();
    label->setText(text);
    label->setAccessibleDescription(text);
    if (isNews) {
        m_announcement->announce(text);
    }
}

} // namespace ui
