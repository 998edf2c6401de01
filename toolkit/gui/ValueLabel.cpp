#include "ValueLabel.h"

namespace toolkit {

ValueLabel::ValueLabel(const QString& meaning, const QString& text, QWidget* parent)
    : QLabel(parent), m_meaning(meaning) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

QString ValueLabel::spokenText() const {
    return text().isEmpty() ? m_meaning + QLatin1Char(':')
                            : m_meaning + QStringLiteral(": ") + text();
}

ValueLabelAccessible::ValueLabelAccessible(ValueLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QString ValueLabelAccessible::text(QAccessible::Text t) const {
    const auto* label = static_cast<const ValueLabel*>(widget());
    switch (t) {
    case QAccessible::Name:
        return label->spokenText();
    case QAccessible::Value:
        return label->text();
    default:
        return QAccessibleWidget::text(t);
    }
}

} // namespace toolkit
