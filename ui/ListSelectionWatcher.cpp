#include "ListSelectionWatcher.h"

#include <QEvent>
#include <QListWidget>

namespace ui {

ListSelectionWatcher::ListSelectionWatcher(QListWidget* list) : QObject(list), m_list(list) {
    list->viewport()->installEventFilter(this);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_selectionChangedSincePress = true;
        emit selected();
    });
    // A click that changed nothing in the selection is a click on the selected line.
    connect(list, &QListWidget::clicked, this, [this] {
        if (!m_selectionChangedSincePress) {
            emit selected();
        }
    });
}

int ListSelectionWatcher::selectedRow() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool ListSelectionWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        m_selectionChangedSincePress = false;
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        // The second click of a double click is not a selection of its own.
        m_selectionChangedSincePress = true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
