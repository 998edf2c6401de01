#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"

#include <QLabel>
#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;
using guitest::typeInto;

class ValueInputTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    QLineEdit* edit(const char* name) { return child<QLineEdit>(m_window, name); }

private slots:

    void textFieldsAreCopiedAsTypedIntoTheirRowsLabel() {
        BoxRecorder boxes;
        // Rows, not numbers: Edit9 is fighter 2's life points, Edit8 its endurance.
        const std::pair<const char*, const char*> copies[] = {
            {"Edit1", "Label22"},  {"Edit2", "Label25"},  {"Edit3", "Label47"},
            {"Edit4", "Label58"},  {"Edit9", "Label23"},  {"Edit8", "Label26"},
            {"Edit10", "Label48"}, {"Edit11", "Label59"},
        };
        for (const auto& [editName, labelName] : copies) {
            typeInto(edit(editName), " 07x");
            QCOMPARE(label(labelName), QString(" 07x"));
        }
        typeInto(edit("Edit9"), "");
        QCOMPARE(label("Label23"), QString());
        QVERIFY(boxes.boxes().empty());
    }

    void attributeFieldsStoreTheNumberAndShowItInDecimal() {
        BoxRecorder boxes;
        typeInto(edit("Edit6"), "12");
        QCOMPARE(m_windows->fightController().combatState().fighter1.dexterity, 12);
        QCOMPARE(label("Label75"), QString("12"));
        typeInto(edit("Edit5"), "070");
        QCOMPARE(label("Label73"), QString("70"));
        typeInto(edit("Edit14"), "$1F");
        QCOMPARE(m_windows->fightController().combatState().fighter2.agility, 31);
        QCOMPARE(label("Label78"), QString("31"));
        typeInto(edit("Edit12"), "+5");
        QCOMPARE(m_windows->fightController().combatState().fighter2.strength, 5);
        QCOMPARE(label("Label74"), QString("5"));
        // Only the lone "$" and the lone "+" on the way were no numbers.
        QCOMPARE(boxes.boxes().size(), std::size_t{2});
        // Fighter 2's fields never reach fighter 1.
        QCOMPARE(m_windows->fightController().combatState().fighter1.agility, 0);
        QCOMPARE(m_windows->fightController().combatState().fighter1.strength, 70);
    }

    void eachKeystrokeIsConvertedOnItsOwn() {
        BoxRecorder boxes;
        QLineEdit* strength = edit("Edit5");
        strength->setFocus();
        QTest::keyClick(strength, Qt::Key_1);
        QCOMPARE(m_windows->fightController().combatState().fighter1.strength, 1);
        QTest::keyClick(strength, Qt::Key_Minus);
        // "1-" is no number: the error box, and the last good value stays.
        QCOMPARE(boxes.texts(), QStringList{"Füllen sie bitte erst alle Werte aus"});
        QCOMPARE(boxes.boxes()[0].title, QString("Fehler"));
        QVERIFY(boxes.boxes()[0].kind == toolkit::ShownBox::Kind::Message);
        QCOMPARE(m_windows->fightController().combatState().fighter1.strength, 1);
        QCOMPARE(label("Label73"), QString("1"));
        QCOMPARE(strength->text(), QString("1-"));
    }

    void aLoneMinusFailsAndTheDigitAfterItStoresANegativeValue() {
        BoxRecorder boxes;
        typeInto(edit("Edit13"), "44");
        QLineEdit* dexterity = edit("Edit13");
        dexterity->selectAll();
        QTest::keyClick(dexterity, Qt::Key_Minus);
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QCOMPARE(m_windows->fightController().combatState().fighter2.dexterity, 44);
        QTest::keyClick(dexterity, Qt::Key_5);
        QCOMPARE(m_windows->fightController().combatState().fighter2.dexterity, -5);
        QCOMPARE(label("Label76"), QString("-5"));
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
    }

    void emptyingOrOverflowingAnAttributeKeepsTheStoredValue() {
        BoxRecorder boxes;
        typeInto(edit("Edit7"), "33");
        typeInto(edit("Edit7"), "");
        QCOMPARE(m_windows->fightController().combatState().fighter1.agility, 33);
        QCOMPARE(label("Label77"), QString("33"));
        typeInto(edit("Edit7"), "2147483648");
        QCOMPARE(m_windows->fightController().combatState().fighter1.agility, 214748364);
        QCOMPARE(boxes.boxes().size(), std::size_t{2});
        typeInto(edit("Edit7"), "-2147483648");
        QCOMPARE(m_windows->fightController().combatState().fighter1.agility, -2147483647 - 1);
        // Every digit after the ninth overflows on its own keystroke; a pasted flood of them
        // is one more overflow.
        boxes.clear();
        typeInto(edit("Edit7"), QString(20, QChar('9')));
        QCOMPARE(m_windows->fightController().combatState().fighter1.agility, 999999999);
        QCOMPARE(boxes.boxes().size(), std::size_t{11});
        edit("Edit7")->selectAll();
        edit("Edit7")->insert(QString(10000, QChar('9')));
        QCOMPARE(m_windows->fightController().combatState().fighter1.agility, 999999999);
        QCOMPARE(boxes.boxes().size(), std::size_t{12});
        typeInto(edit("Edit7"), "12 ");
        QCOMPARE(m_windows->fightController().combatState().fighter1.agility, 12);
        QCOMPARE(label("Label77"), QString("12"));
    }

    // Round 1 of the fixed sequence costs fighter 1 one life point, round 2 nothing, round 3
    // three endurance points of a defended attack.
    void aValueTypedBetweenRoundsIsWhereTheNextRoundStarts() {
        BoxRecorder boxes;
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        for (const char* name : {"Label11", "Label41"}) {
            child<QLabel>(m_window, name)->setText("1W6");
        }
        child<QLabel>(m_window, "Label10")->setText("normal");
        QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        QCOMPARE(label("Label22"), QString("14"));
        typeInto(edit("Edit1"), "30");
        QCOMPARE(label("Label22"), QString("30"));
        QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        QCOMPARE(label("Label22"), QString("30"));
        QCOMPARE(m_windows->fightController().combatState().fighter1.lifePoints, 30);
        typeInto(edit("Edit2"), "40");
        QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        QCOMPARE(label("Label25"), QString("37"));
        QCOMPARE(label("Label22"), QString("30"));
        QVERIFY(boxes.boxes().empty());
    }
};

QTEST_MAIN(ValueInputTest)
#include "ValueInputTest.moc"
