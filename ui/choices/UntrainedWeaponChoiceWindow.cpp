#include "UntrainedWeaponChoiceWindow.h"

#include "ChoiceExecutor.h"
#include "toolkit/gui/ItemHints.h"
#include "toolkit/gui/QtText.h"
#include "weapons/RequirementHints.h"
#include "weapons/WeaponTarget.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace ui::choices {

UntrainedWeaponChoiceWindow::UntrainedWeaponChoiceWindow(QWidget* mainWindow,
                                                         const UntrainedWeaponWindows& windows,
                                                         engine::Fighter fighter,
                                                         weapons::WeaponTarget& target,
                                                         const ChoiceExecutor& executor)
    : ChoiceWindow(mainWindow, windows.windows[engine::indexOf(fighter)], windows.list->name,
                   untrainedWeaponQuestion, fighter),
      m_choices(*windows.list), m_target(target), m_executor(executor) {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const weapons::UntrainedWeaponEntry& entry : m_choices.table) {
        auto* item = new QListWidgetItem(toolkit::toQString(entry.listText), m_list);
        if (const auto hint = weapons::untrainedWeaponHint(entry, fighter)) {
            item->setToolTip(toolkit::toQString(*hint));
        }
    }
    toolkit::exposeItemHints(m_list);
    nameList();
    m_list->setMinimumSize(193, 73);
    addChoice(m_list);
    applyTabOrder();
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { describeChoices(); });
}

void UntrainedWeaponChoiceWindow::setFighterName(const QString& fighterName) {
    ChoiceWindow::setFighterName(fighterName);
    nameList();
}

void UntrainedWeaponChoiceWindow::nameList() {
    m_list->setAccessibleName(windowTitle() + QStringLiteral(", ") + currentFighterLine());
}

int UntrainedWeaponChoiceWindow::selectedRow() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QStringList UntrainedWeaponChoiceWindow::choiceTexts() const {
    QStringList texts;
    for (int row = 0; row < m_list->count(); ++row) {
        texts << m_list->item(row)->text();
    }
    return texts;
}

int UntrainedWeaponChoiceWindow::currentChoice() const {
    return selectedRow();
}

QWidget* UntrainedWeaponChoiceWindow::choiceFocus() const {
    return m_list;
}

void UntrainedWeaponChoiceWindow::Button1Click() {
    weapons::ChoiceOutcome outcome = weapons::confirmUntrainedWeapon(
        m_choices.table, fighter(), selectedRow(), m_target.strength(fighter()),
        m_target.dexterity(fighter()));
    if (auto* chosen = std::get_if<weapons::SetUntrainedWeapon>(&outcome)) {
        chosen->weapon.window = m_choices.name;
    }
    m_executor.carryOut(outcome);
}

} // namespace ui::choices
