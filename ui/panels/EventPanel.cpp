#include "EventPanel.h"

#include "FighterControlNames.h"
#include "FighterTexts.h"
#include "PanelLabels.h"
#include "toolkit/gui/ValueLabel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

namespace ui {

namespace {

using engine::Fighter;
using engine::FighterControls;

// One value column. Its labels are either the round's own, named by the engine, or
// named in the fighter's table of control names; exactly one of the two is set.
struct Column {
    const char* heading;
    const char* headingText;
    EventValue value;
    engine::PanelLabel FighterControls::*roundLabel;
    const char* FighterControlNames::*ownLabel;
    // What a screen reader says of the value, after the fighter.
    const char* spokenName;
    const char* description;
};

struct Block {
    std::size_t rowCaption; // in FighterControlNames::eventRowCaptions
    std::vector<Column> columns;
};

const std::array<Block, 4>& blocks() {
    static const std::array<Block, 4> table{{
        {0,
         {{"Label21", "LP verbleibend:", EventValue::LifePoints, &FighterControls::lifePoints,
           nullptr, "LP verbleibend", "Lebenspunkte, die dem Kämpfer bleiben"},
          {"Label24", "AP verbleibend:", EventValue::EndurancePoints,
           &FighterControls::endurancePoints, nullptr, "AP verbleibend",
           "Ausdauerpunkte, die dem Kämpfer bleiben"},
          {"Label27", "Schaden diese Runde:", EventValue::DamageShown,
           &FighterControls::damageShown, nullptr, "Schaden gewürfelt",
           "Schaden, den der Kämpfer in dieser Runde gewürfelt hat, vor der Rüstung"}}},
        {1,
         {{"Label44", "Erfolgswert Angriff:", EventValue::AttackSkill,
           &FighterControls::attackSkill, nullptr, "Erfolgswert Angriff",
           "Angriffswert, zu dem der Angriffswurf addiert wird"},
          {"Label45", "gewürfelt:", EventValue::AttackRoll, &FighterControls::attackRoll, nullptr,
           "Angriff gewürfelt", "Angriffswurf dieser Runde mit dem W20"},
          {"Label46", "gesamt:", EventValue::AttackTotal, &FighterControls::attackTotal, nullptr,
           "Angriff gesamt", "Angriffswert plus Angriffswurf; ab 20 trifft oder wird abgewehrt"}}},
        {2,
         {{"Label55", "Erfolgswert Abwehr:", EventValue::DefenceSkill,
           &FighterControls::defenceSkill, nullptr, "Erfolgswert Abwehr",
           "Abwehrwert, zu dem der Abwehrwurf addiert wird"},
          {"Label56", "gewürfelt:", EventValue::DefenceRoll, &FighterControls::defenceRoll, nullptr,
           "Abwehr gewürfelt", "Abwehrwurf dieser Runde mit dem W20"},
          {"Label57", "gesamt:", EventValue::DefenceTotal, &FighterControls::defenceTotal, nullptr,
           "Abwehr gesamt", "Abwehrwert plus Abwehrwurf"}}},
        {3,
         {{"Label67", "RK:", EventValue::Armour, nullptr, &FighterControlNames::armour,
           "Rüstungsschutz", "Rüstungsschutz, der vom Schaden an den Lebenspunkten abgezogen wird"},
          {"Label68", "St:", EventValue::Strength, nullptr, &FighterControlNames::strength,
           "Stärke", "Stärke des Kämpfers"},
          {"Label69", "Gs:", EventValue::Dexterity, nullptr, &FighterControlNames::dexterity,
           "Geschick", "Geschick des Kämpfers"},
          {"Label70", "Gw:", EventValue::Agility, nullptr, &FighterControlNames::agility,
           "Gewandheit", "Gewandheit des Kämpfers"}}},
    }};
    return table;
}

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Value labels show what was typed into the edits, character for character: never as
// markup (which could also name files to load), and never widening the window. Each is
// as wide as the widest whole number and cuts off anything longer.
QLabel* valueLabel(const QString& meaning, QWidget* parent) {
    auto* label = new toolkit::ValueLabel(meaning, QStringLiteral("0"), parent);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")));
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    return label;
}

} // namespace

EventPanel::EventPanel(PanelLabels& panelLabels, QWidget* parent)
    : QGroupBox(QStringLiteral("Ereignisse:"), parent) {
    setObjectName(QStringLiteral("GroupBox3"));
    auto* blockColumn = new QVBoxLayout(this);
    blockColumn->setSpacing(6);
    // The first three blocks share their three columns; the attributes have four
    // narrower ones of their own, so their fourth column does not widen the panel.
    auto* sharedGrid = new QGridLayout;
    auto* attributeGrid = new QGridLayout;
    blockColumn->addLayout(sharedGrid);
    blockColumn->addLayout(attributeGrid);
    int captionWidth = 0;
    for (QGridLayout* grid : {sharedGrid, attributeGrid}) {
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(1);
    }
    int sharedRow = 0;
    for (const Block& block : blocks()) {
        const bool attributes = &block == &blocks().back();
        QGridLayout* grid = attributes ? attributeGrid : sharedGrid;
        const int row = attributes ? 0 : sharedRow;
        for (int column = 0; column < static_cast<int>(block.columns.size()); ++column) {
            const Column& c = block.columns[static_cast<std::size_t>(column)];
            grid->addWidget(namedLabel(c.heading, QString::fromUtf8(c.headingText), this), row,
                            column + 1);
            for (const Fighter fighter : engine::bothFighters) {
                QLabel* value =
                    valueLabel(QStringLiteral("%1, %2").arg(fighterText(fighter),
                                                            QString::fromUtf8(c.spokenName)),
                               this);
                if (c.roundLabel != nullptr) {
                    panelLabels.add(engine::controlsOf(fighter).*c.roundLabel, value);
                } else {
                    value->setObjectName(QString::fromLatin1(namesOf(fighter).*c.ownLabel));
                }
                m_values[engine::indexOf(fighter)][indexOf(c.value)] = value;
                value->setAccessibleDescription(QString::fromUtf8(c.description));
                grid->addWidget(value, row + 1 + static_cast<int>(engine::indexOf(fighter)),
                                column + 1);
                // The grid leaves labels that ignore their text's width out of its sums.
                grid->setColumnMinimumWidth(
                    column + 1,
                    std::max(grid->columnMinimumWidth(column + 1), value->minimumWidth()));
            }
        }
        for (const Fighter fighter : engine::bothFighters) {
            QLabel* caption = namedLabel(namesOf(fighter).eventRowCaptions[block.rowCaption],
                                         fighterCaption(fighter), this);
            captionWidth = std::max(captionWidth, caption->sizeHint().width());
            grid->addWidget(caption, row + 1 + static_cast<int>(engine::indexOf(fighter)), 0);
        }
        if (!attributes) {
            grid->setRowMinimumHeight(row + 3, 5);
            sharedRow += 4;
        }
    }
    // The row captions stand in one column through all four blocks.
    for (QGridLayout* grid : {sharedGrid, attributeGrid}) {
        grid->setColumnMinimumWidth(0, captionWidth);
        // The columns keep their natural width; the spare room goes to the right.
        const int spare = grid->columnCount();
        grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0,
                      spare);
        grid->setColumnStretch(spare, 1);
    }
    m_roundLine =
        panelLabels.add(engine::PanelLabel::Label64,
                        new toolkit::ValueLabel(QStringLiteral("Runde"), initialRoundLine(), this));
    m_roundLine->setAccessibleDescription(QStringLiteral("Die Runde des laufenden Kampfes"));
    blockColumn->addWidget(m_roundLine);
}

QString EventPanel::initialRoundLine() {
    return QStringLiteral("Es ist die 0 Runde des Kampfes.");
}

} // namespace ui
