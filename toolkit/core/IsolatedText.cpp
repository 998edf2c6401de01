#include "IsolatedText.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace toolkit {

namespace {

// The code points of bidirectional class R, AL or AN, as Qt's character data classifies
// them (unassigned code points in right-to-left blocks included); a test compares the table
// with QChar::direction() for every code point.
constexpr std::array<std::pair<char32_t, char32_t>, 54> rightToLeftRanges{{
    {0x0590, 0x0590},   {0x05BE, 0x05BE},   {0x05C0, 0x05C0},   {0x05C3, 0x05C3},
    {0x05C6, 0x05C6},   {0x05C8, 0x0605},   {0x0608, 0x0608},   {0x060B, 0x060B},
    {0x060D, 0x060D},   {0x061B, 0x064A},   {0x0660, 0x0669},   {0x066B, 0x066F},
    {0x0671, 0x06D5},   {0x06DD, 0x06DD},   {0x06E5, 0x06E6},   {0x06EE, 0x06EF},
    {0x06FA, 0x0710},   {0x0712, 0x072F},   {0x074B, 0x07A5},   {0x07B1, 0x07EA},
    {0x07F4, 0x07F5},   {0x07FA, 0x07FC},   {0x07FE, 0x0815},   {0x081A, 0x081A},
    {0x0824, 0x0824},   {0x0828, 0x0828},   {0x082E, 0x0858},   {0x085C, 0x0897},
    {0x08A0, 0x08C9},   {0x08E2, 0x08E2},   {0x200F, 0x200F},   {0xFB1D, 0xFB1D},
    {0xFB1F, 0xFB28},   {0xFB2A, 0xFD3D},   {0xFD50, 0xFDCE},   {0xFDF0, 0xFDFC},
    {0xFE70, 0xFEFE},   {0x10800, 0x1091E}, {0x10920, 0x10A00}, {0x10A04, 0x10A04},
    {0x10A07, 0x10A0B}, {0x10A10, 0x10A37}, {0x10A3B, 0x10A3E}, {0x10A40, 0x10AE4},
    {0x10AE7, 0x10B38}, {0x10B40, 0x10D23}, {0x10D28, 0x10EAA}, {0x10EAD, 0x10F45},
    {0x10F51, 0x10F81}, {0x10F86, 0x10FFF}, {0x1E800, 0x1E8CF}, {0x1E8D7, 0x1E943},
    {0x1E94B, 0x1EEEF}, {0x1EEF2, 0x1EFFF},
}};

constexpr char32_t popDirectionalFormatting = 0x202C;
constexpr char32_t popIsolate = 0x2069;

bool isEmbeddingOrOverride(char32_t c) {
    return c >= 0x202A && c <= 0x202E && c != popDirectionalFormatting;
}

bool isIsolateInitiator(char32_t c) {
    return c >= 0x2066 && c <= 0x2068;
}

struct CodePoint {
    char32_t value;
    std::size_t length; // in bytes
};

// One code point of well-formed UTF-8; nullopt for a malformed sequence, which Qt shows
// as a replacement character, itself neutral.
std::optional<CodePoint> decodeAt(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        return CodePoint{lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return CodePoint{value, length};
}

// Calls visit(code point, its bytes) for each well-formed code point of text.
template <typename Visit> void forEachCodePoint(std::string_view text, Visit visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<CodePoint> point = decodeAt(text, pos);
        const std::size_t length = point ? point->length : 1;
        if (point) {
            visit(point->value, text.substr(pos, length));
        }
        pos += length;
    }
}

void appendCodePoint(std::string& text, char32_t c) {
    // Only the controls below U+FFFF are ever appended.
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
}

} // namespace

bool changesSurroundingOrder(char32_t c) {
    if ((c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069)) {
        return true;
    }
    const auto after =
        std::upper_bound(rightToLeftRanges.begin(), rightToLeftRanges.end(), c,
                         [](char32_t value, const std::pair<char32_t, char32_t>& range) {
                             return value < range.first;
                         });
    return after != rightToLeftRanges.begin() && c <= std::prev(after)->second;
}

bool needsIsolation(std::string_view text) {
    bool needed = false;
    forEachCodePoint(
        text, [&](char32_t c, std::string_view) { needed = needed || changesSurroundingOrder(c); });
    return needed;
}

// Within the isolate the text is balanced as the bidirectional algorithm pairs controls:
// a PDI closes the latest open isolate and every embedding opened after it; a PDF closes
// the latest embedding unless an isolate was opened after it, and is ignored otherwise.
// A PDI with no isolate of the typed text to close would close ours, so it gets an
// isolate initiator of its own just before it; the empty isolate shows nothing and leaves
// embeddings open, as if the PDI were ignored. Whatever is still open at the end is closed
// there, innermost first, and the closing PDI then matches the opening FSI.
std::string isolated(std::string_view typed) {
    if (!needsIsolation(typed)) {
        return std::string(typed);
    }
    std::string text;
    text.reserve(typed.size() + 2 * firstStrongIsolate.size() + 2 * popDirectionalIsolate.size());
    text.append(firstStrongIsolate);
    std::vector<bool> openIsIsolate;
    std::size_t openIsolates = 0;
    std::size_t pos = 0;
    while (pos < typed.size()) {
        const std::optional<CodePoint> point = decodeAt(typed, pos);
        const std::size_t length = point ? point->length : 1;
        const char32_t c = point ? point->value : 0xFFFD;
        if (isEmbeddingOrOverride(c) || isIsolateInitiator(c)) {
            openIsIsolate.push_back(isIsolateInitiator(c));
            openIsolates += isIsolateInitiator(c) ? 1 : 0;
        } else if (c == popDirectionalFormatting) {
            if (!openIsIsolate.empty() && !openIsIsolate.back()) {
                openIsIsolate.pop_back();
            }
        } else if (c == popIsolate) {
            if (openIsolates == 0) {
                text.append(firstStrongIsolate);
            } else {
                while (!openIsIsolate.back()) {
                    openIsIsolate.pop_back();
                }
                openIsIsolate.pop_back();
                --openIsolates;
            }
        }
        text.append(typed.substr(pos, length));
        pos += length;
    }
    for (auto open = openIsIsolate.rbegin(); open != openIsIsolate.rend(); ++open) {
        appendCodePoint(text, *open ? popIsolate : popDirectionalFormatting);
    }
    text.append(popDirectionalIsolate);
    return text;
}

} // namespace toolkit
