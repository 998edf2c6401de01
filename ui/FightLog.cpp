#include "FightLog.h"

#include "FightChart.h"
#include "FightLogText.h"
#include "engine/Arithmetic.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
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
    m_view->setAccessibleDescription(QStringLiteral(
        "Alle Runden dieser Sitzung mit Würfen, Treffern und verbleibenden Punkten"));
    m_copyAll = new QAction(QStringLiteral("Kampfverlauf kopieren"), this);
    m_copyAll->setObjectName(QStringLiteral("copyFightLog"));
    connect(m_copyAll, &QAction::triggered, this, &FightLog::copyToClipboard);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &FightLog::showContextMenu);
    layout->addWidget(m_view, 2);
    m_chart = new FightChart(this);
    layout->addWidget(m_chart, 1);
    append(fightHeading(m_fightNumber));
}

void FightLog::append(const QString& line) {
    // Laying out wrapped text costs far more than a whole round, so the lines wait for the
    // event loop and a burst of rounds is laid out at once.
    m_pending << line;
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
}

void FightLog::addRound(const engine::RoundReport& report) {
    append(QString());
    for (const QString& line : roundEntry(report)) {
        append(line);
    }
    const auto& f1 = report.fighters[0];
    const auto& f2 = report.fighters[1];
    if (m_chart->points().empty()) {
        // The fight starts where the first round's losses were taken from.
        using engine::wrappingAdd;
        m_chart->addPoint({wrappingAdd(report.roundNumber, -1),
                           wrappingAdd(f1.lifePoints, report.attackBy[1].lifeLost),
                           wrappingAdd(f1.endurancePoints, report.attackBy[1].enduranceLost),
                           wrappingAdd(f2.lifePoints, report.attackBy[0].lifeLost),
                           wrappingAdd(f2.endurancePoints, report.attackBy[0].enduranceLost)});
    }
    m_chart->addPoint(
        {report.roundNumber, f1.lifePoints, f1.endurancePoints, f2.lifePoints, f2.endurancePoints});
}

void FightLog::addFailedRound(int roundNumber, const QString& message) {
    append(QString());
    append(failedRoundLine(roundNumber, message));
}

void FightLog::startNewFight() {
    append(QString());
    append(fightHeading(++m_fightNumber));
    m_chart->startNewFight();
}

QString FightLog::text() {
    flush();
    return m_view->toPlainText();
}

void FightLog::copyToClipboard() {
    QGuiApplication::clipboard()->setText(text());
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
