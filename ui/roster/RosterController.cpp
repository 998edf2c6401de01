#include "RosterController.h"

#include "FighterSnapshot.h"
#include "RosterEditor.h"
#include "RosterMenuItems.h"
#include "RosterNames.h"
#include "RosterTexts.h"
#include "engine/SharedTexts.h"
#include "toolkit/gui/Guarded.h"
#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/OpenFileDialog.h"
#include "toolkit/gui/QuestionBox.h"
#include "toolkit/gui/SaveFileDialog.h"
#include "ui/panels/FighterPanel.h"
#include "ui/panels/FighterTexts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>

namespace roster {

namespace {

using engine::Fighter;

void showError(const QString& text) {
    toolkit::showMessageBox(text, toolkit::toQString(engine::errorTitle));
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A menu entry shows "&" as it is, not as the mark of an Alt key.
QString menuText(const QString& name) {
    return QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

RosterController::RosterController(RosterWorkplace workplace, RosterFile file)
    : m_workplace(std::move(workplace)), m_file(std::move(file)) {
    const RosterMenuItems& items = *m_workplace.menuItems;
    const auto connectItem = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this,
                [this, handler] { toolkit::guarded([this, handler] { handler(*this); }); });
    };
    for (const Fighter fighter : engine::bothFighters) {
        const std::size_t index = engine::indexOf(fighter);
        connectItem(items.save[index],
                    [fighter](RosterController& self) { self.saveFighter(fighter); });
        connect(items.load[index], &QMenu::aboutToShow, this,
                [this, fighter] { toolkit::guarded([&] { fillLoadMenu(fighter); }); });
    }
    connectItem(items.edit, [](RosterController& self) { self.editRoster(); });
    connectItem(items.exportRoster, [](RosterController& self) { self.exportRoster(); });
    connectItem(items.importRoster, [](RosterController& self) { self.importRoster(); });
}

RosterController::~RosterController() = default;

void RosterController::reportUnreadable(const QString& reason) {
    if (reason == m_reportedProblem) {
        return;
    }
    m_reportedProblem = reason;
    // A box must not open under a menu that is still open.
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    showError(texts::unreadable(nativePath(m_file.path()), reason));
}

std::optional<Fighters> RosterController::readRoster() {
    RosterReading reading = m_file.read();
    if (const auto* problem = std::get_if<RosterProblem>(&reading)) {
        reportUnreadable(problem->reason);
        return std::nullopt;
    }
    m_reportedProblem.clear();
    return std::get<Fighters>(std::move(reading));
}

void RosterController::fillLoadMenu(Fighter fighter) {
    QMenu* menu = m_workplace.menuItems->load[engine::indexOf(fighter)];
    menu->clear();
    const std::optional<Fighters> fighters = readRoster();
    if (!fighters || fighters->empty()) {
        menu->addAction(fighters ? texts::noFighters() : texts::unreadableEntry())
            ->setEnabled(false);
        return;
    }
    for (const QString& name : sortedNames(*fighters)) {
        QAction* entry = menu->addAction(menuText(name));
        connect(entry, &QAction::triggered, this,
                [this, fighter, name] { toolkit::guarded([&] { loadFighter(fighter, name); }); });
    }
}

void RosterController::loadFighter(Fighter fighter, const QString& name) {
    const std::optional<Fighters> fighters = readRoster();
    if (!fighters) {
        return;
    }
    const StoredFighter* stored = findFighter(*fighters, name);
    if (stored == nullptr) {
        showError(texts::fighterGone(texts::shown(name)));
        return;
    }
    enterFighter(*stored, m_workplace, fighter);
}

void RosterController::saveFighter(Fighter fighter) {
    ui::FighterPanel& panel = m_workplace.panel(fighter);
    const StoredFighter stored = captureFighter(m_workplace, fighter);
    if (!isValidName(stored.name)) {
        showError(texts::nameMissing(ui::fighterText(fighter)));
        panel.nameEdit->setFocus();
        return;
    }
    // The question is asked outside the lock, so that another program never waits on a
    // user; the write checks again, in case the name came in meanwhile.
    bool replace = false;
    for (;;) {
        bool mustAsk = false;
        const std::optional<QString> problem = m_file.update([&](Fighters& fighters) {
            StoredFighter* existing = findFighter(fighters, stored.name);
            if (existing != nullptr && !replace) {
                mustAsk = true;
                return RosterFile::Change::Keep;
            }
            if (existing != nullptr) {
                *existing = stored;
            } else {
                fighters.push_back(stored);
            }
            return RosterFile::Change::Write;
        });
        if (problem) {
            if (toolkit::askYesNo(texts::cannotSave(nativePath(m_file.path()), *problem),
                                  toolkit::toQString(engine::errorTitle))) {
                exportFighters({stored}, stored.name + QStringLiteral(".json"));
            }
            return;
        }
        if (!mustAsk) {
            refreshEditor();
            return;
        }
        if (!toolkit::askYesNo(texts::replaceQuestion(texts::shown(stored.name)),
                               texts::rosterTitle())) {
            return;
        }
        replace = true;
    }
}

void RosterController::exportFighters(const Fighters& fighters, const QString& suggestedName) {
    const QString path = toolkit::chooseFileToSave(m_workplace.mainWindow, texts::exportTitle(),
                                                   suggestedName, texts::fileFilter());
    if (path.isEmpty()) {
        return;
    }
    if (const std::optional<QString> problem = writeWholeFile(path, writeRoster(fighters))) {
        showError(texts::notWritten(nativePath(path), *problem));
    }
}

void RosterController::exportRoster() {
    if (const std::optional<Fighters> fighters = readRoster()) {
        exportFighters(*fighters, texts::exportFileName());
    }
}

void RosterController::importRoster() {
    const QString path = toolkit::chooseFileToOpen(m_workplace.mainWindow, texts::importTitle(),
                                                   texts::fileFilter());
    if (path.isEmpty()) {
        return;
    }
    RosterReading reading = readRosterFile(path);
    if (const auto* problem = std::get_if<RosterProblem>(&reading)) {
        showError(texts::importUnreadable(nativePath(path), problem->reason));
        return;
    }
    const Fighters& imported = std::get<Fighters>(reading);
    const std::optional<QString> problem = m_file.update([&](Fighters& fighters) {
        for (StoredFighter fighter : imported) {
            fighter.name = unusedName(fighter.name, fighters);
            fighters.push_back(std::move(fighter));
        }
        return RosterFile::Change::Write;
    });
    if (problem) {
        showError(texts::importFailed(*problem));
        return;
    }
    refreshEditor();
    toolkit::showMessageBox(texts::imported(static_cast<int>(imported.size()), nativePath(path)),
                            texts::rosterTitle());
}

void RosterController::editRoster() {
    const std::optional<Fighters> fighters = readRoster();
    if (!fighters) {
        return;
    }
    if (m_editor == nullptr) {
        m_editor = new RosterEditor(m_workplace.mainWindow);
        connect(m_editor, &RosterEditor::renameRequested, this, &RosterController::renameFighter);
        connect(m_editor, &RosterEditor::deleteRequested, this, &RosterController::deleteFighter);
    }
    m_editor->setNames(sortedNames(*fighters));
    m_editor->open();
}

void RosterController::refreshEditor() {
    if (m_editor == nullptr || !m_editor->isVisible()) {
        return;
    }
    if (const std::optional<Fighters> fighters = readRoster()) {
        m_editor->setNames(sortedNames(*fighters));
    }
}

void RosterController::renameFighter(const QString& name, const QString& newName) {
    const QString wanted = newName.trimmed();
    if (!isValidName(wanted)) {
        showError(texts::invalidNewName());
        return;
    }
    bool taken = false;
    bool gone = false;
    const std::optional<QString> problem = m_file.update([&](Fighters& fighters) {
        StoredFighter* fighter = findFighter(fighters, name);
        taken = findFighter(fighters, wanted) != nullptr;
        gone = fighter == nullptr;
        if (taken || gone) {
            return RosterFile::Change::Keep;
        }
        fighter->name = wanted;
        return RosterFile::Change::Write;
    });
    if (problem) {
        showError(texts::notWritten(nativePath(m_file.path()), *problem));
    } else if (gone) {
        showError(texts::fighterGone(texts::shown(name)));
    } else if (taken) {
        showError(texts::nameTaken(texts::shown(wanted)));
    }
    refreshEditor();
}

void RosterController::deleteFighter(const QString& name) {
    if (!toolkit::askYesNo(texts::deleteQuestion(texts::shown(name)), texts::rosterTitle())) {
        return;
    }
    const std::optional<QString> problem = m_file.update([&](Fighters& fighters) {
        const auto kept = std::remove_if(fighters.begin(), fighters.end(),
                                         [&](const StoredFighter& f) { return f.name == name; });
        fighters.erase(kept, fighters.end());
        return RosterFile::Change::Write;
    });
    if (problem) {
        showError(texts::notWritten(nativePath(m_file.path()), *problem));
    }
    refreshEditor();
}

} // namespace roster
