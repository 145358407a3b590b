// The end of a battle, run from the top of the stack once the order that
// decided it has returned: the rewards, the reset of the unit records, and
// where the campaign goes next (the next stage, the credits, or the
// preparation screen with an offer to retry).
#include <string>

#include "campaign/campaign.h"
#include "campaign/flow.h"
#include "campaign/rewards.h"

namespace sorvane {

namespace {

constexpr i32 kMaxBP = 999;

void backToPreparation(Battle& b) {
  b.s.storyBattle = 0;
  b.s.stageNo = -1;
  b.s.mapNo = -1;
  b.view->BGM(Music::preparation());
  b.view->showPage(Page::Preparation);
  b.view->EnabledCheck(true);
  b.setZokuseiti();
}

// A won story battle: the story goes on, or, after the last stage of the
// campaign or of the extra stages, its ending scene and the credits.
void nextStoryStage(Battle& b, Campaign& c, AfterBattle next) {
  Tsyori& s = b.s;
  const i32 won = s.storyStage;
  s.storyBattle = 0;
  s.stageNo = -1;
  s.mapNo = -1;
  ++s.storyStage;
  if (next == AfterBattle::Credits) {
    if (c.saveProgress) c.saveProgress();
    s.storyStage = 0;
    c.scene(flow::endingScene(won));
    b.view->BGM(Music::credits());
    b.view->showPage(kCreditsPage);
  } else {
    b.view->BGM(Music::preparation());
    b.view->showPage(Page::Preparation);
  }
  b.view->EnabledCheck(true);
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

  bool retry = false;
  if (flow::asksRetry(b.battleResult)) {
    b.view->SE(Sound::Open);
    retry = b.view->question("もう一度挑戦しますか？");
    b.view->SE(retry ? Sound::Confirm : Sound::Cancel);
  }
  const AfterBattle next = flow::whatFollows(b.battleResult, b.s.storyBattle == 1, b.s.storyStage, retry);
  switch (next) {
    case AfterBattle::NextStage:
    case AfterBattle::Credits: nextStoryStage(b, *this, next); break;
    case AfterBattle::Retry:
      // The same stage on the same map once more, from turn 0 with the same team first.
      b.s.StageSetup();
      b.restartBattle();
      break;
    case AfterBattle::Preparation: backToPreparation(b); break;
  }
  return next;
}

AfterBattle Campaign::finishBattle(Battle& b) {
  AfterBattle next = AfterBattle::Retry;
  while (b.resultPending()) next = BMend(b);
  return next;
}

}  // namespace sorvane
