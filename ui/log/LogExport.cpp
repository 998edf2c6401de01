#include "LogExport.h"

#include "FightLog.h"
#include "engine/SharedTexts.h"
#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/SaveFileDialog.h"

#include <QDate>
#include <QDir>
#include <QMainWindow>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStatusBar>
#include <optional>

namespace ui {

namespace {

// Writes beside the file and renames over it, so a reader never sees half a log. The
// reason of a failure, or nothing.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    // Unbuffered: a buffered write that the disk cannot take fails only when the buffer is
    // flushed at commit(), and commit() then renames the cut-off file into place anyway.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A write the disk takes only in part reports no error; the next one says why.
    for (qint64 written = 0; written < content.size();) {
        const qint64 now = file.write(content.constData() + written, content.size() - written);
        if (now <= 0) {
            const QString reason = file.errorString();
            // The temporary file goes with the QSaveFile; the old file stays untouched.
            file.cancelWriting();
            return reason;
        }
        written += now;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

// A typed name as part of a file name: what no common file system takes, and the
// invisible controls, become "_".
QString fileNamePart(const QString& name) {
    QString part = name.trimmed();
    for (QChar& c : part) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format) {
            c = QLatin1Char('_');
        }
    }
    // A leading dot would hide the file.
    while (part.startsWith(QLatin1Char('.'))) {
        part.remove(0, 1);
    }
    return part;
}

QString suggestedPath(const FighterNames& names) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(proposedLogFileName(names, QDate::currentDate()));
}

// A chosen path inside a sentence, isolated where its characters could reorder it.
QString shownPath(const QString& path) {
    return toolkit::isolated(QDir::toNativeSeparators(path));
}

} // namespace

QString proposedLogFileName(const FighterNames& typedNames, QDate date) {
    const QString day = date.toString(Qt::ISODate);
    if (typedNames[0].trimmed().isEmpty() && typedNames[1].trimmed().isEmpty()) {
        return QStringLiteral("Kampfverlauf-%1.txt").arg(day);
    }
    QStringList names;
    for (const engine::Fighter fighter : engine::bothFighters) {
        const QString& typed = nameOf(typedNames, fighter);
        names << fileNamePart(typed.trimmed().isEmpty() ? fighterText(fighter) : typed);
    }
    return QStringLiteral("Kampfverlauf-%1-gegen-%2-%3.txt").arg(names[0], names[1], day);
}

void saveFightLog(FightLog& log, const FighterNames& typedNames, QMainWindow* window) {
    const QString path =
        toolkit::chooseFileToSave(window, QStringLiteral("Kampfverlauf speichern"),
                                  suggestedPath(typedNames), QStringLiteral("Text (*.txt)"));
    if (path.isEmpty()) {
        return;
    }
    QString text = log.text();
    // A text file ends with a line break; the log's last line has none.
    if (!text.isEmpty()) {
        text += QLatin1Char('\n');
    }
    if (const std::optional<QString> reason = writeWholeFile(path, text.toUtf8())) {
        toolkit::showMessageBox(QStringLiteral("Der Kampfverlauf konnte nicht in „%1“ gespeichert "
                                               "werden: %2")
                                    .arg(shownPath(path), *reason),
                                toolkit::toQString(engine::errorTitle));
        return;
    }
    window->statusBar()->showMessage(
        QStringLiteral("Kampfverlauf gespeichert in „%1“").arg(shownPath(path)));
}

} // namespace ui
