// One unit's turn and the phase loop: when the computer acts and when it
// stays, what it shows, and whom the loop lets play.
#include <limits>

#include "ai_fixture.h"

namespace sorvane::testing {
namespace {

constexpr int kMaster = 251, kEnemyMaster = 252, kCreature = 25;
constexpr i32 kBlow = 1;         // 打撃: range 1, 1 SP
constexpr i32 kPoisonMist = 11;  // 毒霧

class Driver : public AiFixture {
 protected:
  void act(int u) {
    state.simulating = 1;
    op.AICheck(u);
    state.simulating = 0;
  }
  bool at(int u, int x, int y) const { return state.unitAt[x][y] == u; }
};

TEST_F(Driver, AUnitWithNothingBetterThanStandingStillShowsNothing) {
  unit(0, kMaster, 5, 5).AI.Ip = 0;
  unit(16, kEnemyMaster, 15, 13);
  act(0);
  EXPECT_TRUE(at(0, 5, 5));
  EXPECT_TRUE(presenter.calls.empty());
  EXPECT_EQ(k(0).MoveN, 1);
}

// A cycle that stays changes nothing, so the next would stay too: a unit with
// a count set far beyond any phase's (once a cycle each, for ever) is done
// after the first, and one that walks stops where it is best.
TEST_F(Driver, AHugeMoveCountEndsWhenNothingIsBetter) {
  Tkst& still = unit(0, kMaster, 5, 5);
  still.AI.Ip = 0;
  still.MoveN = std::numeric_limits<i32>::max();
  unit(16, kEnemyMaster, 15, 13);
  act(0);
  EXPECT_TRUE(at(0, 5, 5));
  EXPECT_EQ(still.MoveN, std::numeric_limits<i32>::max());

  Tkst& walker = unit(0, kMaster, 5, 5);
  walker.AI.Ip = 4;
  walker.Mov = 1;
  walker.Elem = Earth;
  walker.MoveN = std::numeric_limits<i32>::max();
  state.terrain[6][5] = 8;  // 砂地, then 岩山: each step is better ground
  state.terrain[7][5] = 9;
  act(0);
  EXPECT_TRUE(at(0, 7, 5));
  EXPECT_EQ(walker.MoveN, std::numeric_limits<i32>::max() - 2);
}

TEST_F(Driver, AUnitMovesToItsBestCellAnnouncingItselfOnce) {
  Tkst& m = unit(0, kMaster, 5, 5);
  m.AI.Ip = 4;
  m.Mov = 3;
  m.Elem = Earth;
  state.terrain[7][5] = 9;  // 岩山: earth's best ground, two cells away
  unit(16, kEnemyMaster, 15, 13);
  act(0);
  EXPECT_TRUE(at(0, 7, 5));
  EXPECT_EQ(presenter.matching("KAnime 0 6").size(), 1u);
  EXPECT_EQ(m.MoveN, 0);
}

TEST_F(Driver, AUnitStrikesAnEnemyItCanFinish) {
  Tkst& u = unit(0, kMaster, 5, 5, {kBlow});
  u.AI.Ip = 4;  // staying is worth most: it strikes from where it stands
  unit(16, kEnemyMaster, 15, 13);
  Tkst& victim = unit(17, kCreature, 6, 5);
  victim.HP = 1;
  act(0);
  EXPECT_TRUE(at(0, 5, 5));
  EXPECT_EQ(victim.State, Dead);
  EXPECT_EQ(u.SkillN, 0);
  EXPECT_EQ(presenter.matching("LAnime 0 10000").size(), 1u);
  EXPECT_EQ(state.simulating, 0);
}

TEST_F(Driver, AUnitThatActsInPlaceMovesAfterwardsToItsBestCell) {
  Tkst& m = unit(0, kMaster, 5, 5, {kBlow});
  m.AI.Ip = 4;
  m.Mov = 3;
  m.Elem = Earth;
  state.terrain[7][5] = 9;  // 岩山: the best cell, but the enemy is not in reach from there
  unit(16, kEnemyMaster, 15, 13);
  Tkst& victim = unit(17, kCreature, 4, 5);
  victim.HP = 1;
  act(0);
  EXPECT_EQ(victim.State, Dead);
  EXPECT_TRUE(at(0, 7, 5));
  EXPECT_EQ(presenter.matching("KAnime 0 6").size(), 1u);
}

// What the player sees of a skill: the unit's panel and hop once, the range
// and area framed, the skill's name in its element's colour, then the use.
TEST_F(Driver, ASkillIsShownBeforeItIsUsed) {
  Tkst& u = unit(0, kMaster, 5, 5, {kBlow});
  u.AI.Ip = 4;
  unit(16, kEnemyMaster, 15, 13);
  unit(17, kCreature, 6, 5).HP = 1;
  presenter.recordRedraws = true;
  act(0);
  const std::vector<std::string> expected = {"unitPanel 0", "KAnime 0 6", "scrollTo 5 5", "MapPaint", "SE 6",
                                             "scrollTo 5 5", "wait 350", "LAnime 0 10000 打撃", "MapPaint",
                                             "LAnime 17 -"};
  std::size_t next = 0;
  for (const std::string& call : presenter.calls)
    if (next < expected.size() && call.rfind(expected[next], 0) == 0) ++next;
  EXPECT_EQ(next, expected.size()) << "missing " << (next < expected.size() ? expected[next] : "");
}

TEST_F(Driver, AMasterWhoseCreatureHoldsFullControlDoesNotAct) {
  Tkst& m = unit(0, kMaster, 5, 5, {kBlow});
  m.AI.Ip = 8;
  unit(1, kCreature, 1, 1);
  abilities(1, {14});  // [完全操作]
  unit(16, kEnemyMaster, 15, 13);
  act(0);
  EXPECT_TRUE(at(0, 5, 5));
  EXPECT_TRUE(presenter.calls.empty());
}

TEST_F(Driver, AsleepOrPetrifiedUnitsDoNothing) {
  Tkst& m = unit(0, kMaster, 5, 5);
  m.AI.Ip = 8;
  unit(16, kEnemyMaster, 15, 13);
  m.Sleep = 4;
  act(0);
  EXPECT_TRUE(at(0, 5, 5));
  m.Sleep = 0;
  m.Stone = 2;
  act(0);
  EXPECT_TRUE(at(0, 5, 5));
}

// Boxed into a corner between its own blockers, next to which its own
// [範囲毒] makes every cell it can stand on worth less than nothing: the
// table entries nothing wrote must not pass for a plan (the unit's skill
// list has no eighth slot to use).
TEST_F(Driver, ValuesBelowZeroEverywhereNeverMakeAPlanOfUnwrittenEntries) {
  unit(0, kMaster, 9, 9);
  Tkst& u = unit(1, kCreature, 0, 0, {kPoisonMist});
  u.AI.Ip = 0;
  abilities(1, {34});  // [範囲毒]
  unit(2, kCreature, 1, 0);
  unit(3, kCreature, 0, 1);
  abilities(2, {246});  // [障害物]: allies that block
  abilities(3, {246});
  unit(16, kEnemyMaster, 15, 13);
  act(1);
  EXPECT_TRUE(at(1, 0, 0));
  EXPECT_EQ(u.SkillN, 1);
  EXPECT_EQ(k(2).Poison, 0);
  EXPECT_TRUE(presenter.calls.empty());
}

TEST_F(Driver, ThePhaseLoopPlaysTheComputersUnitsOnly) {
  Tkst& mine = unit(0, kMaster, 2, 2);
  mine.AI.Ip = 8;
  Tkst& theirs = unit(16, kEnemyMaster, 15, 11);
  theirs.AI.Ip = 8;
  battle.phaseTeam = 1;
  op.playPhase();  // team 1 is the player's
  EXPECT_TRUE(at(0, 2, 2));
  EXPECT_EQ(state.simulating, 0);

  op.everyUnit = true;  // AI against AI
  op.playPhase();
  EXPECT_FALSE(at(0, 2, 2));
  EXPECT_EQ(state.simulating, 0);
}

TEST_F(Driver, ThePhaseLoopStopsWhenTheBattleIsDecided) {
  unit(0, kMaster, 5, 5);
  Tkst& a = unit(16, kEnemyMaster, 6, 5, {kBlow});
  a.AI.Ip = 4;
  Tkst& b = unit(17, kCreature, 12, 12);
  b.AI.Ip = 8;
  k(0).HP = 1;
  battle.phaseTeam = 2;
  for (int i : {16, 17}) k(i).MoveN = k(i).SkillN = 1;
  op.playPhase();
  EXPECT_EQ(presenter.matching("KAnime 0 0").size(), 1u);  // the player's master fell
  EXPECT_EQ(battle.battleResult, Lost);
  EXPECT_TRUE(presenter.matching("KAnime 17 6").empty());  // the loop ended before the creature's turn
  EXPECT_EQ(state.simulating, 0);
}

TEST_F(Driver, InstalledOpponentPlaysTheComputersPhases) {
  std::shared_ptr<Opponent> installed = installOpponent(battle);
  EXPECT_EQ(installedOpponent(battle), installed.get());
  battle.opponentPhase = nullptr;
  EXPECT_EQ(installedOpponent(battle), nullptr);
}

}  // namespace
}  // namespace sorvane::testing
