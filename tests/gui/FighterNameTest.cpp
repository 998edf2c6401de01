// Typed fighter names in the program's own texts: the log, the summary, the forecast, the
// round announcement, the chart legend and the proposed file name follow them, while the
// boxes keep the fixed texts and the fight itself is the same as without names.
#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "toolkit/gui/Announcement.h"
#include "ui/TForm1.h"
#include "ui/log/FightChart.h"
#include "ui/log/FightLog.h"
#include "ui/log/LogExport.h"

#include <QtTest>

using guitest::BoxRecorder;
using guitest::child;
using guitest::clickRow;
using guitest::typeInto;

namespace {

constexpr int shortSwordRow = 2; // "Kurzschwert (1W6)"

} // namespace

class FighterNameTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    void name(int fighter, const QString& text) {
        typeInto(child<QLineEdit>(m_window, QStringLiteral("NameEdit%1").arg(fighter)), text);
    }
    // The standard fight with a Kurzschwert each, played to its end; the log it leaves.
    QString playStandardFight(BoxRecorder& boxes) {
        click("Button2");
        clickRow(child<QListWidget>(m_window, "ListBox1"), shortSwordRow);
        clickRow(child<QListWidget>(m_window, "ListBox2"), shortSwordRow);
        QApplication::processEvents();
        forecastAtStart = label("Prognose");
        click("Button1");
        announcedFirstRound = m_window->roundAnnouncement().message();
        while (child<QPushButton>(m_window, "Button1")->isEnabled()) {
            click("Button1");
        }
        boxTexts = boxes.texts();
        return m_window->fightLog().text();
    }

    QString forecastAtStart;
    QString announcedFirstRound;
    QStringList boxTexts;

private slots:
    void namesFollowTheTextsButNotTheFight() {
        QString unnamedLog;
        QStringList unnamedBoxes;
        {
            BoxRecorder boxes;
            unnamedLog = playStandardFight(boxes);
            unnamedBoxes = boxTexts;
        }
        closeWindows();
        openWindows();
        name(1, "Thorgrim");
        name(2, "Ork");
        BoxRecorder boxes;
        const QString namedLog = playStandardFight(boxes);

        QVERIFY2(forecastAtStart.startsWith("Prognose: Thorgrim gewinnt 46,7 %, Ork 46,7 %, "),
                 qPrintable(forecastAtStart));
        QVERIFY2(namedLog.contains("\nThorgrim (Kämpfer 1): LP 15, AP 15") &&
                     namedLog.contains("\nOrk (Kämpfer 2): LP 15, AP 15") &&
                     namedLog.contains("\nThorgrim greift Ork an: Angriff 7 + 10 = 17") &&
                     namedLog.contains("\nBilanz nach ") && namedLog.contains("\nOrk: "),
                 qPrintable(namedLog));
        // The announcement tells the first round as the log does.
        QVERIFY2(announcedFirstRound.startsWith("Runde 1. Thorgrim greift Ork an: Angriff 7 + ") &&
                     announcedFirstRound.endsWith(
                         " Danach hat Thorgrim 14 LP und 14 AP, Ork 15 LP und 15 AP."),
                 qPrintable(announcedFirstRound));
        // The boxes keep their fixed texts, and the same dice fell.
        QCOMPARE(boxTexts, unnamedBoxes);
        QString renamedBack = namedLog;
        renamedBack.replace(" (Kämpfer 1)", "").replace(" (Kämpfer 2)", "");
        renamedBack.replace("Thorgrim", "Kämpfer 1").replace("Ork", "Kämpfer 2");
        QCOMPARE(renamedBack, unnamedLog);

        QStringList legend;
        for (const ui::ChartLegendEntry& entry : m_window->fightLog().chart()->layout().legend) {
            legend << entry.label.text;
        }
        QCOMPARE(legend.mid(0, 4), QStringList({"LP Thorgrim", "AP Thorgrim", "LP Ork", "AP Ork"}));
    }

    void aRenameIsLoggedAndATypedNameStaysText() {
        BoxRecorder boxes;
        click("Button2");
        clickRow(child<QListWidget>(m_window, "ListBox1"), shortSwordRow);
        clickRow(child<QListWidget>(m_window, "ListBox2"), shortSwordRow);
        click("Button1");
        name(2, "<b>Ork</b>");
        // Hebrew letters could reorder the sentence around them: isolated.
        name(1, "אבג");
        click("Button1");
        // The choice windows' fighter line names the fighter, as text.
        const auto* improvised = child<QWidget>(m_window, "Form21");
        QCOMPARE(child<QLabel>(improvised, "FighterLine")->text(), QString("für <b>Ork</b>"));
        QCOMPARE(child<QLabel>(improvised, "FighterLine")->textFormat(), Qt::PlainText);
        QCOMPARE(improvised->accessibleName(), QString("Improvisierte Waffen, für <b>Ork</b>"));
        QCOMPARE(child<QWidget>(m_window, "Form20")->accessibleName(),
                 QString("Improvisierte Waffen, für \u2068אבג\u2069"));
        const QString log = m_window->fightLog().text();
        QVERIFY2(log.contains("\nKämpfer 1 heißt jetzt \u2068אבג\u2069.\n") &&
                     log.contains("\nKämpfer 2 heißt jetzt <b>Ork</b>.\n") &&
                     log.contains("\n\u2068אבג\u2069 greift <b>Ork</b> an: "),
                 qPrintable(log));
        QApplication::processEvents();
        QVERIFY2(label("Prognose").startsWith("Prognose: \u2068אבג\u2069 gewinnt "),
                 qPrintable(label("Prognose")));
        // Cleared again, the panel's own name comes back.
        name(1, "");
        QApplication::processEvents();
        QVERIFY2(label("Prognose").startsWith("Prognose: Kämpfer 1 gewinnt "),
                 qPrintable(label("Prognose")));
    }

    void theProposedFileNameCarriesTheNames() {
        const QDate day(2026, 12, 9);
        QCOMPARE(ui::proposedLogFileName({"", " "}, day), QString("Kampfverlauf-2026-12-09.txt"));
        QCOMPARE(ui::proposedLogFileName({"Thorgrim", "Ork"}, day),
                 QString("Kampfverlauf-Thorgrim-gegen-Ork-2026-12-09.txt"));
        QCOMPARE(ui::proposedLogFileName({"", "Ork"}, day),
                 QString("Kampfverlauf-Kämpfer 1-gegen-Ork-2026-12-09.txt"));
        // Nothing a file system refuses, nothing invisible, no hidden file.
        QCOMPARE(ui::proposedLogFileName({"..A/B:C", "x\u202eyz?"}, day),
                 QString("Kampfverlauf-A_B_C-gegen-x_yz_-2026-12-09.txt"));
    }
};

QTEST_MAIN(FighterNameTest)
#include "FighterNameTest.moc"
