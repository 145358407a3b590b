#include "campaign/flow.h"

#include "campaign/scenes.h"

namespace sorvane::flow {

AfterBattle whatFollows(i32 battleResult, bool storyBattle, i32 storyStage, bool retry) {
  if (battleResult == Won) {
    if (!storyBattle) return AfterBattle::Preparation;
    return storyStage == kLastCampaignStage || storyStage == kLastExtraStage ? AfterBattle::Credits
                                                                             : AfterBattle::NextStage;
  }
  if (asksRetry(battleResult) && retry) return AfterBattle::Retry;
  return AfterBattle::Preparation;
}

i32 endingScene(i32 storyStage) {
  if (storyStage == kLastCampaignStage) return scene::CampaignEnding;
  if (storyStage == kLastExtraStage) return scene::ExtraEnding;
  return -1;
}

i32 openingScene(i32 storyStage) {
  if (storyStage >= 0 && storyStage <= kLastCampaignStage) return scene::beforeStage(storyStage);
  if (storyStage == kFirstExtraStage) return scene::ExtraOpening;
  return -1;
}

}  // namespace sorvane::flow
