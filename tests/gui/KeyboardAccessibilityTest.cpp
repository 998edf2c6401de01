#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "toolkit/gui/Announcement.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#include "ui/choices/AttackModeChoiceWindow.h"
#include "ui/choices/ChoiceWindows.h"
#include "ui/choices/UntrainedWeaponChoiceWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using engine::Fighter;
using guitest::BoxRecorder;
using guitest::child;
using weapons::AttackModeWeapon;

namespace {

QString spoken(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(what) : QString();
}

} // namespace

class KeyboardAccessibilityTest : public guitest::MainWindowTestCase {
    Q_OBJECT

private slots:
    void init() {
        openWindows();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void menuCommandsHaveTheStandardShortcuts() {
        BoxRecorder boxes;
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        auto* edit = child<QLineEdit>(m_window, "Edit4");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(child<QLineEdit>(m_window, "Edit1")->text(), QString("0"));
        QTest::keyClick(edit, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
    }

    void f5AndCtrlRGenerateARoundFromAnyField() {
        BoxRecorder boxes;
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        auto* edit = child<QLineEdit>(m_window, "Edit12");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F5);
        QCOMPARE(label("Label64"), QString("Es ist die 1 Runde des Kampfes"));
        auto* list = child<QListWidget>(m_window, "ListBox2");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(label("Label64"), QString("Es ist die 2 Runde des Kampfes"));
        QVERIFY(boxes.boxes().empty());
        // Once the fight is over, the shortcut is as dead as the button.
        guitest::typeInto(child<QLineEdit>(m_window, "Edit1"), "1");
        QTest::keyClick(edit, Qt::Key_F5);
        QCOMPARE(boxes.texts(), QStringList{"Kämpfer 1 hat verloren"});
        QTest::keyClick(edit, Qt::Key_F5);
        QCOMPARE(label("Label64"), QString("Es ist die 3 Runde des Kampfes"));
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
    }

    void tabWalksThePanelsInTheirOrder() {
        const QStringList expected{
            "NameEdit1", "Edit1",    "Edit2",     "Edit3",     "Edit4",     "Edit5",   "Edit6",
            "Edit7",     "ListBox1", "CheckBox1", "ComboBox1", "CheckBox3", "Button5", "Button6",
            "NameEdit2", "Edit8",    "Edit9",     "Edit10",    "Edit11",    "Edit12",  "Edit13",
            "Edit14",    "ListBox2", "CheckBox2", "ComboBox2", "CheckBox4", "Button7", "Button8",
            "Button1",   "Button4",  "Button2"};
        child<QLineEdit>(m_window, "NameEdit1")->setFocus();
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int step = 1; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // An editable drop-down gives the focus to its line edit.
            seen << (qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget()
                                                                     : focus)
                        ->objectName();
        }
        QCOMPARE(seen, expected);
    }

