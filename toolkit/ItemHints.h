#pragma once

class QListWidget;

namespace toolkit {

// The tooltip of each entry of a list (a weapon's minimums) also for the keyboard: a
// screen reader reads it as the entry's description, and moving to an entry with the
// keys shows it beside the entry. Call after the entries are added.
void exposeItemHints(QListWidget* list);

} // namespace toolkit
