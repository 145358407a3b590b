// Names for the scalar fields of the game state, for `global` and `print state`.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/syori.h"
#include "campaign/campaign.h"
#include "rules/battle.h"

namespace sorvane::lab {

std::vector<std::pair<std::string, std::string>> describeState(const Tsyori& state);

// Returns an error text, empty on success.
std::string setStateField(Tsyori& state, const std::string& name, const std::string& value);

// The battle's own scalars (phase, turn, result, input state, resolution
// context), in the order the battle declares them.
std::vector<std::pair<std::string, std::string>> describeBattle(const Battle& battle);

// The 23 lifetime record counters, in the order the records keep them.
std::vector<std::pair<std::string, std::string>> describeRecords(const RecordCounters& records);

// Sets a battle field, a record counter or the campaign's BP. Returns false
// when `name` is none of them; `error` is then untouched.
bool setBattleField(Battle& battle, Campaign& campaign, const std::string& name, const std::string& value,
                    std::string& error);

// Grids the lab can print: the cell (x, y) of grid `name` as text, or false
// when there is no such grid.
bool gridCell(const Tsyori& state, const std::string& name, int x, int y, std::string& cell);

}  // namespace sorvane::lab
