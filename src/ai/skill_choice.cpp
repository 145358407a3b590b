// Action values: for every cell the unit can reach, every skill slot and
// every cell the skill can target from there, the position value of the cell
// less the costs of the skill plus the worth of what it does. The worth is
// not estimated: the skill is resolved for real on the working copy with
// randomness off, and every difference between the live and the copied
// records is scored with the unit's weights.
//
// A trial must be cheap, because there are thousands per decision. So:
// destinations are the outer loop (the effective-stat pass runs once per
// cell, not once per cell and skill); the working copy is made whole once
// per cell and, after each trial, only the records the trial changed are
// copied back; the area of a target is computed once per skill for every
// shape whose area does not depend on the user's cell; and a use is
// simulated only when its area holds a unit the skill can act on. Nothing
// allocates and no text is built.
#include <algorithm>

#include "ai/opponent.h"

namespace sorvane {

using namespace ai;

namespace {


// Worth of a familiar placed by a summoning skill, by type 201..209.
constexpr i32 kFamiliarWorth[9] = {250, 200, 300, 300, 300, 400, 55, 55, 550};

int cellIndex(int x, int y) { return x * kMapH + y; }
bool inSet(const std::array<std::uint64_t, 4>& set, int i) { return (set[i >> 6] >> (i & 63)) & 1; }
void addToSet(std::array<std::uint64_t, 4>& set, int i) { set[i >> 6] |= std::uint64_t{1} << (i & 63); }

}  // namespace

// ---------------------------------------------------------------------------
// Filling the table.

bool Opponent::filterPasses(i32 filter, int t, int u, bool centre) const {
  const Tkst& o = d_.k[t];
  const bool on = o.State == OnField;
  const bool grounded = o.Flight == 0 || o.Gravity >= 1;
  switch (filter) {
    case 0: return on;
    case 1: return on && t != u;
    case 2: return on && grounded;
    case 3: return on && t != u && grounded;
    case 4: return on && o.LockOn >= 1;
    case 5: return on && o.Type == 208;
    case 6: return on && o.Type >= 204 && o.Type <= 206;
    case 7: return on && centre;
    case 8: return on && t == d_.k[u].Master;
    case 9: return o.State == OnField || o.State == BeingSummoned;
    case 10: return on && o.Kind != KindMaster;
    // Units of the other team: the rules' own target rule 11. Treating it as
    // "acts on nobody" would keep such skills out of the computer's hands.
    case 11: return on && o.Team != d_.k[u].Team;
    default: return false;
  }
}

void Opponent::AICheck_W(int u) {
  Tkst& unit = d_.k[u];
  // The entries of an earlier call are gone (the driver clears the whole
  // table before each cycle; a call on its own starts from nothing too).
  for (const Entry& e : entries_) s_.actValue(e.x, e.y, e.slot, e.tx, e.ty) = 0;
  entries_.clear();
  for (auto& column : cellBegin_) column.fill(0);
  for (auto& column : cellEnd_) column.fill(0);
  Cell own;
  if (!cellOf(b_, s_.unitAt, u, own)) return;

  b_.selectUnit(u);
  for (auto& column : s_.reachPath)
    for (std::string& p : column) p.clear();
  if (unit.MoveN > 0 && unit.Immobile == 0) b_.moveReach();
  s_.reachPath[own.x][own.y].assign(1, '0');
  fillGrid(s_.reachMark, byte{0});
  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y)
      if (!s_.reachPath[x][y].empty()) s_.reachMark[x][y] = 1;

  const Cell enemy = nearestEnemyMaster(b_, unit.Team, own, Cell{0, 0});
  const TAI& ai = unit.AI;
  const Tcst& entry = entryOf(d_, unit);

