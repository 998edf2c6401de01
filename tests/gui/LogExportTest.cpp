#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "toolkit/gui/SaveFileDialog.h"
#include "ui/log/FightLog.h"
#include "ui/log/FightSetup.h"
#include "ui/panels/FighterPanel.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
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

// A disk that takes only the first bytes of any file: the file-size limit of the process,
// beyond which writes fail (with EFBIG, the signal it would send being ignored) as they fail
// on a full disk. Works for any user, inside containers as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        if (getrlimit(RLIMIT_FSIZE, &m_before) != 0) {
            qFatal("cannot read the file-size limit");
        }
        const rlimit limit{bytes, m_before.rlim_max};
        m_signalBefore = std::signal(SIGXFSZ, SIG_IGN);
        if (m_signalBefore == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            qFatal("cannot limit the file size");
        }
    }
    ~FileSizeLimit() {
        if (setrlimit(RLIMIT_FSIZE, &m_before) != 0) {
            qFatal("cannot lift the file-size limit");
        }
        std::signal(SIGXFSZ, m_signalBefore);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_signalBefore)(int) = SIG_DFL;
};

// Every file below folder, hidden ones included, relative to it.
QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir(folder).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

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

    void playRounds(int rounds) {
        click("Button2");
        armBoth("1W6");
        for (const engine::Fighter fighter : engine::bothFighters) {
            m_window->panel(fighter).edits[ui::lifePointsRow]->setText("500");
        }
        for (int round = 0; round < rounds; ++round) {
            click("Button1");
        }
    }
    void playTwoRounds() { playRounds(2); }

    QString saveItem() const { return QStringLiteral("Kampfverlaufspeichern1"); }
    QString statusText() const { return m_window->statusBar()->currentMessage(); }

    // The user's home, with a documents folder of another name than the usual one.
    QTemporaryDir m_home;
    QString documents() const { return m_home.filePath("Dokumente"); }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        QVERIFY(QDir(m_home.path()).mkpath(".config"));
        QVERIFY(QDir(m_home.path()).mkpath("Dokumente"));
        writeFile(m_home.filePath(".config/user-dirs.dirs"),
                  "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(".config").toUtf8());
    }

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
        QCOMPARE(chooser.suggested(), documents() + "/Kampfverlauf-" +
                                          QDate::currentDate().toString("yyyy-MM-dd") + ".txt");
        QVERIFY(boxes.boxes().empty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Verlauf.txt"});
        QCOMPARE(statusText(), "Kampfverlauf gespeichert in „" + path + "“");
    }

    // A full disk takes the first bytes and refuses the rest.
    void aDiskThatRunsFullKeepsTheOldFileAndSaysWhy() {
        BoxRecorder boxes;
        QTemporaryDir folder;
        const QString path = folder.filePath("Kampfverlauf.txt");
        writeFile(path, "keep me");
        playRounds(30);
        QVERIFY(m_window->fightLog().text().toUtf8().size() > 2 * 4096);
        {
            FileChooser chooser(path);
            FileSizeLimit limit(4096);
            triggerAction(m_window, saveItem());
        }
        QCOMPARE(boxes.texts(), QStringList{"Der Kampfverlauf konnte nicht in „" + path +
                                            "“ gespeichert werden: " + qt_error_string(EFBIG)});
        QCOMPARE(boxes.boxes().front().title, QString("Fehler"));
        QCOMPARE(fileContent(path), QByteArray("keep me"));
        QCOMPARE(filesBelow(folder.path()), QStringList{"Kampfverlauf.txt"});
        QCOMPARE(statusText(), QString());
    }

    // A chosen path that could reorder the sentence is isolated in it.
    void aRightToLeftPathIsIsolatedInTheBox() {
        BoxRecorder boxes;
        QTemporaryDir folder;
        const QString missing = folder.filePath("\u05d0\u2069/Verlauf.txt");
        FileChooser chooser(missing);
        triggerAction(m_window, saveItem());
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QVERIFY2(boxes.boxes().front().text.startsWith(
                     "Der Kampfverlauf konnte nicht in „\u2068" + folder.path() +
                     "/\u05d0\u2068\u2069/Verlauf.txt\u2069“ gespeichert werden: "),
                 qPrintable(boxes.boxes().front().text));
    }

    // The real dialog, answered by a timer: nothing is written but the chosen file, not
    // the dialog's history either.
    void theFileDialogLeavesNoFileBehind() {
        BoxRecorder boxes;
        toolkit::removeSaveFileChooser();
        const QString path = documents() + "/gewählt.txt";
        const QStringList before = filesBelow(m_home.path());
        bool answered = false;
        QString startedIn;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || answered) {
                return;
            }
            answered = true;
            startedIn = dialog->directory().absolutePath();
            dialog->selectFile(path);
            // As the dialog's own button does.
            static_cast<QDialog*>(dialog)->accept();
        });
        timer.start(10);
        playTwoRounds();
        triggerAction(m_window, saveItem());
        QVERIFY(answered);
        QCOMPARE(startedIn, documents());
        QVERIFY(boxes.boxes().empty());
        QCOMPARE(fileContent(path), (m_window->fightLog().text() + "\n").toUtf8());
        QStringList expected = before;
        expected << "Dokumente/gewählt.txt";
        expected.sort();
        QCOMPARE(filesBelow(m_home.path()), expected);
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
        const QStringList before = filesBelow(m_home.path());
        FileChooser chooser{QString()};
        triggerAction(m_window, saveItem());
        QVERIFY(boxes.boxes().empty());
        QCOMPARE(filesBelow(m_home.path()), before);
        QCOMPARE(statusText(), QString());
    }
};

QTEST_MAIN(LogExportTest)
#include "LogExportTest.moc"
