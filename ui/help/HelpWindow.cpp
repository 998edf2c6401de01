#include "HelpWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace ui::help {

HelpWindow::HelpWindow(const QString& document, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)),
      m_findField(new QLineEdit(this)), m_findResult(new QLabel(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Regeln und Bedienung"));

    auto* findLabel = new QLabel(QStringLiteral("&Suchen:"), this);
    findLabel->setBuddy(m_findField);
    m_findField->setObjectName(QStringLiteral("HelpFindField"));
    m_findField->setClearButtonEnabled(true);
    m_findField->setAccessibleName(QStringLiteral("In der Hilfe suchen"));
    m_findField->setAccessibleDescription(
        QStringLiteral("Markiert jeden Treffer; Eingabetaste springt zum nächsten, "
                       "Umschalt+Eingabetaste zum vorigen"));
    auto* nextButton = new QPushButton(QStringLiteral("&Weitersuchen"), this);
    nextButton->setObjectName(QStringLiteral("HelpFindNextButton"));
    nextButton->setAutoDefault(false);
    m_findResult->setObjectName(QStringLiteral("HelpFindResult"));

    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Regeln und Bedienung"));
    m_browser->setOpenLinks(true);
    m_browser->setHtml(document);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(m_findField, 1);
    findRow->addWidget(nextButton);
    findRow->addWidget(m_findResult);
    auto* column = new QVBoxLayout(this);
    column->addLayout(findRow);
    column->addWidget(m_browser, 1);
    setTabOrder(m_findField, nextButton);
    setTabOrder(nextButton, m_browser);
    resize(760, 640);

    connect(m_findField, &QLineEdit::textChanged, this, [this] {
        markMatches();
        // A new search starts at the top.
        m_browser->moveCursor(QTextCursor::Start);
        findNext();
    });
    m_findField->installEventFilter(this);
    connect(m_findField, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(nextButton, &QPushButton::clicked, this, [this] { findNext(); });
}

void HelpWindow::showAndRaise() {
    show();
    raise();
    activateWindow();
}

bool HelpWindow::findNext(bool backwards) {
    const QString wanted = m_findField->text();
    if (wanted.isEmpty()) {
        return false;
    }
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor found = m_browser->document()->find(wanted, m_browser->textCursor(), flags);
    if (found.isNull()) {
        QTextCursor fromTheOtherEnd(m_browser->document());
        fromTheOtherEnd.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        found = m_browser->document()->find(wanted, fromTheOtherEnd, flags);
    }
    if (found.isNull()) {
        return false;
    }
    m_browser->setTextCursor(found);
    m_browser->ensureCursorVisible();
    return true;
}

void HelpWindow::markMatches() {
    QList<QTextEdit::ExtraSelection> marks;
    const QString wanted = m_findField->text();
    if (!wanted.isEmpty()) {
        QTextCharFormat marked;
        marked.setBackground(QColor(255, 230, 90));
        marked.setForeground(Qt::black);
        QTextCursor at(m_browser->document());
        while (true) {
            at = m_browser->document()->find(wanted, at);
            if (at.isNull()) {
                break;
            }
            marks.append({at, marked});
        }
    }
    m_browser->setExtraSelections(marks);
    m_matchCount = static_cast<int>(marks.size());
    m_findResult->setText(wanted.isEmpty()    ? QString()
                          : m_matchCount == 0 ? QStringLiteral("nicht gefunden")
                                              : QStringLiteral("%1 Treffer").arg(m_matchCount));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // Before the field reports its Enter as a search forward.
    if (watched == m_findField && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ShiftModifier)) {
            findNext(true);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui::help
