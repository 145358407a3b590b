// Reach and area floods: the worked cases of movement, summoning, skill and
// usable-ability reach, and a word-for-word recursive reference that the
// fast flood must match path for path on random boards.
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "battle_fixture.h"

namespace sorvane::testing {
namespace {

// Ability ids used below.
constexpr i32 kZocIgnore = 241, kWarpMove = 242, kStrongSwim = 243, kSpaceControl = 244, kObstacle = 246,
              kLostForest = 247, kRangeUp = 271, kAreaUp = 272, kErosion = 405, kSpaceWarp = 406;
constexpr i32 kScratchSkill = 1;

// ---------------------------------------------------------------------------
// The reference: the flood exactly as the rules word it, with std::string
// paths, a recursive step and every cost and zone worked out on the spot.
// Slow and plain on purpose.
struct Floods {
  Grid<std::string> path;
  Grid<i32> left{}, turns{};
};

class Reference {
 public:
  explicit Reference(Battle& battle) : b(battle), s(battle.s), d(battle.d) {}

  Floods moveReach() {
    start();
    kind = Kind::Move;
    mover = &d.k[s.selUnit];
    if (b.has(*mover, kSpaceControl)) {
      for (int x = 0; x < kMapW; ++x)
        for (int y = 0; y < kMapH; ++y)
          if (s.unitAt[x][y] == -1 && s.terrain[x][y] != 0) g.path[x][y].assign(1, '0');
      return g;
    }
    i32 budget = s.reachMode >= 1 ? s.reachMode : mover->Mov + mover->MovB + mover->MovP;
    if (budget > 18) budget = 18;
    run(s.selX, s.selY, budget);
    return g;
  }

  Floods summonReach() {
    start();
    kind = Kind::Summon;
    const Tkst& m = d.k[s.selUnit];
    const i32 radius[] = {4, 2, 3, 2};
    i32 budget = radius[m.SH];
    if (m.SH == 1 && (s.selX == 0 || s.selX == 17) && (s.selY == 0 || s.selY == 13)) budget += 1;
    run(s.selX, s.selY, budget);
    return g;
  }

  Floods skillReach() {
    start();
    const Tkst& u = d.k[s.selUnit];
    const Twst& w = d.skills[s.selSkill];
    i32 budget = w.Range;
    if (w.Effect == 16) budget += 5 - (u.HP * 5) / u.HPMax;
    if (b.has(u, kRangeUp) && budget > 1) budget += 2;
    if (u.Elem == 2 && s.weather == 2 && w.Elem == 2 && budget > 0) budget += 2;
    const i32 field = u.Team == 1 ? s.zokuseiti1 : s.zokuseiti2;
    if (field == 19 && u.Elem == 6 && budget > 1) budget += 1;
    if (field == 20 && u.Elem == 6 && budget > 1) budget += 2;
    selfOK = w.SelfOK != 0;
    kind = w.Line == 1 ? Kind::Line : w.Line == 2 ? Kind::Sight : Kind::Spread;
    g.left[s.selX][s.selY] = budget;
    if (selfOK) g.path[s.selX][s.selY].assign(1, '0');
    calls(s.selX, s.selY, budget);
    return g;
  }

  Floods skillArea() {
    start();
    const Tkst& u = d.k[s.selUnit];
    const Twst& w = d.skills[s.selSkill];
    i32 a = w.Area;
    if (a == 99) {
      for (auto& column : g.path)
        for (auto& p : column) p.assign(1, '0');
      return g;
    }
    if (b.has(u, kAreaUp) && a > 1) a += 1;
    const i32 field = u.Team == 1 ? s.zokuseiti1 : s.zokuseiti2;
    if (field == 20 && u.Elem == 6 && a > 1) a += 1;
    if (w.ZocArea) a = u.ZOC + 1;
    g.path[s.tgtX][s.tgtY].assign(1, '0');
    g.left[s.tgtX][s.tgtY] = a;
    a -= 1;
    if (w.Line == 1) {
      kind = Kind::AreaLine;
      const int dx = s.tgtX - s.selX, dy = s.tgtY - s.selY;
      if (std::abs(dx) + std::abs(dy) == 1) {
        const int dir = dy == -1 ? 1 : dx == 1 ? 2 : dy == 1 ? 3 : 4;
        step(s.tgtX + kDx[dir], s.tgtY + kDy[dir], std::string(1, char('0' + dir)), dir, 0, a);
      }
    } else {
      kind = Kind::Area;
      calls(s.tgtX, s.tgtY, a);
    }
    return g;
  }

  Floods specialReach() {
    start();
    const Thst& h = d.specials[s.selSpecial];
    kind = Kind::Spread;
    selfOK = h.SelfOK != 0;
    g.left[s.selX][s.selY] = h.Range;
    if (selfOK) g.path[s.selX][s.selY].assign(1, '0');
    calls(s.selX, s.selY, h.Range);
    return g;
  }

  Floods specialArea() {
    start();
    const Thst& h = d.specials[s.selSpecial];
    if (h.Area == 99) {
      for (auto& column : g.path)
        for (auto& p : column) p.assign(1, '0');
      return g;
    }
    kind = Kind::Area;
    g.path[s.spTgtX][s.spTgtY].assign(1, '0');
    g.left[s.spTgtX][s.spTgtY] = h.Area;
    calls(s.spTgtX, s.spTgtY, h.Area - 1);
    return g;
  }

