// The story scenes the campaign plays between battles. Scene N is the script
// "story<N>.dat" in dat.qda; the campaign calls Campaign::playScene with one of
// these numbers, and the window plays the script (the lab prints `scene N`).
#pragma once

#include "data/types.h"

namespace sorvane::scene {

inline constexpr i32 Prologue = 100;       // a new game is set up ("#settei")
inline constexpr i32 CampaignEnding = 15;  // the last campaign stage is won ("#roll")
inline constexpr i32 ExtraOpening = 50;    // before the first extra stage ("#sentou")
inline constexpr i32 ExtraEnding = 70;     // the last extra stage is won ("#roll")

// The scene before the battle of campaign stage N (0..14) ("#sentou").
constexpr i32 beforeStage(i32 stage) { return stage; }

}  // namespace sorvane::scene
