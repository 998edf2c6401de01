#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace toolkit {

// A label that shows a bare value ("14") says what the value means before it: a screen
// reader reads "Kämpfer 1, LP verbleibend: 14". The label's accessible name stays empty,
// so that the label itself reports every change of its text as a change of its name.
void setSpokenMeaning(QLabel* label, const QString& meaning);
bool hasSpokenMeaning(const QLabel* label);
// "meaning: text", or "meaning:" while the label is empty.
QString spokenText(const QLabel* label);

class SpokenLabelAccessible : public QAccessibleWidget {
public:
    explicit SpokenLabelAccessible(QLabel* label);
    QString text(QAccessible::Text t) const override;
};

} // namespace toolkit
