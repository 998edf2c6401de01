#include "ui/roster/RosterFile.h"

#include "ui/roster/RosterNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using roster::Fighters;
using roster::RosterFile;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(RosterFile, TwoProgramsSavingAtOnceKeepEveryFighter) {
    QTemporaryDir folder;
    const QString path = folder.filePath("sub/kaempferliste.json");
    const QString writer = QCoreApplication::applicationDirPath() + "/roster_writer";
    constexpr int saves = 40;
    QProcess first;
    QProcess second;
    first.start(writer, {path, "Ork", QString::number(saves)});
    second.start(writer, {path, "Elf", QString::number(saves)});
    ASSERT_TRUE(first.waitForFinished(60'000));
    ASSERT_TRUE(second.waitForFinished(60'000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    const roster::RosterReading reading = RosterFile(path).read();
    ASSERT_TRUE(std::holds_alternative<Fighters>(reading));
    const Fighters& fighters = std::get<Fighters>(reading);
    EXPECT_EQ(fighters.size(), std::size_t{2 * saves});
    for (int number = 1; number <= saves; ++number) {
        EXPECT_NE(roster::findFighter(fighters, QString("Ork %1").arg(number)), nullptr);
        EXPECT_NE(roster::findFighter(fighters, QString("Elf %1").arg(number)), nullptr);
    }
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

TEST(RosterFile, AFileItCannotReadIsNeverOverwritten) {
    QTemporaryDir folder;
    const QString path = folder.filePath("kaempferliste.json");
    const RosterFile file(path);
    EXPECT_TRUE(std::holds_alternative<Fighters>(file.read())); // none yet: empty
    writeFile(path, "{ kaputt");
    bool changed = false;
    const auto problem = file.update([&](Fighters&) {
        changed = true;
        return RosterFile::Change::Write;
    });
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->startsWith("Kein gültiges JSON")) << problem->toStdString();
    EXPECT_FALSE(changed);
    EXPECT_EQ(contentOf(path), "{ kaputt");
}

TEST(RosterFile, AStaleLockOfAGoneProgramDoesNotBlock) {
    QTemporaryDir folder;
    const QString path = folder.filePath("kaempferliste.json");
    // A lock file as a crashed program leaves it: a process id that no longer runs.
    writeFile(path + ".lock",
              "999999999\nroster_writer\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    const auto problem =
        RosterFile(path).update([](Fighters&) { return RosterFile::Change::Write; });
    EXPECT_FALSE(problem.has_value()) << problem.value_or(QString()).toStdString();
    EXPECT_TRUE(std::holds_alternative<Fighters>(RosterFile(path).read()));
}

TEST(RosterFile, AWriteThatFailsLeavesNothingBehind) {
    QTemporaryDir folder;
    // A folder where the file should be: nothing can be written in its place.
    const QString path = folder.filePath("besetzt");
    ASSERT_TRUE(QDir(folder.path()).mkdir("besetzt"));
    EXPECT_TRUE(roster::writeWholeFile(path, "{}").has_value());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(RosterFile, LivesInTheUsersDataFolder) {
    QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    EXPECT_EQ(RosterFile::defaultPath(),
              folder.path() + "/" + QCoreApplication::applicationName() + "/kaempferliste.json");
    qunsetenv("XDG_DATA_HOME");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
