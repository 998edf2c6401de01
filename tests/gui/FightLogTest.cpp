#include "ui/log/FightLog.h"

#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "toolkit/gui/QtText.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#include "ui/log/FightChart.h"

#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;
using guitest::clickRow;
using guitest::triggerAction;
using guitest::typeInto;

namespace {

// Standard values, a Kurzschwert (1W6) for each fighter and armour 2 on fighter 1.
const QString workedExampleLog =
    "Kampf 1\n"
    "Kämpfer 1: LP 15, AP 15, Angriff 10, Abwehr 10, St 70, Gs 70, Gw 70; "
    "Waffe Kurzschwert (1W6), Schaden 1W6; Rüstung 2.\n"
    "Kämpfer 2: LP 15, AP 15, Angriff 10, Abwehr 10, St 70, Gs 70, Gw 70; "
    "Waffe Kurzschwert (1W6), Schaden 1W6; Rüstung 0.\n"
    "\n"
    "Runde 1\n"
    "Kämpfer 1 greift Kämpfer 2 an: Angriff 7 + 10 = 17 gegen Abwehr 4 + 10 = 14, verfehlt (unter "
    "20). "
    "Kämpfer 2 verliert nichts.\n"
    "Kämpfer 2 greift Kämpfer 1 an: Angriff 13 + 10 = 23 gegen Abwehr 5 + 10 = 15, Treffer. "
    "Schaden 1, Rüstung 2: Kämpfer 1 verliert 1 AP und 0 LP.\n"
    "Danach hat Kämpfer 1 15 LP und 14 AP, Kämpfer 2 15 LP und 15 AP.\n"
    "\n"
    "Runde 2\n"
    "Kämpfer 1 greift Kämpfer 2 an: Angriff 7 + 10 = 17 gegen Abwehr 5 + 10 = 15, verfehlt (unter "
    "20). "
    "Kämpfer 2 verliert nichts.\n"
    "Kämpfer 2 greift Kämpfer 1 an: Angriff 2 + 10 = 12 gegen Abwehr 2 + 10 = 12, verfehlt (unter "
    "20). "
    "Kämpfer 1 verliert nichts.\n"
    "Danach hat Kämpfer 1 15 LP und 14 AP, Kämpfer 2 15 LP und 15 AP.\n"
    "\n"
    "Runde 3\n"
    "Kämpfer 1 greift Kämpfer 2 an: Angriff 4 + 10 = 14 gegen Abwehr 19 + 10 = 29, verfehlt (unter "
    "20). "
    "Kämpfer 2 verliert nichts.\n"
    "Kämpfer 2 greift Kämpfer 1 an: Angriff 14 + 10 = 24 gegen Abwehr 20 + 10 = 30, "
    "abgewehrt. Schaden 3, Rüstung 2: Kämpfer 1 verliert 3 AP und 0 LP.\n"
    "Danach hat Kämpfer 1 15 LP und 11 AP, Kämpfer 2 15 LP und 15 AP.";

} // namespace

class FightLogTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    ui::FightLog& log() { return m_window->fightLog(); }
    void playWorkedExample() {
        click("Button2");
        clickRow(child<QListWidget>(m_window, "ListBox1"), 2);
        clickRow(child<QListWidget>(m_window, "ListBox2"), 2);
        child<QComboBox>(m_window, "ComboBox1")->setCurrentIndex(2);
        for (int round = 0; round < 3; ++round) {
            click("Button1");
        }
    }
    QStringList lines() { return log().text().split('\n'); }
    // Standard values and "1W6" for both, with life points no test's fight uses up.
    void startEndlessFight() {
        click("Button2");
        armBoth("1W6");
        for (const char* edit : {"Edit1", "Edit9"}) {
            typeInto(child<QLineEdit>(m_window, edit), "1000000000");
        }
    }
    void playRounds(int rounds) {
        auto* button = child<QPushButton>(m_window, "Button1");
        for (int round = 0; round < rounds; ++round) {
            button->click();
        }
    }
    QString topLine() const {
        return m_window->fightLog().view()->cursorForPosition(QPoint(0, 0)).block().text();
    }

