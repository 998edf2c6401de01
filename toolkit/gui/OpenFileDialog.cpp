#include "OpenFileDialog.h"

#include <QFileDialog>
#include <utility>

namespace toolkit {

namespace {

OpenFileChooser& chooser() {
    static OpenFileChooser instance;
    return instance;
}

} // namespace

QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter) {
    if (chooser()) {
        return chooser()(caption);
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

void installOpenFileChooser(OpenFileChooser newChooser) {
    chooser() = std::move(newChooser);
}

void removeOpenFileChooser() {
    chooser() = nullptr;
}

} // namespace toolkit
