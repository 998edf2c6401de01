#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace toolkit {

namespace {

BoxAnswerer& answerer() {
    static BoxAnswerer instance;
    return instance;
}

bool answeredWithoutShowing(ShownBox::Kind kind, const QString& text, const QString& title) {
    if (!answerer()) {
        return false;
    }
    answerer()(ShownBox{kind, text, title});
    return true;
}

void execBox(QMessageBox::Icon icon, const QString& text, const QString& title,
             QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    // The error box repeats typed text; it shows as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void showMessageBox(const QString& text, const QString& title) {
    if (answeredWithoutShowing(ShownBox::Kind::Message, text, title)) {
        return;
    }
    execBox(QMessageBox::NoIcon, text, title, QMessageBox::Ok | QMessageBox::Cancel);
}

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}

QString errorBoxTitle() {
    return QStringLiteral("Kampfgenerator");
}

void showErrorBox(const QString& message) {
    const QString text = errorBoxText(message);
    if (answeredWithoutShowing(ShownBox::Kind::Error, text, errorBoxTitle())) {
        return;
    }
    execBox(QMessageBox::Critical, text, errorBoxTitle(), QMessageBox::Ok);
}

void installBoxAnswerer(BoxAnswerer newAnswerer) {
    answerer() = std::move(newAnswerer);
}

void removeBoxAnswerer() {
    answerer() = nullptr;
}

} // namespace toolkit