    void attackModeWindowWorksByKeyboard() {
        BoxRecorder boxes;
        auto& window =
            m_windows->choiceWindows().attackModeWindow(AttackModeWeapon::Lanze, Fighter::First);
        window.showAndRaise();
        // Headless there is no window manager to hand the focus over.
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* first = child<QRadioButton>(&window, "RadioButton1");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Space);
        QVERIFY(first->isChecked());
        QTest::keyClick(first, Qt::Key_Down);
        QVERIFY2(child<QRadioButton>(&window, "RadioButton2")->isChecked(),
                 qPrintable(QApplication::focusWidget()->objectName()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(child<QRadioButton>(&window, "RadioButton3")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(label("Label11"), QString("3W6+3"));
    }

    void untrainedWeaponWindowWorksByKeyboard() {
        BoxRecorder boxes;
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        auto& window = m_windows->choiceWindows().improvisedWindow(Fighter::Second);
        window.showAndRaise();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.list()->setFocus();
        for (int key = 0; key < 3 && window.selectedRow() != 2; ++key) {
            QTest::keyClick(window.list(), Qt::Key_Down);
        }
        QCOMPARE(window.selectedRow(), 2);
        QTest::keyClick(window.list(), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(label("Label41"), QString("0"));
        window.showAndRaise();
        window.list()->setFocus();
        QTest::keyClick(window.list(), Qt::Key_Enter);
        QVERIFY(!window.isVisible());
        QCOMPARE(label("Label41"), QString("1W6-3"));
        QCOMPARE(label("Label48"), QString("4"));
        // Fighter 2's Lanze window has no close box, so Escape does not close it.
        auto& lanze =
            m_windows->choiceWindows().attackModeWindow(AttackModeWeapon::Lanze, Fighter::Second);
        lanze.showAndRaise();
        QTest::keyClick(&lanze, Qt::Key_Escape);
        QVERIFY(lanze.isVisible());
    }

    void valuesAndFieldsSayWhatTheyMean() {
        QCOMPARE(spoken(child<QLabel>(m_window, "Label23"), QAccessible::Name),
                 QString("Kämpfer 2, LP verbleibend: 0"));
        QCOMPARE(spoken(child<QLabel>(m_window, "Label50"), QAccessible::Name),
                 QString("Kämpfer 2, Angriff gewürfelt: 0"));
        QCOMPARE(spoken(child<QLabel>(m_window, "Label62"), QAccessible::Name),
                 QString("Kämpfer 1, Abwehr gesamt: 0"));
        QCOMPARE(spoken(child<QLabel>(m_window, "Label71"), QAccessible::Name),
                 QString("Kämpfer 1, Rüstungsschutz: 0"));
        QCOMPARE(spoken(child<QLabel>(m_window, "Label10"), QAccessible::Name),
                 QString("Kämpfer 2, Angriffstyp:"));
        QVERIFY(!spoken(child<QLabel>(m_window, "Label28"), QAccessible::Description).isEmpty());
        QCOMPARE(spoken(child<QLineEdit>(m_window, "Edit9"), QAccessible::Name),
                 QString("Kämpfer 2, Lebenspunkte"));
        QCOMPARE(spoken(child<QLineEdit>(m_window, "Edit8"), QAccessible::Name),
                 QString("Kämpfer 2, Ausdauerpunkte"));
        QCOMPARE(spoken(child<QLineEdit>(m_window, "Edit6"), QAccessible::Name),
                 QString("Kämpfer 1, Geschick"));
        QVERIFY(!spoken(child<QLineEdit>(m_window, "Edit6"), QAccessible::Description).isEmpty());
        QCOMPARE(spoken(child<QLabel>(m_window, "Label41"), QAccessible::Name),
                 QString("Kämpfer 2, gewählter Schaden: 0"));
        // A value is read with its current text; the round line says its round.
        guitest::typeInto(child<QLineEdit>(m_window, "Edit9"), "14");
        QCOMPARE(spoken(child<QLabel>(m_window, "Label23"), QAccessible::Name),
                 QString("Kämpfer 2, LP verbleibend: 14"));
        QCOMPARE(spoken(child<QLabel>(m_window, "Label64"), QAccessible::Name),
                 QString("Runde: Es ist die 0 Runde des Kampfes."));
        // Boxes inside a fighter's box carry their own caption, drop-downs their own name.
        QCOMPARE(spoken(child<QGroupBox>(m_window, "GroupBox5"), QAccessible::Name),
                 QString("gewählter Schaden:"));
        QCOMPARE(spoken(child<QGroupBox>(m_window, "GroupBox6"), QAccessible::Name),
                 QString("Angriffstyp:"));
        auto* armour = child<QComboBox>(m_window, "ComboBox2");
        armour->setCurrentIndex(3);
        QCOMPARE(spoken(armour, QAccessible::Name), QString("Kämpfer 2, Rüstklasse"));
        QCOMPARE(spoken(armour, QAccessible::Value), QString("Kettenrüstung"));
        QCOMPARE(spoken(armour->lineEdit(), QAccessible::Name), QString("Kämpfer 2, Rüstklasse"));
        QCOMPARE(spoken(child<QCheckBox>(m_window, "CheckBox2"), QAccessible::Name),
                 QString("Kämpfer 2, Altenativ: Rüstungsschutz statt Rüstklasse"));
        QCOMPARE(spoken(child<QPushButton>(m_window, "Button7"), QAccessible::Name),
                 QString("Kämpfer 2, Improviserte Waffen wählen"));
        // Every value label of the event panel has a name of its own.
        QSet<QString> names;
        for (int n : {22, 23, 25, 26, 28, 29, 47, 48, 49, 50, 51, 52, 58,
                      59, 60, 61, 62, 63, 71, 72, 73, 74, 75, 76, 77, 78}) {
            names.insert(
                spoken(child<QLabel>(m_window, QString("Label%1").arg(n)), QAccessible::Name));
        }
        QCOMPARE(names.size(), 26);
    }

    // Told as the log tells it: each attack with its totals, outcome, damage, armour and
    // loss, then what the round left; never the event panel's damage column.
    void aRoundIsAnnouncedAsTheLogTellsIt() {
        BoxRecorder boxes;
        click("Button2");
        armBoth("2W6");
        child<QComboBox>(m_window, "ComboBox2")->setCurrentIndex(3);
        QAccessibleInterface* announcement =
            QAccessible::queryAccessibleInterface(&m_window->roundAnnouncement());
        QCOMPARE(announcement->role(), QAccessible::Notification);
        QVERIFY(m_window->roundAnnouncement().isHidden());
        QStringList outcomes;
        for (int round = 1; round <= 3; ++round) {
            click("Button1");
            QVERIFY(m_window->roundAnnouncement().isVisible());
            QCOMPARE(m_window->roundAnnouncement().size(), QSize(0, 0));
            const QString message = m_window->roundAnnouncement().message();
            const QString attack =
                QStringLiteral("Kämpfer (\\d) greift Kämpfer (\\d) an: Angriff \\d+ \\+ 10 = \\d+ "
                               "gegen Abwehr \\d+ \\+ 10 = \\d+, (Treffer|abgewehrt|verfehlt "
                               "\\(unter 20\\))\\. (Schaden \\d+, Rüstung (\\d+): Kämpfer \\d "
                               "verliert \\d+ AP und \\d+ LP|Kämpfer \\d verliert nichts)\\. ");
            const QRegularExpression told(
                QStringLiteral("^Runde %1\\. %2%2Danach hat Kämpfer 1 %3 LP und %4 AP, Kämpfer 2 "
                               "%5 LP und %6 AP\\.$")
                    .arg(round)
                    .arg(attack, label("Label22"), label("Label25"), label("Label23"),
                         label("Label26")));
            const QRegularExpressionMatch match = told.match(message);
            QVERIFY2(match.hasMatch(), qPrintable(message));
            QCOMPARE(match.captured(1), QString("1"));
            QCOMPARE(match.captured(2), QString("2"));
            QCOMPARE(match.captured(6), QString("2"));
            QCOMPARE(match.captured(7), QString("1"));
            // Fighter 2 wears armour 3, fighter 1 none.
            QVERIFY(match.captured(5).isEmpty() || match.captured(5) == QString("3"));
            QVERIFY(match.captured(10).isEmpty() || match.captured(10) == QString("0"));
            outcomes << match.captured(3) << match.captured(8);
            QVERIFY(!message.contains(QStringLiteral("Schaden diese Runde")));
            QCOMPARE(announcement->text(QAccessible::Name), message);
        }
        // The first three rounds on the dice bring a hit, with its damage and armour.
        QVERIFY2(outcomes.contains("Treffer"), qPrintable(outcomes.join(", ")));
    }

    // A screen reader hears the question, the choices and the current one, and the focus
    // starts on the current choice, inside a group named by the question.
    void choiceWindowsTellTheirQuestionAndChoices() {
        BoxRecorder boxes;
        auto& window = m_windows->choiceWindows().unfamiliarWindow(Fighter::Second);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(accessible->role(), QAccessible::Dialog);
        QCOMPARE(accessible->text(QAccessible::Name), QString("Unvertraute Waffen, für Kämpfer 2"));
        QCOMPARE(spoken(window.list(), QAccessible::Name),
                 QString("Unvertraute Waffen, für Kämpfer 2"));
        window.showAndRaise();
        // Headless there is no window manager to hand the focus over.
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.list());
        QStringList entries;
        for (int row = 0; row < window.list()->count(); ++row) {
            entries << window.list()->item(row)->text();
        }
        QVERIFY(entries.size() > 2);
        const QString offered = "Welche Waffe? Zur Wahl: " + entries.join(", ");
        QCOMPARE(accessible->text(QAccessible::Description), offered + ". Gewählt: nichts.");
        window.list()->setCurrentRow(2);
        QCOMPARE(accessible->text(QAccessible::Description),
                 offered + ". Gewählt: " + entries[2] + ".");
        QAccessibleInterface* group =
            QAccessible::queryAccessibleInterface(window.list())->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QString("Welche Waffe?"));
        window.hide();

        auto& lanze =
            m_windows->choiceWindows().attackModeWindow(AttackModeWeapon::Lanze, Fighter::Second);
        lanze.showAndRaise();
        QApplication::setActiveWindow(&lanze);
        QVERIFY(QTest::qWaitForWindowActive(&lanze));
        auto* first = child<QRadioButton>(&lanze, "RadioButton1");
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(QAccessible::queryAccessibleInterface(first)->parent()->text(QAccessible::Name),
                 QString("Welche Angriffsart?"));
        child<QRadioButton>(&lanze, "RadioButton3")->setChecked(true);
        lanze.okButton()->click();
        lanze.showAndRaise();
        QApplication::setActiveWindow(&lanze);
        QVERIFY(QTest::qWaitForWindowActive(&lanze));
        QCOMPARE(QApplication::focusWidget(), child<QRadioButton>(&lanze, "RadioButton3"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&lanze)->text(QAccessible::Description),
                 QString("Welche Angriffsart? Zur Wahl: normal (1W6), Sturmangriff (2W6+2), "
                         "Sturmangriff zu Pferd (3W6+3). Gewählt: Sturmangriff zu Pferd (3W6+3)."));
    }

    // Every question a screen reader asks an edit gets an answer, the end of the text
    // included, where Qt 6.4 on its own loops for good.
    void editsAnswerEveryBoundaryQuestion() {
        auto* edit = child<QLineEdit>(m_window, "Edit1");
        guitest::typeInto(edit, "15");
        for (QLineEdit* field : {edit, child<QComboBox>(m_window, "ComboBox1")->lineEdit()}) {
            QAccessibleTextInterface* text =
                QAccessible::queryAccessibleInterface(field)->textInterface();
            QVERIFY(text != nullptr);
            const int length = text->characterCount();
            for (int offset = -2; offset <= length + 1; ++offset) {
                for (const auto type : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                        QAccessible::SentenceBoundary, QAccessible::LineBoundary}) {
                    int start = 0;
                    int end = 0;
                    text->textAtOffset(offset, type, &start, &end);
                    text->textBeforeOffset(offset, type, &start, &end);
                    text->textAfterOffset(offset, type, &start, &end);
                    QVERIFY(start == -1 || (0 <= start && start <= end && end <= length));
                }
            }
        }
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(edit)->textInterface();
        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end), QString("15"));
        QCOMPARE(text->textAtOffset(-1, QAccessible::SentenceBoundary, &start, &end),
                 QString("15"));
        QCOMPARE(text->textAtOffset(2, QAccessible::CharBoundary, &start, &end), QString());
        QCOMPARE(std::pair(start, end), std::pair(2, 2));
    }

    void weaponsShowTheirMinimumsAsTooltips() {
        auto* list = child<QListWidget>(m_window, "ListBox2");
        QCOMPARE(list->item(1)->data(Qt::AccessibleDescriptionRole).toString(),
                 QString("Mindestwerte: St 61, Gs 31"));
        QCOMPARE(list->item(1)->toolTip(), QString("Mindestwerte: St 61, Gs 31"));
        QCOMPARE(list->item(0)->toolTip(), QString("Mindestwerte: Gs 1"));
        QCOMPARE(list->item(8)->toolTip(), QString("Mindestwerte: St 1"));
        // A weapon with attack modes also names what each of its modes tests at OK.
        QCOMPARE(list->item(15)->toolTip(),
                 QString("einhändig: St 81, Gs 21; zweihändig: St 31, Gs 21"));
        QCOMPARE(list->item(18)->toolTip(),
                 QString("Mindestwerte: St 61, Gs 31; einhändig: St 91, Gs 31; "
                         "zweihändig: St 61, Gs 31"));
        QCOMPARE(list->item(5)->toolTip(), QString("Mindestwerte: St 11, Gs 31"));
        QCOMPARE(list->item(26)->toolTip(), QString("Noch nicht verfügbar"));
        auto& windows = m_windows->choiceWindows();
        QCOMPARE(windows.improvisedWindow(Fighter::First).list()->item(10)->toolTip(),
                 QString("Keine Mindestwerte"));
        QCOMPARE(windows.improvisedWindow(Fighter::Second).list()->item(10)->toolTip(),
                 QString("Mindestwerte: St 1"));
        QCOMPARE(windows.improvisedWindow(Fighter::Second).list()->item(0)->toolTip(), QString());
        QCOMPARE(windows.unfamiliarWindow(Fighter::First).list()->item(8)->toolTip(),
                 QString("Mindestwerte: St 31, Gs 61"));
        QCOMPARE(child<QRadioButton>(
                     &windows.attackModeWindow(AttackModeWeapon::Anderthalbhaender, Fighter::First),
                     "RadioButton1")
                     ->toolTip(),
                 QString("Mindestwerte: St 81, Gs 21"));
    }
};

QTEST_MAIN(KeyboardAccessibilityTest)
#include "KeyboardAccessibilityTest.moc"
