// Position values: how good it is for the acting unit to end its move on
// each cell. A unit's positioning pattern (Ip) picks the terms: advance to
// skill reach of the enemy master, evade the threat zones, guard or escort
// the own master, hold the ground, and so on; terrain affinity, protective
// terrain and the abilities that strike around a unit when it moves add to
// every pattern.
#include <algorithm>

#include "ai/opponent.h"

namespace sorvane {

using namespace ai;

namespace {

// Terrain affinity of an element: +2 and +4 on its own two terrains, -2 and
// -4 on the terrains of the element that beats it. Thunder gets +2 on both.
struct Affinity {
  i32 element;
  i32 good1, good2;  // +2, +4 (thunder: +2, +2)
  i32 bad1, bad2;    // -2, -4
};
// clang-format off
constexpr Affinity kAffinity[] = {
    // element   +2              +4                  -2              -4
    {Fire,     2 /*焼野原*/,    3 /*マグマ*/,        12 /*川*/,      13 /*海*/},
    {Ice,      4 /*氷*/,        5 /*雪原*/,          2 /*焼野原*/,   3 /*マグマ*/},
    {Wood,     6 /*草原*/,      7 /*森*/,            4 /*氷*/,       5 /*雪原*/},
    {Earth,    8 /*砂地*/,      9 /*岩山*/,          6 /*草原*/,     7 /*森*/},
    {Thunder, 10 /*鉱床*/,     11 /*クリスタル*/,    8 /*砂地*/,     9 /*岩山*/},
    {Water,   12 /*川*/,       13 /*海*/,           10 /*鉱床*/,    11 /*クリスタル*/},
};
// clang-format on

i32 affinity(i32 element, i32 terrain) {
  for (const Affinity& a : kAffinity) {
    if (a.element != element) continue;
    if (terrain == a.good1) return 2;
    if (terrain == a.good2) return element == Thunder ? 2 : 4;
    if (terrain == a.bad1) return -2;
    if (terrain == a.bad2) return -4;
  }
  return 0;
}

// Protective terrain in steps of the guard factor: 95 % damage 1, 90 % 2, 85 % 3.
i32 shelter(i32 terrain) {
  switch (terrain) {
    case 3:   // マグマ
    case 8:   // 砂地
      return 1;
    case 5:   // 雪原
    case 7:   // 森
    case 13:  // 海
      return 2;
    case 9:  // 岩山
      return 3;
    default: return 0;
  }
}

// How far a unit prefers to stand off the diagonal (Axis 0) or along a row
// or column (1, 2) of a reference cell.
i32 axisTerm(i32 axis, int x, int y, Cell q, i32 f) {
  const i32 dx = std::abs(q.x - x), dy = std::abs(q.y - y);
  switch (axis) {
    case 0: return -f * std::abs(dx - dy);
    case 1: return f * (dx - dy);
    case 2: return f * (dy - dx);
    default: return 0;
  }
}

// The move-trigger abilities: their status lands on every unit near the
// mover, friend or foe.
struct MoveTrigger {
  int ability;
  int limit;  // cells at distance below this are touched
  i32 ally;   // per cell, for a unit of the mover's team
  i32 enemy;
  bool byMovement;  // amounts are per movement point of the unit touched
};
constexpr MoveTrigger kMoveTriggers[] = {
    {ability::AreaGravity, 4, -300, 300, false},
    {ability::ShadowStep, 3, -50, 50, true},
    {ability::ShadowStitch, 2, -300, 600, false},
    {ability::AreaPoison, 3, -500, 500, false},
};

}  // namespace

// ---------------------------------------------------------------------------
// Threat zone of unit w: every cell its reach skill could hit this turn.

void Opponent::threatZone(int w, int u, bool own) {
  fillGrid(s_.reachMark, byte{0});
  fillGrid(s_.rangeMark, byte{0});
  fillGrid(s_.threatMark, byte{0});

  // Another unit's zone is taken as if u were not in its way.
  Cell uc;
  const bool lift = !own && cellOf(b_, s_.unitAt, u, uc);
  if (lift) s_.unitAt[uc.x][uc.y] = -1;
  b_.selectUnit(w);
  b_.moveReach();
  if (lift) s_.unitAt[uc.x][uc.y] = u;

  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y)
      if (!s_.reachPath[x][y].empty()) s_.reachMark[x][y] = 1;
  if (own) s_.reachMark[s_.selX][s_.selY] = 1;

