#include "EventPanel.h"

#include "toolkit/ValueLabel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

namespace ui {

namespace {

struct Column {
    const char* heading;
    const char* headingText;
    std::array<const char*, 2> values;
    // What a screen reader says of the value, after the fighter.
    const char* spokenName;
    const char* description;
};

struct Block {
    std::array<const char*, 2> rowCaptions;
    std::vector<Column> columns;
};

const std::array<Block, 4>& blocks() {
    static const std::array<Block, 4> table{{
        {{"Label19", "Label20"},
         {{"Label21",
           "LP verbleibend:",
           {"Label22", "Label23"},
           "LP verbleibend",
           "Lebenspunkte, die dem Kämpfer bleiben"},
          {"Label24",
           "AP verbleibend:",
           {"Label25", "Label26"},
           "AP verbleibend",
           "Ausdauerpunkte, die dem Kämpfer bleiben"},
          {"Label27",
           "Schaden diese Runde:",
           {"Label28", "Label29"},
           "Schaden diese Runde",
           "Schaden, den der Kämpfer in dieser Runde gewürfelt hat, vor der Rüstung"}}},
        {{"Label42", "Label43"},
         {{"Label44",
           "Erfolgswert Angriff:",
           {"Label47", "Label48"},
           "Erfolgswert Angriff",
           "Angriffswert, zu dem der Angriffswurf addiert wird"},
          {"Label45",
           "gewürfelt:",
           {"Label49", "Label50"},
           "Angriff gewürfelt",
           "Angriffswurf dieser Runde mit dem W20"},
          {"Label46",
           "gesamt:",
           {"Label51", "Label52"},
           "Angriff gesamt",
           "Angriffswert plus Angriffswurf; ab 20 trifft oder wird abgewehrt"}}},
        {{"Label53", "Label54"},
         {{"Label55",
           "Erfolgswert Abwehr:",
           {"Label58", "Label59"},
           "Erfolgswert Abwehr",
           "Abwehrwert, zu dem der Abwehrwurf addiert wird"},
          {"Label56",
           "gewürfelt:",
           {"Label60", "Label61"},
           "Abwehr gewürfelt",
           "Abwehrwurf dieser Runde mit dem W20"},
          {"Label57",
           "gesamt:",
           {"Label62", "Label63"},
           "Abwehr gesamt",
           "Abwehrwert plus Abwehrwurf"}}},
        {{"Label65", "Label66"},
         {{"Label67",
           "RK:",
           {"Label71", "Label72"},
           "Rüstungsschutz",
           "Rüstungsschutz, der vom Schaden an den Lebenspunkten abgezogen wird"},
          {"Label68", "St:", {"Label73", "Label74"}, "Stärke", "Stärke des Kämpfers"},
          {"Label69", "Gs:", {"Label75", "Label76"}, "Geschick", "Geschick des Kämpfers"},
          {"Label70", "Gw:", {"Label77", "Label78"}, "Gewandheit", "Gewandheit des Kämpfers"}}},
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
QLabel* valueLabel(const char* name, const QString& meaning, QWidget* parent) {
    auto* label = new toolkit::ValueLabel(meaning, QStringLiteral("0"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")));
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    return label;
}

} // namespace

EventPanel::EventPanel(QWidget* parent) : QGroupBox(QStringLiteral("Ereignisse:"), parent) {
    setObjectName(QStringLiteral("GroupBox3"));
    auto* blockColumn = new QVBoxLayout(this);
    blockColumn->setSpacing(6);
    // The first three blocks share their three columns; the attributes have four
    // narrower ones of their own, so their fourth column does not widen the panel.
    auto* sharedGrid = new QGridLayout;
    auto* attributeGrid = new QGridLayout;
    blockColumn->addLayout(sharedGrid);
    blockColumn->addLayout(attributeGrid);
    const std::array<QString, 2> fighterCaptions{QStringLiteral("Kämpfer 1:"),
                                                 QStringLiteral("Kämpfer 2:")};
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
            for (int fighter = 0; fighter < 2; ++fighter) {
                QLabel* value =
                    valueLabel(c.values[static_cast<std::size_t>(fighter)],
                               QStringLiteral("%1, %2").arg(
                                   fighterCaptions[static_cast<std::size_t>(fighter)].chopped(1),
                                   QString::fromUtf8(c.spokenName)),
                               this);
                value->setAccessibleDescription(QString::fromUtf8(c.description));
                grid->addWidget(value, row + 1 + fighter, column + 1);
                // The grid leaves labels that ignore their text's width out of its sums.
                grid->setColumnMinimumWidth(
                    column + 1,
                    std::max(grid->columnMinimumWidth(column + 1), value->minimumWidth()));
            }
        }
        for (int fighter = 0; fighter < 2; ++fighter) {
            QLabel* caption = namedLabel(block.rowCaptions[static_cast<std::size_t>(fighter)],
                                         fighterCaptions[static_cast<std::size_t>(fighter)], this);
            captionWidth = std::max(captionWidth, caption->sizeHint().width());
            grid->addWidget(caption, row + 1 + fighter, 0);
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
    auto* roundLine = new toolkit::ValueLabel(QStringLiteral("Runde"), initialRoundLine(), this);
    roundLine->setObjectName(QStringLiteral("Label64"));
    roundLine->setAccessibleDescription(QStringLiteral("Die Runde des laufenden Kampfes"));
    blockColumn->addWidget(roundLine);
}

QString EventPanel::roundSummary() const {
    // The round line, then per fighter what the round left him and the damage it rolled.
    QStringList parts{findChild<QLabel*>(QStringLiteral("Label64"))->text()};
    const Block& lifeAndDamage = blocks().front();
    for (int fighter = 0; fighter < 2; ++fighter) {
        QStringList values;
        for (const Column& c : lifeAndDamage.columns) {
            values << QStringLiteral("%1 %2").arg(
                QString::fromUtf8(c.spokenName),
                findChild<QLabel*>(QString::fromLatin1(c.values[static_cast<std::size_t>(fighter)]))
                    ->text());
        }
        parts << QStringLiteral("Kämpfer %1: %2")
                     .arg(fighter + 1)
                     .arg(values.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString EventPanel::initialRoundLine() {
    return QStringLiteral("Es ist die 0 Runde des Kampfes.");
}

} // namespace ui
