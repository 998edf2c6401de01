#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace toolkit {

// Asks for an existing file to read. Empty when the user cancels.
QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter);

// Test seam: while a chooser is installed, it answers in place of the dialog.
using OpenFileChooser = std::function<QString(const QString& caption)>;
void installOpenFileChooser(OpenFileChooser chooser);
void removeOpenFileChooser();

} // namespace toolkit
