// Skill resolution: skillA and its steps. A use is resolved on the working
// copy (kw, unitAtW) and copied back afterwards. The opponent AI runs
// skillA_s1 and skillA_s2 itself on a fresh working copy with `simulating`
// set: then nothing is drawn or shown, every hit and added effect lands,
// there are no critical hits, and the live records stay as they were. That
// path allocates nothing: texts are only built when they will be shown.
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "data/ability_ids.h"
#include "data/saturating.h"
#include "data/tables/skill_rows.h"
#include "data/terrain.h"
#include "rules/battle.h"
#include "rules/show.h"

namespace sorvane {

namespace {

namespace fx = skill_rows;

// Abilities that come one per element, Fire (1) .. Water (6): base + element is the id.
constexpr int kElementImmunityBase = ability::FireImmunity - 1;  // [炎無効] .. [水無効]
constexpr int kFixerBase = ability::FireFixer - 1;               // [炎固定] .. [水固定]
constexpr int kWardBase = ability::FireWard - 1;                 // [炎の護り] .. [水の護り]


int distance(int x1, int y1, int x2, int y2) { return std::abs(x1 - x2) + std::abs(y1 - y2); }

bool isElement(i32 e) { return e >= Fire && e <= Water; }

bool inflictsAilment(const Twst& sk) {
  return std::any_of(sk.AilV.begin(), sk.AilV.end(), [](i32 v) { return v > 0; });
}

bool curesAilment(const Twst& sk) {
  for (int i = 0; i < kAilmentCount; ++i)
    if (sk.AilC[i] > 0 && sk.AilV[i] == 0) return true;
  return false;
}

bool lowersTargetStat(const Twst& sk) { return sk.TgtAtkV < 0 || sk.TgtDefV < 0 || sk.TgtMagV < 0 || sk.TgtMovV < 0; }

bool raisesTargetStat(const Twst& sk) { return sk.TgtAtkV > 0 || sk.TgtDefV > 0 || sk.TgtMagV > 0 || sk.TgtMovV > 0; }

bool changesStatus(const Twst& sk) {
  return std::any_of(sk.ChgC.begin(), sk.ChgC.end(), [](i32 c) { return c > 0; });
}

// Skills whose element comes from the weather or the terrain; their element
// is derived afresh for every damage step.
bool derivesElement(i32 effect) {
  return effect == fx::WeatherElement || effect == fx::OwnTerrainElement || effect == fx::TargetTerrainElement;
}

}  // namespace

// ---------------------------------------------------------------------------
// skillA: one use of the selected unit's skill.

void Battle::skillA() {
  const int user = s.selUnit;
  if (!s.simulating && d.k[user].Team == 1) ++d.records.recSkills;
  killCount = 0;
  curSkill = s.selSkill;
  curUser = user;
  userX = s.selX;
  userY = s.selY;
  curTarget = -1;
  const Twst& sk = skill(curSkill);

  // A paralysed unit may fail: the use is spent, the SP is not.
  {
    Tkst& u = d.k[user];
    if (u.Paralysis >= 1 && !s.simulating && s.Random(100) < 30) {
      LAnime(user, shown::Inflicted, "麻痺");
      --u.SkillN;
      if (u.Flinch > 0 && u.MoveN > 0) --u.MoveN;
      view->unitPanel(user);
      view->MapPaint();
      view->miniMapPaint();
      return;
    }
  }

  Resolution resolution(*this);
  switch (sk.Cat) {
    case fx::CatUnits: skillA_s1(); break;
    case fx::CatFamiliar: skillA_s2(); break;
    case fx::CatTerrain: skillA_s3(); break;
    case fx::CatWeather: skillA_s4(); break;
    case fx::CatSwap: skillA_s6(); break;
    default: break;
  }
  resolution.commit();

  Tkst& u = d.k[user];
  u.SP -= sk.Cost;
  --u.SkillN;
  // Acting takes the move of a unit that may do only one of the two; a move
  // already made (or a flinch the skill brought on itself) leaves none to take.
  if ((u.Flinch > 0 || has(u, ability::Sluggish)) && u.MoveN > 0) --u.MoveN;

  // Running out of SP kills exactly like running out of HP.
  if (u.State == OnField && (u.HP < 1 || u.SP < 1)) kill(user);

  if (!s.simulating && killCount > d.records.recMaxKills) d.records.recMaxKills = killCount;

  if (curTarget >= 0 && d.k[curTarget].State != BeingSummoned) view->unitPanel(curTarget);
  view->skillPanel(curSkill);
  setZokuseiti();
  setHosei();
  view->MapPaint();
  view->miniMapPaint();

  if (!lastColumnReached()) showResult();
}

// ---------------------------------------------------------------------------
// skillA_s1: a skill that acts on the units of its area.

void Battle::skillA_s1() {
  const Twst& sk = skill(curSkill);
  Tkst& user = d.kw[curUser];
  skillElem = sk.Elem;
  skillAreaValue = sk.Area;

  creatureBalance = 0;
  for (int i = 0; i <= s.lastUnit; ++i) {
    const Tkst& c = d.kw[i];
    if (c.Kind != KindCreature || c.State != OnField) continue;
    if (c.Team == 1) ++creatureBalance;
    if (c.Team == 2) --creatureBalance;
  }

  hitRate = sk.Hit + user.HitB + user.HitP;
  critRate = sk.Crit + user.CritB + user.CritP;
  procRate = user.ProcB + user.ProcP;
  if (sk.Effect == fx::Desperation && user.HPMax > 0) hitRate += 100 - (user.HP * 100) / user.HPMax;

  if (sk.ZocArea) skillAreaValue = user.ZOC + 1;

  // [引き寄せ]: a lure in the area draws the whole skill onto itself.
  if (sk.Power > 0 && skillAreaValue > 1 && sk.Target == fx::Any) {
    bool lured = false;
    for (int x = 0; x <= s.maxX; ++x)
      for (int y = 0; y <= s.maxY; ++y) {
        int i = s.unitAtW[x][y];
        if (!s.areaPath[x][y].empty() && i >= 0 && d.kw[i].State == OnField && has(d.kw[i], ability::Lure)) lured = true;
      }
    if (lured) {
      int unitsInArea = 0;
      for (int x = 0; x <= s.maxX; ++x)
        for (int y = 0; y <= s.maxY; ++y) {
          int i = s.unitAtW[x][y];
          if (s.areaPath[x][y].empty() || i < 0) continue;
          ++unitsInArea;
          if (!has(d.kw[i], ability::Lure)) s.areaPath[x][y].clear();
        }
      if (unitsInArea > 1)
        for (int x = 0; x <= s.maxX; ++x)
          for (int y = 0; y <= s.maxY; ++y) {
            int i = s.unitAtW[x][y];
            if (!s.areaPath[x][y].empty() && i >= 0 && d.kw[i].State == OnField) showAbility(*this, i, ability::Lure);
          }
    }
  }

  // [侵食]: the area takes the terrain of the skill's element.
  if (!s.simulating && has(user, ability::Erosion)) {
    for (int x = 0; x <= s.maxX; ++x)
      for (int y = 0; y <= s.maxY; ++y) {
        if (s.areaPath[x][y].empty()) continue;
        s.terrain[x][y] = skillElem == None ? 1 : skillElem * 2;
        setHosei();
      }
  }

  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      if (s.areaPath[x][y].empty()) continue;
      const int t = s.unitAtW[x][y];
      if (t < 0 || !targetRulePasses(sk.Target, t)) continue;
      curTarget = t;
      targetX = x;
      targetY = y;

      // [かばう]: a master takes a single-cell blow aimed at one of its units nearby.
      {
        const Tkst& tg = d.kw[curTarget];
        const int m = tg.Master;
        int mx = 0, my = 0;
        if (m >= 0 && m < kUnitCount && has(d.kw[m], ability::Cover) && curUser != m && tg.Kind != KindMaster &&
            sk.Power > 0 && skillAreaValue == 1 && findCell(s.unitAtW, m, mx, my) &&
            distance(mx, my, targetX, targetY) <= d.kw[m].ZOC) {
          curTarget = m;
          targetX = mx;
          targetY = my;
          showAbility(*this, m, ability::Cover);
        }
      }

      // [守護]: units next to a targeted master take the blow in its place.
      if (d.kw[curTarget].Kind == KindMaster && sk.Power > 0 && skillAreaValue == 1) {
        const i32 team = d.kw[curTarget].Team;
        for (int j = 0; j <= s.lastUnit; ++j) {
          const Tkst& g = d.kw[j];
          if (g.State != OnField || g.Team != team || !has(g, ability::Guardian)) continue;
          int gx = 0, gy = 0;
          if (!findCell(s.unitAtW, j, gx, gy) || distance(gx, gy, targetX, targetY) != 1) continue;
          curTarget = j;
          targetX = gx;
          targetY = gy;
          showAbility(*this, j, ability::Guardian);
        }
      }

      const Tkst& tg = d.kw[curTarget];
      evaRate = std::min<i32>(75, tg.EvaB + tg.EvaP);
      skillA_s1_t();
    }

