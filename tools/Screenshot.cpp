// Plays the first rounds of a fight in the real main window and saves a picture of it:
//
//     kampfgenerator-screenshot [--rounds N] [--size WxH|minimum|maximized]
//                               [--controls REPORT.json [--stay]]
//                               [--rules-help HELP.png] OUTPUT.png
//
// Everything goes through the window's own controls, found by their object names, so the
// picture shows what a user sees after the same clicks. "maximized" shows the window as
// the program does, lets the window manager place it, and takes the picture from the
// screen, frame included. --controls writes where every control lies (ControlReport.h);
// --stay keeps the window open afterwards until it is closed. --rules-help also opens
// "Regeln und Bedienung" through its menu item and saves a picture of that window.
#include "ControlReport.h"
#include "toolkit/gui/MessageBox.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#include "weapons/WeaponCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

namespace {

template <typename T> T* child(const QWidget& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        std::fprintf(stderr, "control %s not found\n", name);
        std::exit(EXIT_FAILURE);
    }
    return found;
}

struct WeaponChoice {
    const char* list;
    const char* damageLabel;
    const char* attackTypeLabel;
    std::string_view weapon;
};

std::string_view damageCodeOf(std::string_view weapon) {
    for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
        if (entry.listText == weapon) {
            return std::get<weapons::SetDamageCode>(entry.outcome).damageCode;
        }
    }
    std::fprintf(stderr, "no weapon %.*s\n", static_cast<int>(weapon.size()), weapon.data());
    std::exit(EXIT_FAILURE);
}

// Clicks the weapon in the fighter's list. Where the list does not react to clicks, the
// labels are written as the choice of a one-damage weapon writes them.
void chooseWeapon(QWidget& window, const WeaponChoice& choice) {
    auto* list = child<QListWidget>(window, choice.list);
    const QString text =
        QString::fromUtf8(choice.weapon.data(), static_cast<qsizetype>(choice.weapon.size()));
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty()) {
        std::fprintf(stderr, "%s lacks %s\n", choice.list, qPrintable(text));
        std::exit(EXIT_FAILURE);
    }
    list->scrollToItem(items.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.front()).center());

    auto* damage = child<QLabel>(window, choice.damageLabel);
    const std::string_view code = damageCodeOf(choice.weapon);
    if (damage->text().toStdString() != code) {
        std::fprintf(stderr, "%s did not take the click; writing the choice directly\n",
                     choice.list);
        damage->setText(QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())));
        child<QLabel>(window, choice.attackTypeLabel)->setText(QStringLiteral("normal"));
    }
}

// "1280x720", or "minimum" for the smallest size in which nothing scrolls.
QSize parseSize(const QString& text, ui::TForm1& window) {
    if (text == QLatin1String("minimum")) {
        return window.sizeWithoutScrolling();
    }
    const QStringList parts = text.split(QLatin1Char('x'));
    bool widthValid = false;
    bool heightValid = false;
    const QSize size = parts.size() == 2
                           ? QSize(parts[0].toInt(&widthValid), parts[1].toInt(&heightValid))
                           : QSize();
    if (!widthValid || !heightValid || size.isEmpty()) {
        std::fprintf(stderr, "--size takes WIDTHxHEIGHT or minimum, not %s\n", qPrintable(text));
        std::exit(EXIT_FAILURE);
    }
    return size;
}

// The window manager maximises the window some time after it is mapped; waits until it is
// maximised and its geometry has held still for half a second (ten seconds at most).
void waitUntilPlaced(const QWidget& window) {
    QElapsedTimer total;
    total.start();
    QElapsedTimer still;
    still.start();
    QRect last;
    while (total.elapsed() < 10000) {
        QTest::qWait(50);
        if (window.frameGeometry() != last) {
            last = window.frameGeometry();
            still.restart();
        } else if (window.isMaximized() && still.elapsed() >= 500) {
            return;
        }
    }
    std::fprintf(stderr, "the window did not settle within ten seconds\n");
}

