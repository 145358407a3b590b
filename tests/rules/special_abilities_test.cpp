#include <algorithm>
#include <vector>

#include "battle_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kFireCreature = 22;  // ウコバク
constexpr int kIceCreature = 36;   // 雪ん子
constexpr int kWaterCreature = 91;
constexpr int kWindGod = 14, kThunderGod = 85;
constexpr int kBloodGolem = 201, kSkeleton = 204, kRock = 208;

// Passive abilities
constexpr i32 kSummonRisk = 94, kSnowCall = 95, kWindThunder = 343, kWorld = 400;
constexpr i32 kRevive = 211, kPhoenix = 212, kGhost = 213, kDeathAwakening = 214, kUndying = 215;
constexpr i32 kTimeReversal = 216, kDeathWater = 220, kRebirthLight = 221, kDeathAllyAtk = 222;
constexpr i32 kUnyielding = 223, kFusion = 224, kPrice1 = 225, kPrice2 = 226;
constexpr i32 kStatusFixed = 321, kPoisonResist = 301, kAtkUp = 83;

class SpecialAbilityTest : public BattleFixture {
 protected:
  SpecialAbilityTest() {
    put(0, masterEntry(0, Healer), 10, 2, 2);
    abilities(0, {});
    put(16, masterEntry(0, Warrior), 10, 15, 11);
    abilities(16, {});
  }

  Tkst& unitAt(int i, int type, int x, int y, std::initializer_list<i32> ids = {}) {
    Tkst& u = put(i, type, 10, x, y);
    abilities(i, ids);
    return u;
  }

  // The state the death rule leaves before it asks for the death abilities.
  void die(int i, int x, int y) {
    k(i).State = Dead;
    k(i).HP = 0;
    state.unitAt[x][y] = -1;
    battle.abilitySI(i, x, y);
  }

  void use(int user, i32 ability, std::initializer_list<std::pair<int, int>> cells) {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) state.areaPath[x][y].clear();
    for (auto [x, y] : cells) state.areaPath[x][y] = "1";
    state.selUnit = user;
    state.selSpecial = ability;
    state.reachMode = 0;
    battle.useA();
  }

  bool called(const std::string& call) const {
    return std::find(presenter.calls.begin(), presenter.calls.end(), call) != presenter.calls.end();
  }
};

// --- Arrival ------------------------------------------------------------------

struct ArrivalCase {
  i32 ability;
  i32 Tkst::*field;
  i32 change;
};

const ArrivalCase kArrivalCases[] = {
    {81, &Tkst::Flight, 1},  {82, &Tkst::Spirit, 1}, {83, &Tkst::AtkB, 15},  {84, &Tkst::DefB, 15},
    {85, &Tkst::MagB, 15},   {86, &Tkst::MovB, 1},   {87, &Tkst::CritB, 25}, {88, &Tkst::HitB, 25},
    {89, &Tkst::EvaB, 25},   {90, &Tkst::ProcB, 25}, {91, &Tkst::SP, 5},     {92, &Tkst::EvaB, 50},
    {93, &Tkst::ProcB, 50},  {336, &Tkst::MovB, -3},
};

class ArrivalTest : public SpecialAbilityTest, public ::testing::WithParamInterface<ArrivalCase> {};

TEST_P(ArrivalTest, ArrivalAbilityChangesItsValue) {
  const ArrivalCase& c = GetParam();
  Tkst& u = unitAt(1, kFireCreature, 5, 5, {c.ability});
  u.SP = u.SPMax;  // [SP上昇] may pass the maximum
  const i32 before = u.*c.field;
  battle.abilitySK(1);
  EXPECT_EQ(u.*c.field, before + c.change);
}

INSTANTIATE_TEST_SUITE_P(Abilities, ArrivalTest, ::testing::ValuesIn(kArrivalCases),
                         [](const ::testing::TestParamInfo<ArrivalCase>& info) {
                           return "ability" + std::to_string(info.param.ability);
                         });

TEST_F(SpecialAbilityTest, SnowCallBringsABlizzardAndAnnouncesIt) {
  unitAt(1, kIceCreature, 5, 5, {kSnowCall});
  battle.abilitySK(1);
  EXPECT_EQ(state.weather, Blizzard);
  EXPECT_TRUE(called("DLAnime 天気:吹雪 700"));

  presenter.calls.clear();
  battle.abilitySK(1);
  EXPECT_TRUE(presenter.matching("DLAnime").empty());
}