  const i32 reachSkill = d_.k[w].AI.ReachSkill;
  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y) {
      if (!s_.reachMark[x][y]) continue;
      s_.selX = x;
      s_.selY = y;
      s_.selSkill = reachSkill;
      b_.skillReach();
      for (int tx = 0; tx <= s_.maxX; ++tx)
        for (int ty = 0; ty <= s_.maxY; ++ty)
          if (!s_.reachPath[tx][ty].empty()) s_.rangeMark[tx][ty] = 1;
    }

  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y) {
      if (!s_.rangeMark[x][y]) continue;
      s_.tgtX = x;
      s_.tgtY = y;
      b_.skillArea();
      for (int ax = 0; ax <= s_.maxX; ++ax)
        for (int ay = 0; ay <= s_.maxY; ++ay)
          if (!s_.areaPath[ax][ay].empty()) s_.threatMark[ax][ay] = 1;
    }
}

// The first steps of the cheapest route toward the enemy master get a small
// bonus, unless the unit can already strike it this turn.
void Opponent::approachPath(int u, Cell own, Cell enemy) {
  threatZone(u, u, true);
  if (s_.threatMark[enemy.x][enemy.y]) return;

  b_.selectUnit(u);
  s_.reachMode = dist(own.x, own.y, enemy.x, enemy.y);
  b_.moveReach();
  s_.reachMode = 0;

  bool found = false;
  Cell end;
  int endDist = 0;
  std::size_t endLength = 0;
  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y) {
      const std::string& path = s_.reachPath[x][y];
      if (path.empty()) continue;
      const int dd = dist(x, y, enemy.x, enemy.y);
      if (!found || dd < endDist || (dd == endDist && path.size() <= endLength)) {
        found = true;
        end = {x, y};
        endDist = dd;
        endLength = path.size();
      }
    }
  if (!found) return;

  const std::string& path = s_.reachPath[end.x][end.y];
  const i32 length = static_cast<i32>(path.size());
  int x = own.x, y = own.y;
  for (i32 i = 1; i <= length; ++i) {
    switch (path[i - 1]) {
      case '1': --y; break;
      case '2': ++x; break;
      case '3': ++y; break;
      case '4': --x; break;
      default: break;
    }
    if (onMap(s_, x, y)) s_.posValue[x][y] += length - i;
  }
}

// ---------------------------------------------------------------------------

