// StageSetup: the reset, the player's party, the choice of stage, party and
// map with their random draws, and the story set-ups that depend on the player.
#include <gtest/gtest.h>

#include <set>

#include "data/stages/stage_definition.h"
#include "stage_fixture.h"

namespace sorvane::testing_stages {
namespace {

class StageSetup : public StageFixture {};

constexpr int kAliceWarrior = 251;
constexpr int kLilyHealer = 270;    // リリィ, portrait 172
constexpr int kRueliaSpirit = 264;  // ルエリア, portrait 171
constexpr int kAyameMage = 304;     // アヤメ, portrait 177

std::vector<i32> skills(const Tkst& u) { return u.W.toVector(); }

TEST_F(StageSetup, ThePlayersPartyComesFromTheCatalogue) {
  s->SetK(1, 25, 0);  // コウ
  k(0).SH = MagicCircle;
  k(40).W = SharedArray<i32>{1, 2, 3, 4, 5};
  k(40).TN = {81, 0, 0, 0};
  s->storyStage = 0;
  story(0);
  EXPECT_EQ(skills(k(0)), (std::vector<i32>{201, 203, 205, 217, 275, 0, 0, 0}));
  EXPECT_EQ(skills(k(1)), (std::vector<i32>{10, 59, 144, 158, 0}));
  EXPECT_EQ(k(0).TN, (std::array<i32, 4>{83, 0, 0, 0})) << "the warrior's learned ability";
  EXPECT_TRUE(s->D->hasAbility(k(0), 83));
  EXPECT_EQ(k(1).SH, MagicCircle) << "creatures carry their master's summoning method";
  EXPECT_EQ(k(1).TN, (std::array<i32, 4>{281, 306, 0, 0}));
  EXPECT_EQ(skills(k(40)), (std::vector<i32>(5, 0))) << "every record gets a fresh list";
  EXPECT_EQ(k(40).TN, (std::array<i32, 4>{0, 0, 0, 0}));
  EXPECT_FALSE(k(40).W.sharesWith(k(41).W));
}

TEST_F(StageSetup, LeftoverRecordsOfTheLastBattleAreCleared) {
  story(10);
  ASSERT_EQ(s->lastUnit, 63);
  story(1);
  EXPECT_EQ(s->lastUnit, 31);
  for (int i = 7; i < kUnitCount; ++i) {
    if (i >= 16 && i <= 19) continue;
    EXPECT_EQ(k(i).Type, 0) << i;
  }
  EXPECT_EQ(s->winCondition, 0);
}

// What a battle that stopped without its end leaves on every record: statuses,
// buffs and passives, healing resistance, action counters, a summon under
// way, a summoning method, the AI's working value and weights.
void leaveABattleBehind(Tdeta& d) {
  for (int i = 0; i < kUnitCount; ++i) {
    Tkst& u = d.k[i];
    for (int st = 0; st < kStatusCount; ++st) u.status(st) = 2;
    u.AtkB = u.DefP = u.MovB = u.CritB = u.EvaP = u.ProcB = 30;
    u.HealRes = 40;
    u.MoveN = u.SkillN = u.SummonN = u.SpecialN = -1;
    u.SumTC = 3;
    u.AI.ReachSkill = 7;
    if (i > 6) {
      u.State = OnField;
      u.SH = Sacrifice;
      u.AI.Ip = 5;
      u.AI.Auto = 1;
    }
  }
}

// Every field of the records of a set-up, so two set-ups can be compared.
std::vector<i32> recordsOf(const Tdeta& d) {
  std::vector<i32> all;
  for (const Tkst& u : d.k) {
    for (const i32* f = &u.G; f <= &u.ProcP; ++f) all.push_back(*f);
    for (i32 v : {u.TU, u.TUN, u.HealRes, i32{u.AI.Auto}, u.AI.Ip, u.AI.ReachSkill}) all.push_back(v);
    for (i32 id : u.W) all.push_back(id);
    for (i32 id : u.TN) all.push_back(id);
  }
  return all;
}

TEST_F(StageSetup, EveryRecordStartsTheSameWhateverRanBefore) {
  // Stage 10 uses all four sides, stage 68 hands side 2 to the computer.
  for (int stage : {1, 10, 68}) {
    SCOPED_TRACE(stage);
    s->rng.Seed(7);
    story(stage);
    const std::vector<i32> fresh = recordsOf(*s->D);

    leaveABattleBehind(*s->D);
    s->rng.Seed(7);
    story(stage);
    EXPECT_EQ(recordsOf(*s->D), fresh);
  }
}

TEST_F(StageSetup, StoryBattlesUseTheirOwnMapLine) {
  story(3);
  EXPECT_EQ(s->stageNo, 3);
  EXPECT_EQ(s->mapNo, 103);
  story(57);
  EXPECT_EQ(s->stageNo, 57);
  EXPECT_EQ(s->mapNo, 157);
}

TEST_F(StageSetup, ANewFreeBattleDrawsThePartyThenTheMap) {
  for (int seed = 0; seed < 20; ++seed) {
    s->rng.Seed(seed);
    RandomGenerator expected(0);
    expected.Seed(seed);
    s->storyStage = 0;
    s->storyBattle = 0;
    s->stageNo = -1;
    s->mapNo = -1;
    s->StageSetup();
    i32 party = expected.Random(15);
    i32 map = expected.Random(100);
    EXPECT_EQ(s->stageNo, 100 + party);
    EXPECT_EQ(s->mapNo, map);
    EXPECT_EQ(s->rng.state(), expected.state()) << "no other draw";
  }
}

TEST_F(StageSetup, TheGroupFollowsTheStory) {
  struct Case {
    i32 storyStage;
    std::set<int> groups;
  } cases[] = {
      {0, {1}}, {2, {1}}, {3, {2}}, {4, {2}}, {5, {2, 3}}, {6, {2, 3}}, {7, {3, 4}}, {8, {4, 5}}, {9, {4, 5}},
      {10, {5, 6}}, {11, {6, 7}}, {12, {6, 7}}, {13, {7, 8}}, {14, {8}}, {50, {8}}, {69, {8}}, {99, {8}},
  };
  for (const Case& c : cases) {
    std::set<int> seen;
    for (int seed = 0; seed < 40; ++seed) {
      s->rng.Seed(seed);
      s->storyStage = c.storyStage;
      s->storyBattle = 0;
      s->stageNo = -1;
      s->mapNo = -1;
      s->StageSetup();
      seen.insert(s->stageNo / 100);
    }
    EXPECT_EQ(seen, c.groups) << "story stage " << c.storyStage;
  }
}

TEST_F(StageSetup, NoFreeBattleOutsideTheStory) {
  for (i32 st : {15, 30, 49, 100, -2}) {
    s->storyStage = st;
    s->storyBattle = 0;
    s->stageNo = -1;
    s->mapNo = 4;
    s->StageSetup();
    EXPECT_EQ(s->stageNo, -1) << st;
    EXPECT_EQ(k(16).Type, 0) << st;
    EXPECT_EQ(s->mapNo, 4);
  }
}

TEST_F(StageSetup, ARetrySetsUpTheSamePartyOnTheSameMapWithoutDrawing) {
  s->storyStage = 1;
  s->stageNo = 105;
  s->mapNo = 7;
  std::uint64_t before = s->rng.state();
  s->StageSetup();
  EXPECT_EQ(s->rng.state(), before);
  EXPECT_EQ(s->stageNo, 105);
  EXPECT_EQ(s->mapNo, 7);
  EXPECT_EQ(k(16).Type, 255);  // party 5 of group 1: a mage
  EXPECT_EQ(k(17).Type, 38);   // つらら
}

TEST_F(StageSetup, APartyIndexPastTheGroupSetsUpNothing) {
  freeParty(1, 15, 0);
  EXPECT_EQ(k(16).Type, 0);
  EXPECT_EQ(s->stageNo, 115);
}

TEST_F(StageSetup, FreeBattleLevelsFollowTheMasterAndTheCap) {
  struct Case {
    i32 masterLv, storyStage, group, party, expected;
  } cases[] = {
      {10, 0, 1, 3, 9},    // a new game's master: one below it
      {60, 3, 2, 4, 13},   // capped at story stage 3
      {60, 3, 2, 0, 14},   // the showpiece party stands one above
      {60, 50, 8, 7, 60},  // no cap in the extra stories; group 8 one above
      {60, 14, 8, 7, 51},
      {12, 9, 5, 2, 11},
      {1, 0, 1, 0, 1},     // a master without a level still fields level 1
  };
  for (const Case& c : cases) {
    s->D->creatures[kAliceWarrior].Lv = c.masterLv;
    playAs(kAliceWarrior);
    s->storyStage = c.storyStage;
    freeParty(c.group, c.party, 0);
    EXPECT_EQ(k(16).Lv, c.expected) << c.group << "/" << c.party;
    for (int i = 17; i <= 22; ++i) {
      if (k(i).Type != 0) {
        EXPECT_EQ(k(i).Lv, c.expected) << c.group << "/" << c.party << " unit " << i;
      }
    }
  }
}

TEST_F(StageSetup, ChainStagesFieldOneCreatureAtATimeUnderAHiddenMaster) {
  for (int stage : {5, 61, 67}) {
    story(stage);
    EXPECT_EQ(s->winCondition, 3);
    EXPECT_EQ(s->lastUnit, 31);
    EXPECT_EQ(s->unitAt[15][11], 16);
    EXPECT_EQ(k(16).Kind, KindCreature);
    EXPECT_EQ(k(16).State, OnField);
    EXPECT_EQ(k(16).SP, s->D->creatures[k(16).Type].SP);
    EXPECT_EQ(k(16).SPMax, k(16).SP);
    for (int i = 16; i <= 22; ++i) {
      EXPECT_EQ(k(i).Master, 23) << stage << " unit " << i;
      EXPECT_EQ(k(i).AI.Ip, 1);
      EXPECT_NE(k(i).Type, 0);
      if (i > 16) {
        EXPECT_EQ(k(i).State, Waiting);
      }
    }
    const Tkst& proxy = k(23);
    EXPECT_EQ(proxy.Type, 0);
    EXPECT_EQ(proxy.Kind, KindMaster);
    EXPECT_EQ(proxy.State, OnField);
    EXPECT_EQ(proxy.SP, 15);
    EXPECT_EQ(proxy.SPMax, 15);
    EXPECT_EQ(proxy.Lv, 50);
    EXPECT_EQ(skills(proxy), (std::vector<i32>(5, 0)));
    EXPECT_FALSE(cellOf(23));
    int teamTwoMasters = 0;
    for (int i = 0; i <= s->lastUnit; ++i) teamTwoMasters += k(i).Team == 2 && k(i).Kind == KindMaster;
    EXPECT_EQ(teamTwoMasters, 1) << "only the hidden master keeps side 1 in the battle";
  }
}

TEST_F(StageSetup, StageFiveChoosesItsChainByThePlayersJob) {
  const int heads[] = {22, 62, 76, 36, 90, 49, 103};
  for (int job = 0; job < 7; ++job) {
    playAs(kAliceWarrior + job);
    story(5);
    EXPECT_EQ(k(16).Type, heads[job]) << "job " << job;
    EXPECT_EQ(k(16).Lv, 16);
    EXPECT_EQ(k(22).Lv, 18);
  }
}

TEST_F(StageSetup, LilyAsThePlayerMeetsAliceAsHerAlly) {
  const int allies[] = {80, 25, 92, 49, 63, 36};  // サンダーバード コウ マカラ たんころりん ノーム 雪ん子
  for (int stage : {9, 10, 62}) {
    playAs(kAliceWarrior);
    story(stage);
    EXPECT_EQ(k(32).N, "リリィ") << stage;
    EXPECT_EQ(k(32).G, 172);
    EXPECT_EQ(k(33).Type, 58);

    playAs(kLilyHealer);
    story(stage);
    EXPECT_EQ(k(32).Type, 253) << stage;
    EXPECT_EQ(k(32).N, "アリス");
    EXPECT_EQ(k(32).G, 170);
    EXPECT_EQ(k(32).Team, 1);
    EXPECT_EQ(k(32).AI.Auto, 0);
    EXPECT_EQ(k(32).Lv, k(33).Lv);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(k(33 + i).Type, allies[i]) << stage;
    EXPECT_TRUE(cellOf(32));
    EXPECT_EQ(k(16).N, "ゼロット") << "the other sides stay as they are";
  }
}

TEST_F(StageSetup, StageSixtyReplacesTheAllyThePlayerIs) {
  playAs(kAliceWarrior);
  story(60);
  EXPECT_EQ(k(32).Type, kRueliaSpirit);
  EXPECT_EQ(k(48).Type, kLilyHealer);

  playAs(kRueliaSpirit);
  story(60);
  EXPECT_EQ(k(32).Type, 253);
  EXPECT_EQ(k(48).Type, kLilyHealer);

  playAs(kLilyHealer);
  story(60);
  EXPECT_EQ(k(32).Type, kRueliaSpirit);
  EXPECT_EQ(k(48).Type, 253);
  EXPECT_EQ(k(48).Team, 1) << "the ally on side 3 stays an ally";
  EXPECT_EQ(k(48).AI.Auto, 0);
  EXPECT_EQ(k(49).Type, 80);
  EXPECT_EQ(k(49).Team, 1);
}

TEST_F(StageSetup, StageSixtyFourPutsAliceInThePlayersPlace) {
  playAs(kAliceWarrior);
  story(64);
  EXPECT_EQ(k(16).Type, 0) << "no other アリス: side 1 fights without a master record";
  EXPECT_FALSE(cellOf(16));
  EXPECT_EQ(s->unitAt[15][11], -1);
  for (int i = 17; i <= 22; ++i) {
    EXPECT_EQ(k(i).Kind, KindMaster) << i;
    EXPECT_EQ(k(i).State, OnField);
    EXPECT_EQ(k(i).Team, 2);
    EXPECT_EQ(k(i).SP, 15);
    EXPECT_TRUE(cellOf(i));
  }
  EXPECT_EQ(k(48).Type, kAyameMage);
  EXPECT_EQ(k(48).SP, 15);
  EXPECT_EQ(k(48).SPMax, 15);

  playAs(kLilyHealer);
  story(64);
  EXPECT_EQ(k(18).Type, 0);
  EXPECT_FALSE(cellOf(18));
  EXPECT_EQ(cellOf(16), (std::pair{15, 1}));
  EXPECT_EQ(s->unitAt[15][11], -1);
  EXPECT_EQ(k(16).Type, 253);
  const Tcst& alice = s->D->creatures[253];
  EXPECT_EQ(k(16).HPMax, 50 * alice.HPg * 2 / 100 + 50 - 25);
  EXPECT_EQ(k(16).HP, k(16).HPMax);
  EXPECT_EQ(k(16).SP, 15);

  playAs(kAyameMage);
  story(64);
  EXPECT_EQ(k(48).Type, 0);
  EXPECT_EQ(cellOf(16), (std::pair{1, 1}));
  EXPECT_EQ(k(49).State, OnField) << "カエデ and チーゼル stay";
}

TEST_F(StageSetup, StageSixtyEightTurnsSideTwoAgainstThePlayerForThatBattleOnly) {
  story(68);
  for (int i : {32, 33, 34}) {
    EXPECT_EQ(k(i).Team, 2) << i;
    EXPECT_EQ(k(i).AI.Auto, 1) << i;
  }
  story(9);
  for (int i : {32, 33, 38}) {
    EXPECT_EQ(k(i).Team, 1) << i;
    EXPECT_EQ(k(i).AI.Auto, 0) << "side 2 is the player's ally again";
  }
}

TEST_F(StageSetup, StageSixtyHasTwoAlliesAgainstOneOpponent) {
  story(60);
  for (int i : {32, 38, 48, 54}) {
    EXPECT_EQ(k(i).Team, 1) << i;
    EXPECT_EQ(k(i).AI.Auto, 0) << i;
  }
  EXPECT_EQ(k(16).Team, 2);
  EXPECT_EQ(k(16).Lv, 100);
  EXPECT_EQ(k(16).TU, 12) << "ｱﾘｽ_ｴﾈﾙｹﾞｲｱ's usable ability";
  EXPECT_EQ(k(16).TUN, s->D->specials[12].Uses);
}

TEST_F(StageSetup, UnitsPlacedOnTheFieldFightAsMasters) {
  story(10);
  for (int i = 55; i <= 60; ++i) {
    EXPECT_EQ(k(i).Kind, KindMaster) << i;
    EXPECT_EQ(k(i).State, OnField);
    EXPECT_EQ(k(i).SP, 15);
    EXPECT_EQ(k(i).SPMax, 15);
    EXPECT_EQ(k(i).N, "ゼロット");
    EXPECT_EQ(k(i).TN, (std::array<i32, 4>{0, 0, 0, 0})) << "abilities of a placed unit are the stage's to give";
    EXPECT_EQ(k(i).SH, k(48).SH);
  }
}

TEST_F(StageSetup, StageZeroInFull) {
  story(0);
  EXPECT_EQ(s->lastUnit, 31);
  EXPECT_EQ(s->winCondition, 0);
  EXPECT_EQ(cellOf(0), (std::pair{3, 3}));
  EXPECT_EQ(s->unitAt[2][2], -1);
  const Tkst& m = k(16);
  EXPECT_EQ(m.Type, 257);
  EXPECT_EQ(m.N, "ルエリア");
  EXPECT_EQ(m.G, 171);
  EXPECT_EQ(m.SH, MagicStone);
  EXPECT_EQ(m.Lv, 10);
  EXPECT_EQ(skills(m), (std::vector<i32>{237, 238, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(m.HPMax, 28);
  EXPECT_EQ(m.HP, 28);
  EXPECT_EQ(m.AI.Ip, 4);
  EXPECT_EQ(cellOf(16), (std::pair{14, 10}));
  EXPECT_EQ(s->unitAt[15][11], -1);
  EXPECT_EQ(k(17).Type, 36);
  EXPECT_EQ(k(17).Lv, 9);
  EXPECT_EQ(skills(k(17)), (std::vector<i32>{1, 72, 0, 0, 0}));
  EXPECT_EQ(k(18).Type, 24);
  EXPECT_EQ(skills(k(18)), (std::vector<i32>{3, 206, 53, 0, 0}));
  EXPECT_EQ(k(17).TNS.str(), s->D->abilityName(148) + s->D->abilityName(302));
  EXPECT_EQ(k(18).TNS.str(), s->D->abilityName(223) + s->D->abilityName(310));
  EXPECT_EQ(k(19).Type, 0);
}

TEST_F(StageSetup, StageTenInFull) {
  story(10);
  EXPECT_EQ(s->lastUnit, 63);
  EXPECT_EQ(s->winCondition, 1);
  EXPECT_EQ(cellOf(0), (std::pair{0, 6}));
  struct Master {
    int i, entry, lv, G, SH, x, y;
    std::vector<i32> W;
    std::array<i32, 4> TN;
    i32 ip;
  } masters[] = {
      {16, 257, 26, 183, MagicCircle, 16, 5, {238, 0, 0, 0, 0, 0, 0, 0}, {67, 0, 0, 0}, 104},
      {32, 256, 23, 172, MagicCircle, 0, 7, {236, 258, 260, 261, 264, 265, 278, 0}, {67, 85, 0, 0}, 1},
      {48, 252, 26, 184, MagicStone, 16, 8, {201, 205, 0, 0, 0, 0, 0, 0}, {310, 0, 0, 0}, 104},
  };
  for (const Master& m : masters) {
    EXPECT_EQ(k(m.i).Type, m.entry) << m.i;
    EXPECT_EQ(k(m.i).Lv, m.lv) << m.i;
    EXPECT_EQ(k(m.i).G, m.G) << m.i;
    EXPECT_EQ(k(m.i).SH, m.SH) << m.i;
    EXPECT_EQ(cellOf(m.i), (std::pair{m.x, m.y})) << m.i;
    EXPECT_EQ(skills(k(m.i)), m.W) << m.i;
    EXPECT_EQ(k(m.i).TN, m.TN) << m.i;
    EXPECT_EQ(k(m.i).AI.Ip, m.ip) << m.i;
  }
  EXPECT_EQ(k(17).Type, 73);
  EXPECT_EQ(skills(k(17)), (std::vector<i32>{3, 118, 0, 0, 0}));
  EXPECT_EQ(k(17).AI.SummonTurn, 2);
  EXPECT_EQ(skills(k(18)), (std::vector<i32>{72, 0, 0, 0, 0}));
  EXPECT_EQ(k(34).Type, 16);
  EXPECT_EQ(k(34).AI.Ip, 3);
  EXPECT_EQ(k(50).Type, 23);
  EXPECT_EQ(k(50).AI.AtkW, 0);
  struct Placed {
    int i, entry, x, y;
    i32 ip, axis, wturn;
  } placed[] = {
      {55, 251, 11, 5, 1, 1, 0}, {56, 251, 11, 8, 1, 1, 0},   {57, 253, 13, 4, 102, 0, 0},
      {58, 253, 13, 9, 102, 0, 0}, {59, 255, 14, 6, 104, 1, 2}, {60, 255, 14, 7, 104, 1, 2},
  };
  for (const Placed& p : placed) {
    EXPECT_EQ(k(p.i).Type, p.entry) << p.i;
    EXPECT_EQ(k(p.i).Lv, 23) << p.i;
    EXPECT_EQ(cellOf(p.i), (std::pair{p.x, p.y})) << p.i;
    EXPECT_EQ(k(p.i).AI.Ip, p.ip) << p.i;
    EXPECT_EQ(k(p.i).AI.Axis, p.axis) << p.i;
    EXPECT_EQ(k(p.i).AI.WTurn, p.wturn) << p.i;
  }
  EXPECT_EQ(k(55).W[0], 202);
  EXPECT_EQ(k(56).W[0], 203);
  EXPECT_EQ(k(57).W[1], 223);
  EXPECT_EQ(k(58).W[1], 224);
}

TEST_F(StageSetup, FreeBattleOneHundredInFull) {
  s->storyStage = 0;
  freeParty(1, 0, 0);
  const Tkst& m = k(16);
  EXPECT_EQ(m.N, "ガーディアン");
  EXPECT_EQ(m.Type, 257);
  EXPECT_EQ(m.G, 181);
  EXPECT_EQ(m.SH, MagicStone);
  EXPECT_EQ(m.Lv, 9);
  EXPECT_EQ(skills(m), (std::vector<i32>{237, 238, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(m.TN, (std::array<i32, 4>{50, 0, 0, 0}));
  EXPECT_EQ(m.AI.Ip, 104);
  EXPECT_EQ(cellOf(16), (std::pair{15, 11}));
  EXPECT_EQ(k(17).Type, 73);
  EXPECT_EQ(skills(k(17)), (std::vector<i32>{6, 118, 0, 0, 0}));
  EXPECT_EQ(k(18).Type, 6);
  EXPECT_EQ(skills(k(18)), (std::vector<i32>{3, 7, 91, 117, 0}));
  EXPECT_EQ(k(19).Type, 0);
}

TEST_F(StageSetup, ShowpiecePartiesSummonTheirRareCreatureCheaply) {
  struct Case {
    int group, slot, type, sumC;
  } cases[] = {{2, 22, 34, 1}, {3, 22, 48, 0}, {4, 21, 75, 1}, {5, 22, 61, 0}, {7, 22, 89, 0}};
  for (const Case& c : cases) {
    freeParty(c.group, 0, 0);
    EXPECT_EQ(k(c.slot).Type, c.type) << c.group;
    EXPECT_EQ(k(c.slot).SumC, c.sumC) << c.group;
  }
  freeParty(6, 0, 0);
  EXPECT_EQ(k(22).SumC, s->D->creatures[102].SumC) << "group 6 keeps バハムート's cost";
}

}  // namespace
}  // namespace sorvane::testing_stages
