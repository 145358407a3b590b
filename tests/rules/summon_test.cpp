#include <algorithm>
#include <functional>
#include <vector>

#include "battle_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kFireCreature = 22;   // ウコバク
constexpr int kOtherCreature = 36;  // 雪ん子
constexpr int kWindGod = 14;
constexpr int kSkeleton = 204;

constexpr i32 kSpiritWelcome = 331, kSpiritCall = 332, kWindCall = 333, kBeastMother = 335;
constexpr i32 kQuickSummon = 336, kRabbitHole = 401;

class SummonTest : public BattleFixture {
 public:
  using BattleFixture::k;
  using BattleFixture::put;
  using BattleFixture::state;

  SummonTest() {
    put(0, masterEntry(0, Mage), 10, 2, 2);
    abilities(0, {});
    k(0).SP = k(0).SPMax = 30;
    put(16, masterEntry(0, Warrior), 10, 15, 11);
    abilities(16, {});
  }

  // A creature of unit i's side waiting in its master's hand.
  Tkst& waiting(int i, int type, i32 sumT, i32 sumC = 0, i32 sumK = 1) {
    Tkst& c = put(i, type, 10, 0, 0);
    state.unitAt[0][0] = -1;
    c.State = Waiting;
    abilities(i, {});
    c.SumT = sumT;
    c.SumC = sumC;
    c.SumK = sumK;
    return c;
  }

  // A creature of unit i's side on the field, without abilities.
  Tkst& fielded(int i, int type, int x, int y, i32 sumK = 1) {
    Tkst& c = put(i, type, 10, x, y);
    abilities(i, {});
    c.SumK = sumK;
    return c;
  }

  void summon(int creature, int x = 3, int y = 2, int sacrifice = -1) {
    state.selUnit = 0;
    state.sumUnit = creature;
    state.sumX = x;
    state.sumY = y;
    state.sacrifice = sacrifice;
    battle.summonA();
  }

  int indexOf(const std::string& call) const {
    auto it = std::find(presenter.calls.begin(), presenter.calls.end(), call);
    return it == presenter.calls.end() ? -1 : int(it - presenter.calls.begin());
  }
};

// --- Summon time ------------------------------------------------------------

struct TimeCase {
  const char* name;
  i32 method;
  i32 sumT;
  i32 elem;
  i32 weather;
  i32 destination;       // terrain of the destination cell
  bool fireAlly;         // an own fire creature on the field
  bool fireEnemy;        // an enemy fire creature on the field
  std::vector<i32> masterAbilities;
  std::vector<i32> helperAbilities;  // held by an own creature on the field
  i32 predicted;         // the menu's time (no destination term), clamped
  i32 counter;           // SumTC after summonA
};

const TimeCase kTimeCases[] = {
    {"chant fire in a heat wave on scorched land next to a fire ally", Chant, 4, Fire, HeatWave, 2, true, false, {}, {}, 2, 1},
    {"the same with a rabbit hole arrives at once", Chant, 4, Fire, HeatWave, 2, true, false, {kRabbitHole}, {}, 1, 0},
    {"an enemy's fire creature does not help", Chant, 4, Fire, Sunny, 1, false, true, {}, {}, 4, 4},
    {"a creature without element gains nothing from grey weather", Chant, 4, None, Cloudy, 1, false, false, {}, {}, 4, 4},
    {"magic circle halves rounding up: 5", MagicCircle, 5, Fire, Sunny, 1, false, false, {}, {}, 3, 3},
    {"magic circle: 4", MagicCircle, 4, Fire, Sunny, 1, false, false, {}, {}, 2, 2},
    {"magic circle: 1", MagicCircle, 1, Fire, Sunny, 1, false, false, {}, {}, 1, 1},
    {"magic circle ignores the element terms", MagicCircle, 4, Fire, HeatWave, 2, true, false, {}, {}, 2, 2},
    {"magic circle halves after the abilities", MagicCircle, 4, Fire, Sunny, 1, false, false, {kQuickSummon}, {}, 2, 2},
    {"magic stone: 2 arrives at once", MagicStone, 2, Fire, Sunny, 1, false, false, {}, {}, 0, 0},
    {"magic stone: 3", MagicStone, 3, Fire, Sunny, 1, false, false, {}, {}, 1, 1},
    {"sacrifice without an offering keeps the time", Sacrifice, 5, Fire, Sunny, 1, false, false, {}, {}, 5, 5},
    {"a spirit caller on the field", Chant, 5, None, Sunny, 1, false, false, {}, {kSpiritCall}, 4, 4},
    {"quick summon and rabbit hole", Chant, 5, None, Sunny, 1, false, false, {kQuickSummon, kRabbitHole}, {}, 3, 3},
    {"mother of beasts: at once", Chant, 9, None, Sunny, 1, false, false, {}, {kBeastMother}, 0, 0},
};

