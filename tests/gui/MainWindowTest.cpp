#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;

namespace {

QString text(const QWidget* root, const QString& name) {
    return child<QLabel>(root, name)->text();
}

// Standard values, and "Kurzschwert (1W6)" from both weapon lists.
void prepareWorkedExample(ui::TForm1& window) {
    QTest::mouseClick(child<QPushButton>(&window, "Button2"), Qt::LeftButton);
    for (const char* list : {"ListBox1", "ListBox2"}) {
        guitest::clickRow(child<QListWidget>(&window, list), 2);
    }
    QCOMPARE(child<QLabel>(&window, "Label11")->text(), QString("1W6"));
    QCOMPARE(child<QLabel>(&window, "Label10")->text(), QString("normal"));
}

void generateRound(ui::TForm1& window) {
    QTest::mouseClick(child<QPushButton>(&window, "Button1"), Qt::LeftButton);
}

} // namespace

class MainWindowTest : public guitest::MainWindowTestCase {
    Q_OBJECT

private slots:

    void startsWithTheDocumentedControlsAndTexts() {
        QCOMPARE(m_window->objectName(), QString("Form1"));
        QCOMPARE(m_window->windowTitle(), QString("Torvenn Kampfgenerator Version 1.1"));
        QCOMPARE(child<QGroupBox>(m_window, "GroupBox1")->title(), QString("Kämpfer 1:"));
        QCOMPARE(child<QGroupBox>(m_window, "GroupBox2")->title(), QString("Kämpfer 2:"));
        QCOMPARE(child<QGroupBox>(m_window, "GroupBox3")->title(), QString("Ereignisse:"));
        QCOMPARE(child<QPushButton>(m_window, "Button1")->text(), QString("Eine Runde generieren"));
        QCOMPARE(child<QPushButton>(m_window, "Button2")->text(),
                 QString("Standartwerte für jeden Kämpfer"));
        QCOMPARE(child<QPushButton>(m_window, "Button4")->text(), QString("Ende"));
        QCOMPARE(child<QPushButton>(m_window, "Button5")->text(), QString("Improvisierte"));
        QCOMPARE(child<QPushButton>(m_window, "Button7")->text(), QString("Improviserte"));
        QCOMPARE(child<QCheckBox>(m_window, "CheckBox2")->text(), QString("Altenativ"));
        QCOMPARE(text(m_window, "Label64"), QString("Es ist die 0 Runde des Kampfes."));
        QCOMPARE(text(m_window, "Label11"), QString("0"));
        QCOMPARE(text(m_window, "Label1"), QString());
        QCOMPARE(text(m_window, "Label12"), QString("Lebenspunkte:"));
        QCOMPARE(text(m_window, "Label13"), QString("Ausdauerpunkte:"));
        QCOMPARE(text(m_window, "Label27"), QString("Schaden diese Runde:"));
        QCOMPARE(text(m_window, "Label70"), QString("Gw:"));
        for (int n : {22, 23, 25, 26, 28, 29, 47, 48, 49, 50, 51, 52, 58,
                      59, 60, 61, 62, 63, 71, 72, 73, 74, 75, 76, 77, 78}) {
            QCOMPARE(text(m_window, QString("Label%1").arg(n)), QString("0"));
        }
        for (int n = 1; n <= 14; ++n) {
            QVERIFY(child<QLineEdit>(m_window, QString("Edit%1").arg(n))->text().isEmpty());
        }
        auto* armourClass = child<QComboBox>(m_window, "ComboBox1");
        auto* protection = child<QComboBox>(m_window, "ComboBox3");
        QCOMPARE(armourClass->currentText(), QString("Rüstklasse"));
        QCOMPARE(armourClass->count(), 7);
        QCOMPARE(protection->currentText(), QString("Rüstungsschutz"));
        QCOMPARE(protection->count(), 11);
        QVERIFY(armourClass->isVisible());
        QVERIFY(!protection->isVisible());
        QVERIFY(child<QPushButton>(m_window, "Button1")->isEnabled());
    }

