#include "SaveFileDialog.h"

#include <QFileDialog>
#include <utility>

namespace toolkit {

namespace {

SaveFileChooser& chooser() {
    static SaveFileChooser instance;
    return instance;
}

} // namespace

QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& suggestedName,
                         const QString& filter) {
    if (chooser()) {
        return chooser()(caption, suggestedName);
    }
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

void installSaveFileChooser(SaveFileChooser newChooser) {
    chooser() = std::move(newChooser);
}

void removeSaveFileChooser() {
    chooser() = nullptr;
}

} // namespace toolkit
