#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace ui::help {

// "Regeln und Bedienung": the help in a window of its own beside the main window, which
// stays usable. A find field above the text marks every match and jumps to them; the
// contents at the top of the text link to each part.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // document is rich text (helpDocument); parent is the main window.
    HelpWindow(const QString& document, QWidget* parent);

    // Makes the window visible, or brings it to the front when it already is.
    void showAndRaise();

    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* findField() const { return m_findField; }
    // How many times the find field's text occurs, letter case aside.
    int matchCount() const { return m_matchCount; }

    // Selects the next match of the find field's text after the current one (or the one
    // before it), going round from the other end; false when there is none.
    bool findNext(bool backwards = false);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markMatches();

    QTextBrowser* m_browser;
    QLineEdit* m_findField;
    QLabel* m_findResult;
    int m_matchCount = 0;
};

} // namespace ui::help
