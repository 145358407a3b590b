// Where a unit can move, where a master can summon, which cells a skill or a
// usable ability can target, and which cells its effect covers.
//
// All six share one four-direction flood: a depth-first walk that records,
// per cell, the path that arrives with the most points left (on a tie the
// smaller turn counter; on a full tie the first path found). The walk keeps
// the game's exact visiting order, because that order decides which of two
// equally good paths a cell keeps, and the opponent reads those paths.
//
// The AI runs these floods constantly, so the walk allocates nothing: the
// board is a padded flat array whose border stops every step, each cell's
// rule (cost, records, continues) is worked out once before the walk, a
// step is tested before it is taken, and the path travels packed in one
// word (two bits a step) and becomes a string once, when the walk is over.
// Reach reads the live records (k, unitAt).
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstdint>

#include "data/terrain.h"
#include "data/tables/skill_rows.h"
#include "data/ability_ids.h"
#include "rules/battle.h"

namespace sorvane {

namespace {


constexpr int kMaxZocRings = 5;
constexpr i32 kMoveCap = 18;
constexpr int kPathLimitShown = 15;    // path steps while the player moves
constexpr int kPathLimitSearch = 18;   // path steps while the AI searches (reachMode > 0)

// Summoning radius by summoning method (SH): chant, magic stone, magic circle, sacrifice.
constexpr std::array<i32, 4> kSummonRadius = {4, 2, 3, 2};

// The padded board: one border cell on every side stops every step.
constexpr int kPadH = kMapH + 2;
constexpr int kPadCells = (kMapW + 2) * kPadH;
constexpr int padded(int x, int y) { return (x + 1) * kPadH + (y + 1); }
constexpr int paddedX(int c) { return c / kPadH - 1; }
constexpr int paddedY(int c) { return c % kPadH - 1; }

// Directions: 1 up (y - 1), 2 right (x + 1), 3 down (y + 1), 4 left (x - 1).
constexpr std::array<int, 5> kStep = {0, -1, kPadH, 1, -kPadH};
constexpr std::array<int, 5> kReverse = {0, 3, 4, 1, 2};

// Longest path the buffer holds. Paths of every flood stay far below it
// (move paths are capped at 18 steps, the others never revisit a cell).
constexpr int kMaxPath = 255;
// Paths of up to 32 steps travel packed in one word (two bits a step) and
// become strings once, at the end; longer ones are written as they are found.
constexpr int kPackedSteps = 32;

bool onMap(const Tsyori& s, int x, int y) {
  return x >= 0 && x <= s.maxX && y >= 0 && y <= s.maxY && x < kMapW && y < kMapH;
}

class Flood {
 public:
  explicit Flood(Grid<std::string>& paths) : paths_(paths) {
    cost_.fill(-1);
    records_.fill(false);
    continues_.fill(false);
    left_.fill(-1);
    turns_.fill(0);
    hasPath_.fill(false);
    length_.fill(0);
  }

  // The rule of one map cell: its entry cost (-1 stops the step there),
  // whether an accepted path is written down, whether the walk goes on.
  void setCell(int x, int y, int entryCost, bool records, bool continues) {
    const int c = padded(x, y);
    cost_[c] = static_cast<signed char>(entryCost);
    records_[c] = records;
    continues_[c] = continues;
    if (entryCost == 0) anyFreeCell_ = true;
  }
  void setPathLimit(int limit) { pathLimit_ = std::min(limit, kMaxPath); }
  // Straight walks go on in their own direction only.
  void setStraight(bool straight) { straight_ = straight; }
  // The straight reach of a line skill writes only paths, never points or counters.
  void setWritesNumbers(bool writes) { writesNumbers_ = writes; }

  // The start cell: the budget goes into its points left; `path` marks it
  // as already recorded ("0").
  void seed(int x, int y, i32 budget, bool path) {
    const int c = padded(x, y);
    left_[c] = budget;
    turns_[c] = 0;
    hasPath_[c] = path;
  }

  // The step from (x, y) into one direction, and the four of the common start.
  void walk(int x, int y, int direction, i32 budget) {
    const int first = padded(x, y) + kStep[direction];
    if (longestPath(budget) <= kPackedSteps) {
      step<true>(first, 1, direction, 0, budget, std::uint64_t(direction - 1));
    } else {
      path_[0] = char('0' + direction);
      step<false>(first, 1, direction, 0, budget, 0);
    }
  }
  void walkAll(int x, int y, i32 budget) {
    for (int n = 1; n <= 4; ++n) walk(x, y, n, budget);
  }

