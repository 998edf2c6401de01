#include "UntrainedWeaponChoiceWindow.h"

#include "CarryOut.h"
#include "RequirementHints.h"
#include "UntrainedWeaponSelection.h"
#include "WeaponNames.h"
#include "WeaponTarget.h"
#include "toolkit/ItemHints.h"
#include "toolkit/QtText.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace weapons {

UntrainedWeaponChoiceWindow::UntrainedWeaponChoiceWindow(QWidget* mainWindow,
                                                         const UntrainedWeaponDialog& dialog,
                                                         engine::Fighter fighter,
                                                         WeaponTarget& target)
    : ChoiceWindow(mainWindow, dialog.windows[engine::indexOf(fighter)].objectName,
                   dialog.windowTitle, untrainedWeaponQuestion, fighter, true,
                   Placement::CentredOnScreen),
      m_dialog(dialog), m_fighter(fighter), m_target(target) {
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const UntrainedWeaponEntry& entry : dialog.table) {
        auto* item = new QListWidgetItem(toolkit::toQString(entry.listText), m_list);
        if (const auto hint = untrainedWeaponHint(entry, fighter)) {
            item->setToolTip(toolkit::toQString(*hint));
        }
    }
    toolkit::exposeItemHints(m_list);
    m_list->setAccessibleName(toolkit::toQString(dialog.windowTitle) + QStringLiteral(", ") +
                              fighterLine(fighter));
    m_list->setMinimumSize(193, 73);
    choicesLayout()->addWidget(m_list);
    setTabOrderByName(dialog.windows[engine::indexOf(fighter)].tabOrder);
}

int UntrainedWeaponChoiceWindow::selectedRow() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void UntrainedWeaponChoiceWindow::Button1Click() {
    const int row = selectedRow();
    ChoiceExecutor(m_fighter, m_target, untrainedWeaponName(m_dialog, row))
        .carryOut(confirmUntrainedWeapon(m_dialog.table, m_fighter, row,
                                         m_target.strength(m_fighter),
                                         m_target.dexterity(m_fighter)));
}

} // namespace weapons
