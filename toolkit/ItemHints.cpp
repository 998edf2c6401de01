#include "ItemHints.h"

#include <QListWidget>
#include <QToolTip>

namespace toolkit {

void exposeItemHints(QListWidget* list) {
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        item->setData(Qt::AccessibleDescriptionRole, item->toolTip());
    }
    QObject::connect(list, &QListWidget::currentItemChanged, list, [list](QListWidgetItem* item) {
        if (item == nullptr || !list->hasFocus() || item->toolTip().isEmpty()) {
            return;
        }
        const QRect entry = list->visualItemRect(item);
        QToolTip::showText(list->viewport()->mapToGlobal(entry.bottomLeft()), item->toolTip(), list,
                           entry);
    });
}

} // namespace toolkit
