#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace toolkit {

// Asks for the name of a file to write. Empty when the user cancels.
QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& suggestedName,
                         const QString& filter);

// Test seam: while a chooser is installed, it answers in place of the dialog.
using SaveFileChooser =
    std::function<QString(const QString& caption, const QString& suggestedName)>;
void installSaveFileChooser(SaveFileChooser chooser);
void removeSaveFileChooser();

} // namespace toolkit
