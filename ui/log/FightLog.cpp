#include "FightLog.h"

#include "FightChart.h"
#include "FightLogText.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace ui {

FightLog::FightLog(QWidget* parent) : QGroupBox(QStringLiteral("Kampfverlauf"), parent) {
    setObjectName(QStringLiteral("GroupBoxFightLog"));
    auto* layout = new QVBoxLayout(this);
    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QStringLiteral("FightLog"));
    m_view->setReadOnly(true);
    m_view->document()->setUndoRedoEnabled(false);
    m_view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_view->setAccessibleName(QStringLiteral("Kampfverlauf"));
    m_view->setAccessibleDescription(
        QStringLiteral("Die Runden des laufenden Kampfes und der Kämpfe davor mit Würfen, Treffern "
                       "und Verlusten"));
    m_view->installEventFilter(this);
    // Like a chat: at the newest line the view stays there as lines come and go; scrolled
    // away from it, it stays where the reader is.
    QScrollBar* bar = m_view->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        if (!m_changingDocument) {
            m_followEnd = value >= bar->maximum();
        }
    });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (m_followEnd) {
            bar->setValue(maximum);
        }
    });
    m_copyAll = new QAction(QStringLiteral("Kampfverlauf kopieren"), this);
    m_copyAll->setObjectName(QStringLiteral("copyFightLog"));
    connect(m_copyAll, &QAction::triggered, this, &FightLog::copyToClipboard);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &FightLog::showContextMenu);
    layout->addWidget(m_view, 2);
    m_chart = new FightChart(this);
    layout->addWidget(m_chart, 1);
}

namespace {

// Beyond this many lines waiting, the lines are written at once, so that a burst of rounds
// with no event loop between them stays bounded too.
constexpr int mostPendingLines = 5000;

} // namespace

void FightLog::append(const QString& line) {
    // Laying out wrapped text costs far more than a whole round, so the lines wait for the
    // event loop and a burst of rounds is laid out at once.
    m_pending << line;
    ++m_currentFightLines;
    ++(m_roundLines.empty() ? m_headLines : m_roundLines.back().lines);
    if (m_pending.size() >= mostPendingLines) {
        flush();
    } else if (!m_flushScheduled) {
        m_flushScheduled = true;
        QTimer::singleShot(0, this, &FightLog::flush);
    }
}

void FightLog::flush() {
    // Whatever the view does to its scroll bar meanwhile is not the reader's doing.
    const QScopedValueRollback changing(m_changingDocument, true);
    m_flushScheduled = false;
    if (!m_pending.isEmpty()) {
        m_view->appendPlainText(m_pending.join(QLatin1Char('\n')));
        m_pending.clear();
    }
    if (m_linesToDrop > 0) {
        const int first = m_hasDropNote ? 1 : 0;
        removeLines(first, m_linesToDrop);
        if (m_hasDropNote) {
            replaceLine(0, droppedFightsNote(m_lastDroppedFight));
        } else {
            QTextCursor note(m_view->document()->begin());
            note.insertText(droppedFightsNote(m_lastDroppedFight));
            note.insertBlock();
            m_hasDropNote = true;
        }
        m_linesToDrop = 0;
    }
    scrollToEndIfFollowing();
}