TEST_F(SpecialAbilityTest, WindAndThunderGodsGiveEachOtherActions) {
  Tkst& thunder = unitAt(2, kThunderGod, 6, 6, {kWindThunder});
  Tkst& wind = unitAt(1, kWindGod, 5, 5, {kWindThunder});
  battle.abilitySK(1);
  EXPECT_EQ(wind.SkillN, 2);
  EXPECT_EQ(wind.MoveN, 1);
  EXPECT_EQ(thunder.MoveN, 2);
  EXPECT_EQ(thunder.SkillN, 1);
}

TEST_F(SpecialAbilityTest, SummonRiskTakesTwoFifthsOfTheMastersHp) {
  k(0).HP = 7;
  unitAt(1, kFireCreature, 5, 5, {kSummonRisk});
  battle.abilitySK(1);
  EXPECT_EQ(k(0).HP, 4);  // 7 x 3 / 5
  EXPECT_TRUE(called("LAnime 0 9000 [召喚リスク]"));
  EXPECT_TRUE(called("LAnime 0 -3 HP"));

  k(0).HP = 1;
  battle.abilitySK(1);
  EXPECT_EQ(k(0).HP, 1);
}

TEST_F(SpecialAbilityTest, TimedSummonStartsItsCountAtFour) {
  for (i32 id : {350, 351, 352, 353, 354}) {
    Tkst& u = unitAt(1, kFireCreature, 5, 5, {kAtkUp, id});
    battle.abilitySK(1);
    EXPECT_EQ(u.TNS, "[攻撃強化][召喚時間制限4]") << id;
    EXPECT_EQ(u.TN[1], 354) << id;
  }
}

struct WorldCase {
  i32 holderTeamSide;  // master index of the holder's side
  i32 arriverSide;
  i32 elem;
  i32 terrain;
};

const WorldCase kWorldCases[] = {
    {0, 16, Fire, 13},  // an enemy fire creature lands on sea
    {0, 0, Fire, 3},    // an ally on magma
    {16, 0, Water, 11}, // a player's water creature facing an enemy holder: crystal
    {0, 0, None, 1},
    {0, 16, Thunder, 9},
};

class WorldTest : public SpecialAbilityTest, public ::testing::WithParamInterface<WorldCase> {};

TEST_P(WorldTest, TheOnlyWorldHolderReshapesTheArrivalCell) {
  const WorldCase& c = GetParam();
  unitAt(c.holderTeamSide + 2, kIceCreature, 8, 8, {kWorld});
  Tkst& arriver = unitAt(c.arriverSide + 1, kFireCreature, 5, 5);
  arriver.Elem = c.elem;
  battle.abilitySK(c.arriverSide + 1);
  EXPECT_EQ(state.terrain[5][5], c.terrain);
}

INSTANTIATE_TEST_SUITE_P(Sides, WorldTest, ::testing::ValuesIn(kWorldCases));

TEST_F(SpecialAbilityTest, TwoWorldHoldersCancelEachOther) {
  unitAt(2, kIceCreature, 8, 8, {kWorld});
  unitAt(18, kIceCreature, 9, 9, {kWorld});
  unitAt(17, kFireCreature, 5, 5);
  battle.abilitySK(17);
  EXPECT_EQ(state.terrain[5][5], 1);
}

// --- Death --------------------------------------------------------------------

struct RevivalCase {
  const char* name;
  int unit;  // 1 a creature, 7 a familiar, 0 the master
  std::vector<i32> abilities;
  i32 sp;
  i32 state;
  i32 hpOfMax;  // expected HP as HPMax / hpOfMax (0: HP 0)
  const char* tnsAfter;
};

const RevivalCase kRevivalCases[] = {
    {"revival and phoenix: full HP, both spent", 1, {kRevive, kPhoenix}, 5, OnField, 1, ""},
    {"revival alone: half", 1, {kRevive}, 5, OnField, 2, ""},
    {"ghost: a tenth, as a spirit", 1, {kGhost}, 5, OnField, 10, ""},
    {"undying stays", 1, {kUndying}, 5, OnField, 1, "[不死]"},
    {"undying without SP stays dead", 1, {kUndying}, 0, Dead, 0, "[不死]"},
    {"a familiar revives too", 7, {kRevive}, 5, OnField, 2, ""},
    {"a master with undying dies for good", 0, {kUndying}, 5, Dead, 0, "[不死]"},
};

