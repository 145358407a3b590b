// A short campaign played by the computer: the scenes come in the order of
// the story, and the same seed plays the same campaign.
#include "campaign/campaign_autoplay.h"

#include <vector>

#include "campaign/scenes.h"
#include "campaign_fixture.h"

namespace sorvane {
namespace {

struct ShortRun {
  CampaignRun run;
  std::vector<i32> scenes;
  std::vector<CampaignBattle> battles;
};

// One try per stage and no training: the run ends at the first stage lost.
ShortRun playShortCampaign() {
  auto s = newGame();
  s->gameDir = SORVANE_GAME_DIR;
  Campaign c;
  ShortRun r;
  c.playScene = [&](i32 n) { r.scenes.push_back(n); };
  CampaignAutoplay options;
  options.retries = 0;
  options.rounds = 1;
  options.onBattle = [&](const CampaignBattle& b) { r.battles.push_back(b); };
  r.run = playCampaign(*s, c, 1, 0, 0, options);
  return r;
}

TEST(CampaignAutoplay, ScenesFollowTheStoryAndTheSameSeedPlaysTheSameCampaign) {
  const ShortRun r = playShortCampaign();
  ASSERT_GE(r.run.battles, 1);
  ASSERT_LE(r.run.reached, 14) << "one try per stage does not get through the campaign";
  std::vector<i32> expected = {scene::Prologue};
  for (i32 stage = 0; stage <= r.run.reached; ++stage) expected.push_back(scene::beforeStage(stage));
  EXPECT_EQ(r.scenes, expected);
  ASSERT_EQ(int(r.battles.size()), r.run.battles);
  for (std::size_t i = 0; i < r.battles.size(); ++i) {
    EXPECT_EQ(r.battles[i].stage, i32(i));
    EXPECT_EQ(r.battles[i].result == Won, i + 1 < r.battles.size());
  }
  EXPECT_FALSE(r.run.completed);

  const ShortRun again = playShortCampaign();
  EXPECT_EQ(again.run.hash, r.run.hash);
  EXPECT_EQ(again.scenes, r.scenes);
}

}  // namespace
}  // namespace sorvane
