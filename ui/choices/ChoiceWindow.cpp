#include "ChoiceWindow.h"

#include "engine/SharedTexts.h"
#include "toolkit/gui/AccessibleGroup.h"
#include "toolkit/gui/Guarded.h"
#include "toolkit/gui/QtText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace ui::choices {

ChoiceWindow::ChoiceWindow(QWidget* mainWindow, const ChoiceWindowData& window,
                           std::string_view title, std::string_view question,
                           engine::Fighter fighter)
    : QWidget(mainWindow, Qt::Dialog), m_mainWindow(mainWindow), m_window(window),
      m_fighter(fighter) {
    setObjectName(toolkit::toQString(window.objectName));
    setWindowTitle(toolkit::toQString(title));
    // A dialog, not a plain window: only dialogs are transient for their main window.
    // Without a close button hint Qt asks the window manager to offer no close. Some
    // (openbox) offer one all the same; it hides the window without applying, as every
    // close box does, so the program never looks hung.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (window.hasTitleBarButtons) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    setWindowFlags(flags);

    auto* layout = new QVBoxLayout(this);
    m_question = new QLabel(toolkit::toQString(question), this);
    m_question->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(m_question, 0, Qt::AlignHCenter);
    m_fighterLine = new QLabel(this);
    m_fighterLine->setObjectName(QStringLiteral("FighterLine"));
    // A typed name is text, never markup.
    m_fighterLine->setTextFormat(Qt::PlainText);
    layout->addWidget(m_fighterLine, 0, Qt::AlignHCenter);
    setFighterName(toolkit::toQString(engine::fighterName(fighter)));
    m_choiceGroup = new toolkit::AccessibleGroup(this);
    m_choiceGroup->setObjectName(QStringLiteral("Choices"));
    m_choiceGroup->setAccessibleName(m_question->text());
    m_choices = new QVBoxLayout(m_choiceGroup);
    m_choices->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_choiceGroup, 1);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("Button1"));
    m_okButton->setDefault(true);
    m_okButton->setMinimumWidth(75);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
    connect(m_okButton, &QPushButton::clicked, this, [this] {
        toolkit::guarded([this] {
            // Hidden afterwards whatever happened, also after an error.
            struct HideAtEnd {
                QWidget* window;
                ~HideAtEnd() { window->hide(); }
            } hideAtEnd{this};
            Button1Click();
        });
    });
    resize(300, 200);
}

QString ChoiceWindow::fighterLine(const QString& fighterName) {
    return QStringLiteral("für ") + fighterName;
}

QString ChoiceWindow::currentFighterLine() const {
    return m_fighterLine->text();
}

void ChoiceWindow::setFighterName(const QString& fighterName) {
    m_fighterLine->setText(fighterLine(fighterName));
    setAccessibleName(windowTitle() + QStringLiteral(", ") + m_fighterLine->text());
}

void ChoiceWindow::showAndRaise() {
    if (!m_placed) {
        place();
        m_placed = true;
    }
    describeChoices();
    // Where the window manager hands the focus over, the screen reader speaks the current
    // choice and the group around it rather than "OK".
    choiceFocus()->setFocus(Qt::ActiveWindowFocusReason);
    show();
    raise();
    activateWindow();
}

void ChoiceWindow::describeChoices() {
    const QStringList choices = choiceTexts();
    const int current = currentChoice();
    const QString chosen =
        current >= 0 && current < choices.size() ? choices[current] : QStringLiteral("nichts");
    setAccessibleDescription(
        QStringLiteral("%1 Zur Wahl: %2. Gewählt: %3.")
            .arg(m_question->text(), choices.join(QStringLiteral(", ")), chosen));
}

void ChoiceWindow::place() {
    adjustSize();
    resize(size().expandedTo(QSize(300, 200)));
    QRect around;
    if (m_window.centredOnMainWindow && m_mainWindow != nullptr) {
        around = m_mainWindow->frameGeometry();
    } else if (QScreen* current = screen()) {
        around = current->availableGeometry();
    }
    if (around.isValid()) {
        QRect frame = frameGeometry();
        frame.moveCenter(around.center());
        move(frame.topLeft());
    }
}

void ChoiceWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_okButton->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_window.hasTitleBarButtons) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChoiceWindow::addChoice(QWidget* control) {
    m_choices->addWidget(control);
    m_choiceControls.push_back(control);
}

void ChoiceWindow::applyTabOrder() {
    // The choices in the order they were added, with "OK" where the window data puts it.
    std::vector<QWidget*> order(m_choiceControls);
    const auto okAt =
        std::min(order.size(), static_cast<std::size_t>(std::max(0, m_window.choicesBeforeOk)));
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(okAt), m_okButton);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace ui::choices
