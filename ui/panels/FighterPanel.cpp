#include "FighterPanel.h"

#include "FighterControlNames.h"
#include "FighterTexts.h"
#include "PanelLabels.h"
#include "ValueRows.h"
#include "toolkit/gui/ItemHints.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/ValueLabel.h"
#include "weapons/Armour.h"
#include "weapons/ArmourHints.h"
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
#include <initializer_list>
#include <numeric>
#include <utility>
#include <vector>

namespace ui {

namespace {

using engine::Fighter;

// The widths the panel was drawn with are a floor: where the font needs more room for the
// text (a larger font, another scale factor), the text wins over the drawing.
void setMinimumWidthAtLeast(QWidget* widget, int drawnWidth, int textWidth) {
    widget->setMinimumWidth(std::max(drawnWidth, textWidth));
}

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Each entry's hint says what it is worth ("Lederrüstung: Rüstungsschutz 2").
QComboBox* armourBox(std::string_view title, const auto& entries,
                     std::string (*hintOf)(std::size_t), QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    // Typing into the text part must never add entries of its own.
    box->setInsertPolicy(QComboBox::NoInsert);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        box->addItem(toolkit::toQString(entries[i]));
        box->setItemData(box->count() - 1, toolkit::toQString(hintOf(i)), Qt::ToolTipRole);
    }
    toolkit::exposeItemHints(box);
    box->setCurrentIndex(-1);
    box->setEditText(toolkit::toQString(title));
    setMinimumWidthAtLeast(box, 145, box->sizeHint().width()); // the longest entry
    return box;
}

// A group box holding one of the round's value labels, as under the weapon list.
QLabel* labelledBox(const char* boxName, engine::PanelLabel labelName, const QString& title,
                    const QString& text, Fighter fighter, PanelLabels& panelLabels, QWidget* parent,
                    QGroupBox** boxOut) {
    const QString meaning = fighterText(fighter) + QStringLiteral(", ") + title.chopped(1);
    auto* box = named(new QGroupBox(title, parent), boxName);
    // Qt would name a box inside the fighter's box after the outer one ("Kämpfer 2:").
    box->setAccessibleName(title);
    auto* label = panelLabels.add(labelName, new toolkit::ValueLabel(meaning, text, box));
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(label);
    setMinimumWidthAtLeast(box, 137, box->minimumSizeHint().width()); // the title
    *boxOut = box;
    return label;
}

} // namespace

