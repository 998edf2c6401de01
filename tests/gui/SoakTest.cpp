#include "GuiTestSupport.h"
#include "SoakText.h"
#include "engine/DamageTable.h"
#include "toolkit/gui/QuestionBox.h"
#include "toolkit/gui/SaveFileDialog.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#include "ui/choices/AttackModeChoiceWindow.h"
#include "ui/choices/ChoiceWindows.h"
#include "ui/choices/UntrainedWeaponChoiceWindow.h"
#include "ui/panels/FighterPanel.h"
#include "ui/roster/RosterController.h"
#include "weapons/WeaponCatalogue.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>
#include <deque>
#include <map>
#include <memory>
#include <set>

using engine::Fighter;
using guitest::child;
using soak::Chance;
using soak::NastyTexts;
using ui::FighterPanel;

namespace {

constexpr int actionsPerRun = 20000;
constexpr std::uint32_t defaultSeed = 20250611;

// TORVENN_SOAK_SEED replays the soak with another seed, to look for trouble further afield.
std::uint32_t soakSeed() {
    bool ok = false;
    const uint seed = qEnvironmentVariable("TORVENN_SOAK_SEED").toUInt(&ok);
    return ok ? seed : defaultSeed;
}

const QRegularExpression plainInteger(QStringLiteral("^-?(0|[1-9][0-9]*)$"));
const QRegularExpression armourValue(QStringLiteral("^([0-9]|10)$"));
const QRegularExpression
    conversionMessage(QStringLiteral("^'.*' ist kein gültiger Integerwert\\.?$"),
                      QRegularExpression::DotMatchesEverythingOption);

bool isPlainInteger(const QString& text) {
    return plainInteger.match(text).hasMatch();
}

// A text for a report: control characters made visible, long texts cut short.
QString shortened(const QString& text) {
    constexpr qsizetype shown = 40;
    QString visible;
    for (const QChar c : text.left(shown)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            visible += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            visible += c;
        }
    }
    if (text.size() <= shown) {
        return visible;
    }
    return QStringLiteral("%1…(%2 characters)").arg(visible, QString::number(text.size()));
}

// The neighbourhood of the first character where two long texts part.
QString whereTheyDiffer(const QString& first, const QString& second) {
    qsizetype at = 0;
    while (at < first.size() && at < second.size() && first.at(at) == second.at(at)) {
        ++at;
    }
    const qsizetype from = std::max<qsizetype>(0, at - 30);
    return QStringLiteral("at character %1: \"%2\" against \"%3\"")
        .arg(QString::number(at), shortened(first.mid(from, 40)), shortened(second.mid(from, 40)));
}

QString keyName(Qt::Key key) {
    return QKeySequence(key).toString();
}

// Keys a user presses; characters outside ASCII arrive as the text of a key of their own.
void typeKeys(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            QTest::keyClick(widget, Qt::Key_Return);
        } else if (c == QLatin1Char('\t')) {
            QTest::keyClick(widget, Qt::Key_Tab);
        } else if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
    }
}

// What the user can do, with how often the soak does it.
enum class Action {
    TypeIntoValueField,
    EnterAFighter,
    GenerateRound,
    StandardValues,
    NewFight,
    ClickWeaponRow,
    DoubleClickWeaponRow,
    KeyInWeaponList,
    OpenChoiceWindow,
    UseChoiceWindow,
    PickArmour,
    TypeIntoArmourBox,
    KeyInArmourBox,
    ToggleAlternativeArmour,
    ToggleFireSensitive,
    HelpText,
    TakeBackRound,
    Rematch,
    FightToTheEnd,
    SaveLog,
    TypeName,
    SaveToRoster,
    LoadFromRoster,
    EndProgram,
    Count
};
constexpr std::array<double, static_cast<std::size_t>(Action::Count)> actionWeights{
    30, 6, 14, 2, 4, 11, 1, 2, 4, 12, 4, 3, 1, 2, 2, 1, 3, 1, 0.3, 0.5, 2, 1, 1, 0.3};
constexpr std::array<const char*, static_cast<std::size_t>(Action::Count)> actionNames{
    "type into a value field",
    "enter a fighter's values",
    "generate a round",
    "standard values",
    "new fight",
    "click a weapon",
    "double-click a weapon",
    "key in a weapon list",
    "open an improvised or unfamiliar weapon window",
    "use an open choice window",
    "pick armour",
    "type into an armour box",
    "key in an armour box",
    "toggle \"Altenativ\"",
    "toggle \"Kämpfer ist feuerempfindlich\"",
    "help text",
    "take back a round",
    "rematch",
    "fight to the end",
    "save the log",
    "type a name",
    "save a fighter to the roster",
    "load a fighter from the roster",
    "end the program"};

const char* nameOf(Action action) {
    return actionNames[static_cast<std::size_t>(action)];
}

