#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "engine/RoundWindow.h"
#include "toolkit/gui/Announcement.h"
#include "ui/log/FightChart.h"
#include "ui/log/FightLog.h"

#include <QtTest>
#include <vector>

using guitest::BoxRecorder;
using guitest::child;
using guitest::triggerAction;

namespace {

// Everything a round changes, at one moment of the fight.
struct FightPoint {
    engine::CombatState state;
    std::uint64_t dice;
    QStringList labels;
    std::vector<ui::FightChart::Point> chart;
    bool roundButtonEnabled;
    friend bool operator==(const FightPoint&, const FightPoint&) = default;
};

} // namespace

class RoundTakeBackTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    QAction* takeBackItem() const { return child<QAction>(m_window, "Rundezuruecknehmen1"); }
    void takeBack() const { triggerAction(takeBackItem()); }
    ui::FightController& controller() const { return m_windows->fightController(); }
    QString logText() const { return m_window->fightLog().text(); }

    FightPoint now() const {
        FightPoint point{controller().combatState(), controller().dice().state(),
                         guitest::panelLabelTexts(m_window), m_window->fightLog().chart()->points(),
                         child<QPushButton>(m_window, "Button1")->isEnabled()};
        return point;
    }

    void standardFightWithOneDie() {
        click("Button2");
        armBoth("1W6");
    }

