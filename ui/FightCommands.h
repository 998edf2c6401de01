#pragma once

namespace ui {

class TForm1;

// "Standartwerte für jeden Kämpfer": typical values for both fighters. Only fields whose
// text changes run their change handler, so pressing it twice changes nothing.
void fillStandardValues(TForm1& window);

// The display half of "Neu: Kampf 1 gegen 1": every value label and both DamageCodes
// back to "0", every value field to "0", both attack types empty.
void resetFightDisplay(TForm1& window);

// The display half of "Revanche": each fighter's life, endurance, attack and defence value
// back to the text of its field, the round's rolls, totals and damage to "0"; weapons,
// armour and attributes stay.
void resetRematchDisplay(TForm1& window);

} // namespace ui
