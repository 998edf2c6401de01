#pragma once

#include "ValueRows.h"
#include "engine/Fighter.h"

#include <array>

namespace ui {

// The object names of one fighter's controls in the main window, besides the labels and
// the check box the round reads or writes, which the engine names (engine::controlsOf).
struct FighterControlNames {
    const char* panel;
    const char* nameCaption;
    const char* nameEdit;
    std::array<const char*, valueRowCount> valueCaptions; // in row order
    std::array<const char*, valueRowCount> valueEdits;    // in row order
    const char* weaponHeading;
    const char* alternativesHeading;
    const char* weaponList;
    const char* improvisedButton;
    const char* unfamiliarButton;
    const char* armourClassBox;
    const char* protectionBox;
    const char* alternativeArmour;
    const char* damageBox;
    const char* attackTypeBox;
    // In the event panel: the fighter's row caption in each of the four blocks, and the
    // labels of the attributes block.
    std::array<const char*, 4> eventRowCaptions;
    const char* armour;
    const char* strength;
    const char* dexterity;
    const char* agility;
};

// Fighter 2's life-points field is Edit9 and its endurance field Edit8: the rows follow
// the panel, not the numbers.
inline constexpr std::array<FighterControlNames, 2> fighterControlNames{{
    {"GroupBox1",
     "NameLabel1",
     "NameEdit1",
     {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"},
     {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"},
     "Label9",
     "Label32",
     "ListBox1",
     "Button5",
     "Button6",
     "ComboBox1",
     "ComboBox3",
     "CheckBox1",
     "GroupBox4",
     "GroupBox6",
     {"Label19", "Label42", "Label53", "Label65"},
     "Label71",
     "Label73",
     "Label75",
     "Label77"},
    {"GroupBox2",
     "NameLabel2",
     "NameEdit2",
     {"Label12", "Label13", "Label14", "Label15", "Label18", "Label17", "Label16"},
     {"Edit9", "Edit8", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14"},
     "Label30",
     "Label34",
     "ListBox2",
     "Button7",
     "Button8",
     "ComboBox2",
     "ComboBox4",
     "CheckBox2",
     "GroupBox5",
     "GroupBox7",
     {"Label20", "Label43", "Label54", "Label66"},
     "Label72",
     "Label74",
     "Label76",
     "Label78"},
}};

constexpr const FighterControlNames& namesOf(engine::Fighter fighter) {
    return fighterControlNames[engine::indexOf(fighter)];
}

} // namespace ui
