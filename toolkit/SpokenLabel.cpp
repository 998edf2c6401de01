#include "SpokenLabel.h"

#include <QLabel>
#include <QVariant>

namespace toolkit {

namespace {

constexpr const char* meaningProperty = "toolkit_spokenMeaning";

} // namespace

void setSpokenMeaning(QLabel* label, const QString& meaning) {
    label->setProperty(meaningProperty, meaning);
}

bool hasSpokenMeaning(const QLabel* label) {
    return label->property(meaningProperty).isValid();
}

QString spokenText(const QLabel* label) {
    const QString meaning = label->property(meaningProperty).toString();
    return label->text().isEmpty() ? meaning + QLatin1Char(':')
                                   : meaning + QStringLiteral(": ") + label->text();
}

SpokenLabelAccessible::SpokenLabelAccessible(QLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QString SpokenLabelAccessible::text(QAccessible::Text t) const {
    const auto* label = static_cast<const QLabel*>(widget());
    switch (t) {
    case QAccessible::Name:
        return spokenText(label);
    case QAccessible::Value:
        return label->text();
    default:
        return QAccessibleWidget::text(t);
    }
}

} // namespace toolkit
