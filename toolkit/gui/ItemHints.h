#pragma once

class QComboBox;
class QListWidget;

namespace toolkit {

// The tooltip of each entry of a list (a weapon's minimums) also for the keyboard: a
// screen reader reads it as the entry's description, and moving to an entry with the
// keys shows it beside the entry. Call after the entries are added.
void exposeItemHints(QListWidget* list);

// The same for the entries of a drop-down, whose tooltips (Qt::ToolTipRole) show in its
// open list. The box's own tooltip is left alone.
void exposeItemHints(QComboBox* box);

} // namespace toolkit
