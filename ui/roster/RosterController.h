#pragma once

#include "RosterFile.h"
#include "RosterWorkplace.h"
#include "engine/Fighter.h"

#include <QObject>
#include <QString>
#include <optional>

namespace roster {

class RosterEditor;

// What the menu "Kämpfer" does. It touches the roster file only when a roster command
// runs or a load menu opens, so a user who never uses it gets a program without files.
class RosterController : public QObject {
    Q_OBJECT
public:
    RosterController(RosterWorkplace workplace, RosterFile file);
    ~RosterController() override;

    const RosterFile& file() const { return m_file; }

    // "Kämpfer 1 speichern …" and "Kämpfer 2 speichern …".
    void saveFighter(engine::Fighter fighter);
    // An entry of "Kämpfer 1 laden" or "Kämpfer 2 laden".
    void loadFighter(engine::Fighter fighter, const QString& name);
    // Fills a load menu with the roster's names as it opens.
    void fillLoadMenu(engine::Fighter fighter);
    void editRoster();
    void exportRoster();
    void importRoster();

    // The dialog of "Kämpferliste bearbeiten …", once opened.
    RosterEditor* editor() const { return m_editor; }

private:
    // The roster's fighters, or none after the one error box of an unreadable file.
    std::optional<Fighters> readRoster();
    void reportUnreadable(const QString& reason);
    void exportFighters(const Fighters& fighters, const QString& suggestedName);
    void renameFighter(const QString& name, const QString& newName);
    void deleteFighter(const QString& name);
    void refreshEditor();

    RosterWorkplace m_workplace;
    RosterFile m_file;
    RosterEditor* m_editor = nullptr;
    // The reason last shown for an unreadable file, so that it is told once.
    QString m_reportedProblem;
};

} // namespace roster
