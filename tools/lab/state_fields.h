// Names for the scalar fields of the game state, for `global` and `print state`.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/syori.h"

namespace sorvane::lab {

std::vector<std::pair<std::string, std::string>> describeState(const Tsyori& state);

// Returns an error text, empty on success.
std::string setStateField(Tsyori& state, const std::string& name, const std::string& value);

// Grids the lab can print: the cell (x, y) of grid `name` as text, or false
// when there is no such grid.
bool gridCell(const Tsyori& state, const std::string& name, int x, int y, std::string& cell);

}  // namespace sorvane::lab
