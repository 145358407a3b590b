// Action values of skill uses, worked out by hand: the base value of a use
// (cost, moving, the master's SP reserve, emptying the user's SP), and the
// worth of what the use does, weighted in fifths by kind of unit and side.
#include "ai_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kMaster = 251, kEnemyMaster = 252, kCreature = 25, kGolem = 201;
constexpr i32 kPoisonMist = 11;  // 毒霧: no damage, poison 100 %, range 1, 5 SP
constexpr i32 kBlow = 1;         // 打撃: power 45, hit 100, range 1, 1 SP
constexpr i32 kHeatWave = 66;    // 熱波: weather 1, on the own cell, 4 SP
constexpr i32 kStrafe = 235;     // ストレイフ: only units of the other team

class SkillChoice : public AiFixture {
 protected:
  // Creature 1 of team 1 on (5, 5) with `skill`, acting from its own cell only.
  Tkst& user(i32 skill) {
    unit(0, kMaster, 0, 0);
    unit(16, kEnemyMaster, 15, 13);
    Tkst& u = unit(1, kCreature, 5, 5, {skill});
    u.MoveN = 0;
    u.SkillN = 1;
    return u;
  }
  i32 entry(int x, int y, int slot, int tx, int ty) const { return state.actValue(x, y, slot, tx, ty); }
  // As the phase loop runs it: trials resolve without luck and show nothing.
  void evaluate(int u) {
    clearValues();
    state.simulating = 1;
    op.AICheck_W(u);
    state.simulating = 0;
  }
  // Poison's worth on a unit of catalogue entry `type`.
  i32 poisonWorth(int type, bool master) const {
    const Tcst& c = cat(type);
    return master ? c.HPg + c.Defg + c.Magg / 2 + 150 : c.HPg + c.Defg + c.Magg / 2 + (c.SumT + c.SumC) * 10;
  }
};

TEST_F(SkillChoice, PoisonIsWorthItsCatalogueValueByKindAndSide) {
  user(kPoisonMist);
  unit(17, kCreature, 6, 5);      // enemy creature
  unit(2, kCreature, 4, 5);       // ally creature
  k(16).Poison = 0;
  state.unitAt[15][13] = -1;      // the enemy master stands next to the user instead
  state.unitAt[5][4] = 16;
  unit(23, kGolem, 5, 6);         // enemy familiar
  evaluate(1);

  const i32 base = -30 * 5;
  const i32 creature = poisonWorth(kCreature, false);
  EXPECT_EQ(entry(5, 5, 0, 6, 5), base + creature);
  EXPECT_EQ(entry(5, 5, 0, 4, 5), base - creature);  // an ally: the sign turns
  EXPECT_EQ(entry(5, 5, 0, 5, 4), base + 15 * poisonWorth(kEnemyMaster, true) / 5);
  EXPECT_EQ(entry(5, 5, 0, 5, 6), base + 2 * poisonWorth(kGolem, false) / 5);
}

struct Weights {
  i32 creatureW, enemyW, badW, allyW;
};

class WeightsAsFifths : public SkillChoice, public ::testing::WithParamInterface<Weights> {};

// Each weight multiplies by w / 5 with the division right after it: kind,
// then side, then the term's own weight.
TEST_P(WeightsAsFifths, TruncateInTheirOrder) {
  const Weights w = GetParam();
  Tkst& u = user(kPoisonMist);
  u.AI.CreatureW = w.creatureW;
  u.AI.EnemyW = w.enemyW;
  u.AI.BadW = w.badW;
  u.AI.AllyW = w.allyW;
  unit(17, kCreature, 6, 5);
  unit(2, kCreature, 4, 5);
  evaluate(1);
  const i32 b = poisonWorth(kCreature, false);
  const i32 enemy = w.badW * (w.enemyW * (w.creatureW * b / 5) / 5) / 5;
  const i32 ally = w.badW * (w.allyW * -(w.creatureW * b / 5) / 5) / 5;
  EXPECT_EQ(entry(5, 5, 0, 6, 5), -150 + enemy);
  EXPECT_EQ(entry(5, 5, 0, 4, 5), -150 + ally);
}

INSTANTIATE_TEST_SUITE_P(Weights, WeightsAsFifths,
                         ::testing::Values(Weights{5, 5, 5, 5}, Weights{3, 5, 5, 5}, Weights{5, 7, 9, 5},
                                           Weights{3, 7, 9, 2}, Weights{0, 5, 5, 5}, Weights{5, 5, 0, 5}));

TEST_F(SkillChoice, AKillIsWorthTheUnitLost) {
  user(kBlow);
  Tkst& victim = unit(17, kCreature, 6, 5);
  victim.HP = 1;
  victim.SP = 20;
  evaluate(1);
  const Tcst& c = cat(kCreature);
  i32 b = 500 * (c.SumT + (c.SumC + 1) / 2);  // hit 100 %
  b = (20 * b / 50 + 2 * b) / 3;             // a creature counts by its SP left
  EXPECT_EQ(entry(5, 5, 0, 6, 5), -30 + b);
  EXPECT_EQ(entry(5, 5, 0, 5, 4), -30);  // nobody there: the base value alone
}

