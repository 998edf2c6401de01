#include "SaveFileDialog.h"

#include <QFileDialog>
#include <QSettings>
#include <utility>

namespace toolkit {

namespace {

SaveFileChooser& chooser() {
    static SaveFileChooser instance;
    return instance;
}

// Every file dialog, when it closes, stores its history and last folder in the user's Qt
// settings (~/.config/QtProject.conf, with a lock and a temporary file), and nothing
// switches that off. The program uses no settings of its own and writes no file but the
// one chosen, so the user's settings are looked for where no file can be created: below
// /dev/null, which is no folder. Reading finds nothing there, writing fails silently.
void keepNoSettings() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    }
}

} // namespace

QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) {
    if (chooser()) {
        return chooser()(caption, suggestedPath);
    }
    keepNoSettings();
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

void installSaveFileChooser(SaveFileChooser newChooser) {
    chooser() = std::move(newChooser);
}

void removeSaveFileChooser() {
    chooser() = nullptr;
}

} // namespace toolkit