  skillSelfEffects();
  skillAreaValue = sk.Area;

  if (s.simulating && (d.kw[curUser].HP <= 0 || d.kw[curUser].SP <= 0)) abilitySI_AI(curUser);
}

// ---------------------------------------------------------------------------
// skillA_s1_t: the current target.

void Battle::skillA_s1_t() {
  const Twst& sk = skill(curSkill);
  const Tkst& user = d.kw[curUser];
  const int target = curTarget;
  const Tkst& t = d.kw[target];

  if (t.Spirit > 0 && sk.Special == fx::Phys) {
    show(*this, target, shown::Ability, "物理無効");
    return;
  }

  // Certain evasion.
  const int dist = distance(targetX, targetY, userX, userY);
  if (has(t, ability::ShortRangeDodge) && dist < 2) {
    evaRate = 1000;
    showAbility(*this, target, ability::ShortRangeDodge);
  }
  if (has(t, ability::MidRangeDodge) && dist < 4) {
    evaRate = 1000;
    showAbility(*this, target, ability::MidRangeDodge);
  }
  if (has(user, ability::AllyRecognition) && t.Team == user.Team) evaRate = 1000;
  if (has(t, ability::Destiny) && hitRate < 100) evaRate = 1000;

  int hits = std::max<i32>(1, sk.Hits);
  if (sk.Effect == fx::DecoyVolley) {
    hits = 1;
    for (int x = 0; x <= s.maxX; ++x)
      for (int y = 0; y <= s.maxY; ++y) {
        const int j = s.unitAtW[x][y];
        if (s.areaPath[x][y].empty() || j < 0) continue;
        if (d.kw[j].Team == user.Team && d.kw[j].Type == familiar::Decoy) {
          ++hits;
          show(*this, j, 1, "攻撃回数");
        }
      }
  }

  if (s.simulating && validUnitIndex(target))
    trialOdds[target].hit = evaRate >= 500 ? 0 : std::clamp<i32>(hitRate - evaRate, 0, 100);

  const bool ailments = inflictsAilment(sk);
  const bool lowers = lowersTargetStat(sk);
  int landed = 0;
  for (int i = 0; i < hits; ++i) {
    const bool hit = s.simulating ? evaRate < 500 : s.Random(100) + evaRate < hitRate;
    if (!hit) {
      if (sk.Power > 0 || ailments || lowers) show(*this, target, shown::Miss, "");
      continue;
    }
    if (sk.Power > 0) {
      skillA_s1_t_MD(landed);
      if (derivesElement(sk.Effect)) skillElem = None;
    }
    if (d.kw[target].HP < 1) {
      abilityWS();
      if (s.simulating) abilitySI_AI(target);
      KAnime(target, CellAnim::Death);
      return;
    }
    if (ailments) skillA_s1_t_MX(landed);
    if (lowers) skillA_s1_t_MS(landed);
    ++landed;
  }

  if (curesAilment(sk)) skillA_s1_t_HX();
  if (raisesTargetStat(sk)) skillA_s1_t_HS();
  if (changesStatus(sk)) skillA_s1_t_HJ();
  skillSpecialEffects();
}

