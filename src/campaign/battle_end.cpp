// The end of a battle, run from the top of the stack once the order that
// decided it has returned: the rewards, the reset of the unit records, and
// where the campaign goes next (the next stage, the credits, or the
// preparation screen with an offer to retry).
#include <string>

#include "campaign/campaign.h"
#include "campaign/rewards.h"

namespace sorvane {

namespace {

constexpr i32 kMaxBP = 999;
constexpr i32 kCreditsAfterCampaign = 15;  // storyStage once the last stage is won
constexpr i32 kCreditsAfterExtras = 70;

void backToPreparation(Battle& b) {
  b.s.storyBattle = 0;
  b.s.stageNo = -1;
  b.s.mapNo = -1;
  b.view->BGM(Music::preparation());
  b.view->showPage(Page::Preparation);
  b.view->EnabledCheck(true);
  b.setZokuseiti();
}

AfterBattle nextStoryStage(Battle& b, Campaign& c) {
  Tsyori& s = b.s;
  s.storyBattle = 0;
  s.stageNo = -1;
  s.mapNo = -1;
  ++s.storyStage;
  AfterBattle next = AfterBattle::NextStage;
  if (s.storyStage == kCreditsAfterCampaign || s.storyStage == kCreditsAfterExtras) {
    if (c.saveProgress) c.saveProgress();
    s.storyStage = 0;
    b.view->BGM(Music::credits());
    b.view->showPage(kCreditsPage);
    next = AfterBattle::Credits;
  } else {
    b.view->BGM(Music::preparation());
    b.view->showPage(Page::Preparation);
  }
  b.view->EnabledCheck(true);
  return next;
}

}  // namespace

AfterBattle Campaign::BMend(Battle& b) {
  b.endHandled = 1;
  rewards::countBattle(b);

  const i32 enemyLevel = rewards::highestEnemyLevel(b);
  const i32 deadEnemies = rewards::deadEnemyCreatures(b);
  std::string report = rewards::payExperience(b, enemyLevel, deadEnemies);

  i32 bp = b.battleResult == Won ? (b.s.storyBattle == 1 ? 15 : 10) : 0;
  bp += deadEnemies;
  BP = BP > kMaxBP - bp ? kMaxBP : BP + bp;
  b.view->SE(Sound::Open);
  report += std::to_string(bp) + "のBPを得ました。";
  if (bp > 0) {
    b.view->message(report);
    b.view->SE(Sound::Confirm);
  }

  rewards::levelUp(b);
  if (b.battleResult == Won) rewards::winnersRewards(b, *this);
  rewards::resetUnits(b);

  if (b.battleResult == Won && b.s.storyBattle == 1) return nextStoryStage(b, *this);
  if (b.battleResult == Lost || b.battleResult == Draw || b.battleResult == Surrendered) {
    b.view->SE(Sound::Open);
    if (b.view->question("もう一度挑戦しますか？")) {
      // The same stage on the same map once more, from turn 0 with the same team first.
      b.view->SE(Sound::Confirm);
      b.s.StageSetup();
      b.restartBattle();
      return AfterBattle::Retry;
    }
    b.view->SE(Sound::Cancel);
  }
  backToPreparation(b);
  return AfterBattle::Preparation;
}

AfterBattle Campaign::finishBattle(Battle& b) {
  AfterBattle next = AfterBattle::Retry;
  while (b.resultPending()) next = BMend(b);
  return next;
}

}  // namespace sorvane
