#pragma once

#include "RosterWorkplace.h"
#include "StoredFighter.h"
#include "engine/Fighter.h"
#include "weapons/ChoiceOutcome.h"

namespace roster {

// The weapon a choice recorded, as the roster stores it. selectedRow is the row selected
// in the improvised- or unfamiliar-weapon window that chose it.
StoredWeapon storedWeapon(const weapons::ChosenWeapon& chosen, int selectedRow);

// What the fighter's panel holds now, under the name typed into it.
StoredFighter captureFighter(const RosterWorkplace& workplace, engine::Fighter fighter);

// Enters the stored fighter into the fighter's panel as a user would, through the same
// controls and so the same handlers: the name, the fields in the order of the Tab key
// (Stärke and Geschick are in the fight record before the weapon is chosen), the weapon
// with its window's choice and "OK", the armour drop-downs and "Altenativ", then
// "feuerempfindlich". Nothing is rolled.
void enterFighter(const StoredFighter& stored, const RosterWorkplace& workplace,
                  engine::Fighter fighter);

} // namespace roster
