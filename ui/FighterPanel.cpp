#include "FighterPanel.h"

#include "ValueRows.h"
#include "toolkit/ItemHints.h"
#include "toolkit/QtText.h"
#include "toolkit/ValueLabel.h"
#include "weapons/Armour.h"
#include "weapons/RequirementHints.h"
#include "weapons/WeaponCatalogue.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace ui {

namespace {

using engine::Fighter;
using Names = std::array<const char*, 2>;

// The widths the panel was drawn with are a floor: where the font needs more room for the
// text (a larger font, another scale factor), the text wins over the drawing.
void setMinimumWidthAtLeast(QWidget* widget, int drawnWidth, int textWidth) {
    widget->setMinimumWidth(std::max(drawnWidth, textWidth));
}

template <typename W> W* named(W* widget, const Names& names, Fighter fighter) {
    widget->setObjectName(QString::fromLatin1(nameFor(names, fighter)));
    return widget;
}

QComboBox* armourBox(std::string_view title, const auto& entries, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    // Typing into the text part must never add entries of its own.
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string_view entry : entries) {
        box->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
    }
    box->setCurrentIndex(-1);
    box->setEditText(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    setMinimumWidthAtLeast(box, 145, box->sizeHint().width()); // the longest entry
    return box;
}

QString spokenFighter(Fighter fighter) {
    return fighter == Fighter::First ? QStringLiteral("Kämpfer 1") : QStringLiteral("Kämpfer 2");
}

// A group box holding one value label, as under the weapon list.
QLabel* labelledBox(const Names& boxNames, const Names& labelNames, const QString& title,
                    const QString& text, Fighter fighter, QWidget* parent, QGroupBox** boxOut) {
    const QString meaning = spokenFighter(fighter) + QStringLiteral(", ") + title.chopped(1);
    auto* box = named(new QGroupBox(title, parent), boxNames, fighter);
    // Qt would name a box inside the fighter's box after the outer one ("Kämpfer 2:").
    box->setAccessibleName(title);
    auto* label = named(new toolkit::ValueLabel(meaning, text, box), labelNames, fighter);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(label);
    setMinimumWidthAtLeast(box, 137, box->minimumSizeHint().width()); // the title
    *boxOut = box;
    return label;
}

} // namespace

