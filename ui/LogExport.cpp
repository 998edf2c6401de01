#include "LogExport.h"

#include "FightLog.h"
#include "engine/SharedTexts.h"
#include "toolkit/MessageBox.h"
#include "toolkit/QtText.h"
#include "toolkit/SaveFileDialog.h"

#include <QDir>
#include <QSaveFile>

namespace ui {

namespace {

// Writes beside the file and renames over it, so a reader never sees half a log. The
// reason of a failure, or an empty string.
QString writeWholeFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return file.errorString();
    }
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace

void saveFightLog(FightLog& log, QWidget* dialogParent) {
    const QString path = toolkit::chooseFileToSave(
        dialogParent, QStringLiteral("Kampfverlauf speichern"), QStringLiteral("Kampfverlauf.txt"),
        QStringLiteral("Text (*.txt)"));
    if (path.isEmpty()) {
        return;
    }
    QString text = log.text();
    // A text file ends with a line break; the log's last line has none.
    if (!text.isEmpty()) {
        text += QLatin1Char('\n');
    }
    const QString reason = writeWholeFile(path, text.toUtf8());
    if (!reason.isEmpty()) {
        toolkit::showMessageBox(QStringLiteral("Der Kampfverlauf konnte nicht in „%1“ gespeichert "
                                               "werden: %2")
                                    .arg(QDir::toNativeSeparators(path), reason),
                                toolkit::toQString(engine::errorTitle));
    }
}

} // namespace ui
