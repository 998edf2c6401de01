#include "ui/roster/RosterFormat.h"

#include "ui/roster/RosterNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using roster::Fighters;
using roster::RosterProblem;
using roster::StoredArmour;
using roster::StoredFighter;
using roster::StoredWeapon;
using Source = StoredWeapon::Source;

StoredFighter fighter(const QString& name, StoredWeapon weapon, StoredArmour armour, bool fire) {
    StoredFighter stored;
    stored.name = name;
    stored.values = {"15", "15", "10", "10", "70", " 0x1F", "ä&<b>"};
    stored.weapon = weapon;
    stored.armour = armour;
    stored.fireSensitive = fire;
    return stored;
}

// Every kind of weapon and of armour, in one roster.
Fighters everyKind() {
    return {fighter("Thorgrim", {Source::WeaponList, 6, {}},
                    {3, {}, false, StoredArmour::Box::ArmourClass}, false),
            fighter("Ork", {Source::WeaponList, 5, 1}, {{}, 8, true, StoredArmour::Box::Protection},
                    true),
            fighter("Fackel", {Source::Improvised, 17, {}},
                    {6, 2, true, StoredArmour::Box::ArmourClass}, false),
            fighter("Bogen", {Source::Unfamiliar, 27, {}},
                    {2, 8, false, StoredArmour::Box::Protection}, true),
            fighter("\u05e9\u05dc\u05d5\u05dd", {}, {}, false)};
}

QString reasonOf(const QByteArray& bytes) {
    const roster::RosterReading reading = roster::readRoster(bytes);
    const auto* problem = std::get_if<RosterProblem>(&reading);
    return problem == nullptr ? QString() : problem->reason;
}

// The written roster with one fighter's field replaced.
QByteArray withFighterField(const QString& key, const QJsonValue& value) {
    QJsonObject root = QJsonDocument::fromJson(roster::writeRoster({everyKind().front()})).object();
    QJsonArray fighters = root["kaempfer"].toArray();
    QJsonObject first = fighters[0].toObject();
    first[key] = value;
    fighters[0] = first;
    root["kaempfer"] = fighters;
    return QJsonDocument(root).toJson();
}

TEST(RosterFormat, WritesWhatItReadsForEveryKindOfWeaponAndArmour) {
    const QByteArray bytes = roster::writeRoster(everyKind());
    const roster::RosterReading reading = roster::readRoster(bytes);
    ASSERT_TRUE(std::holds_alternative<Fighters>(reading)) << reasonOf(bytes).toStdString();
    EXPECT_EQ(std::get<Fighters>(reading), everyKind());
    EXPECT_TRUE(bytes.contains("\"format\": \"Torvenn-Kaempferliste\""));
    EXPECT_TRUE(bytes.contains("\"version\": 1"));
    EXPECT_TRUE(std::holds_alternative<Fighters>(roster::readRoster(roster::writeRoster({}))));
}

TEST(RosterFormat, RefusesAnyFileThatIsNotExactlyARoster) {
    const QByteArray good = roster::writeRoster(everyKind());
    EXPECT_TRUE(reasonOf("{\"format\": ").startsWith("Kein gültiges JSON"));
    EXPECT_EQ(reasonOf("[]"), "Die Datei ist keine Kämpferliste dieses Programms.");
    EXPECT_EQ(reasonOf(QByteArray(good).replace("Torvenn-Kaempferliste", "Andere")),
              "Die Datei ist keine Kämpferliste dieses Programms.");
    EXPECT_EQ(reasonOf(QByteArray(good).replace("\"version\": 1", "\"version\": 2")),
              "Die Kämpferliste hat die Version 2; dieses Programm kennt nur Version 1.");
    EXPECT_EQ(reasonOf(QByteArray(good).replace("\"version\": 1", "\"version\": 1.5")),
              "Die Datei ist keine Kämpferliste dieses Programms.");
    QByteArray large = good;
    large.append(QByteArray(roster::maximumFileSize, ' '));
    EXPECT_EQ(reasonOf(large), "Die Datei ist größer als 1 MiB.");
    EXPECT_EQ(reasonOf(QByteArray(good).replace("\"Ork\"", "\"Thorgrim\"")),
              "Der Name „Thorgrim“ kommt zweimal vor.");
}