// ---------------------------------------------------------------------------
// skillA_s1_t_MD: the damage of landed hit e. Names and element notes are
// shown on the first landed hit only.

void Battle::skillA_s1_t_MD(int e) {
  const Twst& sk = skill(curSkill);
  Tkst& user = d.kw[curUser];
  Tkst& t = d.kw[curTarget];
  const bool first = e == 0;

  switch (sk.Effect) {
    case fx::WeatherElement: skillElem = s.weather % 7; break;
    case fx::OwnTerrainElement: skillElem = terrainElement(s.terrain[userX][userY]); break;
    case fx::TargetTerrainElement: skillElem = terrainElement(s.terrain[targetX][targetY]); break;
    default: break;
  }

  // Charge: the user rushes to the cell before the target first.
  if (sk.Effect == fx::Charge && (std::abs(targetX - userX) > 1 || std::abs(targetY - userY) > 1)) {
    int cx = userX, cy = userY;
    lastCellBefore(userX, userY, targetX, targetY, cx, cy);
    const bool onMap = cx >= 0 && cx <= s.maxX && cy >= 0 && cy <= s.maxY;
    if (!onMap || s.unitAtW[cx][cy] >= 0 || s.terrain[cx][cy] == terrain::Wall) {
      show(*this, curTarget, shown::Miss, "");
      return;
    }
    s.unitAtW[userX][userY] = -1;
    s.unitAtW[cx][cy] = curUser;
    userX = cx;
    userY = cy;
    KAnime(curUser, CellAnim::Warp);
  }

  if (has(t, ability::ElementFusion) && (t.Team == 1 ? s.zokuseiti1 : s.zokuseiti2) == 0) t.Elem = skillElem;

  if (isElement(skillElem) && has(t, kElementImmunityBase + skillElem)) {
    if (first) showAbility(*this, curTarget, kElementImmunityBase + skillElem);
    return;
  }

  if (sk.Special == fx::Phys && t.PhysShield > 0) {
    t.PhysShield = 0;
    show(*this, curTarget, shown::Lost, "物理シールド");
    return;
  }
  if (sk.Special == fx::Spcl && t.SpecShield > 0) {
    t.SpecShield = 0;
    show(*this, curTarget, shown::Lost, "特殊シールド");
    return;
  }

  // Inputs.
  power = sk.Power;
  if (user.Elem != skillElem) power = power * 8 / 10;
  atkValue = effAtk(user);
  userMagic = effMag(user);
  defValue = effDef(t);
  targetMagic = effMag(t);
  i32 attack = atkValue, defence = defValue;
  if (sk.Effect == fx::IgnoreDefence) defence = 1;
  if (sk.Special == fx::Spcl) {
    attack += userMagic;
    defence += targetMagic;
  }
  defence = std::max<i32>(defence, 1);

  // Formed in 64 bits: the damage is held to 1..999 at the end, and stats
  // set far beyond the game's must not wrap round before that.
  std::int64_t base = std::int64_t{user.Lv} * power / 100 * attack / defence;

  // Critical hit.
  i32 chance = critRate;
  if (t.LockOn >= 1) chance *= 2;
  if (sk.Effect == fx::NeutralCritical && t.Elem == None) chance = 100;
  const bool masterGuards = t.Master >= 0 && t.Master < kUnitCount && has(d.kw[t.Master], ability::AllyCriticalGuard) &&
                            d.kw[t.Master].State == OnField;
  if (has(t, ability::CriticalGuard) || masterGuards) chance = 0;
  if (has(t, ability::Destiny) && chance < 100) chance = 0;
  if (s.simulating && validUnitIndex(curTarget)) trialOdds[curTarget].crit = std::clamp<i32>(chance, 0, 100);
  if (!s.simulating && s.Random(100) < chance) {
    base = base * 3 / 2;
    LAnime(curTarget, shown::Critical, "");
  }

  base = base * kTerrain[s.terrain[targetX][targetY]].damageTaken / 100;

  // Element multiplier and what changes it.
  i32 mult = elementMultiplier(skillElem, t.Elem);
  if (mult > 100 && has(user, ability::ElementBoost)) {
    mult = mult * 3 / 2;
    if (first) showAbility(*this, curUser, ability::ElementBoost);
  }
  if (isElement(t.Elem))
    for (int j = 0; j <= s.lastUnit; ++j)
      if (d.kw[j].State == OnField && has(d.kw[j], kWardBase + t.Elem) && mult > 100) {
        mult = mult * 4 / 5;
        if (first) showAbility(*this, j, kWardBase + t.Elem);
      }
  if (isElement(skillElem))
    for (int j = 0; j <= s.lastUnit; ++j)
      if (d.kw[j].State == OnField && has(d.kw[j], kFixerBase + skillElem) && mult != 100) {
        mult = 100;
        if (first) showAbility(*this, j, kFixerBase + skillElem);
      }
  if (first && mult == 70) show(*this, curTarget, shown::ElementNote, "抵抗属性");
  if (first && mult == 160) show(*this, curTarget, shown::ElementNote, "弱点属性");

  // A master is shielded by its own units on the field.
  if (t.Kind == KindMaster)
    for (int j = 0; j <= s.lastUnit; ++j) {
      const Tkst& o = d.kw[j];
      if (o.State != OnField || o.Master != curTarget) continue;
      if (o.Kind == KindCreature) mult -= 8;
      if (o.Kind == KindFamiliar) mult -= 2;
    }

  // The side with fewer creatures on the field hits harder.
  if (user.Team == 1 && creatureBalance < 0) mult -= creatureBalance * 8;
  if (user.Team == 2 && creatureBalance > 0) mult += creatureBalance * 8;

  std::int64_t rawDamage = base * mult / 100;
  if (has(t, ability::DamageCut)) rawDamage -= t.Lv / 12;
  i32 damage = static_cast<i32>(std::clamp<std::int64_t>(rawDamage, 1, 999));

  if (skillElem == Water && has(t, ability::WaterAbsorb)) {
    damage = damage * (100 - t.HealRes) / 100;
    damage = damage > 0 ? -damage : -1;
    t.HealRes = std::min<i32>(60, t.HealRes + 10);
    if (first) showAbility(*this, curTarget, ability::WaterAbsorb);
  }

  show(*this, curTarget, -damage, "HP");
  t.HP -= damage;
  if (t.HP > t.HPMax) t.HP = t.HPMax;
  if (t.Sleep > 0 && damage > 0) {
    show(*this, curTarget, shown::Cured, "睡眠");
    t.Sleep = 0;
  }

  // Knock-back: one cell further from an adjacent user, if that cell is free.
  if (sk.Effect == fx::KnockBack && distance(userX, userY, targetX, targetY) == 1) {
    const int ux = userX, uy = userY;
    if (ux != targetX && targetX != 0 && targetX != s.maxX) {
      const int nx = targetX + (targetX > ux ? 1 : -1);
      if (s.unitAtW[nx][targetY] == -1) {
        s.unitAtW[targetX][targetY] = -1;
        s.unitAtW[nx][targetY] = curTarget;
        targetX = nx;
      }
    }
    if (uy != targetY && targetY != 0 && targetY != s.maxY) {
      const int ny = targetY + (targetY > uy ? 1 : -1);
      if (s.unitAtW[targetX][ny] == -1) {
        s.unitAtW[targetX][targetY] = -1;
        s.unitAtW[targetX][ny] = curTarget;
        targetY = ny;
      }
    }
  }

  if (sk.Effect == fx::DrainOrRecoil) {
    const i32 amount = damage * sk.Param / 100;
    show(*this, curUser, amount, "HP");
    user.HP += amount;
    if (user.HP > user.HPMax) user.HP = user.HPMax;
  }

  // Exhaust: the user can neither move nor use skills for three turns.
  if (sk.Effect == fx::Exhaust) {
    int resist = 0;
    for (int id : {ability::AilmentResist, ability::FullResist, ability::ActionResist})
      if (!resist && has(user, id)) resist = id;
    if (resist) {
      showAbility(*this, curUser, resist);
    } else if (user.StatusShield > 0) {
      user.StatusShield = 0;
      show(*this, curUser, shown::Lost, "状態シールド");
      if (user.SkillSeal < 3) {
        user.SkillSeal = 3;
        show(*this, curUser, shown::Inflicted, "技不能");
      }
    } else {
      if (user.Immobile < 3) {
        user.Immobile = 3;
        show(*this, curUser, shown::Inflicted, "移動不能");
      }
      if (user.SkillSeal < 3) {
        user.SkillSeal = 3;
        show(*this, curUser, shown::Inflicted, "技不能");
      }
    }
  }

  if (sk.Effect == fx::FollowUp) {
    ++user.MoveN;
    ++user.SkillN;
    show(*this, curUser, 1, "移動可能回数");
    show(*this, curUser, 1, "技可能回数");
  }

  // [追撃]: a master's units next to its victim strike a quarter of what is left.
  if (user.Kind == KindMaster && first && t.Team != user.Team && t.HP > 0) {
    for (int j = 0; j <= s.lastUnit; ++j) {
      const Tkst& f = d.kw[j];
      if (f.State != OnField || f.Master != curUser || !has(f, ability::Pursuit)) continue;
      int px = 0, py = 0;
      if (!findCell(s.unitAtW, j, px, py) || distance(px, py, targetX, targetY) != 1) continue;
      const i32 strike = t.HP / 4;
      showAbility(*this, j, ability::Pursuit);
      show(*this, curTarget, -strike, "HP");
      t.HP -= strike;
    }
  }

  abilityWM(damage, e);
  if (t.HP > 0) abilityWT(damage, e);
}

