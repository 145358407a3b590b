// A game as it stands when the program has started and no save is loaded:
// the catalogues filled, every entry at level 10, creatures 25 and 92 owned,
// the first master character open, and the player's master the warrior of
// that character. The next battle chooses its stage and map.
#pragma once

#include "data/syori.h"

namespace sorvane {

// Fills `s` from scratch, keeping its generator and its game folder.
void SetUpNewGame(Tsyori& s);

}  // namespace sorvane