const std::vector<int>& attackModeRows() {
    static const std::vector<int> rows = [] {
        std::vector<int> found;
        for (std::size_t row = 0; row < weapons::weaponCatalogue.size(); ++row) {
            if (std::holds_alternative<weapons::OpenAttackModeWindow>(
                    weapons::weaponCatalogue[row].outcome)) {
                found.push_back(static_cast<int>(row));
            }
        }
        return found;
    }();
    return rows;
}

QString boxCategory(const toolkit::ShownBox& box) {
    if (box.kind == toolkit::ShownBox::Kind::Error) {
        return QStringLiteral("error box (round stopped at a conversion)");
    }
    return QStringLiteral("\"%1\" / \"%2\"").arg(box.title, shortened(box.text));
}

// One soak: fresh windows, one seed, a fixed number of random user actions, and every
// invariant checked after each of them. Stops at the first one that breaks.
class SoakRun {
public:
    explicit SoakRun(std::uint32_t seed)
        : m_chance(seed), m_texts(m_chance), m_windows(std::make_unique<ui::ApplicationWindows>()),
          m_window(&m_windows->form1()) {
        toolkit::installBoxAnswerer([this](const toolkit::ShownBox& box) {
            m_boxes.push_back(box);
            ++m_boxCounts[boxCategory(box)];
            m_history << QStringLiteral("box %1|%2|%3")
                             .arg(static_cast<int>(box.kind))
                             .arg(box.title, box.text);
        });
        QGuiApplication::clipboard()->setText(QString());
        // Saved logs and the roster go to a folder of the run's own; every question is
        // answered yes.
        toolkit::installSaveFileChooser([this](const QString&, const QString& proposed) {
            return m_files.filePath(QFileInfo(proposed).fileName());
        });
        toolkit::installQuestionAnswerer([](const QString&) { return true; });
        // Each run starts with no roster; the test case points the data folder away from
        // the user's.
        const QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (!data.startsWith(QDir::tempPath() + QLatin1Char('/'))) {
            qFatal("the soak needs a data folder of its own, not \"%s\"", qPrintable(data));
        }
        QDir roster(data);
        roster.removeRecursively();
        roster.mkpath(QStringLiteral("."));
        m_roundButton = child<QPushButton>(m_window, "Button1");
        for (const int n : {28, 29, 49, 50, 51, 52, 60, 61, 62, 63}) {
            m_rolledLabels.push_back(child<QLabel>(m_window, QStringLiteral("Label%1").arg(n)));
        }
        for (const int n : {73, 74, 75, 76, 77, 78}) {
            m_attributeLabels.push_back(child<QLabel>(m_window, QStringLiteral("Label%1").arg(n)));
        }
        m_eventPanel = child<QGroupBox>(m_window, "GroupBox3");
        m_roundLine = child<QLabel>(m_window, "Label64");
        m_lifeLabels = {child<QLabel>(m_window, "Label22"), child<QLabel>(m_window, "Label23")};
        m_armourLabels = {child<QLabel>(m_window, "Label71"), child<QLabel>(m_window, "Label72")};
        for (Fighter fighter : engine::bothFighters) {
            m_panels.push_back(&m_window->panel(fighter));
        }
        for (ui::choices::ChoiceWindow* window : m_windows->choiceWindows().all()) {
            m_allowedWindows.insert(window);
        }
        m_allowedWindows.insert(m_window);
        m_window->show();
        QApplication::processEvents();
        m_startWidth = m_window->width();
    }

    ~SoakRun() {
        toolkit::removeBoxAnswerer();
        toolkit::removeSaveFileChooser();
        toolkit::removeQuestionAnswerer();
    }
    SoakRun(const SoakRun&) = delete;
    SoakRun& operator=(const SoakRun&) = delete;

    void run(int actions) {
        m_objectsAtStart = objectCount();
        for (m_step = 0; m_step < actions && m_failure.isEmpty(); ++m_step) {
            QElapsedTimer timer;
            timer.start();
            const auto action = static_cast<Action>(m_chance.weighted(actionWeights));
            perform(action);
            // What the event loop does between two user actions: deliver what is posted,
            // paint, and delete what was left for deletion.
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const qint64 took = timer.elapsed();
            m_timeByAction[action] += took;
            if (took > m_slowest) {
                m_slowest = took;
                m_slowestAction = m_recent.empty() ? QString() : m_recent.back();
            }
            checkInvariants();
            if (m_step == actions / 2) {
                m_objectsHalfway = objectCount();
            }
        }
        m_history << QStringLiteral("end|") + panelTexts().join(QLatin1Char('|'));
        // Nothing the user does may leave objects behind: whatever was created lazily
        // exists by halfway, and the count stays put from there on.
        expect(objectCount() == m_objectsHalfway,
               QStringLiteral("objects in the main window grew from %1 (halfway) to %2")
                   .arg(m_objectsHalfway)
                   .arg(objectCount()));
    }

