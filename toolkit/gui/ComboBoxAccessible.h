#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace toolkit {

// What a screen reader sees of a drop-down: its own name and, as its value, the current
// text. (Qt 6.4 on Linux names a drop-down by its current text, so that a box named
// "Kämpfer 1, Rüstklasse" was read as "3".) Its children are the list and, when
// editable, the edit.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    QString localizedActionDescription(const QString& actionName) const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QComboBox* comboBox() const;
    QObject* childObject(int index) const;
};

} // namespace toolkit