  // Writes the packed paths, and the points left and counters of every map
  // cell (-1 and 0 where no path arrived).
  void finish(const Tsyori& s, Grid<i32>& left, Grid<i32>& turns) const {
    for (int x = 0; x <= s.maxX && x < kMapW; ++x)
      for (int y = 0; y <= s.maxY && y < kMapH; ++y) {
        left[x][y] = left_[padded(x, y)];
        turns[x][y] = turns_[padded(x, y)];
      }
    for (int n = 0; n < packedCount_; ++n) {
      const int c = packedCells_[n];
      std::string& path = paths_[paddedX(c)][paddedY(c)];
      path.resize(length_[c]);
      for (int i = 0; i < length_[c]; ++i) path[i] = char('1' + ((packed_[c] >> (2 * i)) & 3));
    }
  }

 private:
  // Every step costs at least one point unless some cell is free, so the
  // budget bounds the path too.
  int longestPath(i32 budget) const { return anyFreeCell_ ? pathLimit_ : std::min<i32>(pathLimit_, budget); }

  // Whether a path of `len` steps arriving on c with counter t and budget r
  // is taken (the caller tests before calling, which spares most calls).
  bool accepts(int c, int len, i32 t, i32 r) const {
    if (len > pathLimit_) return false;
    const int e = cost_[c];
    if (e < 0) return false;
    const i32 rest = r - e;
    if (rest < 0) return false;
    return !hasPath_[c] || left_[c] < rest || (left_[c] == rest && turns_[c] > t);
  }

  // A packed path of `len` steps followed by direction n. A path a packed
  // walk takes never passes 32 steps; a longer one is refused anyway.
  template <bool Packed>
  static std::uint64_t extend(std::uint64_t packed, int len, int n) {
    if constexpr (Packed) return len < kPackedSteps ? packed | std::uint64_t(n - 1) << (2 * len) : packed;
    return 0;
  }

  template <bool Packed>
  void step(int c, int len, int d, i32 t, i32 r, std::uint64_t packed) {
    if (!accepts(c, len, t, r)) return;
    enter<Packed>(c, len, d, t, r - cost_[c], packed);
  }

  // The accepted step onto c with `rest` points left: record, then go on.
  template <bool Packed>
  void enter(int c, int len, int d, i32 t, i32 rest, std::uint64_t packed) {
    if (records_[c]) {
      hasPath_[c] = true;
      if (writesNumbers_) {
        left_[c] = rest;
        turns_[c] = t;
      }
      if constexpr (Packed) {
        if (length_[c] == 0) packedCells_[packedCount_++] = static_cast<short>(c);
        packed_[c] = packed;
        length_[c] = static_cast<byte>(len);
      } else {
        paths_[paddedX(c)][paddedY(c)].assign(path_, len);
      }
    }
    if (!continues_[c]) return;
    if (straight_) {
      if constexpr (!Packed) path_[len] = char('0' + d);
      step<Packed>(c + kStep[d], len + 1, d, t + 1, rest, extend<Packed>(packed, len, d));
      return;
    }
    for (int n = 1; n <= 4; ++n) {
      if (n == kReverse[d]) continue;
      if (n == d) ++t;
      const int next = c + kStep[n];
      if (!accepts(next, len + 1, t, rest)) continue;
      if constexpr (!Packed) path_[len] = char('0' + n);
      enter<Packed>(next, len + 1, n, t, rest - cost_[next], extend<Packed>(packed, len, n));
    }
  }

