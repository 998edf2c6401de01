#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "toolkit/gui/EditableComboBox.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QtTest>
#include <algorithm>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;
using guitest::triggerAction;

class ArmourSelectionTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    QComboBox* box(const char* name) { return child<QComboBox>(m_window, name); }
    // The mark as the user and a screen reader meet it; they must agree.
    QString noteOf(const char* name) {
        QComboBox* shown = box(name);
        const QString note = toolkit::notAppliedNote(*shown);
        const auto marks = shown->lineEdit()->actions();
        const bool marked = std::any_of(marks.begin(), marks.end(),
                                        [](const QAction* mark) { return mark->isVisible(); });
        if (marked != !note.isEmpty() || shown->toolTip() != note ||
            QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Description) != note) {
            qWarning("%s: mark, tooltip and description disagree", name);
            return QStringLiteral("?");
        }
        return note;
    }
    // Opens the list and confirms the entry it shows, as a user does by keyboard.
    static void pickShownEntry(QComboBox* shown) {
        shown->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(shown->view()->window()));
        QTest::keyClick(shown->view(), Qt::Key_Return);
        QVERIFY(!shown->view()->isVisible());
    }
    void toggle(const char* checkBox) {
        auto* check = child<QCheckBox>(m_window, checkBox);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }
    // Exactly one drop-down of each fighter shows, always in the same place.
    void expectOneVisible(const char* armourClass, const char* protection, bool alternative) {
        QApplication::processEvents();
        QCOMPARE(box(armourClass)->isVisible(), !alternative);
        QCOMPARE(box(protection)->isVisible(), alternative);
        QCOMPARE(box(alternative ? protection : armourClass)->geometry(),
                 m_armourPlaces.value(armourClass));
    }

