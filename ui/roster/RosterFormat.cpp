#include "RosterFormat.h"

#include "RosterTexts.h"
#include "weapons/Armour.h"
#include "weapons/AttackModes.h"
#include "weapons/UntrainedWeapons.h"
#include "weapons/WeaponCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <span>
#include <string_view>

namespace roster {

namespace {

// The keys of a stored fighter and of its parts.
const QString nameKey = QStringLiteral("name");
const QString valuesKey = QStringLiteral("werte");
const QString weaponKey = QStringLiteral("waffe");
const QString armourKey = QStringLiteral("ruestung");
const QString fireKey = QStringLiteral("feuerempfindlich");
const QString listKey = QStringLiteral("liste");
const QString rowKey = QStringLiteral("zeile");
const QString entryKey = QStringLiteral("eintrag");
const QString modeKey = QStringLiteral("angriffsart");
const QString alternativeKey = QStringLiteral("altenativ");
const QString chosenInKey = QStringLiteral("gewaehlt");
const QString weaponListName = QStringLiteral("Waffe");

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A value row's key is its caption without the colon: "Lebenspunkte".
QString valueKey(std::size_t row) {
    return QString::fromUtf8(ui::valueRows[row].caption).chopped(1);
}

QString sourceName(StoredWeapon::Source source) {
    switch (source) {
    case StoredWeapon::Source::WeaponList:
        return weaponListName;
    case StoredWeapon::Source::Improvised:
        return qText(weapons::improvisedWeaponList.name);
    case StoredWeapon::Source::Unfamiliar:
        return qText(weapons::unfamiliarWeaponList.name);
    case StoredWeapon::Source::None:
        break;
    }
    return {};
}

QString boxName(StoredArmour::Box box) {
    return qText(box == StoredArmour::Box::ArmourClass ? weapons::armourClassTitle
                                                       : weapons::protectionValueTitle);
}

std::string_view entryText(StoredWeapon::Source source, int row) {
    const auto at = [row](auto table) -> std::string_view {
        return row >= 0 && static_cast<std::size_t>(row) < table.size()
                   ? table[static_cast<std::size_t>(row)].listText
                   : std::string_view{};
    };
    switch (source) {
    case StoredWeapon::Source::WeaponList:
        return at(std::span(weapons::weaponCatalogue));
    case StoredWeapon::Source::Improvised:
        return at(std::span(weapons::improvisedWeaponTable));
    case StoredWeapon::Source::Unfamiliar:
        return at(std::span(weapons::unfamiliarWeaponTable));
    case StoredWeapon::Source::None:
        break;
    }
    return {};
}

// The modes of a weapon-list row that opens an attack-mode window; empty for other rows.
std::span<const weapons::AttackModeOption> modesOfRow(int row) {
    const auto& outcome = weapons::weaponCatalogue[static_cast<std::size_t>(row)].outcome;
    if (const auto* open = std::get_if<weapons::OpenAttackModeWindow>(&outcome)) {
        return weapons::attackModeWeaponData(open->weapon).modes;
    }
    return {};
}

// Whether the weapon is one a user can have chosen: a row that gives a weapon, with a
// mode exactly where the row opens an attack-mode window.
bool isChoosable(const StoredWeapon& weapon) {
    using Source = StoredWeapon::Source;
    if (weapon.source == Source::None || entryText(weapon.source, weapon.row).empty()) {
        return false;
    }
    if (weapon.source == Source::WeaponList) {
        const auto& outcome =
            weapons::weaponCatalogue[static_cast<std::size_t>(weapon.row)].outcome;
        const auto modes = modesOfRow(weapon.row);
        if (!modes.empty()) {
            return weapon.mode && *weapon.mode >= 0 &&
                   static_cast<std::size_t>(*weapon.mode) < modes.size();
        }
        return !weapon.mode && std::holds_alternative<weapons::SetDamageCode>(outcome);
    }
    const auto& table =
        weapon.source == Source::Improvised
            ? std::span<const weapons::UntrainedWeaponEntry>(weapons::improvisedWeaponTable)
            : std::span<const weapons::UntrainedWeaponEntry>(weapons::unfamiliarWeaponTable);
    const auto kind = table[static_cast<std::size_t>(weapon.row)].kind;
    return !weapon.mode && (kind == weapons::UntrainedEntryKind::Weapon ||
                            kind == weapons::UntrainedEntryKind::Brawling);
}

// Reading one fighter; the first problem found is kept.
class FighterReader {
public:
    explicit FighterReader(qsizetype number) : m_number(number) {}

