// The end of a battle: records, experience and levels, BP, captures, unlocks,
// the reset of the unit records, where the campaign goes next, the retry,
// surrender, and the start of a battle.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "rules/battle_fixture.h"
#include "data/archive/qda_writer.h"

namespace sorvane::testing {
namespace {

constexpr int kKou = 25;       // コウ, a fire creature the player owns
constexpr int kMakara = 92;    // マカラ
constexpr int kYukinko = 36;   // 雪ん子: summon time 1, cost 3, always caught when drawn
constexpr int kPhoenix = 34;   // フェニックス: summon time 18, cost 15
const int kPlayerMage = masterEntry(0, Mage);

class BattleEnd : public BattleFixture {
 public:
  using BattleFixture::battle;
  using BattleFixture::campaign;
  using BattleFixture::k;
  using BattleFixture::presenter;
  using BattleFixture::put;
  using BattleFixture::state;

  BattleEnd() {
    battle.turn = 5;  // too late for the quick-win character
    put(0, kPlayerMage, 10, 2, 2);
    put(16, masterEntry(0, Warrior), 10, 15, 11);
    level(kPlayerMage, 10);
  }

  // The catalogue level and experience of an entry: rewards are written there.
  void level(int type, i32 lv, i32 exp = 0) {
    state.D->creatures[type].Lv = lv;
    state.D->creatures[type].Exp = exp;
  }
  Tcst& entry(int type) { return state.D->creatures[type]; }

  // An enemy creature in `slot` that died in the battle.
  void deadEnemy(int slot, int type = 3) {
    put(slot, type, 10, slot - 16, 0);
    k(slot).State = Dead;
    state.unitAt[slot - 16][0] = -1;
  }

  void end(i32 result) {
    battle.battleResult = result;
    campaign.BMend(battle);
  }

  std::string message() const {
    std::string all;
    for (const std::string& m : presenter.matching("MESSAGE ")) all += m.substr(8) + "|";
    return all;
  }
  bool said(const std::string& text) const { return message().find(text) != std::string::npos; }

  // The recorded sounds, music, boxes, questions and pages, boxes without their text.
  std::vector<std::string> flow() const {
    std::vector<std::string> out;
    for (const std::string& c : presenter.calls) {
      if (c.rfind("MESSAGE", 0) == 0) out.push_back("MESSAGE");
      else if (c.rfind("SE", 0) == 0 || c.rfind("BGM", 0) == 0 || c.rfind("QUESTION", 0) == 0 || c.rfind("PAGE", 0) == 0)
        out.push_back(c);
    }
    return out;
  }

  const RecordCounters& rec() const { return state.D->records; }

