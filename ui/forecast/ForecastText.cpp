#include "ForecastText.h"

#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/QtText.h"
#include "ui/log/FightLogText.h"
#include "ui/panels/EventValue.h"
#include "ui/panels/ValueRows.h"

#include <QLocale>

namespace ui {

namespace {

using engine::Fighter;

QString oneDecimal(double value) {
    return QLocale(QLocale::German).toString(value, 'f', 1);
}

QString percent(double probability) {
    return oneDecimal(100 * probability) + QStringLiteral(" %");
}

QString prefixed(const QString& text) {
    return QStringLiteral("Prognose: ") + text;
}

struct TextOf {
    const FighterNames& names;

    QString operator()(const engine::ForecastFigures& figures) const {
        return prefixed(QStringLiteral("%1 gewinnt %2, %3 %4, beide fallen %5, im Mittel %6 Runden")
                            .arg(nameOf(names, Fighter::First), percent(figures.fighter1Wins),
                                 nameOf(names, Fighter::Second), percent(figures.fighter2Wins),
                                 percent(figures.bothFall), oneDecimal(figures.expectedRounds)));
    }
    QString operator()(const engine::UnreadableValue& unreadable) const {
        if (const auto value = valueRowReadFrom(unreadable.label)) {
            // The typed text itself is left out: it may be of any length.
            return prefixed(fighterValueName(nameOf(names, value->fighter), value->row) +
                            QStringLiteral(" ist keine Zahl"));
        }
        return prefixed(toolkit::errorBoxText(toolkit::toQString(unreadable.message)));
    }
    QString operator()(const engine::NobodyCanFall&) const {
        return prefixed(QStringLiteral("keiner der Kämpfer kann fallen"));
    }
    QString operator()(const engine::TooLargeToCompute&) const {
        return prefixed(QStringLiteral("zu aufwendig, um sie genau zu berechnen"));
    }
};

} // namespace

QString forecastText(const engine::FightForecast& forecast, const FighterNames& names) {
    return std::visit(TextOf{names}, forecast);
}

QString decidedFightText() {
    return prefixed(QStringLiteral("der Kampf ist entschieden"));
}

} // namespace ui
