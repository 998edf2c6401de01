#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;
using guitest::triggerAction;
using guitest::typeInto;

class FightCommandTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    void chooseOneDieForBoth() { armBoth("1W6"); }

private slots:

    void newFightClearsTheFightButKeepsFlagsListsAndArmourBoxes() {
        BoxRecorder boxes;
        click("Button2");
        chooseOneDieForBoth();
        click("Button1");
        typeInto(child<QLineEdit>(m_window, "Edit1"), "2");
        click("Button1");
        QVERIFY(!child<QPushButton>(m_window, "Button1")->isEnabled());
        m_windows->fightController().combatState().fighter1.armour = 4;
        child<QLabel>(m_window, "Label71")->setText("4");
        auto* armourBox = child<QComboBox>(m_window, "ComboBox1");
        armourBox->setCurrentIndex(4);

        triggerAction(m_window, "NeuKampf1gegen11");

        const engine::CombatState& state = m_windows->fightController().combatState();
        QCOMPARE(state.roundNumber, 0);
        QCOMPARE(state.fighter1.damageRoll, 0);
        QCOMPARE(state.fighter1.armour, 0);
        QCOMPARE(state.fighter2.strength, 0);
        QCOMPARE(state.fighter1Attacks, 1);
        QCOMPARE(state.fighter2Attacks, 1);
        QVERIFY(child<QPushButton>(m_window, "Button1")->isEnabled());
        for (int n = 1; n <= 14; ++n) {
            QCOMPARE(child<QLineEdit>(m_window, QString("Edit%1").arg(n))->text(), QString("0"));
        }
        for (int n : {22, 23, 25, 26, 28, 29, 47, 48, 49, 50, 51, 52, 58, 59,
                      60, 61, 62, 63, 71, 72, 73, 74, 75, 76, 77, 78, 11, 41}) {
            QCOMPARE(child<QLabel>(m_window, QString("Label%1").arg(n))->text(), QString("0"));
        }
        QCOMPARE(label("Label1"), QString());
        QCOMPARE(label("Label10"), QString());
        QCOMPARE(label("Label64"), QString("Es ist die 0 Runde des Kampfes."));
        QCOMPARE(armourBox->currentIndex(), 4);

        // The flags survive: with empty attack types fighter 2 still hits in round 1.
        boxes.clear();
        click("Button2");
        chooseOneDieForBoth();
        child<QLabel>(m_window, "Label1")->setText(QString());
        child<QLabel>(m_window, "Label10")->setText(QString());
        click("Button1");
        QCOMPARE(label("Label64"), QString("Es ist die 1 Runde des Kampfes"));
    }

    void roundAfterNewFightRunsOnZeroValuesAndEndsAtOnce() {
        BoxRecorder boxes;
        triggerAction(m_window, "NeuKampf1gegen11");
        click("Button1");
        QCOMPARE(boxes.texts(), (QStringList{"Kämpfer 1 hat verloren", "Kämpfer 2 hat verloren"}));
        QVERIFY(!child<QPushButton>(m_window, "Button1")->isEnabled());
    }

    void standardValuesOverwriteOnlyChangedFields() {
        BoxRecorder boxes;
        click("Button2");
        QCOMPARE(label("Label22"), QString("15"));
        QCOMPARE(label("Label26"), QString("15"));
        QCOMPARE(label("Label73"), QString("70"));
        QCOMPARE(m_windows->fightController().combatState().fighter2.dexterity, 70);
        chooseOneDieForBoth();
        click("Button1");
        QCOMPARE(label("Label22"), QString("14"));
        // The texts are already there, so nothing runs and the lowered values stay.
        click("Button2");
        QCOMPARE(label("Label22"), QString("14"));
        QCOMPARE(label("Label25"), QString("14"));
        // After another text the value is restored, and the round count goes on.
        typeInto(child<QLineEdit>(m_window, "Edit1"), "3");
        click("Button2");
        QCOMPARE(label("Label22"), QString("15"));
        QCOMPARE(label("Label25"), QString("14"));
        QCOMPARE(m_windows->fightController().combatState().roundNumber, 1);
        QCOMPARE(label("Label11"), QString("1W6"));
        QVERIFY(boxes.boxes().empty());
    }

    void helpItemsShowTheirTexts() {
        BoxRecorder boxes;
        triggerAction(m_window, "berdiesesProgramm1");
        triggerAction(m_window, "Copyright1");
        triggerAction(m_window, "Copyright3");
        QCOMPARE(boxes.boxes().size(), std::size_t{3});
        QCOMPARE(boxes.boxes()[0].title,
                 QString("Eine kleine Fehlerauflistung des Kampfgenerators"));
        QCOMPARE(boxes.boxes()[0].text.size(), 557);
        QVERIFY(boxes.boxes()[0].text.startsWith(
            "Hier finden sie eine 'kleine' Fehlerauflistung des Kampfgenerators:\n\n-Beim"));
        QVERIFY(boxes.boxes()[0].text.contains("Kampfgeneratot"));
        QCOMPARE(boxes.boxes()[1].title, QString("Änderungen gegenüber Version 1.0"));
        QCOMPARE(boxes.boxes()[1].text.size(), 431);
        QVERIFY(boxes.boxes()[1].text.startsWith("Gegenüber der Verson 1.0"));
        QCOMPARE(boxes.boxes()[2].title, QString("Copyrightvermerk"));
        QVERIFY(boxes.boxes()[2].text.contains("Copyright"));
    }

    void realBoxesHaveOkAndCancelAndNoIcon() {
        // Without an answerer the box is really shown; answer it from a timer.
        QString seenTitle;
        QMessageBox::Icon seenIcon = QMessageBox::Warning;
        QMessageBox::StandardButtons seenButtons;
        guitest::inspectNextMessageBox([&](QMessageBox* box) {
            seenTitle = box->windowTitle();
            seenIcon = box->icon();
            seenButtons = box->standardButtons();
        });
        triggerAction(m_window, "Copyright3");
        QCOMPARE(seenTitle, QString("Copyrightvermerk"));
        QCOMPARE(seenIcon, QMessageBox::NoIcon);
        QCOMPARE(seenButtons, QMessageBox::Ok | QMessageBox::Cancel);
    }

    void realErrorBoxHasOkAndTheErrorIcon() {
        QString seenText;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons seenButtons;
        guitest::inspectNextMessageBox([&](QMessageBox* box) {
            seenText = box->text();
            seenIcon = box->icon();
            seenButtons = box->standardButtons();
        });
        child<QLabel>(m_window, "Label58")->setText("1x");
        click("Button1");
        QCOMPARE(seenText, QString("'1x' ist kein gültiger Integerwert."));
        QCOMPARE(seenIcon, QMessageBox::Critical);
        QCOMPARE(seenButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void endButtonAndMenuCloseTheMainWindow() {
        QVERIFY(m_window->isVisible());
        click("Button4");
        QVERIFY(!m_window->isVisible());
        m_window->show();
        triggerAction(m_window, "Ende1");
        QVERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(FightCommandTest)
#include "FightCommandTest.moc"
