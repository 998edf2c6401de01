#include "ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace toolkit {

ComboBoxAccessible::ComboBoxAccessible(QComboBox* box)
    : QAccessibleWidget(box, QAccessible::ComboBox) {}

QComboBox* ComboBoxAccessible::comboBox() const {
    return static_cast<QComboBox*>(widget());
}

QString ComboBoxAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return comboBox()->currentText();
    }
    return QAccessibleWidget::text(t);
}

QObject* ComboBoxAccessible::childObject(int index) const {
    if (index == 0) {
        return comboBox()->view();
    }
    if (index == 1 && comboBox()->isEditable()) {
        return comboBox()->lineEdit();
    }
    return nullptr;
}

int ComboBoxAccessible::childCount() const {
    return comboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface* ComboBoxAccessible::child(int index) const {
    QObject* object = childObject(index);
    return object != nullptr ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (child != nullptr && child->object() == childObject(i)) {
            return i;
        }
    }
    return -1;
}

QAccessible::State ComboBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    const bool open = comboBox()->view()->isVisible();
    state.expanded = open;
    state.collapsed = !open;
    state.editable = comboBox()->isEditable();
    return state;
}

QStringList ComboBoxAccessible::actionNames() const {
    return {showMenuAction(), pressAction()};
}

QString ComboBoxAccessible::localizedActionDescription(const QString& actionName) const {
    if (actionName == showMenuAction() || actionName == pressAction()) {
        return QStringLiteral("Öffnet die Liste");
    }
    return {};
}

void ComboBoxAccessible::doAction(const QString& actionName) {
    if (actionName != showMenuAction() && actionName != pressAction()) {
        return;
    }
    if (comboBox()->view()->isVisible()) {
        comboBox()->hidePopup();
    } else {
        comboBox()->showPopup();
    }
}

QStringList ComboBoxAccessible::keyBindingsForAction(const QString& /*actionName*/) const {
    return {};
}

} // namespace toolkit
