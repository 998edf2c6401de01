#pragma once

#include "StoredFighter.h"
#include "ui/panels/FighterTexts.h"

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

namespace roster {

// The roster file: one JSON object naming its format and version, with the fighters.
inline constexpr char formatName[] = "Torvenn-Kaempferliste";
inline constexpr int formatVersion = 1;
// A roster is a few kilobytes; anything larger is no roster of this program.
inline constexpr qsizetype maximumFileSize = 1024 * 1024;
// As the name field takes it.
inline constexpr int maximumNameLength = ui::maximumNameLength;
// As a field takes it (a line edit's own limit).
inline constexpr int maximumValueLength = 32767;

using Fighters = std::vector<StoredFighter>;

// Why a roster could not be read, in words for the user.
struct RosterProblem {
    QString reason;
};

using RosterReading = std::variant<Fighters, RosterProblem>;

// Reads and checks a whole roster. Anything that is not exactly what writeRoster writes
// (an unknown or missing field, an entry that is no entry of its list, two fighters of
// one name) makes the whole file unreadable, so that nothing in it is silently dropped.
RosterReading readRoster(const QByteArray& bytes);

QByteArray writeRoster(const Fighters& fighters);

// A name as a fighter can carry it: not blank, at most maximumNameLength characters.
bool isValidName(const QString& name);

} // namespace roster
