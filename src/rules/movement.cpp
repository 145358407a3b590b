// A move: the unit walks (or warps) along the path its reach recorded,
// reshaping the ground it crosses, then the abilities that trigger on
// arrival run. The step animation belongs to the presenter, which replays
// the recorded path; the rules only change the state and ask for the sound,
// the warp and the redraws.
#include <array>
#include <cstdlib>

#include "data/ability_ids.h"
#include "data/saturating.h"
#include "data/terrain.h"
#include "rules/battle.h"

namespace sorvane {

namespace {



bool realElement(i32 e) { return e >= Fire && e <= Water; }
// An element's first terrain (焼野原, 氷, 草原, 砂地, 鉱床, 川) and second terrain
// (マグマ, 雪原, 森, 岩山, クリスタル, 海).
i32 firstTerrain(i32 e) { return e * 2; }
i32 secondTerrain(i32 e) { return e * 2 + 1; }
// The element that is strong against e (the one before it in the cycle).
i32 strongAgainst(i32 e) { return e == Fire ? Water : e - 1; }

// Where a follower goes around its master's new cell, as offsets, tried in
// order; an entry with `onlyIfBefore` is tried only when the follower was on
// that side before (left of the master for the x tests, above it for y).
struct FollowerTry {
  int dx, dy;
  bool onlyIfBefore;
};
using FollowerOrder = std::array<FollowerTry, 11>;

constexpr int L = -1, R = 1, U = -1, D = 1;
// clang-format off
// Follower mostly above: U; L if left; R; L; D; UL if left; UR; UL; DL if left; DR; DL.
constexpr FollowerOrder kFromAbove = {{{0,U,false},{L,0,true},{R,0,false},{L,0,false},{0,D,false},
                                      {L,U,true},{R,U,false},{L,U,false},{L,D,true},{R,D,false},{L,D,false}}};
// Mostly below: D; L if left; R; L; U; DL if left; DR; DL; UL if left; UR; UL.
constexpr FollowerOrder kFromBelow = {{{0,D,false},{L,0,true},{R,0,false},{L,0,false},{0,U,false},
                                      {L,D,true},{R,D,false},{L,D,false},{L,U,true},{R,U,false},{L,U,false}}};
// Mostly left: L; U if above; D; U; R; UL if above; DL; UL; UR if above; DR; UR.
constexpr FollowerOrder kFromLeft  = {{{L,0,false},{0,U,true},{0,D,false},{0,U,false},{R,0,false},
                                      {L,U,true},{L,D,false},{L,U,false},{R,U,true},{R,D,false},{R,U,false}}};
// Mostly right: R; U if above; D; U; L; UR if above; DR; UR; UL if above; DL; UL.
constexpr FollowerOrder kFromRight = {{{R,0,false},{0,U,true},{0,D,false},{0,U,false},{L,0,false},
                                      {R,U,true},{R,D,false},{R,U,false},{L,U,true},{L,D,false},{L,U,false}}};
// clang-format on

}  // namespace

void Battle::erodeTerrain(const Tkst& u, int x, int y) {
  if (u.TNS.empty()) return;
  i32& cell = s.terrain[x][y];
  for (i32 e = Fire; e <= Water; ++e)
    if (has(u, ability::FireErosion + e - Fire) && cell != secondTerrain(e)) cell = firstTerrain(e);
}

void Battle::moveA() {
  const int m = s.selUnit;
  auto onMap = [&](int x, int y) { return x >= 0 && x <= s.maxX && y >= 0 && y <= s.maxY; };
  if (m < 0 || m >= kUnitCount || !onMap(s.selX, s.selY) || !onMap(s.dstX, s.dstY)) return;
  Tkst& mover = d.k[m];

  if (mover.Team == 1) {
    addClamped(d.records.recMoves, 1);
    addClamped(d.records.recSteps, std::abs(s.selX - s.dstX) + std::abs(s.selY - s.dstY));
  }

  view->MapPaint();
  s.unitAt[s.selX][s.selY] = -1;

  if (has(mover, ability::WarpMove) || has(mover, ability::SpaceControl)) {
    s.unitAt[s.dstX][s.dstY] = m;
    KAnime(m, CellAnim::Warp);
  } else {
    view->SE(Sound::Step);
    const bool erodes = has(mover, ability::Erosion);
    const std::string& path = s.reachPath[s.dstX][s.dstY];
    for (char step : path) {
      int nx = s.selX, ny = s.selY;
      switch (step) {
        case '1': --ny; break;
        case '2': ++nx; break;
        case '3': ++ny; break;
        case '4': --nx; break;
        default: continue;  // "0" marks a cell reached without a path
      }
      if (!onMap(nx, ny)) break;
      if (erodes) s.terrain[nx][ny] = realElement(mover.Elem) ? firstTerrain(mover.Elem) : terrain::Plains;
      s.selX = nx;
      s.selY = ny;
      erodeTerrain(mover, nx, ny);
    }
  }
  s.unitAt[s.dstX][s.dstY] = m;

  // A fire side's field scorches the cell a fire unit arrives on.
  const i32 field = mover.Team == 1 ? s.zokuseiti1 : s.zokuseiti2;
  if (mover.Elem == Fire) {
    i32& cell = s.terrain[s.dstX][s.dstY];
    if (field == 4 && cell != terrain::Magma) cell = terrain::Scorched;
    else if (field == 5) cell = terrain::Magma;
  }

  // A flinching or [鈍足] unit may move or act, not both: the move takes its
  // skill use too (one, whatever holds it back), but never one it no longer has.
  mover.MoveN -= 1;
  if ((mover.Flinch > 0 || has(mover, ability::Sluggish)) && mover.SkillN > 0) mover.SkillN -= 1;
  s.reachMode = 0;

  abilityIG(m, s.dstX, s.dstY);

  setHosei();
  view->unitPanel(m);
  view->sidePanels();
  view->MapPaint();
  view->miniMapPaint();

  lastColumnReached();
}

void Battle::abilityIG(int m, int x, int y) {
  Tkst& mover = d.k[m];
  const auto& k = d.k;
  const int last = s.lastUnit < kUnitCount ? s.lastUnit : kUnitCount - 1;
  i32& cell = s.terrain[x][y];

  erodeTerrain(mover, x, y);

  if (mover.Master >= 0 && mover.Master < kUnitCount && has(k[mover.Master], ability::AllyErosion)) {
    if (!realElement(mover.Elem)) cell = terrain::Plains;
    else if (cell != secondTerrain(mover.Elem)) cell = firstTerrain(mover.Elem);
  }

  if (has(mover, ability::AfterMoveMoveUp)) mover.MovB += 1;

  int worldHolders = 0, holder = -1;
  for (int i = 0; i <= last; ++i)
    if (onField(k[i]) && has(k[i], ability::World)) {
      ++worldHolders;
      holder = i;
    }
  if (worldHolders == 1) {
    if (!realElement(mover.Elem)) cell = terrain::Plains;
    else if (mover.Team == k[holder].Team) cell = secondTerrain(mover.Elem);
    else cell = secondTerrain(strongAgainst(mover.Elem));
  }

  // Statuses spread around the arrival cell, to allies and enemies alike.
  const bool gravity = has(mover, ability::AreaGravity), step = has(mover, ability::ShadowStep);
  const bool stitch = has(mover, ability::ShadowStitch), poison = has(mover, ability::AreaPoison);
  if (gravity || step || stitch || poison)
    for (int cx = 0; cx <= s.maxX; ++cx)
      for (int cy = 0; cy <= s.maxY; ++cy) {
        const i32 j = s.unitAt[cx][cy];
        if (j < 0 || j >= kUnitCount || j == m || !onField(d.k[j])) continue;
        const int dist = std::abs(cx - x) + std::abs(cy - y);
        Tkst& u = d.k[j];
        if (gravity && dist >= 1 && dist <= 3) u.Gravity = 1;
        if (step && dist >= 1 && dist <= 2) u.Immobile = 1;
        if (stitch && dist == 1) u.SkillSeal = 1;
        if (poison && dist >= 1 && dist <= 2) u.Poison = 1;
      }

  if (!has(mover, ability::StatResist)) {
    if (has(mover, ability::AfterMoveAttackDown)) mover.AtkB -= 10;
    if (has(mover, ability::AfterMoveDefenseDown)) mover.DefB -= 10;
    if (has(mover, ability::AfterMoveMagicDown)) mover.MagB -= 10;
    if (has(mover, ability::AfterMoveMoveDown)) mover.MovB -= 1;
  }

  // Followers of a master take the free cell next to it nearest their side.
  if (mover.Kind != KindMaster) return;
  for (int j = 0; j <= last; ++j) {
    // A master is its own Master; it never follows itself off its cell.
    if (j == m || !onField(d.k[j]) || d.k[j].Master != m || !has(d.k[j], ability::AutoFollow)) continue;
    int jx = 0, jy = 0;
    if (!findCell(s.unitAt, j, jx, jy)) continue;
    const bool mostlyVertical = std::abs(x - jx) < std::abs(y - jy);
    const FollowerOrder& order = mostlyVertical ? (jy < y ? kFromAbove : kFromBelow) : (jx < x ? kFromLeft : kFromRight);
    const bool before = mostlyVertical ? jx < x : jy < y;
    for (const FollowerTry& t : order) {
      if (t.onlyIfBefore && !before) continue;
      const int nx = x + t.dx, ny = y + t.dy;
      if (nx < 0 || nx > s.maxX || ny < 0 || ny > s.maxY) continue;
      const i32 there = s.unitAt[nx][ny];
      if (there != -1 && there != j) continue;
      s.unitAt[jx][jy] = -1;
      s.unitAt[nx][ny] = j;
      KAnime(j, CellAnim::Warp);
      break;
    }
  }
}

}  // namespace sorvane