  // Every creature slot of the first enemy master holds `type`, not yet owned.
  void enemySlots(int type) {
    for (int slot = 17; slot <= 22; ++slot) put(slot, type, 10, slot - 16, 13);
    state.D->acquired[type] = 0;
  }
};

// A fresh battlefield for one row of a table.
struct EndCase : BattleEnd {
  void TestBody() override {}
};

// --- Which way a result goes ----------------------------------------------

struct ResultCase {
  const char* name;
  i32 result;
  byte story;
  i32 battles, events, frees, wins, losses, draws;
  i32 storyStageAfter;
  std::vector<std::string> flow;
};

TEST_F(BattleEnd, EveryResultCountsAndGoesItsWay) {
  const std::vector<ResultCase> cases = {
      {"won free battle", Won, 0, 1, 0, 1, 1, 0, 0, 5,
       {"SE 6", "MESSAGE", "SE 7", "BGM 2", "PAGE 2"}},
      {"won story battle", Won, 1, 1, 1, 0, 1, 0, 0, 6,
       {"SE 6", "MESSAGE", "SE 7", "BGM 2", "PAGE 2"}},
      {"lost free battle", Lost, 0, 1, 0, 1, 0, 1, 0, 5,
       {"SE 6", "SE 6", "QUESTION もう一度挑戦しますか？", "SE 8", "BGM 2", "PAGE 2"}},
      {"drawn story battle", Draw, 1, 1, 1, 0, 0, 0, 1, 5,
       {"SE 6", "SE 6", "QUESTION もう一度挑戦しますか？", "SE 8", "BGM 2", "PAGE 2"}},
      {"surrendered", Surrendered, 1, 0, 0, 0, 0, 0, 0, 5,
       {"SE 6", "SE 6", "QUESTION もう一度挑戦しますか？", "SE 8", "BGM 2", "PAGE 2"}},
  };
  for (const ResultCase& c : cases) {
    SCOPED_TRACE(c.name);
    EndCase t;
    t.state.storyStage = 5;
    t.state.storyBattle = c.story;
    t.state.stageNo = 5;
    t.state.mapNo = 105;
    t.end(c.result);
    const RecordCounters& r = t.rec();
    EXPECT_EQ(r.recBattles, c.battles);
    EXPECT_EQ(r.recEventBattles, c.events);
    EXPECT_EQ(r.recFreeBattles, c.frees);
    EXPECT_EQ(r.recWins, c.wins);
    EXPECT_EQ(r.recLosses, c.losses);
    EXPECT_EQ(r.recDraws, c.draws);
    EXPECT_EQ(t.state.storyStage, c.storyStageAfter) << "only a won story battle moves the story on";
    EXPECT_EQ(t.state.storyBattle, 0);
    EXPECT_EQ(t.state.stageNo, -1);
    EXPECT_EQ(t.state.mapNo, -1);
    EXPECT_EQ(t.flow(), c.flow);
  }
}

// --- Experience and levels -------------------------------------------------

TEST_F(BattleEnd, WonBattleExperienceFollowsTheLevelGap) {
  struct Gap {
    i32 enemyLevel;
    i32 experience;
  };
  // The master alone at level 20; the strongest enemy decides.
  const std::vector<Gap> gaps = {{12, 5}, {15, 5}, {16, 5}, {17, 10}, {18, 20}, {19, 30},
                                 {20, 40}, {21, 80}, {25, 240}, {30, 440}, {40, 440}};
  for (const Gap& g : gaps) {
    SCOPED_TRACE(g.enemyLevel);
    EndCase t;
    t.level(kPlayerMage, 20);
    t.k(16).Lv = 1;
    t.put(20, 3, g.enemyLevel, 14, 5);  // the highest level of team 2, waiting or not
    t.k(20).State = Waiting;
    t.end(Won);
    EXPECT_TRUE(t.said("アリスは" + std::to_string(g.experience) + "の経験値を得ました。")) << t.message();
    i32 total = g.experience;
    EXPECT_EQ(t.entry(kPlayerMage).Lv, 20 + total / 100);
    EXPECT_EQ(t.entry(kPlayerMage).Exp, total % 100);
  }
}

TEST_F(BattleEnd, ACreatureBelowItsMasterCatchesUp) {
  // Level 20 creature, enemies up to 22, master 25: 120 + 25 x 5 = 245, plus 5
  // for each of the two fallen enemy creatures.
  put(1, kKou, 20, 3, 3);
  level(kKou, 20, 0);
  level(kPlayerMage, 25);
  k(16).Lv = 22;
  deadEnemy(17);
  deadEnemy(18);
  end(Won);
  EXPECT_TRUE(said("コウは255の経験値を得ました。\nコウはレベル[20→22]アップ！\n\n")) << message();
  EXPECT_EQ(entry(kKou).Lv, 22);
  EXPECT_EQ(entry(kKou).Exp, 55);
  EXPECT_EQ(k(1).Lv, 22) << "the slot is rebuilt with its new level";
}

TEST_F(BattleEnd, StoryBonusesComeBeforeTheCatchUp) {
  struct Story {
    i32 stage;
    i32 experience;
  };
  // Creature 20, enemies 22, master 25: (120 + 40), doubled in stages 7 and
  // 12, then + 125.
  const std::vector<Story> stories = {{5, 285}, {7, 445}, {12, 445}};
  for (const Story& st : stories) {
    SCOPED_TRACE(st.stage);
    EndCase t;
    t.put(1, kKou, 20, 3, 3);
    t.level(kKou, 20);
    t.level(kPlayerMage, 25);
    t.k(16).Lv = 22;
    t.state.storyBattle = 1;
    t.state.storyStage = st.stage;
    t.end(Won);
    EXPECT_TRUE(t.said("コウは" + std::to_string(st.experience) + "の経験値を得ました。")) << t.message();
  }
}

TEST_F(BattleEnd, ExperiencePastLevelFiftyIsCutOff) {
  // 70 stored + 340 = 410 would make 52; cut to 210, announced as 48 -> 50,
  // and reaching 50 clears the rest.
  put(1, kKou, 48, 3, 3);
  level(kKou, 48, 70);
  level(kPlayerMage, 40);
  k(16).Lv = 55;  // gap 7: 320
  for (int slot = 17; slot <= 20; ++slot) deadEnemy(slot);  // + 20
  end(Won);
  EXPECT_TRUE(said("コウは340の経験値を得ました。\nコウはレベル[48→50]アップ！\n\n")) << message();
  EXPECT_EQ(entry(kKou).Lv, 50);
  EXPECT_EQ(entry(kKou).Exp, 0);
}

TEST_F(BattleEnd, ALevelFiftyUnitKeepsNoExperience) {
  level(kPlayerMage, 50, 30);
  k(16).Lv = 50;
  end(Won);
  EXPECT_TRUE(said("アリスは40の経験値を得ました。\n\n")) << message();
  EXPECT_FALSE(said("アップ")) << message();
  EXPECT_EQ(entry(kPlayerMage).Lv, 50);
  EXPECT_EQ(entry(kPlayerMage).Exp, 0);
}

TEST_F(BattleEnd, EveryCreatureSlotEarnsAndEmptySlotsDoNot) {
  put(1, kKou, 10, 3, 3);
  put(2, kMakara, 10, 4, 3);
  k(2).State = Dead;  // fell in the battle: still paid
  state.unitAt[4][3] = -1;
  k(16).Lv = 10;
  end(Won);
  EXPECT_TRUE(said("コウは")) << message();
  EXPECT_TRUE(said("マカラは40の経験値を得ました。")) << message();
  EXPECT_FALSE(said("無し")) << message();
  EXPECT_EQ(entry(kMakara).Exp, 40);
}

TEST_F(BattleEnd, LostBattlesPayOnlyTheFallenEnemies) {
  put(1, kKou, 10, 3, 3);
  level(kKou, 10, 20);
  deadEnemy(17);
  deadEnemy(21);
  put(22, 3, 10, 10, 10);  // alive: pays nothing
  end(Lost);
  EXPECT_EQ(entry(kKou).Exp, 30);
  EXPECT_EQ(campaign.BP, 2);
  EXPECT_TRUE(said("2のBPを得ました。")) << message();
}

// --- BP -------------------------------------------------------------------

TEST_F(BattleEnd, BattlePointsByResultAndTheirCap) {
  struct BpCase {
    const char* name;
    i32 result;
    byte story;
    int fallen;
    i32 before, after;
  };
  const std::vector<BpCase> cases = {
      {"won story battle", Won, 1, 0, 100, 115},
      {"won free battle", Won, 0, 2, 100, 112},
      {"lost", Lost, 0, 3, 100, 103},
      {"capped at 999", Won, 1, 3, 990, 999},
      {"already at the cap", Won, 0, 0, 999, 999},
  };
  for (const BpCase& c : cases) {
    SCOPED_TRACE(c.name);
    EndCase t;
    t.campaign.BP = c.before;
    t.state.storyBattle = c.story;
    t.state.storyStage = 5;
    for (int i = 0; i < c.fallen; ++i) t.deadEnemy(17 + i);
    t.end(c.result);
    EXPECT_EQ(t.campaign.BP, c.after);
  }
}

TEST_F(BattleEnd, NoMessageBoxWhenNothingWasEarned) {
  put(1, kKou, 10, 3, 3);
  end(Draw);
  EXPECT_EQ(campaign.BP, 0);
  EXPECT_TRUE(presenter.matching("MESSAGE").empty());
  EXPECT_EQ(flow().front(), "SE 6");
}

TEST_F(BattleEnd, TheRewardMessageEndsWithTheBattlePoints) {
  put(1, kKou, 10, 3, 3);
  k(16).Lv = 10;
  end(Won);
  std::vector<std::string> boxes = presenter.matching("MESSAGE ");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "MESSAGE アリスは40の経験値を得ました。\n\nコウは40の経験値を得ました。\n\n10のBPを得ました。");
}

// --- Surrender -------------------------------------------------------------

TEST_F(BattleEnd, SurrenderedBattlesAreNotCountedButPayTheFallen) {
  put(1, kKou, 10, 3, 3);
  level(kKou, 10);
  deadEnemy(17);
  deadEnemy(18);
  end(Surrendered);
  EXPECT_EQ(rec().recBattles, 0);
  EXPECT_EQ(rec().recFreeBattles, 0);
  EXPECT_EQ(entry(kKou).Exp, 10);
  EXPECT_EQ(campaign.BP, 2);
}

TEST_F(BattleEnd, SurrenderAsksFirst) {
  battle.battleResult = Running;
  battle.surrender();
  EXPECT_EQ(battle.battleResult, Running);
  EXPECT_EQ(flow(), (std::vector<std::string>{"SE 6", "QUESTION 降参しますか？", "SE 8"}));
}

TEST_F(BattleEnd, SurrenderShowsTheBannerAndEndsTheBattle) {
  presenter.answers = {true, false};  // surrender; no retry
  deadEnemy(17);
  battle.surrender();
  EXPECT_TRUE(battle.resultPending()) << "the battle end runs from the top, after the order";
  EXPECT_EQ(campaign.BP, 0);
  campaign.finishBattle(battle);
  std::vector<std::string> f = flow();
  ASSERT_GE(f.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(f.begin(), f.begin() + 4),
            (std::vector<std::string>{"SE 6", "QUESTION 降参しますか？", "SE 6", "BGM 0"}));
  EXPECT_EQ(presenter.matching("DLAnime"), (std::vector<std::string>{"DLAnime give 3300"}));
  EXPECT_EQ(campaign.BP, 1) << "the banner hands over to the battle end";
  EXPECT_EQ(state.stageNo, -1);
  EXPECT_EQ(f.back(), "PAGE 2");
}

// --- Capture ---------------------------------------------------------------

using Capture = BattleEnd;

TEST_F(Capture, ACheapCreatureIsAlwaysCaught) {
  enemySlots(kYukinko);
  k(16).Lv = 23;
  end(Won);
  EXPECT_EQ(state.D->acquired[kYukinko], 1);
  EXPECT_EQ(entry(kYukinko).Lv, 23) << "it takes the enemy master's level";
  EXPECT_TRUE(said("クリーチャー[雪ん子]を取得しました！")) << message();
  std::vector<std::string> f = flow();
  auto box = std::find(f.begin(), f.end(), "MESSAGE");
  ASSERT_NE(box, f.end());
  box = std::find(box + 1, f.end(), "MESSAGE");  // the second box: the capture
  ASSERT_NE(box, f.end());
  EXPECT_EQ(*(box - 1), "SE 13");
  EXPECT_EQ(*(box + 1), "SE 7");
}

TEST_F(Capture, TheCapturedLevelIsClampedToTenAndFifty) {
  for (auto [master, captured] : std::vector<std::pair<i32, i32>>{{4, 10}, {30, 30}, {60, 50}}) {
    EndCase t;
    t.enemySlots(kYukinko);
    t.k(16).Lv = master;
    t.end(Won);
    EXPECT_EQ(t.entry(kYukinko).Lv, captured) << master;
  }
}

TEST_F(Capture, OwnedOrEmptySlotsYieldNothing) {
  enemySlots(kYukinko);
  state.D->acquired[kYukinko] = 1;
  end(Won);
  EXPECT_FALSE(said("クリーチャー[")) << message();

  EndCase empty;
  empty.end(Won);  // no creatures at all
  EXPECT_FALSE(empty.said("クリーチャー[")) << empty.message();
}

TEST_F(Capture, OnlyAWinCaptures) {
  enemySlots(kYukinko);
  end(Lost);
  EXPECT_EQ(state.D->acquired[kYukinko], 0);
}

TEST_F(Capture, DrawsASlotThenTheChanceAndTriesTwice) {
  // Slots hold different types; an identical generator predicts the draws:
  // slot, chance below 7, and when nothing was caught the same with 5.
  const int types[6] = {kPhoenix, 21, 48, 102, 89, 75};  // summon values 18..25
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    EndCase t;
    for (int n = 0; n < 6; ++n) t.put(17 + n, types[n], 10, n, 13);
    for (int type : types) t.state.D->acquired[type] = 0;
    t.state.rng.Seed(seed);
    RandomGenerator twin(0);
    twin.Seed(seed);
    i32 expected = 0;
    for (i32 threshold : {7, 5}) {
      if (expected != 0) break;
      const int type = types[twin.Random(6)];
      const Tcst& c = t.entry(type);
      if (twin.Random(c.SumT + c.SumC / 2) < threshold) expected = type;
    }
    t.end(Won);
    for (int type : types) EXPECT_EQ(t.state.D->acquired[type], type == expected ? 1 : 0) << type;
  }
}

