// A game as it stands when the program has started and no save is loaded:
// the catalogues filled, every entry at level 10, creatures 25 and 92 owned,
// the first master character open, and the player's master the warrior of
// that character. The next battle chooses its stage and map.
#pragma once

#include "campaign/campaign.h"
#include "data/syori.h"

namespace sorvane {

// Fills `s` from scratch, keeping its generator and its game folder.
void SetUpNewGame(Tsyori& s);

// The new-game reset once a job and character are chosen: skills and
// abilities forgotten, the catalogue refilled at level 10, creatures 25 and
// 92 acquired and placed in circles 1 and 2, the story from stage 0. BP and
// the collection and unlock flags stay.
void AAA(Tsyori& s, Campaign& c);
// The extra stages: every entry at level 50, the master of the first cleared
// job (character アリス), empty circles, the story at stage 50. Skills,
// abilities, BP and flags stay.
void UUU(Tsyori& s, Campaign& c);

}  // namespace sorvane