  // Zones as the rules describe them: is (x, y) inside a zone of a team's unit?
  bool inZone(int team, int x, int y) const {
    for (int ux = 0; ux < kMapW; ++ux)
      for (int uy = 0; uy < kMapH; ++uy) {
        const i32 u = s.unitAt[ux][uy];
        if (u < 0 || d.k[u].State != 1 || d.k[u].Team != team) continue;
        const int rings = std::min(std::max(d.k[u].ZOC, 0), 5);
        if (std::abs(ux - x) + std::abs(uy - y) <= rings) return true;
      }
    return false;
  }

  bool lostForest() const {
    for (int i = 0; i <= s.lastUnit; ++i)
      if (d.k[i].State == 1 && d.k[i].Team != mover->Team && b.has(d.k[i], kLostForest)) return true;
    return false;
  }

 private:
  enum class Kind { Move, Summon, Spread, Line, Sight, Area, AreaLine };
  static constexpr int kDx[5] = {0, 0, 1, 0, -1};
  static constexpr int kDy[5] = {0, -1, 0, 1, 0};

  void start() {
    g = Floods{};
    fillGrid(g.left, i32{-1});
  }
  void run(int x, int y, i32 budget) {
    g.left[x][y] = budget;
    calls(x, y, budget);
  }
  void calls(int x, int y, i32 budget) {
    for (int n = 1; n <= 4; ++n) step(x + kDx[n], y + kDy[n], std::string(1, char('0' + n)), n, 0, budget);
  }

  bool inMap(int x, int y) const { return x >= 0 && x < kMapW && y >= 0 && y < kMapH; }
  bool flying(const Tkst& u) const { return u.Flight > 0 && u.Gravity == 0; }

  bool warpZone(int x, int y) const {
    for (int ux = 0; ux < kMapW; ++ux)
      for (int uy = 0; uy < kMapH; ++uy) {
        const i32 u = s.unitAt[ux][uy];
        if (u >= 0 && b.has(d.k[u], kSpaceWarp) && std::abs(ux - x) + std::abs(uy - y) <= d.k[u].ZOC) return true;
      }
    return false;
  }

  i32 moveCost(int x, int y) const {
    static const std::vector<std::vector<i32>> costTwo = {
        {5, 7, 9, 13}, {7, 9, 13}, {7, 9, 13}, {5, 9, 13}, {5, 7, 13}, {5, 7, 9, 13}, {5, 7, 9}};
    const i32 code = s.terrain[x][y];
    i32 e = 1;
    for (i32 c : costTwo[mover->Elem])
      if (c == code) e = 2;
    if (mover->Elem == 5 && code == 11) e = 0;
    if (lostForest() && code == 7) e += 1;
    if (b.has(*mover, kErosion)) e = 1;
    if (b.has(*mover, kStrongSwim) && (code == 12 || code == 13)) e = 0;
    if (warpZone(x, y)) e = 0;
    if (flying(*mover)) e = 1;
    if (b.has(*mover, kWarpMove)) e = 1;
    return e;
  }

  bool sightClear(int cx, int cy) const {
    const int dx = std::abs(cx - s.selX), dy = std::abs(cy - s.selY);
    if (dx <= 1 && dy <= 1) return true;
    const int sx = cx > s.selX ? 1 : -1, sy = cy > s.selY ? 1 : -1;
    auto blocked = [&](int x, int y) {
      const i32 u = s.unitAt[x][y];
      return u >= 0 && d.k[u].State == 1;
    };
    if (dy < dx) {
      for (int f = 1; f <= dx - 1; ++f)
        if (blocked(s.selX + sx * f, s.selY + sy * int(std::trunc(double(f) * dy / dx + 0.5)))) return false;
    } else {
      for (int f = 1; f <= dy - 1; ++f)
        if (blocked(s.selX + sx * int(std::trunc(double(f) * dx / dy + 0.5)), s.selY + sy * f)) return false;
    }
    return true;
  }

  void step(int x, int y, const std::string& p, int dir, int t, i32 r) {
    i32 e = 1;
    i32 occupant = -1;
    if (kind == Kind::Move) {
      if (p.size() > (s.reachMode > 0 ? 18u : 15u)) return;
      if (!inMap(x, y) || s.terrain[x][y] == 0) return;
      occupant = s.unitAt[x][y];
      const bool passes = flying(*mover) || b.has(*mover, kWarpMove) || occupant == -1 ||
                          (d.k[occupant].Team == mover->Team && !b.has(d.k[occupant], kObstacle));
      if (!passes) return;
      e = moveCost(x, y);
    } else if (!inMap(x, y)) {
      return;
    }

    if (kind == Kind::Line) {
      if (r - 1 < 0) return;
    } else {
      const bool better = g.path[x][y].empty() || g.left[x][y] < r - e || (g.left[x][y] == r - e && g.turns[x][y] > t);
      if (!better || r - e < 0) return;
    }

    const bool isStart = x == s.selX && y == s.selY;
    bool records = true, continues = true;
    switch (kind) {
      case Kind::Move: {
        records = occupant == -1;
        const int enemyTeam = mover->Team == 1 ? 2 : 1;
        continues = flying(*mover) || b.has(*mover, kZocIgnore) || b.has(*mover, kWarpMove) || !inZone(enemyTeam, x, y);
        break;
      }
      case Kind::Summon: records = s.unitAt[x][y] == -1 && s.terrain[x][y] != 0; break;
      case Kind::Spread: records = continues = !isStart || selfOK; break;
      case Kind::Sight: records = continues = (!isStart || selfOK) && sightClear(x, y); break;
      default: break;
    }
    if (records) {
      g.path[x][y] = p;
      if (kind != Kind::Line) {
        g.left[x][y] = r - e;
        g.turns[x][y] = t;
      }
    }
    if (!continues) return;
    if (kind == Kind::Line || kind == Kind::AreaLine) {
      step(x + kDx[dir], y + kDy[dir], p + char('0' + dir), dir, t + 1, r - e);
      return;
    }
    const int reverse[5] = {0, 3, 4, 1, 2};
    for (int n = 1; n <= 4; ++n) {
      if (n == reverse[dir]) continue;
      if (n == dir) ++t;
      step(x + kDx[n], y + kDy[n], p + char('0' + n), n, t, r - e);
    }
  }