TEST_F(Capture, StoryBattlesHandOverTheirOwnCreatures) {
  struct StoryCase {
    i32 stage;
    int alreadyOwned;  // 0 none
    int caught;        // 0 nothing
  };
  const std::vector<StoryCase> cases = {
      {0, 0, kYukinko}, {1, 0, 63}, {3, 0, 80}, {4, 0, 49},
      {1, 63, 3},        // owned already: the draw decides
      {2, 0, 0}, {10, 0, 0}, {14, 0, 0},  // nothing, whatever the draw
      {5, 0, 3},
  };
  for (const StoryCase& c : cases) {
    SCOPED_TRACE(c.stage);
    EndCase t;
    t.enemySlots(3);  // バジリスク: always caught when drawn
    t.state.storyBattle = 1;
    t.state.storyStage = c.stage;
    if (c.alreadyOwned) t.state.D->acquired[c.alreadyOwned] = 1;
    t.end(Won);
    for (int type : {3, kYukinko, 63, 80, 49}) {
      if (type != c.alreadyOwned) {
        EXPECT_EQ(t.state.D->acquired[type], type == c.caught ? 1 : 0) << type;
      }
    }
  }
}

// --- Jobs, extra stages, master characters --------------------------------

TEST_F(BattleEnd, MasterCharactersUnlockInOrder) {
  struct Unlock {
    int character;
    const char* name;
    void (*arrange)(BattleEnd&);
  };
  const std::vector<Unlock> unlocks = {
      {1, "ルエリア", [](BattleEnd& t) { t.state.D->records.recSummons = 150; }},
      {2, "リリィ", [](BattleEnd& t) { t.state.D->records.recHealed = 500; }},
      {3, "エンジュ", [](BattleEnd& t) { t.state.D->records.recBattles = 99; }},  // + this one
      {4, "シレネ", [](BattleEnd& t) { t.battle.turn = 3; }},
      {5, "ミレット", [](BattleEnd& t) { t.state.D->records.recMaxKills = 4; }},
      {6, "カシア", [](BattleEnd& t) { t.state.D->records.recMaxDamage = 200; }},
      {7, "アヤメ", [](BattleEnd& t) {
         for (int type = 1; type <= 34; ++type) t.state.D->defeated[type] = t.state.D->summoned[type] = 1;
         for (int type = 1; type <= 32; ++type) t.state.D->acquired[type] = 1;  // 34 + 34 + 32 = 100
       }},
      {8, "カエデ", [](BattleEnd& t) { t.campaign.BP = 490; }},  // + 10 for the win
      {9, "チーゼル", [](BattleEnd& t) { t.state.D->jobOpen.fill(1); }},
  };
  for (const Unlock& u : unlocks) {
    SCOPED_TRACE(u.name);
    EndCase t;
    u.arrange(t);
    t.end(Won);
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(t.state.D->charOpen[c], c == u.character ? 1 : 0) << c;
    EXPECT_TRUE(t.said(std::string("マスターキャラ[") + u.name + "]の取得条件を満たしました！")) << t.message();
  }
}

