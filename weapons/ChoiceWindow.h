#pragma once

#include "engine/Fighter.h"

#include <QWidget>
#include <string_view>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace weapons {

// The frame all choice windows share: a question on top, the fighter it serves, the
// choices, and "OK" centred at the bottom. Not modal; "OK" applies and hides, the close
// box only hides, and the window keeps its state while hidden. It is a dialog of the main
// window, so the window manager keeps it above the main window while it is open.
class ChoiceWindow : public QWidget {
    Q_OBJECT
public:
    enum class Placement { CentredOnScreen, CentredOnMainWindow };

    ChoiceWindow(QWidget* mainWindow, std::string_view objectName, std::string_view title,
                 std::string_view question, engine::Fighter fighter, bool hasCloseBox,
                 Placement placement);

    // "für Kämpfer 2": under the question, so that the twin windows of the two fighters,
    // which open at the same place with the same title, can be told apart.
    static QString fighterLine(engine::Fighter fighter);

    // Makes the window visible and brings it to the front; returns at once.
    void showAndRaise();

    QPushButton* okButton() const { return m_okButton; }

protected:
    QVBoxLayout* choicesLayout() const { return m_choices; }
    // Sets the tab order from control names ("RadioButton1", "Button1", …).
    template <typename Names> void setTabOrderByName(const Names& names);
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Applies the window's current choice; the window hides afterwards in every case.
    virtual void Button1Click() = 0;

private:
    void place();

    QWidget* m_mainWindow;
    QLabel* m_question = nullptr;
    QVBoxLayout* m_choices = nullptr;
    QPushButton* m_okButton = nullptr;
    bool m_hasCloseBox;
    Placement m_placement;
    bool m_placed = false;
};

template <typename Names> void ChoiceWindow::setTabOrderByName(const Names& names) {
    QWidget* previous = nullptr;
    for (const std::string_view name : names) {
        auto* widget = findChild<QWidget*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (widget == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace weapons
