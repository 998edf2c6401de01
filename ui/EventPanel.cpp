#include "EventPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <array>
#include <vector>

namespace ui {

namespace {

struct Column {
    const char* heading;
    const char* headingText;
    std::array<const char*, 2> values;
};

struct Block {
    std::array<const char*, 2> rowCaptions;
    std::vector<Column> columns;
};

const std::array<Block, 4>& blocks() {
    static const std::array<Block, 4> table{{
        {{"Label19", "Label20"},
         {{"Label21", "LP verbleibend:", {"Label22", "Label23"}},
          {"Label24", "AP verbleibend:", {"Label25", "Label26"}},
          {"Label27", "Schaden diese Runde:", {"Label28", "Label29"}}}},
        {{"Label42", "Label43"},
         {{"Label44", "Erfolgswert Angriff:", {"Label47", "Label48"}},
          {"Label45", "gewürfelt:", {"Label49", "Label50"}},
          {"Label46", "gesamt:", {"Label51", "Label52"}}}},
        {{"Label53", "Label54"},
         {{"Label55", "Erfolgswert Abwehr:", {"Label58", "Label59"}},
          {"Label56", "gewürfelt:", {"Label60", "Label61"}},
          {"Label57", "gesamt:", {"Label62", "Label63"}}}},
        {{"Label65", "Label66"},
         {{"Label67", "RK:", {"Label71", "Label72"}},
          {"Label68", "St:", {"Label73", "Label74"}},
          {"Label69", "Gs:", {"Label75", "Label76"}},
          {"Label70", "Gw:", {"Label77", "Label78"}}}},
    }};
    return table;
}

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    // Value labels show what was typed into the edits, character for character: never
    // as markup (which could also name files to load), and never widening the window.
    // Every label of the panel is as wide as its first text or the widest whole number
    // and cuts off anything longer.
    label->setTextFormat(Qt::PlainText);
    const QFontMetrics metrics = label->fontMetrics();
    label->setMinimumWidth(std::max(label->sizeHint().width(),
                                    metrics.horizontalAdvance(QStringLiteral("-2147483648"))));
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    return label;
}

} // namespace

EventPanel::EventPanel(QWidget* parent) : QGroupBox(QStringLiteral("Ereignisse:"), parent) {
    setObjectName(QStringLiteral("GroupBox3"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    const std::array<QString, 2> fighterCaptions{QStringLiteral("Kämpfer 1:"),
                                                 QStringLiteral("Kämpfer 2:")};
    int row = 0;
    for (const Block& block : blocks()) {
        for (int column = 0; column < static_cast<int>(block.columns.size()); ++column) {
            const Column& c = block.columns[static_cast<std::size_t>(column)];
            grid->addWidget(namedLabel(c.heading, QString::fromUtf8(c.headingText), this), row,
                            column + 1);
            for (int fighter = 0; fighter < 2; ++fighter) {
                grid->addWidget(namedLabel(c.values[static_cast<std::size_t>(fighter)],
                                           QStringLiteral("0"), this),
                                row + 1 + fighter, column + 1);
            }
        }
        for (int fighter = 0; fighter < 2; ++fighter) {
            grid->addWidget(namedLabel(block.rowCaptions[static_cast<std::size_t>(fighter)],
                                       fighterCaptions[static_cast<std::size_t>(fighter)], this),
                            row + 1 + fighter, 0);
        }
        grid->setRowMinimumHeight(row + 3, 8);
        row += 4;
    }
    grid->addWidget(namedLabel("Label64", initialRoundLine(), this), row, 0, 1, 5);
    grid->setColumnStretch(5, 1);
}

QString EventPanel::initialRoundLine() {
    return QStringLiteral("Es ist die 0 Runde des Kampfes.");
}

} // namespace ui
