#include "FightCommands.h"

#include "TForm1.h"
#include "ui/panels/EventPanel.h"
#include "ui/panels/FighterPanel.h"
#include "ui/panels/ValueRows.h"

#include <QLabel>
#include <QLineEdit>

namespace ui {

namespace {

using engine::Fighter;

void setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
    }
}

// Every value field of both fighters, Edit1 to Edit14, with the text it gets.
template <typename TextOfRow> void fillValueFields(TForm1& window, TextOfRow textOfRow) {
    for (const Fighter fighter : engine::bothFighters) {
        const FighterPanel& panel = window.panel(fighter);
        for (const std::size_t row : panel.rowsInTabOrder()) {
            setEditText(panel.edits[row], textOfRow(row));
        }
    }
}

} // namespace

void fillStandardValues(TForm1& window) {
    fillValueFields(
        window, [](std::size_t row) { return QString::fromLatin1(valueRows[row].standardValue); });
}

void resetFightDisplay(TForm1& window) {
    const QString zero = QStringLiteral("0");
    for (std::size_t value = 0; value < eventValueCount; ++value) {
        for (const Fighter fighter : engine::bothFighters) {
            window.eventPanel().value(fighter, static_cast<EventValue>(value))->setText(zero);
        }
    }
    for (const Fighter fighter : engine::bothFighters) {
        window.panel(fighter).damageCode->setText(zero);
    }
    fillValueFields(window, [&zero](std::size_t) { return zero; });
    for (const Fighter fighter : engine::bothFighters) {
        window.panel(fighter).attackType->setText(QString());
    }
    // The round count starts again, and so does the round line.
    window.eventPanel().roundLine()->setText(EventPanel::initialRoundLine());
}

void resetRematchDisplay(TForm1& window) {
    const QString zero = QStringLiteral("0");
    for (const Fighter fighter : engine::bothFighters) {
        EventPanel& panel = window.eventPanel();
        for (const EventValue result :
             {EventValue::DamageShown, EventValue::AttackRoll, EventValue::AttackTotal,
              EventValue::DefenceRoll, EventValue::DefenceTotal}) {
            panel.value(fighter, result)->setText(zero);
        }
        // The rows whose label is the value the round starts from, not a copy of it.
        for (std::size_t row = 0; row < valueRowCount; ++row) {
            if (valueRows[row].storedIn == nullptr) {
                panel.value(fighter, valueRows[row].shownIn)
                    ->setText(window.panel(fighter).edits[row]->text());
            }
        }
    }
    window.eventPanel().roundLine()->setText(EventPanel::initialRoundLine());
}

} // namespace ui
