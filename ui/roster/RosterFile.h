#pragma once

#include "RosterFormat.h"

#include <QString>
#include <functional>
#include <optional>

namespace roster {

// The roster file in the user's data folder. Every change re-reads the file under a lock
// and writes it whole through a save file, so two programs saving at once each keep the
// other's fighters, and a failed write leaves the file as it was.
class RosterFile {
public:
    explicit RosterFile(QString path) : m_path(std::move(path)) {}

    // In QStandardPaths::AppDataLocation.
    static QString defaultPath();

    const QString& path() const { return m_path; }

    // A file that does not exist yet is an empty roster.
    RosterReading read() const;

    // What a change does with the fighters it is handed: write them back, or leave the
    // file alone.
    enum class Change { Write, Keep };
    using Changer = std::function<Change(Fighters&)>;
    // Locks, re-reads, lets change work on the fighters and writes them back. The reason
    // when the file cannot be read (it is then left alone) or written; none on success.
    std::optional<QString> update(const Changer& change) const;

private:
    QString m_path;
};

// Reads any roster file, as import does: the same limits and checks.
RosterReading readRosterFile(const QString& path);

// Writes bytes whole or not at all. The reason of a failure, none on success.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace roster