TEST_F(BattleEnd, JustBelowEveryConditionNothingUnlocks) {
  RecordCounters& r = state.D->records;
  r.recSummons = 149;
  r.recHealed = 499;
  r.recBattles = 98;
  battle.turn = 4;
  r.recMaxKills = 3;
  r.recMaxDamage = 199;
  for (int type = 1; type <= 33; ++type) state.D->defeated[type] = state.D->summoned[type] = state.D->acquired[type] = 1;
  campaign.BP = 489;
  state.D->jobOpen.fill(1);
  state.D->jobOpen[3] = 0;
  end(Won);
  for (int c = 1; c <= 10; ++c) EXPECT_EQ(state.D->charOpen[c], 0) << c;
}

TEST_F(BattleEnd, SeveralUnlocksEachHaveTheirBoxAndOpenOnesAreSkipped) {
  state.D->records.recSummons = 200;
  state.D->records.recHealed = 900;
  state.D->charOpen[1] = 1;
  battle.turn = 2;
  end(Won);
  EXPECT_FALSE(said("ルエリア")) << message();
  EXPECT_TRUE(said("[リリィ]")) << message();
  EXPECT_TRUE(said("[シレネ]")) << message();
  EXPECT_LT(message().find("[リリィ]"), message().find("[シレネ]"));
}

