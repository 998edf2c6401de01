#include "Startup.h"

#include "TForm1.h"
#include "toolkit/AccessibleFactory.h"
#include "toolkit/HandlerGuard.h"
#include "toolkit/QtTranslations.h"
#include "toolkit/SafeApplication.h"
#include "weapons/ChoiceWindows.h"

#include <QIcon>

namespace ui {

namespace {

// Before any window exists, so that every control gets this program's interfaces.
std::unique_ptr<TForm1> createMainWindow() {
    toolkit::installAccessibleFactory();
    return std::make_unique<TForm1>();
}

} // namespace

ApplicationWindows::ApplicationWindows()
    : m_form1(createMainWindow()),
      m_choiceWindows(std::make_unique<weapons::ChoiceWindows>(m_form1.get(), *m_form1)) {
    m_form1->setChoiceWindows(m_choiceWindows.get());
}

ApplicationWindows::~ApplicationWindows() = default;

int runApplication(int& argc, char** argv) {
    toolkit::SafeApplication application(argc, argv);
    toolkit::installGermanQtTexts();
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