  Grid<std::string>& paths_;
  std::array<signed char, kPadCells> cost_;
  std::array<bool, kPadCells> records_;
  std::array<bool, kPadCells> continues_;
  std::array<i32, kPadCells> left_;
  std::array<i32, kPadCells> turns_;
  std::array<bool, kPadCells> hasPath_;
  std::array<std::uint64_t, kPadCells> packed_;  // paths of packed walks, read where length_ > 0
  std::array<byte, kPadCells> length_;
  int pathLimit_ = kMaxPath;
  bool anyFreeCell_ = false;
  std::array<short, kPadCells> packedCells_;  // cells holding a packed path, first record first
  int packedCount_ = 0;
  bool straight_ = false;
  bool writesNumbers_ = true;
  char path_[kMaxPath + 1] = {};
};

// Common start: no paths, no points, no counters.
void clearReach(Tsyori& s, Grid<std::string>& paths) {
  for (auto& column : paths)
    for (std::string& p : column) p.clear();
  fillGrid(s.reachLeft, i32{-1});
  fillGrid(s.reachTurns, i32{0});
}

void markWholeMap(Tsyori& s, Grid<std::string>& paths) {
  for (int x = 0; x <= s.maxX && x < kMapW; ++x)
    for (int y = 0; y <= s.maxY && y < kMapH; ++y) paths[x][y].assign(1, '0');
}

i32 ownField(const Tsyori& s, const Tkst& u) { return u.Team == 1 ? s.zokuseiti1 : s.zokuseiti2; }

bool validUnit(int u) { return u >= 0 && u < kUnitCount; }

// Zones of control: every on-field unit marks its cell and up to five rings
// around it in its team's grid (the grids' margin takes rings past the edge).
void buildZones(Tsyori& s) {
  s.zoc1.clear();
  s.zoc2.clear();
  const auto& k = s.D->k;
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      const i32 u = s.unitAt[x][y];
      if (!validUnit(u) || k[u].State != OnField) continue;
      MarginGrid* zone = k[u].Team == 1 ? &s.zoc1 : k[u].Team == 2 ? &s.zoc2 : nullptr;
      if (!zone) continue;
      const int rings = std::clamp<i32>(k[u].ZOC, 0, kMaxZocRings);
      for (int dx = -rings; dx <= rings; ++dx)
        for (int dy = -rings; dy <= rings; ++dy)
          if (std::abs(dx) + std::abs(dy) <= rings) (*zone)(x + dx, y + dy) = 1;
    }
}

// The straight line from one cell toward another, as the game walks it:
// along the longer axis one cell at a time, the other axis rounded half up.
// Calls visit(x, y) for every cell strictly between the two; stops early when
// visit returns false. Returns false when it was stopped.
template <class Visit>
bool walkLine(int fx, int fy, int tx, int ty, Visit&& visit) {
  const int dx = std::abs(tx - fx), dy = std::abs(ty - fy);
  const int sx = tx > fx ? 1 : -1, sy = ty > fy ? 1 : -1;
  if (dy < dx) {
    for (int f = 1; f <= dx - 1; ++f)  // trunc(f * dy / dx + 0.5) in whole numbers
      if (!visit(fx + sx * f, fy + sy * ((2 * f * dy + dx) / (2 * dx)))) return false;
  } else {
    for (int f = 1; f <= dy - 1; ++f)
      if (!visit(fx + sx * ((2 * f * dx + dy) / (2 * dy)), fy + sy * f)) return false;
  }
  return true;
}

}  // namespace

bool Battle::lineOfSightClear(int fx, int fy, int tx, int ty) const {
  if (std::abs(tx - fx) <= 1 && std::abs(ty - fy) <= 1) return true;
  return walkLine(fx, fy, tx, ty, [&](int x, int y) {
    if (!onMap(s, x, y)) return true;
    const i32 u = s.unitAt[x][y];
    return !(validUnit(u) && d.k[u].State == OnField);
  });
}

void Battle::lastCellBefore(int fx, int fy, int tx, int ty, int& cx, int& cy) const {
  cx = fx;
  cy = fy;
  walkLine(fx, fy, tx, ty, [&](int x, int y) {
    cx = x;
    cy = y;
    return true;
  });
}

