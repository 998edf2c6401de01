#include "ui/FightToTheEnd.h"

#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/log/FightLog.h"
#include "ui/log/FightSetup.h"
#include "ui/panels/FighterPanel.h"

#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;
using guitest::triggerAction;

namespace {

// Every label of a window by name, to compare two windows whole.
QStringList labelTexts(const QWidget* window) {
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty()) {
            texts << label->objectName() + "=" + label->text();
        }
    }
    texts.sort();
    return texts;
}

// A fight of a few dozen rounds, longer than one turn of the run.
void armBothFighters(ui::TForm1* window) {
    QTest::mouseClick(child<QPushButton>(window, "Button2"), Qt::LeftButton);
    for (const engine::Fighter fighter : engine::bothFighters) {
        window->panel(fighter).edits[ui::lifePointsRow]->setText("60");
    }
    child<QLabel>(window, "Label11")->setText("1W6");
    child<QLabel>(window, "Label41")->setText("1W6+1");
    for (const char* name : {"Label1", "Label10"}) {
        child<QLabel>(window, name)->setText("normal");
    }
}

} // namespace

class FightToTheEndTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    QAction* command() const { return child<QAction>(m_window, "Kampfauswuerfeln1"); }
    const engine::CombatState& state() const { return m_windows->fightController().combatState(); }

    QPushButton* roundButton() const { return m_window->roundButton(); }

    // Well below the test's own timeout, so a run that does not end fails here.
    static constexpr int deadline = 60000;

    // Until the run is over: the fight has ended, or the command is back.
    void runToTheEnd() {
        triggerAction(command());
        QTRY_VERIFY_WITH_TIMEOUT(command()->isEnabled() || !roundButton()->isEnabled(), deadline);
    }

private slots:

    void theRunEqualsAsManyPresses() {
        BoxRecorder boxes;
        armBothFighters(m_window);
        runToTheEnd();
        const int rounds = state().roundNumber;
        QVERIFY(rounds > ui::FightToTheEnd::roundsPerTurn);
        QVERIFY(!child<QPushButton>(m_window, "Button1")->isEnabled());
        const QStringList runBoxes = boxes.texts();
        QVERIFY(!runBoxes.isEmpty());
        boxes.clear();

        ui::ApplicationWindows pressed;
        armBothFighters(&pressed.form1());
        for (int press = 0; press < rounds; ++press) {
            QTest::mouseClick(pressed.form1().roundButton(), Qt::LeftButton);
        }
        QCOMPARE(boxes.texts(), runBoxes);
        // The forecast follows once the presses have let the event loop run.
        QApplication::processEvents();
        QCOMPARE(labelTexts(&pressed.form1()), labelTexts(m_window));
        QCOMPARE(pressed.form1().fightLog().text(), m_window->fightLog().text());

        // Both dice stand at the same place.
        for (ui::ApplicationWindows* windows : {m_windows.get(), &pressed}) {
            triggerAction(windows->form1().rematchItem());
            QTest::mouseClick(windows->form1().roundButton(), Qt::LeftButton);
        }
        QCOMPARE(labelTexts(&pressed.form1()), labelTexts(m_window));
    }

    void aFailedRoundEndsTheRun() {
        BoxRecorder boxes;
        armBothFighters(m_window);
        child<QLabel>(m_window, "Label58")->setText("1x");
        runToTheEnd();
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QCOMPARE(boxes.boxes()[0].kind, toolkit::ShownBox::Kind::Error);
        QCOMPARE(state().roundNumber, 1);
        QVERIFY(child<QPushButton>(m_window, "Button1")->isEnabled());
    }

    void aFightUndecidedAfterTheLimitStopsAndGoesOn() {
        BoxRecorder boxes;
        armBothFighters(m_window);
        for (const engine::Fighter fighter : engine::bothFighters) {
            m_window->panel(fighter).edits[ui::lifePointsRow]->setText("1000000");
        }
        triggerAction(command());
        QVERIFY(!command()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(command()->isEnabled(), deadline);
        QCOMPARE(state().roundNumber, ui::FightToTheEnd::roundLimit);
        QCOMPARE(label("Label64"), QString("Es ist die 1000 Runde des Kampfes"));
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QCOMPARE(boxes.boxes()[0].text,
                 QString("Nach 1000 Runden ist der Kampf noch nicht entschieden."));
        QCOMPARE(boxes.boxes()[0].title, QString("Kampf auswürfeln"));
        QVERIFY(roundButton()->isEnabled());
        click("Button1");
        QCOMPARE(state().roundNumber, ui::FightToTheEnd::roundLimit + 1);
    }

    // No attack types: nobody attacks, nobody can fall.
    void aFightNobodyCanLoseIsNotStarted() {
        BoxRecorder boxes;
        click("Button2");
        const QString log = m_window->fightLog().text();
        triggerAction(command());
        QCOMPARE(boxes.texts(),
                 QStringList{"Keiner der Kämpfer kann fallen; der Kampf würde nie enden."});
        QCOMPARE(boxes.boxes()[0].title, QString("Kampf auswürfeln"));
        QCOMPARE(state().roundNumber, 0);
        QCOMPARE(m_window->fightLog().text(), log);
        QVERIFY(command()->isEnabled());
    }

    void theCommandFollowsTheEndOfTheFight() {
        BoxRecorder boxes;
        armBothFighters(m_window);
        runToTheEnd();
        QVERIFY(!roundButton()->isEnabled());
        QVERIFY(!command()->isEnabled());
        triggerAction(m_window->takeBackRoundItem());
        QVERIFY(command()->isEnabled());
        click("Button1");
        QVERIFY(!command()->isEnabled());
        triggerAction(m_window->rematchItem());
        QVERIFY(command()->isEnabled());
        runToTheEnd();
        QVERIFY(!command()->isEnabled());
        triggerAction(m_window, "NeuKampf1gegen11");
        QVERIFY(command()->isEnabled());
    }

    void aNewFightInBetweenTakesTheFightOver() {
        BoxRecorder boxes;
        armBothFighters(m_window);
        triggerAction(command());
        QVERIFY(state().roundNumber > 0);
        triggerAction(m_window, "NeuKampf1gegen11");
        QVERIFY(command()->isEnabled());
        // Turns of the run that were due find it stopped.
        QTest::qWait(50);
        QCOMPARE(state().roundNumber, 0);
        QVERIFY(boxes.boxes().empty());
    }

    // The end-of-fight box runs an event loop of its own; a rematch started while it is
    // open (through a screen reader, say) must not be fought on by the run.
    void aRematchWhileTheBoxIsOpenIsNotFoughtOn() {
        armBothFighters(m_window);
        QStringList boxes;
        bool rematched = false;
        toolkit::installBoxAnswerer([&](const toolkit::ShownBox& box) {
            boxes << box.text;
            if (!rematched && box.title == QString("Kampfende")) {
                rematched = true;
                triggerAction(m_window->rematchItem());
            }
        });
        triggerAction(command());
        QTRY_VERIFY_WITH_TIMEOUT(rematched, deadline);
        QTest::qWait(50);
        toolkit::removeBoxAnswerer();
        QCOMPARE(state().roundNumber, 0);
        QVERIFY(boxes.filter("Nach").isEmpty());
        QVERIFY(command()->isEnabled());
        QVERIFY(roundButton()->isEnabled());
        // The rematch can be fought to its end as any other.
        BoxRecorder recorder;
        runToTheEnd();
        QVERIFY(!roundButton()->isEnabled());
    }
};

QTEST_MAIN(FightToTheEndTest)
#include "FightToTheEndTest.moc"
