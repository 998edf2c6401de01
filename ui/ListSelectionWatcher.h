#pragma once

#include <QObject>

class QListWidget;

namespace ui {

// Tells when the user selects a line of a list: by mouse, by keyboard, and also by
// clicking the line that is already selected, which a game master does to bring an
// open choice window back to the front. One report per user action.
class ListSelectionWatcher : public QObject {
    Q_OBJECT
public:
    explicit ListSelectionWatcher(QListWidget* list);

    // The selected line, -1 for none.
    int selectedRow() const;

signals:
    void selected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* m_list;
    bool m_selectionChangedSincePress = false;
};

} // namespace ui
