// Summoning and returning: which waiting creature comes out and where, and
// when a worn-out creature goes back to its master's hand.
#include "ai_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kMaster = 251, kEnemyMaster = 252;
constexpr int kCreatureA = 25, kCreatureB = 92, kCreatureC = 36;

class Summon : public AiFixture {
 protected:
  // The computer's master 16 on (15, 6) in its own phase, the player's on (2, 6).
  Tkst& master() {
    unit(0, kMaster, 2, 6);
    Tkst& m = unit(16, kEnemyMaster, 15, 6);
    battle.phaseTeam = 2;
    m.SummonN = 1;
    m.SP = 30;
    return m;
  }
  // Creature slot i of master 16, waiting in hand with full SP.
  Tkst& waiting(int i, int type) {
    state.SetK(i, type, 20);
    Tkst& c = k(i);
    c.SP = c.SPMax = 40;
    return c;
  }
  void decide() {
    state.simulating = 1;
    op.AICheck_C(16);
    state.simulating = 0;
  }
  int at(int x, int y) const { return state.unitAt[x][y]; }
};

TEST_F(Summon, ACreatureComesOutNearestTheEnemyMasterOnItsDiagonal) {
  Tkst& m = master();
  Tkst& c = waiting(17, kCreatureA);
  const i32 spBefore = m.SP;
  decide();
  EXPECT_EQ(at(11, 6), 17);  // 1000 - 25 * 9 - 9: the best cell within 4 of the master
  EXPECT_NE(c.State, Waiting);
  EXPECT_EQ(m.SP, spBefore - c.SumC);
  EXPECT_EQ(m.SummonN, 0);
}

TEST_F(Summon, ACreatureThatKeepsItsDistanceComesOutFarthestAway) {
  master();
  waiting(17, kCreatureA).AI.SummonFar = 1;
  decide();
  // (15, 2) and (15, 10) are 17 away with the same axis term; the first in column order wins.
  EXPECT_EQ(at(15, 2), 17);
}

TEST_F(Summon, TheTeamsCapacityOfFiveIsNeverExceeded) {
  master();
  unit(18, kCreatureB, 12, 2).SumK = 3;
  unit(19, kCreatureC, 12, 10).SumK = 2;
  Tkst& c = waiting(17, kCreatureA);
  c.SumK = 1;
  decide();
  EXPECT_EQ(c.State, Waiting);

  k(19).SumK = 1;
  decide();
  EXPECT_NE(c.State, Waiting);
}

TEST_F(Summon, ATwinOnTheFieldKeepsTheSecondInHandButNotTheNext) {
  Tkst& m = master();
  m.SummonN = 2;
  unit(18, kCreatureA, 12, 2);
  Tkst& twin = waiting(17, kCreatureA);
  Tkst& other = waiting(19, kCreatureB);
  decide();
  EXPECT_EQ(twin.State, Waiting);
  EXPECT_NE(other.State, Waiting);
}

TEST_F(Summon, SpiritCallersMakeItCheaper) {
  Tkst& m = master();
  m.SP = 4;
  Tkst& c = waiting(17, kCreatureA);
  c.SumC = 5;
  decide();
  EXPECT_EQ(c.State, Waiting);  // 5 is not below 4

  unit(18, kCreatureB, 12, 2);
  unit(19, kCreatureC, 12, 10);
  abilities(18, {331});  // [精霊迎え]
  abilities(19, {331});
  decide();
  EXPECT_NE(c.State, Waiting);  // 5 - 2 = 3
}

TEST_F(Summon, ATiredCreatureWaitsUntilItsSpIsBack) {
  master();
  Tkst& c = waiting(17, kCreatureA);
  c.SPMax = 40;
  c.SP = 9;  // below 40 * 5 / 10 and not above 9
  decide();
  EXPECT_EQ(c.State, Waiting);
  c.SP = 10;
  decide();
  EXPECT_NE(c.State, Waiting);
}

TEST_F(Summon, ASealedOrSleepingMasterSummonsNothing) {
  Tkst& m = master();
  Tkst& c = waiting(17, kCreatureA);
  m.SummonSeal = 1;
  decide();
  EXPECT_EQ(c.State, Waiting);
  m.SummonSeal = 0;
  m.Sleep = 4;
  decide();
  EXPECT_EQ(c.State, Waiting);
}

// A creature of summon time 2 and cost 5 (stay value 50 from (2 + 3) x 10)
// whose first skill costs 1.
struct Worn {
  const char* name;
  i32 sp;
  i32 zoc;
  i32 winCondition;
  int ability;
  bool returns;
};

class Return : public AiFixture, public ::testing::WithParamInterface<Worn> {};

TEST_P(Return, WeighsWhatTheCreatureIsWorthAgainstHowWornItIs) {
  const Worn w = GetParam();
  unit(0, kMaster, 0, 0);
  Tkst& m = unit(16, kEnemyMaster, 15, 6);
  m.SP = 30;
  Tkst& c = unit(17, kCreatureA, 10, 6, {1});
  c.SumT = 2;
  c.SumC = 5;
  c.SP = w.sp;
  c.ZOC = w.zoc;
  if (w.ability) abilities(17, {w.ability});
  state.winCondition = w.winCondition;
  battle.phaseTeam = 2;
  state.simulating = 1;
  op.AICheck_K(17);
  state.simulating = 0;
  EXPECT_EQ(c.State == Waiting, w.returns);
  EXPECT_EQ(state.unitAt[10][6] == -1, w.returns);
}

// SP 1 gives a return value of 5 x (2 + 2 + 5 + 9) = 90, SP 2 of 45.
INSTANTIATE_TEST_SUITE_P(Cases, Return,
                         ::testing::Values(Worn{"exhausted", 1, 1, 0, 0, true},
                                           Worn{"tired", 2, 1, 0, 0, false},
                                           Worn{"wideZoc", 1, 5, 0, 0, false},  // 90 - 48 < 50
                                           Worn{"defeatStage", 1, 1, 3, 0, false},
                                           Worn{"timeReversal", 1, 1, 0, 216, false},
                                           Worn{"flyingForGood", 2, 1, 0, 81, true}),  // [飛行] + 35
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvane::testing