TEST(RosterFormat, RefusesAFighterWithAnUnknownMissingOrInvalidField) {
    const auto weapon = [](const char* list, int row, const char* entry) {
        return QJsonObject{{"liste", list}, {"zeile", row}, {"eintrag", entry}};
    };
    const std::vector<std::pair<QByteArray, QString>> cases{
        {withFighterField("extra", 1), "Kämpfer Nr. 1: unbekanntes Feld „extra“."},
        {withFighterField("name", QString(41, 'x')),
         "Kämpfer Nr. 1: das Feld „name“ ist ungültig."},
        {withFighterField("name", "  "), "Kämpfer Nr. 1: das Feld „name“ ist ungültig."},
        {withFighterField("feuerempfindlich", "ja"),
         "Kämpfer Nr. 1: das Feld „feuerempfindlich“ ist ungültig."},
        {withFighterField("werte", QJsonObject{{"Lebenspunkte", "1"}}),
         "Kämpfer Nr. 1: das Feld „Ausdauerpunkte“ fehlt."},
        // The entry's text must be that of its row: a list that changed is noticed.
        {withFighterField("waffe", weapon("Waffe", 6, "Dolch (1W6-1)")),
         "Kämpfer Nr. 1: das Feld „waffe“ ist ungültig."},
        // Rows that give no weapon, and a weapon with attack modes without its mode.
        {withFighterField("waffe", weapon("Waffe", 58, "Blasrohr (Gift)")),
         "Kämpfer Nr. 1: das Feld „waffe“ ist ungültig."},
        {withFighterField("waffe", weapon("Improvisierte Waffen", 0, "Nahkampwaffen")),
         "Kämpfer Nr. 1: das Feld „waffe“ ist ungültig."},
        {withFighterField("waffe", weapon("Waffe", 5, "Krummsäbel (1W6/1W6+1)")),
         "Kämpfer Nr. 1: das Feld „waffe“ ist ungültig."},
        {withFighterField("waffe", QJsonObject{{"liste", "Waffe"},
                                               {"zeile", 5},
                                               {"eintrag", "Krummsäbel (1W6/1W6+1)"},
                                               {"angriffsart", 2}}),
         "Kämpfer Nr. 1: das Feld „waffe“ ist ungültig."},
        {withFighterField("ruestung", QJsonObject{{"Rüstklasse", QJsonValue()},
                                                  {"Rüstungsschutz", "11"},
                                                  {"altenativ", false},
                                                  {"gewaehlt", QJsonValue()}}),
         "Kämpfer Nr. 1: das Feld „Rüstungsschutz“ ist ungültig."},
        {withFighterField("ruestung", QJsonObject{{"Rüstklasse", QJsonValue()},
                                                  {"Rüstungsschutz", "3"},
                                                  {"altenativ", false},
                                                  {"gewaehlt", "Rüstklasse"}}),
         "Kämpfer Nr. 1: das Feld „gewaehlt“ ist ungültig."},
    };
    for (const auto& [bytes, reason] : cases) {
        EXPECT_EQ(reasonOf(bytes), reason) << bytes.toStdString();
    }
}

TEST(RosterNames, ImportedNamesGetANumberWithinTheLengthOfAName) {
    Fighters fighters = everyKind();
    EXPECT_EQ(roster::unusedName("Neu", fighters), "Neu");
    EXPECT_EQ(roster::unusedName("Ork", fighters), "Ork (2)");
    fighters.push_back(fighter("Ork (2)", {}, {}, false));
    EXPECT_EQ(roster::unusedName("Ork", fighters), "Ork (3)");
    const QString longest(40, QLatin1Char('a'));
    fighters.push_back(fighter(longest, {}, {}, false));
    EXPECT_EQ(roster::unusedName(longest, fighters), QString(36, QLatin1Char('a')) + " (2)");
}

TEST(RosterNames, SortsAsGermanReadersExpect) {
    Fighters fighters;
    for (const char* name : {"Zorn", "Öl", "orc", "Ähm", "Adler", "Ork 10", "Ork 9"}) {
        fighters.push_back(fighter(QString::fromUtf8(name), {}, {}, false));
    }
    EXPECT_EQ(roster::sortedNames(fighters),
              QStringList({"Adler", "Ähm", "Öl", "orc", "Ork 9", "Ork 10", "Zorn"}));
}

} // namespace
