// Saves count fighters named "<prefix> <n>" one by one into the roster at path, each save
// on its own, as a program does that a user keeps saving in. Run twice at once by the test.
#include "ui/roster/RosterFile.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: roster_writer PATH PREFIX COUNT\n");
        return 2;
    }
    const roster::RosterFile file(arguments[1]);
    const int count = arguments[3].toInt();
    for (int number = 1; number <= count; ++number) {
        roster::StoredFighter fighter;
        fighter.name = QStringLiteral("%1 %2").arg(arguments[2]).arg(number);
        const auto problem = file.update([&](roster::Fighters& fighters) {
            fighters.push_back(fighter);
            return roster::RosterFile::Change::Write;
        });
        if (problem) {
            std::fprintf(stderr, "%s\n", qPrintable(*problem));
            return 1;
        }
    }
    return 0;
}
