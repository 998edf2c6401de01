#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <random>

namespace soak {

// Draws from the soak test's own generator; the program's dice are never touched.
class Chance {
public:
    explicit Chance(std::uint32_t seed) : m_engine(seed) {}

    // 0 … count-1.
    int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_engine); }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }
    bool oneIn(int count) { return below(count) == 0; }
    std::int32_t anyInt32() {
        return static_cast<std::int32_t>(std::uniform_int_distribution<std::uint32_t>()(m_engine));
    }
    template <std::size_t N> int weighted(const std::array<double, N>& weights) {
        return std::discrete_distribution<int>(weights.begin(), weights.end())(m_engine);
    }
    template <typename List> const auto& pick(const List& list) {
        return list[static_cast<std::size_t>(below(static_cast<int>(std::size(list))))];
    }

private:
    std::mt19937 m_engine;
};

// What a tired hand types or pastes into a field: plausible values, the edges of the
// whole-number range in every spelling the conversion knows, blanks, letters, umlauts,
// characters from other scripts, control characters, markup and very long numbers.
class NastyTexts {
public:
    explicit NastyTexts(Chance& chance) : m_chance(chance) {}

    QString next() {
        switch (m_chance.weighted(std::array<double, 7>{34, 34, 10, 9, 8, 3, 2})) {
        case 0:
            return QString::number(m_chance.between(-10, 150));
        case 1:
            return m_chance.pick(fixedTexts());
        case 2:
            return wholeNumberSpelling(m_chance.anyInt32());
        case 3:
            return letters();
        case 4:
            return m_chance.pick(fixedTexts()) + m_chance.pick(fixedTexts());
        case 5:
            return tenThousandDigits();
        default:
            return QString();
        }
    }

private:
    static const QStringList& fixedTexts() {
        static const QStringList texts{"",
                                       " ",
                                       "   ",
                                       "0",
                                       "-0",
                                       "+0",
                                       "00",
                                       "007",
                                       "3",
                                       "4",
                                       "-1",
                                       "+5",
                                       "-",
                                       "+",
                                       "$",
                                       "x",
                                       "0x",
                                       "$7FFFFFFF",
                                       "0x7fffffff",
                                       "0x7FFFFFFF",
                                       "x7fffffff",
                                       "0x80000000",
                                       "$80000000",
                                       "-$80000000",
                                       "-0x80000000",
                                       "$FFFFFFFF",
                                       "-$7FFFFFFF",
                                       "2147483647",
                                       "2147483648",
                                       "-2147483648",
                                       "-2147483649",
                                       "4294967296",
                                       "99999999999999999999",
                                       " 12",
                                       "12 ",
                                       "1 2",
                                       "\t7",
                                       "1e3",
                                       "1.5",
                                       "1,5",
                                       "--1",
                                       "+-1",
                                       "0x-1",
                                       "0xg",
                                       "$$1",
                                       "0b101",
                                       "Ä",
                                       "ä",
                                       "ö",
                                       "ü",
                                       "ß",
                                       "Stärke",
                                       "Größe",
                                       "Rüstklasse",
                                       "NaN",
                                       "inf",
                                       QStringLiteral("\u0661\u0662"),
                                       QStringLiteral("\uff11\uff12"),
                                       QStringLiteral("\u00b9\u00b2"),
                                       QStringLiteral("\u00bd"),
                                       QStringLiteral("\U0001F600"),
                                       "15\n",
                                       "15\r\n16",
                                       QStringLiteral("\u00a015"),
                                       QStringLiteral("15\u200b"),
                                       QString::fromUtf16(u"1\u00005", 3),
                                       "null",
                                       "Lebenspunkte: 15",
                                       "'",
                                       "\"",
                                       "%s",
                                       "%n",
                                       "\\",
                                       "<b>15</b>",
                                       "&amp;",
                                       "1W6",
                                       "normal",
                                       "Kettenrüstung",
                                       "10",
                                       "Ritterrüstung",
                                       "ohne rüstung"};
        return texts;
    }

    QString wholeNumberSpelling(std::int32_t value) {
        const QString blanks(m_chance.oneIn(4) ? m_chance.between(1, 3) : 0, QLatin1Char(' '));
        const auto bits = static_cast<std::uint32_t>(value);
        switch (m_chance.below(5)) {
        case 0:
            return blanks + QStringLiteral("$%1").arg(bits, 0, 16).toUpper();
        case 1:
            return blanks + QStringLiteral("0x%1").arg(bits, 0, 16);
        case 2:
            return blanks + QStringLiteral("x%1").arg(bits, 0, 16);
        default:
            return blanks + QString::number(value);
        }
    }

    QString letters() {
        static const QString alphabet = QStringLiteral("abcxyzABCXYZäöüÄÖÜß€µ°§ -+$");
        QString text;
        for (int i = m_chance.between(1, 8); i > 0; --i) {
            text += alphabet.at(m_chance.below(static_cast<int>(alphabet.size())));
        }
        return text;
    }

    QString tenThousandDigits() {
        constexpr int length = 10000;
        switch (m_chance.below(4)) {
        case 0:
            return QString(length, QLatin1Char('9'));
        case 1:
            // Fits the range once the leading zeros are gone.
            return QString(length - 1, QLatin1Char('0')) + QLatin1Char('7');
        case 2:
            return QLatin1Char('-') + QString(length, QLatin1Char('1'));
        default: {
            QString digits;
            digits.reserve(length);
            for (int i = 0; i < length; ++i) {
                digits += QLatin1Char(static_cast<char>('0' + m_chance.below(10)));
            }
            return digits;
        }
        }
    }

    Chance& m_chance;
};

} // namespace soak