void Battle::moveReach() {
  clearReach(s, s.reachPath);
  if (!validUnit(s.selUnit)) return;
  const Tkst& mover = d.k[s.selUnit];
  const auto& k = d.k;
  const int last = std::min<int>(s.lastUnit, kUnitCount - 1);

  if (has(mover, ability::SpaceControl)) {
    for (int x = 0; x <= s.maxX; ++x)
      for (int y = 0; y <= s.maxY; ++y)
        if (s.unitAt[x][y] == -1 && s.terrain[x][y] != 0) s.reachPath[x][y].assign(1, '0');
    return;
  }

  s.lostForest = 0;
  for (int i = 0; i <= last; ++i)
    if (onField(k[i]) && k[i].Team != mover.Team && has(k[i], ability::LostForest)) {
      s.lostForest = 1;
      break;
    }

  fillGrid(s.warpZone, byte{0});
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      const i32 u = s.unitAt[x][y];
      if (!validUnit(u) || !has(k[u], ability::SpaceWarp)) continue;
      for (int wx = 0; wx <= s.maxX; ++wx)
        for (int wy = 0; wy <= s.maxY; ++wy)
          if (std::abs(wx - x) + std::abs(wy - y) <= k[u].ZOC) s.warpZone[wx][wy] = 1;
    }

  i32 budget = s.reachMode >= 1 ? s.reachMode : movementPoints(mover);
  if (budget > kMoveCap) budget = kMoveCap;

  buildZones(s);

  // Each cell's rule for this mover.
  const bool flies = flying(mover);
  const bool warps = has(mover, ability::WarpMove);
  const bool erodes = has(mover, ability::Erosion);
  const bool swims = has(mover, ability::PowerSwim);
  const bool ignoresZoc = flies || warps || has(mover, ability::IgnoreZoc);
  const MarginGrid& enemyZone = mover.Team == 1 ? s.zoc2 : s.zoc1;
  const int element = mover.Elem >= 0 && mover.Elem < 7 ? mover.Elem : 0;

  Flood flood(s.reachPath);
  flood.setPathLimit(s.reachMode > 0 ? kPathLimitSearch : kPathLimitShown);
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      const i32 code = s.terrain[x][y];
      if (code <= 0 || code >= kTerrainCount) continue;  // impassable
      const i32 occupant = s.unitAt[x][y];
      const bool empty = occupant == -1;
      if (!empty && !flies && !warps) {
        const bool ally = validUnit(occupant) && k[occupant].Team == mover.Team && !has(k[occupant], ability::Obstacle);
        if (!ally) continue;
      }
      i32 e = kTerrain[code].moveCost[element];
      if (s.lostForest && code == 7) e += 1;  // 森
      if (erodes) e = 1;
      if (swims && (code == terrain::River || code == terrain::Sea)) e = 0;
      if (s.warpZone[x][y] == 1) e = 0;
      if (flies) e = 1;
      if (warps) e = 1;
      flood.setCell(x, y, e, empty, ignoresZoc || enemyZone(x, y) == 0);
    }

  if (!onMap(s, s.selX, s.selY)) return;
  flood.seed(s.selX, s.selY, budget, false);
  flood.walkAll(s.selX, s.selY, budget);
  flood.finish(s, s.reachLeft, s.reachTurns);
}

void Battle::summonReach() {
  clearReach(s, s.reachPath);
  if (!validUnit(s.selUnit)) return;
  const Tkst& master = d.k[s.selUnit];
  i32 budget = master.SH >= 0 && master.SH < 4 ? kSummonRadius[master.SH] : 0;
  const bool corner = (s.selX == 0 || s.selX == s.maxX) && (s.selY == 0 || s.selY == s.maxY);
  if (master.SH == MagicStone && corner) budget += 1;

  buildZones(s);

  Flood flood(s.reachPath);
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y)
      flood.setCell(x, y, 1, s.unitAt[x][y] == -1 && s.terrain[x][y] != 0, true);

  if (!onMap(s, s.selX, s.selY)) return;
  flood.seed(s.selX, s.selY, budget, false);
  flood.walkAll(s.selX, s.selY, budget);
  flood.finish(s, s.reachLeft, s.reachTurns);
}

void Battle::skillReach() {
  clearReach(s, s.reachPath);
  if (!validUnit(s.selUnit) || s.selSkill < 0 || s.selSkill >= kSkillCount) return;
  const Tkst& user = d.k[s.selUnit];
  const Twst& w = skill(s.selSkill);

  i32 budget = w.Range;
  if (w.Effect == skill_rows::Desperation && user.HPMax > 0) budget += 5 - (user.HP * 5) / user.HPMax;
  if (has(user, ability::SkillRangeUp) && budget > 1) budget += 2;
  if (user.Elem == Ice && s.weather == Blizzard && w.Elem == Ice && budget > 0) budget += 2;
  const i32 field = ownField(s, user);
  if (field == 19 && user.Elem == Water && budget > 1) budget += 1;       // 水4
  else if (field == 20 && user.Elem == Water && budget > 1) budget += 2;  // 水5

  if (!onMap(s, s.selX, s.selY)) return;
  const bool self = w.SelfOK != 0;
  if (self) s.reachPath[s.selX][s.selY].assign(1, '0');

  Flood flood(s.reachPath);
  if (w.Line == 1) {
    for (int x = 0; x <= s.maxX; ++x)
      for (int y = 0; y <= s.maxY; ++y) flood.setCell(x, y, 1, true, true);
    flood.setStraight(true);
    flood.setWritesNumbers(false);
  } else {
    const bool sight = w.Line == 2;
    for (int x = 0; x <= s.maxX; ++x)
      for (int y = 0; y <= s.maxY; ++y) {
        const bool start = x == s.selX && y == s.selY;
        const bool inRange = std::abs(x - s.selX) + std::abs(y - s.selY) <= budget;
        const bool takes = (!start || self) && (!sight || !inRange || lineOfSightClear(s.selX, s.selY, x, y));
        flood.setCell(x, y, 1, takes, takes);
      }
  }
  flood.seed(s.selX, s.selY, budget, self);
  flood.walkAll(s.selX, s.selY, budget);
  flood.finish(s, s.reachLeft, s.reachTurns);
}