private slots:

    void workedExampleIsLoggedWordForWord() {
        BoxRecorder boxes;
        playWorkedExample();
        QCOMPARE(log().text(), workedExampleLog);
        QVERIFY(log().view()->isReadOnly());
    }

    void theLogShowsARoundOnceTheEventLoopRuns() {
        BoxRecorder boxes;
        click("Button2");
        click("Button1");
        // The lines are laid out by the event loop, not inside the round.
        QTRY_VERIFY(log().view()->toPlainText().contains("Runde 1"));
    }

    void changesBetweenRoundsAreLoggedOnceWithTheirFinalValue() {
        BoxRecorder boxes;
        playWorkedExample();
        typeInto(child<QLineEdit>(m_window, "Edit1"), "20");
        // Typing the round's own result back changes nothing; the text is what counts.
        typeInto(child<QLineEdit>(m_window, "Edit8"), "1");
        typeInto(child<QLineEdit>(m_window, "Edit8"), "15");
        clickRow(child<QListWidget>(m_window, "ListBox2"), 0);
        child<QCheckBox>(m_window, "CheckBox3")->setChecked(true);
        child<QComboBox>(m_window, "ComboBox2")->setCurrentIndex(1);
        click("Button1");
        click("Button1");
        // The life points typed again over the round's result count as a change.
        typeInto(child<QLineEdit>(m_window, "Edit1"), "20");
        click("Button1");
        const QStringList entries = lines().mid(workedExampleLog.count('\n') + 1);
        QCOMPARE(entries.at(0), QString("Kämpfer 1 geändert: LP 20; feuerempfindlich."));
        QCOMPARE(entries.at(1), QString("Kämpfer 2 geändert: Waffe Dolch (1W6-1), Schaden "
                                        "1W6-1; Rüstung 1."));
        QCOMPARE(entries.at(3), QString("Runde 4"));
        QCOMPARE(entries.at(8), QString("Runde 5"));
        QCOMPARE(entries.at(12), QString("Kämpfer 1 geändert: LP 20."));
        QCOMPARE(entries.at(14), QString("Runde 6"));
        QCOMPARE(entries.filter("geändert").size(), 3);
        QVERIFY(boxes.texts().isEmpty());
    }

    void failedRoundsNameTheirFieldAndEmptyFightsLeaveNoSection() {
        BoxRecorder boxes;
        triggerAction(m_window, "NeuKampf1gegen11");
        guitest::setField(m_window, "Edit9", "zwölf");
        click("Button1");
        typeInto(child<QLineEdit>(m_window, "Edit9"), "11");
        click("Button1");
        triggerAction(m_window, "NeuKampf1gegen11");
        triggerAction(m_window, "NeuKampf1gegen11");
        click("Button1");
        const QStringList logged = lines();
        QCOMPARE(logged.at(0), QString("Kampf 1"));
        QCOMPARE(logged.at(2), QString("Kämpfer 2: LP ") + toolkit::isolated(QString("zwölf")) +
                                   ", AP 0, Angriff 0, Abwehr 0, St 0, Gs 0, Gw 0; keine "
                                   "Waffe; Rüstung 0.");
        QCOMPARE(logged.at(4), QString("Runde 1 nicht ausgewertet: Kämpfer 2, LP: '") +
                                   toolkit::isolated(QString("zwölf")) +
                                   "' ist kein gültiger Integerwert.");
        QCOMPARE(logged.at(5), QString("Kämpfer 2 geändert: LP 11."));
        QCOMPARE(logged.at(7), QString("Runde 2"));
        QCOMPARE(logged.at(8),
                 QString("Kämpfer 1 greift Kämpfer 2 an: Angriff 10 + 0 = 10 "
                         "gegen Abwehr 5 + 0 = 5, verfehlt (unter 20). Kämpfer 2 verliert "
                         "nichts."));
        QCOMPARE(logged.filter(QRegularExpression("^Kampf \\d")),
                 (QStringList{"Kampf 1", "Kampf 2"}));
        QCOMPARE(logged.filter("Kampfende").size(), 3);
        // The boxes the user sees are the same as without a log.
        QCOMPARE(boxes.texts(),
                 (QStringList{"'zwölf' ist kein gültiger Integerwert.", "Kämpfer 1 hat verloren",
                              "Kämpfer 1 hat verloren", "Kämpfer 2 hat verloren"}));
    }

    void theFightsEndIsLoggedAndChartedBeforeTheFirstBox() {
        QString logShown;
        std::size_t pointsShown = 0;
        toolkit::installBoxAnswerer([&](const toolkit::ShownBox&) {
            if (logShown.isEmpty()) {
                // What the view holds, not what waits for the event loop.
                logShown = log().view()->toPlainText();
                pointsShown = log().chart()->points().size();
            }
        });
        playWorkedExample();
        typeInto(child<QLineEdit>(m_window, "Edit9"), "3");
        click("Button1");
        toolkit::removeBoxAnswerer();
        QVERIFY(logShown.endsWith("Danach hat Kämpfer 1 13 LP und 7 AP, Kämpfer 2 3 LP und 15 AP.\n"
                                  "Kampfende: Kämpfer 2 hat verloren.\n"
                                  "Bilanz nach 4 Runden:\n"
                                  "Kämpfer 1: 0 Treffer, 0 abgewehrt, 4 verfehlt; Kämpfer 2 "
                                  "verlor dadurch 0 LP und 0 AP.\n"
                                  "Kämpfer 2: 2 Treffer, 1 abgewehrt, 1 verfehlt; Kämpfer 1 "
                                  "verlor dadurch 2 LP und 8 AP."));
        QCOMPARE(pointsShown, std::size_t{5});
    }

    void earlierFightsBeyondTheBoundAreDroppedWithANote() {
        BoxRecorder boxes;
        const int fights = ui::FightLog::keptEarlierFights + 6;
        for (int fight = 0; fight < fights; ++fight) {
            triggerAction(m_window, "NeuKampf1gegen11");
            click("Button1"); // zero values: the fight ends in its first round
        }
        QCoreApplication::processEvents();
        const QStringList logged = lines();
        QCOMPARE(logged.at(0), QString("(Kampf 1 bis 5 sind nicht mehr im Kampfverlauf.)"));
        QCOMPARE(logged.at(1), QString());
        QCOMPARE(logged.at(2), QString("Kampf 6"));
        QCOMPARE(logged.filter(QRegularExpression("^Kampf \\d")).size(),
                 ui::FightLog::keptEarlierFights + 1);
        QCOMPARE(logged.last(), log().text().split('\n').last());
        QVERIFY(logged.last().startsWith("Kämpfer 2: 0 Treffer"));
    }

    void aLongFightKeepsItsLatestRoundsAndAnExactSummary() {
        BoxRecorder boxes;
        startEndlessFight();
        constexpr int dropped = 2 * ui::FightLog::droppedRoundsAtOnce;
        constexpr int rounds =
            ui::FightLog::keptRounds + dropped - ui::FightLog::droppedRoundsAtOnce + 1;
        playRounds(rounds);
        typeInto(child<QLineEdit>(m_window, "Edit9"), "3"); // fighter 2 falls in the next round
        playRounds(1);
        QStringList logged = lines();
        QCOMPARE(log().view()->document()->blockCount(), logged.size());
        QCOMPARE(logged.at(3), QString("(Die ersten %1 Runden dieses Kampfes sind nicht mehr im "
                                       "Kampfverlauf.)")
                                   .arg(dropped));
        QCOMPARE(logged.at(5), QString("Runde %1").arg(dropped + 1));
        QCOMPARE(logged.filter(QRegularExpression("^Runde \\d+$")).size(), rounds + 1 - dropped);
        // The summary counts every round of the fight, also those no longer in the log.
        QVERIFY(logged.contains(QString("Bilanz nach %1 Runden:").arg(rounds + 1)));
        const QRegularExpression tally(
            "^Kämpfer \\d: (\\d+) Treffer, (\\d+) abgewehrt, (\\d+) verfehlt;");
        const QStringList tallies = logged.filter(tally);
        QCOMPARE(tallies.size(), 2);
        for (const QString& line : tallies) {
            const QRegularExpressionMatch counts = tally.match(line);
            QCOMPARE(counts.captured(1).toInt() + counts.captured(2).toInt() +
                         counts.captured(3).toInt(),
                     rounds + 1);
        }

        // Taking back still takes out exactly the latest round; a next fight drops this one.
        triggerAction(m_window, "Rundezuruecknehmen1");
        QCOMPARE(log().text(),
                 logged.mid(0, logged.lastIndexOf("Kämpfer 2 geändert: LP 3.")).join('\n') +
                     QString("\n\nRunde %1 zurückgenommen").arg(rounds + 1));
        triggerAction(m_window, "NeuKampf1gegen11");
        playRounds(1);
        logged = lines();
        QCOMPARE(logged.at(0), QString("(Kampf 1 ist nicht mehr im Kampfverlauf.)"));
        QCOMPARE(logged.at(2), QString("Kampf 2"));
        QCOMPARE(log().view()->document()->blockCount(), logged.size());
    }

    void theViewFollowsTheNewestLineUnlessTheReaderScrolledUp() {
        BoxRecorder boxes;
        // Narrow, as beside the fighters on a small screen: every line wraps.
        log().view()->setFixedSize(260, 240);
        QScrollBar* bar = log().view()->verticalScrollBar();
        // The document's last line is in view: the line at the view's bottom edge ends it.
        const auto showsNewest = [&] {
            QCoreApplication::processEvents();
            const QPlainTextEdit* view = log().view();
            QTextCursor bottomLine =
                view->cursorForPosition(QPoint(0, view->viewport()->height() - 1));
            bottomLine.movePosition(QTextCursor::EndOfLine);
            return bar->maximum() > 0 && bar->value() == bar->maximum() && bottomLine.atEnd();
        };
        startEndlessFight();
        for (int round = 0; round < 30; ++round) {
            playRounds(1);
            QVERIFY2(showsNewest(), qPrintable(QString("round %1").arg(round + 1)));
        }
        triggerAction(m_window, "Rundezuruecknehmen1");
        QVERIFY(showsNewest());

        // A reader who scrolled up keeps reading where they are.
        bar->setValue(bar->maximum() / 2);
        const int position = bar->value();
        const QString top = topLine();
        playRounds(10);
        triggerAction(m_window, "Rundezuruecknehmen1");
        QVERIFY(!showsNewest());
        QCOMPARE(bar->value(), position);
        QCOMPARE(topLine(), top);

        // Back at the newest line, the view follows again, also the rounds of a whole fight.
        bar->setValue(bar->maximum());
        triggerAction(m_window, "NeuKampf1gegen11");
        click("Button2");
        armBoth("1W6");
        triggerAction(m_window, "Kampfauswuerfeln1");
        QTRY_VERIFY(!child<QPushButton>(m_window, "Button1")->isEnabled());
        QVERIFY(showsNewest());
        QVERIFY(lines().last().startsWith("Kämpfer 2: "));
    }

    void contextMenuOffersCopyingTheLog() {
        QStringList entries;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions()) {
                    entries << action->text();
                }
                menu->close();
                poll.stop();
            }
        });
        poll.start(5);
        QPlainTextEdit* view = log().view();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                view->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(view->viewport(), &event);
        QVERIFY(entries.contains("Kampfverlauf kopieren"));
    }

    void chartFollowsTheCurrentFight() {
        BoxRecorder boxes;
        playWorkedExample();
        using Point = ui::FightChart::Point;
        const std::vector<Point> expected{
            {0, 15, 15, 15, 15}, {1, 15, 14, 15, 15}, {2, 15, 14, 15, 15}, {3, 15, 11, 15, 15}};
        QCOMPARE(log().chart()->points(), expected);
        const QImage picture = log().chart()->grab().toImage();
        bool blue = false;
        bool red = false;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor colour = picture.pixelColor(x, y);
                blue = blue || (colour.blue() > 150 && colour.red() < 80);
                red = red || (colour.red() > 150 && colour.blue() < 80);
            }
        }
        QVERIFY(blue && red);
        triggerAction(m_window, "NeuKampf1gegen11");
        QVERIFY(log().chart()->points().empty());
    }

    void aLongFightIsChartedFromEvenlySpacedPointsAndTheLatest() {
        ui::FightChart chart;
        constexpr std::size_t most = ui::FightChart::maximumPoints;
        for (int round = 0; round <= 5000; ++round) {
            chart.addPoint({round, -round, 0, round, 0});
            const auto& points = chart.points();
            QCOMPARE(points.back().round, round);
            QVERIFY(points.size() <= most + 1);
            QVERIFY(round < int{most} || points.size() > most / 2);
            const int step = points.size() > 2 ? points[1].round - points[0].round : 1;
            for (std::size_t i = 1; i + 1 < points.size(); ++i) {
                QCOMPARE(points[i].round - points[i - 1].round, step);
                QCOMPARE(points[i].life1, -points[i].round);
            }
        }
        QCOMPARE(chart.points().front(), (ui::FightChart::Point{0, 0, 0, 0, 0}));
    }

    void logStaysOutOfTheWayOfTheOtherControls() {
        const QRect logArea = child<QWidget>(m_window, "GroupBoxFightLog")->geometry();
        for (const char* name :
             {"GroupBox1", "GroupBox2", "GroupBox3", "Button1", "Button2", "Button4"}) {
            QVERIFY2(!logArea.intersects(child<QWidget>(m_window, name)->geometry()), name);
        }
        QVERIFY(logArea.top() > child<QWidget>(m_window, "GroupBox3")->geometry().bottom());
        QVERIFY(logArea.bottom() < child<QWidget>(m_window, "Button1")->geometry().top());
    }
};

QTEST_MAIN(FightLogTest)
#include "FightLogTest.moc"
