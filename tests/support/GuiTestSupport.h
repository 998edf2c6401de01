#pragma once

#include "engine/RoundWindow.h"
#include "toolkit/gui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace guitest {

// Answers every box the program shows and remembers it, so no modal box can hang a test.
class BoxRecorder {
public:
    BoxRecorder() {
        toolkit::installBoxAnswerer(
            [this](const toolkit::ShownBox& box) { m_boxes.push_back(box); });
    }
    ~BoxRecorder() { toolkit::removeBoxAnswerer(); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    const std::vector<toolkit::ShownBox>& boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }
    QStringList texts() const {
        QStringList result;
        for (const auto& box : m_boxes) {
            result << box.text;
        }
        return result;
    }

private:
    std::vector<toolkit::ShownBox> m_boxes;
};

// Finds a control by its object name; a missing control fails loudly.
template <typename T> T* child(const QWidget* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("control %s not found", qPrintable(name));
    }
    return found;
}

// Waits in the background for the next real message box, lets the test look at it and
// closes it. For the few tests that must see the box the user sees.
inline void inspectNextMessageBox(std::function<void(QMessageBox*)> inspect) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, inspect = std::move(inspect)] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box != nullptr && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                inspect(box);
                box->done(0);
                return;
            }
        }
    });
    poll->start();
}

// Triggers an action as its menu item or shortcut does. A disabled action would silently
// do nothing, so it fails loudly, as a missing one does.
inline void triggerAction(QAction* action) {
    if (!action->isEnabled()) {
        qFatal("action %s is disabled", qPrintable(action->objectName()));
    }
    action->trigger();
}

inline void triggerAction(const QWidget* root, const QString& name) {
    triggerAction(child<QAction>(root, name));
}

// Replaces a field's text the way a user does: select all, then type.
inline void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    // Key clicks know only ASCII; other characters come as an input method gives them.
    for (const QChar character : text) {
        if (character.unicode() < 128) {
            QTest::keyClick(edit, character.toLatin1());
        } else {
            edit->insert(character);
        }
    }
}

} // namespace guitest

namespace guitest {

// Clicks a line of a list with the mouse, as the user does.
inline void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The texts of the labels a round reads or writes, in the engine's order of them.
inline QStringList panelLabelTexts(const QWidget* root) {
    QStringList texts;
    for (const std::string_view name : engine::panelLabelNames) {
        const QString objectName =
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        texts << child<QLabel>(root, objectName)->text();
    }
    return texts;
}

// Sets a value field as the program's own commands do; its change handler runs.
inline void setField(const QWidget* root, const QString& name, const QString& text) {
    child<QLineEdit>(root, name)->setText(text);
}

} // namespace guitest