QPixmap pictureOf(QWidget& window, bool fromScreen) {
    if (!fromScreen) {
        return window.grab();
    }
    const QRect frame = window.frameGeometry();
    return window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the first rounds of a fight and saves a picture of the window."));
    parser.addHelpOption();
    const QCommandLineOption roundsOption(QStringLiteral("rounds"),
                                          QStringLiteral("Rounds to play (default 3)."),
                                          QStringLiteral("N"), QStringLiteral("3"));
    // About a maximised window on a small laptop screen.
    const QCommandLineOption sizeOption(
        QStringLiteral("size"),
        QStringLiteral("Window size in logical pixels, \"minimum\" or \"maximized\" "
                       "(default 1280x720)."),
        QStringLiteral("WxH"), QStringLiteral("1280x720"));
    const QCommandLineOption controlsOption(QStringLiteral("controls"),
                                            QStringLiteral("Where to write the control report."),
                                            QStringLiteral("REPORT.json"));
    const QCommandLineOption stayOption(QStringLiteral("stay"),
                                        QStringLiteral("Keep the window open until it is closed."));
    const QCommandLineOption rulesHelpOption(
        QStringLiteral("rules-help"),
        QStringLiteral("Also open \"Regeln und Bedienung\" and save a picture of it here."),
        QStringLiteral("HELP.png"));
    parser.addOptions({roundsOption, sizeOption, controlsOption, stayOption, rulesHelpOption});
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The PNG to write."));
    parser.process(application);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(EXIT_FAILURE);
    }
    const QString output = parser.positionalArguments().front();
    bool roundsValid = false;
    const int rounds = parser.value(roundsOption).toInt(&roundsValid);
    if (!roundsValid || rounds < 0) {
        std::fprintf(stderr, "--rounds takes a whole number of at least 0\n");
        return EXIT_FAILURE;
    }

    // A box would wait for a click nobody makes; say what it said instead.
    toolkit::installBoxAnswerer([](const toolkit::ShownBox& box) {
        std::fprintf(stderr, "box \"%s\": %s\n", qPrintable(box.title), qPrintable(box.text));
    });

    ui::ApplicationWindows windows;
    ui::TForm1& window = windows.form1();
    const bool maximized = parser.value(sizeOption) == QLatin1String("maximized");
    if (maximized) {
        window.showMaximized();
    } else {
        window.resize(parseSize(parser.value(sizeOption), window));
        window.show();
    }
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return EXIT_FAILURE;
    }
    if (maximized) {
        waitUntilPlaced(window);
    }
    // Keys reach the window's shortcuts only while it is active; on a display without a
    // window manager nobody else activates it.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the main window did not become active\n");
        return EXIT_FAILURE;
    }

    // Named fighters, as a game master has them at the table.
    QTest::keyClicks(child<QLineEdit>(window, "NameEdit1"), QStringLiteral("Thorgrim"));
    QTest::keyClicks(child<QLineEdit>(window, "NameEdit2"), QStringLiteral("Ork"));
    QTest::mouseClick(child<QPushButton>(window, "Button2"), Qt::LeftButton);
    chooseWeapon(window, {"ListBox1", "Label11", "Label1", "Kurzschwert (1W6)"});
    chooseWeapon(window, {"ListBox2", "Label41", "Label10", "Langschwert (1W6+1)"});
    auto* roundButton = child<QPushButton>(window, "Button1");
    auto* roundLine = child<QLabel>(window, "Label64");
    // Each round comes from F5, pressed where the weapon choice left the focus, with the
    // content scrolled to that control as Tab would have scrolled it: what the round shows
    // must be in sight there.
    QWidget* focused =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
    child<QScrollArea>(window, "contentScrollArea")->ensureWidgetVisible(focused);
    for (int round = 0; round < rounds && roundButton->isEnabled(); ++round) {
        const QString before = roundLine->text();
        QTest::keyClick(focused, Qt::Key_F5);
        if (roundLine->text() == before) {
            std::fprintf(stderr, "F5 in %s played no round\n", qPrintable(focused->objectName()));
            return EXIT_FAILURE;
        }
    }
    QApplication::processEvents();

    if (!pictureOf(window, maximized).save(output)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(output));
        return EXIT_FAILURE;
    }
    std::printf("%s: \"%s\", %dx%d logical pixels at scale %g\n", qPrintable(output),
                qPrintable(child<QLabel>(window, "Label64")->text()), window.width(),
                window.height(), window.devicePixelRatioF());
    if (parser.isSet(controlsOption)) {
        if (!tools::writeControlReport(window, parser.value(controlsOption))) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(parser.value(controlsOption)));
            return EXIT_FAILURE;
        }
    }
    if (parser.isSet(rulesHelpOption)) {
        child<QAction>(window, "RegelnundBedienung1")->trigger();
        auto* help = child<QWidget>(window, "HelpWindow");
        if (!QTest::qWaitForWindowExposed(help)) {
            std::fprintf(stderr, "the help window was not shown\n");
            return EXIT_FAILURE;
        }
        QApplication::processEvents();
        if (!help->grab().save(parser.value(rulesHelpOption))) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(parser.value(rulesHelpOption)));
            return EXIT_FAILURE;
        }
    }
    if (parser.isSet(stayOption)) {
        std::printf("ready\n");
        std::fflush(stdout);
        return QApplication::exec();
    }
    return EXIT_SUCCESS;
}