TEST_F(BattleEnd, OnlyAWonBattleUnlocks) {
  state.D->records.recSummons = 200;
  battle.turn = 2;
  end(Lost);
  EXPECT_EQ(state.D->charOpen[1], 0);
  EXPECT_EQ(state.D->charOpen[4], 0);
}

TEST_F(BattleEnd, WinningTheLastStoryStageOpensTheJobAndEndsTheCampaign) {
  struct Last {
    i32 masterLevel, masterExp;
    bool energeia;
  };
  // The character needs the master below 33 after this battle's level-ups.
  const std::vector<Last> cases = {{30, 0, true}, {32, 0, false}, {33, 0, false}};
  for (const Last& c : cases) {
    SCOPED_TRACE(c.masterLevel);
    EndCase t;
    t.level(kPlayerMage, c.masterLevel, c.masterExp);
    t.k(16).Lv = 34;  // 32 gains 120 + 40: level 33
    t.state.storyBattle = 1;
    t.state.storyStage = 14;
    int saved = 0;
    t.campaign.saveProgress = [&] {
      ++saved;
      EXPECT_EQ(t.state.storyStage, 15) << "written before the story starts over";
    };
    t.end(Won);
    EXPECT_EQ(t.state.D->jobOpen[Mage], 1);
    EXPECT_EQ(t.state.D->jobOpen[Warrior], 0);
    EXPECT_EQ(t.state.D->charOpen[10], c.energeia ? 1 : 0);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(t.state.storyStage, 0);
    std::vector<std::string> f = t.flow();
    EXPECT_EQ(std::vector<std::string>(f.end() - 2, f.end()), (std::vector<std::string>{"BGM 3", "PAGE 1"}));
  }
}

