// Whole battles with the computer on both sides, on real stages and maps:
// they keep the rules (no unit on two cells, no HP above the maximum, no
// action without its per-phase counter) and the same seed gives the same
// battle.
#include <gtest/gtest.h>

#include "ai/auto_battle.h"
#include "ai/opponent.h"
#include "campaign/trial_battle.h"
#include "rules/recording_presenter.h"

namespace sorvane::testing {
namespace {

class AutoBattles : public ::testing::TestWithParam<i32> {
 protected:
  AutoBattles() : battle(state, presenter) {
    Tdeta& d = *state.D;
    d.InitSkills();
    d.InitAbilities();
    d.InitCreatures();
    state.gameDir = SORVANE_GAME_DIR;
    state.maxX = kMapW - 1;
    state.maxY = kMapH - 1;
    fillGrid(state.unitAt, i32{-1});
    fillGrid(state.unitAtW, i32{-1});
    for (Tcst& entry : d.creatures) entry.Lv = 20;
    for (int owned : {0, 25, 92}) d.acquired[owned] = 1;
    state.SetK(0, kFirstMaster, 0);
    state.SetK(1, 25, 0);
    state.SetK(2, 92, 0);
    state.stageNo = -1;
    state.mapNo = -1;
    installOpponent(battle);
  }

  Tsyori state;
  Campaign campaign;
  Presenter presenter;  // shows nothing
  Battle battle;
};

TEST_P(AutoBattles, KeepTheRulesAndRepeatWithTheSameSeed) {
  const i32 stage = GetParam();
  const AutoBattle first = playTrialBattle(battle, campaign, stage, 7, 30);
  EXPECT_EQ(first.violations, 0) << first.firstViolation;
  EXPECT_GE(first.turns, 1);
  EXPECT_FALSE(first.decisionMs.empty());
  EXPECT_TRUE(first.result != Running || first.turns >= 30);

  const AutoBattle again = playTrialBattle(battle, campaign, stage, 7, 30);
  EXPECT_EQ(again.hash, first.hash);
  EXPECT_EQ(again.result, first.result);
  EXPECT_EQ(again.turns, first.turns);
  EXPECT_EQ(again.decisionMs.size(), first.decisionMs.size());
}

INSTANTIATE_TEST_SUITE_P(Stages, AutoBattles, ::testing::Values(0, 4, 9, 14, 52, 61, 100, 300, 500, 800));

TEST(AutoBattleStages, EveryStoryStageAndTheFirstPartyOfEveryGroup) {
  const std::vector<i32> stages = autoBattleStages();
  EXPECT_EQ(stages.front(), 0);
  EXPECT_EQ(stages.back(), 800);
  EXPECT_TRUE(autoBattleStageExists(69));
  EXPECT_TRUE(autoBattleStageExists(801));
  EXPECT_FALSE(autoBattleStageExists(15));
  EXPECT_FALSE(autoBattleStageExists(900));
}

TEST(DecisionFigures, MedianNearestRankPercentileAndMaximum) {
  const DecisionFigures f = decisionFigures({5, 1, 4, 2, 3, 10, 6, 7, 8, 9});
  EXPECT_DOUBLE_EQ(f.median, 5.5);
  EXPECT_DOUBLE_EQ(f.p95, 10);
  EXPECT_DOUBLE_EQ(f.max, 10);
  EXPECT_DOUBLE_EQ(decisionFigures({}).max, 0);
}

}  // namespace
}  // namespace sorvane::testing
