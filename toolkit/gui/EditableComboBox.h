#pragma once

class QComboBox;
class QString;

namespace toolkit {

// An editable drop-down keeps its last entry as the current one while the user edits the
// text part away from it, so anything reading the box (a screen reader, a test) would
// still see that entry. This drops the current entry unless the text still names it,
// keeping the typed text and the cursor. Returns the current entry afterwards, -1 for none.
int dropEntryUnlessTextNamesIt(QComboBox& box);

// Marks a drop-down whose shown entry is not in force: a warning sign at the end of its
// text part, note as its tooltip and, for screen readers, as its description. An empty
// note takes the mark away. The box's entries keep their own tooltips.
void markNotApplied(QComboBox& box, const QString& note);

// The note markNotApplied gave the box, empty when it carries no mark.
QString notAppliedNote(const QComboBox& box);

} // namespace toolkit
