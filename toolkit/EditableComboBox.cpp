#include "EditableComboBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace toolkit {

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

} // namespace toolkit