void Battle::skillArea() {
  clearReach(s, s.areaPath);
  if (!validUnit(s.selUnit) || s.selSkill < 0 || s.selSkill >= kSkillCount) return;
  const Tkst& user = d.k[s.selUnit];
  const Twst& w = skill(s.selSkill);

  i32 area = w.Area;
  if (area == skill_rows::WholeMap) {
    markWholeMap(s, s.areaPath);
    return;
  }
  if (has(user, ability::SkillAreaUp) && area > 1) area += 1;
  if (ownField(s, user) == 20 && user.Elem == Water && area > 1) area += 1;  // 水5
  if (w.ZocArea) area = user.ZOC + 1;

  if (!onMap(s, s.tgtX, s.tgtY)) return;
  s.areaPath[s.tgtX][s.tgtY].assign(1, '0');
  const i32 budget = area - 1;

  Flood flood(s.areaPath);
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) flood.setCell(x, y, 1, true, true);
  flood.seed(s.tgtX, s.tgtY, area, true);
  if (w.Line == 1) {
    // A line goes on away from the user, only from a cell right next to it.
    const int dx = s.tgtX - s.selX, dy = s.tgtY - s.selY;
    int direction = 0;
    if (dx == 0 && dy == -1) direction = 1;
    else if (dx == 1 && dy == 0) direction = 2;
    else if (dx == 0 && dy == 1) direction = 3;
    else if (dx == -1 && dy == 0) direction = 4;
    flood.setStraight(true);
    if (direction != 0) flood.walk(s.tgtX, s.tgtY, direction, budget);
  } else {
    flood.walkAll(s.tgtX, s.tgtY, budget);
  }
  flood.finish(s, s.reachLeft, s.reachTurns);
}

void Battle::specialReach() {
  clearReach(s, s.reachPath);
  if (!validUnit(s.selUnit) || s.selSpecial < 0 || s.selSpecial >= kSpecialCount) return;
  const Thst& ability = d.specials[s.selSpecial];
  if (!onMap(s, s.selX, s.selY)) return;
  const bool self = ability.SelfOK != 0;
  if (self) s.reachPath[s.selX][s.selY].assign(1, '0');

  Flood flood(s.reachPath);
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      const bool takes = !(x == s.selX && y == s.selY) || self;
      flood.setCell(x, y, 1, takes, takes);
    }
  flood.seed(s.selX, s.selY, ability.Range, self);
  flood.walkAll(s.selX, s.selY, ability.Range);
  flood.finish(s, s.reachLeft, s.reachTurns);
}

void Battle::specialArea() {
  clearReach(s, s.areaPath);
  if (s.selSpecial < 0 || s.selSpecial >= kSpecialCount) return;
  const i32 area = d.specials[s.selSpecial].Area;
  if (area == skill_rows::WholeMap) {
    markWholeMap(s, s.areaPath);
    return;
  }
  if (!onMap(s, s.spTgtX, s.spTgtY)) return;
  s.areaPath[s.spTgtX][s.spTgtY].assign(1, '0');

  Flood flood(s.areaPath);
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) flood.setCell(x, y, 1, true, true);
  flood.seed(s.spTgtX, s.spTgtY, area, true);
  flood.walkAll(s.spTgtX, s.spTgtY, area - 1);
  flood.finish(s, s.reachLeft, s.reachTurns);
}

}  // namespace sorvane