  Battle& b;
  Tsyori& s;
  Tdeta& d;
  Kind kind = Kind::Move;
  const Tkst* mover = nullptr;
  bool selfOK = false;
  Floods g;
};

// ---------------------------------------------------------------------------

class ReachTest : public BattleFixture {
 protected:
  // A plain test unit on (x, y): element, movement, no abilities, no zone.
  Tkst& unit(int i, int x, int y, i32 elem = 0, i32 mov = 3) {
    Tkst& u = put(i, 25, 10, x, y);
    u.Team = i < 16 ? 1 : 2;
    u.Elem = elem;
    u.Mov = mov;
    u.MovB = u.MovP = 0;
    u.ZOC = 0;
    u.Flight = u.Gravity = 0;
    abilities(i, {});
    return u;
  }
  void select(int i) { battle.selectUnit(i); }
  bool reach(int x, int y) const { return !state.reachPath[x][y].empty(); }
  bool inArea(int x, int y) const { return !state.areaPath[x][y].empty(); }
  int count(const Grid<std::string>& g) const {
    int n = 0;
    for (auto& column : g)
      for (auto& p : column) n += !p.empty();
    return n;
  }
  // Terrain 0 everywhere except row y, a corridor.
  void corridor(int y, i32 code = 1) {
    fillGrid(state.terrain, i32{0});
    for (int x = 0; x < kMapW; ++x) state.terrain[x][y] = code;
  }
  Twst& scratchSkill() {
    Twst& w = state.D->skills[kScratchSkill];
    w.Range = 1;
    w.SelfOK = 0;
    w.Area = 1;
    w.ZocArea = 0;
    w.Line = 0;
    w.Effect = 0;
    w.Elem = 0;
    w.Cat = 1;
    state.selSkill = kScratchSkill;
    return w;
  }
};

// --- moveReach ---------------------------------------------------------------

TEST_F(ReachTest, EnemyZoneStopsTheMoverOnItsEdgeUnlessItIgnoresZones) {
  corridor(5);
  state.terrain[4][4] = 1;
  unit(1, 2, 5, 0, 3);
  unit(17, 4, 4).ZOC = 1;  // its zone covers (4, 5) of the corridor
  select(1);
  battle.moveReach();
  EXPECT_TRUE(reach(3, 5));
  EXPECT_TRUE(reach(4, 5));
  EXPECT_FALSE(reach(5, 5));

  abilities(1, {kZocIgnore});
  battle.moveReach();
  EXPECT_TRUE(reach(5, 5));
  EXPECT_EQ(state.reachPath[5][5], "222");
}

TEST_F(ReachTest, ZonesMarkAtMostFiveRingsAndZeroOnlyTheCell) {
  unit(1, 8, 7).ZOC = 9;
  unit(17, 2, 2).ZOC = 0;
  select(1);
  battle.moveReach();
  EXPECT_EQ(state.zoc1(8 + 5, 7), 1);
  EXPECT_EQ(state.zoc1(8 + 6, 7), 0);
  EXPECT_EQ(state.zoc1(8 + 3, 7 + 2), 1);
  EXPECT_EQ(state.zoc2(2, 2), 1);
  EXPECT_EQ(state.zoc2(3, 2), 0);
  EXPECT_EQ(state.zoc2(8, 7), 0);
}

TEST_F(ReachTest, ThunderCrossesCrystalForFree) {
  corridor(5, 11);  // クリスタル
  unit(1, 0, 5, Thunder, 1);
  select(1);
  battle.moveReach();
  EXPECT_TRUE(reach(15, 5));  // 15 steps, nothing spent
  EXPECT_EQ(state.reachLeft[15][5], 1);
  EXPECT_FALSE(reach(16, 5));  // a 16th step is never taken

  k(1).Elem = Fire;
  battle.moveReach();
  EXPECT_TRUE(reach(1, 5));
  EXPECT_FALSE(reach(2, 5));
}

TEST_F(ReachTest, PathLimitIsFifteenStepsOrEighteenWhileSearching) {
  corridor(5, 11);
  unit(1, 0, 5, Thunder, 4);
  select(1);
  battle.moveReach();
  EXPECT_TRUE(reach(15, 5));
  EXPECT_FALSE(reach(16, 5));

  state.reachMode = 4;
  battle.moveReach();
  EXPECT_TRUE(reach(17, 5));  // 17 steps, within 18
}

TEST_F(ReachTest, MovementIsCappedAtEighteen) {
  unit(1, 0, 0, 0, 40);
  select(1);
  battle.moveReach();
  EXPECT_EQ(state.reachLeft[0][0], 18);
  state.reachMode = 30;
  battle.moveReach();
  EXPECT_EQ(state.reachLeft[0][0], 18);
  state.reachMode = 2;
  battle.moveReach();
  EXPECT_EQ(state.reachLeft[0][0], 2);
  EXPECT_FALSE(reach(0, 3));
}

TEST_F(ReachTest, StrongSwimmerCrossesRiverAndSeaForFree) {
  corridor(5, 13);  // 海 costs a fire unit 2
  unit(1, 0, 5, Fire, 2);
  select(1);
  battle.moveReach();
  EXPECT_TRUE(reach(1, 5));
  EXPECT_FALSE(reach(2, 5));

  abilities(1, {kStrongSwim});
  battle.moveReach();
  EXPECT_TRUE(reach(15, 5));
  EXPECT_EQ(state.reachLeft[15][5], 2);
}

TEST_F(ReachTest, ErosionPaysOneEvenInForestOfTheLostForest) {
  corridor(5, 7);  // 森
  unit(1, 0, 5, None, 3);
  unit(17, 10, 0);
  abilities(17, {kLostForest});
  state.terrain[10][0] = 1;
  select(1);
  battle.moveReach();
  EXPECT_EQ(state.lostForest, 1);
  EXPECT_TRUE(reach(1, 5));  // 2 + 1
  EXPECT_FALSE(reach(2, 5));

  abilities(1, {kErosion});
  battle.moveReach();
  EXPECT_TRUE(reach(3, 5));
  EXPECT_EQ(state.reachLeft[3][5], 0);
}

TEST_F(ReachTest, LostForestOnlyCountsOnFieldUnitsOfTheOtherTeam) {
  unit(1, 0, 5);
  unit(2, 5, 5);
  abilities(2, {kLostForest});  // an ally's does not count
  unit(17, 9, 9).State = BeingSummoned;
  abilities(17, {kLostForest});
  select(1);
  battle.moveReach();
  EXPECT_EQ(state.lostForest, 0);
}

TEST_F(ReachTest, AlliesArePassedButAreNoDestination) {
  corridor(5);
  unit(1, 2, 5, 0, 3);
  unit(2, 3, 5);
  select(1);
  battle.moveReach();
  EXPECT_FALSE(reach(3, 5));
  EXPECT_TRUE(reach(4, 5));
  EXPECT_EQ(state.reachPath[4][5], "22");

  abilities(2, {kObstacle});
  battle.moveReach();
  EXPECT_FALSE(reach(4, 5));
}

TEST_F(ReachTest, EnemiesBlockExceptFliersAndWarpers) {
  corridor(5);
  unit(1, 2, 5, 0, 3);
  unit(17, 3, 5);
  select(1);
  battle.moveReach();
  EXPECT_FALSE(reach(4, 5));

  k(1).Flight = 1;
  battle.moveReach();
  EXPECT_TRUE(reach(4, 5));
  k(1).Gravity = 1;  // gravity grounds a flier
  battle.moveReach();
  EXPECT_FALSE(reach(4, 5));

  k(1).Flight = k(1).Gravity = 0;
  abilities(1, {kWarpMove});
  battle.moveReach();
  EXPECT_TRUE(reach(4, 5));
}

TEST_F(ReachTest, ImpassableTerrainIsNeverEntered) {
  unit(1, 2, 5, 0, 5);
  state.terrain[3][5] = 0;
  k(1).Flight = 1;
  select(1);
  battle.moveReach();
  EXPECT_FALSE(reach(3, 5));
  EXPECT_EQ(state.reachPath[4][5].size(), 4u);  // around the hole
}

TEST_F(ReachTest, SpaceDistortionMakesItsZoneFree) {
  corridor(5, 9);  // 岩山: 2 for a unit of no element
  state.terrain[1][5] = 1;
  unit(1, 0, 5, None, 1);
  unit(2, 3, 4).ZOC = 2;  // an ally: its warp zone covers (2..4, 5), its zone stops nobody of its team
  state.terrain[3][4] = 1;
  select(1);
  battle.moveReach();
  EXPECT_TRUE(reach(1, 5));
  EXPECT_FALSE(reach(2, 5));

  abilities(2, {kSpaceWarp});
  battle.moveReach();
  EXPECT_EQ(state.warpZone[2][5], 1);
  EXPECT_EQ(state.warpZone[1][5], 0);
  EXPECT_EQ(state.warpZone[3][6], 1);
  EXPECT_TRUE(reach(4, 5));
  EXPECT_EQ(state.reachLeft[4][5], 0);
  EXPECT_FALSE(reach(5, 5));

  k(2).State = BeingSummoned;  // any state distorts space
  battle.moveReach();
  EXPECT_TRUE(reach(4, 5));
}

TEST_F(ReachTest, SpaceControlOffersEveryEmptyPassableCell) {
  unit(1, 2, 5, 0, 0);
  unit(17, 9, 9);
  state.terrain[4][4] = 0;
  abilities(1, {kSpaceControl});
  select(1);
  battle.moveReach();
  EXPECT_EQ(state.reachPath[17][13], "0");
  EXPECT_FALSE(reach(4, 4));
  EXPECT_FALSE(reach(9, 9));
  EXPECT_FALSE(reach(2, 5));
  EXPECT_EQ(count(state.reachPath), kMapW * kMapH - 3);
}

TEST_F(ReachTest, EqualBudgetsKeepTheSmallerCounter) {
  unit(1, 5, 5, 0, 2);
  select(1);
  battle.moveReach();
  // (6, 4): "12" is found first with counter 1 (up raised it before the turn
  // right), then "21" arrives with counter 0 and the same points, and wins.
  EXPECT_EQ(state.reachPath[6][4], "21");
  EXPECT_EQ(state.reachTurns[6][4], 0);
  // straight on: "22" has counter 1, the start cell holds the budget
  EXPECT_EQ(state.reachPath[7][5], "22");
  EXPECT_EQ(state.reachTurns[7][5], 1);
  EXPECT_EQ(state.reachLeft[5][5], 2);
  EXPECT_EQ(state.reachLeft[7][5], 0);
  EXPECT_EQ(state.reachLeft[8][5], -1);
}

// --- summonReach -------------------------------------------------------------

TEST_F(ReachTest, ChantSummonsFourAwayBehindEnemiesButNeverOntoImpassableCells) {
  Tkst& master = put(0, masterEntry(0, Mage), 10, 8, 7);
  master.SH = Chant;
  for (int y = 0; y < kMapH; ++y) state.terrain[9][y] = 0;  // a wall
  unit(17, 7, 7);
  state.terrain[12][7] = 0;
  select(0);
  battle.summonReach();
  EXPECT_TRUE(reach(11, 7));   // behind the wall
  EXPECT_TRUE(reach(5, 7));    // behind the enemy
  EXPECT_FALSE(reach(12, 7));  // impassable
  EXPECT_FALSE(reach(9, 6));
  EXPECT_FALSE(reach(7, 7));   // occupied
  EXPECT_FALSE(reach(8, 7));
  EXPECT_FALSE(reach(13, 7));  // 5 away
  EXPECT_TRUE(reach(8, 3));
}

struct RadiusCase {
  i32 sh;
  int x, y;
  int radius;
};

TEST_F(ReachTest, SummonRadiusFollowsTheMethodAndMagicStoneCorners) {
  const RadiusCase cases[] = {
      {Chant, 8, 7, 4}, {MagicStone, 8, 7, 2}, {MagicCircle, 8, 7, 3}, {Sacrifice, 8, 7, 2},
      {MagicStone, 0, 0, 3}, {MagicStone, 17, 13, 3}, {MagicStone, 0, 13, 3}, {MagicStone, 17, 0, 3},
      {MagicStone, 0, 5, 2}, {Chant, 0, 0, 4},
  };
  for (const RadiusCase& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    put(0, masterEntry(0, Mage), 10, c.x, c.y).SH = c.sh;
    select(0);
    battle.summonReach();
    int farthest = 0;
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (reach(x, y)) farthest = std::max(farthest, std::abs(x - c.x) + std::abs(y - c.y));
    EXPECT_EQ(farthest, c.radius) << "SH " << c.sh << " at " << c.x << "," << c.y;
  }
}

// --- skillReach and skillArea -------------------------------------------------

TEST_F(ReachTest, SpreadRangeLeavesOutTheUserUnlessItMayTargetItself) {
  unit(1, 5, 5);
  Twst& w = scratchSkill();
  w.Range = 2;
  select(1);
  battle.skillReach();
  EXPECT_EQ(count(state.reachPath), 12);
  EXPECT_FALSE(reach(5, 5));
  w.SelfOK = 1;
  battle.skillReach();
  EXPECT_EQ(count(state.reachPath), 13);
  EXPECT_EQ(state.reachPath[5][5], "0");
}

TEST_F(ReachTest, StraightRangeGoesOnlyAlongTheFourLinesAndKeepsNoNumbers) {
  unit(1, 5, 5);
  unit(17, 5, 4);  // units do not stop a line
  Twst& w = scratchSkill();
  w.Range = 3;
  w.Line = 1;
  select(1);
  battle.skillReach();
  EXPECT_EQ(count(state.reachPath), 12);
  EXPECT_EQ(state.reachPath[5][2], "111");
  EXPECT_FALSE(reach(6, 4));
  EXPECT_EQ(state.reachLeft[5][2], -1);
  EXPECT_EQ(state.reachLeft[5][5], 3);
}

struct RangeCase {
  const char* what;
  i32 range;
  i32 effect;
  int hp, hpMax;
  i32 userElem, weather, skillElem, field;
  bool rangeUp;
  int expected;
};

TEST_F(ReachTest, RangeModifiersApplyInOrder) {
  const RangeCase cases[] = {
      {"plain", 2, 0, 10, 10, 0, Sunny, 0, 0, false, 2},
      {"desperation at full HP", 1, 16, 40, 40, 0, Sunny, 0, 0, false, 1},
      {"desperation at half HP", 1, 16, 20, 40, 0, Sunny, 0, 0, false, 1 + 5 - 2},
      {"desperation at 1 HP", 1, 16, 1, 40, 0, Sunny, 0, 0, false, 1 + 5},
      {"range up needs more than 1", 1, 0, 10, 10, 0, Sunny, 0, 0, true, 1},
      {"range up", 2, 0, 10, 10, 0, Sunny, 0, 0, true, 4},
      {"range up after desperation", 1, 16, 39, 40, 0, Sunny, 0, 0, true, 1 + 1 + 2},
      {"blizzard for ice", 1, 0, 10, 10, Ice, Blizzard, Ice, 0, false, 3},
      {"blizzard needs an ice skill", 1, 0, 10, 10, Ice, Blizzard, 0, 0, false, 1},
      {"blizzard needs range", 0, 0, 10, 10, Ice, Blizzard, Ice, 0, false, 0},
      {"water 4", 2, 0, 10, 10, Water, Sunny, 0, 19, false, 3},
      {"water 5", 2, 0, 10, 10, Water, Sunny, 0, 20, false, 4},
      {"water 5 needs more than 1", 1, 0, 10, 10, Water, Sunny, 0, 20, false, 1},
      {"water field for fire", 2, 0, 10, 10, Fire, Sunny, 0, 20, false, 2},
  };
  for (const RangeCase& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    Tkst& u = unit(1, 8, 7, c.userElem);
    u.HP = c.hp;
    u.HPMax = c.hpMax;
    if (c.rangeUp) abilities(1, {kRangeUp});
    Twst& w = scratchSkill();
    w.Range = c.range;
    w.Effect = c.effect;
    w.Elem = c.skillElem;
    state.weather = c.weather;
    state.zokuseiti1 = c.field;
    select(1);
    battle.skillReach();
    EXPECT_EQ(state.reachLeft[8][7], c.expected) << c.what;
  }
}

TEST_F(ReachTest, LineOfSightIsBlockedBehindAUnitButNotOnIt) {
  unit(1, 2, 5);
  unit(17, 4, 5);
  Twst& w = scratchSkill();
  w.Range = 5;
  w.Line = 2;
  select(1);
  battle.skillReach();
  EXPECT_TRUE(reach(4, 5));   // the blocker's own cell
  EXPECT_FALSE(reach(5, 5));  // behind it
  EXPECT_FALSE(reach(6, 5));
  EXPECT_TRUE(reach(5, 6));   // beside the line
  EXPECT_TRUE(reach(3, 6));   // within one row and column: no test

  k(17).State = BeingSummoned;  // only units on the field block
  battle.skillReach();
  EXPECT_TRUE(reach(5, 5));
}

TEST_F(ReachTest, LineOfSightRoundsHalfUp) {
  // From (0, 0) to (4, 2) the walk visits (1, 1), (2, 1), (3, 2):
  // f = 1 gives trunc(2 / 4 + 0.5) = 1, not 0.
  unit(1, 0, 0);
  unit(17, 1, 0);
  EXPECT_TRUE(battle.lineOfSightClear(0, 0, 4, 2));
  fillGrid(state.unitAt, i32{-1});
  state.unitAt[0][0] = 1;
  state.unitAt[1][1] = 17;
  EXPECT_FALSE(battle.lineOfSightClear(0, 0, 4, 2));
  EXPECT_TRUE(battle.lineOfSightClear(0, 0, 1, 1));
  // Along y when the distances are equal or y is longer.
  fillGrid(state.unitAt, i32{-1});
  state.unitAt[2][2] = 17;
  EXPECT_FALSE(battle.lineOfSightClear(0, 0, 3, 3));
  EXPECT_FALSE(battle.lineOfSightClear(3, 3, 0, 0));
  EXPECT_TRUE(battle.lineOfSightClear(0, 0, 2, 2));

  int cx = -1, cy = -1;
  battle.lastCellBefore(0, 0, 4, 2, cx, cy);
  EXPECT_EQ(cx, 3);
  EXPECT_EQ(cy, 2);
  battle.lastCellBefore(6, 6, 6, 2, cx, cy);
  EXPECT_EQ(cx, 6);
  EXPECT_EQ(cy, 3);
  battle.lastCellBefore(6, 6, 7, 6, cx, cy);  // next to it: the start itself
  EXPECT_EQ(cx, 6);
  EXPECT_EQ(cy, 6);
}

TEST_F(ReachTest, AreaThreeCoversThirteenCellsAndAreaOneTheTarget) {
  unit(1, 5, 5);
  Twst& w = scratchSkill();
  w.Range = 4;
  w.Area = 3;
  select(1);
  battle.skillReach();
  state.tgtX = 8;
  state.tgtY = 5;
  battle.skillArea();
  EXPECT_EQ(count(state.areaPath), 13);
  EXPECT_EQ(state.areaPath[8][5], "0");
  EXPECT_EQ(state.reachLeft[8][5], 3);
  EXPECT_TRUE(inArea(10, 5));
  EXPECT_TRUE(inArea(9, 6));
  EXPECT_FALSE(inArea(11, 5));
  EXPECT_FALSE(reach(5, 5));  // the range stays
  EXPECT_TRUE(reach(9, 5));

  w.Area = 1;
  battle.skillArea();
  EXPECT_EQ(count(state.areaPath), 1);

  w.Area = 99;
  battle.skillArea();
  EXPECT_EQ(count(state.areaPath), kMapW * kMapH);
}

TEST_F(ReachTest, LineAreaGoesOnAwayFromTheUserOnlyFromTheNextCell) {
  unit(1, 5, 5);
  Twst& w = scratchSkill();
  w.Line = 1;
  w.Range = 3;
  w.Area = 3;
  select(1);
  battle.skillReach();
  state.tgtX = 6;
  state.tgtY = 5;
  battle.skillArea();
  EXPECT_EQ(count(state.areaPath), 3);
  EXPECT_EQ(state.areaPath[7][5], "2");
  EXPECT_EQ(state.areaPath[8][5], "22");

  state.tgtX = 5;
  state.tgtY = 4;
  battle.skillArea();
  EXPECT_EQ(state.areaPath[5][2], "11");
  EXPECT_FALSE(inArea(5, 1));

  state.tgtX = 7;  // two cells away: the target alone
  state.tgtY = 5;
  battle.skillArea();
  EXPECT_EQ(count(state.areaPath), 1);

  state.tgtX = 0;  // at the edge the line ends with the map
  state.tgtY = 5;
  state.selX = 1;
  battle.skillArea();
  EXPECT_EQ(count(state.areaPath), 1);
}

struct AreaCase {
  const char* what;
  i32 area;
  bool areaUp;
  i32 elem, field;
  i32 zocArea, zoc;
  int expected;  // the area value the target cell holds
};

TEST_F(ReachTest, AreaModifiersApplyInOrder) {
  const AreaCase cases[] = {
      {"plain", 2, false, 0, 0, 0, 0, 2},
      {"area up", 2, true, 0, 0, 0, 0, 3},
      {"area up needs more than 1", 1, true, 0, 0, 0, 0, 1},
      {"water 5", 2, false, Water, 20, 0, 0, 3},
      {"water 4 gives no area", 2, false, Water, 19, 0, 0, 2},
      {"both", 3, true, Water, 20, 0, 0, 5},
      {"zoc area replaces", 3, true, Water, 20, 1, 2, 3},
      {"zoc area 0", 1, false, 0, 0, 1, 0, 1},
  };
  for (const AreaCase& c : cases) {
    fillGrid(state.unitAt, i32{-1});
    Tkst& u = unit(1, 8, 7, c.elem);
    u.ZOC = c.zoc;
    if (c.areaUp) abilities(1, {kAreaUp});
    Twst& w = scratchSkill();
    w.Area = c.area;
    w.ZocArea = c.zocArea;
    state.zokuseiti1 = c.field;
    select(1);
    state.tgtX = 8;
    state.tgtY = 6;
    battle.skillArea();
    EXPECT_EQ(state.reachLeft[8][6], c.expected) << c.what;
    int n = 0, a = c.expected;
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) n += std::abs(x - 8) + std::abs(y - 6) <= a - 1;
    EXPECT_EQ(count(state.areaPath), n) << c.what;
  }
}

// --- specialReach and specialArea ----------------------------------------------

TEST_F(ReachTest, UsableAbilityRangeAndArea) {
  unit(1, 5, 5);
  select(1);
  state.selSpecial = 2;  // ■癒しの風: range 6, self, area 1
  battle.specialReach();
  EXPECT_EQ(state.reachPath[5][5], "0");
  EXPECT_TRUE(reach(11, 5));
  EXPECT_FALSE(reach(12, 5));
  state.spTgtX = 7;
  state.spTgtY = 5;
  battle.specialArea();
  EXPECT_EQ(count(state.areaPath), 1);

  state.selSpecial = 1;  // ■癒しのオーラ: range 0, self, area 3
  battle.specialReach();
  EXPECT_EQ(count(state.reachPath), 1);
  state.spTgtX = 5;
  state.spTgtY = 5;
  battle.specialArea();
  EXPECT_EQ(count(state.areaPath), 13);

  state.selSpecial = 6;  // area 99
  battle.specialArea();
  EXPECT_EQ(count(state.areaPath), kMapW * kMapH);

  state.selSpecial = 7;  // range 2, not self
  battle.specialReach();
  EXPECT_FALSE(reach(5, 5));
  EXPECT_EQ(count(state.reachPath), 12);
}

// --- The fast flood against the reference ----------------------------------------

class RandomBoards : public ReachTest {
 protected:
  std::mt19937 rng{20240601};
  int pick(int n) { return int(rng() % unsigned(n)); }

