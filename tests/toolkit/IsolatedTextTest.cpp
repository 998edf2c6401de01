#include "toolkit/core/IsolatedText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using toolkit::isolated;

// The controls in UTF-8.
const std::string LRE = "\u202a", RLE = "\u202b", PDF = "\u202c", LRO = "\u202d", RLO = "\u202e";
const std::string LRI = "\u2066", RLI = "\u2067", FSI = "\u2068", PDI = "\u2069";

TEST(IsolatedText, TextThatCannotReorderItsSurroundingsStaysAsTyped) {
    for (const std::string& text :
         {std::string(), std::string("15x"), std::string("zehn"), std::string("12 "),
          std::string("f\u00fcnf"), std::string("<b>15</b>"),
          std::string("1\0"
                      "5",
                      3),
          std::string("\u200e"), std::string("\xff\xfe"), std::string("\xE2\x80")}) {
        EXPECT_FALSE(toolkit::needsIsolation(text)) << text;
        EXPECT_EQ(isolated(text), text);
    }
}

TEST(IsolatedText, RightToLeftLettersAndArabicDigitsAreIsolated) {
    // Hebrew letters (R), Arabic letters (AL), Arabic-Indic digits (AN), RIGHT-TO-LEFT MARK.
    for (const char* text : {"\u05e9\u05dc\u05d5\u05dd", "15 \u0633\u064a\u0641", "\u0661\u0665",
                             "\u200f", "\U00010900"}) {
        EXPECT_EQ(isolated(text), FSI + text + PDI) << text;
    }
}

TEST(IsolatedText, ControlsAreClosedInsideTheIsolate) {
    EXPECT_EQ(isolated("15" + RLO + " ,nedrow"), FSI + "15" + RLO + " ,nedrow" + PDF + PDI);
    EXPECT_EQ(isolated(RLI + "abc"), FSI + RLI + "abc" + PDI + PDI);
    // Innermost first; a PDF inside an isolate closes nothing.
    EXPECT_EQ(isolated(RLE + LRI + "x" + PDF), FSI + RLE + LRI + "x" + PDF + PDI + PDF + PDI);
    // A PDI closes the embeddings opened after its isolate.
    EXPECT_EQ(isolated(RLI + "a" + RLO + "b" + PDI + "c"),
              FSI + RLI + "a" + RLO + "b" + PDI + "c" + PDI);
    // A stray PDF is ignored within the isolate and stays.
    EXPECT_EQ(isolated("a" + PDF + "b"), FSI + "a" + PDF + "b" + PDI);
}

TEST(IsolatedText, AStrayPopIsolateGetsAnIsolateOfItsOwn) {
    EXPECT_EQ(isolated(PDI + RLO + "abc"), FSI + FSI + PDI + RLO + "abc" + PDF + PDI);
    EXPECT_EQ(isolated(LRE + "a" + PDI + PDI), FSI + LRE + "a" + FSI + PDI + FSI + PDI + PDF + PDI);
}

// The explicit levels of UAX #9 (rules X1-X8), enough to see which controls pair up,
// overflow beyond depth 125 included. An FSI counts as an LRI here.
class ExplicitLevels {
public:
    explicit ExplicitLevels() : m_stack{{0, false}} {}