// On the working copy for the user being resolved (a use, or an AI trial);
// otherwise, for the command menu, on the live records for the selected unit.
bool Battle::targetRulePasses(i32 rule, int u) const {
  const bool working = resolving || s.simulating;
  const auto& bank = working ? d.kw : d.k;
  const Grid<i32>& cells = working ? s.unitAtW : s.unitAt;
  const int userIndex = working ? curUser : s.selUnit;
  const Tkst& t = bank[u];
  const Tkst& user = bank[userIndex];
  const bool onField = t.State == OnField;
  switch (rule) {
    case fx::Any: return onField;
    case fx::NotSelf: return onField && u != userIndex;
    case fx::Grounded: return onField && !flying(t);
    case fx::GroundedNotSelf: return onField && u != userIndex && !flying(t);
    case fx::LockedOn: return onField && t.LockOn >= 1;
    case fx::Rocks: return onField && t.Type == familiar::Rock;
    case fx::Undead: return onField && t.Type >= 204 && t.Type <= 206;
    case fx::Centre: {
      if (!onField) return false;
      int x = 0, y = 0;
      return findCell(cells, u, x, y) && s.areaPath[x][y] == "0";
    }
    case fx::OwnMaster: return onField && u == user.Master;
    case fx::WithSummoning: return t.State == OnField || t.State == BeingSummoned;
    case fx::NotMaster: return onField && t.Kind != KindMaster;
    case fx::Enemies: return onField && t.Team != user.Team;
    default: return false;
  }
}

// Each element is strong (160) against the next one of the cycle fire → ice →
// wood → earth → thunder → water → fire, and resisted (70) by itself and by the
// one before it; element 0 is neutral on either side.
i32 Battle::elementMultiplier(i32 skillElement, i32 targetElement) {
  if (!isElement(skillElement) || !isElement(targetElement)) return 100;
  const i32 next = skillElement % 6 + 1;
  const i32 previous = (skillElement + 4) % 6 + 1;
  if (targetElement == next) return 160;
  if (targetElement == skillElement || targetElement == previous) return 70;
  return 100;
}

}  // namespace sorvane
