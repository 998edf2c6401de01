#include "QuestionBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace toolkit {

namespace {

QuestionAnswerer& answerer() {
    static QuestionAnswerer instance;
    return instance;
}

} // namespace

bool askYesNo(const QString& text, const QString& title) {
    if (answerer()) {
        return answerer()(text);
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("QuestionBox"));
    // Names in the question are typed text, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void installQuestionAnswerer(QuestionAnswerer newAnswerer) {
    answerer() = std::move(newAnswerer);
}

void removeQuestionAnswerer() {
    answerer() = nullptr;
}

} // namespace toolkit
