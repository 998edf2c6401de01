#pragma once

#include <QAccessibleWidget>
#include <QLabel>

namespace toolkit {

// A label that shows a bare value ("14") and tells a screen reader what it means before
// it: "Kämpfer 1, LP verbleibend: 14". Its accessible name stays empty, so that the label
// reports every change of its text as a change of its name. A class of its own, because
// the interface is chosen when the label is made.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& meaning, const QString& text, QWidget* parent);

    // "meaning: text", or "meaning:" while the label is empty.
    QString spokenText() const;

private:
    QString m_meaning;
};

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(ValueLabel* label);
    QString text(QAccessible::Text t) const override;
};

} // namespace toolkit
