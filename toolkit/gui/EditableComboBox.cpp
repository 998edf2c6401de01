#include "EditableComboBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>

namespace toolkit {

namespace {

const char* const markName = "notAppliedMark";

QAction* markOf(const QComboBox& box) {
    return box.findChild<QAction*>(QLatin1String(markName), Qt::FindDirectChildrenOnly);
}

} // namespace

int dropEntryUnlessTextNamesIt(QComboBox& box) {
    const int index = box.currentIndex();
    const QString typed = box.currentText();
    if (index < 0 || box.itemText(index) == typed) {
        return index;
    }
    QLineEdit* edit = box.lineEdit();
    const int cursor = edit != nullptr ? edit->cursorPosition() : 0;
    {
        // Dropping the entry empties the text part for a moment; the box's handlers would
        // see that passing state as an edit of its own.
        const QSignalBlocker quiet(box);
        box.setCurrentIndex(-1);
        box.setEditText(typed);
    }
    if (edit != nullptr) {
        edit->setCursorPosition(cursor);
    }
    return -1;
}

void markNotApplied(QComboBox& box, const QString& note) {
    if (note == notAppliedNote(box)) {
        return;
    }
    QAction* mark = markOf(box);
    if (mark == nullptr && !note.isEmpty() && box.lineEdit() != nullptr) {
        mark =
            new QAction(box.style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), &box);
        mark->setObjectName(QLatin1String(markName));
        box.lineEdit()->addAction(mark, QLineEdit::TrailingPosition);
    }
    if (mark != nullptr) {
        mark->setText(note);
        mark->setVisible(!note.isEmpty());
    }
    box.setToolTip(note);
    box.setAccessibleDescription(note);
}

QString notAppliedNote(const QComboBox& box) {
    const QAction* mark = markOf(box);
    return mark != nullptr && mark->isVisible() ? mark->text() : QString();
}

} // namespace toolkit
