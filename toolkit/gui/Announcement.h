#pragma once

#include <QWidget>

class QLabel;

namespace toolkit {

// Tells a screen reader something that happened away from its focus, such as the result
// of a round. Qt 6.4 has no announcement of its own: this is an invisible notification
// (no size, outside every layout) that is shown anew with each message, which screen
// readers speak as they speak a desktop notification.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& message);
    // Lines as a log shows them, spoken as one message of sentences.
    void announce(const QStringList& lines);
    QString message() const;

    // The lines joined so that a screen reader pauses after each: a heading line such as
    // "Runde 3" gets the full stop it lacks.
    static QString sentences(const QStringList& lines);

private:
    QLabel* m_text;
};

} // namespace toolkit