  // What each slot costs, wherever it is used from.
  struct SlotPlan {
    bool use = false;
    i32 id = 0;
    const Twst* skill = nullptr;
    i32 cost = 0;
    i32 shortage = 1;  // SP the master should keep for its waiting creatures
    bool emptiesSp = false;
    i32 loss = 0;
  };
  std::array<SlotPlan, 8> plans{};
  const int slots = static_cast<int>(std::min<std::size_t>(unit.W.size(), plans.size()));
  for (int sl = 0; sl < slots; ++sl) {
    SlotPlan& p = plans[sl];
    p.id = unit.W[sl];
    if (p.id <= 0 || p.id >= kSkillCount) continue;
    p.skill = &d_.skills[p.id];
    p.cost = p.skill->Cost;
    if (unit.Kind == KindMaster && unit.SP - p.cost <= 0) continue;  // a master keeps its last SP
    p.use = true;
    if (unit.Kind == KindMaster && p.cost > 0) {
      i32 keep = 0;
      for (int i = u + 1; i <= u + 6 && i < kUnitCount; ++i)
        if (d_.k[i].Type > 0 && d_.k[i].State == Waiting) keep += d_.k[i].SumC - 3;
      if (keep < 0) keep = 0;
      i32 f = 1;
      if (unit.SP - p.cost <= keep) f = p.cost + keep - unit.SP;
      if (ai.SummonLate == 1 && unit.SP - p.cost < keep + 4) f += p.cost;
      p.shortage = std::max<i32>(f, 1);
    }
    p.emptiesSp = unit.SP - p.cost < 1;
    if (p.emptiesSp) {
      v64 loss = unit.Kind == KindCreature   ? -600 * (entry.SumT + (entry.SumC + 1) / 2)
                 : unit.Kind == KindFamiliar ? -1000
                                             : 0;
      loss = div64(loss * unit.HP, unit.HPMax);
      loss = div64(unit.SP * loss, unit.SPMax);
      if (unit.Kind == KindCreature) loss = ai.CreatureW * loss / 5;
      if (unit.Kind == KindFamiliar) loss = ai.FamiliarW * loss / 5;
      loss = ai.LossW * (ai.AllyW * loss / 5) / 5;
      if (b_.has(unit, ability::TimeReversal)) loss = 0;
      p.loss = toI32(loss);
    }
    areaKnown_[sl].fill(false);
  }

  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y) {
      if (!s_.reachMark[x][y]) continue;
      if (breathe) breathe();
      // u stands on the candidate cell; terrain and its neighbours now count.
      for (auto& column : s_.unitAt)
        for (i32& cell : column)
          if (cell == u) cell = -1;
      s_.unitAt[x][y] = u;
      s_.selX = x;
      s_.selY = y;
      b_.setHosei();
      syncWork();

      // Who stands where, for the quick test of whether a use touches anyone.
      occupied_.fill(0);
      for (int cx = 0; cx <= s_.maxX; ++cx)
        for (int cy = 0; cy <= s_.maxY; ++cy)
          if (s_.unitAt[cx][cy] >= 0) addToSet(occupied_, cellIndex(cx, cy));

      cellBegin_[x][y] = static_cast<i32>(entries_.size());
      for (int sl = 0; sl < slots; ++sl) {
        const SlotPlan& p = plans[sl];
        if (!p.use) continue;
        s_.selSkill = p.id;
        fillGrid(s_.rangeMark, byte{0});
        b_.skillReach();
        targets_.clear();
        for (int tx = 0; tx <= s_.maxX; ++tx)
          for (int ty = 0; ty <= s_.maxY; ++ty)
            if (!s_.reachPath[tx][ty].empty()) {
              s_.rangeMark[tx][ty] = 1;
              targets_.push_back(Cell{tx, ty});
            }

        // The units on the field a use from here may act on (the centre rule aside).
        const Twst& sk = *p.skill;
        std::array<std::uint64_t, 4> actsOn{};
        bool centreRule = sk.Target == 7;
        for (int cx = 0; cx <= s_.maxX; ++cx)
          for (int cy = 0; cy <= s_.maxY; ++cy) {
            const i32 t = s_.unitAt[cx][cy];
            if (t >= 0 && !centreRule && filterPasses(sk.Target, t, u, false)) addToSet(actsOn, cellIndex(cx, cy));
          }

        i32 base = s_.posValue[x][y] - 30 * p.cost;
        if (p.shortage > 1) base -= 990 * p.shortage;
        if (x != own.x || y != own.y) base -= 50;
        if (p.emptiesSp) base += p.loss;

        for (const Cell& target : targets_) {
          const i32 value = evaluate(u, sl, p.id, sk, Cell{x, y}, target, own, enemy, base, p.emptiesSp, actsOn);
          s_.actValue(x, y, sl, target.x, target.y) = value;
          entries_.push_back({std::uint8_t(x), std::uint8_t(y), std::uint8_t(target.x), std::uint8_t(target.y),
                              std::int8_t(sl), value});
        }
      }
      cellEnd_[x][y] = static_cast<i32>(entries_.size());
    }

  for (auto& column : s_.unitAt)
    for (i32& cell : column)
      if (cell == u) cell = -1;
  s_.unitAt[own.x][own.y] = u;
  // The live records describe the unit where it really stands again.
  b_.selectUnit(u);
  b_.setHosei();
}