    const QString& failure() const { return m_failure; }
    const QStringList& history() const { return m_history; }
    // Choice windows never seen open, or never confirmed with "OK".
    QStringList windowsNeverShown() const { return choiceWindowsMissing(m_windowsShown); }
    QStringList windowsNeverConfirmed() const { return choiceWindowsMissing(m_windowsConfirmed); }
    const std::set<int>& weaponRowsClicked(Fighter fighter) const {
        return m_weaponRowsClicked[engine::indexOf(fighter)];
    }
    const std::map<Action, int>& actionCounts() const { return m_actionCounts; }
    int roundsGenerated() const { return m_roundsGenerated; }
    int roundsFailed() const { return m_roundsFailed; }
    int fightsLost() const { return m_fightsLost; }

    QString summary() const {
        QStringList lines;
        lines << QStringLiteral("%1 actions, %2 rounds generated, %3 rounds stopped by an error, "
                                "%4 fights ended")
                     .arg(m_step)
                     .arg(m_roundsGenerated)
                     .arg(m_roundsFailed)
                     .arg(m_fightsLost);
        lines << QStringLiteral("boxes answered: %1").arg(m_boxes.size());
        for (const auto& [category, count] : m_boxCounts) {
            lines << QStringLiteral("  %1 × %2").arg(count, 5).arg(category);
        }
        lines << QStringLiteral("actions:");
        for (const auto& [action, ms] : m_timeByAction) {
            lines << QStringLiteral("  %1 × %2, %3 ms in all")
                         .arg(m_actionCounts.at(action), 5)
                         .arg(QString::fromUtf8(nameOf(action)))
                         .arg(ms);
        }
        lines << QStringLiteral("slowest action: %1 ms (%2)").arg(m_slowest).arg(m_slowestAction);
        lines << QStringLiteral("objects in the main window: %1 at start, %2 halfway")
                     .arg(m_objectsAtStart)
                     .arg(m_objectsHalfway);
        return lines.join(QLatin1Char('\n'));
    }

private:
    // ----- bookkeeping

    void note(const QString& what) {
        m_recent.push_back(QStringLiteral("#%1 %2").arg(QString::number(m_step), what));
        if (m_recent.size() > 15) {
            m_recent.pop_front();
        }
    }

    void expect(bool condition, const QString& what) {
        if (condition || !m_failure.isEmpty()) {
            return;
        }
        QStringList recent(m_recent.begin(), m_recent.end());
        m_failure = QStringLiteral("after action #%1: %2\nlast actions:\n  %3")
                        .arg(QString::number(m_step), what, recent.join(QStringLiteral("\n  ")));
    }

    QStringList choiceWindowsMissing(const std::set<QObject*>& seen) const {
        QStringList missing;
        for (ui::choices::ChoiceWindow* window : m_windows->choiceWindows().all()) {
            if (!seen.contains(window)) {
                missing << window->objectName();
            }
        }
        return missing;
    }

    int objectCount() const { return static_cast<int>(m_window->findChildren<QObject*>().size()); }

    QStringList panelTexts() const {
        QStringList texts;
        for (const QLabel* label : m_eventPanel->findChildren<QLabel*>()) {
            texts << label->text();
        }
        for (const FighterPanel* panel : m_panels) {
            texts << panel->damageCode->text() << panel->attackType->text();
        }
        return texts;
    }

    // ----- actions