private slots:
    void eachRoundTakenBackReturnsToWhereTheFightStood() {
        BoxRecorder boxes;
        QVERIFY(!takeBackItem()->isEnabled());
        standardFightWithOneDie();
        std::vector<FightPoint> points{now()};
        QStringList logs; // before each round, from its heading on
        for (int round = 0; round < 3; ++round) {
            click("Button1");
            points.push_back(now());
            logs << logText();
        }
        // The rounds leave the log; rounds taken back in a row share one line.
        logs.prepend(logs.front().left(logs.front().indexOf("\n\nRunde 1")));
        const QStringList notes{"Runden 1 bis 3 zurückgenommen", "Runden 2 bis 3 zurückgenommen",
                                "Runde 3 zurückgenommen"};
        for (int round = 3; round >= 1; --round) {
            takeBack();
            QVERIFY2(now() == points[round - 1], qPrintable(QString("before round %1").arg(round)));
            QCOMPARE(logText(), logs[round - 1] + "\n\n" + notes[round - 1]);
        }
        QVERIFY(!takeBackItem()->isEnabled());
        QVERIFY(m_window->fightLog().chart()->points().empty());

        click("Button1");
        triggerAction(m_window, "NeuKampf1gegen11");
        QVERIFY(!takeBackItem()->isEnabled());
    }

    void takenBackDecidingRoundComesAgainTheSame() {
        BoxRecorder boxes;
        standardFightWithOneDie();
        QString logBeforeLastRound;
        while (boxes.boxes().empty()) {
            logBeforeLastRound = logText();
            click("Button1");
        }
        const FightPoint end = now();
        QVERIFY(!end.roundButtonEnabled);
        const QString logAtEnd = logText();
        const QString lastEntry = logAtEnd.mid(logBeforeLastRound.size());
        const QString takenBack = QString("\n\nRunde %1 zurückgenommen").arg(end.state.roundNumber);

        QVERIFY(lastEntry.contains("Kampfende") && lastEntry.contains("Bilanz"));

        // The round leaves the log with the end of the fight it caused.
        takeBack();
        QVERIFY(now().roundButtonEnabled);
        QCOMPARE(logText(), logBeforeLastRound + takenBack);
        const QStringList endBoxes = boxes.texts();
        click("Button1");
        QCOMPARE(now(), end);
        QCOMPARE(logText(), logBeforeLastRound + takenBack + lastEntry);
        QCOMPARE(boxes.texts(), endBoxes + endBoxes);

        // Ctrl+Z from the window's buttons does the same.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(child<QPushButton>(m_window, "Button2"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(label("Label64"),
                 QString("Es ist die %1 Runde des Kampfes").arg(end.state.roundNumber - 1));
        QCOMPARE(logText(), logBeforeLastRound + takenBack);
    }

    void changesMadeSinceTheRoundStayAndTheNewRoundUsesThem() {
        BoxRecorder boxes;
        standardFightWithOneDie();
        click("Button1");
        const FightPoint afterFirst = now();
        click("Button1");
        const FightPoint afterSecond = now();
        // Forgotten armour, and a life-points value corrected by hand.
        child<QComboBox>(m_window, "ComboBox2")->setCurrentIndex(2);
        guitest::typeInto(child<QLineEdit>(m_window, "Edit1"), "20");

        takeBack();
        FightPoint expected = afterFirst;
        expected.state.fighter2.armour = 2;
        expected.labels[static_cast<qsizetype>(engine::PanelLabel::Label22)] = "20";
        QCOMPARE(now().labels, expected.labels);
        QCOMPARE(now().state, expected.state);
        QCOMPARE(label("Label72"), QString("2"));

        // The same dice, now against the armour.
        click("Button1");
        const engine::CombatState& state = controller().combatState();
        for (const engine::Fighter fighter : engine::bothFighters) {
            const engine::FighterState& was = afterSecond.state.fighter(fighter);
            QCOMPARE(state.fighter(fighter).damageRoll, was.damageRoll);
            QCOMPARE(state.fighter(fighter).attackRoll, was.attackRoll);
            QCOMPARE(state.fighter(fighter).defenceRoll, was.defenceRoll);
        }
        QCOMPARE(state.netDamageToFighter2, afterSecond.state.netDamageToFighter2 - 2);
        QCOMPARE(controller().dice().state(), afterSecond.dice);
    }

    void failedRoundIsTakenBack() {
        BoxRecorder boxes;
        standardFightWithOneDie();
        click("Button1");
        child<QLabel>(m_window, "Label23")->setText("zwölf");
        const FightPoint before = now();
        const QString logBefore = logText();
        click("Button1");
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QVERIFY(now().dice != before.dice);

        takeBack();
        QCOMPARE(now(), before);
        QCOMPARE(logText(), logBefore + "\n\nRunde 2 zurückgenommen");
    }

    void aLongFightIsTakenBackAsFarAsItsKeptRoundsAndSaysSo() {
        BoxRecorder boxes;
        standardFightWithOneDie();
        for (const char* edit : {"Edit1", "Edit9"}) {
            guitest::typeInto(child<QLineEdit>(m_window, edit), "1000000000");
        }
        constexpr int kept = int{engine::roundsKeptForTakeBack};
        constexpr int rounds = kept + 2;
        FightPoint oldestReachable{};
        for (int round = 0; round < rounds; ++round) {
            if (round == rounds - kept) {
                oldestReachable = now();
            }
            click("Button1");
        }
        for (int round = 0; round < kept; ++round) {
            QVERIFY(takeBackItem()->isEnabled());
            takeBack();
        }
        QCOMPARE(now(), oldestReachable);
        QVERIFY(!takeBackItem()->isEnabled());
        const QString note =
            QString("Runden %1 bis %2 zurückgenommen. Frühere Runden dieses Kampfes "
                    "lassen sich nicht zurücknehmen.")
                .arg(rounds - kept + 1)
                .arg(rounds);
        QVERIFY(logText().endsWith("\n\n" + note));
        QCOMPARE(logText().count("\nRunde "), rounds - kept);
        QCOMPARE(m_window->roundAnnouncement().message(),
                 QString("Runde %1 zurückgenommen. Frühere Runden dieses Kampfes lassen sich "
                         "nicht zurücknehmen.")
                     .arg(rounds - kept + 1));
        QVERIFY(boxes.texts().isEmpty());

        // A new fight has forgotten nothing yet.
        triggerAction(child<QAction>(m_window, "NeuKampf1gegen11"));
        standardFightWithOneDie();
        click("Button1");
        takeBack();
        QCOMPARE(m_window->roundAnnouncement().message(), QString("Runde 1 zurückgenommen"));
    }
};

QTEST_MAIN(RoundTakeBackTest)
#include "RoundTakeBackTest.moc"