void Opponent::AICheck_I(int u) {
  const Tkst& unit = d_.k[u];
  Cell own;
  if (!cellOf(b_, s_.unitAt, u, own)) return;
  const Cell enemy = nearestEnemyMaster(b_, unit.Team, own, Cell{0, 0});
  Cell master{0, 0};
  if (unit.Master < 0 || unit.Master >= kUnitCount || !cellOf(b_, s_.unitAt, unit.Master, master)) master = {0, 0};
  const i32 reach = unit.AI.ReachSkill > 0 ? reachOf(d_, unit.AI.ReachSkill) : 0;
  const TAI& ai = unit.AI;
  auto& pv = s_.posValue;

  const i32 P = ai.Ip, T = b_.turn;
  const bool retreating = ai.Retreat == 1 && unit.HP < unit.HPMax * 4 / 10;
  auto band = [&](i32 hundreds) { return P >= hundreds + 1 && P <= hundreds + 99; };
  auto from = [&](i32 hundreds) { return band(hundreds) && T >= P - hundreds; };
  auto before = [&](i32 hundreds) { return band(hundreds) && T < P - hundreds; };

  const bool advance = !retreating && (P == 1 || from(100) || from(200) || from(400) || from(500));
  const bool evade = P == 2 || retreating || before(200) || before(300);
  const bool guard = !retreating && (P == 3 || before(400));
  const bool hold = !retreating && (P == 4 || before(100) || from(300) || from(600));
  const bool careful = !retreating && P == 5;
  const bool together = !retreating && P == 6;
  const bool escort = !retreating && P == 7;
  const bool hangBack = !retreating && (P == 8 || before(500) || before(600));

  auto d = [](int x, int y, Cell c) { return dist(x, y, c.x, c.y); };
  auto element = [&](int x, int y, i32 e) { return ai.ElemW * e * affinity(unit.Elem, s_.terrain[x][y]); };
  auto guardTerm = [&](int x, int y, i32 g) { return ai.GuardW * g * shelter(s_.terrain[x][y]); };
  auto eachCell = [&](auto&& add) {
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y) pv[x][y] += add(x, y);
  };
  auto addAround = [&](Cell c, i32 amount) {
    static constexpr int kSide[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (const auto& step : kSide)
      if (onMap(s_, c.x + step[0], c.y + step[1])) pv[c.x + step[0]][c.y + step[1]] += amount;
  };
  // A master seeks the side of its guardians.
  auto guardianBonus = [&] {
    if (unit.Kind != KindMaster) return;
    for (int j = u + 1; j <= u + 15 && j < kUnitCount; ++j) {
      const Tkst& g = d_.k[j];
      if (!b_.has(g, ability::Guardian) || (g.State != OnField && g.State != BeingSummoned) || g.Type == kStoneGolemType) continue;
      Cell gc;
      if (cellOf(b_, s_.unitAt, j, gc)) addAround(gc, 400);
    }
  };
  // A guardian seeks the side of its master.
  auto escortBonus = [&](i32 amount) {
    if (b_.has(unit, ability::Guardian)) addAround(master, amount);
  };
  auto normalise = [&] {
    i32 top = 1;
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y) top = std::max(top, pv[x][y]);
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y) pv[x][y] = static_cast<i32>(std::int64_t{pv[x][y]} * 500 / top);
  };
  // Every unit of the other team on the map, with the strength of its blows.
  auto eachEnemy = [&](auto&& add) {
    for (int j = 0; j <= s_.lastUnit; ++j) {
      if (j == u) continue;
      const Tkst& e = d_.k[j];
      Cell ec;
      if (e.Team == unit.Team || !cellOf(b_, s_.unitAt, j, ec)) continue;
      const i32 weight = div0((((e.AtkB + e.AtkP) * e.Atk) / 100 + e.Atk) * 5, e.Lv);
      threatZone(j, u, false);
      add(ec, weight);
    }
  };
  const int masterToEnemy = dist(master.x, master.y, enemy.x, enemy.y);

  if (advance) {
    approachPath(u, own, enemy);
    eachCell([&](int x, int y) {
      i32 v = 0;
      if (masterToEnemy < 10 && unit.Kind != KindMaster) {
        v += 1000 - 20 * std::abs(d(x, y, master) - d(x, y, enemy));
        v += -15 * d(x, y, master);
      } else {
        if (ai.Margin == 1) v += 1000 - 5 * std::abs(reach - 1 + unit.Mov - d(x, y, enemy));
        else v += 1000 - 20 * std::abs(reach - 1 - d(x, y, enemy));
        v += -d(x, y, master);
      }
      return v + axisTerm(ai.Axis, x, y, enemy, 4) + element(x, y, 1) + guardTerm(x, y, 1);
    });
  }

  if (evade) {
    eachEnemy([&](Cell ec, i32 weight) {
      eachCell([&](int x, int y) {
        const i32 dd = d(x, y, ec);
        return s_.threatMark[x][y] ? dd * weight / 4 : dd * weight;
      });
    });
    normalise();
    if (retreating) eachCell([&](int x, int y) { return pv[x][y] * 3; });  // x 4 in all
    eachCell([&](int x, int y) { return axisTerm(ai.Axis, x, y, enemy, 2) + element(x, y, 2) + guardTerm(x, y, 1); });
    guardianBonus();
  }

  if (guard) {
    eachCell([&](int x, int y) { return 1000 - 25 * std::abs(unit.ZOC - d(x, y, master)); });
    escortBonus(400);
    eachCell([&](int x, int y) { return -20 * d(x, y, enemy) + (masterToEnemy < 8 ? -10 * d(x, y, enemy) : 0); });
    const Cell q = masterToEnemy < 9 ? enemy : master;
    eachCell([&](int x, int y) { return axisTerm(ai.Axis, x, y, q, 1) + element(x, y, 1) + guardTerm(x, y, 2); });
  }

  if (hold) {
    eachCell([&](int x, int y) { return 1000 - 100 * d(x, y, own) + element(x, y, 55) + guardTerm(x, y, 70); });
    guardianBonus();
  }

  if (careful) {
    approachPath(u, own, enemy);
    eachEnemy([&](Cell ec, i32 weight) {
      eachCell([&](int x, int y) { return s_.threatMark[x][y] ? d(x, y, ec) : 2 * weight; });
    });
    normalise();
    eachCell([&](int x, int y) { return axisTerm(ai.Axis, x, y, enemy, 2) + element(x, y, 1) + guardTerm(x, y, 1); });
  }

  if (together) {
    for (int j = 0; j <= s_.lastUnit; ++j) {
      if (j == u) continue;
      const Tkst& other = d_.k[j];
      Cell oc;
      if (!cellOf(b_, s_.unitAt, j, oc)) continue;
      if (other.Team != unit.Team) {
        const i32 weight = div0((((other.AtkB + other.AtkP) * other.Atk) / 100 + other.Atk) * 5, other.Lv);
        threatZone(j, u, false);
        eachCell([&](int x, int y) {
          const i32 dd = d(x, y, oc);
          return s_.threatMark[x][y] ? dd * weight / 4 : dd * weight;
        });
      } else {
        const i32 a = other.Kind == KindMaster ? 15 : other.Kind == KindCreature ? other.SumT + 5 : 1;
        eachCell([&](int x, int y) { return 10 * a - a * d(x, y, oc); });
      }
    }
    i32 lowest = 0;
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y) lowest = std::min(lowest, pv[x][y]);
    eachCell([&](int, int) { return -lowest; });
    normalise();
    eachCell([&](int x, int y) { return element(x, y, 1) + guardTerm(x, y, 1); });
    guardianBonus();
  }

  if (escort) {
    eachCell([&](int x, int y) { return d(x, y, master) < 3 ? 1000 : 1000 - 25 * d(x, y, master); });
    escortBonus(200);
    eachCell([&](int x, int y) { return 20 * d(x, y, enemy); });
    const Cell q = masterToEnemy < 9 ? enemy : master;
    eachCell([&](int x, int y) { return axisTerm(ai.Axis, x, y, q, 1) + element(x, y, 1) + guardTerm(x, y, 1); });
  }

  if (hangBack) {
    eachCell([&](int x, int y) {
      const i32 de = d(x, y, enemy);
      return 1000 - 20 * std::abs(20 - de) - 5 * de + axisTerm(ai.Axis, x, y, enemy, 2) + element(x, y, 1) +
             guardTerm(x, y, 1);
    });
    guardianBonus();
  }

  moveTriggerTerms(u);
}

