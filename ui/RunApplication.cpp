#include "RunApplication.h"

#include "ApplicationWindows.h"
#include "TForm1.h"
#include "toolkit/gui/Guarded.h"
#include "toolkit/gui/QtTranslations.h"
#include "toolkit/gui/SafeApplication.h"

#include <QIcon>

namespace ui {

int runApplication(int& argc, char** argv) {
    toolkit::SafeApplication application(argc, argv);
    toolkit::installGermanQtTexts();
    // Name the user's data folder, where the roster lives: ~/.local/share/Torvenn/Kampfgenerator.
    QCoreApplication::setOrganizationName(QStringLiteral("Torvenn"));
    QCoreApplication::setApplicationName(QStringLiteral("Kampfgenerator"));
    // Desktops match the window to its launcher entry by this id (Wayland) and show the
    // die in the task bar; the icon comes from the compiled-in resources.
    QGuiApplication::setDesktopFileName(QStringLiteral(TORVENN_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" TORVENN_APP_ID "-256.png")));
    toolkit::guarded([] {
        ApplicationWindows windows;
        windows.form1().showMaximized();
        QApplication::exec();
    });
    return 0;
}

} // namespace ui
