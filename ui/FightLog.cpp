#include "FightLog.h"

#include "FightChart.h"
#include "FightLogText.h"
#include "engine/Arithmetic.h"
#include "toolkit/IntegerText.h"
#include "toolkit/QtText.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>
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
    m_copyAll = new QAction(QStringLiteral("Kampfverlauf kopieren"), this);
    m_copyAll->setObjectName(QStringLiteral("copyFightLog"));
    connect(m_copyAll, &QAction::triggered, this, &FightLog::copyToClipboard);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &FightLog::showContextMenu);
    layout->addWidget(m_view, 2);
    m_chart = new FightChart(this);
    layout->addWidget(m_chart, 1);
}

void FightLog::append(const QString& line) {
    // Laying out wrapped text costs far more than a whole round, so the lines wait for the
    // event loop and a burst of rounds is laid out at once.
    m_pending << line;
    ++m_currentFightLines;
    if (!m_flushScheduled) {
        m_flushScheduled = true;
        QTimer::singleShot(0, this, &FightLog::flush);
    }
}

void FightLog::flush() {
    m_flushScheduled = false;
    if (!m_pending.isEmpty()) {
        m_view->appendPlainText(m_pending.join(QLatin1Char('\n')));
        m_pending.clear();
    }
    if (m_linesToDrop > 0) {
        QTextDocument* document = m_view->document();
        const int first = m_hasDropNote ? 1 : 0;
        QTextCursor cursor(document->findBlockByNumber(first));
        cursor.setPosition(document->findBlockByNumber(first + m_linesToDrop).position(),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QTextCursor note(document->begin());
        if (m_hasDropNote) {
            note.select(QTextCursor::BlockUnderCursor);
            note.insertText(droppedFightsNote(m_lastDroppedFight));
        } else {
            note.insertText(droppedFightsNote(m_lastDroppedFight));
            note.insertBlock();
            m_hasDropNote = true;
        }
        m_linesToDrop = 0;
    }
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

void FightLog::logSetup(const FightSetup& setup) {
    if (!m_fightOpen) {
        if (m_fightNumber > 0) {
            m_earlierFightLines.push_back(m_currentFightLines);
            m_earlierLines += m_currentFightLines;
            dropEarlierFightsBeyondBounds();
            m_currentFightLines = 0;
            append(QString());
        }
        m_fightOpen = true;
        ++m_fightNumber;
        append(m_rematch ? rematchHeading(m_fightNumber) : fightHeading(m_fightNumber));
        for (const engine::Fighter fighter : engine::bothFighters) {
            append(setupLine(fighter, setup[engine::indexOf(fighter)]));
        }
    } else {
        for (const engine::Fighter fighter : engine::bothFighters) {
            const std::size_t index = engine::indexOf(fighter);
            if (const auto line = changeLine(fighter, m_expectedSetup[index], setup[index])) {
                append(*line);
            }
        }
    }
    m_expectedSetup = setup;
}

void FightLog::rememberRoundStart() {
    LoggedRound& round = m_loggedRounds.emplace_back();
    round.tallyBefore = m_tally;
    for (const engine::Fighter fighter : engine::bothFighters) {
        const std::size_t index = engine::indexOf(fighter);
        round.lifePoints[index] = m_expectedSetup[index].values[lifePointsRow];
        round.endurancePoints[index] = m_expectedSetup[index].values[endurancePointsRow];
    }
}

void FightLog::addRound(const engine::RoundReport& report, const FightSetup& setup) {
    logSetup(setup);
    rememberRoundStart();
    append(QString());
    for (const QString& line : roundEntry(report)) {
        append(line);
    }
    m_tally.add(report);
    for (const engine::Fighter fighter : engine::bothFighters) {
        // The round rewrote these labels; a difference before the next round is the user's.
        const engine::FighterState& after = report.fighters[engine::indexOf(fighter)];
        auto& values = m_expectedSetup[engine::indexOf(fighter)].values;
        values[lifePointsRow] = toolkit::toQString(toolkit::integerText(after.lifePoints));
        values[endurancePointsRow] =
            toolkit::toQString(toolkit::integerText(after.endurancePoints));
    }

    const auto& f1 = report.fighters[0];
    const auto& f2 = report.fighters[1];
    if (m_chart->points().empty()) {
        // The fight starts where the first round's losses were taken from.
        ++m_loggedRounds.back().chartPoints;
        using engine::wrappingAdd;
        m_chart->addPoint({wrappingAdd(report.roundNumber, -1),
                           wrappingAdd(f1.lifePoints, report.attackBy[1].lifeLost),
                           wrappingAdd(f1.endurancePoints, report.attackBy[1].enduranceLost),
                           wrappingAdd(f2.lifePoints, report.attackBy[0].lifeLost),
                           wrappingAdd(f2.endurancePoints, report.attackBy[0].enduranceLost)});
    }
    m_chart->addPoint(
        {report.roundNumber, f1.lifePoints, f1.endurancePoints, f2.lifePoints, f2.endurancePoints});
    ++m_loggedRounds.back().chartPoints;

    if (report.hasLost[0] || report.hasLost[1]) {
        for (const QString& line : fightEndEntry(report, m_tally)) {
            append(line);
        }
        // The end-of-fight boxes follow at once; what led to them is to be seen behind them.
        flush();
    }
}

void FightLog::addFailedRound(int roundNumber, const FightSetup& setup, const QString& failure) {
    logSetup(setup);
    rememberRoundStart();
    append(QString());
    append(failedRoundLine(roundNumber, failure));
}

void FightLog::takeBackRound(int roundNumber) {
    if (m_loggedRounds.empty()) {
        return;
    }
    const LoggedRound& round = m_loggedRounds.back();
    m_tally = round.tallyBefore;
    for (const engine::Fighter fighter : engine::bothFighters) {
        const std::size_t index = engine::indexOf(fighter);
        m_expectedSetup[index].values[lifePointsRow] = round.lifePoints[index];
        m_expectedSetup[index].values[endurancePointsRow] = round.endurancePoints[index];
    }
    for (int i = 0; i < round.chartPoints; ++i) {
        m_chart->takeBackLastPoint();
    }
    m_loggedRounds.pop_back();
    // The entry stays, so that the log still tells what happened at the table.
    append(QString());
    append(takenBackRoundLine(roundNumber));
}

void FightLog::startNewFight() {
    // The next entry opens the new fight's section; a fight without rounds leaves none.
    m_fightOpen = false;
    m_rematch = false;
    m_tally = {};
    m_loggedRounds.clear();
    m_chart->startNewFight();
}

void FightLog::startRematch() {
    startNewFight();
    m_rematch = true;
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
