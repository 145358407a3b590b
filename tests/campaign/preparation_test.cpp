// The preparation screen's operations: prices, refusals that change nothing,
// learning and forgetting, the new-game reset and the extra-stage set-up.
#include "campaign/preparation.h"

#include <functional>
#include <string>
#include <vector>

#include "campaign/scenes.h"
#include "campaign_fixture.h"
#include "rules/recording_presenter.h"
#include "state_hash.h"

namespace sorvane {
namespace {

constexpr i32 kYukinko = 36;  // 雪ん子: summon time 1, cost 3
constexpr i32 kKou = 25;
constexpr i32 kMakara = 92;
const i32 kWarrior = masterEntry(0, 0);

// A new game's party with the screen's operations over it.
struct Party {
  std::unique_ptr<Tsyori> state = newGame();
  Campaign campaign;
  RecordingPresenter screen;
  prep::Preparation p{*state, campaign, screen};

  Tdeta& d() { return *state->D; }
  Tcst& entry(i32 e) { return d().creatures[e]; }
  std::uint64_t hash() { return lab::stateHash(*state) ^ std::uint64_t(campaign.BP) * 0x9E3779B97F4A7C15ULL; }
  int learned(i32 e) {
    int n = 0;
    for (std::size_t i = 0; i < entry(e).SkL.size(); ++i) n += entry(e).SkL[i] != 0;
    return n;
  }
  // The first skill row of entry `e` in the state `learnedFlag`.
  int row(i32 e, byte learnedFlag) {
    for (std::size_t i = 0; i < entry(e).Sk.size(); ++i)
      if (entry(e).Sk[i] != 0 && entry(e).SkL[i] == learnedFlag) return int(i);
    return -1;
  }
  // Gives entry e exactly `n` learned skills, the others learnable.
  void learnedCount(i32 e, int n) {
    std::vector<byte> flags(entry(e).Sk.size(), 0);
    for (int i = 0; i < n && i < int(flags.size()); ++i) flags[flags.size() - 1 - i] = 1;
    entry(e).SkL = SharedArray<byte>(flags);
  }
};

class PreparationTest : public ::testing::Test, public Party {};

TEST_F(PreparationTest, AcquiringCostsSummonTimeAndCostAndTakesTheMastersLevel) {
  EXPECT_EQ(prep::acquirePrice(entry(kYukinko)), (entry(kYukinko).SumT + entry(kYukinko).SumC - 1) * 5);
  d().defeated[kYukinko] = 1;
  entry(kWarrior).Lv = 17;
  campaign.BP = prep::acquirePrice(entry(kYukinko));
  screen.answers.push_back(true);
  ASSERT_TRUE(p.acquire(kYukinko).done());
  EXPECT_EQ(campaign.BP, 0);
  EXPECT_EQ(d().acquired[kYukinko], 1);
  EXPECT_EQ(entry(kYukinko).Lv, 17);
  EXPECT_EQ(screen.matching("QUESTION").front(), "QUESTION BPを[15]消費して[雪ん子]を取得します。");
  EXPECT_EQ(screen.calls.back(), "SE 13");
}

// Every refusal shows the game's message and leaves the game exactly as it was,
// and so does every question answered no.
TEST_F(PreparationTest, RefusalsAndNoAnswersChangeNothing) {
  struct Case {
    const char* name;
    std::function<void(Party&)> setUp;
    std::function<prep::Result(Party&)> run;
    prep::Outcome outcome;
    const char* message;
  };
  const i32 kou = kKou;
  const std::vector<Case> cases = {
      {"acquire without the BP",
       [](Party& t) {
         t.d().defeated[kYukinko] = 1;
         t.campaign.BP = 14;
       },
       [](Party& t) { return t.p.acquire(kYukinko); }, prep::Outcome::Refused,
       "[雪ん子]を取得するには[15]のBPが必要です。"},
      {"acquire answered no",
       [](Party& t) {
         t.d().defeated[kYukinko] = 1;
         t.campaign.BP = 99;
       },
       [](Party& t) { return t.p.acquire(kYukinko); }, prep::Outcome::Cancelled, ""},
      {"acquire a creature never defeated", [](Party& t) { t.campaign.BP = 99; },
       [](Party& t) { return t.p.acquire(kYukinko); }, prep::Outcome::Refused, nullptr},
      {"a sixth creature skill",
       [kou](Party& t) {
         t.learnedCount(kou, 5);
         t.campaign.BP = 999;
       },
       [kou](Party& t) { return t.p.learnSkill(kou, t.row(kou, 0)); }, prep::Outcome::Refused,
       "クリーチャーが覚えられる技は5つまでです。"},
      {"a ninth master skill",
       [](Party& t) {
         t.learnedCount(kWarrior, 8);
         t.campaign.BP = 999;
       },
       [](Party& t) { return t.p.learnSkill(kWarrior, t.row(kWarrior, 0)); }, prep::Outcome::Refused,
       "マスターが覚えられる技は8つまでです。"},
      {"a skill without the BP", [](Party& t) { t.campaign.BP = 0; },
       [](Party& t) { return t.p.learnSkill(kWarrior, t.row(kWarrior, 0)); }, prep::Outcome::Refused,
       "BPが足りません。"},
      {"a skill answered no", [](Party& t) { t.campaign.BP = 999; },
       [](Party& t) { return t.p.learnSkill(kWarrior, t.row(kWarrior, 0)); }, prep::Outcome::Cancelled, ""},
      {"forgetting answered no", [](Party&) {}, [](Party& t) { return t.p.forgetSkill(kWarrior, t.row(kWarrior, 1)); },
       prep::Outcome::Cancelled, ""},
      {"a third ability",
       [](Party& t) {
         t.campaign.BP = 99;
         std::vector<i32> states = t.entry(kWarrior).AbL.toVector();
         states[1] = 1;  // innate 0 and a learned one: two held
         t.entry(kWarrior).AbL = SharedArray<i32>(states);
       },
       [](Party& t) { return t.p.toggleAbility(kWarrior, 2); }, prep::Outcome::Refused,
       "マスターが覚えられる特殊能力は2つまでです。"},
      {"an ability without the BP", [](Party& t) { t.campaign.BP = 4; },
       [](Party& t) { return t.p.toggleAbility(kWarrior, 1); }, prep::Outcome::Refused, "BPが足りません。"},
      {"an innate ability", [](Party& t) { t.campaign.BP = 99; }, [kou](Party& t) { return t.p.toggleAbility(kou, 0); },
       prep::Outcome::Refused, nullptr},
      {"a creature already in another circle", [kou](Party& t) { t.state->SetK(1, kou, 0); },
       [kou](Party& t) { return t.p.place(3, kou); }, prep::Outcome::Refused, nullptr},
      {"removing from an empty circle", [](Party&) {}, [](Party& t) { return t.p.remove(4); }, prep::Outcome::Refused,
       nullptr},
      {"a job outside the extra stages", [](Party& t) { t.d().jobOpen[2] = 1; },
       [](Party& t) { return t.p.chooseMaster(2, 0); }, prep::Outcome::Refused, nullptr},
      {"a job not cleared", [](Party& t) { t.state->storyStage = 50; }, [](Party& t) { return t.p.chooseMaster(2, 0); },
       prep::Outcome::Refused, nullptr},
      {"a character not open", [](Party& t) { t.state->storyStage = 50; },
       [](Party& t) { return t.p.chooseMaster(0, 3); }, prep::Outcome::Refused, nullptr},
      {"the extra stages answered no", [](Party& t) { t.d().jobOpen[0] = 1; },
       [](Party& t) { return t.p.enterExtraStages(); }, prep::Outcome::Cancelled, ""},
      {"the extra stages before any clear", [](Party&) {}, [](Party& t) { return t.p.enterExtraStages(); },
       prep::Outcome::Refused, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Party t;
    c.setUp(t);
    const std::uint64_t before = t.hash();
    const i32 bpBefore = t.campaign.BP;
    const prep::Result r = c.run(t);
    EXPECT_EQ(r.outcome, c.outcome);
    if (c.message) {
      EXPECT_EQ(r.message, c.message);
    }
    if (c.message && *c.message) {
      EXPECT_EQ(t.screen.matching("MESSAGE ").back(), std::string("MESSAGE ") + c.message);
      EXPECT_EQ(t.screen.matching("SE ").back(), "SE 8");
    }
    EXPECT_EQ(t.hash(), before);
    EXPECT_EQ(t.campaign.BP, bpBefore);
  }
}

TEST_F(PreparationTest, LearningCostsTheSkillsSpAndForgettingReturnsNothing) {
  const int r = row(kKou, 0);
  ASSERT_GE(r, 0);
  const i32 cost = d().skills[entry(kKou).Sk[r]].Cost;
  campaign.BP = cost + 3;
  screen.answers = {true, true};
  ASSERT_TRUE(p.learnSkill(kKou, r).done());
  EXPECT_EQ(campaign.BP, 3);
  EXPECT_EQ(entry(kKou).SkL[r], 1);
  ASSERT_TRUE(p.forgetSkill(kKou, r).done());
  EXPECT_EQ(entry(kKou).SkL[r], 0);
  EXPECT_EQ(campaign.BP, 3);
}

TEST_F(PreparationTest, AbilitiesCostFiveAndComeBackLearnable) {
  campaign.BP = 7;
  screen.answers = {true, true};
  ASSERT_TRUE(p.toggleAbility(kWarrior, 1).done());
  EXPECT_EQ(campaign.BP, 2);
  EXPECT_EQ(entry(kWarrior).AbL[1], 1);
  ASSERT_TRUE(p.toggleAbility(kWarrior, 1).done());
  EXPECT_EQ(entry(kWarrior).AbL[1], 2);
  EXPECT_EQ(campaign.BP, 2);
}

TEST_F(PreparationTest, PlacingAndRemovingFollowTheCollection) {
  ASSERT_TRUE(p.place(3, kKou).done());
  EXPECT_EQ(d().k[3].Type, kKou);
  ASSERT_TRUE(p.place(3, kYukinko).done()) << "a creature not acquired empties the circle";
  EXPECT_EQ(d().k[3].Type, 0);
  ASSERT_TRUE(p.place(4, kMakara).done());
  ASSERT_TRUE(p.remove(4).done());
  EXPECT_EQ(d().k[4].Type, 0);
}

TEST_F(PreparationTest, ANewGameKeepsBpAndTheCollectionAndStartsOver) {
  campaign.BP = 321;
  d().acquired[kYukinko] = 1;
  d().defeated[40] = 1;
  for (Tcst& e : d().creatures) e.Lv = 30;
  state->SetK(0, kWarrior, 0);
  state->SetK(3, kYukinko, 0);
  state->storyStage = 9;
  std::vector<i32> scenes;
  campaign.playScene = [&](i32 n) { scenes.push_back(n); };
  ASSERT_TRUE(p.newGame(4, 0).done());
  EXPECT_EQ(campaign.BP, 321);
  EXPECT_EQ(d().acquired[kYukinko], 1);
  EXPECT_EQ(d().defeated[40], 1);
  EXPECT_EQ(d().k[0].Type, masterEntry(0, 4));
  EXPECT_EQ(d().k[0].Lv, 10) << "the master starts at the new game's level";
  EXPECT_EQ(d().k[0].SH, MagicStone);
  EXPECT_EQ(d().k[1].Type, kKou);
  EXPECT_EQ(d().k[2].Type, kMakara);
  for (int i = 3; i <= 6; ++i) EXPECT_EQ(d().k[i].Type, 0);
  EXPECT_EQ(entry(kYukinko).Lv, 10);
  EXPECT_EQ(state->storyStage, 0);
  EXPECT_EQ(state->stageNo, -1);
  EXPECT_EQ(campaign.currentSlot, -1);
  EXPECT_EQ(scenes, std::vector<i32>{scene::Prologue});
}

TEST_F(PreparationTest, TheExtraStagesStartWithTheFirstClearedJobAtLevelFifty) {
  d().jobOpen[3] = 1;
  d().jobOpen[5] = 1;
  const int r = row(kWarrior, 0);
  std::vector<byte> flags = entry(kWarrior).SkL.toVector();
  flags[r] = 1;
  entry(kWarrior).SkL = SharedArray<byte>(flags);
  campaign.BP = 44;
  state->SetK(1, kKou, 0);
  screen.answers.push_back(true);
  ASSERT_TRUE(p.enterExtraStages().done());
  EXPECT_EQ(d().k[0].Type, masterEntry(0, 3));
  EXPECT_EQ(d().k[0].Lv, 50);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(d().k[i].Type, 0);
  EXPECT_EQ(state->storyStage, 50);
  EXPECT_EQ(entry(kWarrior).SkL[r], 1) << "skills stay";
  EXPECT_EQ(campaign.BP, 44);
  ASSERT_TRUE(p.chooseMaster(5, 0).done());
  EXPECT_EQ(d().k[0].Type, masterEntry(0, 5));
  EXPECT_FALSE(p.chooseExtraStage(7).done()) << "only once every extra stage has been won";
  d().extraOpen = 1;
  ASSERT_TRUE(p.chooseExtraStage(7).done());
  EXPECT_EQ(state->storyStage, 56);
}

}  // namespace
}  // namespace sorvane
