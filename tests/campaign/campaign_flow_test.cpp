// What follows a battle: every result of a story or free battle, with and
// without a retry, runs through the battle end to its next stage, retry,
// preparation screen or credits, with the story scenes in their places.
#include <string>
#include <vector>

#include "campaign/flow.h"
#include "campaign/scenes.h"
#include "rules/battle_fixture.h"

namespace sorvane::testing {
namespace {

struct FlowCase {
  const char* name;
  i32 result;
  byte story;
  i32 stage;
  bool retry;
  AfterBattle next;
  i32 storyStageAfter;
  std::vector<i32> scenes;
  const char* lastPage;  // the last page shown, "" when the battle runs on
};

class FlowRun : public BattleFixture {
 public:
  void TestBody() override {}
  using BattleFixture::battle;
  using BattleFixture::campaign;
  using BattleFixture::presenter;
  using BattleFixture::put;
  using BattleFixture::state;
};

TEST(CampaignFlow, EveryResultGoesItsWay) {
  const std::vector<FlowCase> cases = {
      {"story won", Won, 1, 3, false, AfterBattle::NextStage, 4, {}, "PAGE 2"},
      {"last campaign stage won", Won, 1, 14, false, AfterBattle::Credits, 0, {scene::CampaignEnding}, "PAGE 1"},
      {"extra stage won", Won, 1, 55, false, AfterBattle::NextStage, 56, {}, "PAGE 2"},
      {"last extra stage won", Won, 1, 69, false, AfterBattle::Credits, 0, {scene::ExtraEnding}, "PAGE 1"},
      {"free battle won", Won, 0, 14, false, AfterBattle::Preparation, 14, {}, "PAGE 2"},
      {"story lost, no retry", Lost, 1, 6, false, AfterBattle::Preparation, 6, {}, "PAGE 2"},
      {"story lost, retried", Lost, 1, 6, true, AfterBattle::Retry, 6, {}, ""},
      {"story drawn, retried", Draw, 1, 6, true, AfterBattle::Retry, 6, {}, ""},
      {"story drawn, no retry", Draw, 1, 6, false, AfterBattle::Preparation, 6, {}, "PAGE 2"},
      {"surrendered, retried", Surrendered, 1, 14, true, AfterBattle::Retry, 14, {}, ""},
      {"surrendered, no retry", Surrendered, 1, 14, false, AfterBattle::Preparation, 14, {}, "PAGE 2"},
      {"free battle lost, retried", Lost, 0, 2, true, AfterBattle::Retry, 2, {}, ""},
      {"free battle lost, no retry", Lost, 0, 2, false, AfterBattle::Preparation, 2, {}, "PAGE 2"},
  };
  for (const FlowCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(flow::whatFollows(c.result, c.story == 1, c.stage, c.retry), c.next);

    FlowRun t;
    t.state.gameDir = SORVANE_GAME_DIR;
    t.put(0, kFirstMaster, 10, 2, 2);
    t.put(16, kFirstMaster + 1, 10, 15, 11);
    t.state.storyBattle = c.story;
    t.state.storyStage = c.stage;
    t.state.stageNo = c.story ? c.stage : 101;
    t.state.mapNo = 0;
    std::vector<i32> scenes;
    t.campaign.playScene = [&](i32 n) { scenes.push_back(n); };
    t.presenter.answers.push_back(c.retry);
    t.battle.battleResult = c.result;
    EXPECT_EQ(t.campaign.BMend(t.battle), c.next);
    EXPECT_EQ(t.state.storyStage, c.storyStageAfter);
    EXPECT_EQ(scenes, c.scenes);
    const bool asked = !t.presenter.matching("QUESTION もう一度挑戦しますか？").empty();
    EXPECT_EQ(asked, c.result != Won);
    const std::vector<std::string> pages = t.presenter.matching("PAGE ");
    if (c.next == AfterBattle::Retry) {
      EXPECT_TRUE(pages.empty());
      EXPECT_EQ(t.battle.battleResult, Running) << "the same stage runs again";
    } else {
      ASSERT_FALSE(pages.empty());
      EXPECT_EQ(pages.back(), c.lastPage);
    }
  }
}

TEST(CampaignFlow, ScenesOpenTheCampaignStagesAndTheFirstExtraStage) {
  EXPECT_EQ(flow::openingScene(0), 0);
  EXPECT_EQ(flow::openingScene(14), 14);
  EXPECT_EQ(flow::openingScene(50), scene::ExtraOpening);
  EXPECT_EQ(flow::openingScene(51), -1);
  EXPECT_EQ(flow::endingScene(13), -1);
}

}  // namespace
}  // namespace sorvane::testing
