// Usable abilities (■). Every target cell the ability can reach is tried on
// the working copy, like a skill, and scored by what the ability is for:
// healing by the HP restored, ■瘴気 by the poison spread, ■死霊術 and
// ■人形遣い by how far forward they put a unit, ■事象壁 by being near the
// enemy master. The best cell is used when its value clears the ability's
// threshold.
#include "ai/opponent.h"

namespace sorvane {

using namespace ai;

namespace {

constexpr i32 kTargetAny = 0, kTargetEmpty = 1, kTargetUnit = 2, kTargetOwnMaster = 3, kTargetGolem = 4;

// The least value at which each ability is worth a use (ids 0..12; 0 = any value above 0).
constexpr i32 kThreshold[kSpecialCount] = {0, 250, 200, 400, 200, 200, 450, 0, 0, 75, 1, 1, 0};


}  // namespace

// The HP a heal moves, worth most on a master and on a unit near its end.
v64 Opponent::healWorth(int u, const Tkst& L, const Tkst& S) const {
  const TAI& w = d_.k[u].AI;
  v64 b = div64(v64{L.HP - S.HP} * 1000, L.HPMax);
  if (b_.has(S, ability::Undying)) b /= 5;
  if (b < 0) {
    if (L.Kind == KindMaster) b *= 3;
    if (L.HP * 10 / 6 < L.HPMax) b *= 2;
    if (L.HP * 10 / 3 < L.HPMax) b *= 2;
  }
  const bool own = L.Team == d_.k[u].Team;
  return w.HpW * sideSign(w, own, kindMul(w, L.Kind, b)) / 5;
}

// What an ailment is worth as it comes or goes (added as it is, for ■マスター回復).
v64 Opponent::ailmentWorth(int status, const Tkst& L, const Tkst& S) const {
  const Tcst& cat = entryOf(d_, L);
  const bool master = L.Kind == KindMaster;
  const v64 g = S.status(status) - L.status(status);
  switch (status) {
    case 0: return master ? g * (cat.HPg + cat.Defg + cat.Magg / 2 + 150)
                          : g * (cat.HPg + cat.Defg + cat.Magg / 2 + (cat.SumT + cat.SumC) * 10);
    case 1: return 5 * g;
    case 2: return L.Flight == 1 ? 150 * g : 0;
    case 3: return v64{cat.Atkg / 25} * g * 10;
    case 4: return v64{cat.Atkg / 50 + (master ? 2 : cat.SumC / 2)} * g * 10;
    case 5: return v64{cat.Atkg / 25 + (master ? 3 : cat.SumC / 2)} * g * 10;
    case 6: return b_.has(L, ability::Rooted) || b_.has(L, ability::AutoFollow) ? 0 : 80 * g;
    case 7:
      if (b_.has(L, ability::Limiter)) return 0;
      return master ? v64{cat.Atkg / 15 + 5} * g : v64{cat.Atkg / 15 + cat.SumC} * g * 10;
    case 8: return master ? 20 * g : v64{cat.SumT / 4} * g * 10;
    case 9: return master ? 350 * g : v64{cat.SumT * 2 + cat.SumC * 2} * g * 10;
    case 10: return master ? 0 : v64{cat.SumT * 3 + cat.SumC * 4} * g * 10;
    case 11: return master ? 80 * g : 0;
    case 12: return 100 * g;
    case 13:
      if (b_.has(L, ability::StatFixed) || b_.has(L, ability::FullResist)) return 0;
      return g * (cat.Atkg + cat.Defg + cat.Magg) / 15;
    default: return 0;
  }
}

// The worth of the trial just resolved on the working copy, for target cell c.
v64 Opponent::abilityWorth(int u, i32 ability, Cell from, Cell c, Cell enemy) {
  const Tkst& user = d_.k[u];
  const TAI& w = user.AI;
  v64 total = 0;
  for (int t = 0; t <= s_.lastUnit; ++t) {
    const Tkst& L = d_.k[t];
    const Tkst& S = d_.kw[t];
    const bool own = L.Team == user.Team;
    const bool hpChanged = L.HP != S.HP;
    switch (ability) {
      case 1:
      case 2:
      case 3:
        if (hpChanged) total += healWorth(u, L, S);
        break;
      case 4:
        if (hpChanged) total += healWorth(u, L, S);
        for (int a = 0; a < kAilmentCount; ++a)
          if (L.status(a) != S.status(a)) total += ailmentWorth(a, L, S);
        break;
      case 5:
        if (hpChanged && S.HP <= 0) {
          const Tcst& cat = entryOf(d_, L);
          const v64 b = L.Kind == KindMaster     ? 500000
                        : L.Kind == KindCreature ? v64{cat.SumT} * 1500
                        : L.Kind == KindFamiliar ? 1500
                                                 : 0;
          total += w.LossW * sideSign(w, own, kindMul(w, L.Kind, b)) / 5;
          break;
        }
        if (hpChanged) total += healWorth(u, L, S);
        if (t != u && L.SP != S.SP) {
          const v64 b = div64(v64{L.SP - S.SP} * (L.Kind == KindMaster ? 3000 : 1000), L.SPMax);
          total += w.SpW * sideSign(w, own, kindMul(w, L.Kind, b)) / 5;
        }
        break;
      case 6:
        if (L.Poison != S.Poison) total += w.BadW * sideSign(w, own, kindMul(w, L.Kind, ailmentWorth(0, L, S))) / 5;
        break;
      case 9:
        if (L.Mov != S.Mov) {
          const v64 b0 = S.Type == 201 ? 100 : S.Type == 202 ? 200 : S.Type == 203 ? 300 : 0;
          total += div64(v64{S.HP} * (b0 + dist(enemy.x, enemy.y, from.x, from.y) - dist(enemy.x, enemy.y, c.x, c.y)),
                         S.HPMax);
        }
        break;
      case 10:
        if (L.State != S.State && S.State == OnField) {
          const v64 b0 = S.Type >= 204 && S.Type <= 206 ? 100 : 0;
          total += b0 + dist(enemy.x, enemy.y, from.x, from.y) - dist(enemy.x, enemy.y, c.x, c.y);
        }
        break;
      default: break;
    }
  }
  if (ability == 11 && dist(enemy.x, enemy.y, c.x, c.y) < 14) total += 100;
  return total;
}

void Opponent::AICheck_T(int u) {
  Tkst& unit = d_.k[u];
  if (unit.TU == 0 || unit.SpecialN <= 0 || unit.TUN <= 0 || unit.Sleep > 0 || unit.Stone > 0) return;
  if (unit.TU < 0 || unit.TU >= kSpecialCount) return;
  b_.selectUnit(u);
  const Cell from{s_.selX, s_.selY};
  const i32 ability = unit.TU;
  const Cell enemy = nearestEnemyMaster(b_, unit.Team, from, Cell{0, 0});
  const i32 kind = d_.specials[ability].TargetKind;

  fillGrid(s_.posValue, i32{0});
  s_.selSpecial = ability;
  b_.specialReach();
  targets_.clear();
  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y)
      if (!s_.reachPath[x][y].empty()) targets_.push_back(Cell{x, y});