    void menuHasItsFourMenusWithTheirItems() {
        // What the menus show, without the marks of their Alt keys.
        const auto shown = [this](const char* name) {
            return child<QAction>(m_window, name)->iconText();
        };
        QCOMPARE(child<QMenuBar>(m_window, "MainMenu1")->actions().size(), 4);
        QCOMPARE(child<QMenu>(m_window, "Datei1")->menuAction()->iconText(), QString("Datei"));
        QCOMPARE(child<QMenu>(m_window, "Kampf1")->menuAction()->iconText(), QString("Kampf"));
        QCOMPARE(child<QMenu>(m_window, "Kaempfer1")->menuAction()->iconText(), QString("Kämpfer"));
        QCOMPARE(child<QMenu>(m_window, "Hilfe1")->menuAction()->iconText(), QString("Hilfe"));
        QCOMPARE(shown("Kaempfer2speichern1"), QString("Kämpfer 2 speichern …"));
        QCOMPARE(child<QMenu>(m_window, "Kaempfer1laden1")->menuAction()->iconText(),
                 QString("Kämpfer 1 laden"));
        QCOMPARE(shown("Kaempferlistebearbeiten1"), QString("Kämpferliste bearbeiten …"));
        QCOMPARE(shown("NeuKampf1gegen11"), QString("Neu: Kampf 1 gegen 1"));
        QCOMPARE(shown("Kampfverlaufspeichern1"), QString("Kampfverlauf speichern …"));
        QCOMPARE(shown("Revanche1"), QString("Revanche"));
        QCOMPARE(shown("Kampfauswuerfeln1"), QString("Kampf auswürfeln"));
        QCOMPARE(shown("Ende1"), QString("Ende"));
        QCOMPARE(shown("RegelnundBedienung1"), QString("Regeln und Bedienung"));
        QCOMPARE(shown("berdiesesProgramm1"), QString("Fehler dieses Programmes"));
        QCOMPARE(shown("Copyright1"), QString("Änderungen gegenüber Version 1.0"));
        QCOMPARE(shown("Copyright3"), QString("Copyright"));
        QCOMPARE(shown("Rundezuruecknehmen1"), QString("Runde zurücknehmen"));
    }

