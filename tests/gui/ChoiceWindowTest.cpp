#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#include "ui/choices/AttackModeChoiceWindow.h"
#include "ui/choices/ChoiceWindows.h"
#include "ui/choices/UntrainedWeaponChoiceWindow.h"
#include "weapons/AttackModes.h"

#include <QRadioButton>
#include <QScreen>
#include <QtTest>
#include <memory>

using engine::Fighter;
using guitest::BoxRecorder;
using guitest::child;
using guitest::clickRow;
using guitest::setField;
using weapons::AttackModeWeapon;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void clickOk(QWidget* window) {
    QTest::mouseClick(child<QPushButton>(window, "Button1"), Qt::LeftButton);
}

} // namespace

class ChoiceWindowTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    ui::choices::ChoiceWindows& windows() { return m_windows->choiceWindows(); }
    void setAttributes(Fighter fighter, int strength, int dexterity) {
        setField(m_window, fighter == Fighter::First ? "Edit5" : "Edit12",
                 QString::number(strength));
        setField(m_window, fighter == Fighter::First ? "Edit6" : "Edit13",
                 QString::number(dexterity));
    }
    ui::choices::AttackModeChoiceWindow& openAttackModes(AttackModeWeapon weapon, Fighter fighter) {
        auto& window = windows().attackModeWindow(weapon, fighter);
        window.showAndRaise();
        return window;
    }
    void checkMode(QWidget* window, int number) {
        // On the indicator: a radio button takes clicks on its box and text only.
        auto* radio = child<QRadioButton>(window, QString("RadioButton%1").arg(number));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        QVERIFY(radio->isChecked());
    }

