#include "TextBoundaries.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace toolkit {

namespace {

// Offsets where a segment starts or ends, ascending, always with 0 and the length.
std::vector<int> boundaries(const QString& text, QAccessible::TextBoundaryType type) {
    std::vector<int> result{0};
    const auto add = [&result](int position) {
        if (position > result.back()) {
            result.push_back(position);
        }
    };
    if (type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary) {
        // A line ends after its line feed.
        for (qsizetype i = text.indexOf(QChar::LineFeed); i >= 0;
             i = text.indexOf(QChar::LineFeed, i + 1)) {
            add(static_cast<int>(i + 1));
        }
    } else if (type != QAccessible::NoBoundary) {
        const auto finderType = type == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                                : type == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                    : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(finderType, text);
        // Forward only, and never more steps than characters: the end is -1, never a loop.
        for (qsizetype steps = 0; steps <= text.size(); ++steps) {
            const qsizetype position = finder.toNextBoundary();
            if (position < 0 || position >= text.size()) {
                break;
            }
            const auto reasons = finder.boundaryReasons();
            if (finderType == QTextBoundaryFinder::Grapheme ||
                (reasons & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem))) {
                add(static_cast<int>(position));
            }
        }
    }
    add(static_cast<int>(text.size()));
    return result;
}

// Index of the last boundary at or before the offset.
std::size_t boundaryIndexAtOrBefore(const std::vector<int>& list, int offset) {
    const auto after = std::upper_bound(list.begin(), list.end(), offset);
    return static_cast<std::size_t>(after - list.begin()) - 1;
}

// The segment from boundary i to the next one; at the end an empty segment at the end.
TextSegment segmentFrom(const std::vector<int>& list, std::size_t i) {
    return {list[i], i + 1 < list.size() ? list[i + 1] : list[i]};
}

bool validOffset(const QString& text, int& offset) {
    if (offset == -1) {
        offset = static_cast<int>(text.size());
    }
    return !text.isEmpty() && offset >= 0 && offset <= text.size();
}

} // namespace

TextSegment segmentAt(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    if (!validOffset(text, offset)) {
        return {};
    }
    if (type == QAccessible::NoBoundary) {
        return {0, static_cast<int>(text.size())};
    }
    const std::vector<int> list = boundaries(text, type);
    const std::size_t i = boundaryIndexAtOrBefore(list, offset);
    // A line holds its end: the cursor after the last character is still on the last line.
    if (list[i] == offset && offset == text.size() && i > 0 && type != QAccessible::CharBoundary) {
        return segmentFrom(list, i - 1);
    }
    return segmentFrom(list, i);
}

TextSegment segmentBefore(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    const TextSegment at = segmentAt(text, offset, type);
    if (at.start <= 0 || type == QAccessible::NoBoundary) {
        return at.start < 0 ? TextSegment{} : TextSegment{0, 0};
    }
    const std::vector<int> list = boundaries(text, type);
    return segmentFrom(list, boundaryIndexAtOrBefore(list, at.start - 1));
}

TextSegment segmentAfter(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    const TextSegment at = segmentAt(text, offset, type);
    const int length = static_cast<int>(text.size());
    if (at.start < 0 || at.end >= length || type == QAccessible::NoBoundary) {
        return at.start < 0 ? TextSegment{} : TextSegment{length, length};
    }
    const std::vector<int> list = boundaries(text, type);
    return segmentFrom(list, boundaryIndexAtOrBefore(list, at.end));
}

QString segmentText(const QString& text, TextSegment segment) {
    if (segment.start < 0 || segment.end < segment.start) {
        return {};
    }
    return text.mid(segment.start, segment.end - segment.start);
}

} // namespace toolkit