FighterPanel::FighterPanel(Fighter fighter, QWidget* parent)
    : QGroupBox(fighter == Fighter::First ? QStringLiteral("Kämpfer 1:")
                                          : QStringLiteral("Kämpfer 2:"),
                parent),
      m_fighter(fighter) {
    setObjectName(fighter == Fighter::First ? QStringLiteral("GroupBox1")
                                            : QStringLiteral("GroupBox2"));
    auto* column = new QVBoxLayout(this);

    auto* rows = new QGridLayout;
    rows->setVerticalSpacing(3);
    int gridRow = 0;
    for (std::size_t i = 0; i < valueRows.size(); ++i) {
        const ValueRow& row = valueRows[i];
        if (row.startsGroup) {
            rows->setRowMinimumHeight(gridRow++, 6);
        }
        rows->addWidget(
            named(new QLabel(QString::fromUtf8(row.caption), this), row.captionLabel, fighter),
            gridRow, 0);
        edits[i] = named(new QLineEdit(this), row.edit, fighter);
        edits[i]->setAccessibleName(QStringLiteral("%1, %2").arg(
            spokenFighter(fighter), QString::fromUtf8(row.caption).chopped(1)));
        edits[i]->setAccessibleDescription(QString::fromUtf8(row.description));
        edits[i]->setMinimumWidth(121);
        rows->addWidget(edits[i], gridRow, 1);
        ++gridRow;
    }
    rows->setColumnStretch(0, 1);
    column->addLayout(rows);
    column->addSpacing(8);

    auto* weaponHeadings = new QHBoxLayout;
    weaponHeadings->addWidget(
        named(new QLabel(QStringLiteral("Waffe:"), this), {"Label9", "Label30"}, fighter), 1);
    weaponHeadings->addWidget(named(new QLabel(QStringLiteral("Altenative Waffen:"), this),
                                    {"Label32", "Label34"}, fighter));
    column->addLayout(weaponHeadings);

    auto* weaponRow = new QHBoxLayout;
    weaponList = named(new QListWidget(this), {"ListBox1", "ListBox2"}, fighter);
    weaponList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row is one line of text: the view need not measure all of them to lay them out.
    weaponList->setUniformItemSizes(true);
    for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
        auto* item = new QListWidgetItem(toolkit::toQString(entry.listText), weaponList);
        item->setToolTip(toolkit::toQString(weapons::catalogueHint(entry)));
    }
    toolkit::exposeItemHints(weaponList);
    // Every weapon readable without scrolling sideways.
    weaponList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMinimumWidthAtLeast(weaponList, 201,
                           weaponList->sizeHintForColumn(0) + 2 * weaponList->frameWidth() +
                               weaponList->verticalScrollBar()->sizeHint().width());
    weaponList->setMinimumHeight(160);
    weaponRow->addWidget(weaponList, 1);
    auto* alternatives = new QVBoxLayout;
    improvisedButton =
        named(new QPushButton(fighter == Fighter::First ? QStringLiteral("Improvisierte")
                                                        : QStringLiteral("Improviserte"),
                              this),
              {"Button5", "Button7"}, fighter);
    unfamiliarButton = named(new QPushButton(QStringLiteral("Unvertraute"), this),
                             {"Button6", "Button8"}, fighter);
    improvisedButton->setAccessibleName(spokenFighter(fighter) + QStringLiteral(", ") +
                                        improvisedButton->text() +
                                        QStringLiteral(" Waffen wählen"));
    improvisedButton->setAccessibleDescription(
        QStringLiteral("Öffnet das Fenster „Improvisierte Waffen“ für ") + spokenFighter(fighter));
    unfamiliarButton->setAccessibleName(spokenFighter(fighter) +
                                        QStringLiteral(", Unvertraute Waffen wählen"));
    unfamiliarButton->setAccessibleDescription(
        QStringLiteral("Öffnet das Fenster „Unvertraute Waffen“ für ") + spokenFighter(fighter));
    alternatives->addWidget(improvisedButton);
    alternatives->addWidget(unfamiliarButton);
    alternatives->addStretch(1);
    weaponRow->addLayout(alternatives);
    column->addLayout(weaponRow, 1);

    auto* armourRow = new QGridLayout;
    armourClassBox = named(armourBox(weapons::armourClassTitle, weapons::armourClassEntries, this),
                           {"ComboBox1", "ComboBox2"}, fighter);
    protectionBox =
        named(armourBox(weapons::protectionValueTitle, weapons::protectionValueEntries, this),
              {"ComboBox3", "ComboBox4"}, fighter);
    protectionBox->setVisible(false);
    // Both boxes share one cell: exactly one of them shows at a time.
    armourRow->addWidget(armourClassBox, 0, 0);
    armourRow->addWidget(protectionBox, 0, 0);
    alternativeArmour = named(new QCheckBox(QStringLiteral("Altenativ"), this),
                              {"CheckBox1", "CheckBox2"}, fighter);
    for (QComboBox* box : {armourClassBox, protectionBox}) {
        // The box goes by its kind: its text is its value. Its open list goes by the same.
        box->setAccessibleName(spokenFighter(fighter) + QStringLiteral(", ") +
                               (box == armourClassBox ? QStringLiteral("Rüstklasse")
                                                      : QStringLiteral("Rüstungsschutz")));
        box->view()->setAccessibleName(box->accessibleName());
    }
    alternativeArmour->setAccessibleName(
        spokenFighter(fighter) + QStringLiteral(", Altenativ: Rüstungsschutz statt Rüstklasse"));
    alternativeArmour->setAccessibleDescription(
        QStringLiteral("Angekreuzt wird der Rüstungsschutz von 0 bis 10 gewählt, sonst die "
                       "Rüstklasse"));
    armourRow->addWidget(alternativeArmour, 0, 1);
    armourRow->setColumnStretch(1, 1);
    column->addLayout(armourRow);
    fireSensitive = named(new QCheckBox(QStringLiteral("Kämpfer ist feuerempfindlich"), this),
                          {"CheckBox3", "CheckBox4"}, fighter);
    fireSensitive->setAccessibleName(spokenFighter(fighter) +
                                     QStringLiteral(", Kämpfer ist feuerempfindlich"));
    fireSensitive->setAccessibleDescription(
        QStringLiteral("Eine brennende Fackel des Gegners trifft ihn mit 2W6"));
    column->addWidget(fireSensitive);

    auto* chosen = new QHBoxLayout;
    QGroupBox* damageBox = nullptr;
    QGroupBox* attackTypeBox = nullptr;
    damageCode = labelledBox({"GroupBox4", "GroupBox5"}, {"Label11", "Label41"},
                             QStringLiteral("gewählter Schaden:"), QStringLiteral("0"), fighter,
                             this, &damageBox);
    attackType =
        labelledBox({"GroupBox6", "GroupBox7"}, {"Label1", "Label10"},
                    QStringLiteral("Angriffstyp:"), QString(), fighter, this, &attackTypeBox);
    weaponList->setAccessibleName(spokenFighter(fighter) + QStringLiteral(", Waffe"));
    chosen->addWidget(damageBox, 1);
    chosen->addWidget(attackTypeBox, 1);
    column->addLayout(chosen);

    setTabOrder();
}

void FighterPanel::setTabOrder() {
    // Fighter 2's panel reaches its endurance field (Edit8) before its life points and
    // its protection box before the "Altenativ" box, as the game masters know it.
    const bool first = m_fighter == Fighter::First;
    const std::array<QWidget*, 14> order{
        first ? edits[0] : edits[1],
        first ? edits[1] : edits[0],
        edits[2],
        edits[3],
        edits[4],
        edits[5],
        edits[6],
        weaponList,
        first ? static_cast<QWidget*>(alternativeArmour) : protectionBox,
        first ? static_cast<QWidget*>(armourClassBox) : alternativeArmour,
        first ? static_cast<QWidget*>(protectionBox) : armourClassBox,
        fireSensitive,
        improvisedButton,
        unfamiliarButton,
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace ui
