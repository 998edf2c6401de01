#pragma once

#include "FightSetup.h"
#include "engine/FightTally.h"
#include "engine/Round.h"

#include <QGroupBox>
#include <array>
#include <deque>
#include <optional>
#include <vector>

class QAction;
class QPlainTextEdit;

namespace ui {

class FightChart;

// "Kampfverlauf": the rounds of the current fight and of the fights before it, in German,
// read-only and copyable, with a small chart of the current fight. The current fight is
// kept whole; of the earlier ones the log keeps the latest, within a bound, and says
// which it dropped.
class FightLog : public QGroupBox {
    Q_OBJECT
public:
    // Earlier fights kept beside the current one, and the lines they may take together.
    static constexpr int keptEarlierFights = 20;
    static constexpr int keptEarlierLines = 20000;

    explicit FightLog(QWidget* parent = nullptr);

    // A round resolved from what the fighters brought into it. Where the round ended the
    // fight, the log and the chart are up to date when this returns.
    void addRound(const engine::RoundReport& report, const FightSetup& setup);
    void addFailedRound(int roundNumber, const FightSetup& setup, const QString& failure);
    // Marks the latest round of the current fight as taken back and takes it out of the
    // chart and the summary; the next round is compared with what that round started from.
    void takeBackRound(int roundNumber);
    void startNewFight();
    // The same, with a heading that calls the new fight a rematch.
    void startRematch();
    // The whole log as plain text.
    QString text();
    // The selection as plain text, or the whole log when nothing is selected; also what
    // Ctrl+C and "Kampfverlauf kopieren" do.
    void copyToClipboard();
    // Writes the lines still waiting for the event loop.
    void flush();

    QPlainTextEdit* view() const { return m_view; }
    FightChart* chart() const { return m_chart; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void append(const QString& line);
    // The fight's heading and starting values before its first entry, or what changed
    // since the previous round.
    void logSetup(const FightSetup& setup);
    void dropEarlierFightsBeyondBounds();
    void rememberRoundStart();
    void showContextMenu(const QPoint& position);

    QPlainTextEdit* m_view = nullptr;
    FightChart* m_chart = nullptr;
    QAction* m_copyAll = nullptr;
    QStringList m_pending;
    bool m_flushScheduled = false;

    int m_fightNumber = 0;    // of the latest fight with an entry
    bool m_fightOpen = false; // the current fight has its heading in the log
    bool m_rematch = false;   // the fight not yet opened is a rematch
    // What the next round would start from if the user changed nothing.
    FightSetup m_expectedSetup;
    engine::FightTally m_tally;
    // What each round of the current fight changed beyond its lines, to take it back.
    struct LoggedRound {
        engine::FightTally tallyBefore;
        // The texts the round started from, which m_expectedSetup took from its results.
        std::array<QString, 2> lifePoints;
        std::array<QString, 2> endurancePoints;
        int chartPoints = 0;
    };
    std::vector<LoggedRound> m_loggedRounds;

    // Lines of the earlier fights still in the document, oldest first, and of the current
    // one; all lines counted, also those still waiting for the event loop.
    std::deque<int> m_earlierFightLines;
    int m_earlierLines = 0;
    int m_currentFightLines = 0;
    int m_lastDroppedFight = 0;
    int m_linesToDrop = 0; // from the front, at the next flush
    bool m_hasDropNote = false;
};

} // namespace ui
