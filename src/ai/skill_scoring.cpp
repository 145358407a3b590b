// The worth of a skill use: every difference the trial left between a
// unit's live record and its record in the working copy, weighed by the acting
// unit's settings (kind of unit, side, and one weight per kind of effect), and
// the working copy put right again for the next trial.
#include <cstring>

#include "ai/opponent.h"

namespace sorvane {

using namespace ai;

namespace {

// The two records are the same unit state: every field compared. A field
// added to the record must be added here, or a trial could leak into the next.
bool sameAI(const TAI& a, const TAI& b) {
  return a.Auto == b.Auto && a.WTurn == b.WTurn && a.Ip == b.Ip && a.Axis == b.Axis && a.Retreat == b.Retreat &&
         a.Margin == b.Margin && a.ElemW == b.ElemW && a.GuardW == b.GuardW && a.ReachSkill == b.ReachSkill &&
         a.LossW == b.LossW && a.HpW == b.HpW && a.SpW == b.SpW && a.BadW == b.BadW && a.GoodW == b.GoodW &&
         a.AtkW == b.AtkW && a.DefW == b.DefW && a.MagW == b.MagW && a.MovW == b.MovW && a.RateW == b.RateW &&
         a.SummonW == b.SummonW && a.WeatherW == b.WeatherW && a.MasterW == b.MasterW &&
         a.CreatureW == b.CreatureW && a.FamiliarW == b.FamiliarW && a.AllyW == b.AllyW && a.EnemyW == b.EnemyW &&
         a.SummonLate == b.SummonLate && a.SummonFar == b.SummonFar && a.SummonTurn == b.SummonTurn &&
         a.SpecialLate == b.SpecialLate && a.ReturnW == b.ReturnW;
}

bool sameRecord(const Tkst& a, const Tkst& b) {
  // G .. ProcP are consecutive 32-bit fields.
  const auto* ab = reinterpret_cast<const char*>(&a.G);
  const auto* ae = reinterpret_cast<const char*>(&a.ProcP + 1);
  const auto* bb = reinterpret_cast<const char*>(&b.G);
  if (std::memcmp(ab, bb, static_cast<std::size_t>(ae - ab)) != 0) return false;
  const bool sameSkills = a.W.sharesWith(b.W) || (a.W.empty() && b.W.empty());
  return sameSkills && a.N == b.N && a.TN == b.TN && a.TNS == b.TNS && a.TU == b.TU && a.TUN == b.TUN &&
         a.HealRes == b.HealRes && sameAI(a.AI, b.AI);
}

}  // namespace

// Every field of the record is compared by sameRecord; the tripwire below
// fails the build when the record grows, so the comparison is kept whole.
static_assert(sizeof(Tkst) == 432 || sizeof(void*) != 8, "Tkst changed: update sameRecord in skill_scoring.cpp");

// ---------------------------------------------------------------------------
// The working copy.

void Opponent::syncWork() { s_.copyToWork(); }

void Opponent::restoreWork() {
  for (int t = 0; t <= s_.lastUnit; ++t)
    if (!sameRecord(d_.k[t], d_.kw[t])) d_.kw[t] = d_.k[t];
  s_.unitAtW = s_.unitAt;
}

// ---------------------------------------------------------------------------
// Scoring a use of a category-1 skill: every record the trial changed.

i32 Opponent::scoreUnits(const Trial& tr) {
  v64 total = 0;

  for (int t = 0; t <= s_.lastUnit; ++t) {
    const Tkst& L = d_.k[t];
    Tkst& S = d_.kw[t];
    if (sameRecord(L, S)) continue;
    total += scoreUnit(tr, t, L, S);
    S = L;
  }
  s_.unitAtW = s_.unitAt;
  return toI32(total);
}

v64 Opponent::scoreUnit(const Trial& tr, int t, const Tkst& L, const Tkst& S) {
  const Tkst& user = d_.k[tr.u];
  const TAI& w = user.AI;
  const Twst& sk = *tr.skill;
  const Tcst& cat = entryOf(d_, L);
  const bool self = t == tr.u;
  const bool own = L.Team == user.Team;
  const bool master = L.Kind == KindMaster;
  auto weighted = [&](v64 b, i32 weight) { return weight * sideSign(w, own, kindMul(w, L.Kind, b)) / 5; };
  auto lossWorth = [&](v64 creatureFactor) -> v64 {
    switch (L.Kind) {
      case KindMaster: return 500000;
      case KindCreature: return creatureFactor * (cat.SumT + (cat.SumC + 1) / 2);
      case KindFamiliar: return 1000;
      default: return 0;
    }
  };

  // Out of SP: the unit is lost to its side.
  if (S.SP != L.SP && S.SP <= 0 && !self) return weighted(lossWorth(600), w.LossW);

  const i32 hit = sk.Power == 0 ? 100 : clampPct(b_.hitRate - L.EvaB - L.EvaP);

  // Killed.
  if (S.HP != L.HP && S.HP <= 0) {
    v64 b = lossWorth(500) * hit / 100;
    if (L.Kind == KindCreature || L.Kind == KindFamiliar) b = (div64(v64{L.SP} * b, L.SPMax) + 2 * b) / 3;
    if (own && !self) b = 5 * b;
    return weighted(b, w.LossW);
  }

  v64 total = 0;
  const bool hpChanged = S.HP != L.HP;

  if (hpChanged) {
    v64 b = div64(v64{L.HP - S.HP} * 1000, L.HPMax) * hit / 100;
    i32 k = b_.critRate;
    if (L.LockOn > 0) k *= 2;
    k = clampPct(k);
    if (sk.Effect == kNeutralCritical && S.Elem == None) k = 100;
    if (b_.has(S, ability::CriticalGuard)) k = 0;
    if (b_.has(S, ability::AllyCriticalGuard) && S.Master >= 0 && S.Master < kUnitCount &&
        d_.kw[S.Master].State == OnField)
      k = 0;
    b = b + b * k / 200;
    if (b_.has(S, ability::Phoenix)) b /= 2;
    if (b_.has(S, ability::DeathAwakening)) b /= 2;
    if (b_.has(S, ability::Undying)) {
      b /= 4;
      if (sk.Power > 0 && S.HP == S.HPMax) b = 0;
    }
    if (b_.has(S, ability::Obstacle)) {
      b /= 2;
      Cell c;
      const bool onTheWay = cellOf(b_, s_.unitAtW, t, c) &&
                            dist(tr.own.x, tr.own.y, c.x, c.y) + dist(c.x, c.y, tr.enemy.x, tr.enemy.y) ==
                                dist(tr.own.x, tr.own.y, tr.enemy.x, tr.enemy.y);
      if (!onTheWay) b = 0;
    }
    if (b < 0) {  // healing
      if (master && !self) b *= 2;
      if (self && user.Kind == KindMaster) b = b * 3 / 2;
      if (L.Kind == KindCreature) b = b * (L.SumT + (L.SumC + 1) / 2) / 5;
      if (L.HP < L.HPMax * 6 / 10) b = b * 3 / 2;
      if (L.HP < L.HPMax * 3 / 10) b = b * 3 / 2;
      if (self && tr.emptiesSp) b = 0;
    }
    if (b > 0 && own) b *= 2;
    if (master && !own && L.HP * 10 / 4 < L.HPMax) {
      v64 n = 0;
      for (int j = 0; j <= s_.lastUnit; ++j) {
        const Tkst& o = d_.k[j];
        if (o.State != OnField || o.Team == L.Team) continue;
        if (o.Kind == KindCreature) n += 10;
        if (o.Kind == KindFamiliar) n += 3;
      }
      if (n > 25) b = (n / 10) * b;
    }
    total += weighted(b, w.HpW);
  }

  if (S.SP != L.SP && !self) {
    v64 b = div64(v64{L.SP - S.SP} * (master ? 3000 : 1000), L.SPMax);
    if (b_.has(S, ability::TakeSpRecovery) && hpChanged) b /= 5;
    total += weighted(b, w.SpW);
  }
  if (self && user.Kind == KindMaster && S.SP > L.SP) {
    v64 c = L.SP - 1;
    if (L.SPHeal > 1) c += L.SPHeal - 1;
    for (int j = 0; j <= s_.lastUnit; ++j) {
      const Tkst& o = d_.k[j];
      if (o.Team == user.Team && o.Type > 0 && o.Kind == KindCreature && o.State == Waiting) c = c - o.SumC + 4;
    }
    v64 b = c < 0 ? -500 * c : 0;
    if (b_.has(S, ability::ProcSpRecovery)) b /= 5;
    total += w.SpW * kindMul(w, L.Kind, b) / 5;
  }

  // Self factor: changes on the user itself count by its SP left.
  auto selfFactor = [&](v64 b) { return self ? div64(v64{L.SP} * b * 3, L.SPMax) * 2 : b; };
  auto hpShare = [&](v64 b) { return div64(v64{S.HP} * b, S.HPMax); };
  auto changeChance = [&](i32 targetChance, i32 userChance) -> v64 {
    if (targetChance == 0 && userChance == 0) return 100;
    const i32 p = self && userChance > 0 ? userChance : targetChance;
    return clampPct(p + b_.procRate);
  };
  auto statTerm = [&](i32 lb, i32 sb, bool differs, i32 growth, i32 tc, i32 uc, i32 weight) {
    if (!differs) return;
    v64 b = v64{lb - sb} * growth / 20;
    b = selfFactor(b);
    b = hpShare(b) * changeChance(tc, uc) / 100;
    if (sb < -75 && sb < lb) b /= 4;
    total += weighted(b, weight);
  };
  statTerm(L.AtkB, S.AtkB, L.AtkB != S.AtkB || L.AtkP != S.AtkP, cat.Atkg, sk.TgtAtkC, sk.SelfAtkC, w.AtkW);
  statTerm(L.DefB, S.DefB, L.DefB != S.DefB || L.DefP != S.DefP, cat.Defg, sk.TgtDefC, sk.SelfDefC, w.DefW);
  statTerm(L.MagB, S.MagB, L.MagB != S.MagB || L.MagP != S.MagP, cat.Magg, sk.TgtMagC, sk.SelfMagC, w.MagW);
  if (L.MovB != S.MovB || L.MovP != S.MovP) {
    v64 b = selfFactor(v64{L.MovB - S.MovB} * 50);
    b = hpShare(b) * changeChance(sk.TgtMovC, sk.SelfMovC) / 100;
    if (dist(tr.own.x, tr.own.y, tr.enemy.x, tr.enemy.y) < 11) b /= 2;
    total += weighted(b, w.MovW);
  }
  if (L.CritB != S.CritB || L.CritP != S.CritP) total += weighted(hpShare(selfFactor(v64{L.CritB - S.CritB} * 2)), w.RateW);
  if (L.HitB != S.HitB || L.HitP != S.HitP) {
    v64 b = hpShare(selfFactor(v64{L.HitB - S.HitB} * 2));
    i32 lowest = 100;
    for (i32 id : L.W)
      if (id > 0) lowest = std::min(lowest, skillOf(d_, id).Hit);
    if (L.HitB + lowest > 99) b /= 10;
    total += weighted(b, w.RateW);
  }
  if (L.EvaB != S.EvaB || L.EvaP != S.EvaP) total += weighted(hpShare(selfFactor(v64{L.EvaB - S.EvaB} * 8)), w.RateW);
  if (L.ProcB != S.ProcB || L.ProcP != S.ProcP)
    total += weighted(hpShare(selfFactor(v64{L.ProcB - S.ProcB} * 2)), w.RateW);
  if (L.ZOC != S.ZOC) {
    v64 b = self ? div64(v64{L.SP} * (L.ZOC - S.ZOC) * 420, L.SPMax)
                 : div64(v64{L.HP} * L.ZOC * (L.ZOC - S.ZOC) * 50, L.HPMax);
    if (L.ZOC < S.ZOC && S.ZOC > 5) b = 0;
    total += weighted(b, w.RateW);
  }

  total += statusTerms(tr, t, L, S, hit);

  // A revival spent.
  if (!(L.TNS == S.TNS)) {
    bool spent = false;
    for (int a : {ability::Revive, ability::Phoenix, ability::Ghost, ability::DeathAwakening})
      if (b_.has(L, a) && !b_.has(S, a)) spent = true;
    total += sideSign(w, own, kindMul(w, L.Kind, spent ? 1000 : 0));
  }
  // Sent off the field.
  if (L.State != S.State) {
    const v64 b = L.State == OnField && S.State == Waiting ? v64{cat.SumT} * 100 : 0;
    total += sideSign(w, own, kindMul(w, L.Kind, b));
  }
  // Summon time changed.
  if (L.SumT != S.SumT) {
    v64 b = v64{L.SumT - S.SumT} * 2 * L.SumT;
    if (L.SumTC != S.SumTC) {
      b = cat.SumT * (b + v64{L.SumTC - S.SumTC} * 200) / 4;
      if (L.SumTC < S.SumTC && L.SumTC > 4) b /= 4;
    }
    if (user.SP * 2 < user.SPMax) b /= 2;
    b = kindMul(w, L.Kind, b);
    total += own ? w.AllyW * b / 5 : w.EnemyW * (-b) / 5;
  }
  // Actions left in this phase.
  if ((L.MoveN != S.MoveN || L.SkillN != S.SkillN || L.SummonN != S.SummonN) && L.Team == b_.phaseTeam) {
    v64 b = v64{L.MoveN - S.MoveN} * L.Mov * 10;
    if (L.SkillN != S.SkillN) b += v64{L.SkillN - S.SkillN} * cat.Atkg * 2;
    if (L.SummonN != S.SummonN && master) b += v64{L.SummonN - S.SummonN} * 30;
    b = div64(v64{L.SP} * b, L.SPMax);
    total += sideSign(w, own, b);
  }
  return total;
}

// The statuses: harmful ones by how much they hurt the unit, beneficial ones
// by how much they help it.
v64 Opponent::statusTerms(const Trial& tr, int t, const Tkst& L, const Tkst& S, i32 hit) {
  const Tkst& user = d_.k[tr.u];
  const TAI& w = user.AI;
  const Twst& sk = *tr.skill;
  const Tcst& cat = entryOf(d_, L);
  const bool own = L.Team == user.Team;
  const bool master = L.Kind == KindMaster;
  auto weighted = [&](v64 b, i32 weight) { return weight * sideSign(w, own, kindMul(w, L.Kind, b)) / 5; };
  v64 total = 0;

  for (int i = 0; i < kAilmentCount; ++i) {
    const i32 lv = L.status(i), sv = S.status(i);
    if (lv == sv) continue;
    const v64 g = sv - lv;
    const bool both = lv > 0 && sv > 0;
    const v64 h = sv == 0 ? 100 : hit;
    const i32 p = sk.AilC[i];
    const v64 chance = p < 1 ? 100 : clampPct(p + b_.procRate);
    auto odds = [&](v64 b) { return b * h / 100 * chance / 100; };
    v64 b = 0;
    switch (i) {
      case 0:  // Poison
        b = master ? g * (cat.HPg + cat.Defg + cat.Magg / 2 + 150)
                   : g * (cat.HPg + cat.Defg + cat.Magg / 2 + (cat.SumT + cat.SumC) * 10);
        b = odds(b);
        if (b_.has(S, ability::PoisonAttackUp)) b = 0;
        break;
      case 1:  // Frostbite
        b = odds(g * 5);
        if (both) b /= 3;
        break;
      case 2:  // Gravity
        if (L.Flight == 1) b = odds(g * 150);
        break;
      case 3:  // Darkness
        b = odds(v64{cat.Atkg / 25} * g * 10);
        if (both) b /= 3;
        break;
      case 4:  // Paralysis
        b = odds(v64{cat.Atkg / 50 + (master ? 2 : cat.SumC / 2)} * g * 10);
        if (both) b /= 3;
        break;
      case 5:  // Flinch
        b = odds(v64{cat.Atkg / 25 + (master ? 3 : cat.SumC / 2)} * g * 10);
        break;
      case 6:  // Immobile
        b = odds(v64{500 / (reachOf(d_, L.AI.ReachSkill) + 1)} * g);
        if (b_.has(L, ability::Rooted) || b_.has(L, ability::AutoFollow)) b = 0;
        if (both) b /= 2;
        break;
      case 7:  // SkillSeal
        b = master ? v64{cat.Atkg / 15 + 5} * g : v64{cat.Atkg / 15 + cat.SumC} * g * 10;
        b = odds(b);
        if (b_.has(L, ability::Limiter)) b = 0;
        if (both) b /= 2;
        break;
      case 8:  // Sleep
        b = odds(master ? g * 40 : g * (cat.SumT + cat.SumC) * 3);
        if (both) b /= 4;
        break;
      case 9:  // Stone
        b = odds(master ? g * 350 : g * (cat.SumT * 2 + cat.SumC * 2) * 10);
        if (both) b /= 3;
        break;
      case 10:  // Curse
        if (master) break;
        b = odds(g * (cat.SumT + cat.SumC) * 50);
        if (L.Curse > 0) b = 0;
        b = div64(v64{S.SP} * div64(v64{S.HP} * b, S.HPMax), S.SPMax);
        break;
      case 11: {  // SummonSeal
        if (!master) break;
        v64 n = 0;
        for (int j = t + 1; j <= t + 6 && j < kUnitCount; ++j)
          if (d_.k[j].State == Waiting && d_.k[j].Master == t && d_.k[j].Type > 0) ++n;
        b = odds(g * 30 * n);
        if (both) b /= 2;
        break;
      }
      case 12:  // LockOn
        b = odds(g * 40);
        break;
      case 13:  // Parasite
        b = g * (cat.Atkg + cat.Defg + cat.Magg) / 10;
        if (b_.has(L, ability::StatFixed) || b_.has(L, ability::FullResist)) b = 0;
        b = odds(b);
        if (both) b /= 5;
        b = div64(v64{S.SP} * div64(v64{S.HP} * b, S.HPMax), S.SPMax);
        break;
      default: break;
    }
    total += weighted(b, w.BadW);
  }

  for (int i = kAilmentCount; i < kStatusCount; ++i) {
    const i32 lv = L.status(i), sv = S.status(i);
    if (lv == sv) continue;
    const v64 l = lv - sv;
    const bool given = lv == 0 && sv > 0;
    const bool removed = sv == 0 && lv > 0;
    const bool far = dist(tr.enemy.x, tr.enemy.y, tr.target.x, tr.target.y) > 19;
    auto guardedMaster = [&] {
      if (!master) return false;
      for (int j = 0; j <= s_.lastUnit; ++j)
        if (j != t && d_.k[j].State == OnField && d_.k[j].Master == t) return true;
      return false;
    };
    v64 b = 0;
    switch (i) {
      case 14:  // Spirit
        b = l * (cat.HPg + cat.Atkg + cat.Magg - cat.Defg) * (master ? 3 : 2);
        break;
      case 15:  // Flight
        b = l * cat.Mov * 80;
        if (b_.has(L, ability::AntiGravity)) b = 0;
        break;
      case 16:  // HPHeal
        b = l * 3;
        if (lv < 2 && sv > 1) b = l * (cat.HPg + cat.Defg / 4) / 6;
        if (L.HP * 4 < L.HPMax * 3) b *= 2;
        break;
      case 17: {  // SPHeal
        b = l;
        if (lv < 2 && sv > 1) b = -30;
        if (master) {
          v64 c = L.SP - 1;
          for (int j = 0; j <= s_.lastUnit; ++j) {
            const Tkst& o = d_.k[j];
            if (o.Team == L.Team && o.Type > 0 && o.Kind == KindCreature && o.State == Waiting) c -= o.SumC - 4;
          }
          if (c < 0) b = c * (-150) * b;
        } else {
          b /= 10;
        }
        break;
      }
      case 18:  // PhysShield
        b = l * 3;
        if (given) b = l * (cat.Atkg * 3 + cat.Magg - cat.Defg) / 12;
        if (removed) b = sk.Hit;
        if (L.Spirit > 0) b = 0;
        if (far) b /= 3;
        if (given && guardedMaster()) b /= 4;
        break;
      case 19:  // SpecShield
        b = l * 3;
        if (given) b = l * (cat.Atkg * 4 - cat.Defg / 2 - cat.Magg / 2) / 12;
        if (removed) b = sk.Hit;
        if (far) b /= 3;
        if (given && guardedMaster()) b /= 4;
        break;
      case 20:  // StatusShield
        b = l * 3;
        if (given) b = user.Kind == KindMaster ? l * 30 : l * (cat.SumT + cat.SumC) * 3;
        if (removed) b = sk.Hit / 2;
        if (b_.has(S, ability::AilmentResist) || b_.has(S, ability::FullResist)) b = 0;
        if (far) b /= 3;
        break;
      default: break;
    }
    total += weighted(b, w.GoodW);
  }
  return total;
}

// A weather that favours the own side's elements and stops favouring the
// other side's.
v64 Opponent::weatherWorth(int u, i32 newWeather) const {
  if (newWeather == s_.weather) return 0;
  const Tkst& user = d_.k[u];
  v64 b = 0;
  auto share = [&](const Tkst& j) {
    if (j.Kind == KindMaster) b += 100;
    else if (j.Kind == KindCreature) b += 5 * (j.SumT + j.SumC) + 30;
    else if (j.Kind == KindFamiliar) b += 30;
    if (j.State == BeingSummoned) b -= 10 * j.SumTC;
    if (j.State == Waiting) b /= 10;
  };
  // Empty slots (no catalogue entry) are not units and count for nothing.
  for (int i = 0; i <= s_.lastUnit; ++i) {
    const Tkst& j = d_.k[i];
    if (j.Type == 0 || j.Elem != newWeather || j.State == Dead) continue;
    share(j);
    if (j.Team != user.Team) b = -b;
  }
  for (int i = 0; i <= s_.lastUnit; ++i) {
    const Tkst& j = d_.k[i];
    if (j.Type == 0 || j.Elem != s_.weather || j.State == Dead || j.Elem == None) continue;
    share(j);
    if (j.Team == user.Team) b = -b;
  }
  if (s_.zokuseiti1 == 20 || s_.zokuseiti2 == 20) b = 0;
  return user.AI.WeatherW * b / 5;
}

}  // namespace sorvane
