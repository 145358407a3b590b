// What follows a battle, decided in one place: the next story stage, the
// credits after the last stage of the campaign or of the extra stages, a
// retry of the same stage, or the preparation screen.
//
//   result                      story battle             free battle
//   won                         next stage; credits      preparation
//                               after stage 14 and 69
//   lost, drawn, surrendered    retry when the player    retry when the player
//                               says yes, else           says yes, else
//                               preparation              preparation
#pragma once

#include "campaign/campaign.h"

namespace sorvane::flow {

inline constexpr i32 kLastCampaignStage = 14;
inline constexpr i32 kFirstExtraStage = 50;
inline constexpr i32 kLastExtraStage = 69;

// `storyStage` is the stage the battle was fought on; `retry` the answer to
// "もう一度挑戦しますか？" (asked only after a battle that was not won).
AfterBattle whatFollows(i32 battleResult, bool storyBattle, i32 storyStage, bool retry);

// Whether the player is asked to retry after this result.
inline bool asksRetry(i32 battleResult) {
  return battleResult == Lost || battleResult == Draw || battleResult == Surrendered;
}

// The story scene before the credits once `storyStage` is won, -1 for none.
i32 endingScene(i32 storyStage);

// The story scene when the player goes on to story stage `storyStage`, -1 for none.
i32 openingScene(i32 storyStage);

}  // namespace sorvane::flow