  syncWork();
  for (const Cell& c : targets_) {
    s_.spTgtX = c.x;
    s_.spTgtY = c.y;
    b_.specialArea();
    bool valid = kind == kTargetAny;
    for (int x = 0; x <= s_.maxX && !valid; ++x)
      for (int y = 0; y <= s_.maxY && !valid; ++y) {
        if (s_.areaPath[x][y].empty()) continue;
        const i32 t = s_.unitAt[x][y];
        const bool unitOnField = t >= 0 && d_.k[t].State == OnField;
        switch (kind) {
          case kTargetEmpty: valid = t == -1; break;
          case kTargetUnit: valid = unitOnField; break;
          case kTargetOwnMaster: valid = unitOnField && t == unit.Master; break;
          case kTargetGolem: valid = unitOnField && d_.k[t].Team == unit.Team && isGolem(d_.k[t].Type); break;
          default: break;
        }
      }
    if (!valid) continue;
    b_.curUser = u;
    b_.useA_s();
    const v64 worth = abilityWorth(u, ability, from, c, enemy);
    s_.posValue[c.x][c.y] = toI32(s_.posValue[c.x][c.y] + worth);
    restoreWork();
  }

  bool chosen = false;
  i32 best = 0;
  s_.spTgtX = -1;
  s_.spTgtY = -1;
  for (int x = 0; x <= s_.maxX; ++x)
    for (int y = 0; y <= s_.maxY; ++y)
      if (s_.posValue[x][y] > best) {
        best = s_.posValue[x][y];
        s_.spTgtX = x;
        s_.spTgtY = y;
        chosen = true;
      }
  if (!chosen || best < kThreshold[ability]) return;

  RealAction real(s_);
  b_.view->unitPanel(u);
  b_.KAnime(u, CellAnim::Hop);
  b_.specialReach();
  b_.specialArea();
  s_.reachMode = 2;
  b_.pickMode = 1;
  b_.view->MapPaint();
  b_.view->scrollTo((s_.spTgtX + s_.selX) / 2, (s_.spTgtY + s_.selY) / 2);
  b_.view->wait(350);
  b_.LAnime(u, shown::Usable, d_.specials[ability].Name);
  b_.pickMode = 0;
  s_.reachMode = 0;
  b_.view->MapPaint();
  s_.reachMode = 3;
  b_.useA();
  s_.reachMode = 0;
}

}  // namespace sorvane
