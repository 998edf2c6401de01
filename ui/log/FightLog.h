#pragma once

#include "FightRecord.h"

#include <QGroupBox>
#include <cstdint>
#include <deque>
#include <optional>

class QAction;
class QPlainTextEdit;

namespace ui {

class FightChart;

// "Kampfverlauf": the rounds of the current fight and of the fights before it, in German,
// read-only and copyable, with a small chart of the current fight. Of the current fight it
// keeps the latest rounds, of the earlier fights the latest, each within a bound, and says
// what it dropped. A taken-back round leaves the log; one line says which were taken back.
// The view follows the newest line unless the reader has scrolled away from it.
class FightLog : public QGroupBox, public FightRecordView {
    Q_OBJECT
public:
    // Earlier fights kept beside the current one, and the lines they may take together.
    static constexpr int keptEarlierFights = 20;
    static constexpr int keptEarlierLines = 20000;
    // Rounds of the current fight the log holds at most; beyond them the oldest go, this
    // many at once. Far more than can be taken back.
    static constexpr int keptRounds = 10000;
    static constexpr int droppedRoundsAtOnce = 1000;

    explicit FightLog(QWidget* parent = nullptr);

    // A recorded round, resolved or stopped. Where it ended the fight, the log is up to date
    // when this returns.
    void roundRecorded(const RecordedRound& round, const engine::FightTally& tally) override;
    // Takes the round out of the log, with the changes logged before it, and notes it as
    // taken back; furthest when no round before it can be taken back.
    void roundTakenBack(const RecordedRound& round, bool furthest) override;
    // The next entry opens a new fight, under a heading that calls it a rematch if it is one.
    void fightStarted(bool rematch) override;
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
    void openFight(const FightSetup& setup);
    void dropEarlierFightsBeyondBounds();
    void dropEarlyRoundsBeyondBound();
    // Document changes, in lines; the pending lines must have been written.
    void removeLastLines(int count);
    void removeLines(int first, int count);
    void replaceLine(int number, const QString& line);
    void scrollToEndIfFollowing();
    void showContextMenu(const QPoint& position);

    QPlainTextEdit* m_view = nullptr;
    FightChart* m_chart = nullptr;
    QAction* m_copyAll = nullptr;
    QStringList m_pending;
    bool m_flushScheduled = false;
    // The reader is at the newest line, or has scrolled away from it.
    bool m_followEnd = true;
    bool m_changingDocument = false;

    int m_fightNumber = 0;    // of the latest fight with an entry
    bool m_fightOpen = false; // the current fight has its heading in the log
    bool m_rematch = false;   // the fight not yet opened is a rematch
    // Rounds taken back in a row, noted at the end of what stayed.
    struct TakenBack {
        int first;
        int last;
    };
    static constexpr int takenBackNoteLines = 2;
    // The lines of one round of the current fight: its changes, its entry, its end of
    // fight, and the note of rounds taken back after it.
    struct RoundLines {
        int lines = 0;
        std::optional<TakenBack> closingNote;
    };

    // Lines of the earlier fights still in the document, oldest first, and of the current
    // one; all lines counted, also those still waiting for the event loop.
    std::deque<int> m_earlierFightLines;
    int m_earlierLines = 0;
    int m_currentFightLines = 0;
    int m_lastDroppedFight = 0;
    int m_linesToDrop = 0; // from the front, at the next flush
    bool m_hasDropNote = false;
    // The current fight: the lines before its first round in the log (heading, starting
    // values, the note of dropped rounds), then the rounds, latest last.
    int m_headLines = 0;
    std::optional<TakenBack> m_headNote;
    std::deque<RoundLines> m_roundLines;
    std::int64_t m_droppedRounds = 0;
};

} // namespace ui