  // A random battlefield: mostly plains, up to twelve units of both teams with
  // random elements, movement, zones, flight and movement abilities.
  std::vector<int> randomBoard() {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) state.terrain[x][y] = pick(10) < 6 ? 1 : pick(14);
    fillGrid(state.unitAt, i32{-1});
    for (Tkst& u : state.D->k) u = Tkst{};
    const i32 pool[] = {kZocIgnore, kWarpMove, kStrongSwim, kObstacle, kLostForest, kErosion, kSpaceWarp,
                        kRangeUp, kAreaUp, kSpaceControl};
    std::vector<int> placed;
    const int n = 1 + pick(12);
    for (int i = 0; i < n; ++i) {
      const int index = pick(2) ? 1 + pick(15) : 16 + pick(16);
      if (std::find(placed.begin(), placed.end(), index) != placed.end()) continue;
      int x = pick(kMapW), y = pick(kMapH);
      if (state.unitAt[x][y] != -1) continue;
      Tkst& u = k(index);
      u.Type = 25;
      u.Team = index < 16 ? 1 : 2;
      u.Kind = KindCreature;
      u.State = pick(8) ? OnField : BeingSummoned;
      u.Elem = pick(7);
      u.Mov = pick(10);
      u.MovB = pick(3) - 1;
      u.MovP = pick(3) - 1;
      u.ZOC = pick(7);
      u.Flight = pick(10) == 0;
      u.Gravity = pick(20) == 0;
      u.HPMax = 10 + pick(50);
      u.HP = 1 + pick(u.HPMax);
      u.SH = pick(4);
      std::vector<i32> held;
      for (i32 id : pool)
        if (pick(12) == 0 && held.size() < 4 && !(id == kSpaceControl && pick(3))) held.push_back(id);
      u.TN = {};
      for (std::size_t t = 0; t < held.size(); ++t) u.TN[t] = held[t];
      u.TNS = state.D->buildTNS(u.TN);
      state.unitAt[x][y] = index;
      placed.push_back(index);
    }
    state.weather = pick(8);
    const i32 fields[] = {0, 0, 19, 20, 14};
    state.zokuseiti1 = fields[pick(5)];
    state.zokuseiti2 = fields[pick(5)];
    state.reachMode = pick(5) < 3 ? 0 : 1 + pick(20);
    return placed;
  }

