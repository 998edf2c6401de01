#include "ItemHints.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QToolTip>

namespace toolkit {

namespace {

void showBeside(QAbstractItemView* view, const QModelIndex& index, const QString& hint) {
    const QRect entry = view->visualRect(index);
    QToolTip::showText(view->viewport()->mapToGlobal(entry.bottomLeft()), hint, view, entry);
}

} // namespace

void exposeItemHints(QListWidget* list) {
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        item->setData(Qt::AccessibleDescriptionRole, item->toolTip());
    }
    QObject::connect(list, &QListWidget::currentItemChanged, list, [list](QListWidgetItem* item) {
        if (item == nullptr || !list->hasFocus() || item->toolTip().isEmpty()) {
            return;
        }
        showBeside(list, list->indexFromItem(item), item->toolTip());
    });
}

void exposeItemHints(QComboBox* box) {
    for (int row = 0; row < box->count(); ++row) {
        box->setItemData(row, box->itemData(row, Qt::ToolTipRole), Qt::AccessibleDescriptionRole);
    }
    // The mouse shows the hint by resting on an entry; the keys by moving to it.
    QObject::connect(box, &QComboBox::highlighted, box, [box](int row) {
        QAbstractItemView* view = box->view();
        const QString hint = box->itemData(row, Qt::ToolTipRole).toString();
        if (!view->isVisible() || hint.isEmpty()) {
            return;
        }
        showBeside(view, box->model()->index(row, box->modelColumn()), hint);
    });
}

} // namespace toolkit
