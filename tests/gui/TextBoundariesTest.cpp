#include "toolkit/gui/TextBoundaries.h"

#include <QtTest>

using toolkit::segmentAfter;
using toolkit::segmentAt;
using toolkit::segmentBefore;
using toolkit::segmentText;
using toolkit::TextSegment;

namespace {

constexpr std::array allTypes{QAccessible::CharBoundary,      QAccessible::WordBoundary,
                              QAccessible::SentenceBoundary,  QAccessible::LineBoundary,
                              QAccessible::ParagraphBoundary, QAccessible::NoBoundary};

QString at(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    return segmentText(text, segmentAt(text, offset, type));
}

} // namespace

class TextBoundariesTest : public QObject {
    Q_OBJECT

private slots:
    void everyOffsetGivesAPieceOfTheText() {
        for (const QString& text : {QString(), QString("15"), QString(" "), QString("a  b "),
                                    QString("Hallo Welt. Zweiter Satz."), QString("eins\nzwei\n"),
                                    QString("-2147483648"), QString("Ä\u0308x")}) {
            const int length = static_cast<int>(text.size());
            for (int offset = -3; offset <= length + 2; ++offset) {
                for (const auto type : allTypes) {
                    for (const TextSegment s :
                         {segmentAt(text, offset, type), segmentBefore(text, offset, type),
                          segmentAfter(text, offset, type)}) {
                        const bool none = s == TextSegment{};
                        QVERIFY2(none || (0 <= s.start && s.start <= s.end && s.end <= length),
                                 qPrintable(QString("%1 @%2").arg(text).arg(offset)));
                        // Only offsets from -1 (the end) to the length have segments.
                        QCOMPARE(none, text.isEmpty() || offset < -1 || offset > length);
                    }
                }
            }
        }
    }

    void theEndBelongsToTheLastWordSentenceAndLine() {
        QCOMPARE(at("15", 2, QAccessible::WordBoundary), QString("15"));
        QCOMPARE(at("15", -1, QAccessible::SentenceBoundary), QString("15"));
        QCOMPARE(at("15", 2, QAccessible::LineBoundary), QString("15"));
        QCOMPARE(segmentAt("15", 2, QAccessible::CharBoundary), (TextSegment{2, 2}));
        QCOMPARE(segmentAfter("15", 2, QAccessible::WordBoundary), (TextSegment{2, 2}));
        QCOMPARE(segmentText("15", segmentBefore("15", 2, QAccessible::CharBoundary)),
                 QString("5"));
    }

    void wordsSentencesAndLines() {
        const QString text("Hallo Welt. Zweiter Satz.");
        QCOMPARE(at(text, 0, QAccessible::WordBoundary), QString("Hallo"));
        QCOMPARE(at(text, 5, QAccessible::WordBoundary), QString(" "));
        QCOMPARE(segmentText(text, segmentAfter(text, 0, QAccessible::WordBoundary)), QString(" "));
        QCOMPARE(segmentText(text, segmentBefore(text, 6, QAccessible::WordBoundary)),
                 QString(" "));
        QCOMPARE(at(text, 3, QAccessible::SentenceBoundary), QString("Hallo Welt. "));
        QCOMPARE(segmentText(text, segmentAfter(text, 3, QAccessible::SentenceBoundary)),
                 QString("Zweiter Satz."));
        QCOMPARE(segmentBefore(text, 3, QAccessible::SentenceBoundary), (TextSegment{0, 0}));
        QCOMPARE(at("eins\nzwei\n", 2, QAccessible::LineBoundary), QString("eins\n"));
        QCOMPARE(at("eins\nzwei\n", 5, QAccessible::LineBoundary), QString("zwei\n"));
        QCOMPARE(at("eins\nzwei", -1, QAccessible::LineBoundary), QString("zwei"));
        // A letter with a combining mark is one character for the reader.
        QCOMPARE(at("Ä\u0308x", 0, QAccessible::CharBoundary), QString("Ä\u0308"));
    }
};

QTEST_MAIN(TextBoundariesTest)
#include "TextBoundariesTest.moc"
