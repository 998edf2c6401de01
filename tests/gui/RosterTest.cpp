#include "GuiTestSupport.h"
#include "toolkit/gui/OpenFileDialog.h"
#include "toolkit/gui/QuestionBox.h"
#include "toolkit/gui/SaveFileDialog.h"
#include "ui/ApplicationWindows.h"
#include "ui/FightController.h"
#include "ui/TForm1.h"
#include "ui/choices/AttackModeChoiceWindow.h"
#include "ui/choices/ChoiceWindows.h"
#include "ui/choices/UntrainedWeaponChoiceWindow.h"
#include "ui/panels/FighterPanel.h"
#include "ui/roster/RosterController.h"
#include "ui/roster/RosterEditor.h"
#include "ui/roster/RosterFile.h"
#include "ui/roster/RosterNames.h"
#include "weapons/AttackModes.h"
#include "weapons/WeaponCatalogue.h"

#include <QDir>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using engine::Fighter;
using guitest::BoxRecorder;
using guitest::child;
using guitest::clickRow;
using guitest::triggerAction;
using guitest::typeInto;
using roster::StoredArmour;
using roster::StoredFighter;
using roster::StoredWeapon;
using Source = StoredWeapon::Source;

namespace {

StoredFighter storedFighter(const char* name, std::array<QString, 7> values, StoredWeapon weapon,
                            StoredArmour armour, bool fire) {
    return {QString::fromUtf8(name), values, weapon, armour, fire};
}

const std::array<QString, 7> standard{"15", "15", "10", "10", "70", "70", "70"};

// Every kind of weapon, both armour drop-downs in every order, fire sensitivity.
std::vector<StoredFighter> fighters() {
    using Box = StoredArmour::Box;
    return {
        storedFighter("Thorgrim", standard, {Source::WeaponList, 6, {}},
                      {3, {}, false, Box::ArmourClass}, false),
        storedFighter("Ork", {"20", "18", "abc", "9", "40", "35", "1"}, {Source::WeaponList, 5, 1},
                      {{}, 8, true, Box::Protection}, true),
        storedFighter("Fackelträger", {"12", "12", "8", "8", "0", "70", "70"},
                      {Source::Improvised, 17, {}}, {6, 2, true, Box::ArmourClass}, false),
        storedFighter("Bogenschütze", {"14", "14", "12", "7", "31", "30", "5"},
                      {Source::Unfamiliar, 27, {}}, {2, 8, false, Box::Protection}, true),
        storedFighter("Lanzenreiter", standard, {Source::WeaponList, 12, 2},
                      {5, {}, true, Box::ArmourClass}, false),
        storedFighter("Raufbold", standard, {Source::Improvised, 10, {}}, {}, false),
        storedFighter("Anderthalbhänder", {"15", "15", "10", "10", "31", "21", "0"},
                      {Source::WeaponList, 15, 1}, {{}, {}, false, Box::None}, false),
    };
}

void clickBox(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Enters a fighter as a user does: typing, clicking, picking.
void enterByHand(const StoredFighter& stored, ui::ApplicationWindows& windows, Fighter fighter) {
    ui::FighterPanel& panel = windows.form1().panel(fighter);
    typeInto(panel.nameEdit, stored.name);
    for (const std::size_t row : panel.rowsInTabOrder()) {
        typeInto(panel.edits[row], stored.values[row]);
    }
    const StoredWeapon& weapon = stored.weapon;
    if (weapon.source == Source::WeaponList) {
        clickRow(panel.weaponList, weapon.row);
        if (weapon.mode) {
            const auto& open = std::get<weapons::OpenAttackModeWindow>(
                weapons::weaponCatalogue[static_cast<std::size_t>(weapon.row)].outcome);
            QWidget& window = windows.choiceWindows().attackModeWindow(open.weapon, fighter);
            clickBox(child<QRadioButton>(&window, QString("RadioButton%1").arg(*weapon.mode + 1)));
            QTest::mouseClick(child<QPushButton>(&window, "Button1"), Qt::LeftButton);
        }
    } else if (weapon.source != Source::None) {
        const bool improvised = weapon.source == Source::Improvised;
        QTest::mouseClick(improvised ? panel.improvisedButton : panel.unfamiliarButton,
                          Qt::LeftButton);
        auto& window = improvised ? windows.choiceWindows().improvisedWindow(fighter)
                                  : windows.choiceWindows().unfamiliarWindow(fighter);
        clickRow(window.list(), weapon.row);
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
    }
    // The drop-down that gave the armour value last, each picked while it shows.
    const StoredArmour& armour = stored.armour;
    const bool protectionLast = armour.chosenIn == StoredArmour::Box::Protection;
    for (const bool protection : {!protectionLast, protectionLast}) {
        if (panel.alternativeArmour->isChecked() != protection) {
            clickBox(panel.alternativeArmour);
        }
        const auto& entry = protection ? armour.protection : armour.armourClass;
        QComboBox* box = protection ? panel.protectionBox : panel.armourClassBox;
        if (entry) {
            box->setCurrentIndex(*entry);
        } else {
            // No entry: the box's title typed over what it shows.
            typeInto(box->lineEdit(), protection ? "Rüstungsschutz" : "Rüstklasse");
        }
    }
    if (panel.alternativeArmour->isChecked() != armour.alternative) {
        clickBox(panel.alternativeArmour);
    }
    if (panel.fireSensitive->isChecked() != stored.fireSensitive) {
        clickBox(panel.fireSensitive);
    }
}

QWidget* nextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus)) {
        next = next->nextInFocusChain();
    }
    return next;
}

