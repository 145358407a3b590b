// Position values: the terms of each positioning pattern on plains (and a
// little special ground), the turn-switched patterns, and the abilities that
// strike around a unit when it moves.
#include <cstdlib>
#include <map>

#include "ai_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kMaster = 251, kEnemyMaster = 252, kCreature = 25;

int d(int x1, int y1, int x2, int y2) { return std::abs(x1 - x2) + std::abs(y1 - y2); }

class Positioning : public AiFixture {
 protected:
  // Master 0 and an enemy master 16 at (15, 11) without a zone of control.
  void masters(int mx, int my) {
    unit(0, kMaster, mx, my);
    unit(16, kEnemyMaster, 15, 11).ZOC = 0;
  }
  i32 value(int x, int y) const { return state.posValue[x][y]; }
  void run(int u) {
    clearValues();
    op.AICheck_I(u);
  }
};

TEST_F(Positioning, HoldValuesDistanceFromTheOwnCellAndGround) {
  masters(5, 5);
  Tkst& u = k(0);
  u.AI.Ip = 4;
  u.Elem = Earth;
  state.terrain[6][5] = 9;  // 岩山: earth's +4 and the best shelter
  state.terrain[5][7] = 6;  // 草原: earth's -2
  run(0);
  EXPECT_EQ(value(5, 5), 1000);
  EXPECT_EQ(value(8, 7), 1000 - 100 * 5);
  EXPECT_EQ(value(6, 5), 1000 - 100 + 5 * 55 * 4 + 5 * 70 * 3);
  EXPECT_EQ(value(5, 7), 1000 - 200 + 5 * 55 * -2);
}

TEST_F(Positioning, HangBackKeepsTwentyCellsFromTheEnemyMasterOnItsDiagonal) {
  masters(2, 2);
  k(0).AI.Ip = 8;
  run(0);
  // 1000 - 20 |20 - dE| - 5 dE - 2 | |dx| - |dy| | relative to (15, 11).
  EXPECT_EQ(value(2, 2), 1000 - 20 * 2 - 5 * 22 - 2 * 4);
  EXPECT_EQ(value(10, 6), 1000 - 20 * 10 - 5 * 10);
  EXPECT_EQ(value(0, 13), 1000 - 20 * 3 - 5 * 17 - 2 * 13);
}

TEST_F(Positioning, GuardStandsAtZocDistanceFromTheMaster) {
  masters(5, 5);
  Tkst& u = unit(1, kCreature, 6, 6);
  u.AI.Ip = 3;
  u.ZOC = 2;
  run(1);
  // d(M, E) = 16: the axis term is taken relative to the master.
  auto expected = [](int x, int y) {
    const int dm = d(x, y, 5, 5), de = d(x, y, 15, 11);
    return 1000 - 25 * std::abs(2 - dm) - 20 * de - std::abs(std::abs(5 - x) - std::abs(5 - y));
  };
  for (auto [x, y] : {std::pair{7, 5}, {5, 5}, {0, 0}, {17, 13}}) EXPECT_EQ(value(x, y), expected(x, y)) << x << "," << y;
}

TEST_F(Positioning, EscortKeepsCloseToTheMasterAndAGuardianBesideIt) {
  masters(5, 5);
  Tkst& u = unit(1, kCreature, 6, 6);
  u.AI.Ip = 7;
  run(1);
  EXPECT_EQ(value(7, 5), 1000 + 20 * 14 - 2);
  EXPECT_EQ(value(10, 5), 1000 - 25 * 5 + 20 * 11 - 5);

  abilities(1, {286});  // [守護]: 200 more beside the master
  run(1);
  EXPECT_EQ(value(5, 4), 1000 + 200 + 20 * 17 - 1);
  EXPECT_EQ(value(7, 5), 1000 + 20 * 14 - 2);
}

TEST_F(Positioning, AdvanceStandsAtSkillReachAndMarksTheFirstStepsTowardTheEnemyMaster) {
  masters(5, 5);
  Tkst& u = k(0);
  u.AI.Ip = 1;
  u.AI.ReachSkill = 9;  // 念力: range 2, area 1, so R = 3
  u.Mov = 3;
  run(0);
  // A master: 1000 - 20 |R - 1 - dE| - dM, axis term with factor 4 on E.
  auto formula = [](int x, int y) {
    const int de = d(x, y, 15, 11);
    return 1000 - 20 * std::abs(3 - 1 - de) - d(x, y, 5, 5) - 4 * std::abs(std::abs(15 - x) - std::abs(11 - y));
  };
  EXPECT_EQ(value(2, 2), formula(2, 2));
  // E lies beyond the unit's reach: the route of 15 steps toward it adds
  // 14, 13, ..., 1 along its cells (and 0 at its end).
  std::map<i32, int> bonuses;
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y)
      if (value(x, y) != formula(x, y)) ++bonuses[value(x, y) - formula(x, y)];
  ASSERT_EQ(bonuses.size(), 14u);
  for (i32 b = 1; b <= 14; ++b) EXPECT_EQ(bonuses[b], 1) << b;
}