    void perform(Action action) {
        ++m_actionCounts[action];
        switch (action) {
        case Action::TypeIntoValueField: {
            FighterPanel* panel = m_chance.pick(m_panels);
            QLineEdit* edit = m_chance.pick(panel->edits);
            typeInto(edit);
            break;
        }
        case Action::EnterAFighter:
            enterAFighter(m_chance.pick(m_panels));
            break;
        case Action::GenerateRound:
            generateRound();
            break;
        case Action::StandardValues:
            note(QStringLiteral("click \"Standartwerte für jeden Kämpfer\""));
            QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
            break;
        case Action::NewFight:
            note(QStringLiteral("menu \"Neu: Kampf 1 gegen 1\""));
            guitest::triggerAction(m_window, "NeuKampf1gegen11");
            m_expectDisabled = false;
            m_roundsTriedInThisFight = 0;
            break;
        case Action::ClickWeaponRow:
            clickWeaponRow(false);
            break;
        case Action::DoubleClickWeaponRow:
            clickWeaponRow(true);
            break;
        case Action::KeyInWeaponList:
            keyInWeaponList();
            break;
        case Action::OpenChoiceWindow:
            openChoiceWindow();
            break;
        case Action::UseChoiceWindow:
            useChoiceWindow();
            break;
        case Action::PickArmour:
            pickArmour();
            break;
        case Action::TypeIntoArmourBox: {
            QComboBox* box = visibleArmourBox(m_chance.pick(m_panels));
            typeInto(box->lineEdit());
            if (m_chance.oneIn(3)) {
                note(QStringLiteral("Return in %1").arg(box->objectName()));
                QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            }
            break;
        }
        case Action::KeyInArmourBox: {
            QComboBox* box = visibleArmourBox(m_chance.pick(m_panels));
            const auto key =
                m_chance.pick(std::array{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                         Qt::Key_PageUp, Qt::Key_PageDown});
            note(QStringLiteral("key %1 in %2").arg(keyName(key), box->objectName()));
            QTest::keyClick(box, key);
            break;
        }
        case Action::ToggleAlternativeArmour:
            clickCheckBox(m_chance.pick(m_panels)->alternativeArmour);
            break;
        case Action::ToggleFireSensitive:
            clickCheckBox(m_chance.pick(m_panels)->fireSensitive);
            break;
        case Action::HelpText: {
            const char* item =
                m_chance.pick(std::array{"berdiesesProgramm1", "Copyright1", "Copyright3"});
            note(QStringLiteral("menu %1").arg(QLatin1String(item)));
            guitest::triggerAction(m_window, item);
            break;
        }
        case Action::TakeBackRound:
            if (useMenu(m_window->takeBackRoundItem())) {
                // One round tried goes, whether it ran or was stopped.
                expect(m_roundButton->isEnabled(),
                       QStringLiteral("the round button stays disabled after a take-back"));
                m_roundsTriedInThisFight = std::max(0, m_roundsTriedInThisFight - 1);
                m_expectDisabled = false;
            }
            break;
        case Action::Rematch:
            if (useMenu(m_window->rematchItem())) {
                expect(m_roundButton->isEnabled(),
                       QStringLiteral("the round button stays disabled after a rematch"));
                m_roundsTriedInThisFight = 0;
                m_expectDisabled = false;
            }
            break;
        case Action::FightToTheEnd:
            fightToTheEnd();
            break;
        case Action::SaveLog:
            useMenu(m_window->saveLogItem());
            break;
        case Action::TypeName:
            typeInto(m_chance.pick(m_panels)->nameEdit);
            break;
        case Action::SaveToRoster: {
            const Fighter fighter = m_chance.pick(std::array{Fighter::First, Fighter::Second});
            useMenu(m_window->rosterItems().save[engine::indexOf(fighter)]);
            break;
        }
        case Action::LoadFromRoster: {
            // Loads the fighter named in either panel, stored or not.
            const Fighter fighter = m_chance.pick(std::array{Fighter::First, Fighter::Second});
            const QString name = m_chance.pick(m_panels)->nameEdit->text();
            note(QStringLiteral("load \"%1\" into fighter %2")
                     .arg(shortened(name))
                     .arg(engine::indexOf(fighter) + 1));
            m_windows->rosterController().loadFighter(fighter, name);
            break;
        }
        case Action::EndProgram:
            endProgram();
            break;
        case Action::Count:
            break;
        }
    }

