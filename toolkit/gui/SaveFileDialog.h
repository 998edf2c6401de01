#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace toolkit {

// Asks for the name of a file to write, starting at suggestedPath (a folder and a file
// name). Empty when the user cancels. Nothing is written: the dialog keeps no history.
QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter);

// Test seam: while a chooser is installed, it answers in place of the dialog.
using SaveFileChooser =
    std::function<QString(const QString& caption, const QString& suggestedPath)>;
void installSaveFileChooser(SaveFileChooser chooser);
void removeSaveFileChooser();

} // namespace toolkit
