#pragma once

#include <QAccessible>
#include <QString>

namespace toolkit {

// A piece of text between two offsets; {-1, -1} when there is none.
struct TextSegment {
    int start = -1;
    int end = -1;
    friend bool operator==(const TextSegment&, const TextSegment&) = default;
};

// The character, word, sentence or line at, before and after an offset of a text, as a
// screen reader asks for them. Every offset from -1 (the end) to the length answers, the
// end included; others give no segment. These walk each boundary list once forward and
// so always end, unlike the default answers of Qt 6.4, which loop for good at the end of
// a text.
TextSegment segmentAt(const QString& text, int offset, QAccessible::TextBoundaryType type);
TextSegment segmentBefore(const QString& text, int offset, QAccessible::TextBoundaryType type);
TextSegment segmentAfter(const QString& text, int offset, QAccessible::TextBoundaryType type);

// The text of a segment, empty for none.
QString segmentText(const QString& text, TextSegment segment);

} // namespace toolkit
