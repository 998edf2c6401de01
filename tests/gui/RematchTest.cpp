#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "ui/log/FightLog.h"
#include "ui/panels/EventPanel.h"
#include "ui/panels/FighterPanel.h"
#include "ui/panels/ValueRows.h"

#include <QtTest>

using engine::Fighter;
using guitest::BoxRecorder;
using guitest::child;
using guitest::triggerAction;
using guitest::typeInto;
using ui::EventValue;

class RematchTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    QString eventValue(Fighter fighter, EventValue value) const {
        return m_window->eventPanel().value(fighter, value)->text();
    }

private slots:

    void aRematchStartsTheSameFightersFromTheirFields() {
        BoxRecorder boxes;
        click("Button2");
        typeInto(m_window->panel(Fighter::Second).edits[ui::rowShownIn(EventValue::LifePoints)],
                 "12");
        for (const char* name : {"Label11", "Label41"}) {
            child<QLabel>(m_window, name)->setText("2W6");
        }
        for (const char* name : {"Label1", "Label10"}) {
            child<QLabel>(m_window, name)->setText("normal");
        }
        child<QComboBox>(m_window, "ComboBox1")->setCurrentIndex(2);
        const engine::CombatState& state = m_windows->fightController().combatState();
        const std::int32_t armour = state.fighter1.armour;
        QVERIFY(armour > 0);
        const QString armourShown = eventValue(Fighter::First, EventValue::Armour);
        for (int press = 0; press < 200 && child<QPushButton>(m_window, "Button1")->isEnabled();
             ++press) {
            click("Button1");
        }
        QVERIFY(!child<QPushButton>(m_window, "Button1")->isEnabled());
        QVERIFY(eventValue(Fighter::First, EventValue::LifePoints) != "15");
        const std::int32_t roundsBefore = state.roundNumber;

        QVERIFY(child<QAction>(m_window, "Rundezuruecknehmen1")->isEnabled());
        triggerAction(m_window, "Revanche1");

        QCOMPARE(state.roundNumber, 0);
        // The last fight's rounds cannot be taken back into the rematch.
        QVERIFY(!child<QAction>(m_window, "Rundezuruecknehmen1")->isEnabled());
        QVERIFY(child<QPushButton>(m_window, "Button1")->isEnabled());
        QCOMPARE(label("Label64"), ui::EventPanel::initialRoundLine());
        for (const Fighter fighter : engine::bothFighters) {
            const ui::FighterPanel& panel = m_window->panel(fighter);
            for (const EventValue value : {EventValue::LifePoints, EventValue::EndurancePoints,
                                           EventValue::AttackSkill, EventValue::DefenceSkill}) {
                QCOMPARE(eventValue(fighter, value), panel.edits[ui::rowShownIn(value)]->text());
            }
            QCOMPARE(eventValue(fighter, EventValue::AttackRoll), QString("0"));
            QCOMPARE(eventValue(fighter, EventValue::DefenceTotal), QString("0"));
            QCOMPARE(eventValue(fighter, EventValue::Strength), QString("70"));
            QCOMPARE(state.fighter(fighter).dexterity, 70);
            QCOMPARE(panel.damageCode->text(), QString("2W6"));
            QCOMPARE(panel.attackType->text(), QString("normal"));
        }
        QCOMPARE(eventValue(Fighter::Second, EventValue::LifePoints), QString("12"));
        QCOMPARE(state.fighter1.armour, armour);
        QCOMPARE(eventValue(Fighter::First, EventValue::Armour), armourShown);

        // The rematch is logged as one, and it is fought on the fields' values.
        click("Button1");
        QCOMPARE(state.roundNumber, 1);
        const QString log = m_window->fightLog().text();
        const QString rematch = log.mid(log.lastIndexOf("Kampf 2 (Revanche)"));
        QVERIFY2(rematch.startsWith("Kampf 2 (Revanche)\nKämpfer 1: LP 15, AP 15"),
                 qPrintable(rematch));
        QVERIFY(rematch.contains("Kämpfer 2: LP 12"));
        QVERIFY(rematch.contains("Rüstung " + QString::number(armour)));
        QVERIFY(roundsBefore > 1);
    }
};

QTEST_MAIN(RematchTest)
#include "RematchTest.moc"
