#pragma once

class QComboBox;

namespace toolkit {

// An editable drop-down keeps its last entry as the current one while the user edits the
// text part away from it, so anything reading the box (a screen reader, a test) would
// still see that entry. This drops the current entry unless the text still names it,
// keeping the typed text and the cursor. Returns the current entry afterwards, -1 for none.
int dropEntryUnlessTextNamesIt(QComboBox& box);

} // namespace toolkit