    void typeInto(QLineEdit* edit) {
        const QString text = m_texts.next();
        const QString name =
            edit->objectName().isEmpty() ? edit->parentWidget()->objectName() : edit->objectName();
        switch (m_chance.weighted(std::array<double, 8>{35, 20, 12, 8, 12, 6, 4, 3})) {
        case 0:
            note(QStringLiteral("%1: select all, type \"%2\"").arg(name, shortened(text)));
            edit->selectAll();
            if (text.isEmpty()) {
                QTest::keyClick(edit, Qt::Key_Delete);
            } else {
                typeOrPaste(edit, text);
            }
            break;
        case 1:
            note(QStringLiteral("%1: type \"%2\" at the end").arg(name, shortened(text)));
            edit->end(false);
            typeOrPaste(edit, text);
            break;
        case 2: {
            const int at = m_chance.between(0, static_cast<int>(edit->text().size()));
            note(QStringLiteral("%1: paste \"%2\" at %3")
                     .arg(name, shortened(text), QString::number(at)));
            edit->setCursorPosition(at);
            edit->insert(text);
            break;
        }
        case 3: {
            const bool replace = m_chance.oneIn(2);
            note(QStringLiteral("%1: Ctrl+V \"%2\"%3")
                     .arg(name, shortened(text), replace ? " over everything" : ""));
            QGuiApplication::clipboard()->setText(text);
            if (replace) {
                edit->selectAll();
            }
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        case 4: {
            const int count = m_chance.between(1, 8);
            note(QStringLiteral("%1: %2 × Backspace").arg(name).arg(count));
            edit->end(false);
            for (int i = 0; i < count; ++i) {
                QTest::keyClick(edit, Qt::Key_Backspace);
            }
            break;
        }
        case 5:
            note(QStringLiteral("%1: select all, Delete").arg(name));
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            break;
        case 6:
            note(QStringLiteral("%1: Ctrl+Z").arg(name));
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
            break;
        default: {
            const auto key = m_chance.pick(std::array{Qt::Key_Home, Qt::Key_Left, Qt::Key_Right});
            note(
                QStringLiteral("%1: key %2, type \"%3\"").arg(name, keyName(key), shortened(text)));
            QTest::keyClick(edit, key);
            typeOrPaste(edit, text);
            break;
        }
        }
    }

    // What the game master mostly does: all seven values of a fighter, sensible ones.
    void enterAFighter(FighterPanel* panel) {
        constexpr std::array<int, 7> highest{40, 40, 20, 20, 120, 120, 120};
        QStringList values;
        for (std::size_t row = 0; row < panel->edits.size(); ++row) {
            values << QString::number(m_chance.between(0, highest[row]));
        }
        note(QStringLiteral("%1: enter %2").arg(panel->objectName(), values.join(' ')));
        for (std::size_t row = 0; row < panel->edits.size(); ++row) {
            panel->edits[row]->selectAll();
            typeKeys(panel->edits[row], values.at(static_cast<qsizetype>(row)));
        }
    }

    // Long texts come in by paste: nobody types ten thousand keys.
    void typeOrPaste(QLineEdit* edit, const QString& text) {
        if (text.size() > 64) {
            edit->insert(text);
        } else {
            typeKeys(edit, text);
        }
    }

    // The round the line names, 0 for none. Rounds stopped by an error leave it as it was.
    int roundOnTheLine() const {
        static const QRegularExpression roundLine(QStringLiteral("^Es ist die (\\d+) Runde"));
        const QRegularExpressionMatch match = roundLine.match(m_roundLine->text());
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    }

    // Chooses the menu item as a user can: only while it is enabled.
    bool useMenu(QAction* item) {
        const bool enabled = item->isEnabled();
        note(QStringLiteral("menu \"%1\"%2")
                 .arg(item->text().remove(QLatin1Char('&')), enabled ? "" : " (disabled)"));
        if (enabled) {
            item->trigger();
        }
        return enabled;
    }

    void fightToTheEnd() {
        QAction* command = m_window->fightToTheEndItem();
        const QString lineBefore = m_roundLine->text();
        const std::size_t boxesBefore = m_boxes.size();
        if (!useMenu(command)) {
            return;
        }
        // It plays on from the event loop; the user waits for it.
        QDeadlineTimer deadline(30000);
        const auto ended = [&] { return command->isEnabled() || !m_roundButton->isEnabled(); };
        while (!ended() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        expect(ended(), QStringLiteral("\"Kampf auswürfeln\" did not end in 30 s"));
        // It stops at the first round an error stops, or at the deciding one.
        const bool stopped = std::any_of(m_boxes.begin() + static_cast<std::ptrdiff_t>(boxesBefore),
                                         m_boxes.end(), [](const toolkit::ShownBox& box) {
                                             return box.kind == toolkit::ShownBox::Kind::Error;
                                         });
        if (m_roundLine->text() != lineBefore) {
            m_roundsTriedInThisFight = roundOnTheLine();
        }
        m_roundsTriedInThisFight += stopped ? 1 : 0;
        m_expectDisabled = !m_roundButton->isEnabled();
    }

    void generateRound() {
        const bool enabled = m_roundButton->isEnabled();
        const std::size_t boxesBefore = m_boxes.size();
        const QStringList before = panelTexts();
        if (enabled && m_chance.oneIn(5)) {
            note(QStringLiteral("Space on \"Eine Runde generieren\""));
            QTest::keyClick(m_roundButton, Qt::Key_Space);
        } else {
            note(QStringLiteral("click \"Eine Runde generieren\"%1")
                     .arg(enabled ? "" : " (disabled)"));
            QTest::mouseClick(m_roundButton, Qt::LeftButton);
        }
        const std::vector<toolkit::ShownBox> boxes(m_boxes.begin() + boxesBefore, m_boxes.end());
        if (!enabled) {
            expect(boxes.empty() && panelTexts() == before,
                   QStringLiteral("the disabled round button generated a round"));
            return;
        }
        // Stopped rounds count too: the next round line tells how many were tried.
        ++m_roundsTriedInThisFight;
        const auto isError = [](const toolkit::ShownBox& box) {
            return box.kind == toolkit::ShownBox::Kind::Error;
        };
        const bool ran = std::none_of(boxes.begin(), boxes.end(), isError);
        if (ran) {
            ++m_roundsGenerated;
            const QString line = m_roundLine->text();
            expect(
                line ==
                    QStringLiteral("Es ist die %1 Runde des Kampfes").arg(m_roundsTriedInThisFight),
                QStringLiteral("round %1 of the fight shows \"%2\"")
                    .arg(QString::number(m_roundsTriedInThisFight), line));
            const QString life1 = m_lifeLabels[0]->text();
            const QString life2 = m_lifeLabels[1]->text();
            expect(isPlainInteger(life1) && isPlainInteger(life2),
                   QStringLiteral("life points after a round are \"%1\" and \"%2\"")
                       .arg(shortened(life1), shortened(life2)));
            const bool lost1 = life1.toInt() <= 3;
            const bool lost2 = life2.toInt() <= 3;
            QStringList expectedBoxes;
            if (lost1) {
                expectedBoxes << QStringLiteral("Kampfende|Kämpfer 1 hat verloren");
            }
            if (lost2) {
                expectedBoxes << QStringLiteral("Kampfende|Kämpfer 2 hat verloren");
            }
            QStringList shownBoxes;
            for (const auto& box : boxes) {
                shownBoxes << box.title + QLatin1Char('|') + box.text;
            }
            expect(shownBoxes == expectedBoxes,
                   QStringLiteral("life points %1 and %2, but the round showed [%3]")
                       .arg(life1, life2, shownBoxes.join(QStringLiteral(", "))));
            m_expectDisabled = lost1 || lost2;
            m_fightsLost += m_expectDisabled ? 1 : 0;
        } else {
            ++m_roundsFailed;
            expect(boxes.size() == 1 && conversionMessage.match(boxes.front().text).hasMatch(),
                   QStringLiteral("a round neither ran nor stopped with one conversion error "
                                  "(%1 boxes)")
                       .arg(boxes.size()));
            expect(panelTexts() == before,
                   QStringLiteral("a round stopped by an error changed the panel"));
        }
        m_history << QStringLiteral("round %1 %2|%3")
                         .arg(m_roundsGenerated + m_roundsFailed)
                         .arg(ran ? "ran" : "stopped")
                         .arg(panelTexts().join(QLatin1Char('|')));
    }

    void clickWeaponRow(bool twice) {
        FighterPanel* panel = m_chance.pick(m_panels);
        // Half of the clicks go to the weapons with attack modes, whose windows are
        // otherwise rarely reached past their minimums.
        const int row = m_chance.oneIn(2) ? m_chance.below(panel->weaponList->count())
                                          : m_chance.pick(attackModeRows());
        m_weaponRowsClicked[engine::indexOf(panel->fighter())].insert(row);
        note(QStringLiteral("%1 %2 row %3")
                 .arg(twice ? "double-click" : "click", panel->weaponList->objectName())
                 .arg(row));
        clickListRow(panel->weaponList, row, twice);
    }

    static void clickListRow(QListWidget* list, int row, bool twice) {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        }
    }

    void keyInWeaponList() {
        QListWidget* list = m_chance.pick(m_panels)->weaponList;
        const auto key =
            m_chance.pick(std::array{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space});
        note(QStringLiteral("key %1 in %2").arg(keyName(key), list->objectName()));
        QTest::keyClick(list, key);
    }

    void openChoiceWindow() {
        FighterPanel* panel = m_chance.pick(m_panels);
        QPushButton* button = m_chance.oneIn(2) ? panel->improvisedButton : panel->unfamiliarButton;
        note(QStringLiteral("click %1").arg(button->objectName()));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void useChoiceWindow() {
        std::vector<ui::choices::ChoiceWindow*> open;
        for (ui::choices::ChoiceWindow* window : m_windows->choiceWindows().all()) {
            if (window->isVisible()) {
                open.push_back(window);
            }
        }
        if (open.empty()) {
            openChoiceWindow();
            return;
        }
        ui::choices::ChoiceWindow* window = m_chance.pick(open);
        const QString name = window->objectName();
        switch (m_chance.weighted(std::array<double, 6>{5, 4, 1, 1, 1, 1})) {
        case 0:
            if (auto* modes = qobject_cast<ui::choices::AttackModeChoiceWindow*>(window)) {
                const auto radios = modes->findChildren<QRadioButton*>();
                QRadioButton* radio = m_chance.pick(radios);
                note(QStringLiteral("%1: click %2").arg(name, radio->objectName()));
                QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
            } else {
                auto* list = static_cast<ui::choices::UntrainedWeaponChoiceWindow*>(window)->list();
                const int row = m_chance.below(list->count());
                note(QStringLiteral("%1: click row %2").arg(name).arg(row));
                clickListRow(list, row, m_chance.oneIn(8));
            }
            break;
        case 1:
            note(QStringLiteral("%1: click OK").arg(name));
            QTest::mouseClick(window->okButton(), Qt::LeftButton);
            m_windowsConfirmed.insert(window);
            expect(!window->isVisible(), QStringLiteral("%1 stayed open after OK").arg(name));
            break;
        case 2:
            note(QStringLiteral("%1: Return").arg(name));
            QTest::keyClick(window, Qt::Key_Return);
            m_windowsConfirmed.insert(window);
            expect(!window->isVisible(), QStringLiteral("%1 stayed open after Return").arg(name));
            break;
        case 3:
            note(QStringLiteral("%1: Escape").arg(name));
            QTest::keyClick(window, Qt::Key_Escape);
            expect(window->isVisible() != window->windowFlags().testFlag(Qt::WindowCloseButtonHint),
                   QStringLiteral("Escape on %1 did not follow its close box").arg(name));
            break;
        case 4:
            note(QStringLiteral("%1: close").arg(name));
            window->close();
            expect(!window->isVisible(), QStringLiteral("%1 stayed open after close").arg(name));
            break;
        default: {
            if (auto* untrained = qobject_cast<ui::choices::UntrainedWeaponChoiceWindow*>(window)) {
                const auto key =
                    m_chance.pick(std::array{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End});
                note(QStringLiteral("%1: key %2 in the list").arg(name, keyName(key)));
                QTest::keyClick(untrained->list(), key);
            } else {
                note(QStringLiteral("%1: Tab").arg(name));
                QTest::keyClick(window, Qt::Key_Tab);
            }
            break;
        }
        }
    }

    static QComboBox* visibleArmourBox(const FighterPanel* panel) {
        return panel->alternativeArmour->isChecked() ? panel->protectionBox : panel->armourClassBox;
    }

    void pickArmour() {
        QComboBox* box = visibleArmourBox(m_chance.pick(m_panels));
        const int index = m_chance.below(box->count());
        note(QStringLiteral("%1: pick entry %2").arg(box->objectName()).arg(index));
        box->setCurrentIndex(index);
    }

    void clickCheckBox(QCheckBox* box) {
        note(QStringLiteral("click %1").arg(box->objectName()));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    void endProgram() {
        const bool byMenu = m_chance.oneIn(2);
        note(byMenu ? QStringLiteral("menu Ende") : QStringLiteral("click \"Ende\""));
        if (byMenu) {
            guitest::triggerAction(m_window, "Ende1");
        } else {
            QTest::mouseClick(child<QPushButton>(m_window, "Button4"), Qt::LeftButton);
        }
        expect(!m_window->isVisible(), QStringLiteral("\"Ende\" left the main window open"));
        // The soak goes on where a real user would have started the program again.
        m_window->show();
    }

    // ----- invariants

    void checkInvariants() {
        expect(QApplication::activeModalWidget() == nullptr,
               QStringLiteral("a modal window blocks the main window"));
        expect(QApplication::activePopupWidget() == nullptr,
               QStringLiteral("a popup is left open"));
        for (const QLabel* label : m_rolledLabels) {
            expect(isPlainInteger(label->text()),
                   QStringLiteral("%1 reads \"%2\"")
                       .arg(label->objectName(), shortened(label->text())));
        }
        for (const QLabel* label : m_attributeLabels) {
            expect(isPlainInteger(label->text()),
                   QStringLiteral("%1 reads \"%2\"")
                       .arg(label->objectName(), shortened(label->text())));
        }
        expect(m_roundButton->isEnabled() == !m_expectDisabled,
               QStringLiteral("the round button is %1")
                   .arg(m_roundButton->isEnabled() ? "enabled after a lost fight"
                                                   : "disabled though nobody has lost"));
        for (const FighterPanel* panel : m_panels) {
            const bool alternative = panel->alternativeArmour->isChecked();
            expect(panel->armourClassBox->isHidden() == alternative &&
                       panel->protectionBox->isHidden() == !alternative,
                   QStringLiteral("%1: not exactly the one armour box of \"Altenativ\" shows")
                       .arg(panel->objectName()));
            const QString armour = m_armourLabels[engine::indexOf(panel->fighter())]->text();
            expect(armourValue.match(armour).hasMatch(),
                   QStringLiteral("armour label reads \"%1\"").arg(armour));
            const QString code = panel->damageCode->text();
            expect(code == QLatin1String("0") || engine::isRecognisedDamageCode(code.toStdString()),
                   QStringLiteral("%1 holds the damage code \"%2\"")
                       .arg(panel->damageCode->objectName(), code));
            const QString type = panel->attackType->text();
            expect(type.isEmpty() || type == QLatin1String("normal"),
                   QStringLiteral("%1 holds the attack type \"%2\"")
                       .arg(panel->attackType->objectName(), type));
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            // A weapon's hint shows as a tooltip when the keys move to it.
            if (!widget->isVisible() || widget->windowType() == Qt::ToolTip) {
                continue;
            }
            expect(
                m_allowedWindows.contains(widget),
                QStringLiteral("an unexpected window appeared: %1 \"%2\"")
                    .arg(QLatin1String(widget->metaObject()->className()), widget->windowTitle()));
            if (m_allowedWindows.contains(widget) && widget != m_window) {
                m_windowsShown.insert(widget);
            }
        }
        expect(m_window->isVisible(), QStringLiteral("the main window is gone"));
        // Labels take typed text as it is; however long, it never widens the window.
        expect(m_window->width() <= m_startWidth,
               QStringLiteral("the main window grew from %1 to %2 pixels wide")
                   .arg(m_startWidth)
                   .arg(m_window->width()));
    }

    QTemporaryDir m_files;
    Chance m_chance;
    NastyTexts m_texts;
    std::unique_ptr<ui::ApplicationWindows> m_windows;
    ui::TForm1* m_window;
    QPushButton* m_roundButton = nullptr;
    QGroupBox* m_eventPanel = nullptr;
    std::vector<FighterPanel*> m_panels;
    std::vector<QLabel*> m_rolledLabels;
    std::vector<QLabel*> m_attributeLabels;
    QLabel* m_roundLine = nullptr;
    std::array<QLabel*, 2> m_lifeLabels{};
    std::array<QLabel*, 2> m_armourLabels{};
    std::set<QWidget*> m_allowedWindows;

    std::vector<toolkit::ShownBox> m_boxes;
    std::map<QString, int> m_boxCounts;
    QStringList m_history;
    std::deque<QString> m_recent;
    QString m_failure;
    int m_step = 0;

    int m_roundsTriedInThisFight = 0;
    bool m_expectDisabled = false;
    int m_roundsGenerated = 0;
    int m_roundsFailed = 0;
    int m_fightsLost = 0;
    std::map<Action, int> m_actionCounts;
    std::map<Action, qint64> m_timeByAction;
    std::set<QObject*> m_windowsShown;
    std::set<QObject*> m_windowsConfirmed;
    std::array<std::set<int>, 2> m_weaponRowsClicked;
    int m_startWidth = 0;
    int m_objectsAtStart = 0;
    int m_objectsHalfway = 0;
    qint64 m_slowest = 0;
    QString m_slowestAction;
};

// The offscreen platform cannot raise a window or pass size hints on, and says so each
// time. Anything else Qt warns about during the soak is kept, and must not happen.
QtMessageHandler previousMessageHandler = nullptr;
QStringList qtWarnings;

void keepQtWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        qtWarnings << message;
    }
    previousMessageHandler(type, context, message);
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        previousMessageHandler = qInstallMessageHandler(keepQtWarnings);
    }
    void cleanupTestCase() { qInstallMessageHandler(previousMessageHandler); }
    void init() { qtWarnings.clear(); }
    void cleanup() {
        QVERIFY2(qtWarnings.isEmpty(), qPrintable(qtWarnings.join(QLatin1Char('\n'))));
    }

