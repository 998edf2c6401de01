#pragma once

#include <QList>
#include <QString>

namespace ui::help {

// A key or key combination and what it does in the main window.
struct KeyHelp {
    QString keys;    // "Strg+N" or "F5 oder Strg+R"
    QString meaning; // "Datei › Neu: Kampf 1 gegen 1"
};

// One part of the help, reached from the contents at its top through its anchor.
struct HelpSection {
    QString anchor;
    QString title;
};

// The parts of "Regeln und Bedienung" in the order they come.
QList<HelpSection> helpSections();

// The whole of "Regeln und Bedienung" as rich text: the contents, then each part. The
// tables of damage codes and armour come from the rules' own tables; windowKeys are the
// main window's shortcuts as its commands carry them.
QString helpDocument(const QList<KeyHelp>& windowKeys);

} // namespace ui::help
