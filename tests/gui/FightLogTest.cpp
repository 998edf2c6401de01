#include "ui/FightLog.h"

#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/FightChart.h"
#include "ui/Startup.h"
#include "ui/TForm1.h"

#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;
using guitest::clickRow;
using guitest::triggerAction;
using guitest::typeInto;

namespace {

const QString workedExampleLog =
    "Kampf 1\n"
    "\n"
    "Runde 1\n"
    "Kämpfer 1: Schaden 2, Angriff 7 (gesamt 17), Abwehr 5 (gesamt 15), Angriff: verfehlt; "
    "verliert 1 LP und 1 AP, bleiben 14 LP und 14 AP.\n"
    "Kämpfer 2: Schaden 1, Angriff 13 (gesamt 23), Abwehr 4 (gesamt 14), Angriff: Treffer; "
    "verliert 0 LP und 0 AP, bleiben 15 LP und 15 AP.\n"
    "\n"
    "Runde 2\n"
    "Kämpfer 1: Schaden 3, Angriff 7 (gesamt 17), Abwehr 2 (gesamt 12), Angriff: verfehlt; "
    "verliert 0 LP und 0 AP, bleiben 14 LP und 14 AP.\n"
    "Kämpfer 2: Schaden 1, Angriff 2 (gesamt 12), Abwehr 5 (gesamt 15), Angriff: verfehlt; "
    "verliert 0 LP und 0 AP, bleiben 15 LP und 15 AP.\n"
    "\n"
    "Runde 3\n"
    "Kämpfer 1: Schaden 5, Angriff 4 (gesamt 14), Abwehr 20 (gesamt 30), Angriff: verfehlt; "
    "verliert 0 LP und 3 AP, bleiben 14 LP und 11 AP.\n"
    "Kämpfer 2: Schaden 3, Angriff 14 (gesamt 24), Abwehr 19 (gesamt 29), Angriff: abgewehrt; "
    "verliert 0 LP und 0 AP, bleiben 15 LP und 15 AP.";

} // namespace

class FightLogTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    ui::FightLog& log() { return m_window->fightLog(); }
    void playWorkedExample() {
        click("Button2");
        clickRow(child<QListWidget>(m_window, "ListBox1"), 2);
        clickRow(child<QListWidget>(m_window, "ListBox2"), 2);
        for (int round = 0; round < 3; ++round) {
            click("Button1");
        }
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
        click("Button1");
        // The lines are laid out by the event loop, not inside the round.
        QTRY_VERIFY(log().view()->toPlainText().contains("Runde 1"));
        QVERIFY(log().view()->toPlainText().contains("Kampfende: Kämpfer 2 hat verloren."));
    }

    void endOfFightFailedRoundsAndNewFightsAreLogged() {
        BoxRecorder boxes;
        typeInto(child<QLineEdit>(m_window, "Edit9"), "elf");
        click("Button1");
        typeInto(child<QLineEdit>(m_window, "Edit9"), "11");
        click("Button1");
        triggerAction(m_window, "NeuKampf1gegen11");
        click("Button1");
        const QStringList lines = log().text().split('\n');
        QCOMPARE(lines.at(2),
                 QString("Runde 1 nicht ausgewertet: '\u2068elf\u2069' ist kein gültiger "
                         "Integerwert."));
        QCOMPARE(lines.at(4), QString("Runde 2"));
        // Fighter 1 had no weapon: its hit-or-not changes nothing, and it has lost.
        QVERIFY(lines.at(5).startsWith("Kämpfer 1: Schaden 0, Angriff 10 (gesamt 10)"));
        QCOMPARE(lines.at(7), QString("Kampfende: Kämpfer 1 hat verloren."));
        QCOMPARE(lines.at(9), QString("Kampf 2"));
        QCOMPARE(lines.at(11), QString("Runde 1"));
        QCOMPARE(lines.at(14), QString("Kampfende: Kämpfer 1 hat verloren."));
        QCOMPARE(lines.at(15), QString("Kampfende: Kämpfer 2 hat verloren."));
        QCOMPARE(lines.size(), 16);
        // The boxes the user sees are the same as without a log.
        QCOMPARE(boxes.texts(), (QStringList{"'\u2068elf\u2069' ist kein gültiger Integerwert.",
                                             "Kämpfer 1 hat verloren", "Kämpfer 1 hat verloren",
                                             "Kämpfer 2 hat verloren"}));
    }

    void logCanBeCopiedWholeOrInPart() {
        BoxRecorder boxes;
        playWorkedExample();
        QGuiApplication::clipboard()->clear();
        triggerAction(m_window, "copyFightLog");
        QCOMPARE(QGuiApplication::clipboard()->text(), workedExampleLog);

        QGuiApplication::clipboard()->clear();
        QPlainTextEdit* view = log().view();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Kampf 1"));
        // Typing changes nothing in a read-only log.
        QTest::keyClicks(view, "xyz");
        QCOMPARE(log().text(), workedExampleLog);
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
            {0, 15, 15, 15, 15}, {1, 14, 14, 15, 15}, {2, 14, 14, 15, 15}, {3, 14, 11, 15, 15}};
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