    void randomUserActionsKeepEveryInvariant() {
        const std::uint32_t seed = soakSeed();
        SoakRun run(seed);
        run.run(actionsPerRun);
        qInfo("seed %u\n%s", seed, qPrintable(run.summary()));
        QVERIFY2(run.failure().isEmpty(), qPrintable(run.failure()));

        // The soak reached every corner it is meant to reach.
        for (int action = 0; action < static_cast<int>(Action::Count); ++action) {
            QVERIFY2(run.actionCounts().contains(static_cast<Action>(action)),
                     nameOf(static_cast<Action>(action)));
        }
        QVERIFY2(run.windowsNeverShown().isEmpty(), qPrintable(run.windowsNeverShown().join(' ')));
        QVERIFY2(run.windowsNeverConfirmed().isEmpty(),
                 qPrintable(run.windowsNeverConfirmed().join(' ')));
        for (Fighter fighter : engine::bothFighters) {
            QCOMPARE(run.weaponRowsClicked(fighter).size(), std::size_t{59});
        }
        QVERIFY(run.roundsGenerated() > 100);
        QVERIFY(run.roundsFailed() > 10);
        QVERIFY(run.fightsLost() > 10);
        m_firstHistory = run.history();
    }

    void aSecondRunWithTheSameSeedRepeatsTheFight() {
        if (m_firstHistory.isEmpty()) {
            QSKIP("needs the first soak run");
        }
        SoakRun run(soakSeed());
        run.run(actionsPerRun);
        QVERIFY2(run.failure().isEmpty(), qPrintable(run.failure()));
        const QStringList& second = run.history();
        for (qsizetype i = 0; i < std::min(m_firstHistory.size(), second.size()); ++i) {
            QVERIFY2(m_firstHistory.at(i) == second.at(i),
                     qPrintable(QStringLiteral("entry %1 differs:\n  %2")
                                    .arg(QString::number(i),
                                         whereTheyDiffer(m_firstHistory.at(i), second.at(i)))));
        }
        QCOMPARE(second.size(), m_firstHistory.size());
    }

private:
    QTemporaryDir m_data;
    QStringList m_firstHistory;
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
