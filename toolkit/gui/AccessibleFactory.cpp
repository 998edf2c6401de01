#include "AccessibleFactory.h"

#include "AccessibleGroup.h"
#include "Announcement.h"
#include "ComboBoxAccessible.h"
#include "LineEditAccessible.h"
#include "ValueLabel.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

namespace toolkit {

namespace {

QAccessibleInterface* createAccessible(const QString& className, QObject* object) {
    // Qt asks once per class the object derives from, the most derived first: answer
    // there, and leave objects of no interest to Qt.
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (qobject_cast<Announcement*>(widget) != nullptr) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // Qt gives the edit inside a spin box none; the spin box answers for it.
        return edit->objectName() == QLatin1String("qt_spinbox_lineedit")
                   ? nullptr
                   : new LineEditAccessible(edit);
    }
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        return new ComboBoxAccessible(box);
    }
    if (qobject_cast<AccessibleGroup*>(widget) != nullptr) {
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    }
    if (auto* label = qobject_cast<ValueLabel*>(widget)) {
        return new ValueLabelAccessible(label);
    }
    if (widget->isWindow() && widget->windowType() == Qt::Dialog &&
        qobject_cast<QDialog*>(widget) == nullptr) {
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

void installAccessibleFactory() {
    QAccessible::installFactory(&createAccessible);
}

} // namespace toolkit
