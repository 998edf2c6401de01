#pragma once

#include "ChoiceWindowData.h"
#include "engine/Fighter.h"

#include <QStringList>
#include <QWidget>
#include <string_view>
#include <vector>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace ui::choices {

// The frame all choice windows share: a question on top, the fighter it serves, the
// choices, and "OK" centred at the bottom. Not modal; "OK" applies and hides, the close
// box only hides, and the window keeps its state while hidden. It is a dialog of the main
// window, so the window manager keeps it above the main window while it is open.
class ChoiceWindow : public QWidget {
    Q_OBJECT
public:
    // window names the window, its tab order and its frame.
    ChoiceWindow(QWidget* mainWindow, const ChoiceWindowData& window, std::string_view title,
                 std::string_view question, engine::Fighter fighter);

    // "für Kämpfer 2": under the question, so that the twin windows of the two fighters,
    // which open at the same place with the same title, can be told apart.
    static QString fighterLine(const QString& fighterName);

    engine::Fighter fighter() const { return m_fighter; }
    // Names the fighter in the fighter line and the window's accessible name: "für
    // Thorgrim" once the fighter has a name; the title stays as it is.
    virtual void setFighterName(const QString& fighterName);

    // Makes the window visible and brings it to the front, with the focus on the current
    // choice (or the first one); returns at once.
    void showAndRaise();

    QPushButton* okButton() const { return m_okButton; }

protected:
    // "für Kämpfer 2" or "für Thorgrim", as the window shows it.
    QString currentFighterLine() const;
    QVBoxLayout* choicesLayout() const { return m_choices; }
    // Adds a choice control under the question, the next in the tab order.
    void addChoice(QWidget* control);
    // Sets the tab order: the choices as added, "OK" where the window data puts it; called
    // once the choices are in place.
    void applyTabOrder();
    // Tells a screen reader the question, every choice and the current one, as the
    // window's description; called again whenever the current choice changes.
    void describeChoices();
    virtual QStringList choiceTexts() const = 0;
    // 0-based position of the current choice, -1 for none.
    virtual int currentChoice() const = 0;
    // The control that takes the focus when the window opens.
    virtual QWidget* choiceFocus() const = 0;
    void keyPressEvent(QKeyEvent* event) override;

    // Applies the window's current choice; the window hides afterwards in every case.
    virtual void Button1Click() = 0;

private:
    void place();

    QWidget* m_mainWindow;
    const ChoiceWindowData& m_window;
    engine::Fighter m_fighter;
    QLabel* m_question = nullptr;
    QLabel* m_fighterLine = nullptr;
    // The choices, a group named by the question.
    QWidget* m_choiceGroup = nullptr;
    QVBoxLayout* m_choices = nullptr;
    QPushButton* m_okButton = nullptr;
    // The choice controls in the order they were added.
    std::vector<QWidget*> m_choiceControls;
    bool m_placed = false;
};

} // namespace ui::choices