TEST_F(BattleEnd, WinningTheLastExtraStageOpensTheSelector) {
  int saved = 0;
  campaign.saveProgress = [&] { ++saved; };
  state.storyBattle = 1;
  state.storyStage = 69;
  end(Won);
  EXPECT_EQ(state.D->extraOpen, 1);
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(state.storyStage, 0);
  for (byte open : state.D->jobOpen) EXPECT_EQ(open, 0);
}

TEST_F(BattleEnd, AnOrdinaryStoryWinGoesBackToPreparation) {
  int saved = 0;
  campaign.saveProgress = [&] { ++saved; };
  state.storyBattle = 1;
  state.storyStage = 55;
  end(Won);
  EXPECT_EQ(state.storyStage, 56);
  EXPECT_EQ(saved, 0);
  EXPECT_EQ(state.D->extraOpen, 0);
  EXPECT_EQ(flow().back(), "PAGE 2");
}

// --- The reset ---------------------------------------------------------------

TEST_F(BattleEnd, UnitRecordsAreResetForTheNextBattle) {
  put(1, kKou, 10, 3, 3);
  level(kKou, 10);
  put(17, 3, 10, 9, 9);
  put(18, 24, 10, 9, 10);
  k(18).W = k(17).W;  // shared, as record copies share it
  k(1).Poison = 3;
  k(1).AtkB = 20;
  k(1).HealRes = 30;
  k(0).Stone = 2;
  k(0).TNS = "[飛行]";
  k(0).TU = 4;
  k(0).TUN = 1;
  const std::vector<i32> kouSkills = entry(kKou).Sk.toVector();
  end(Won);

  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) EXPECT_EQ(state.unitAt[x][y], -1);
  EXPECT_EQ(k(1).Type, kKou);
  EXPECT_EQ(k(1).Poison, 0);
  EXPECT_EQ(k(1).AtkB, 0);
  EXPECT_EQ(k(1).HealRes, 0);
  EXPECT_EQ(k(0).Stone, 0);
  EXPECT_TRUE(k(0).TNS.empty());
  EXPECT_EQ(k(0).TU, 0);
  EXPECT_EQ(k(0).TUN, 0);
  EXPECT_EQ(k(0).W.toVector(), std::vector<i32>(8, 0));
  EXPECT_EQ(k(1).W.toVector(), std::vector<i32>(5, 0));
  EXPECT_EQ(k(16).W.toVector(), std::vector<i32>(8, 0));
  EXPECT_FALSE(k(17).W.sharesWith(k(18).W)) << "every record gets a list of its own";
  EXPECT_EQ(k(17).Type, 0);
  EXPECT_EQ(k(16).Type, 0);
  EXPECT_EQ(k(16).State, Waiting);
  EXPECT_EQ(entry(kKou).Sk.toVector(), kouSkills);
  EXPECT_EQ(k(0).Lv, entry(kPlayerMage).Lv);
}

