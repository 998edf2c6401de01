#include "RosterMenuItems.h"

#include "RosterTexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace roster {

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

RosterMenuItems addRosterMenu(QMenuBar* bar) {
    RosterMenuItems items;
    items.menu = bar->addMenu(texts::menu());
    items.menu->setObjectName(QStringLiteral("Kaempfer1"));
    items.save[0] = addItem(items.menu, "Kaempfer1speichern1", texts::saveItem(1));
    items.save[1] = addItem(items.menu, "Kaempfer2speichern1", texts::saveItem(2));
    items.menu->addSeparator();
    for (int number = 1; number <= 2; ++number) {
        QMenu* load = items.menu->addMenu(texts::loadMenu(number));
        load->setObjectName(QStringLiteral("Kaempfer%1laden1").arg(number));
        items.load[static_cast<std::size_t>(number - 1)] = load;
    }
    items.menu->addSeparator();
    items.edit = addItem(items.menu, "Kaempferlistebearbeiten1", texts::editItem());
    items.exportRoster = addItem(items.menu, "Kaempferlisteexportieren1", texts::exportItem());
    items.importRoster = addItem(items.menu, "Kaempferlisteimportieren1", texts::importItem());
    return items;
}

} // namespace roster
