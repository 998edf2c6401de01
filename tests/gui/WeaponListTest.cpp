#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#include "ui/choices/AttackModeChoiceWindow.h"
#include "ui/choices/ChoiceWindows.h"
#include "weapons/ChoiceOutcome.h"
#include "weapons/WeaponCatalogue.h"

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
        if (const auto* fixed = std::get_if<weapons::SetDamageCode>(&entry.outcome)) {
            QVERIFY2(boxes.boxes().empty(), qPrintable(QString::number(row)));
            QCOMPARE(label(names.damageCode),
                     QString::fromUtf8(fixed->damageCode.data(), fixed->damageCode.size()));
            QCOMPARE(label(names.attackType), QString("normal"));
        } else if (const auto* window =
                       std::get_if<weapons::OpenAttackModeWindow>(&entry.outcome)) {
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
            // Row n is catalogue entry n, which the selection rule is given.
            for (int row = 0; row < list->count(); ++row) {
                const std::string_view listText =
                    weapons::weaponCatalogue[static_cast<std::size_t>(row)].listText;
                QCOMPARE(
                    list->item(row)->text(),
                    QString::fromUtf8(listText.data(), static_cast<qsizetype>(listText.size())));
            }
        }
    }

    // The rule itself is tested on the catalogue; here each fighter's own Stärke and
    // Geschick fields must be the ones it reads. Fuchtel needs 61 and 31.
    void eachFightersOwnStaerkeAndGeschickAreTested() {
        for (const engine::Fighter fighter : engine::bothFighters) {
            const engine::Fighter other = engine::opponentOf(fighter);
            setAttributes(other, 100, 100);
            setAttributes(fighter, 61, 31);
            expectAccepted(fighter, 1);
            setAttributes(fighter, 60, 31);
            expectRefused(fighter, 1);
            setAttributes(fighter, 61, 30);
            expectRefused(fighter, 1);
            setAttributes(other, 0, 0);
            setAttributes(fighter, 61, 31);
            expectAccepted(fighter, 1);
        }
    }

    // Every row through each fighter's list: the code, the attack-mode window or the box.
    void standardValuesRefuseExactlyFourWeapons() {
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        for (const engine::Fighter fighter : engine::bothFighters) {
            for (int row = 0; row < 59; ++row) {
                const bool refusedRow = row == 17 || row == 19 || row == 51 || row == 57;
                if (refusedRow) {
                    expectRefused(fighter, row);
                } else {
                    expectAccepted(fighter, row);
                }
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
                std::get<weapons::SetDamageCode>(
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
