#include "Announcement.h"

#include <QLabel>

namespace toolkit {

Announcement::Announcement(QWidget* parent) : QWidget(parent), m_text(new QLabel(this)) {
    setObjectName(QStringLiteral("roundAnnouncement"));
    m_text->setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    m_text->setGeometry(0, 0, 0, 0);
    hide();
}

void Announcement::announce(const QString& message) {
    m_text->setText(message);
    setAccessibleName(message);
    // Shown anew each time: the appearance is what the screen reader speaks.
    hide();
    show();
}

void Announcement::announce(const QStringList& lines) {
    announce(sentences(lines));
}

QString Announcement::sentences(const QStringList& lines) {
    QStringList spoken;
    for (const QString& line : lines) {
        const QString sentence = line.trimmed();
        if (sentence.isEmpty()) {
            continue;
        }
        const bool ended = QStringLiteral(".:!?").contains(sentence.back());
        spoken << (ended ? sentence : sentence + QLatin1Char('.'));
    }
    return spoken.join(QLatin1Char(' '));
}

QString Announcement::message() const {
    return m_text->text();
}

} // namespace toolkit