    void menusAndTheirItemsHaveAltKeysOfTheirOwn() {
        const auto keysOf = [](const QList<QAction*>& actions) {
            QSet<QKeySequence> keys;
            for (const QAction* action : actions) {
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                if (!key.isEmpty()) {
                    keys.insert(key);
                }
            }
            return keys.size();
        };
        QCOMPARE(keysOf(child<QMenuBar>(m_window, "MainMenu1")->actions()), 4);
        QCOMPARE(keysOf(child<QMenu>(m_window, "Kaempfer1")->actions()), 7);
        QCOMPARE(keysOf(child<QMenu>(m_window, "Datei1")->actions()), 3);
        QCOMPARE(keysOf(child<QMenu>(m_window, "Kampf1")->actions()), 3);
        QCOMPARE(keysOf(child<QMenu>(m_window, "Hilfe1")->actions()), 4);
        // Alt+D opens "Datei", N starts a new fight.
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(),
                     static_cast<QWidget*>(child<QMenu>(m_window, "Datei1")));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_N);
        QCOMPARE(child<QLineEdit>(m_window, "Edit1")->text(), QString("0"));
    }

    // Whether every text fits and nothing overlaps is the layout test's job.
    void theFighterPanelsAndTheEventPanelStandSideBySide() {
        const QRect first = child<QWidget>(m_window, "GroupBox1")->geometry();
        const QRect second = child<QWidget>(m_window, "GroupBox2")->geometry();
        const QRect events = child<QWidget>(m_window, "GroupBox3")->geometry();
        QVERIFY(first.right() < second.left());
        QVERIFY(second.right() < events.left());
    }

    // The three rounds the rules work through by hand, as the window shows them: every
    // roll, total and points label after each round.
    void workedExampleThroughTheWindow() {
        BoxRecorder boxes;
        prepareWorkedExample(*m_window);
        // Attack types, codes; LP, AP; damage; attack skills; attack dice and totals; defence
        // skills; defence dice and totals. The round line follows.
        const QList<QStringList> rounds{
            {"normal", "normal", "1W6", "1W6", "14", "15", "14", "15", "2", "1",  "10",
             "10",     "7",      "13",  "17",  "23", "10", "10", "5",  "4", "15", "14"},
            {"normal", "normal", "1W6", "1W6", "14", "15", "14", "15", "3", "1",  "10",
             "10",     "7",      "2",   "17",  "12", "10", "10", "2",  "5", "12", "15"},
            {"normal", "normal", "1W6", "1W6", "14", "15", "11", "15", "5",  "3",  "10",
             "10",     "4",      "14",  "14",  "24", "10", "10", "20", "19", "30", "29"},
        };
        for (qsizetype round = 0; round < rounds.size(); ++round) {
            generateRound(*m_window);
            QCOMPARE(guitest::panelLabelTexts(m_window),
                     rounds[round] +
                         QStringList{QString("Es ist die %1 Runde des Kampfes").arg(round + 1)});
        }
        QVERIFY(boxes.boxes().empty());
        QVERIFY(child<QPushButton>(m_window, "Button1")->isEnabled());
    }

    // Nothing entered: no damage code is recognised, so only the four twenty-sided dice are
    // drawn, and both fighters are down from the start.
    void roundRightAfterStartEndsTheFightForBoth() {
        BoxRecorder boxes;
        generateRound(*m_window);
        QStringList expected{"",  "",   "0", "0",  "0", "0", "0", "0", "0", "0", "0",
                             "0", "10", "7", "10", "7", "0", "0", "5", "5", "5", "5"};
        expected << "Es ist die 1 Runde des Kampfes";
        QCOMPARE(guitest::panelLabelTexts(m_window), expected);
        QCOMPARE(boxes.texts(), (QStringList{"Kämpfer 1 hat verloren", "Kämpfer 2 hat verloren"}));
        QCOMPARE(boxes.boxes()[0].title, QString("Kampfende"));
        QVERIFY(boxes.boxes()[0].kind == toolkit::ShownBox::Kind::Message);
        QVERIFY(!child<QPushButton>(m_window, "Button1")->isEnabled());
        // A disabled button takes no clicks.
        generateRound(*m_window);
        QCOMPARE(boxes.boxes().size(), std::size_t{2});
        QCOMPARE(m_windows->fightController().combatState().roundNumber, 1);
    }

    void failedConversionShowsTheErrorBoxAndChangesNoLabel() {
        BoxRecorder boxes;
        prepareWorkedExample(*m_window);
        guitest::typeInto(child<QLineEdit>(m_window, "Edit1"), "");
        QCOMPARE(text(m_window, "Label22"), QString());
        generateRound(*m_window);
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QVERIFY(boxes.boxes()[0].kind == toolkit::ShownBox::Kind::Error);
        QCOMPARE(boxes.boxes()[0].text, QString("'' ist kein gültiger Integerwert."));
        for (int n : {28, 29, 49, 50, 51, 52, 60, 61, 62, 63}) {
            QCOMPARE(text(m_window, QString("Label%1").arg(n)), QString("0"));
        }
        QCOMPARE(text(m_window, "Label64"), QString("Es ist die 0 Runde des Kampfes."));
        // The damage was rolled and the skills before the failing label were loaded.
        QCOMPARE(m_windows->fightController().combatState().fighter1.damageRoll, 2);
        QCOMPARE(m_windows->fightController().combatState().fighter2.damageRoll, 1);
        QCOMPARE(m_windows->fightController().combatState().fighter2.defenceSkill, 10);
        QVERIFY(child<QPushButton>(m_window, "Button1")->isEnabled());

        guitest::typeInto(child<QLineEdit>(m_window, "Edit1"), "15");
        generateRound(*m_window);
        QCOMPARE(text(m_window, "Label64"), QString("Es ist die 2 Runde des Kampfes"));
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
    }

    void lettersInALifeField_reachTheRoundAsAConversionError() {
        BoxRecorder boxes;
        prepareWorkedExample(*m_window);
        guitest::typeInto(child<QLineEdit>(m_window, "Edit9"), "zehn");
        QCOMPARE(text(m_window, "Label23"), QString("zehn"));
        QVERIFY(boxes.boxes().empty());
        generateRound(*m_window);
        QCOMPARE(boxes.texts(), QStringList{"'zehn' ist kein gültiger Integerwert."});
    }

    // Each torch looks at the other fighter's fire box. From the start the damage dice show
    // 2, 1, 3: against a fire-sensitive opponent the torch rolls two of them and no minus.
    void fireSensitiveOpponentDoublesTheTorch_data() {
        QTest::addColumn<QString>("torchLabel");
        QTest::addColumn<QString>("fireBox");
        QTest::addColumn<QStringList>("damage");
        QTest::newRow("fighter 1's torch") << "Label11"
                                           << "CheckBox4" << QStringList{"3", "3"};
        QTest::newRow("fighter 2's torch") << "Label41"
                                           << "CheckBox3" << QStringList{"2", "4"};
    }

    void fireSensitiveOpponentDoublesTheTorch() {
        QFETCH(QString, torchLabel);
        QFETCH(QString, fireBox);
        QFETCH(QStringList, damage);
        BoxRecorder boxes;
        prepareWorkedExample(*m_window);
        child<QLabel>(m_window, torchLabel)->setText("1W6-2/2W6");
        QTest::mouseClick(child<QCheckBox>(m_window, fireBox), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(m_window, fireBox)->isChecked());
        generateRound(*m_window);
        QCOMPARE((QStringList{text(m_window, "Label28"), text(m_window, "Label29")}), damage);
    }

    void extremeValuesWrapWithoutFailing() {
        BoxRecorder boxes;
        prepareWorkedExample(*m_window);
        guitest::typeInto(child<QLineEdit>(m_window, "Edit3"), "2147483647");
        guitest::typeInto(child<QLineEdit>(m_window, "Edit9"), "-2147483648");
        generateRound(*m_window);
        // The attack total wrapped below 20, so fighter 1 missed; fighter 2 had lost anyway.
        QCOMPARE(text(m_window, "Label51"), QString::number(qint32(2147483647u + 7u)));
        QCOMPARE(text(m_window, "Label23"), QString("-2147483648"));
        QCOMPARE(boxes.texts(), QStringList{"Kämpfer 2 hat verloren"});
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
