#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#include "weapons/AttackModeChoiceWindow.h"
#include "weapons/ChoiceWindows.h"
#include "weapons/WeaponCatalogue.h"
#include "weapons/WindowTexts.h"

#include <QtTest>
#include <memory>
#include <variant>

using guitest::BoxRecorder;
using guitest::child;
using guitest::clickRow;
using guitest::setField;

namespace {

const QString refused = "Sie haben nicht die erforderlichen Basiseigenschaften";
const QString notAvailable =
    "Es tut mir leid, aber dieser Modus steht zur Zeit noch nicht zur Verfügung. Wir arbeiten "
    "daran.";

struct FighterNames {
    const char* list;
    const char* strength;
    const char* dexterity;
    const char* damageCode;
    const char* attackType;
};

const FighterNames fighterNames[2] = {
    {"ListBox1", "Edit5", "Edit6", "Label11", "Label1"},
    {"ListBox2", "Edit12", "Edit13", "Label41", "Label10"},
};

} // namespace

class WeaponListTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    void setAttributes(engine::Fighter fighter, int strength, int dexterity) {
        const FighterNames& names = fighterNames[engine::indexOf(fighter)];
        setField(m_window, names.strength, QString::number(strength));
        setField(m_window, names.dexterity, QString::number(dexterity));
    }
    void markLabels(engine::Fighter fighter) {
        const FighterNames& names = fighterNames[engine::indexOf(fighter)];
        child<QLabel>(m_window, names.damageCode)->setText("vorher");
        child<QLabel>(m_window, names.attackType)->setText("vorher");
    }
    bool labelsUntouched(engine::Fighter fighter) {
        const FighterNames& names = fighterNames[engine::indexOf(fighter)];
        return label(names.damageCode) == "vorher" && label(names.attackType) == "vorher";
    }
    void hideAllChoiceWindows() {
        for (QWidget* window : m_windows->choiceWindows().all()) {
            window->hide();
        }
    }

    // Selects a row and checks what the weapon's catalogue entry promises.
    void expectAccepted(engine::Fighter fighter, int row) {
        BoxRecorder boxes;
        const FighterNames& names = fighterNames[engine::indexOf(fighter)];
        const weapons::WeaponEntry& entry = weapons::weaponCatalogue[static_cast<std::size_t>(row)];
        markLabels(fighter);
        clickRow(child<QListWidget>(m_window, names.list), row);
        if (const auto* fixed = std::get_if<weapons::FixedDamage>(&entry.outcome)) {
            QVERIFY2(boxes.boxes().empty(), qPrintable(QString::number(row)));
            QCOMPARE(label(names.damageCode),
                     QString::fromUtf8(fixed->damageCode.data(), fixed->damageCode.size()));
            QCOMPARE(label(names.attackType), QString("normal"));
        } else if (const auto* window =
                       std::get_if<weapons::AttackModeWindowOutcome>(&entry.outcome)) {
            QVERIFY(boxes.boxes().empty());
            QVERIFY(labelsUntouched(fighter));
            QVERIFY(
                m_windows->choiceWindows().attackModeWindow(window->weapon, fighter).isVisible());
            hideAllChoiceWindows();
        } else {
            QCOMPARE(boxes.texts(), QStringList{notAvailable});
            QVERIFY(labelsUntouched(fighter));
        }
    }

    void expectRefused(engine::Fighter fighter, int row) {
        BoxRecorder boxes;
        const FighterNames& names = fighterNames[engine::indexOf(fighter)];
        markLabels(fighter);
        clickRow(child<QListWidget>(m_window, names.list), row);
        QCOMPARE(boxes.texts(), QStringList{refused});
        QCOMPARE(boxes.boxes()[0].title, QString("Fehler"));
        QVERIFY(labelsUntouched(fighter));
        for (QWidget* window : m_windows->choiceWindows().all()) {
            QVERIFY(!window->isVisible());
        }
    }