class SummonTimeTest : public SummonTest, public ::testing::WithParamInterface<TimeCase> {};

TEST_P(SummonTimeTest, PredictsAndStartsWithTheTimeOfItsMethod) {
  const TimeCase& c = GetParam();
  k(0).SH = c.method;
  std::vector<i32> masterAbilities = c.masterAbilities;
  Tkst& m = k(0);
  m.TN = {};
  for (std::size_t i = 0; i < masterAbilities.size(); ++i) m.TN[i] = masterAbilities[i];
  m.TNS = state.D->buildTNS(m.TN);
  state.weather = c.weather;
  state.terrain[3][2] = c.destination;
  Tkst& creature = waiting(1, kFireCreature, c.sumT);
  creature.Elem = c.elem;
  if (c.fireAlly) fielded(2, kFireCreature, 6, 6).Elem = Fire;
  if (c.fireEnemy) fielded(17, kFireCreature, 10, 10).Elem = Fire;
  if (!c.helperAbilities.empty()) {
    fielded(3, kOtherCreature, 7, 7);
    Tkst& helper = k(3);
    helper.TN = {};
    for (std::size_t i = 0; i < c.helperAbilities.size(); ++i) helper.TN[i] = c.helperAbilities[i];
    helper.TNS = state.D->buildTNS(helper.TN);
  }

  EXPECT_EQ(battle.predictSummon(0, 1).time, c.predicted);

  summon(1);
  EXPECT_EQ(creature.SumTC, c.counter);
  EXPECT_EQ(state.unitAt[3][2], 1);
  EXPECT_EQ(creature.State, c.counter == 0 ? OnField : BeingSummoned);
  EXPECT_GE(indexOf("KAnime 1 3"), 0);
  EXPECT_EQ(indexOf("KAnime 1 1") >= 0, c.counter == 0);
}