// The value of one use: the base value of its cell and slot, plus what the
// use does when it touches anything.
i32 Opponent::evaluate(int u, int slot, i32 id, const Twst& sk, Cell at, Cell target, Cell own, Cell enemy, i32 base,
                       bool emptiesSp, const std::array<std::uint64_t, 4>& actsOn) {
  const int ti = cellIndex(target.x, target.y);
  bool areaReady = false;
  const bool line = sk.Line == skill_rows::Straight;
  if (line || !areaKnown_[slot][ti]) {
    s_.tgtX = target.x;
    s_.tgtY = target.y;
    b_.skillArea();
    areaReady = true;
    auto& area = areaOf_[slot][ti];
    area.fill(0);
    for (int x = 0; x <= s_.maxX; ++x)
      for (int y = 0; y <= s_.maxY; ++y)
        if (!s_.areaPath[x][y].empty()) addToSet(area, cellIndex(x, y));
    areaKnown_[slot][ti] = !line;
  }
  const auto& area = areaOf_[slot][ti];

  bool valid = false;
  switch (sk.Cat) {
    case skill_rows::CatTerrain:
    case skill_rows::CatWeather:
    case skill_rows::CatSwap: valid = true; break;
    case skill_rows::CatFamiliar:
      for (int i = 0; i < 4 && !valid; ++i) valid = (area[i] & ~occupied_[i]) != 0;
      break;
    case skill_rows::CatUnits:
      if (sk.Target == 7) {
        // Only the unit on the centre of the area (every cell is a centre
        // when the area is the whole map).
        for (int x = 0; x <= s_.maxX && !valid; ++x)
          for (int y = 0; y <= s_.maxY && !valid; ++y) {
            const i32 t = s_.unitAt[x][y];
            const bool centre = (x == target.x && y == target.y) || sk.Area == kWholeMapArea;
            if (t >= 0 && inSet(area, cellIndex(x, y)) && filterPasses(7, t, u, centre)) valid = true;
          }
      } else {
        for (int i = 0; i < 4 && !valid; ++i) valid = (area[i] & actsOn[i]) != 0;
      }
      break;
    default: break;
  }
  if (!valid) return base;

  if (!areaReady) {
    s_.tgtX = target.x;
    s_.tgtY = target.y;
    b_.skillArea();
  }
  v64 value = base;
  b_.curSkill = id;
  b_.curUser = u;
  b_.userX = at.x;
  b_.userY = at.y;
  b_.curTarget = -1;
  b_.killCount = 0;

  switch (sk.Cat) {
    case skill_rows::CatUnits: {
      {
        FlagScope<byte> onWorkingCopy(b_.resolving, 1);
        b_.skillA_s1();
      }
      if (sk.Effect == kCharge) {
        Cell now;
        if (cellOf(b_, s_.unitAtW, u, now)) value = value - s_.posValue[at.x][at.y] + s_.posValue[now.x][now.y];
      }
      Trial tr{u, &sk, own, enemy, target, emptiesSp};
      value += scoreUnits(tr);
      break;
    }
    case skill_rows::CatFamiliar: {
      {
        FlagScope<byte> onWorkingCopy(b_.resolving, 1);
        b_.skillA_s2();
      }
      const Tkst& user = d_.k[u];
      for (int j = 0; j <= s_.lastUnit; ++j) {
        const Tkst& L = d_.k[j];
        const Tkst& S = d_.kw[j];
        if (L.State == S.State || S.State != OnField) continue;
        v64 b = S.Type >= 201 && S.Type <= 209 ? kFamiliarWorth[S.Type - 201] : 0;
        b += 10 * (dist(enemy.x, enemy.y, at.x, at.y) - dist(enemy.x, enemy.y, target.x, target.y));
        if (user.Kind == KindCreature) b = div64(user.SP * b, user.SPMax);
        value += user.AI.SummonW * b / 5;
      }
      restoreWork();
      break;
    }
    case skill_rows::CatWeather:
      value += weatherWorth(u, sk.Param);
      break;
    default: break;  // terrain and swaps are worth only their position
  }
  return toI32(value);
}

}  // namespace sorvane