    void feed(char32_t c) {
        const bool rtl = c == 0x202B || c == 0x202E || c == 0x2067;
        if (c == 0x202A || c == 0x202B || c == 0x202D || c == 0x202E) {
            const int level = next(rtl);
            if (level <= maxDepth && m_overflowIsolates == 0 && m_overflowEmbeddings == 0) {
                m_stack.push_back({level, false});
            } else if (m_overflowIsolates == 0) {
                ++m_overflowEmbeddings;
            }
        } else if (c >= 0x2066 && c <= 0x2068) {
            const int level = next(rtl);
            if (level <= maxDepth && m_overflowIsolates == 0 && m_overflowEmbeddings == 0) {
                ++m_validIsolates;
                m_stack.push_back({level, true});
            } else {
                ++m_overflowIsolates;
            }
        } else if (c == 0x2069) {
            if (m_overflowIsolates > 0) {
                --m_overflowIsolates;
            } else if (m_validIsolates > 0) {
                m_overflowEmbeddings = 0;
                while (!m_stack.back().isolate) {
                    m_stack.pop_back();
                }
                m_stack.pop_back();
                --m_validIsolates;
            }
        } else if (c == 0x202C) {
            if (m_overflowIsolates > 0) {
            } else if (m_overflowEmbeddings > 0) {
                --m_overflowEmbeddings;
            } else if (!m_stack.back().isolate && m_stack.size() >= 2) {
                m_stack.pop_back();
            }
        }
    }
    std::size_t depth() const { return m_stack.size(); }
    bool noOverflow() const { return m_overflowIsolates == 0 && m_overflowEmbeddings == 0; }

private:
    static constexpr int maxDepth = 125;
    struct Entry {
        int level;
        bool isolate;
    };
    int next(bool rtl) const {
        const int level = m_stack.back().level + 1;
        return (level % 2 == 1) == rtl ? level : level + 1;
    }
    std::vector<Entry> m_stack;
    int m_overflowIsolates = 0, m_overflowEmbeddings = 0, m_validIsolates = 0;
};

std::vector<char32_t> decode(const std::string& text) {
    // The test alphabet is below U+FFFF: one, two or three bytes.
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : 3;
        char32_t c = n == 1 ? b : n == 2 ? (b & 0x1F) : (b & 0x0F);
        for (std::size_t k = 1; k < n; ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        points.push_back(c);
        i += n;
    }
    return points;
}

// Random texts of letters, digits and every control, some deep enough to overflow: the
// opening FSI stays open up to the closing PDI, which leaves the levels as they were; and
// the typed characters are all there, in order, with only FSI, PDI and PDF added.
TEST(IsolatedText, NoTypedTextEndsTheIsolateOrLeavesAControlOpen) {
    const std::vector<std::string> alphabet{"a", "\u05d0", "\u0661", " ", LRE, RLE, PDF,
                                            LRO, RLO,      LRI,      RLI, FSI, PDI};
    std::mt19937 random(20261209);
    for (int run = 0; run < 3000; ++run) {
        std::string typed;
        const int length = static_cast<int>(random() % (run % 10 == 0 ? 400 : 20));
        for (int i = 0; i < length; ++i) {
            typed += alphabet[random() % alphabet.size()];
        }
        typed += "\u05d0";
        for (const int outerEmbeddings : {0, 60}) {
            ExplicitLevels levels;
            for (int i = 0; i < outerEmbeddings; ++i) {
                levels.feed(0x202A);
            }
            const std::size_t outside = levels.depth();
            const std::vector<char32_t> shown = decode(isolated(typed));
            ASSERT_EQ(shown.front(), 0x2068u);
            for (std::size_t i = 0; i + 1 < shown.size(); ++i) {
                levels.feed(shown[i]);
                ASSERT_GT(levels.depth(), outside) << "closed early in run " << run;
            }
            ASSERT_EQ(shown.back(), 0x2069u);
            levels.feed(shown.back());
            ASSERT_EQ(levels.depth(), outside) << "run " << run;
            ASSERT_TRUE(levels.noOverflow()) << "run " << run;
        }

        const std::vector<char32_t> original = decode(typed);
        const std::vector<char32_t> shown = decode(isolated(typed));
        std::size_t next = 0;
        for (const char32_t c : shown) {
            if (next < original.size() && c == original[next]) {
                ++next;
            } else {
                ASSERT_TRUE(c == 0x2068 || c == 0x2069 || c == 0x202C) << "run " << run;
            }
        }
        ASSERT_EQ(next, original.size()) << "run " << run;
    }
}

} // namespace