// Everything a user sees of the main window and its choice windows.
QStringList whatShows(ui::ApplicationWindows& windows) {
    QStringList shown;
    QList<QWidget*> roots{&windows.form1()};
    for (QWidget* window : windows.choiceWindows().all()) {
        roots << window;
    }
    for (QWidget* root : roots) {
        for (const QLabel* label : root->findChildren<QLabel*>()) {
            shown << label->objectName() + "=" + label->text();
        }
        for (const QLineEdit* edit : root->findChildren<QLineEdit*>()) {
            shown << edit->objectName() + ":" + edit->text();
        }
        for (const QComboBox* box : root->findChildren<QComboBox*>()) {
            shown << QString("%1#%2 %3 %4")
                         .arg(box->objectName())
                         .arg(box->currentIndex())
                         .arg(box->currentText())
                         .arg(box->isVisibleTo(root));
        }
        for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
            shown << QString("%1 %2").arg(button->objectName()).arg(button->isChecked());
        }
        for (const QListWidget* list : root->findChildren<QListWidget*>()) {
            const auto rows = list->selectionModel()->selectedRows();
            shown << QString("%1 [%2]")
                         .arg(list->objectName())
                         .arg(rows.isEmpty() ? -1 : rows.first().row());
        }
        shown << QString("%1 visible %2").arg(root->objectName()).arg(root->isVisible());
    }
    return shown;
}

} // namespace

class RosterTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;
    QString rosterPath() const { return roster::RosterFile::defaultPath(); }

    static roster::Fighters storedInFile(const QString& path) {
        auto reading = roster::RosterFile(path).read();
        if (!std::holds_alternative<roster::Fighters>(reading)) {
            qFatal("roster unreadable");
        }
        return std::get<roster::Fighters>(reading);
    }
    static void fillFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QStringList loadEntries(ui::ApplicationWindows& windows, Fighter fighter) {
        QMenu* menu = windows.form1().rosterItems().load[engine::indexOf(fighter)];
        emit menu->aboutToShow();
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            entries << action->text();
        }
        return entries;
    }

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", m_data.path().toUtf8()); }
    void cleanup() {
        QDir(QFileInfo(rosterPath()).absolutePath()).removeRecursively();
        toolkit::removeQuestionAnswerer();
        toolkit::removeSaveFileChooser();
        toolkit::removeOpenFileChooser();
    }

    void nameFieldNamesTheFighterAndComesFirst() {
        BoxRecorder boxes;
        ui::ApplicationWindows windows;
        for (const Fighter fighter : engine::bothFighters) {
            const int number = static_cast<int>(engine::indexOf(fighter)) + 1;
            ui::FighterPanel& panel = windows.form1().panel(fighter);
            auto* name = child<QLineEdit>(&windows.form1(), QString("NameEdit%1").arg(number));
            QCOMPARE(name, panel.nameEdit);
            QCOMPARE(name->accessibleName(), QString("Kämpfer %1, Name").arg(number));
            QCOMPARE(name->maxLength(), 40);
            QCOMPARE(name->text(), QString());
            QCOMPARE(panel.displayName(), QString("Kämpfer %1").arg(number));
            QCOMPARE(nextTabStop(name), panel.edits[panel.rowsInTabOrder().front()]);
            typeInto(name, "  Thorgrim ");
            QCOMPARE(panel.displayName(), QString("Thorgrim"));
        }
        // Fighter 1's last control leads to fighter 2's name.
        QCOMPARE(nextTabStop(windows.form1().panel(Fighter::First).unfamiliarButton),
                 windows.form1().panel(Fighter::Second).nameEdit);
        QVERIFY(boxes.boxes().empty());
    }

    // Saved after entering by hand into one window, loaded into another: both windows
    // show the same, hold the same fight record and roll the same next round.
    void loadingGivesWhatEnteringByHandGives() {
        BoxRecorder boxes;
        int index = 0;
        for (const StoredFighter& stored : fighters()) {
            const Fighter fighter = index++ % 2 == 0 ? Fighter::First : Fighter::Second;
            ui::ApplicationWindows byHand;
            ui::ApplicationWindows loaded;
            byHand.form1().show();
            loaded.form1().show();
            // Both start from another fighter already entered.
            for (ui::ApplicationWindows* windows : {&byHand, &loaded}) {
                enterByHand(fighters()[0], *windows, fighter);
            }
            boxes.clear();
            enterByHand(stored, byHand, fighter);
            const QStringList boxesByHand = boxes.texts();
            boxes.clear();
            triggerAction(byHand.form1().rosterItems().save[engine::indexOf(fighter)]);
            QCOMPARE(boxes.texts(), QStringList());
            const StoredFighter saved =
                *roster::findFighter(storedInFile(rosterPath()), stored.name);
            QCOMPARE(saved.values, stored.values);
            QCOMPARE(int(saved.weapon.source), int(stored.weapon.source));
            QCOMPARE(saved.weapon.row, stored.weapon.row);
            QCOMPARE(saved.weapon.mode, stored.weapon.mode);
            QCOMPARE(saved.armour.armourClass, stored.armour.armourClass);
            QCOMPARE(saved.armour.protection, stored.armour.protection);
            QCOMPARE(saved.armour.alternative, stored.armour.alternative);
            QCOMPARE(int(saved.armour.chosenIn), int(stored.armour.chosenIn));
            QCOMPARE(saved, stored);

            QVERIFY(loadEntries(loaded, fighter).contains(stored.name));
            loaded.rosterController().loadFighter(fighter, stored.name);
            QCOMPARE(boxes.texts(), boxesByHand);
            boxes.clear();
            QCOMPARE(whatShows(loaded), whatShows(byHand));
            QVERIFY(loaded.fightController().combatState() ==
                    byHand.fightController().combatState());
            QCOMPARE(loaded.fightController().dice().state(),
                     byHand.fightController().dice().state());
            for (ui::ApplicationWindows* windows : {&byHand, &loaded}) {
                QTest::mouseClick(windows->form1().roundButton(), Qt::LeftButton);
            }
            QCOMPARE(whatShows(loaded), whatShows(byHand));
            QVERIFY(loaded.fightController().combatState() ==
                    byHand.fightController().combatState());
        }
    }

    void noFileIsTouchedUntilTheRosterIsUsed() {
        BoxRecorder boxes;
        {
            ui::ApplicationWindows windows;
            windows.form1().show();
            enterByHand(fighters()[2], windows, Fighter::First);
            QTest::mouseClick(windows.form1().roundButton(), Qt::LeftButton);
        }
        QVERIFY(!QFileInfo::exists(QFileInfo(rosterPath()).absolutePath()));
        boxes.clear();
        // A broken roster is not even looked at until a roster menu opens.
        fillFile(rosterPath(), "kaputt");
        ui::ApplicationWindows windows;
        QTest::mouseClick(windows.form1().standardButton(), Qt::LeftButton);
        QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join("|")));
        QCOMPARE(loadEntries(windows, Fighter::Second), QStringList{"(Kämpferliste nicht lesbar)"});
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QCOMPARE(boxes.boxes()[0].title, QString("Fehler"));
        QVERIFY2(boxes.boxes()[0].text.contains(QDir::toNativeSeparators(rosterPath())) &&
                     boxes.boxes()[0].text.contains("Kein gültiges JSON"),
                 qPrintable(boxes.boxes()[0].text));
        // Told once; saving says why it cannot and offers an export instead.
        loadEntries(windows, Fighter::First);
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QStringList questions;
        toolkit::installQuestionAnswerer([&](const QString& text) {
            questions << text;
            return true;
        });
        QTemporaryDir exportFolder;
        toolkit::installSaveFileChooser(
            [&](const QString&, const QString& name) { return exportFolder.filePath(name); });
        typeInto(windows.form1().panel(Fighter::First).nameEdit, "Ork");
        triggerAction(windows.form1().rosterItems().save[0]);
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions[0].contains("exportiert"), qPrintable(questions[0]));
        QFile broken(rosterPath());
        QVERIFY(broken.open(QIODevice::ReadOnly));
        QCOMPARE(broken.readAll(), QByteArray("kaputt"));
        QCOMPARE(storedInFile(exportFolder.filePath("Ork.json")).front().name, QString("Ork"));
    }

    void savingUnderATakenNameAsksFirst() {
        BoxRecorder boxes;
        ui::ApplicationWindows windows;
        ui::FighterPanel& panel = windows.form1().panel(Fighter::Second);
        QAction* save = windows.form1().rosterItems().save[1];
        triggerAction(save);
        QCOMPARE(boxes.texts(),
                 QStringList{"Bitte geben Sie Kämpfer 2 zuerst einen Namen (Feld „Name:“)."});
        QVERIFY(!QFileInfo::exists(rosterPath()));
        typeInto(panel.nameEdit, "Ork");
        triggerAction(save);
        typeInto(panel.edits[0], "99");
        QStringList questions;
        bool answer = false;
        toolkit::installQuestionAnswerer([&](const QString& text) {
            questions << text;
            return answer;
        });
        triggerAction(save);
        QCOMPARE(questions, QStringList{"In der Kämpferliste gibt es schon „Ork“. Ersetzen?"});
        QCOMPARE(storedInFile(rosterPath()).front().values[0], QString());
        answer = true;
        triggerAction(save);
        QCOMPARE(storedInFile(rosterPath()).size(), std::size_t{1});
        QCOMPARE(storedInFile(rosterPath()).front().values[0], QString("99"));
    }

    void importNumbersTakenNamesAndTheEditorRenamesAndDeletes() {
        BoxRecorder boxes;
        ui::ApplicationWindows windows;
        QTemporaryDir folder;
        const QString imported = folder.filePath("andere.json");
        fillFile(imported, roster::writeRoster({fighters()[0], fighters()[1]}));
        fillFile(rosterPath(), roster::writeRoster({fighters()[1]}));
        toolkit::installOpenFileChooser([&](const QString&) { return imported; });
        triggerAction(windows.form1().rosterItems().importRoster);
        QCOMPARE(loadEntries(windows, Fighter::First), QStringList({"Ork", "Ork (2)", "Thorgrim"}));

        triggerAction(windows.form1().rosterItems().edit);
        roster::RosterEditor* editor = windows.rosterController().editor();
        QVERIFY(editor != nullptr && editor->isVisible());
        editor->list()->setCurrentRow(1);
        typeInto(editor->newName(), "Grünork & Co");
        QTest::mouseClick(editor->renameButton(), Qt::LeftButton);
        QCOMPARE(loadEntries(windows, Fighter::Second),
                 QStringList({"Grünork && Co", "Ork", "Thorgrim"}));
        bool answer = false;
        toolkit::installQuestionAnswerer([&](const QString&) { return answer; });
        editor->list()->setCurrentRow(1);
        QTest::mouseClick(editor->deleteButton(), Qt::LeftButton);
        QCOMPARE(editor->list()->count(), 3);
        answer = true;
        QTest::mouseClick(editor->deleteButton(), Qt::LeftButton);
        QCOMPARE(roster::sortedNames(storedInFile(rosterPath())),
                 QStringList({"Grünork & Co", "Thorgrim"}));
        QCOMPARE(boxes.texts(), QStringList{"2 Kämpfer aus „" + QDir::toNativeSeparators(imported) +
                                            "“ in die Kämpferliste übernommen."});
    }
};

QTEST_MAIN(RosterTest)
#include "RosterTest.moc"