    std::optional<StoredFighter> read(const QJsonValue& value) {
        StoredFighter fighter;
        const QJsonObject object = value.toObject();
        if (!value.isObject()) {
            fail(texts::notAnObject());
            return std::nullopt;
        }
        if (!hasExactly(object, {nameKey, valuesKey, weaponKey, armourKey, fireKey})) {
            return std::nullopt;
        }
        fighter.name = object[nameKey].toString();
        if (!object[nameKey].isString() || !isValidName(fighter.name)) {
            fail(texts::invalidField(nameKey));
            return std::nullopt;
        }
        if (!readValues(object[valuesKey], fighter) || !readWeapon(object[weaponKey], fighter) ||
            !readArmour(object[armourKey], fighter)) {
            return std::nullopt;
        }
        if (!object[fireKey].isBool()) {
            fail(texts::invalidField(fireKey));
            return std::nullopt;
        }
        fighter.fireSensitive = object[fireKey].toBool();
        return fighter;
    }

    QString problem() const { return texts::invalidFighter(m_number, m_problem); }

private:
    bool fail(const QString& what) {
        if (m_problem.isEmpty()) {
            m_problem = what;
        }
        return false;
    }

    bool hasExactly(const QJsonObject& object, std::initializer_list<QString> keys) {
        for (const QString& key : object.keys()) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
                return fail(texts::unknownField(key));
            }
        }
        for (const QString& key : keys) {
            if (!object.contains(key)) {
                return fail(texts::missingField(key));
            }
        }
        return true;
    }

    bool readValues(const QJsonValue& value, StoredFighter& fighter) {
        const QJsonObject values = value.toObject();
        if (!value.isObject()) {
            return fail(texts::invalidField(valuesKey));
        }
        QStringList keys;
        for (std::size_t row = 0; row < ui::valueRowCount; ++row) {
            keys << valueKey(row);
        }
        for (const QString& key : values.keys()) {
            if (!keys.contains(key)) {
                return fail(texts::unknownField(key));
            }
        }
        for (std::size_t row = 0; row < ui::valueRowCount; ++row) {
            const QJsonValue text = values[keys[static_cast<qsizetype>(row)]];
            if (text.isUndefined()) {
                return fail(texts::missingField(keys[static_cast<qsizetype>(row)]));
            }
            if (!text.isString() || text.toString().size() > maximumValueLength) {
                return fail(texts::invalidField(keys[static_cast<qsizetype>(row)]));
            }
            fighter.values[row] = text.toString();
        }
        return true;
    }

    bool readWeapon(const QJsonValue& value, StoredFighter& fighter) {
        if (value.isNull()) {
            return true;
        }
        const QJsonObject object = value.toObject();
        const bool withMode = object.contains(modeKey);
        if (!value.isObject() ||
            !(withMode ? hasExactly(object, {listKey, rowKey, entryKey, modeKey})
                       : hasExactly(object, {listKey, rowKey, entryKey}))) {
            return fail(texts::invalidField(weaponKey));
        }
        StoredWeapon weapon;
        for (const auto source :
             {StoredWeapon::Source::WeaponList, StoredWeapon::Source::Improvised,
              StoredWeapon::Source::Unfamiliar}) {
            if (object[listKey] == sourceName(source)) {
                weapon.source = source;
            }
        }
        const QJsonValue row = object[rowKey];
        if (!isWholeNumber(row)) {
            return fail(texts::invalidField(rowKey));
        }
        weapon.row = row.toInt();
        if (withMode) {
            if (!isWholeNumber(object[modeKey])) {
                return fail(texts::invalidField(modeKey));
            }
            weapon.mode = object[modeKey].toInt();
        }
        // The entry's text guards against a list that has changed since the file was written.
        if (!isChoosable(weapon) ||
            object[entryKey] != qText(entryText(weapon.source, weapon.row))) {
            return fail(texts::invalidField(weaponKey));
        }
        fighter.weapon = weapon;
        return true;
    }

    static bool isWholeNumber(const QJsonValue& value) {
        return value.isDouble() && value.toDouble() >= 0 && value.toDouble() <= 1000 &&
               value.toDouble() == static_cast<double>(value.toInt());
    }

    // An entry of a drop-down by its text, or null for none.
    template <std::size_t N>
    bool readEntry(const QJsonValue& value, const std::array<std::string_view, N>& entries,
                   std::optional<int>& entry, const QString& key) {
        if (value.isNull()) {
            return true;
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (value == qText(entries[i])) {
                entry = static_cast<int>(i);
                return true;
            }
        }
        return fail(texts::invalidField(key));
    }