TEST_F(Positioning, AdvanceAddsNoRouteWhenTheEnemyMasterIsInReach) {
  unit(0, kMaster, 11, 11);
  unit(16, kEnemyMaster, 15, 11).ZOC = 0;
  Tkst& u = k(0);
  u.AI.Ip = 1;
  u.AI.ReachSkill = 9;
  u.Mov = 3;
  run(0);
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) {
      const int de = d(x, y, 15, 11);
      EXPECT_EQ(value(x, y), 1000 - 20 * std::abs(2 - de) - d(x, y, 11, 11) -
                                 4 * std::abs(std::abs(15 - x) - std::abs(11 - y)))
          << x << "," << y;
    }
}

// An enemy without skills threatens nothing: every cell counts its distance
// times the enemy's strength, normalised so the best cell is worth 500.
TEST_F(Positioning, EvadeRunsFromEnemiesAndARetreatingUnitTakesItFourfold) {
  unit(0, kMaster, 9, 9);
  Tkst& enemy = unit(16, kEnemyMaster, 0, 0);
  enemy.Atk = 20;
  enemy.AtkB = enemy.AtkP = 0;
  enemy.Lv = 10;  // strength (20 * 5) / 10 = 10
  Tkst& u = unit(1, kCreature, 8, 8);
  u.AI.Ip = 2;
  u.AI.Axis = 3;  // no axis term
  run(1);
  EXPECT_EQ(value(3, 4), 7 * 10 * 500 / 300);
  EXPECT_EQ(value(17, 13), 500);
  EXPECT_EQ(value(0, 0), 0);

  u.AI.Ip = 1;
  u.AI.Retreat = 1;
  u.HP = u.HPMax * 4 / 10 - 1;
  run(1);
  EXPECT_EQ(value(3, 4), 7 * 10 * 500 / 300 * 4);
}

TEST_F(Positioning, EvadeWithoutEnemiesKeepsOnlyTheTermsOfTheGround) {
  unit(0, kMaster, 9, 9);
  Tkst& u = unit(1, kCreature, 8, 8);
  u.AI.Ip = 2;
  run(1);
  // No enemy master: the axis term pulls toward the diagonals of (0, 0).
  EXPECT_EQ(value(4, 4), 0);
  EXPECT_EQ(value(4, 1), -2 * 3);
  EXPECT_EQ(value(17, 0), -2 * 17);
}

struct Switch {
  i32 ip;
  i32 turn;
  bool holds;     // pattern 4: 1000 on the own cell
  bool advances;  // pattern 1
};

class TurnSwitched : public Positioning, public ::testing::WithParamInterface<Switch> {};

TEST_P(TurnSwitched, PicksThePatternOfTheTurn) {
  const Switch c = GetParam();
  masters(5, 5);
  Tkst& u = k(0);
  u.AI.Ip = c.ip;
  u.AI.ReachSkill = 9;
  u.Mov = 3;
  battle.turn = c.turn;
  run(0);
  const i32 advance = 1000 - 20 * std::abs(2 - 16) - 0 - 4 * 4;  // formula of the advance on (5, 5)
  i32 expected = 0;
  if (c.holds) expected += 1000;
  if (c.advances) expected += advance;
  // The route bonus of an advance never lands on the own cell.
  EXPECT_EQ(value(5, 5), expected);
}

INSTANTIATE_TEST_SUITE_P(Ip, TurnSwitched,
                         ::testing::Values(Switch{105, 4, true, false}, Switch{105, 5, false, true},
                                           Switch{305, 5, true, false}, Switch{605, 5, true, false},
                                           Switch{405, 5, false, true}, Switch{0, 1, false, false},
                                           Switch{100, 3, false, false}, Switch{700, 3, false, false}));

TEST_F(Positioning, MoveTriggerAbilitiesSeekEnemiesAndAvoidAllies) {
  unit(0, kMaster, 3, 3);
  unit(16, kEnemyMaster, 10, 5);
  Tkst& u = unit(1, kCreature, 6, 9);
  u.AI.Ip = 0;
  abilities(1, {34});  // [範囲毒]: poison within two cells after a move
  run(1);
  EXPECT_EQ(value(10, 5), 500);
  EXPECT_EQ(value(12, 5), 500);
  EXPECT_EQ(value(13, 5), 0);
  EXPECT_EQ(value(3, 3), -500);
  EXPECT_EQ(value(6, 9), 0);

  // A poison-proof enemy and an already poisoned ally are not counted.
  abilities(16, {301});
  k(0).Poison = 1;
  run(1);
  EXPECT_EQ(value(10, 5), 0);
  EXPECT_EQ(value(3, 3), 0);
}

TEST_F(Positioning, ShadowStepCountsTheMovementItWouldTakeAway) {
  unit(0, kMaster, 3, 3);
  Tkst& enemy = unit(16, kEnemyMaster, 10, 5);
  enemy.Mov = 4;
  Tkst& u = unit(1, kCreature, 6, 9);
  u.AI.Ip = 0;
  abilities(1, {32});  // [影踏み]
  run(1);
  EXPECT_EQ(value(11, 6), 50 * 4);
  EXPECT_EQ(value(3, 4), -50 * k(0).Mov);
}

}  // namespace
}  // namespace sorvane::testing
