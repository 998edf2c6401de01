#include "RosterFile.h"

#include "RosterTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace roster {

namespace {

// Another program holds the lock for one write, a few milliseconds. A lock left by a
// crashed program is taken over: at once where its process is seen to be gone, otherwise
// once it is this old.
constexpr int lockWaitMilliseconds = 10'000;
constexpr int staleLockMilliseconds = 30'000;

} // namespace

QString RosterFile::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/kaempferliste.json");
}

RosterReading readRosterFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return RosterProblem{file.errorString()};
    }
    // One byte more than allowed tells a file that is too large without reading all of it.
    const QByteArray bytes = file.read(maximumFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return RosterProblem{file.errorString()};
    }
    return readRoster(bytes);
}

RosterReading RosterFile::read() const {
    if (!QFileInfo::exists(m_path)) {
        return Fighters{};
    }
    return readRosterFile(m_path);
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // A buffered save file would commit even after its last flush failed, a full disk
    // say: every step is checked before the file replaces the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> RosterFile::update(const Changer& change) const {
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        return texts::cannotCreateFolder(QDir::toNativeSeparators(info.absolutePath()));
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(staleLockMilliseconds);
    if (!lock.tryLock(lockWaitMilliseconds)) {
        return texts::locked();
    }
    RosterReading reading = read();
    if (const auto* problem = std::get_if<RosterProblem>(&reading)) {
        return problem->reason;
    }
    Fighters& fighters = std::get<Fighters>(reading);
    if (change(fighters) == Change::Keep) {
        return std::nullopt;
    }
    return writeWholeFile(m_path, writeRoster(fighters));
}

} // namespace roster
