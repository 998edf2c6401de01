#include "KeyList.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace ui::help {

namespace {

QString keysText(const QAction& action) {
    QStringList keys;
    for (const QKeySequence& key : action.shortcuts()) {
        keys << key.toString(QKeySequence::NativeText);
    }
    return keys.join(QStringLiteral(" oder "));
}

void addMenuKeys(const QMenu& menu, const QString& path, QList<KeyHelp>& keys) {
    for (const QAction* action : menu.actions()) {
        const QString where = path + QStringLiteral(" › ") + action->iconText();
        if (action->menu() != nullptr) {
            addMenuKeys(*action->menu(), where, keys);
        } else if (!action->shortcuts().isEmpty()) {
            keys.append({keysText(*action), where});
        }
    }
}

} // namespace

QList<KeyHelp> keysOf(const QMainWindow& window) {
    QList<KeyHelp> keys;
    QList<KeyHelp> commands;
    for (const QAction* menuAction : window.menuBar()->actions()) {
        const QMenu* menu = menuAction->menu();
        if (menu == nullptr) {
            continue;
        }
        const QKeySequence mnemonic = QKeySequence::mnemonic(menuAction->text());
        if (!mnemonic.isEmpty()) {
            keys.append({mnemonic.toString(QKeySequence::NativeText),
                         QStringLiteral("öffnet das Menü „%1“").arg(menuAction->iconText())});
        }
        addMenuKeys(*menu, menuAction->iconText(), commands);
    }
    for (const QAction* action : window.actions()) {
        if (!action->shortcuts().isEmpty()) {
            commands.append({keysText(*action), action->iconText()});
        }
    }
    return commands + keys;
}

} // namespace ui::help
