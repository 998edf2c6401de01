// The forecast label under the event panel, driven through the real widgets: what it says
// for the standard fight, for a value that is no number and after a round, that it is
// computed once per pass of the event loop, and that it neither rolls a die nor shows a box.
#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "toolkit/gui/Announcement.h"
#include "ui/forecast/ForecastView.h"

#include <QtTest>

using guitest::BoxRecorder;
using guitest::child;
using guitest::clickRow;
using guitest::setField;

namespace {

const QString referenceForecast = "Prognose: Kämpfer 1 gewinnt 46,7 %, Kämpfer 2 46,7 %, beide "
                                  "fallen 6,6 %, im Mittel 7,6 Runden";
constexpr int shortSwordRow = 2; // "Kurzschwert (1W6)"

} // namespace

class ForecastTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    // Standard values and both fighters with "1W6", as a game master would set them up.
    void setUpReferenceFight() {
        click("Button2");
        clickRow(child<QListWidget>(m_window, "ListBox1"), shortSwordRow);
        clickRow(child<QListWidget>(m_window, "ListBox2"), shortSwordRow);
        QCOMPARE(label("Label11"), QString("1W6"));
        QCOMPARE(label("Label41"), QString("1W6"));
    }
    QString forecast() const {
        QApplication::processEvents();
        return label("Prognose");
    }
    QString announced() const {
        return child<toolkit::Announcement>(m_window, "forecastAnnouncement")->message();
    }

private slots:
    void showsTheReferenceFightAndEachChange() {
        BoxRecorder boxes;
        const std::uint64_t diceBefore = m_windows->fightController().dice().state();
        setUpReferenceFight();
        QCOMPARE(forecast(), referenceForecast);
        QCOMPARE(announced(), referenceForecast);
        QCOMPARE(child<QLabel>(m_window, "Prognose")->accessibleName(), QString("Kampfprognose"));

        // A text the round cannot read: the value is named as the log names it.
        setField(m_window, "Edit9", "zwölf");
        QCOMPARE(forecast(), QString("Prognose: Kämpfer 2, LP ist keine Zahl"));
        setField(m_window, "Edit9", "15");
        QCOMPARE(forecast(), referenceForecast);
        // Armour above the opponent's best damage: fighter 2 can no longer lose life.
        child<QComboBox>(m_window, "ComboBox2")->setCurrentIndex(6);
        QVERIFY2(forecast().startsWith("Prognose: Kämpfer 1 gewinnt 0,0 %"),
                 qPrintable(forecast()));
        QCOMPARE(m_windows->fightController().dice().state(), diceBefore);
        QCOMPARE(boxes.boxes().size(), std::size_t{0});
    }

    void followsTheRoundsToTheEnd() {
        BoxRecorder boxes;
        setUpReferenceFight();
        click("Button1");
        const QString afterOneRound = forecast();
        QVERIFY2(afterOneRound != referenceForecast &&
                     afterOneRound.startsWith("Prognose: Kämpfer"),
                 qPrintable(afterOneRound));
        QCOMPARE(boxes.boxes().size(), std::size_t{0});
        // Taking the round back brings back the forecast it started from, and again.
        guitest::triggerAction(m_window, "Rundezuruecknehmen1");
        QCOMPARE(forecast(), referenceForecast);
        click("Button1");
        QCOMPARE(forecast(), afterOneRound);
        while (child<QPushButton>(m_window, "Button1")->isEnabled()) {
            click("Button1");
        }
        QCOMPARE(forecast(), QString("Prognose: der Kampf ist entschieden"));
        // Only the "Kampfende" boxes of the fight itself.
        for (const auto& box : boxes.boxes()) {
            QCOMPARE(box.title, QString("Kampfende"));
        }
        // A new fight clears the fighters' values until they are entered again.
        m_window->newFightItem()->trigger();
        QCOMPARE(forecast(), QString("Prognose: Kämpfer 1 gewinnt 0,0 %, Kämpfer 2 0,0 %, beide "
                                     "fallen 100,0 %, im Mittel 1,0 Runden"));
    }

    void manyChangesAtOnceMakeOneForecast() {
        QApplication::processEvents();
        const int before = m_windows->fightController().forecastView().updateCount();
        click("Button2"); // fourteen fields at once
        QApplication::processEvents();
        QCOMPARE(m_windows->fightController().forecastView().updateCount(), before + 1);
    }

    void eachCommandAsksForOneForecast() {
        BoxRecorder boxes;
        setUpReferenceFight();
        const ui::ForecastView& view = m_windows->fightController().forecastView();
        // A new fight resets the fields, and each field that changes asks on its own; those
        // requests still make one forecast.
        const auto asksOnce = [&](const char* what, const std::function<void()>& command,
                                  bool fieldsAskToo = false) {
            QApplication::processEvents();
            const int requests = view.requestCount();
            const int updates = view.updateCount();
            command();
            QApplication::processEvents();
            const bool requestsAsExpected =
                fieldsAskToo ? view.requestCount() > requests : view.requestCount() == requests + 1;
            QVERIFY2(requestsAsExpected && view.updateCount() == updates + 1,
                     qPrintable(QString("%1: %2 requests, %3 updates")
                                    .arg(what)
                                    .arg(view.requestCount() - requests)
                                    .arg(view.updateCount() - updates)));
        };
        asksOnce("round", [&] { click("Button1"); });
        asksOnce("take back", [&] { guitest::triggerAction(m_window, "Rundezuruecknehmen1"); });
        asksOnce("rematch", [&] { guitest::triggerAction(m_window, "Revanche1"); });
        asksOnce(
            "new fight", [&] { m_window->newFightItem()->trigger(); }, true);
        asksOnce("fire", [&] { child<QCheckBox>(m_window, "CheckBox3")->click(); });
        asksOnce("name", [&] { guitest::typeInto(child<QLineEdit>(m_window, "NameEdit1"), "T"); });
        // The deciding round also disables the round button.
        for (int round = 0; round < 200 && !boxes.boxes().size(); ++round) {
            asksOnce("round", [&] { click("Button1"); });
        }
        QVERIFY(!boxes.boxes().empty());
    }
};

QTEST_MAIN(ForecastTest)
#include "ForecastTest.moc"
