#include "ui/FightToTheEnd.h"

#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/FightLog.h"
#include "ui/FightSetup.h"
#include "ui/FighterPanel.h"

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

    // Until the run has handed the command back.
    void runToTheEnd() {
        triggerAction(command());
        QTRY_VERIFY_WITH_TIMEOUT(command()->isEnabled(), 120000);
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

    void aFightNobodyLosesStopsAfterTheLimitAndGoesOn() {
        BoxRecorder boxes;
        // No attack types: nobody attacks.
        click("Button2");
        triggerAction(command());
        QVERIFY(!command()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(command()->isEnabled(), 120000);
        QCOMPARE(state().roundNumber, ui::FightToTheEnd::roundLimit);
        QCOMPARE(label("Label64"), QString("Es ist die 1000 Runde des Kampfes"));
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QCOMPARE(boxes.boxes()[0].text,
                 QString("Nach 1000 Runden ist der Kampf noch nicht entschieden."));
        QCOMPARE(boxes.boxes()[0].title, QString("Kampf auswürfeln"));
        QVERIFY(child<QPushButton>(m_window, "Button1")->isEnabled());
        click("Button1");
        QCOMPARE(state().roundNumber, ui::FightToTheEnd::roundLimit + 1);
    }

    void aNewFightInBetweenTakesTheFightOver() {
        BoxRecorder boxes;
        click("Button2");
        triggerAction(command());
        triggerAction(m_window, "NeuKampf1gegen11");
        QTRY_VERIFY_WITH_TIMEOUT(command()->isEnabled(), 120000);
        QCOMPARE(state().roundNumber, 0);
        QVERIFY(boxes.boxes().empty());
    }
};

QTEST_MAIN(FightToTheEndTest)
#include "FightToTheEndTest.moc"