void FightLog::scrollToEndIfFollowing() {
    if (!m_followEnd) {
        return;
    }
    // The view counts a line not yet laid out as one, so wrapped newest lines would end up
    // below the view: the lines that fill it from the bottom are laid out first.
    QTextDocument* document = m_view->document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    const int viewHeight = m_view->viewport()->height();
    qreal filled = 0;
    for (QTextBlock block = document->lastBlock(); block.isValid() && filled < viewHeight;
         block = block.previous()) {
        filled += layout->blockBoundingRect(block).height();
    }
    // Laying a block out does not tell the view that the document grew: told so, it sets
    // its scroll range to the lines just counted.
    emit layout->documentSizeChanged(layout->documentSize());
    QScrollBar* bar = m_view->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void FightLog::removeLastLines(int count) {
    QTextDocument* document = m_view->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    const int kept = document->blockCount() - count;
    if (kept > 0) {
        const QTextBlock last = document->findBlockByNumber(kept - 1);
        cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    } else {
        cursor.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    m_currentFightLines -= count;
}

void FightLog::removeLines(int first, int count) {
    // A reader scrolled up keeps the line at the top of the view.
    QTextDocument* document = m_view->document();
    const int top = m_view->cursorForPosition(QPoint(0, 0)).blockNumber();
    QTextCursor cursor(document->findBlockByNumber(first));
    cursor.setPosition(document->findBlockByNumber(first + count).position(),
                       QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (!m_followEnd && top >= first + count) {
        m_view->verticalScrollBar()->setValue(
            document->findBlockByNumber(top - count).firstLineNumber());
    }
}

void FightLog::replaceLine(int number, const QString& line) {
    QTextCursor cursor(m_view->document()->findBlockByNumber(number));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(line);
}

void FightLog::dropEarlierFightsBeyondBounds() {
    while (static_cast<int>(m_earlierFightLines.size()) > keptEarlierFights ||
           m_earlierLines > keptEarlierLines) {
        m_linesToDrop += m_earlierFightLines.front();
        m_earlierLines -= m_earlierFightLines.front();
        m_earlierFightLines.pop_front();
        ++m_lastDroppedFight;
    }
}

void FightLog::dropEarlyRoundsBeyondBound() {
    const QScopedValueRollback changing(m_changingDocument, true);
    if (static_cast<int>(m_roundLines.size()) <= keptRounds) {
        return;
    }
    flush();
    int lines = 0;
    for (int i = 0; i < droppedRoundsAtOnce; ++i) {
        lines += m_roundLines.front().lines;
        m_roundLines.pop_front();
    }
    const int fightStart = (m_hasDropNote ? 1 : 0) + m_earlierLines;
    const int firstRound = fightStart + m_headLines;
    removeLines(firstRound, lines);
    m_currentFightLines -= lines;
    m_droppedRounds += droppedRoundsAtOnce;
    if (m_droppedRounds > droppedRoundsAtOnce) {
        replaceLine(firstRound - 1, droppedRoundsNote(m_droppedRounds));
    } else {
        QTextCursor note(m_view->document()->findBlockByNumber(firstRound));
        note.insertText(droppedRoundsNote(m_droppedRounds));
        note.insertBlock();
        ++m_headLines;
        ++m_currentFightLines;
        // What is taken back from here on is noted after the rounds that stay.
        m_headNote.reset();
    }
    scrollToEndIfFollowing();
}

void FightLog::openFight(const FightSetup& setup) {
    if (m_fightNumber > 0) {
        m_earlierFightLines.push_back(m_currentFightLines);
        m_earlierLines += m_currentFightLines;
        dropEarlierFightsBeyondBounds();
    }
    m_currentFightLines = 0;
    m_headLines = 0;
    m_headNote.reset();
    m_roundLines.clear();
    m_droppedRounds = 0;
    if (m_fightNumber > 0) {
        append(QString());
    }
    m_fightOpen = true;
    ++m_fightNumber;
    append(m_rematch ? rematchHeading(m_fightNumber) : fightHeading(m_fightNumber));
    for (const engine::Fighter fighter : engine::bothFighters) {
        append(setupLine(fighter, setup[engine::indexOf(fighter)]));
    }
}

void FightLog::roundRecorded(const RecordedRound& round, const engine::FightTally& tally) {
    if (!m_fightOpen) {
        openFight(round.read);
    }
    m_roundLines.emplace_back();
    // What the user changed since the previous round.
    for (const engine::Fighter fighter : engine::bothFighters) {
        const std::size_t index = engine::indexOf(fighter);
        for (const QString& line : changeLines(round.expected[index], round.read[index])) {
            append(line);
        }
    }
    append(QString());
    if (!round.report) {
        append(failedRoundLine(round.roundNumber, round.failure));
        dropEarlyRoundsBeyondBound();
        return;
    }
    const engine::RoundReport& report = *round.report;
    const FighterNames names = namesIn(round.read);
    for (const QString& line : roundEntry(report, names)) {
        append(line);
    }
    if (report.hasLost[0] || report.hasLost[1]) {
        for (const QString& line : fightEndEntry(report, tally, names)) {
            append(line);
        }
        // The end-of-fight boxes follow at once; what led to them is to be seen behind them.
        flush();
    }
    dropEarlyRoundsBeyondBound();
}

void FightLog::roundTakenBack(const RecordedRound& round, bool furthest) {
    const QScopedValueRollback changing(m_changingDocument, true);
    flush();
    TakenBack note{round.roundNumber, round.roundNumber};
    const auto widen = [&note](const std::optional<TakenBack>& earlier) {
        if (earlier) {
            note.first = std::min(note.first, earlier->first);
            note.last = std::max(note.last, earlier->last);
        }
    };
    if (!m_roundLines.empty()) {
        const RoundLines taken = m_roundLines.back();
        m_roundLines.pop_back();
        removeLastLines(taken.lines);
        widen(taken.closingNote);
    }
    // Rounds taken back in a row share one note.
    std::optional<TakenBack>& tailNote =
        m_roundLines.empty() ? m_headNote : m_roundLines.back().closingNote;
    if (tailNote) {
        widen(tailNote);
        removeLastLines(takenBackNoteLines);
        (m_roundLines.empty() ? m_headLines : m_roundLines.back().lines) -= takenBackNoteLines;
    }
    append(QString());
    append(takenBackRoundsLine(note.first, note.last, furthest));
    tailNote = note;
    flush();
}

void FightLog::fightStarted(bool rematch) {
    // The next entry opens the new fight's section; a fight without rounds leaves none.
    m_fightOpen = false;
    m_rematch = rematch;
}

QString FightLog::text() {
    flush();
    return m_view->toPlainText();
}

void FightLog::copyToClipboard() {
    flush();
    const QTextCursor cursor = m_view->textCursor();
    QGuiApplication::clipboard()->setText(cursor.hasSelection() ? cursor.selection().toPlainText()
                                                                : m_view->toPlainText());
}

bool FightLog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void FightLog::showContextMenu(const QPoint& position) {
    flush();
    std::unique_ptr<QMenu> menu(m_view->createStandardContextMenu(position));
    menu->setObjectName(QStringLiteral("FightLogMenu"));
    menu->addSeparator();
    menu->addAction(m_copyAll);
    menu->exec(m_view->viewport()->mapToGlobal(position));
}

} // namespace ui
