#include "LineEditAccessible.h"

#include "TextBoundaries.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QVariant>
#include <algorithm>

namespace toolkit {

namespace {

QString answer(const QString& text, TextSegment segment, int* startOffset, int* endOffset) {
    *startOffset = segment.start;
    *endOffset = segment.end;
    return segmentText(text, segment);
}

} // namespace

LineEditAccessible::LineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(QString)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* LineEditAccessible::lineEdit() const {
    return static_cast<QLineEdit*>(widget());
}

QString LineEditAccessible::shownText() const {
    switch (lineEdit()->echoMode()) {
    case QLineEdit::Normal:
        return lineEdit()->text();
    case QLineEdit::NoEcho:
        return {};
    default:
        return QString(lineEdit()->text().size(), QLatin1Char('*'));
    }
}

int LineEditAccessible::resolvedOffset(int offset) const {
    return offset == -2 ? cursorPosition() : offset;
}

QString LineEditAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return shownText();
    }
    QString result = QAccessibleWidget::text(t);
    // The edit of a drop-down goes by the drop-down's name.
    if (result.isEmpty() && (t == QAccessible::Name || t == QAccessible::Description)) {
        if (auto* box = qobject_cast<QComboBox*>(lineEdit()->parentWidget())) {
            result = t == QAccessible::Name ? box->accessibleName() : box->accessibleDescription();
        }
    }
    if (result.isEmpty() && t == QAccessible::Description) {
        result = lineEdit()->placeholderText();
    }
    return result;
}

void LineEditAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString fixed = text;
    int position = 0;
    if (const QValidator* validator = lineEdit()->validator();
        validator != nullptr && validator->validate(fixed, position) != QValidator::Acceptable) {
        return;
    }
    lineEdit()->setText(fixed);
}

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = lineEdit()->isReadOnly();
    state.editable = !lineEdit()->isReadOnly();
    state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (t == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

void LineEditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

QString LineEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // No formatting inside a line edit: one run over the whole text.
    *startOffset = *endOffset = resolvedOffset(offset);
    if (*startOffset >= 0 && *startOffset <= characterCount()) {
        *startOffset = 0;
        *endOffset = characterCount();
    }
    return {};
}

int LineEditAccessible::cursorPosition() const {
    return lineEdit()->cursorPosition();
}

QRect LineEditAccessible::characterRect(int offset) const {
    const QString all = shownText();
    if (offset < 0 || offset >= all.size()) {
        return {};
    }
    // Measured from the cursor, which the edit places itself (scrolled as it is).
    const QRect cursor = lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(lineEdit()->font());
    const int cursorAt = std::clamp(cursorPosition(), 0, static_cast<int>(all.size()));
    const int x = cursor.left() + metrics.horizontalAdvance(all.left(offset)) -
                  metrics.horizontalAdvance(all.left(cursorAt));
    const QRect local(x, cursor.top(), metrics.horizontalAdvance(all.mid(offset, 1)),
                      std::max(cursor.height(), metrics.height()));
    return QRect(lineEdit()->mapToGlobal(local.topLeft()), local.size());
}

int LineEditAccessible::selectionCount() const {
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = lineEdit()->mapFromGlobal(point);
    return lineEdit()->rect().contains(local) ? lineEdit()->cursorPositionAt(local) : -1;
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText()) {
        return;
    }
    *startOffset = lineEdit()->selectionStart();
    *endOffset = lineEdit()->selectionEnd();
}

QString LineEditAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset) {
        return {};
    }
    return shownText().mid(startOffset, endOffset - startOffset);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    const QString all = shownText();
    return answer(all, segmentBefore(all, resolvedOffset(offset), boundaryType), startOffset,
                  endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    const QString all = shownText();
    return answer(all, segmentAfter(all, resolvedOffset(offset), boundaryType), startOffset,
                  endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    const QString all = shownText();
    return answer(all, segmentAt(all, resolvedOffset(offset), boundaryType), startOffset,
                  endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        lineEdit()->deselect();
    }
}

void LineEditAccessible::setCursorPosition(int position) {
    lineEdit()->setCursorPosition(position);
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
    }
}

int LineEditAccessible::characterCount() const {
    return static_cast<int>(shownText().size());
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex) {
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

void LineEditAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (lineEdit()->isReadOnly() || lineEdit()->echoMode() != QLineEdit::Normal) {
        return;
    }
    const QString all = lineEdit()->text();
    const int start = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    const int end = std::clamp(endOffset, start, static_cast<int>(all.size()));
    // Through the edit's own editing, so that its change signals run as on typing.
    lineEdit()->setSelection(start, end - start);
    lineEdit()->insert(text);
}

} // namespace toolkit
