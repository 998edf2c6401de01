#pragma once

namespace ui {

// The texts of the "Hilfe" menu, each shown in a box with its caption.
struct HelpText {
    const char* caption;
    const char* text;
};

inline constexpr HelpText defectList{
    "Eine kleine Fehlerauflistung des Kampfgenerators",
    "Hier finden sie eine 'kleine' Fehlerauflistung des Kampfgenerators:\n\n-Beim "
    "Kampfgenerator funktionieren derzeit einige Waffen noch nicht, oder noch nicht komplett. "
    "Dies sind im Einzelnen: Faustkampf, Garotte, Kampfstab, NunChaku, Ogerhammer, Peitsche "
    "und Waffenloser Kampf, sowie alle Fesselwaffen. Weiterhin kennt der Kampfgeneratot noch "
    "keine Verteidigungswaffen.\n-Der Kampfgenerator arbeitet derzeit noch nicht mit "
    "Positionen. Das heißt, dass jeder Kämpfer trifft, falls der Erfolgswurf glückte, ganz "
    "egal wie weit die Kämpfer von einander entfernt sind."};

inline constexpr HelpText changeList{
    "Änderungen gegenüber Version 1.0",
    "Gegenüber der Verson 1.0 wurde folgendes verändert:\n\nDer Kampfgenerator kann jetzt auch "
    "mit Improvisierten und Unvertrauten Waffen umgehen, und es wurden einige "
    "Platzierungsfehler behoben. Außerdem kann man jetzt den Anderthalbhänder und das "
    "Schlachtbeil nur noch mit genügend Stärkepunkten einsetzen.\n\nWeiterhin wurden eine "
    "Menge Rechenfehler behoben, so dass der Generator in seinen jetzigen Modi keine Fehler "
    "mehr machen dürfte."};

inline constexpr HelpText copyrightNotice{
    "Copyrightvermerk",
    "Torvenn Kampfgenerator Version " TORVENN_VERSION "\n\n"
    "Copyright © die Entwickler des Torvenn Kampfgenerators.\n\n"
    "Dieses Programm ist ein Hilfsmittel für Spielleiter des Rollenspiels Torvenn. Es darf "
    "frei verwendet und weitergegeben werden, solange dieser Vermerk erhalten bleibt. Das "
    "Programm wird ohne jede Gewähr bereitgestellt; für Schäden, die aus seiner Benutzung "
    "entstehen, wird keine Haftung übernommen."};

} // namespace ui