// --- Retry -----------------------------------------------------------------

// A map archive in a temporary game directory: 120 lines, line 7 of another terrain.
struct MapDir {
  MapDir() {
    path = std::filesystem::temp_directory_path() / ("sorvane_retry_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    std::string file;
    for (int m = 0; m < 120; ++m) file += std::string(252, m == 7 ? '2' : '1') + "3\r\n";
    qda::WriteArchiveFile((path / "dat.qda").string(), {{"map1.dat", qda::Bytes(file.begin(), file.end())}}, true);
  }
  ~MapDir() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

// A lost free battle of group 1, party 0, on map line 7.
void freeBattleOnMap7(BattleEnd& t, const MapDir& maps) {
  t.state.gameDir = maps.path.string() + "/";
  t.state.D->acquired[0] = 1;
  t.state.stageNo = 100;
  t.state.mapNo = 7;
  t.state.storyStage = 0;
  t.state.storyBattle = 0;
}

class Retry : public BattleEnd {
 protected:
  Retry() { freeBattleOnMap7(*this, maps); }
  MapDir maps;
};

TEST_F(Retry, ALostBattleRetriedStartsTheSameStageAgain) {
  for (i32 first : {1, 2}) {
    SCOPED_TRACE(first);
    EndCase t;
    freeBattleOnMap7(t, maps);
    t.battle.firstTeam = first;
    t.battle.turn = 6;
    t.presenter.answers = {true};
    t.end(Lost);
    EXPECT_EQ(t.state.stageNo, 100);
    EXPECT_EQ(t.state.mapNo, 7);
    EXPECT_EQ(t.state.terrain[0][0], t.state.terrain[5][5]);
    EXPECT_NE(t.state.terrain[0][0], 1) << "map line 7 was loaded";
    EXPECT_EQ(t.rec().recLosses, 1) << "the abandoned battle stays counted";
    EXPECT_EQ(t.battle.firstTeam, first);
    EXPECT_EQ(t.battle.battleResult, Running);
    EXPECT_EQ(t.battle.turn, 1) << "the first phase of the new battle is open";
    EXPECT_EQ(t.battle.phaseTeam, 1) << "and the player acts";
    EXPECT_EQ(t.k(16).State, OnField);
    EXPECT_GT(t.k(16).Type, 0);
    EXPECT_EQ(t.k(0).State, OnField);
    std::vector<std::string> f = t.flow();
    EXPECT_NE(std::find(f.begin(), f.end(), "SE 7"), f.end());
    EXPECT_EQ(std::find(f.begin(), f.end(), "PAGE 2"), f.end()) << "the battle page stays";
  }
}

TEST_F(Retry, DecliningGoesBackToPreparation) {
  presenter.answers = {false};
  end(Surrendered);
  EXPECT_EQ(state.stageNo, -1);
  EXPECT_EQ(state.mapNo, -1);
  EXPECT_EQ(flow().back(), "PAGE 2");
}

TEST_F(Retry, AWonFreeBattleIsNotOfferedARetry) {
  presenter.answers = {true};
  end(Won);
  EXPECT_TRUE(presenter.matching("QUESTION").empty());
  EXPECT_EQ(state.stageNo, -1);
}

// --- Starting a battle -----------------------------------------------------

TEST_F(BattleEnd, StartingABattleOpensTheFirstTeamsPhase) {
  battle.turn = 7;
  battle.battleResult = Lost;
  battle.startBattle(1);
  EXPECT_EQ(battle.firstTeam, 1);
  EXPECT_EQ(battle.battleResult, Running);
  EXPECT_EQ(battle.turn, 1);
  EXPECT_EQ(battle.phaseTeam, 1);
}

TEST_F(BattleEnd, WhenTheEnemyStartsItsPhaseComesFirst) {
  std::vector<std::pair<i32, i32>> phases;  // (team, turn) of the computer's phases
  battle.opponentPhase = [&](Battle& b) { phases.emplace_back(b.phaseTeam, b.turn); };
  battle.startBattle(2);
  EXPECT_EQ(battle.firstTeam, 2);
  ASSERT_FALSE(phases.empty());
  EXPECT_EQ(phases.front(), std::make_pair(2, 1));
  EXPECT_EQ(battle.phaseTeam, 1);
  EXPECT_EQ(battle.turn, 1);
}

}  // namespace
}  // namespace sorvane::testing
