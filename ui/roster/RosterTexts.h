#pragma once

#include "toolkit/gui/QtText.h"
#include "ui/panels/FighterTexts.h"

#include <QString>

// Every text of the roster the user reads: its menu, its dialog, its boxes and the reasons
// a roster file cannot be read.
namespace roster::texts {

inline QString menu() {
    return QStringLiteral("Kämpfe&r");
}
// Each item with an Alt key of its own.
inline QString saveItem(int number) {
    return QStringLiteral("Kämpfer &%1 speichern …").arg(number);
}
inline QString loadMenu(int number) {
    return number == 1 ? QStringLiteral("Kämpfer 1 &laden") : QStringLiteral("Kämpfer 2 l&aden");
}
inline QString editItem() {
    return QStringLiteral("Kämpferliste &bearbeiten …");
}
inline QString exportItem() {
    return QStringLiteral("Kämpferliste e&xportieren …");
}
inline QString importItem() {
    return QStringLiteral("Kämpferliste &importieren …");
}
inline QString noFighters() {
    return QStringLiteral("(keine Kämpfer gespeichert)");
}
inline QString unreadableEntry() {
    return QStringLiteral("(Kämpferliste nicht lesbar)");
}

inline QString rosterTitle() {
    return QStringLiteral("Kämpferliste");
}
inline QString editorTitle() {
    return QStringLiteral("Kämpferliste bearbeiten");
}
inline QString newNameCaption() {
    return QStringLiteral("Neuer &Name:");
}
inline QString renameButton() {
    return QStringLiteral("&Umbenennen");
}
inline QString deleteButton() {
    return QStringLiteral("&Löschen …");
}
inline QString closeButton() {
    return QStringLiteral("&Schließen");
}
inline QString fileFilter() {
    return QStringLiteral("Kämpferliste (*.json)");
}
inline QString exportTitle() {
    return QStringLiteral("Kämpferliste exportieren");
}
inline QString importTitle() {
    return QStringLiteral("Kämpferliste importieren");
}
inline QString exportFileName() {
    return QStringLiteral("Kaempferliste.json");
}

// A typed name inside a sentence: isolated, so bidirectional text in it stays inside it.
inline QString shown(const QString& name) {
    return toolkit::isolated(name);
}

// Boxes. The names they get come through shown().
inline QString nameMissing(const QString& fighter) {
    return QStringLiteral("Bitte geben Sie %1 zuerst einen Namen (Feld „Name:“).").arg(fighter);
}
inline QString replaceQuestion(const QString& name) {
    return QStringLiteral("In der Kämpferliste gibt es schon „%1“. Ersetzen?").arg(name);
}
inline QString deleteQuestion(const QString& name) {
    return QStringLiteral("„%1“ aus der Kämpferliste löschen?").arg(name);
}
inline QString nameTaken(const QString& name) {
    return QStringLiteral("In der Kämpferliste gibt es schon „%1“.").arg(name);
}
inline QString invalidNewName() {
    return QStringLiteral("Ein Name darf nicht leer sein und höchstens %1 Zeichen haben.")
        .arg(ui::maximumNameLength);
}
inline QString fighterGone(const QString& name) {
    return QStringLiteral("„%1“ ist nicht mehr in der Kämpferliste.").arg(name);
}
inline QString unreadable(const QString& file, const QString& reason) {
    return QStringLiteral("Die Kämpferliste „%1“ kann nicht gelesen werden: %2\nDas Programm "
                          "arbeitet ohne sie weiter und überschreibt sie nicht.")
        .arg(file, reason);
}
inline QString cannotSave(const QString& file, const QString& reason) {
    return QStringLiteral("Der Kämpfer kann nicht in die Kämpferliste „%1“ gespeichert werden: "
                          "%2\nSoll er stattdessen in eine eigene Datei exportiert werden?")
        .arg(file, reason);
}
inline QString notWritten(const QString& file, const QString& reason) {
    return QStringLiteral("„%1“ konnte nicht geschrieben werden: %2").arg(file, reason);
}
inline QString imported(int count, const QString& file) {
    return QStringLiteral("%1 Kämpfer aus „%2“ in die Kämpferliste übernommen.")
        .arg(count)
        .arg(file);
}
inline QString importFailed(const QString& reason) {
    return QStringLiteral("Die Kämpfer konnten nicht in die Kämpferliste übernommen werden: %1")
        .arg(reason);
}
inline QString importUnreadable(const QString& file, const QString& reason) {
    return QStringLiteral("„%1“ kann nicht importiert werden: %2").arg(file, reason);
}

// Why a roster file cannot be read or written.
inline QString tooLarge() {
    return QStringLiteral("Die Datei ist größer als 1 MiB.");
}
inline QString brokenJson(const QString& detail, qsizetype offset) {
    return QStringLiteral("Kein gültiges JSON (%1 bei Zeichen %2).").arg(detail).arg(offset);
}
inline QString wrongFormat() {
    return QStringLiteral("Die Datei ist keine Kämpferliste dieses Programms.");
}
inline QString newerVersion(int version, int known) {
    return QStringLiteral("Die Kämpferliste hat die Version %1; dieses Programm kennt nur "
                          "Version %2.")
        .arg(version)
        .arg(known);
}
inline QString invalidFighter(qsizetype number, const QString& what) {
    return QStringLiteral("Kämpfer Nr. %1: %2").arg(number).arg(what);
}
inline QString unknownField(const QString& field) {
    return QStringLiteral("unbekanntes Feld „%1“.").arg(field);
}
inline QString missingField(const QString& field) {
    return QStringLiteral("das Feld „%1“ fehlt.").arg(field);
}
inline QString invalidField(const QString& field) {
    return QStringLiteral("das Feld „%1“ ist ungültig.").arg(field);
}
inline QString notAnObject() {
    return QStringLiteral("ist kein JSON-Objekt.");
}
inline QString duplicateName(const QString& name) {
    return QStringLiteral("Der Name „%1“ kommt zweimal vor.").arg(shown(name));
}
inline QString cannotCreateFolder(const QString& folder) {
    return QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(folder);
}
inline QString locked() {
    return QStringLiteral("Die Kämpferliste ist von einem anderen Programm gesperrt.");
}

} // namespace roster::texts