class RevivalTest : public SpecialAbilityTest, public ::testing::WithParamInterface<RevivalCase> {};

TEST_P(RevivalTest, RevivesByItsAbilities) {
  const RevivalCase& c = GetParam();
  Tkst& u = c.unit == 0 ? k(0) : unitAt(c.unit, c.unit == 7 ? kSkeleton : kFireCreature, 5, 5);
  const int x = c.unit == 0 ? 2 : 5, y = c.unit == 0 ? 2 : 5;
  u.TN = {};
  for (std::size_t i = 0; i < c.abilities.size(); ++i) u.TN[i] = c.abilities[i];
  u.TNS = state.D->buildTNS(u.TN);
  u.SP = c.sp;
  die(c.unit, x, y);
  EXPECT_EQ(u.State, c.state);
  EXPECT_EQ(u.HP, c.hpOfMax ? u.HPMax / c.hpOfMax : 0);
  EXPECT_EQ(u.TNS, c.tnsAfter);
  EXPECT_EQ(state.unitAt[x][y], c.state == OnField ? c.unit : -1);
}

INSTANTIATE_TEST_SUITE_P(Abilities, RevivalTest, ::testing::ValuesIn(kRevivalCases),
                         [](const ::testing::TestParamInfo<RevivalCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(SpecialAbilityTest, EachRevivalRunsTheArrivalAbilitiesAgain) {
  Tkst& u = unitAt(1, kFireCreature, 5, 5, {kRevive, kPhoenix, kAtkUp});
  u.SP = 5;
  die(1, 5, 5);
  EXPECT_EQ(u.AtkB, 30);
  EXPECT_TRUE(called("LAnime 1 9000 [復活]"));
  EXPECT_TRUE(called("LAnime 1 9000 [不死鳥]"));
}

TEST_F(SpecialAbilityTest, DeathAwakeningDoublesAndHastes) {
  Tkst& u = unitAt(1, kFireCreature, 5, 5, {kDeathAwakening});
  u.SP = 1;
  die(1, 5, 5);
  EXPECT_EQ(u.AtkB, 100);
  EXPECT_EQ(u.MagB, 100);
  EXPECT_EQ(u.MovB, 3);
}

TEST_F(SpecialAbilityTest, TimeReversalSendsTheUnitBackWhole) {
  Tkst& u = unitAt(1, kFireCreature, 5, 5, {kTimeReversal});
  u.SP = 0;
  die(1, 5, 5);
  EXPECT_EQ(u.State, Waiting);
  EXPECT_EQ(u.HP, u.HPMax);
  EXPECT_EQ(u.SP, u.SPMax);
  EXPECT_EQ(state.unitAt[5][5], -1);
}

TEST_F(SpecialAbilityTest, TimeReversalLeavesARevivedUnitOnTheField) {
  Tkst& u = unitAt(1, kFireCreature, 5, 5, {kUndying, kTimeReversal});
  u.SP = 3;
  die(1, 5, 5);
  EXPECT_EQ(u.State, OnField);
  EXPECT_EQ(state.unitAt[5][5], 1);
}

TEST_F(SpecialAbilityTest, DeathTerrainReachesThreeCellsImpassableIncluded) {
  state.terrain[5][8] = 0;
  unitAt(1, kFireCreature, 5, 5, {kDeathWater});
  die(1, 5, 5);
  EXPECT_EQ(state.terrain[5][5], 13);
  EXPECT_EQ(state.terrain[5][8], 13);
  EXPECT_EQ(state.terrain[6][7], 13);
  EXPECT_EQ(state.terrain[5][9], 1);
  EXPECT_EQ(state.terrain[7][7], 1);
  EXPECT_TRUE(called("LAnime 1 9000 [死亡地形変化水]"));
  EXPECT_EQ(state.unitAt[5][5], -1);
}

TEST_F(SpecialAbilityTest, RebirthLightHealsTheAlliesOnTheField) {
  k(0).HP = k(0).HPMax - 1;
  Tkst& ally = unitAt(2, kIceCreature, 6, 6);
  ally.HP = 1;
  Tkst& enemy = unitAt(17, kIceCreature, 9, 9);
  enemy.HP = 1;
  unitAt(1, kFireCreature, 5, 5, {kRebirthLight});
  die(1, 5, 5);
  EXPECT_EQ(k(0).HP, k(0).HPMax);
  EXPECT_EQ(ally.HP, 1 + ally.HPMax / 10);
  EXPECT_EQ(enemy.HP, 1);
  EXPECT_TRUE(called("LAnime 0 1 HP"));
}

TEST_F(SpecialAbilityTest, MastersBuffsFromFusionAndPrices) {
  unitAt(1, kFireCreature, 5, 5, {kFusion, kPrice2});
  die(1, 5, 5);
  EXPECT_EQ(k(0).AtkB, 25 - 20);
  EXPECT_EQ(k(0).MovB, -1);

  abilities(0, {kStatusFixed});
  k(0).AtkB = 0;
  unitAt(2, kFireCreature, 6, 6, {kPrice1});
  die(2, 6, 6);
  EXPECT_EQ(k(0).AtkB, 0);
}

TEST_F(SpecialAbilityTest, AllyDeathAttackUpGivesEveryAllyFifteen) {
  Tkst& ally = unitAt(2, kIceCreature, 6, 6);
  unitAt(1, kFireCreature, 5, 5, {kDeathAllyAtk});
  die(1, 5, 5);
  EXPECT_EQ(ally.AtkB, 15);
  EXPECT_EQ(k(0).AtkB, 15);
  EXPECT_EQ(k(16).AtkB, 0);
}

TEST_F(SpecialAbilityTest, UnyieldingGrowsByTheKindOfTheFallen) {
  Tkst& holder = unitAt(2, kIceCreature, 6, 6, {kUnyielding});
  unitAt(1, kFireCreature, 5, 5);
  die(1, 5, 5);
  EXPECT_EQ(holder.DefB, 10);
  unitAt(7, kSkeleton, 7, 7);
  die(7, 7, 7);
  EXPECT_EQ(holder.DefB, 15);
  unitAt(8, kRock, 8, 8);
  die(8, 8, 8);
  EXPECT_EQ(holder.DefB, 15);
}

TEST_F(SpecialAbilityTest, ChainBringsTheNextEnemyOntoTheSameCell) {
  state.winCondition = 3;
  for (int i = 17; i <= 22; ++i) {
    put(i, kFireCreature + i - 17, 10, 0, 0);
    state.unitAt[0][0] = -1;
    k(i).State = Waiting;
  }
  put(23, 0, 50, 0, 0);
  state.unitAt[0][0] = -1;
  k(23).Kind = KindMaster;
  k(23).State = OnField;

  k(16).Kind = KindCreature;
  die(16, 15, 11);
  EXPECT_EQ(k(17).State, OnField);
  EXPECT_EQ(state.unitAt[15][11], 17);
  EXPECT_TRUE(called("SE 21"));
  EXPECT_TRUE(called("LAnime 17 1001"));

  state.unitAt[15][11] = 22;
  k(22).State = OnField;
  die(22, 15, 11);
  EXPECT_EQ(k(23).State, Dead);
}

TEST_F(SpecialAbilityTest, TheDeathRuleRunsTheDeathAbilities) {
  Tkst& u = unitAt(1, kFireCreature, 5, 5, {kPhoenix});
  u.SP = 2;
  u.HP = 0;
  battle.KAnime(1, CellAnim{0});
  EXPECT_EQ(u.State, OnField);
  EXPECT_EQ(u.HP, u.HPMax);
  EXPECT_EQ(state.unitAt[5][5], 1);
}

// --- Trial deaths ---------------------------------------------------------------

TEST_F(SpecialAbilityTest, TrialDeathRevivesOnTheWorkingCopyOnly) {
  Tkst& u = unitAt(1, kFireCreature, 5, 5, {kRevive, kUndying});
  u.SP = 3;
  state.copyToWork();
  state.D->kw[1].HP = -4;
  state.simulating = 1;
  battle.abilitySI_AI(1);
  const Tkst& w = state.D->kw[1];
  EXPECT_EQ(w.HP, w.HPMax);
  EXPECT_EQ(w.State, OnField);
  EXPECT_EQ(w.TNS, "[不死]");
  EXPECT_EQ(u.TNS, "[復活][不死]");
  EXPECT_TRUE(presenter.calls.empty());
}

TEST_F(SpecialAbilityTest, TrialDeathHelpsAlliesButNotTheFallen) {
  Tkst& dying = unitAt(1, kFireCreature, 5, 5, {kRebirthLight, kUnyielding});
  dying.HP = 10;
  unitAt(2, kIceCreature, 6, 6, {kUnyielding});
  unitAt(3, kIceCreature + 1, 7, 7, {kUnyielding, kStatusFixed});
  state.copyToWork();
  state.D->kw[1].HP = -1;
  state.simulating = 1;
  battle.abilitySI_AI(1);
  EXPECT_EQ(state.D->kw[1].HP, -1);
  EXPECT_EQ(state.D->kw[1].AtkB, 0);
  EXPECT_EQ(state.D->kw[2].AtkB, 15);
  EXPECT_EQ(state.D->kw[3].AtkB, 0);
}

TEST_F(SpecialAbilityTest, TrialPricesApplyWithTheMasterAnywhere) {
  unitAt(1, kFireCreature, 5, 5, {kPrice1});
  k(0).State = Waiting;
  state.copyToWork();
  state.simulating = 1;
  battle.abilitySI_AI(1);
  EXPECT_EQ(state.D->kw[0].AtkB, -15);
  EXPECT_EQ(k(0).AtkB, 0);
}

// --- Usable abilities -------------------------------------------------------------

TEST_F(SpecialAbilityTest, PrayerHealsFifteenPercentCutByHealingResistance) {
  Tkst& target = unitAt(1, kFireCreature, 3, 2);
  target.HPMax = 80;
  target.HP = 50;
  target.HealRes = 30;
  k(0).TU = 3;
  k(0).TUN = 2;
  k(0).SpecialN = 1;
  use(0, 3, {{3, 2}});
  EXPECT_EQ(target.HP, 58);  // 80 x 15 / 100 = 12, x 70 / 100 = 8
  EXPECT_EQ(target.HealRes, 40);
  EXPECT_TRUE(called("LAnime 0 9001 ■祈り"));
  EXPECT_TRUE(called("LAnime 1 8 HP"));
  EXPECT_EQ(k(0).TUN, 1);
  EXPECT_EQ(k(0).SpecialN, 0);
}

TEST_F(SpecialAbilityTest, HealingTruncatesThePercentBeforeTheResistance) {
  Tkst& target = unitAt(1, kFireCreature, 3, 2);
  target.HPMax = 99;
  target.HP = 10;
  target.HealRes = 10;
  use(0, 3, {{3, 2}});
  EXPECT_EQ(target.HP, 22);  // 99 x 15 / 100 = 14, x 90 / 100 = 12 (not 13)
}

TEST_F(SpecialAbilityTest, HealingStopsAtTheMaximumAndResistanceAtSixty) {
  Tkst& target = unitAt(1, kFireCreature, 3, 2);
  target.HPMax = 100;
  target.HP = 98;
  target.HealRes = 55;
  use(0, 1, {{3, 2}});  // 10 x 45 / 100 = 4, only 2 fit
  EXPECT_EQ(target.HP, 100);
  EXPECT_EQ(target.HealRes, 60);
  EXPECT_TRUE(called("LAnime 1 2 HP"));
}

TEST_F(SpecialAbilityTest, MasterHealingCuresEveryAilment) {
  k(0).HP = 1;
  k(0).Poison = 1;
  k(0).Stone = 2;
  k(0).Spirit = 1;
  unitAt(1, kFireCreature, 3, 2);
  use(1, 4, {{2, 2}});
  EXPECT_EQ(k(0).HP, 1 + k(0).HPMax * 20 / 100);
  EXPECT_EQ(k(0).Poison, 0);
  EXPECT_EQ(k(0).Stone, 0);
  EXPECT_EQ(k(0).Spirit, 1);  // a change, not an ailment
  EXPECT_TRUE(called("LAnime 0 3000 毒"));
  EXPECT_TRUE(called("LAnime 0 3000 石化"));
}

TEST_F(SpecialAbilityTest, MiasmaPoisonsEveryoneOnTheFieldButTheResistant) {
  unitAt(1, kFireCreature, 3, 2);
  Tkst& resistant = unitAt(2, kFireCreature + 1, 4, 2, {kPoisonResist});
  std::initializer_list<std::pair<int, int>> everywhere = {{2, 2}, {3, 2}, {4, 2}, {15, 11}};
  use(1, 6, everywhere);
  EXPECT_EQ(k(0).Poison, 1);
  EXPECT_EQ(k(1).Poison, 1);
  EXPECT_EQ(k(16).Poison, 1);
  EXPECT_EQ(resistant.Poison, 0);
}

TEST_F(SpecialAbilityTest, TherapyTradesTheUsersHpForTheTargetsSp) {
  Tkst& user = unitAt(1, kFireCreature, 3, 2);
  user.HPMax = 50;
  user.HP = 30;
  k(0).SP = 10;
  k(0).SPMax = 30;
  use(1, 5, {{2, 2}});
  EXPECT_EQ(user.HP, 20);
  EXPECT_EQ(k(0).SP, 13);
  EXPECT_TRUE(called("LAnime 1 -10 HP"));
  EXPECT_TRUE(called("LAnime 0 3 SP"));

  user.HP = 10;
  use(1, 5, {{2, 2}});
  EXPECT_EQ(user.State, Dead);
  EXPECT_EQ(user.HP, 0);
}

TEST_F(SpecialAbilityTest, SealErasesEveryAbility) {
  Tkst& target = unitAt(17, kFireCreature, 3, 2, {kAtkUp, kRevive});
  target.TU = 2;
  target.TUN = 3;
  use(0, 7, {{3, 2}});
  EXPECT_EQ(target.TNS, "");
  EXPECT_EQ(target.TN, (std::array<i32, 4>{0, 0, 0, 0}));
  EXPECT_EQ(target.TU, 0);
  EXPECT_EQ(target.TUN, 0);
}

TEST_F(SpecialAbilityTest, RepeatedMoveTradesASkillForAMove) {
  Tkst& target = unitAt(1, kFireCreature, 3, 2);
  target.SkillN = 1;
  target.MoveN = 0;
  k(0).TUN = 10;
  use(0, 8, {{3, 2}});
  EXPECT_EQ(target.SkillN, 0);
  EXPECT_EQ(target.MoveN, 1);
  use(0, 8, {{3, 2}});
  EXPECT_EQ(target.MoveN, 1);
  EXPECT_EQ(k(0).TUN, 8);  // the failed use is spent too
}

TEST_F(SpecialAbilityTest, PuppeteerGivesTheGolemItsMovesAndSkillsButNoSummoning) {
  Tkst& user = unitAt(1, kFireCreature, 3, 2);
  user.Mov = 6;
  i32 familiarSkill = 0;
  for (int id = 1; id < kSkillCount && familiarSkill == 0; ++id)
    if (state.D->skills[id].Cat == 2) familiarSkill = id;
  ASSERT_GT(familiarSkill, 0);
  user.W = SharedArray<i32>({50, familiarSkill, 53, 0, 0});
  Tkst& golem = unitAt(7, kBloodGolem, 4, 2);
  golem.W = SharedArray<i32>({7, 8, 9, 10, 11});
  const SharedArray<i32> golemBefore = golem.W;

  use(1, 9, {{4, 2}});
  EXPECT_EQ(golem.Mov, 6);
  EXPECT_EQ(golem.W.toVector(), (std::vector<i32>{50, 8, 53, 0, 0}));
  EXPECT_EQ(golemBefore.toVector(), (std::vector<i32>{7, 8, 9, 10, 11}));
}

TEST_F(SpecialAbilityTest, PuppeteerTrialLeavesTheLiveSkillListAlone) {
  Tkst& user = unitAt(1, kFireCreature, 3, 2);
  user.W = SharedArray<i32>({50, 51, 53, 0, 0});
  Tkst& golem = unitAt(7, kBloodGolem, 4, 2);
  golem.W = SharedArray<i32>({7, 8, 9, 10, 11});
  state.areaPath[4][2] = "1";
  state.selSpecial = 9;
  state.reachMode = 3;
  battle.curUser = 1;
  state.copyToWork();
  state.simulating = 1;
  battle.useA_s();
  EXPECT_EQ(state.D->kw[7].W.toVector(), (std::vector<i32>{50, 51, 53, 0, 0}));
  EXPECT_EQ(golem.W.toVector(), (std::vector<i32>{7, 8, 9, 10, 11}));
}

TEST_F(SpecialAbilityTest, PuppeteerOnlyReachesGolems) {
  unitAt(1, kFireCreature, 3, 2).Mov = 6;
  Tkst& other = unitAt(2, kIceCreature, 4, 2);
  const i32 mov = other.Mov;
  use(1, 9, {{4, 2}});
  EXPECT_EQ(other.Mov, mov);
}

TEST_F(SpecialAbilityTest, NecromancyRaisesOneUndeadOnAnEmptyCell) {
  Tkst& user = unitAt(1, kFireCreature, 3, 2);
  user.TUN = 4;
  use(1, 10, {{4, 2}, {5, 2}});
  const int familiar = state.unitAt[4][2];
  ASSERT_GE(familiar, 7);
  EXPECT_LE(familiar, 15);
  const Tkst& f = k(familiar);
  EXPECT_GE(f.Type, 204);
  EXPECT_LE(f.Type, 206);
  EXPECT_EQ(f.State, OnField);
  EXPECT_EQ(f.Lv, user.Lv);
  EXPECT_EQ(f.Team, 1);
  EXPECT_EQ(state.unitAt[5][2], -1);  // one per use
  EXPECT_TRUE(called("KAnime " + std::to_string(familiar) + " 4"));
  EXPECT_EQ(user.TUN, 3);
}

TEST_F(SpecialAbilityTest, NecromancyWithoutAFreeSlotFailsAndIsSpent) {
  Tkst& user = unitAt(1, kFireCreature, 3, 2);
  user.TUN = 4;
  for (int i = 7; i <= 15; ++i) {
    put(i, kSkeleton, 10, i, 10);
  }
  use(1, 10, {{4, 2}});
  EXPECT_EQ(state.unitAt[4][2], -1);
  EXPECT_TRUE(called("LAnime 1 6000"));
  EXPECT_EQ(user.TUN, 3);
}

TEST_F(SpecialAbilityTest, EventWallMakesTheCellImpassableOnlyForReal) {
  unitAt(1, kFireCreature, 3, 2);
  state.areaPath[6][6] = "1";
  state.selSpecial = 11;
  state.reachMode = 3;
  battle.curUser = 1;
  state.copyToWork();
  state.simulating = 1;
  battle.useA_s();
  EXPECT_EQ(state.terrain[6][6], 1);
  state.simulating = 0;

  use(1, 11, {{6, 6}});
  EXPECT_EQ(state.terrain[6][6], 0);
}

TEST_F(SpecialAbilityTest, LostIdeaFlattensTheTerrainKindAndTheElement) {
  Tkst& user = unitAt(1, kFireCreature, 3, 2);
  Tkst& target = unitAt(17, kWaterCreature, 4, 2);
  target.Elem = Water;
  state.terrain[4][2] = 12;  // 川
  state.terrain[10][10] = 12;
  state.terrain[11][10] = 13;
  Tkst& comingWater = unitAt(18, kWaterCreature + 1, 9, 9);
  comingWater.Elem = Water;
  comingWater.State = BeingSummoned;
  Tkst& waitingWater = unitAt(2, kWaterCreature + 2, 0, 0);
  waitingWater.Elem = Water;
  waitingWater.State = Waiting;
  state.unitAt[0][0] = -1;
  user.Elem = Fire;

  use(1, 12, {{4, 2}});
  EXPECT_EQ(state.terrain[4][2], 1);
  EXPECT_EQ(state.terrain[10][10], 1);
  EXPECT_EQ(state.terrain[11][10], 13);
  EXPECT_EQ(target.Elem, None);
  EXPECT_EQ(comingWater.Elem, None);
  EXPECT_EQ(waitingWater.Elem, Water);
  EXPECT_EQ(user.Elem, Fire);
}

TEST_F(SpecialAbilityTest, TheAiAnnouncesTheNameItself) {
  unitAt(1, kFireCreature, 3, 2);
  state.areaPath[3][2] = "1";
  state.selUnit = 0;
  state.selSpecial = 3;
  state.reachMode = 3;
  battle.useA();
  EXPECT_TRUE(presenter.matching("LAnime 0 9001").empty());
}

}  // namespace
}  // namespace sorvane::testing
