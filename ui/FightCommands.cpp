#include "FightCommands.h"

#include "EventPanel.h"
#include "TForm1.h"

#include <QLabel>
#include <QLineEdit>
#include <array>
#include <utility>

namespace ui {

namespace {

void setEditText(TForm1& window, const char* editName, const QString& text) {
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(editName));
    Q_ASSERT(edit != nullptr);
    if (edit->text() != text) {
        edit->setText(text);
    }
}

void setLabelText(TForm1& window, const char* labelName, const QString& text) {
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(labelName));
    Q_ASSERT(label != nullptr);
    label->setText(text);
}

// In the order the fields are filled; Edit8 is fighter 2's endurance, Edit9 its life.
constexpr std::array<std::pair<const char*, const char*>, 14> standardValues{{
    {"Edit1", "15"},
    {"Edit2", "15"},
    {"Edit3", "10"},
    {"Edit4", "10"},
    {"Edit5", "70"},
    {"Edit6", "70"},
    {"Edit7", "70"},
    {"Edit8", "15"},
    {"Edit9", "15"},
    {"Edit10", "10"},
    {"Edit11", "10"},
    {"Edit12", "70"},
    {"Edit13", "70"},
    {"Edit14", "70"},
}};

constexpr std::array<const char*, 28> labelsZeroedByNewFight{
    "Label22", "Label23", "Label25", "Label26", "Label28", "Label29", "Label47",
    "Label48", "Label49", "Label50", "Label51", "Label52", "Label58", "Label59",
    "Label60", "Label61", "Label62", "Label63", "Label71", "Label72", "Label73",
    "Label74", "Label75", "Label76", "Label77", "Label78", "Label11", "Label41",
};

} // namespace

void fillStandardValues(TForm1& window) {
    for (const auto& [edit, value] : standardValues) {
        setEditText(window, edit, QString::fromLatin1(value));
    }
}

void resetFightDisplay(TForm1& window) {
    const QString zero = QStringLiteral("0");
    for (const char* label : labelsZeroedByNewFight) {
        setLabelText(window, label, zero);
    }
    for (int edit = 1; edit <= 14; ++edit) {
        setEditText(window, QStringLiteral("Edit%1").arg(edit).toLatin1().constData(), zero);
    }
    setLabelText(window, "Label1", QString());
    setLabelText(window, "Label10", QString());
    // The round count starts again, and so does the round line.
    setLabelText(window, "Label64", EventPanel::initialRoundLine());
}

} // namespace ui