  void expectSame(const Floods& want, const Grid<std::string>& path, const std::string& what) {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) {
        ASSERT_EQ(path[x][y], want.path[x][y]) << what << " path at " << x << "," << y;
        ASSERT_EQ(state.reachLeft[x][y], want.left[x][y]) << what << " left at " << x << "," << y;
        ASSERT_EQ(state.reachTurns[x][y], want.turns[x][y]) << what << " turns at " << x << "," << y;
      }
  }
};

TEST_F(RandomBoards, MoveReachMatchesTheReference) {
  Reference ref(battle);
  for (int round = 0; round < 300; ++round) {
    std::vector<int> placed = randomBoard();
    battle.selectUnit(placed[pick(int(placed.size()))]);
    Floods want = ref.moveReach();
    battle.moveReach();
    expectSame(want, state.reachPath, "moveReach round " + std::to_string(round));
    if (battle.has(k(state.selUnit), kSpaceControl)) continue;
    EXPECT_EQ(state.lostForest, ref.lostForest() ? 1 : 0);
    for (int x = -5; x <= 22; ++x)
      for (int y = -5; y <= 18; ++y) {
        ASSERT_EQ(state.zoc1(x, y), ref.inZone(1, x, y) ? 1 : 0) << x << "," << y;
        ASSERT_EQ(state.zoc2(x, y), ref.inZone(2, x, y) ? 1 : 0) << x << "," << y;
      }
  }
}

