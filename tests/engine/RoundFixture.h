#pragma once

#include "FakeRoundWindow.h"
#include "engine/CombatState.h"
#include "engine/DiceGenerator.h"
#include "engine/Round.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <string>

// Attack and defence totals of both fighters in one round.
struct Totals {
    std::int32_t attack1;
    std::int32_t defence1;
    std::int32_t attack2;
    std::int32_t defence2;
};

// A fresh fight on a fresh window with the dice at their start, as after program start.
class RoundFixture : public ::testing::Test {
protected:
    engine::RoundReport play() { return engine::generateRound(state, dice, window); }

    void enterStandardValues() { ::enterStandardValues(window); }

    // Prepares the next round so that its totals come out as given and each fighter
    // deals the given damage: the damage codes are left unrecognised, so the stored
    // damage rolls stay, and the skills are chosen against the dice to come.
    void arrangeRound(Totals totals, std::int32_t damage1, std::int32_t damage2) {
        window.label("Label11") = "0";
        window.label("Label41") = "0";
        state.fighter1.damageRoll = damage1;
        state.fighter2.damageRoll = damage2;
        engine::DiceGenerator upcoming = dice;
        const std::int32_t attackDie1 = upcoming.rollW20();
        const std::int32_t defenceDie1 = upcoming.rollW20();
        const std::int32_t attackDie2 = upcoming.rollW20();
        const std::int32_t defenceDie2 = upcoming.rollW20();
        window.label("Label47") = std::to_string(totals.attack1 - attackDie1);
        window.label("Label58") = std::to_string(totals.defence1 - defenceDie1);
        window.label("Label48") = std::to_string(totals.attack2 - attackDie2);
        window.label("Label59") = std::to_string(totals.defence2 - defenceDie2);
    }

    // The labels a round writes, by object name.
    std::map<std::string, std::string> resultLabels() const {
        std::map<std::string, std::string> texts;
        for (const char* name : {"Label22", "Label23", "Label25", "Label26", "Label28", "Label29",
                                 "Label49", "Label50", "Label51", "Label52", "Label60", "Label61",
                                 "Label62", "Label63", "Label64"}) {
            texts[name] = window.label(name);
        }
        return texts;
    }

    engine::CombatState state;
    engine::DiceGenerator dice;
    FakeRoundWindow window;
};