private slots:

    void all22WindowsExistHiddenInTheirOrder() {
        const auto& all = windows().all();
        QCOMPARE(all.size(), std::size_t{22});
        const QStringList titles{"Krummsäbel", "Lanze",        "Stoßspeer", "Anderthalbhänder",
                                 "Ogerhammer", "Schlachtbeil", "Glefe",     "Hellebarde",
                                 "Stielhammer"};
        for (std::size_t i = 0; i < all.size(); ++i) {
            QCOMPARE(all[i]->objectName(), QString("Form%1").arg(i + 2));
            QVERIFY(!all[i]->isVisible());
            QVERIFY(all[i]->isWindow());
            QCOMPARE(all[i]->parentWidget(), m_window);
            QVERIFY(!all[i]->isModal());
            // A dialog of the main window (transient for it), naming the fighter it serves.
            QCOMPARE(all[i]->windowType(), Qt::Dialog);
            const QString fighterLine((i < 18 ? i % 18 < 9 : i % 2 == 0) ? "für Kämpfer 1"
                                                                         : "für Kämpfer 2");
            QCOMPARE(child<QLabel>(all[i], "FighterLine")->text(), fighterLine);
            QCOMPARE(all[i]->accessibleName(), all[i]->windowTitle() + ", " + fighterLine);
            if (i < 18) {
                QCOMPARE(all[i]->windowTitle(), titles[static_cast<qsizetype>(i % 9)]);
                QCOMPARE(child<QLabel>(all[i], "Label1")->text(), QString("Welche Angriffsart?"));
            } else {
                QCOMPARE(all[i]->windowTitle(),
                         QString(i < 20 ? "Improvisierte Waffen" : "Unvertraute Waffen"));
                QCOMPARE(child<QLabel>(all[i], "Label1")->text(), QString("Welche Waffe?"));
                QCOMPARE(child<QListWidget>(all[i], "ListBox1")->count(), i < 20 ? 18 : 34);
            }
            QCOMPARE(child<QPushButton>(all[i], "Button1")->text(), QString("OK"));
        }
        // Fighter 2's Lanze window has no close box; the others have one.
        QVERIFY(!windows()
                     .attackModeWindow(AttackModeWeapon::Lanze, Fighter::Second)
                     .windowFlags()
                     .testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(windows()
                    .attackModeWindow(AttackModeWeapon::Lanze, Fighter::First)
                    .windowFlags()
                    .testFlag(Qt::WindowCloseButtonHint));
        // Fighter 2's Stoßspeer window opens centred on the main window, the others on the
        // screen.
        m_window->move(0, 0);
        for (const Fighter fighter : engine::bothFighters) {
            auto& stossspeer = openAttackModes(AttackModeWeapon::Stossspeer, fighter);
            const QPoint centre = fighter == Fighter::Second
                                      ? m_window->frameGeometry().center()
                                      : stossspeer.screen()->availableGeometry().center();
            // Centring rounds each side of the frame on its own.
            QVERIFY2((stossspeer.frameGeometry().center() - centre).manhattanLength() <= 4,
                     qPrintable(stossspeer.objectName()));
            stossspeer.hide();
        }
        QCOMPARE(child<QRadioButton>(
                     &windows().attackModeWindow(AttackModeWeapon::Glefe, Fighter::Second),
                     "RadioButton3")
                     ->text(),
                 QString("Sturmmangriff stechend (1W6+2)"));
    }

    void eachWindowHasItsTabOrder() {
        // Tab through each window: "R" a radio button by number, "L" the list, "OK".
        const QStringList expected{
            "R1 R2 OK", "R1 R2 R3 OK", "R1 R2 R3 OK", "R1 R2 OK",    "R1 R2 OK",
            "R1 R2 OK", "R1 R2 OK R3", "OK R1 R2 R3", "R1 R2 R3 OK", // Form2 … Form10
            "OK R1 R2", "OK R1 R2 R3", "OK R1 R2 R3", "OK R1 R2",    "OK R1 R2",
            "OK R1 R2", "OK R1 R2 R3", "OK R1 R2 R3", "OK R1 R2 R3", // Form11 … Form19
            "OK L",     "L OK",        "L OK",        "OK L"};       // Form20 … Form23
        const auto& all = windows().all();
        for (std::size_t i = 0; i < all.size(); ++i) {
            QWidget* window = all[i];
            const auto shortName = [](const QWidget* control) {
                const QString name = control->objectName();
                if (name == "Button1") {
                    return QString("OK");
                }
                return name.startsWith("RadioButton") ? "R" + name.mid(11) : QString("L");
            };
            // The window's focus chain starts at the window itself.
            QStringList order;
            for (QWidget* control = window->nextInFocusChain(); control != window;
                 control = control->nextInFocusChain()) {
                if (control->focusPolicy() & Qt::TabFocus) {
                    order << shortName(control);
                }
            }
            // Tab goes round: compared as a cycle from the expected first control.
            const QStringList wanted = expected[static_cast<qsizetype>(i)].split(' ');
            const qsizetype start = std::max<qsizetype>(0, order.indexOf(wanted.first()));
            order = order.mid(start) + order.mid(0, start);
            QCOMPARE(order.join(' ') + " in " + window->objectName(),
                     expected[static_cast<qsizetype>(i)] + " in " + window->objectName());
        }
    }

    void everyModeOfEveryWindowWritesItsCode() {
        BoxRecorder boxes;
        for (const Fighter fighter : engine::bothFighters) {
            setAttributes(fighter, 100, 100);
            const char* codeLabel = fighter == Fighter::First ? "Label11" : "Label41";
            const char* typeLabel = fighter == Fighter::First ? "Label1" : "Label10";
            for (const auto& data : weapons::attackModeWeapons) {
                int number = 1;
                for (const auto& mode : data.modes) {
                    child<QLabel>(m_window, typeLabel)->setText(QString());
                    auto& window = openAttackModes(data.weapon, fighter);
                    QCOMPARE(
                        child<QRadioButton>(&window, QString("RadioButton%1").arg(number))->text(),
                        qs(weapons::captionFor(mode, fighter)));
                    checkMode(&window, number++);
                    clickOk(&window);
                    QVERIFY(!window.isVisible());
                    QCOMPARE(label(codeLabel), qs(mode.damageCode));
                    QCOMPARE(label(typeLabel), QString("normal"));
                }
            }
        }
        QVERIFY(boxes.boxes().empty());
    }

    void okWithNothingCheckedWritesNothing() {
        BoxRecorder boxes;
        auto& window = openAttackModes(AttackModeWeapon::Lanze, Fighter::Second);
        clickOk(&window);
        QVERIFY(!window.isVisible());
        QCOMPARE(label("Label41"), QString("0"));
        QCOMPARE(label("Label10"), QString());
        QVERIFY(boxes.boxes().empty());
    }

    void modesWithMinimumsAreTestedAtOk_data() {
        QTest::addColumn<int>("weapon");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("dexterity");
        QTest::addColumn<QString>("written");
        const int axe = static_cast<int>(AttackModeWeapon::Schlachtbeil);
        QTest::newRow("Schlachtbeil one-handed, Stärke 90") << axe << 1 << 90 << 31 << "";
        QTest::newRow("Schlachtbeil one-handed, 91/31") << axe << 1 << 91 << 31 << "1W6+1";
        QTest::newRow("Schlachtbeil two-handed, Geschick 30") << axe << 2 << 61 << 30 << "";
    }
    void modesWithMinimumsAreTestedAtOk() {
        QFETCH(int, weapon);
        QFETCH(int, mode);
        QFETCH(int, strength);
        QFETCH(int, dexterity);
        QFETCH(QString, written);
        BoxRecorder boxes;
        for (const Fighter fighter : engine::bothFighters) {
            boxes.clear();
            setAttributes(fighter, strength, dexterity);
            auto& window = openAttackModes(static_cast<AttackModeWeapon>(weapon), fighter);
            checkMode(&window, mode);
            clickOk(&window);
            QVERIFY(!window.isVisible());
            const QString code = label(fighter == Fighter::First ? "Label11" : "Label41");
            if (written.isEmpty()) {
                QCOMPARE(boxes.texts(),
                         QStringList{"Sie haben nicht die erforderlichen Basiseigenschaften"});
                QCOMPARE(code, QString("0"));
            } else {
                QVERIFY(boxes.boxes().empty());
                QCOMPARE(code, written);
            }
        }
    }

    void anderthalbhaenderOpensWithoutMinimumsFromTheList() {
        BoxRecorder boxes;
        clickRow(child<QListWidget>(m_window, "ListBox1"), 15);
        QVERIFY(windows()
                    .attackModeWindow(AttackModeWeapon::Anderthalbhaender, Fighter::First)
                    .isVisible());
        QVERIFY(boxes.boxes().empty());
    }

    void windowKeepsItsModeAndTheLastConfirmationWins() {
        BoxRecorder boxes;
        setAttributes(Fighter::First, 100, 100);
        auto* list = child<QListWidget>(m_window, "ListBox1");
        clickRow(list, 5);
        auto& krummsaebel =
            windows().attackModeWindow(AttackModeWeapon::Krummsaebel, Fighter::First);
        checkMode(&krummsaebel, 2);
        clickRow(list, 0); // Dolch, while the window is still open
        QCOMPARE(label("Label11"), QString("1W6-1"));
        clickOk(&krummsaebel);
        QCOMPARE(label("Label11"), QString("1W6+1"));
        // Reopened, the same mode is still checked and OK writes it again.
        clickRow(list, 0);
        clickRow(list, 5);
        QVERIFY(child<QRadioButton>(&krummsaebel, "RadioButton2")->isChecked());
        clickOk(&krummsaebel);
        QCOMPARE(label("Label11"), QString("1W6+1"));
    }

    void theChosenWeaponNamesItsDamageCode() {
        BoxRecorder boxes;
        auto* code = child<QLabel>(m_window, "Label41");
        const auto expectName = [&](const QString& name) {
            QCOMPARE(code->toolTip(), name);
            QCOMPARE(code->accessibleDescription(), name);
        };
        auto* list = child<QListWidget>(m_window, "ListBox2");
        setAttributes(Fighter::Second, 100, 100);
        clickRow(list, 0);
        expectName("Dolch (1W6-1)");
        clickRow(list, 20);
        auto& glefe = windows().attackModeWindow(AttackModeWeapon::Glefe, Fighter::Second);
        checkMode(&glefe, 3);
        clickOk(&glefe);
        expectName("Glefe, Sturmangriff stechend (1W6+2)");
        // A refused mode names nothing new: the code is still the Glefe's.
        setAttributes(Fighter::Second, 0, 0);
        clickRow(list, 15);
        auto& anderthalb =
            windows().attackModeWindow(AttackModeWeapon::Anderthalbhaender, Fighter::Second);
        checkMode(&anderthalb, 1);
        clickOk(&anderthalb);
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        expectName("Glefe, Sturmangriff stechend (1W6+2)");
        auto& improvised = windows().improvisedWindow(Fighter::Second);
        clickRow(improvised.list(), 3);
        clickOk(&improvised);
        QCOMPARE(label("Label41"), QString("1W6-1"));
        expectName("Stuhl (1W6-1) aus „Improvisierte Waffen“");
        QCOMPARE(child<QLabel>(m_window, "Label11")->toolTip(), QString());
        // A new fight has no weapon to name.
        guitest::triggerAction(m_window, "NeuKampf1gegen11");
        expectName(QString());
    }

    void closeBoxAndEscapeHideWithoutApplying() {
        BoxRecorder boxes;
        auto& glefe = openAttackModes(AttackModeWeapon::Glefe, Fighter::First);
        checkMode(&glefe, 2);
        glefe.close();
        QVERIFY(!glefe.isVisible());
        glefe.showAndRaise();
        QTest::keyClick(&glefe, Qt::Key_Escape);
        QVERIFY(!glefe.isVisible());
        QCOMPARE(label("Label11"), QString("0"));
        glefe.showAndRaise();
        QTest::keyClick(&glefe, Qt::Key_Return);
        QVERIFY(!glefe.isVisible());
        QCOMPARE(label("Label11"), QString("1W6+2"));
    }

    void improvisedWeaponsWriteCodeAttackValueAndType_data() {
        QTest::addColumn<int>("fighter");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("strength");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("attackValue");
        QTest::newRow("chair at its minimum") << 0 << 3 << 31 << "1W6-1"
                                              << "4";
        QTest::newRow("chair one below") << 0 << 3 << 30 << "1W6-1"
                                         << "0";
        QTest::newRow("boulder at 81") << 1 << 16 << 81 << "1W6+2"
                                       << "4";
        QTest::newRow("fighter 1 brawls, attack value kept") << 0 << 10 << 0 << "1W6-4 (Raufen)"
                                                             << "10";
        QTest::newRow("fighter 2 brawls at 1") << 1 << 10 << 1 << "1W6-4 (Raufen)"
                                               << "4";
        QTest::newRow("fighter 2 brawls at 0") << 1 << 10 << 0 << "1W6-4 (Raufen)"
                                               << "0";
    }
    void improvisedWeaponsWriteCodeAttackValueAndType() {
        QFETCH(int, fighter);
        QFETCH(int, row);
        QFETCH(int, strength);
        QFETCH(QString, code);
        QFETCH(QString, attackValue);
        BoxRecorder boxes;
        const auto who = static_cast<Fighter>(fighter);
        const bool first = who == Fighter::First;
        setField(m_window, first ? "Edit3" : "Edit10", "10");
        setAttributes(who, strength, 0);
        QTest::mouseClick(child<QPushButton>(m_window, first ? "Button5" : "Button7"),
                          Qt::LeftButton);
        auto& window = windows().improvisedWindow(who);
        QVERIFY(window.isVisible());
        clickRow(window.list(), row);
        clickOk(&window);
        QVERIFY(!window.isVisible());
        QCOMPARE(label(first ? "Label11" : "Label41"), code);
        QCOMPARE(label(first ? "Label47" : "Label48"), attackValue);
        QCOMPARE(label(first ? "Label1" : "Label10"), QString("normal"));
        QVERIFY(boxes.boxes().empty());
        // The other fighter is untouched.
        QCOMPARE(label(first ? "Label41" : "Label11"), QString("0"));
    }

    void headingsAndNotAvailableRowsOnlyShowTheirMessage() {
        BoxRecorder boxes;
        auto& improvised = windows().improvisedWindow(Fighter::First);
        for (int heading : {0, 11}) {
            improvised.showAndRaise();
            clickRow(improvised.list(), heading);
            clickOk(&improvised);
            QVERIFY(!improvised.isVisible());
        }
        auto& unfamiliar = windows().unfamiliarWindow(Fighter::Second);
        for (int row : {19, 20, 21, 22, 33}) {
            unfamiliar.showAndRaise();
            clickRow(unfamiliar.list(), row);
            clickOk(&unfamiliar);
            QVERIFY(!unfamiliar.isVisible());
        }
        QCOMPARE(boxes.boxes().size(), std::size_t{7});
        QCOMPARE(boxes.boxes()[0].text, QString("Das ist nicht auswählbar"));
        QCOMPARE(boxes.boxes()[1].title, QString("Fehler"));
        QCOMPARE(boxes.boxes()[2].text,
                 QString("Es tut mir leid, aber dieser Modus steht zur Zeit noch nicht zur "
                         "Verfügung. Wir arbeiten daran."));
        for (const char* name : {"Label11", "Label41", "Label47", "Label48"}) {
            QCOMPARE(label(name), QString("0"));
        }
    }

    void okWithNothingSelectedClosesSilentlyEvenAfterTheListHadFocus() {
        BoxRecorder boxes;
        auto& window = windows().unfamiliarWindow(Fighter::First);
        window.showAndRaise();
        window.list()->setFocus();
        QApplication::processEvents();
        QCOMPARE(window.selectedRow(), -1);
        clickOk(&window);
        QVERIFY(!window.isVisible());
        QCOMPARE(label("Label11"), QString("0"));
        QCOMPARE(label("Label1"), QString());
        QVERIFY(boxes.boxes().empty());
    }

    void unfamiliarWeaponsTestBothAttributesOfTheirOwnFighter_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("dexterity");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("attackValue");
        QTest::newRow("bow at its minimums") << 27 << 31 << 31 << "1W6"
                                             << "4";
        QTest::newRow("bow, Geschick one below") << 27 << 31 << 30 << "1W6"
                                                 << "0";
    }
    void unfamiliarWeaponsTestBothAttributesOfTheirOwnFighter() {
        QFETCH(int, row);
        QFETCH(int, strength);
        QFETCH(int, dexterity);
        QFETCH(QString, code);
        QFETCH(QString, attackValue);
        BoxRecorder boxes;
        setAttributes(Fighter::Second, strength, dexterity);
        setAttributes(Fighter::First, 0, 0);
        QTest::mouseClick(child<QPushButton>(m_window, "Button8"), Qt::LeftButton);
        auto& window = windows().unfamiliarWindow(Fighter::Second);
        clickRow(window.list(), row);
        clickOk(&window);
        QCOMPARE(label("Label41"), code);
        QCOMPARE(label("Label48"), attackValue);
        QCOMPARE(label("Label10"), QString("normal"));
        QVERIFY(boxes.boxes().empty());
    }

    void selectionSurvivesHidingAndAppliesWithTheStaerkeOfThatMoment() {
        BoxRecorder boxes;
        setAttributes(Fighter::First, 31, 0);
        auto& window = windows().improvisedWindow(Fighter::First);
        window.showAndRaise();
        clickRow(window.list(), 3);
        clickOk(&window);
        QCOMPARE(label("Label47"), QString("4"));
        setAttributes(Fighter::First, 30, 0);
        QTest::mouseClick(child<QPushButton>(m_window, "Button5"), Qt::LeftButton);
        QCOMPARE(window.selectedRow(), 3);
        clickOk(&window);
        QCOMPARE(label("Label47"), QString("0"));
        // A later list weapon changes the code but not the attack value.
        setAttributes(Fighter::First, 0, 1);
        clickRow(child<QListWidget>(m_window, "ListBox1"), 0);
        QCOMPARE(label("Label11"), QString("1W6-1"));
        QCOMPARE(label("Label47"), QString("0"));
        setField(m_window, "Edit3", "12");
        QCOMPARE(label("Label47"), QString("12"));
    }

    void severalWindowsOpenAtOnceAndTheButtonOpensNoSecondOne() {
        QTest::mouseClick(child<QPushButton>(m_window, "Button5"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(m_window, "Button5"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(m_window, "Button8"), Qt::LeftButton);
        openAttackModes(AttackModeWeapon::Hellebarde, Fighter::Second);
        int visible = 0;
        for (QWidget* window : windows().all()) {
            visible += window->isVisible() ? 1 : 0;
        }
        QCOMPARE(visible, 3);
        QCOMPARE(m_window->findChildren<ui::choices::ChoiceWindow*>().size(), 22);
    }

    void aFightWithWeaponsAndArmourChosenThroughTheWindows() {
        BoxRecorder boxes;
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        // Fighter 1: the Lanze charged on horseback; fighter 2: a chair, swung.
        clickRow(child<QListWidget>(m_window, "ListBox1"), 12);
        auto& lanze = windows().attackModeWindow(AttackModeWeapon::Lanze, Fighter::First);
        checkMode(&lanze, 3);
        clickOk(&lanze);
        QTest::mouseClick(child<QPushButton>(m_window, "Button7"), Qt::LeftButton);
        auto& improvised = windows().improvisedWindow(Fighter::Second);
        clickRow(improvised.list(), 3);
        clickOk(&improvised);
        QCOMPARE(label("Label11"), QString("3W6+3"));
        QCOMPARE(label("Label41"), QString("1W6-1"));
        QCOMPARE(label("Label48"), QString("4"));
        // Armour: Kettenrüstung (3) for fighter 1, protection 10 for fighter 2.
        child<QComboBox>(m_window, "ComboBox1")->setCurrentIndex(3);
        QTest::mouseClick(child<QCheckBox>(m_window, "CheckBox2"), Qt::LeftButton);
        child<QComboBox>(m_window, "ComboBox4")->setCurrentIndex(10);
        QCOMPARE(label("Label71"), QString("3"));
        QCOMPARE(label("Label72"), QString("10"));

        // Four rounds on the dice from the start. Round 1: fighter 2 defends the Lanze's 9
        // (endurance only) and the chair's 4 hits through armour 3; round 4: the Lanze's 11
        // hits through protection 10. Fighter 2 attacks with 4 plus its die.
        struct Round {
            int damage1, damage2, attack2, defence1, life1, endurance1, life2, endurance2;
        };
        const Round rounds[] = {
            {9, 4, 21, 14, 14, 11, 15, 6},
            {10, 2, 8, 23, 14, 11, 15, 6},
            {15, 3, 17, 22, 14, 11, 15, 6},
            {11, 3, 17, 16, 14, 11, 14, -5},
        };
        int number = 0;
        for (const Round& round : rounds) {
            QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
            QCOMPARE(label("Label64"), QString("Es ist die %1 Runde des Kampfes").arg(++number));
            QCOMPARE(label("Label28"), QString::number(round.damage1));
            QCOMPARE(label("Label29"), QString::number(round.damage2));
            QCOMPARE(label("Label52"), QString::number(round.attack2));
            QCOMPARE(label("Label62"), QString::number(round.defence1));
            QCOMPARE(label("Label22"), QString::number(round.life1));
            QCOMPARE(label("Label25"), QString::number(round.endurance1));
            QCOMPARE(label("Label23"), QString::number(round.life2));
            QCOMPARE(label("Label26"), QString::number(round.endurance2));
        }
        QVERIFY(boxes.boxes().empty());
    }
};

QTEST_MAIN(ChoiceWindowTest)
#include "ChoiceWindowTest.moc"
