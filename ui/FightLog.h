#pragma once

#include "engine/Round.h"

#include <QGroupBox>

class QAction;
class QPlainTextEdit;

namespace ui {

class FightChart;

// "Kampfverlauf": every round of every fight of this session, in German, read-only and
// copyable, with a small chart of the current fight.
class FightLog : public QGroupBox {
    Q_OBJECT
public:
    explicit FightLog(QWidget* parent = nullptr);

    void addRound(const engine::RoundReport& report);
    void addFailedRound(int roundNumber, const QString& message);
    void startNewFight();
    // The whole log as plain text, also what "Kampfverlauf kopieren" puts on the clipboard.
    QString text();
    void copyToClipboard();
    // Writes the lines still waiting for the event loop.
    void flush();

    QPlainTextEdit* view() const { return m_view; }
    FightChart* chart() const { return m_chart; }

private:
    void append(const QString& line);
    void showContextMenu(const QPoint& position);

    QPlainTextEdit* m_view = nullptr;
    FightChart* m_chart = nullptr;
    QAction* m_copyAll = nullptr;
    QStringList m_pending;
    bool m_flushScheduled = false;
    int m_fightNumber = 1;
};

} // namespace ui