// Abilities that put their status on every unit near the mover: walk into
// enemies, keep away from allies.
void Opponent::moveTriggerTerms(int u) {
  const Tkst& unit = d_.k[u];
  if (unit.TNS.empty()) return;
  for (const MoveTrigger& trigger : kMoveTriggers) {
    if (!b_.has(unit, trigger.ability)) continue;
    for (int v = 0; v <= s_.lastUnit; ++v) {
      const Tkst& other = d_.k[v];
      if (v == u || other.State != OnField) continue;
      // The two blanket immunities are read from the working copy.
      if (b_.has(d_.kw[v], ability::AilmentResist) || b_.has(d_.kw[v], ability::FullResist)) continue;
      bool touched = false;
      switch (trigger.ability) {
        case ability::AreaGravity:
          touched = other.Flight == 1 && other.Gravity == 0 && !b_.has(other, ability::AntiGravity);
          break;
        case ability::ShadowStep: touched = other.Immobile == 0 && !b_.has(other, ability::ActionResist); break;
        case ability::ShadowStitch: touched = other.SkillSeal == 0 && !b_.has(other, ability::ActionResist); break;
        case ability::AreaPoison: touched = other.Poison == 0 && !b_.has(other, ability::PoisonResist); break;
        default: break;
      }
      Cell oc;
      if (!touched || !cellOf(b_, s_.unitAt, v, oc)) continue;
      const bool ally = other.Team == unit.Team;
      i32 amount = ally ? trigger.ally : trigger.enemy;
      if (trigger.byMovement) amount *= other.Mov;
      for (int x = 0; x <= s_.maxX; ++x)
        for (int y = 0; y <= s_.maxY; ++y)
          if (dist(x, y, oc.x, oc.y) < trigger.limit) s_.posValue[x][y] += amount;
    }
  }
}

}  // namespace sorvane