FighterPanel::FighterPanel(Fighter fighter, PanelLabels& panelLabels, QWidget* parent)
    : QGroupBox(fighterCaption(fighter), parent), m_fighter(fighter) {
    const FighterControlNames& names = namesOf(fighter);
    const engine::FighterControls& roundControls = engine::controlsOf(fighter);
    setObjectName(QString::fromLatin1(names.panel));
    auto* column = new QVBoxLayout(this);

    auto* rows = new QGridLayout;
    rows->setVerticalSpacing(3);
    int gridRow = 0;
    rows->addWidget(named(new QLabel(QStringLiteral("Name:"), this), names.nameCaption), gridRow,
                    0);
    nameEdit = named(new QLineEdit(this), names.nameEdit);
    nameEdit->setMaxLength(maximumNameLength);
    nameEdit->setAccessibleName(fighterText(fighter) + QStringLiteral(", Name"));
    nameEdit->setAccessibleDescription(
        QStringLiteral("Name des Kämpfers in den Texten des Programms; leer heißt er %1")
            .arg(fighterText(fighter)));
    nameEdit->setMinimumWidth(121);
    rows->addWidget(nameEdit, gridRow++, 1);
    rows->setRowMinimumHeight(gridRow++, 6);
    for (std::size_t i = 0; i < valueRows.size(); ++i) {
        const ValueRow& row = valueRows[i];
        if (row.startsGroup) {
            rows->setRowMinimumHeight(gridRow++, 6);
        }
        rows->addWidget(
            named(new QLabel(QString::fromUtf8(row.caption), this), names.valueCaptions[i]),
            gridRow, 0);
        edits[i] = named(new QLineEdit(this), names.valueEdits[i]);
        edits[i]->setAccessibleName(QStringLiteral("%1, %2").arg(
            fighterText(fighter), QString::fromUtf8(row.caption).chopped(1)));
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
        named(new QLabel(QStringLiteral("Waffe:"), this), names.weaponHeading), 1);
    weaponHeadings->addWidget(
        named(new QLabel(QStringLiteral("Altenative Waffen:"), this), names.alternativesHeading));
    column->addLayout(weaponHeadings);

    auto* weaponRow = new QHBoxLayout;
    weaponList = named(new QListWidget(this), names.weaponList);
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
    alternatives->addStretch(0); // before the buttons: used once they stand under the list
    improvisedButton =
        named(new QPushButton(fighter == Fighter::First ? QStringLiteral("Improvisierte")
                                                        : QStringLiteral("Improviserte"),
                              this),
              names.improvisedButton);
    unfamiliarButton =
        named(new QPushButton(QStringLiteral("Unvertraute"), this), names.unfamiliarButton);
    improvisedButton->setAccessibleName(fighterText(fighter) + QStringLiteral(", ") +
                                        improvisedButton->text() +
                                        QStringLiteral(" Waffen wählen"));
    improvisedButton->setAccessibleDescription(
        QStringLiteral("Öffnet das Fenster „Improvisierte Waffen“ für ") + fighterText(fighter));
    unfamiliarButton->setAccessibleName(fighterText(fighter) +
                                        QStringLiteral(", Unvertraute Waffen wählen"));
    unfamiliarButton->setAccessibleDescription(
        QStringLiteral("Öffnet das Fenster „Unvertraute Waffen“ für ") + fighterText(fighter));
    alternatives->addWidget(improvisedButton);
    alternatives->addWidget(unfamiliarButton);
    alternatives->addStretch(1);
    weaponRow->addLayout(alternatives);
    column->addLayout(weaponRow, 1);
    m_weaponRow = weaponRow;
    m_alternatives = alternatives;

    auto* armourRow = new QGridLayout;
    armourClassBox = named(armourBox(weapons::armourClassTitle, weapons::armourClassEntries,
                                     &weapons::armourClassHint, this),
                           names.armourClassBox);
    protectionBox = named(armourBox(weapons::protectionValueTitle, weapons::protectionValueEntries,
                                    &weapons::protectionValueHint, this),
                          names.protectionBox);
    protectionBox->setVisible(false);
    // Both boxes share one cell: exactly one of them shows at a time.
    armourRow->addWidget(armourClassBox, 0, 0);
    armourRow->addWidget(protectionBox, 0, 0);
    alternativeArmour =
        named(new QCheckBox(toolkit::toQString(weapons::alternativeArmourCaption), this),
              names.alternativeArmour);
    for (QComboBox* box : {armourClassBox, protectionBox}) {
        // The box goes by its kind: its text is its value. Its open list goes by the same.
        box->setAccessibleName(fighterText(fighter) + QStringLiteral(", ") +
                               toolkit::toQString(box == armourClassBox
                                                      ? weapons::armourClassTitle
                                                      : weapons::protectionValueTitle));
        box->view()->setAccessibleName(box->accessibleName());
    }
    alternativeArmour->setAccessibleName(
        fighterText(fighter) + QStringLiteral(", Altenativ: Rüstungsschutz statt Rüstklasse"));
    alternativeArmour->setAccessibleDescription(
        QStringLiteral("Angekreuzt wird der Rüstungsschutz von 0 bis 10 gewählt, sonst die "
                       "Rüstklasse"));
    armourRow->addWidget(alternativeArmour, 0, 1);
    armourRow->setColumnStretch(1, 1);
    column->addLayout(armourRow);
    fireSensitive = new QCheckBox(QStringLiteral("Kämpfer ist feuerempfindlich"), this);
    fireSensitive->setObjectName(
        toolkit::toQString(engine::objectNameOf(roundControls.fireSensitive)));
    fireSensitive->setAccessibleName(fighterText(fighter) + QStringLiteral(", ") +
                                     fireSensitive->text());
    fireSensitive->setAccessibleDescription(
        QStringLiteral("Eine brennende Fackel des Gegners trifft ihn mit 2W6"));
    column->addWidget(fireSensitive);

    auto* chosen = new QHBoxLayout;
    QGroupBox* damageBox = nullptr;
    QGroupBox* attackTypeBox = nullptr;
    damageCode =
        labelledBox(names.damageBox, roundControls.damageCode, QStringLiteral("gewählter Schaden:"),
                    QStringLiteral("0"), fighter, panelLabels, this, &damageBox);
    attackType =
        labelledBox(names.attackTypeBox, roundControls.attackType, QStringLiteral("Angriffstyp:"),
                    QString(), fighter, panelLabels, this, &attackTypeBox);
    weaponList->setAccessibleName(fighterText(fighter) + QStringLiteral(", Waffe"));
    chosen->addWidget(damageBox, 1);
    chosen->addWidget(attackTypeBox, 1);
    column->addLayout(chosen);

    setTabOrder();
}

void FighterPanel::setButtonsUnderList(bool under) {
    m_weaponRow->setDirection(under ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    m_alternatives->setDirection(under ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Beside the list they stand at the top; under it at the right, below their heading.
    m_alternatives->setStretch(0, under ? 1 : 0);
    m_alternatives->setStretch(m_alternatives->count() - 1, under ? 0 : 1);
    // The window measures the new size at once, not after the next layout pass.
    layout()->activate();
}

QString FighterPanel::displayName() const {
    return fighterDisplayName(m_fighter, nameEdit->text());
}

QWidget* FighterPanel::firstInTabOrder() const {
    return nameEdit;
}

void FighterPanel::setTabOrder() {
    // Fighter 2's panel reaches its endurance field (Edit8) before its life points and
    // its protection box before the "Altenativ" box, as the game masters know it.
    const bool first = m_fighter == Fighter::First;
    std::iota(m_rowsInTabOrder.begin(), m_rowsInTabOrder.end(), std::size_t{0});
    if (!first) {
        std::swap(m_rowsInTabOrder[0], m_rowsInTabOrder[1]);
    }
    std::vector<QWidget*> order{nameEdit};
    for (const std::size_t row : m_rowsInTabOrder) {
        order.push_back(edits[row]);
    }
    const std::initializer_list<QWidget*> afterTheFields{
        weaponList,
        first ? static_cast<QWidget*>(alternativeArmour) : protectionBox,
        first ? static_cast<QWidget*>(armourClassBox) : alternativeArmour,
        first ? static_cast<QWidget*>(protectionBox) : armourClassBox,
        fireSensitive,
        improvisedButton,
        unfamiliarButton,
    };
    order.insert(order.end(), afterTheFields.begin(), afterTheFields.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace ui
