// Moves: walking and warping, the ground a unit reshapes, the counters a move
// spends, the abilities that trigger on arrival, followers, and the victory
// by reaching the last column.
#include <algorithm>

#include "battle_fixture.h"

namespace sorvane::testing {
namespace {

constexpr i32 kAreaGravity = 31, kShadowStep = 32, kShadowStitch = 33, kAreaPoison = 34, kMoveUpAfterMove = 101,
              kAtkDownAfterMove = 102, kDefDownAfterMove = 103, kMovDownAfterMove = 105, kErodeFire = 106,
              kErodeIce = 107, kAllyErosion = 112, kWarpMove = 242, kSpaceControl = 244, kStatChangeImmune = 322,
              kAutoFollow = 344, kSlow = 345, kWorld = 400, kErosion = 405;

class MoveTest : public BattleFixture {
 protected:
  Tkst& unit(int i, int x, int y, i32 elem = 0) {
    Tkst& u = put(i, 25, 10, x, y);
    u.Team = i < 16 ? 1 : 2;
    u.Elem = elem;
    u.Mov = 5;
    u.MovB = u.MovP = 0;
    u.ZOC = 0;
    u.MoveN = u.SkillN = 1;
    abilities(i, {});
    return u;
  }
  // Moves unit i along `path` (the reach of its cell is bypassed: the path is
  // written straight into the destination, as moveReach would have).
  void walk(int i, const std::string& path) {
    battle.selectUnit(i);
    int x = state.selX, y = state.selY;
    for (char c : path) {
      if (c == '1') --y;
      if (c == '2') ++x;
      if (c == '3') ++y;
      if (c == '4') --x;
    }
    state.reachPath[x][y] = path;
    state.dstX = x;
    state.dstY = y;
    battle.moveA();
  }
  bool called(const std::string& call) const {
    return std::find(presenter.calls.begin(), presenter.calls.end(), call) != presenter.calls.end();
  }
};

TEST_F(MoveTest, WalkingMovesTheUnitAndSpendsItsMove) {
  unit(1, 2, 5);
  walk(1, "223");
  EXPECT_EQ(state.unitAt[2][5], -1);
  EXPECT_EQ(state.unitAt[4][6], 1);
  EXPECT_EQ(state.selX, 4);
  EXPECT_EQ(state.selY, 6);
  EXPECT_EQ(k(1).MoveN, 0);
  EXPECT_EQ(k(1).SkillN, 1);
  EXPECT_TRUE(called("SE 16"));
  EXPECT_EQ(state.D->records.recMoves, 1);
  EXPECT_EQ(state.D->records.recSteps, 3);
}

TEST_F(MoveTest, MovesOfTheOtherTeamAreNotRecorded) {
  unit(17, 2, 5);
  walk(17, "22");
  EXPECT_EQ(state.D->records.recMoves, 0);
  EXPECT_EQ(state.D->records.recSteps, 0);
}

TEST_F(MoveTest, ReachModeIsResetAfterAMove) {
  unit(1, 2, 5);
  state.reachMode = 7;
  walk(1, "2");
  EXPECT_EQ(state.reachMode, 0);
}

TEST_F(MoveTest, FireErosionScorchesWhatItCrossesExceptMagma) {
  unit(1, 2, 5, Fire);
  abilities(1, {kErodeFire});
  state.terrain[2][5] = 6;  // the start cell stays
  state.terrain[3][5] = 1;  // 平地
  state.terrain[4][5] = 7;  // 森
  state.terrain[5][5] = 3;  // マグマ
  walk(1, "222");
  EXPECT_EQ(state.terrain[2][5], 6);
  EXPECT_EQ(state.terrain[3][5], 2);
  EXPECT_EQ(state.terrain[4][5], 2);
  EXPECT_EQ(state.terrain[5][5], 3);
}

TEST_F(MoveTest, ErosionOfElementZeroFlattensEveryCellItEnters) {
  unit(1, 2, 5, None);
  abilities(1, {kErosion});
  state.terrain[2][5] = 7;
  state.terrain[3][5] = 7;
  state.terrain[3][6] = 13;
  walk(1, "23");
  EXPECT_EQ(state.terrain[2][5], 7);
  EXPECT_EQ(state.terrain[3][5], 1);
  EXPECT_EQ(state.terrain[3][6], 1);
}

TEST_F(MoveTest, ErosionLaysTheFirstTerrainThenTheErosionAbilitiesApply) {
  unit(1, 2, 5, Ice);
  abilities(1, {kErosion, kErodeFire});
  state.terrain[3][5] = 9;
  walk(1, "2");
  EXPECT_EQ(state.terrain[3][5], 2);  // 氷 first, then scorched
}

TEST_F(MoveTest, WarpingKeepsTheCellsBetweenButErodesTheDestination) {
  unit(1, 2, 5, Ice);
  abilities(1, {kWarpMove, kErodeIce});
  state.terrain[3][5] = 7;
  state.terrain[4][5] = 7;
  state.terrain[5][5] = 1;
  walk(1, "222");
  EXPECT_EQ(state.terrain[3][5], 7);
  EXPECT_EQ(state.terrain[4][5], 7);
  EXPECT_EQ(state.terrain[5][5], 4);
  EXPECT_EQ(state.unitAt[5][5], 1);
  EXPECT_EQ(state.unitAt[2][5], -1);
  EXPECT_EQ(state.selX, 2);  // a warp leaves the selection where it was
  EXPECT_FALSE(called("SE 16"));
  EXPECT_TRUE(called("KAnime 1 5"));
}

TEST_F(MoveTest, SpaceControlWarpsFromAReachOfZeros) {
  unit(1, 2, 5);
  abilities(1, {kSpaceControl});
  battle.selectUnit(1);
  battle.moveReach();
  state.dstX = 15;
  state.dstY = 12;
  battle.moveA();
  EXPECT_EQ(state.unitAt[15][12], 1);
  EXPECT_EQ(state.unitAt[2][5], -1);
}

TEST_F(MoveTest, FireFieldsScorchTheDestination) {
  struct Case {
    i32 field, elem, before, after;
  };
  const Case cases[] = {
      {4, Fire, 1, 2}, {4, Fire, 3, 3}, {5, Fire, 1, 3}, {5, Fire, 2, 3}, {4, Ice, 1, 1}, {3, Fire, 1, 1},
  };
  for (const Case& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    unit(1, 2, 5, c.elem);
    state.terrain[3][5] = 1;  // crossed, never scorched
    state.terrain[4][5] = c.before;
    state.zokuseiti1 = c.field;
    walk(1, "22");
    EXPECT_EQ(state.terrain[4][5], c.after) << "field " << c.field << " elem " << c.elem;
    EXPECT_EQ(state.terrain[3][5], 1);
  }
}

TEST_F(MoveTest, FlinchAndSlownessCostOneSkillUseTogether) {
  struct Case {
    i32 flinch;
    bool slow;
    i32 skillBefore;
    i32 skillLeft;
  };
  // The last three: a second move (a unit with two) has no skill use left to
  // take, and the count stays at 0 instead of going below it.
  const Case cases[] = {{0, false, 1, 1}, {1, false, 1, 0}, {0, true, 1, 0}, {1, true, 1, 0},
                        {1, false, 0, 0}, {0, true, 0, 0},  {1, true, 0, 0}};
  for (const Case& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    Tkst& u = unit(1, 2, 5);
    u.Flinch = c.flinch;
    u.SkillN = c.skillBefore;
    if (c.slow) abilities(1, {kSlow});
    walk(1, "2");
    EXPECT_EQ(k(1).SkillN, c.skillLeft) << "flinch " << c.flinch << " slow " << c.slow << " skills " << c.skillBefore;
    EXPECT_EQ(k(1).MoveN, 0);
  }
}

struct AreaStatusCase {
  i32 ability;
  int status;  // index in the status order
  int reach;   // farthest distance it touches
};

TEST_F(MoveTest, AreaStatusesReachAlliesAndEnemiesByDistance) {
  const AreaStatusCase cases[] = {
      {kAreaGravity, 2, 3},
      {kShadowStep, 6, 2},
      {kShadowStitch, 7, 1},
      {kAreaPoison, 0, 2},
  };
  for (const AreaStatusCase& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    unit(1, 5, 5);
    abilities(1, {c.ability});
    // Distances from (6, 5), where the mover arrives:
    unit(2, 7, 4);    // ally, 2
    unit(3, 6, 6);    // ally, 1
    unit(17, 7, 5);   // enemy, 1
    unit(18, 8, 6);   // enemy, 3
    unit(19, 6, 9);   // enemy, 4
    unit(20, 5, 6);   // being summoned, 2
    k(20).State = BeingSummoned;
    walk(1, "2");
    auto hit = [&](int u) { return k(u).status(c.status) == 1; };
    EXPECT_TRUE(hit(3)) << c.ability;
    EXPECT_TRUE(hit(17)) << c.ability;
    EXPECT_EQ(hit(2), c.reach >= 2) << c.ability;
    EXPECT_EQ(hit(18), c.reach >= 3) << c.ability;
    EXPECT_FALSE(hit(19)) << c.ability;
    EXPECT_FALSE(hit(20)) << c.ability;
    EXPECT_FALSE(hit(1)) << c.ability;
  }
}

TEST_F(MoveTest, StatChangeImmunityKeepsTheBuffsAMoveWouldLower) {
  unit(1, 2, 5);
  abilities(1, {kAtkDownAfterMove, kDefDownAfterMove, kMovDownAfterMove, kMoveUpAfterMove});
  k(1).AtkB = 20;
  walk(1, "2");
  EXPECT_EQ(k(1).AtkB, 10);
  EXPECT_EQ(k(1).DefB, -10);
  EXPECT_EQ(k(1).MovB, 0);  // +1 then -1

  fillGrid(state.unitAt, i32{-1});
  unit(1, 2, 5);
  abilities(1, {kAtkDownAfterMove, kStatChangeImmune, kMoveUpAfterMove});
  k(1).AtkB = 20;
  k(1).MovB = 0;
  walk(1, "2");
  EXPECT_EQ(k(1).AtkB, 20);
  EXPECT_EQ(k(1).MovB, 1);
}

TEST_F(MoveTest, AllyErosionOfTheMasterMarksTheDestination) {
  unit(0, 0, 0);
  abilities(0, {kAllyErosion});
  unit(1, 2, 5, Wood);
  state.terrain[3][5] = 1;
  state.terrain[4][5] = 9;
  walk(1, "22");
  EXPECT_EQ(state.terrain[3][5], 1);
  EXPECT_EQ(state.terrain[4][5], 6);  // 草原

  state.terrain[5][5] = 7;  // already its second terrain: stays
  walk(1, "2");
  EXPECT_EQ(state.terrain[5][5], 7);

  k(1).Elem = None;
  walk(1, "2");
  EXPECT_EQ(state.terrain[6][5], 1);
}

TEST_F(MoveTest, TheWorldRewritesTheDestinationByTheMoversSide) {
  struct Case {
    int mover;
    i32 elem, after;
  };
  const Case cases[] = {
      {1, Fire, 3}, {1, Water, 13}, {17, Fire, 13}, {17, Ice, 3}, {17, Wood, 5},
      {17, Earth, 7}, {17, Thunder, 9}, {17, Water, 11}, {17, None, 1},
  };
  for (const Case& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    unit(2, 0, 0);
    abilities(2, {kWorld});
    unit(c.mover, 4, 4, c.elem);
    state.terrain[5][4] = 8;
    walk(c.mover, "2");
    EXPECT_EQ(state.terrain[5][4], c.after) << "mover " << c.mover << " elem " << c.elem;
  }

  // With two holders nothing happens.
  fillGrid(state.unitAt, i32{-1});
  unit(2, 0, 0);
  abilities(2, {kWorld});
  unit(18, 0, 1);
  abilities(18, {kWorld});
  unit(1, 4, 4, Fire);
  state.terrain[5][4] = 8;
  walk(1, "2");
  EXPECT_EQ(state.terrain[5][4], 8);
}

TEST_F(MoveTest, FollowerStaysOnItsOwnAdjacentCell) {
  unit(0, 2, 5);
  unit(1, 4, 4);
  abilities(1, {kAutoFollow});
  walk(0, "22");  // the master arrives at (4, 5), the follower is right above it
  EXPECT_EQ(state.unitAt[4][4], 1);
  EXPECT_EQ(state.unitAt[4][5], 0);
}

TEST_F(MoveTest, FollowerIsPlacedByItsSideOfTheMaster) {
  struct Case {
    const char* what;
    int fx, fy;        // follower's cell
    int blockX, blockY;  // a cell held by another unit (-1 none)
    int wantX, wantY;  // where it ends, master arrives at (8, 7)
  };
  const Case cases[] = {
      {"far left", 2, 7, -1, -1, 7, 7},
      {"far right", 15, 8, -1, -1, 9, 7},
      {"above", 8, 2, -1, -1, 8, 6},
      {"below", 7, 12, -1, -1, 8, 8},
      {"above, up taken, from the left", 7, 2, 8, 6, 7, 7},
      {"above, up taken, from the right", 9, 2, 8, 6, 9, 7},
      {"left, left taken, from above", 2, 6, 7, 7, 8, 6},
      {"left, left taken, from below", 2, 8, 7, 7, 8, 8},
  };
  for (const Case& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    unit(0, 8, 4);
    unit(1, c.fx, c.fy);
    abilities(1, {kAutoFollow});
    if (c.blockX >= 0) unit(2, c.blockX, c.blockY);
    walk(0, "333");  // (8, 4) -> (8, 7)
    EXPECT_EQ(state.unitAt[c.wantX][c.wantY], 1) << c.what;
    EXPECT_EQ(state.unitAt[c.fx][c.fy], -1) << c.what;
  }
}

TEST_F(MoveTest, FollowersOnlyFollowTheirOwnMasterWhenItMoves) {
  unit(0, 8, 4);
  unit(1, 2, 7);
  abilities(1, {kAutoFollow});
  unit(2, 8, 10);
  walk(2, "1");  // a creature moving takes nobody along
  EXPECT_EQ(state.unitAt[2][7], 1);
  k(1).State = BeingSummoned;  // only followers on the field come
  walk(0, "3");
  EXPECT_EQ(state.unitAt[2][7], 1);
}

TEST_F(MoveTest, ReachingTheLastColumnWinsAStageOfVictoryKindOne) {
  state.winCondition = 1;
  put(0, masterEntry(0, Warrior), 10, 15, 5);
  walk(0, "22");
  EXPECT_EQ(battle.battleResult, Won);
  EXPECT_TRUE(called("BGM 0"));
  EXPECT_TRUE(called("DLAnime win 2300"));
}

TEST_F(MoveTest, OnlyThePlayersMasterWinsByTheLastColumn) {
  state.winCondition = 1;
  put(0, masterEntry(0, Warrior), 10, 2, 2);
  unit(1, 15, 5);
  walk(1, "22");
  EXPECT_EQ(battle.battleResult, Running);

  state.winCondition = 2;
  fillGrid(state.unitAt, i32{-1});
  put(0, masterEntry(0, Warrior), 10, 16, 5);
  walk(0, "2");
  EXPECT_EQ(battle.battleResult, Running);
}

}  // namespace
}  // namespace sorvane::testing