private slots:
    void init() {
        openWindows();
        QApplication::processEvents();
        for (const char* name : {"ComboBox1", "ComboBox2"}) {
            m_armourPlaces.insert(name, box(name)->geometry());
        }
    }

    void armourClassStoresItsIndex() {
        box("ComboBox1")->setCurrentIndex(3);
        QCOMPARE(box("ComboBox1")->currentText(), QString("Kettenrüstung"));
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 3);
        QCOMPARE(label("Label71"), QString("3"));
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 0);
        QCOMPARE(label("Label72"), QString("0"));
    }

    void switchingBoxesKeepsTheValueUntilTheOtherBoxChanges() {
        expectOneVisible("ComboBox1", "ComboBox3", false);
        box("ComboBox1")->setCurrentIndex(6);
        toggle("CheckBox1");
        expectOneVisible("ComboBox1", "ComboBox3", true);
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 6);
        QCOMPARE(box("ComboBox3")->currentText(), QString("Rüstungsschutz"));
        box("ComboBox3")->setCurrentIndex(10);
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 10);
        QCOMPARE(label("Label71"), QString("10"));
        box("ComboBox3")->setCurrentIndex(8);
        toggle("CheckBox1");
        expectOneVisible("ComboBox1", "ComboBox3", false);
        QCOMPARE(box("ComboBox1")->currentText(), QString("Ritterrüstung"));
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 8);
        QCOMPARE(label("Label71"), QString("8"));
    }

    void fighter2sBoxesAreItsOwn() {
        toggle("CheckBox2");
        expectOneVisible("ComboBox2", "ComboBox4", true);
        expectOneVisible("ComboBox1", "ComboBox3", false);
        box("ComboBox4")->setCurrentIndex(5);
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 5);
        QCOMPARE(label("Label72"), QString("5"));
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 0);
        QCOMPARE(label("Label71"), QString("0"));
    }

    void anEditedTextPartSelectsNothingAndKeepsTheValue() {
        BoxRecorder boxes;
        QComboBox* armourClass = box("ComboBox2");
        armourClass->setCurrentIndex(2);
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 2);
        child<QLabel>(m_window, "Label72")->setText("x");
        armourClass->setFocus();
        armourClass->lineEdit()->selectAll();
        QTest::keyClick(armourClass->lineEdit(), Qt::Key_Delete);
        QCOMPARE(armourClass->currentText(), QString());
        // The box itself reports no entry, as the handlers see it.
        QCOMPARE(armourClass->currentIndex(), -1);
        // The stored value stays and the label is rewritten with it.
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 2);
        QCOMPARE(label("Label72"), QString("2"));
        // Text that is no entry: still nothing selected, and never parsed as a number.
        QTest::keyClicks(armourClass->lineEdit(), "5");
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 2);
        QCOMPARE(armourClass->currentIndex(), -1);
        QCOMPARE(armourClass->count(), 7);
        QTest::keyClick(armourClass->lineEdit(), Qt::Key_Return);
        QCOMPARE(armourClass->count(), 7);
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 2);
        QVERIFY(boxes.boxes().empty());
    }

    void typingAfterAnEntryKeepsTheTextButSelectsNothing() {
        QComboBox* protection = box("ComboBox3");
        protection->setCurrentIndex(4);
        protection->lineEdit()->setFocus();
        protection->lineEdit()->end(false);
        QTest::keyClicks(protection->lineEdit(), "x1");
        QCOMPARE(protection->currentIndex(), -1);
        QCOMPARE(protection->currentText(), QString("4x1"));
        QCOMPARE(protection->lineEdit()->cursorPosition(), 3);
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 4);
        QCOMPARE(label("Label71"), QString("4"));
    }

    void newFightZeroesTheArmourButLeavesTheBoxes() {
        box("ComboBox1")->setCurrentIndex(4);
        toggle("CheckBox2");
        box("ComboBox4")->setCurrentIndex(9);
        QVERIFY(noteOf("ComboBox1").isEmpty());
        triggerAction(m_window, "NeuKampf1gegen11");
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 0);
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 0);
        QCOMPARE(label("Label71"), QString("0"));
        QCOMPARE(label("Label72"), QString("0"));
        QCOMPARE(box("ComboBox1")->currentText(), QString("Plattenrüstung"));
        QCOMPARE(box("ComboBox4")->currentText(), QString("9"));
        QVERIFY(child<QCheckBox>(m_window, "CheckBox2")->isChecked());
        expectOneVisible("ComboBox2", "ComboBox4", true);
        // The boxes that still show an entry say that it is not in force; the others,
        // showing their titles, say nothing.
        for (const char* name : {"ComboBox1", "ComboBox4"}) {
            QCOMPARE(noteOf(name), notApplied);
        }
        for (const char* name : {"ComboBox2", "ComboBox3"}) {
            QCOMPARE(noteOf(name), QString());
        }
        // Picking the entry a box already shows stores it again, and the mark goes.
        pickShownEntry(box("ComboBox4"));
        QCOMPARE(m_windows->fightController().combatState().fighter2.armour, 9);
        QCOMPARE(label("Label72"), QString("9"));
        QCOMPARE(noteOf("ComboBox4"), QString());
        QCOMPARE(noteOf("ComboBox1"), notApplied);
        box("ComboBox1")->setCurrentIndex(1);
        QCOMPARE(m_windows->fightController().combatState().fighter1.armour, 1);
        QCOMPARE(noteOf("ComboBox1"), QString());
    }

    // The box that changed last decides; the other one's entry is then not in force.
    void theOtherBoxOfAFighterIsMarkedWhileItsEntryIsNotTheArmour() {
        box("ComboBox1")->setCurrentIndex(2);
        toggle("CheckBox1");
        box("ComboBox3")->setCurrentIndex(8);
        QCOMPARE(noteOf("ComboBox1"), notApplied);
        box("ComboBox3")->setCurrentIndex(2);
        QCOMPARE(noteOf("ComboBox1"), QString());
        QCOMPARE(noteOf("ComboBox3"), QString());
    }

    void armourReducesOnlyTheLifePointsOfAHit() {
        BoxRecorder boxes;
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        for (const char* name : {"Label11", "Label41"}) {
            child<QLabel>(m_window, name)->setText("1W6");
        }
        child<QLabel>(m_window, "Label10")->setText("normal");
        box("ComboBox1")->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        // Fighter 2 hits with 1 against armour 1: endurance 14, life untouched.
        QCOMPARE(label("Label22"), QString("15"));
        QCOMPARE(label("Label25"), QString("14"));
    }

private:
    const QString notApplied = QStringLiteral("nicht angewendet – erneut wählen");
    QHash<QString, QRect> m_armourPlaces;
};

QTEST_MAIN(ArmourSelectionTest)
#include "ArmourSelectionTest.moc"