private slots:

    void listShowsTheCatalogueUnsortedWithNothingSelected() {
        for (const FighterNames& names : fighterNames) {
            auto* list = child<QListWidget>(m_window, names.list);
            QCOMPARE(list->count(), 59);
            QVERIFY(list->selectedItems().isEmpty());
            QCOMPARE(list->item(49)->text(), QString("Armrust, schwere (2W6-1)"));
            QCOMPARE(list->item(13)->text(), QString("Speer, leicher (1W6-1)"));
        }
    }

    void everyRowAtItsMinimumsAndOneBelow() {
        for (const engine::Fighter fighter : engine::bothFighters) {
            for (int row = 0; row < 59; ++row) {
                const auto& minimums =
                    weapons::weaponCatalogue[static_cast<std::size_t>(row)].minimums;
                // An attribute without a minimum is not tested, so give it the worst value.
                const int strength = minimums.strength.value_or(-2147483647);
                const int dexterity = minimums.dexterity.value_or(-2147483647);
                setAttributes(fighter, strength, dexterity);
                expectAccepted(fighter, row);
                if (minimums.strength) {
                    setAttributes(fighter, strength - 1, dexterity);
                    expectRefused(fighter, row);
                }
                if (minimums.dexterity) {
                    setAttributes(fighter, strength, dexterity - 1);
                    expectRefused(fighter, row);
                }
            }
        }
    }

    void standardValuesRefuseExactlyFourWeapons() {
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        for (int row = 0; row < 59; ++row) {
            const bool refusedRow = row == 17 || row == 19 || row == 51 || row == 57;
            if (refusedRow) {
                expectRefused(engine::Fighter::Second, row);
            } else {
                expectAccepted(engine::Fighter::Second, row);
            }
        }
    }

    void fighter2sListTouchesOnlyFighter2() {
        BoxRecorder boxes;
        setAttributes(engine::Fighter::Second, 100, 100);
        markLabels(engine::Fighter::First);
        clickRow(child<QListWidget>(m_window, "ListBox2"), 51);
        QCOMPARE(label("Label41"), QString("2x(2W6-3)"));
        QCOMPARE(label("Label10"), QString("normal"));
        QVERIFY(labelsUntouched(engine::Fighter::First));
        // Fighter 1 still has Stärke and Geschick 0.
        clickRow(child<QListWidget>(m_window, "ListBox1"), 51);
        QCOMPARE(boxes.texts(), QStringList{refused});
    }

    void refusedLineStaysHighlightedWhileTheLabelsKeepTheEarlierWeapon() {
        BoxRecorder boxes;
        setAttributes(engine::Fighter::First, 50, 50);
        auto* list = child<QListWidget>(m_window, "ListBox1");
        clickRow(list, 0);
        clickRow(list, 1);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(label("Label11"), QString("1W6-1"));
        QCOMPARE(boxes.texts(), QStringList{refused});
    }

    void keyboardSelectionChoosesButFocusAloneDoesNot() {
        BoxRecorder boxes;
        setAttributes(engine::Fighter::First, 50, 50);
        auto* list = child<QListWidget>(m_window, "ListBox1");
        list->setFocus();
        QApplication::processEvents();
        QCOMPARE(label("Label11"), QString("0"));
        QVERIFY(boxes.boxes().empty());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(
            label("Label11"),
            QString::fromUtf8(
                std::get<weapons::FixedDamage>(
                    weapons::weaponCatalogue[static_cast<std::size_t>(list->currentRow())].outcome)
                    .damageCode.data()));
    }

    void clickingTheOpenWindowsWeaponAgainBringsItBack() {
        BoxRecorder boxes;
        setAttributes(engine::Fighter::First, 100, 100);
        auto* list = child<QListWidget>(m_window, "ListBox1");
        auto& krummsaebel = m_windows->choiceWindows().attackModeWindow(
            weapons::AttackModeWeapon::Krummsaebel, engine::Fighter::First);
        clickRow(list, 5);
        QVERIFY(krummsaebel.isVisible());
        krummsaebel.hide();
        clickRow(list, 5);
        QVERIFY(krummsaebel.isVisible());
        QVERIFY(boxes.boxes().empty());
    }

    void aChangedAttributeDoesNotUndoAnAcceptedWeapon() {
        BoxRecorder boxes;
        setAttributes(engine::Fighter::First, 61, 31);
        clickRow(child<QListWidget>(m_window, "ListBox1"), 1);
        QCOMPARE(label("Label11"), QString("1W6+1"));
        setAttributes(engine::Fighter::First, 0, 0);
        QCOMPARE(label("Label11"), QString("1W6+1"));
        QCOMPARE(label("Label1"), QString("normal"));
    }
};

QTEST_MAIN(WeaponListTest)
#include "WeaponListTest.moc"
