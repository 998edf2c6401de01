#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace toolkit {

// Every box the program shows goes through here, so tests can answer them.
struct ShownBox {
    enum class Kind { Message, Error };
    Kind kind;
    QString text;
    QString title;
};

// Modal for the whole application, buttons OK and Cancel, no icon. Which button
// closes it makes no difference to the program.
void showMessageBox(const QString& text, const QString& title);

// The box for an error that escaped a handler: the message with a full stop added
// where it ends in a character sorting after ".", an "OK" button and the error icon.
void showErrorBox(const QString& message);

QString errorBoxText(const QString& message);
QString errorBoxTitle();

// Test seam: while an answerer is installed, boxes are handed to it instead of being
// shown, and the program goes on as if the user had pressed a button.
using BoxAnswerer = std::function<void(const ShownBox&)>;
void installBoxAnswerer(BoxAnswerer answerer);
void removeBoxAnswerer();

} // namespace toolkit