    bool readArmour(const QJsonValue& value, StoredFighter& fighter) {
        const QString classKey = boxName(StoredArmour::Box::ArmourClass);
        const QString protectionKey = boxName(StoredArmour::Box::Protection);
        const QJsonObject object = value.toObject();
        if (!value.isObject()) {
            return fail(texts::invalidField(armourKey));
        }
        if (!hasExactly(object, {classKey, protectionKey, alternativeKey, chosenInKey})) {
            return false;
        }
        StoredArmour& armour = fighter.armour;
        if (!readEntry(object[classKey], weapons::armourClassEntries, armour.armourClass,
                       classKey) ||
            !readEntry(object[protectionKey], weapons::protectionValueEntries, armour.protection,
                       protectionKey)) {
            return false;
        }
        if (!object[alternativeKey].isBool()) {
            return fail(texts::invalidField(alternativeKey));
        }
        armour.alternative = object[alternativeKey].toBool();
        const QJsonValue chosenIn = object[chosenInKey];
        if (chosenIn == classKey && armour.armourClass) {
            armour.chosenIn = StoredArmour::Box::ArmourClass;
        } else if (chosenIn == protectionKey && armour.protection) {
            armour.chosenIn = StoredArmour::Box::Protection;
        } else if (!chosenIn.isNull()) {
            return fail(texts::invalidField(chosenInKey));
        }
        return true;
    }

    qsizetype m_number;
    QString m_problem;
};

QJsonValue entryOrNull(const std::optional<int>& entry, auto entries) {
    return entry ? QJsonValue(qText(entries[static_cast<std::size_t>(*entry)])) : QJsonValue();
}

QJsonObject fighterObject(const StoredFighter& fighter) {
    QJsonObject values;
    for (std::size_t row = 0; row < ui::valueRowCount; ++row) {
        values[valueKey(row)] = fighter.values[row];
    }
    QJsonValue weapon;
    if (fighter.weapon.source != StoredWeapon::Source::None) {
        QJsonObject object{{listKey, sourceName(fighter.weapon.source)},
                           {rowKey, fighter.weapon.row},
                           {entryKey, qText(entryText(fighter.weapon.source, fighter.weapon.row))}};
        if (fighter.weapon.mode) {
            object[modeKey] = *fighter.weapon.mode;
        }
        weapon = object;
    }
    const StoredArmour& armour = fighter.armour;
    const QJsonObject armourObject{
        {boxName(StoredArmour::Box::ArmourClass),
         entryOrNull(armour.armourClass, weapons::armourClassEntries)},
        {boxName(StoredArmour::Box::Protection),
         entryOrNull(armour.protection, weapons::protectionValueEntries)},
        {alternativeKey, armour.alternative},
        {chosenInKey,
         armour.chosenIn == StoredArmour::Box::None ? QJsonValue() : boxName(armour.chosenIn)}};
    return {{nameKey, fighter.name},
            {valuesKey, values},
            {weaponKey, weapon},
            {armourKey, armourObject},
            {fireKey, fighter.fireSensitive}};
}

const QString formatKey = QStringLiteral("format");
const QString versionKey = QStringLiteral("version");
const QString fightersKey = QStringLiteral("kaempfer");

} // namespace

bool isValidName(const QString& name) {
    return !name.trimmed().isEmpty() && name.size() <= maximumNameLength;
}

RosterReading readRoster(const QByteArray& bytes) {
    if (bytes.size() > maximumFileSize) {
        return RosterProblem{texts::tooLarge()};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return RosterProblem{texts::brokenJson(error.errorString(), error.offset)};
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root[formatKey] != QLatin1String(formatName)) {
        return RosterProblem{texts::wrongFormat()};
    }
    const QJsonValue version = root[versionKey];
    if (!version.isDouble() || version.toDouble() != static_cast<double>(version.toInt()) ||
        version.toInt() < 1) {
        return RosterProblem{texts::wrongFormat()};
    }
    if (version.toInt() > formatVersion) {
        return RosterProblem{texts::newerVersion(version.toInt(), formatVersion)};
    }
    if (root.size() != 3 || !root[fightersKey].isArray()) {
        return RosterProblem{texts::wrongFormat()};
    }
    Fighters fighters;
    QSet<QString> names;
    const QJsonArray list = root[fightersKey].toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        FighterReader reader(i + 1);
        std::optional<StoredFighter> fighter = reader.read(list[i]);
        if (!fighter) {
            return RosterProblem{reader.problem()};
        }
        if (names.contains(fighter->name)) {
            return RosterProblem{texts::duplicateName(fighter->name)};
        }
        names.insert(fighter->name);
        fighters.push_back(std::move(*fighter));
    }
    return fighters;
}

QByteArray writeRoster(const Fighters& fighters) {
    QJsonArray list;
    for (const StoredFighter& fighter : fighters) {
        list.append(fighterObject(fighter));
    }
    const QJsonObject root{
        {formatKey, QLatin1String(formatName)}, {versionKey, formatVersion}, {fightersKey, list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace roster
