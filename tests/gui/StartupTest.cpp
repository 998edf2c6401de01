// Runs the real start-up and closes the main window from a start-up hook, with a choice
// window open; the test passes when the program comes back from its event loop after
// showing only the main window, maximised.
#include "toolkit/gui/MessageBox.h"
#include "ui/RunApplication.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

int failures = 0;
// Set by the hook, which runs only once the event loop does.
bool closedFromTheEventLoop = false;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

// A menu entry or button as the user reads it: no mnemonic marks, no shortcut after a tab.
QString visibleText(const QString& text) {
    return text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

// Qt's own texts come from its German translation once the program has started: a real
// message box and the fight log's context menu.
void checkQtTextsAreGerman(QWidget* mainWindow) {
    QStringList buttons;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll.stop();
        for (QAbstractButton* button : box->buttons()) {
            buttons << visibleText(button->text());
        }
        box->done(0);
    });
    poll.start(5);
    toolkit::showMessageBox(QStringLiteral("Probe"), QStringLiteral("Fehler"));
    buttons.sort();
    check(buttons == QStringList({QStringLiteral("Abbrechen"), QStringLiteral("OK")}),
          "the message box shows \"OK\" and \"Abbrechen\"");

    auto* log = mainWindow->findChild<QPlainTextEdit*>();
    check(log != nullptr, "the fight log exists");
    if (log != nullptr) {
        QMenu* menu = log->createStandardContextMenu();
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            entries << visibleText(action->text());
        }
        delete menu;
        check(entries.contains(QStringLiteral("Kopieren")) &&
                  entries.contains(QStringLiteral("Alles auswählen")),
              "the log's context menu offers \"Kopieren\" and \"Alles auswählen\"");
    }
}

void closeMainWindowOnceShown() {
    QTimer::singleShot(0, [] {
        QWidget* mainWindow = nullptr;
        int visible = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("Form1")) {
                mainWindow = widget;
            }
            if (widget->isVisible()) {
                ++visible;
            }
        }
        check(mainWindow != nullptr, "the main window exists");
        check(visible == 1, "only the main window is visible");
        check(!QApplication::windowIcon().pixmap(32, 32).isNull(),
              "the window icon comes from the compiled-in resources");
        if (mainWindow != nullptr) {
            check(mainWindow->isVisible(), "the main window is shown");
            check(mainWindow->windowState().testFlag(Qt::WindowMaximized),
                  "the main window is maximised");
            // An open choice window does not keep the program alive.
            auto* improvised = mainWindow->findChild<QWidget*>(QStringLiteral("Form20"));
            check(improvised != nullptr && !improvised->isVisible(), "Form20 exists, hidden");
            checkQtTextsAreGerman(mainWindow);
            if (improvised != nullptr) {
                improvised->show();
            }
            mainWindow->close();
            closedFromTheEventLoop = true;
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeMainWindowOnceShown)

int main(int argc, char** argv) {
    ui::runApplication(argc, argv);
    check(closedFromTheEventLoop, "the event loop ran until the main window was closed");
    std::printf("%d passed, %d failed\n", failures == 0 ? 1 : 0, failures == 0 ? 0 : 1);
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