TEST_F(RandomBoards, SummonReachMatchesTheReference) {
  Reference ref(battle);
  for (int round = 0; round < 200; ++round) {
    std::vector<int> placed = randomBoard();
    battle.selectUnit(placed[pick(int(placed.size()))]);
    if (pick(4) == 0) {  // corners matter to magic stones
      state.unitAt[state.selX][state.selY] = -1;
      state.selX = pick(2) ? 0 : 17;
      state.selY = pick(2) ? 0 : 13;
      state.unitAt[state.selX][state.selY] = state.selUnit;
    }
    Floods want = ref.summonReach();
    battle.summonReach();
    expectSame(want, state.reachPath, "summonReach round " + std::to_string(round));
  }
}

TEST_F(RandomBoards, SkillReachAndAreaMatchTheReference) {
  Reference ref(battle);
  for (int round = 0; round < 400; ++round) {
    std::vector<int> placed = randomBoard();
    battle.selectUnit(placed[pick(int(placed.size()))]);
    Twst& w = scratchSkill();
    w.Range = pick(7);
    w.SelfOK = pick(2);
    w.Area = pick(8) == 0 ? 99 : pick(6);
    w.ZocArea = pick(6) == 0;
    w.Line = pick(3);
    w.Effect = pick(4) == 0 ? 16 : 0;
    w.Elem = pick(7);
    // Now and then a zone so wide that the area's paths outgrow a packed word.
    if (w.ZocArea && pick(3) == 0) k(state.selUnit).ZOC = 30 + pick(20);
    Floods want = ref.skillReach();
    battle.skillReach();
    expectSame(want, state.reachPath, "skillReach round " + std::to_string(round));

    // An area around a targetable cell, or anywhere.
    std::vector<std::pair<int, int>> targets;
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (!state.reachPath[x][y].empty()) targets.emplace_back(x, y);
    if (targets.empty() || pick(5) == 0) targets.emplace_back(pick(kMapW), pick(kMapH));
    const auto [tx, ty] = targets[pick(int(targets.size()))];
    state.tgtX = tx;
    state.tgtY = ty;
    const Grid<std::string> rangeBefore = state.reachPath;
    Floods wantArea = ref.skillArea();
    battle.skillArea();
    expectSame(wantArea, state.areaPath, "skillArea round " + std::to_string(round));
    ASSERT_EQ(state.reachPath, rangeBefore);
  }
}

