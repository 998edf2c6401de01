#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "toolkit/SaveFileDialog.h"
#include "ui/FightLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using guitest::BoxRecorder;
using guitest::child;
using guitest::triggerAction;

namespace {

// Answers the file dialog with a path and remembers what it was asked.
class FileChooser {
public:
    explicit FileChooser(const QString& path) {
        toolkit::installSaveFileChooser([this, path](const QString&, const QString& suggested) {
            m_suggested = suggested;
            return path;
        });
    }
    ~FileChooser() { toolkit::removeSaveFileChooser(); }
    FileChooser(const FileChooser&) = delete;
    FileChooser& operator=(const FileChooser&) = delete;
    QString suggested() const { return m_suggested; }

private:
    QString m_suggested;
};

// Root writes into any folder; a folder closed to writing needs an ordinary user's rights.
class OrdinaryUserRights {
public:
    OrdinaryUserRights() : m_wasRoot(geteuid() == 0) {
        if (m_wasRoot && seteuid(65534) != 0) {
            qFatal("cannot give up root rights");
        }
    }
    ~OrdinaryUserRights() {
        if (m_wasRoot && seteuid(0) != 0) {
            qFatal("cannot take root rights back");
        }
    }
    OrdinaryUserRights(const OrdinaryUserRights&) = delete;
    OrdinaryUserRights& operator=(const OrdinaryUserRights&) = delete;

private:
    bool m_wasRoot;
};

QByteArray fileContent(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "(unreadable)";
    }
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class LogExportTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    void playTwoRounds() {
        click("Button2");
        armBoth("1W6");
        click("Button1");
        click("Button1");
    }

    QString saveItem() const { return QStringLiteral("Kampfverlaufspeichern1"); }

private slots:

    void theWholeLogIsSavedAsUtf8AndReplacesAnOldFile() {
        BoxRecorder boxes;
        QTemporaryDir folder;
        const QString path = folder.filePath("Verlauf.txt");
        writeFile(path, QByteArray(100000, 'x'));
        playTwoRounds();
        FileChooser chooser(path);

        triggerAction(m_window, saveItem());

        const QString log = m_window->fightLog().text();
        QVERIFY(log.contains(QString("Kämpfer 1")));
        QCOMPARE(fileContent(path), (log + "\n").toUtf8());
        QCOMPARE(chooser.suggested(), QString("Kampfverlauf.txt"));
        QVERIFY(boxes.boxes().empty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Verlauf.txt"});
    }

    void anUnwritableTargetIsNamedInABoxAndKeepsTheOldFileAndTheLog() {
        BoxRecorder boxes;
        QTemporaryDir folder;
        playTwoRounds();
        const QString log = m_window->fightLog().text();

        const QString missing = folder.filePath("fehlt/Verlauf.txt");
        {
            FileChooser chooser(missing);
            triggerAction(m_window, saveItem());
        }
        QVERIFY(!QFile::exists(missing));

        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther));
        QVERIFY(QDir(folder.path()).mkdir("schreibgeschuetzt"));
        const QString closed = folder.filePath("schreibgeschuetzt/Verlauf.txt");
        writeFile(closed, "alter Verlauf");
        QVERIFY(QFile::setPermissions(folder.filePath("schreibgeschuetzt"),
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther));
        {
            FileChooser chooser(closed);
            OrdinaryUserRights rights;
            triggerAction(m_window, saveItem());
        }
        QCOMPARE(fileContent(closed), QByteArray("alter Verlauf"));

        QCOMPARE(boxes.boxes().size(), std::size_t{2});
        for (std::size_t i = 0; i < 2; ++i) {
            const toolkit::ShownBox& box = boxes.boxes()[i];
            QCOMPARE(box.title, QString("Fehler"));
            QVERIFY2(box.text.contains(QDir::toNativeSeparators(i == 0 ? missing : closed)),
                     qPrintable(box.text));
            // The reason follows the name.
            QVERIFY2(!box.text.endsWith(": "), qPrintable(box.text));
        }
        QCOMPARE(m_window->fightLog().text(), log);
        QVERIFY(QFile::setPermissions(folder.filePath("schreibgeschuetzt"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void cancellingTheDialogWritesNothing() {
        BoxRecorder boxes;
        FileChooser chooser{QString()};
        triggerAction(m_window, saveItem());
        QVERIFY(boxes.boxes().empty());
    }
};

QTEST_MAIN(LogExportTest)
#include "LogExportTest.moc"