TEST_F(SkillChoice, UsingASkillAfterAMoveCostsFifty) {
  Tkst& u = user(kBlow);
  u.MoveN = 1;
  u.Mov = 2;
  evaluate(1);
  EXPECT_EQ(entry(5, 5, 0, 5, 4), -30);
  EXPECT_EQ(entry(5, 6, 0, 5, 7), -30 - 50);
  EXPECT_EQ(entry(5, 7, 0, 5, 8), -30 - 50);
}

TEST_F(SkillChoice, EmptyingTheOwnSpCostsTheCreatureUnlessItReturnsInTime) {
  Tkst& u = user(kPoisonMist);
  u.SP = 5;
  evaluate(1);
  const Tcst& c = cat(kCreature);
  i32 loss = -600 * (c.SumT + (c.SumC + 1) / 2);
  loss = 5 * loss / 50;  // full HP, SP 5 of 50
  EXPECT_EQ(entry(5, 5, 0, 5, 4), -150 + loss);

  abilities(1, {216});  // [時間逆行]
  evaluate(1);
  EXPECT_EQ(entry(5, 5, 0, 5, 4), -150);
}

struct Reserve {
  i32 sp;
  bool evaluated;
  i32 base;
};

class MasterSpReserve : public SkillChoice, public ::testing::WithParamInterface<Reserve> {};

// Two waiting creatures of summon cost 8 ask the master to keep 10 SP.
TEST_P(MasterSpReserve, PenalisesSpendingIt) {
  const Reserve r = GetParam();
  unit(16, kEnemyMaster, 15, 13);
  Tkst& m = unit(0, kMaster, 5, 5, {kPoisonMist});
  m.MoveN = 0;
  m.SkillN = 1;
  m.SP = r.sp;
  state.D->acquired[kCreature] = 1;
  for (int slot : {1, 2}) {
    state.SetK(slot, kCreature, 10);
    k(slot).SumC = 8;
  }
  evaluate(0);
  EXPECT_EQ(!op.skillEntries().empty(), r.evaluated);
  if (r.evaluated) {
    EXPECT_EQ(entry(5, 5, 0, 5, 4), r.base);
  }
}

INSTANTIATE_TEST_SUITE_P(Sp, MasterSpReserve,
                         ::testing::Values(Reserve{20, true, -150},               // 15 left > 10 and not < 14
                                           Reserve{16, true, -150 - 990 * 6},     // 11 < 10 + 4: f = 1 + 5
                                           Reserve{12, true, -150 - 990 * 8},     // f = 5 + 10 - 12 = 3, + 5
                                           Reserve{5, false, 0}));                // the last SP is never spent

TEST_F(SkillChoice, WeatherCountsTheUnitsItFavoursAsARunningTotal) {
  Tkst& u = user(kHeatWave);
  for (int i : {0, 16}) k(i).Elem = None;
  u.Elem = Fire;
  Tkst& enemy = unit(17, kCreature, 10, 10);
  enemy.Elem = Fire;
  state.weather = Sunny;
  evaluate(1);
  const i32 mine = 5 * (u.SumT + u.SumC) + 30, theirs = 5 * (enemy.SumT + enemy.SumC) + 30;
  // The enemy's fire creature turns the sign of the whole running total.
  EXPECT_EQ(entry(5, 5, 0, 5, 5), -120 - (mine + theirs));

  enemy.Elem = None;
  evaluate(1);
  EXPECT_EQ(entry(5, 5, 0, 5, 5), -120 + mine);

  state.zokuseiti2 = 20;  // a full water field: weather no longer matters
  evaluate(1);
  EXPECT_EQ(entry(5, 5, 0, 5, 5), -120);

  state.zokuseiti2 = 0;
  state.weather = HeatWave;  // already so
  evaluate(1);
  EXPECT_EQ(entry(5, 5, 0, 5, 5), -120);
}

// Target rule 11 (units of the other team) is tried like the others: a use
// whose area holds an enemy is simulated, one that holds only allies is not.
TEST_F(SkillChoice, TheEnemiesOnlyTargetRuleIsTriedOnEnemies) {
  user(kStrafe);  // range 3, area 3 (cells within 2 of the target)
  unit(17, kCreature, 8, 5);
  unit(2, kCreature, 5, 9);
  evaluate(1);
  const i32 base = -30 * 6;
  EXPECT_GT(entry(5, 5, 0, 7, 5), base);   // the enemy stands in the area
  EXPECT_EQ(entry(5, 5, 0, 5, 8), base);   // only the ally does
  EXPECT_EQ(entry(5, 5, 0, 2, 5), base);   // nobody
}

TEST_F(SkillChoice, TrialsLeaveTheLiveRecordsAndTheGeneratorAlone) {
  user(kBlow);
  Tkst& victim = unit(17, kCreature, 6, 5);
  victim.HP = 1;
  battle.setHosei();
  const auto before = state.D->k;
  const auto cells = state.unitAt;
  const auto rng = state.rng.state();
  evaluate(1);
  EXPECT_EQ(state.rng.state(), rng);
  EXPECT_EQ(state.unitAt, cells);
  for (int i = 0; i <= state.lastUnit; ++i) {
    EXPECT_EQ(state.D->k[i].HP, before[i].HP) << i;
    EXPECT_EQ(state.D->k[i].State, before[i].State) << i;
    EXPECT_EQ(state.D->k[i].AtkP, before[i].AtkP) << i;
  }
  EXPECT_TRUE(presenter.calls.empty());
}

}  // namespace
}  // namespace sorvane::testing