TEST_F(RandomBoards, SpecialReachAndAreaMatchTheReference) {
  Reference ref(battle);
  for (int round = 0; round < 200; ++round) {
    std::vector<int> placed = randomBoard();
    battle.selectUnit(placed[pick(int(placed.size()))]);
    state.selSpecial = pick(kSpecialCount);
    Floods want = ref.specialReach();
    battle.specialReach();
    expectSame(want, state.reachPath, "specialReach round " + std::to_string(round));
    state.spTgtX = pick(kMapW);
    state.spTgtY = pick(kMapH);
    Floods wantArea = ref.specialArea();
    battle.specialArea();
    expectSame(wantArea, state.areaPath, "specialArea round " + std::to_string(round));
  }
}

TEST_F(RandomBoards, FloodsAreDeterministicAndLeaveNothingBehind) {
  for (int round = 0; round < 50; ++round) {
    std::vector<int> placed = randomBoard();
    const int mover = placed[pick(int(placed.size()))];
    battle.selectUnit(mover);
    battle.moveReach();
    const Grid<std::string> path = state.reachPath;
    const Grid<i32> left = state.reachLeft, turns = state.reachTurns;
    // Other floods in between must not leak into the next one.
    battle.selectUnit(placed[pick(int(placed.size()))]);
    battle.summonReach();
    scratchSkill().Range = 6;
    battle.skillReach();
    battle.selectUnit(mover);
    battle.moveReach();
    ASSERT_EQ(state.reachPath, path);
    ASSERT_EQ(state.reachLeft, left);
    ASSERT_EQ(state.reachTurns, turns);
  }
}

}  // namespace
}  // namespace sorvane::testing