INSTANTIATE_TEST_SUITE_P(Methods, SummonTimeTest, ::testing::ValuesIn(kTimeCases),
                         [](const ::testing::TestParamInfo<TimeCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(SummonTest, WindCallerBringsTheWindGodAtOnceAndNoOtherCreature) {
  fielded(3, kOtherCreature, 7, 7);
  abilities(3, {kWindCall});
  waiting(1, kWindGod, 7);
  waiting(2, kFireCreature, 7);
  EXPECT_EQ(battle.predictSummon(0, 1).time, 0);
  EXPECT_EQ(battle.predictSummon(0, 2).time, 7);
}

// --- Cost -------------------------------------------------------------------

struct CostCase {
  const char* name;
  i32 sumC;
  int welcomers;  // own units on the field with [精霊迎え]
  int mothers;    // own units on the field with [幻獣の母]
  i32 cost;       // what summonCost gives
  i32 paid;       // what the master pays
};

const CostCase kCostCases[] = {
    {"two welcomers: 5 costs 3", 5, 2, 0, 3, 3},
    {"a mother of beasts: 9 costs 3", 9, 0, 1, 3, 3},
    {"welcome first, then the third: (10 - 1) / 3", 10, 1, 1, 3, 3},
    {"two mothers: 9 / 3 / 3", 9, 0, 2, 1, 1},
    {"a cost below zero is not paid", 0, 1, 0, -1, 0},
};

class SummonCostTest : public SummonTest, public ::testing::WithParamInterface<CostCase> {};

TEST_P(SummonCostTest, HelpersLowerTheCostAndOnlyAPositiveCostIsPaid) {
  const CostCase& c = GetParam();
  waiting(1, kFireCreature, 9, c.sumC);
  int slot = 2;
  for (int i = 0; i < c.welcomers; ++i, ++slot) {
    fielded(slot, kOtherCreature + slot, slot + 4, 8);
    abilities(slot, {kSpiritWelcome});
  }
  for (int i = 0; i < c.mothers; ++i, ++slot) {
    fielded(slot, kOtherCreature + slot, slot + 4, 8);
    abilities(slot, {kBeastMother});
  }
  EXPECT_EQ(battle.summonCost(0, 1), c.cost);
  EXPECT_EQ(battle.predictSummon(0, 1).cost, std::max(c.cost, 0));
  summon(1);
  EXPECT_EQ(k(0).SP, 30 - c.paid);
}

INSTANTIATE_TEST_SUITE_P(Helpers, SummonCostTest, ::testing::ValuesIn(kCostCases),
                         [](const ::testing::TestParamInfo<CostCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(SummonTest, HelpersOfAnotherMasterDoNotLowerTheCost) {
  waiting(1, kFireCreature, 3, 5);
  fielded(17, kOtherCreature, 10, 10);
  abilities(17, {kSpiritWelcome});
  EXPECT_EQ(battle.summonCost(0, 1), 5);
}

// --- The menu's rules ---------------------------------------------------------

struct MenuCase {
  const char* name;
  std::function<void(SummonTest&)> arrange;
  bool allowed;
};

const MenuCase kMenuCases[] = {
    {"a waiting creature the master can pay for", [](SummonTest&) {}, true},
    {"cost equal to the master's SP", [](SummonTest& t) { t.k(0).SP = 5; }, false},
    {"cost one below the master's SP", [](SummonTest& t) { t.k(0).SP = 6; }, true},
    {"an empty slot", [](SummonTest& t) { t.k(1).Type = 0; }, false},
    {"a creature already being summoned", [](SummonTest& t) { t.k(1).State = BeingSummoned; }, false},
    {"a dead creature", [](SummonTest& t) { t.k(1).State = Dead; }, false},
    {"capacity 4 in use and SumK 2",
     [](SummonTest& t) {
       t.fielded(2, kOtherCreature, 6, 6, 3);
       t.fielded(3, kOtherCreature + 1, 7, 6, 1).State = BeingSummoned;
       t.k(1).SumK = 2;
     },
     false},
    {"capacity 4 in use and SumK 1",
     [](SummonTest& t) {
       t.fielded(2, kOtherCreature, 6, 6, 3);
       t.fielded(3, kOtherCreature + 1, 7, 6, 1).State = BeingSummoned;
     },
     true},
    {"the allied master's creatures share the capacity",
     [](SummonTest& t) {
       t.state.lastUnit = 63;
       t.put(32, masterEntry(0, Knight), 10, 2, 5);
       t.fielded(33, kOtherCreature, 6, 6, 5);
     },
     false},
    {"the enemy's creatures do not use the capacity",
     [](SummonTest& t) { t.fielded(17, kOtherCreature, 10, 10, 5); },
     true},
    {"the same type on the field", [](SummonTest& t) { t.fielded(2, kFireCreature, 6, 6); }, false},
    {"the same type being summoned",
     [](SummonTest& t) { t.fielded(2, kFireCreature, 6, 6).State = BeingSummoned; },
     false},
    {"the same type in the enemy's team", [](SummonTest& t) { t.fielded(17, kFireCreature, 10, 10); }, true},
    {"no summon left this phase", [](SummonTest& t) { t.k(0).SummonN = 0; }, false},
    {"a sealed master", [](SummonTest& t) { t.k(0).SummonSeal = 2; }, false},
    {"a sleeping master", [](SummonTest& t) { t.k(0).Sleep = 4; }, false},
    {"a petrified master", [](SummonTest& t) { t.k(0).Stone = 1; }, false},
};

class SummonMenuTest : public SummonTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(SummonMenuTest, FollowsTheSummonRules) {
  const MenuCase& c = GetParam();
  waiting(1, kFireCreature, 3, 5);
  c.arrange(*this);
  EXPECT_EQ(battle.predictSummon(0, 1).allowed, c.allowed) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Rules, SummonMenuTest, ::testing::ValuesIn(kMenuCases),
                         [](const ::testing::TestParamInfo<MenuCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(SummonTest, PredictionClampsTimeAndCostAtZeroAndRejectsBadSlots) {
  k(0).SH = MagicStone;
  waiting(1, kFireCreature, 1, 0);
  fielded(2, kOtherCreature, 6, 6);
  abilities(2, {kSpiritWelcome});
  SummonPrediction p = battle.predictSummon(0, 1);
  EXPECT_EQ(p.time, 0);
  EXPECT_EQ(p.cost, 0);
  EXPECT_TRUE(p.allowed);
  EXPECT_FALSE(battle.predictSummon(0, 0).allowed);
  EXPECT_FALSE(battle.predictSummon(0, 7).allowed);
}

// --- summonA --------------------------------------------------------------------

TEST_F(SummonTest, SummonCountsForThePlayerAndUsesUpTheMastersSummon) {
  waiting(1, kFireCreature, 3, 4);
  summon(1);
  EXPECT_EQ(state.D->records.recSummons, 1);
  EXPECT_EQ(k(0).SummonN, 0);
  EXPECT_EQ(k(0).SP, 26);
  EXPECT_EQ(k(1).State, BeingSummoned);
}

TEST_F(SummonTest, EnemySummonsAreNotCounted) {
  waiting(17, kFireCreature, 3, 4);
  state.selUnit = 16;
  state.sumUnit = 17;
  state.sumX = 14;
  state.sumY = 11;
  battle.summonA();
  EXPECT_EQ(state.D->records.recSummons, 0);
  EXPECT_EQ(k(17).State, BeingSummoned);
}

TEST_F(SummonTest, ImmediateArrivalMarksTheCreatureSummoned) {
  k(0).SH = MagicStone;
  waiting(1, kFireCreature, 2, 3);
  summon(1);
  EXPECT_EQ(k(1).State, OnField);
  EXPECT_EQ(k(1).SumTC, 0);
  EXPECT_EQ(state.D->summoned[kFireCreature], 1);
  EXPECT_LT(indexOf("KAnime 1 3"), indexOf("KAnime 1 1"));
}

TEST_F(SummonTest, AnOccupiedCellOrABusyCreatureStartsNothing) {
  waiting(1, kFireCreature, 3, 4);
  fielded(2, kOtherCreature, 3, 2);
  summon(1);
  EXPECT_EQ(k(1).State, Waiting);
  EXPECT_EQ(k(0).SP, 30);
  EXPECT_EQ(state.D->records.recSummons, 0);
}

TEST_F(SummonTest, SacrificeDiesFirstAndShortensTheSummonByThreeTimesItsTime) {
  k(0).SH = Sacrifice;
  fielded(2, kOtherCreature, 6, 6).SumT = 2;
  waiting(1, kFireCreature, 8, 4);
  summon(1, 3, 2, 2);
  EXPECT_EQ(k(2).State, Dead);
  EXPECT_EQ(state.unitAt[6][6], -1);
  EXPECT_EQ(k(1).SumTC, 2);  // 8 - 3 x 2
  EXPECT_LT(indexOf("KAnime 2 0"), indexOf("KAnime 1 3"));
  EXPECT_EQ(state.sacrifice, -1);
}

TEST_F(SummonTest, ASacrificedFamiliarCountsWithItsOwnTime) {
  k(0).SH = Sacrifice;
  put(7, kSkeleton, 10, 6, 6);
  const i32 familiarTime = k(7).SumT;
  ASSERT_GT(familiarTime, 0);
  waiting(1, kFireCreature, 8, 4);
  summon(1, 3, 2, 7);
  EXPECT_EQ(k(7).Type, 0);  // the familiar's slot is free again
  EXPECT_EQ(k(1).SumTC, 8 - 3 * familiarTime);
}

TEST_F(SummonTest, TheCostIsPaidBeforeTheSacrificeHandsItsSpBack) {
  k(0).SH = Sacrifice;
  Tkst& victim = fielded(2, kOtherCreature, 6, 6);
  victim.SumT = 1;
  victim.SP = 24;  // hands 24 / 5 + 1 = 5 back
  waiting(1, kFireCreature, 8, 10);
  summon(1, 3, 2, 2);
  EXPECT_EQ(k(0).SP, 30 - 10 + 5);
}

TEST_F(SummonTest, OnlyAnOwnUnitOnTheFieldCanBeSacrificed) {
  k(0).SH = Sacrifice;
  fielded(17, kOtherCreature, 10, 10).SumT = 2;
  waiting(1, kFireCreature, 8, 4);
  summon(1, 3, 2, 17);
  EXPECT_EQ(k(17).State, OnField);
  EXPECT_EQ(k(1).SumTC, 8);
}

TEST_F(SummonTest, OtherMethodsIgnoreAnOffering) {
  fielded(2, kOtherCreature, 6, 6).SumT = 2;
  waiting(1, kFireCreature, 8, 4);
  summon(1, 3, 2, 2);
  EXPECT_EQ(k(2).State, OnField);
  EXPECT_EQ(k(1).SumTC, 8);
}

// --- kikanA ---------------------------------------------------------------------

TEST_F(SummonTest, AReturnedCreatureKeepsItsDamageAndRegainsFourSpPerOwnPhase) {
  Tkst& c = fielded(1, kFireCreature, 5, 5);
  c.HP = c.HPMax - 7;
  c.SPMax = 15;
  c.SP = 5;
  c.Poison = 1;
  c.AtkB = 20;
  c.HealRes = 30;
  state.selUnit = 1;
  battle.kikanA();

  EXPECT_EQ(c.State, Waiting);
  EXPECT_EQ(state.unitAt[5][5], -1);
  EXPECT_EQ(c.Poison, 0);
  EXPECT_EQ(c.AtkB, 0);
  EXPECT_EQ(c.HealRes, 0);
  EXPECT_EQ(c.HP, c.HPMax - 7);
  EXPECT_EQ(state.D->records.recReturns, 1);
  EXPECT_EQ(presenter.matching("LAnime 1 1002").size(), 1u);

  // Each call ends the player's phase and plays the opponent's before the next.
  battle.Tchange();
  EXPECT_EQ(c.SP, 9);
  battle.Tchange();
  EXPECT_EQ(c.SP, 13);
  battle.Tchange();
  EXPECT_EQ(c.SP, 15);
  EXPECT_EQ(c.HP, c.HPMax - 7);
}

TEST_F(SummonTest, AReturnedFamiliarFreesItsSlot) {
  put(7, kSkeleton, 10, 6, 6);
  state.selUnit = 7;
  battle.kikanA();
  EXPECT_EQ(k(7).Type, 0);
  EXPECT_EQ(state.unitAt[6][6], -1);
}

}  // namespace
}  // namespace sorvane::testing
