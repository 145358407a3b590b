// Everything a skill does besides damage: ailments and their resistances,
// cures, stat changes, status changes, the special-effect kinds applied after
// a target's hits, the abilities that fire when a skill deals damage, takes
// damage or kills, and the skills of the other categories (familiars,
// terrain, weather, teleport). All of it works on the working copy; while
// the AI simulates nothing is drawn (every added effect lands) or shown.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "data/ability_ids.h"
#include "data/saturating.h"
#include "data/tables/skill_rows.h"
#include "rules/battle.h"
#include "rules/show.h"

namespace sorvane {

namespace {

namespace fx = skill_rows;

constexpr int kFirstFamiliarType = 201, kLastFamiliarType = 209;

constexpr i32 kHealResMax = 60;

// The abilities that stop one ailment, besides [状態異常耐性] and [完全耐性].
constexpr std::array<std::array<int, 2>, kAilmentCount> kAilmentResistance = {{
    {ability::PoisonResist, 0},      // Poison
    {ability::FrostResist, 0},       // Frostbite
    {ability::GravityResist, ability::AntiGravity},
    {ability::DarknessResist, ability::EvilEye},
    {ability::ParalysisResist, 0},
    {ability::FlinchResist, 0},
    {ability::ActionResist, 0},      // Immobile
    {ability::ActionResist, 0},      // SkillSeal
    {ability::SleepResist, 0},
    {ability::StoneResist, 0},
    {0, 0},                     // Curse: masters are immune instead
    {0, 0},                     // SummonSeal
    {0, 0},                     // LockOn
    {0, 0},                     // Parasite
}};

// A stat change of a skill: its value and chance columns, the buff it moves
// and the base value the shown amount is a percentage of (none for movement).
struct StatColumn {
  i32 Twst::*value;
  i32 Twst::*chance;
  i32 Tkst::*buff;
  i32 Tkst::*base;
  std::string_view label;
};

constexpr StatColumn kTargetStats[] = {
    {&Twst::TgtAtkV, &Twst::TgtAtkC, &Tkst::AtkB, &Tkst::Atk, "攻撃力"},
    {&Twst::TgtDefV, &Twst::TgtDefC, &Tkst::DefB, &Tkst::Def, "防御力"},
    {&Twst::TgtMagV, &Twst::TgtMagC, &Tkst::MagB, &Tkst::Mag, "魔力"},
    {&Twst::TgtMovV, &Twst::TgtMovC, &Tkst::MovB, nullptr, "移動"},
};

constexpr StatColumn kSelfStats[] = {
    {&Twst::SelfAtkV, &Twst::SelfAtkC, &Tkst::AtkB, &Tkst::Atk, "攻撃力"},
    {&Twst::SelfDefV, &Twst::SelfDefC, &Tkst::DefB, &Tkst::Def, "防御力"},
    {&Twst::SelfMagV, &Twst::SelfMagC, &Tkst::MagB, &Tkst::Mag, "魔力"},
    {&Twst::SelfMovV, &Twst::SelfMovC, &Tkst::MovB, nullptr, "移動"},
};

// The buffs and the healing resistance, as kinds 9 and 28 name them.
struct BuffField {
  i32 Tkst::*field;
  std::string_view label;
};

constexpr BuffField kBuffs[] = {
    {&Tkst::AtkB, "攻撃力変化"},   {&Tkst::DefB, "防御力変化"},  {&Tkst::MagB, "魔力変化"},
    {&Tkst::MovB, "移動変化"},     {&Tkst::CritB, "ｸﾘﾃｨｶﾙ率変化"}, {&Tkst::HitB, "命中率変化"},
    {&Tkst::EvaB, "回避率変化"},   {&Tkst::ProcB, "追加効果発動率変化"}, {&Tkst::HealRes, "回復耐性変化"},
};

// The ailments that counter abilities inflict on the user.
struct CounterAilment {
  int ability;
  int ailment;
  i32 chance;
  i32 value;
};

constexpr CounterAilment kCounterAilments[] = {
    {152, fx::Poison, 35, 1},     // [毒カウンター]
    {153, fx::Darkness, 25, 4},   // [暗闇カウンター]
    {154, fx::Paralysis, 25, 4},  // [麻痺カウンター]
    {155, fx::Flinch, 75, 1},     // [怯みカウンター]
    {156, fx::Immobile, 25, 2},   // [移動不能カウンター]
    {157, fx::SkillSeal, 25, 2},  // [技不能カウンター]
    {158, fx::Sleep, 25, 16},     // [睡眠カウンター]
    {159, fx::Stone, 5, 3},       // [石化カウンター]
};

// The first of `ids` that u holds, or 0.
int firstHeld(const Battle& b, const Tkst& u, std::initializer_list<int> ids) {
  for (int id : ids)
    if (b.has(u, id)) return id;
  return 0;
}

// The ability of u that stops ailment i, or 0.
int resistanceTo(const Battle& b, const Tkst& u, int i) {
  for (int id : kAilmentResistance[i])
    if (id && b.has(u, id)) return id;
  return 0;
}

// A chance drawn as Random(100) < percent; always true while simulating.
bool roll(Battle& b, i32 percent) { return b.s.simulating || b.s.Random(100) < percent; }

// HP change by `amount`; healing is cut by the healing resistance, which then rises.
void changeHp(Battle& b, int u, i32 amount) {
  Tkst& v = b.d.kw[u];
  if (amount > 0) {
    amount = clampToI32(std::int64_t{amount} * (100 - v.HealRes) / 100);
    v.HealRes = std::min(kHealResMax, v.HealRes + 10);
  }
  show(b, u, amount, "HP");
  v.HP = clampToI32(std::min<std::int64_t>(std::int64_t{v.HP} + amount, v.HPMax));
}

// The death of a unit during resolution; a trial hands it to the AI's form.
void dies(Battle& b, int u) {
  if (b.s.simulating) b.abilitySI_AI(u);
  b.KAnime(u, CellAnim::Death);
}

i32 shownAmount(const StatColumn& c, const Tkst& u, i32 value) { return c.base ? u.*c.base * value / 100 : value; }

// Buff change of `by` on u by an ability, unless u's abilities forbid it.
void buffUnlessFixed(const Battle& b, Tkst& u, i32 Tkst::*buff, i32 by) {
  if (!firstHeld(b, u, {ability::StatFixed, ability::FullResist})) u.*buff += by;
}

void debuffUnlessResisted(const Battle& b, Tkst& u, i32 Tkst::*buff, i32 by) {
  if (!firstHeld(b, u, {ability::StatFixed, ability::StatResist, ability::FullResist})) u.*buff -= by;
}

const Battle::FamiliarKit& familiarKit(Battle& b, int type, Battle::FamiliarKit& scratch) {
  Battle::FamiliarKit& kit = type >= kFirstFamiliarType && type <= kLastFamiliarType
                                 ? b.familiarKits[type - kFirstFamiliarType]
                                 : scratch;
  if (kit.built) return kit;
  const Tcst& c = b.d.creatures[type];
  std::vector<i32> skills(5, 0);
  std::size_t n = 0;
  for (std::size_t k = 0; k < c.Sk.size() && n < skills.size(); ++k)
    if (c.SkL.at(k) && c.Sk[k] > 0) skills[n++] = c.Sk[k];
  kit.W = SharedArray<i32>(std::move(skills));
  kit.TN = {};
  std::size_t t = 0;
  for (std::size_t k = 0; k < c.Ab.size() && t < kit.TN.size(); ++k)
    if (c.AbL.at(k) == 0) kit.TN[t++] = c.Ab[k];
  kit.TNS = b.d.buildTNS(kit.TN);
  kit.built = true;
  return kit;
}

// The opponent AI's leanings of a familiar: the undead soldiers seek damage,
// the ghost its magic curse, the imp its attack and defence curses.
void tuneFamiliarAi(Battle& b, Tkst& f) {
  switch (f.Type) {
    case 204:
    case 205: f.AI.HpW = 10; break;
    case 206: f.AI.MagW = 10; break;
    case 209:
      f.AI.AtkW = 10;
      f.AI.DefW = 10;
      break;
    default: break;
  }
  if (!b.s.simulating) f.AI.Axis = b.s.Random(3);
}

}  // namespace

// ---------------------------------------------------------------------------
// Ailments, cures, stat and status changes of the current target.

void Battle::skillA_s1_t_MX(int e) {
  const Twst& sk = skill(curSkill);
  Tkst& t = d.kw[curTarget];
  if (int stop = firstHeld(*this, t, {ability::AilmentResist, ability::FullResist})) {
    if (e == 0) showAbility(*this, curTarget, stop);
    return;
  }
  for (int i = 0; i < kAilmentCount; ++i) {
    const i32 value = sk.AilV[i];
    const i32 chance = sk.AilC[i] + procRate;
    if (value <= 0 || !roll(*this, chance)) continue;
    if (int r = resistanceTo(*this, t, i)) {
      showAbility(*this, curTarget, r);
      continue;
    }
    if (i == fx::Curse && t.Kind == KindMaster) {
      show(*this, curTarget, shown::Ability, "呪い無効");
      continue;
    }
    if (has(t, ability::Destiny) && chance < 100) continue;
    if (t.StatusShield > 0) {
      t.StatusShield = 0;
      show(*this, curTarget, shown::Lost, "状態シールド");
      continue;
    }
    // A curse counts its turns: a cursed unit is not cursed afresh.
    const bool lands = i == fx::Curse ? t.Curse == 0 : t.status(i) < value;
    if (!lands) continue;
    t.status(i) = value;
    show(*this, curTarget, shown::Inflicted, kStatusNames[i]);
    if (has(t, ability::AilmentCopy)) {
      showAbility(*this, curTarget, ability::AilmentCopy);
      Tkst& user = d.kw[curUser];
      const bool copies = i == fx::Curse ? user.Curse == 0 : user.status(i) < value;
      if (copies) user.status(i) = value;
    }
  }
}

void Battle::skillA_s1_t_MS(int e) {
  const Twst& sk = skill(curSkill);
  Tkst& t = d.kw[curTarget];
  if (int stop = firstHeld(*this, t, {ability::FullResist, ability::StatFixed, ability::StatResist})) {
    if (e == 0) showAbility(*this, curTarget, stop);
    return;
  }
  for (const StatColumn& c : kTargetStats) {
    const i32 value = sk.*c.value;
    const i32 chance = sk.*c.chance + procRate;
    if (value >= 0 || !roll(*this, chance)) continue;
    if (has(t, ability::Destiny) && chance < 100) continue;
    t.*c.buff += value;
    show(*this, curTarget, shownAmount(c, t, value), c.label);
  }
}

void Battle::skillA_s1_t_HX() {
  const Twst& sk = skill(curSkill);
  Tkst& t = d.kw[curTarget];
  for (int i = 0; i < kAilmentCount; ++i) {
    if (sk.AilC[i] <= 0 || sk.AilV[i] != 0 || t.status(i) == 0) continue;
    t.status(i) = 0;
    show(*this, curTarget, shown::Cured, kStatusNames[i]);
  }
}

void Battle::skillA_s1_t_HS() {
  const Twst& sk = skill(curSkill);
  Tkst& t = d.kw[curTarget];
  if (int stop = firstHeld(*this, t, {ability::FullResist, ability::StatFixed})) {
    showAbility(*this, curTarget, stop);
    return;
  }
  for (const StatColumn& c : kTargetStats) {
    const i32 value = sk.*c.value;
    if (value <= 0 || !roll(*this, sk.*c.chance + procRate)) continue;
    t.*c.buff += value;
    show(*this, curTarget, shownAmount(c, t, value), c.label);
  }
}

void Battle::skillA_s1_t_HJ() {
  const Twst& sk = skill(curSkill);
  Tkst& t = d.kw[curTarget];
  const bool givesAny = std::any_of(sk.ChgV.begin(), sk.ChgV.end(), [](i32 v) { return v > 0; });
  if (givesAny && has(t, ability::FullResist)) {
    showAbility(*this, curTarget, ability::FullResist);
    return;
  }
  for (int i = 0; i < fx::kChanges; ++i) {
    if (sk.ChgC[i] <= 0) continue;
    const int status = kAilmentCount + i;
    const i32 before = t.status(status);
    t.status(status) = sk.ChgV[i];
    if (before > 0 && sk.ChgV[i] == 0) show(*this, curTarget, shown::Lost, kStatusNames[status]);
    if (before == 0 && sk.ChgV[i] > 0) show(*this, curTarget, shown::Gained, kStatusNames[status]);
  }
}

// ---------------------------------------------------------------------------
// The user's own effects, once per use.

void Battle::skillSelfEffects() {
  const Twst& sk = skill(curSkill);
  Tkst& user = d.kw[curUser];

  if (sk.SelfAtkC > 0 || sk.SelfDefC > 0 || sk.SelfMagC > 0 || sk.SelfMovC > 0) {
    if (int stop = firstHeld(*this, user, {ability::FullResist, ability::StatFixed})) {
      showAbility(*this, curUser, stop);
    } else {
      for (const StatColumn& c : kSelfStats) {
        const i32 value = sk.*c.value;
        if (value == 0) continue;
        if (value < 0 && has(user, ability::StatResist)) {
          showAbility(*this, curUser, ability::StatResist);
          continue;
        }
        if (!roll(*this, sk.*c.chance + procRate)) continue;
        user.*c.buff += value;
        show(*this, curUser, shownAmount(c, user, value), c.label);
      }
    }
  }

  if (sk.SelfHPC > 0 && roll(*this, sk.SelfHPC + procRate)) changeHp(*this, curUser, user.HPMax * sk.SelfHPV / 100);

  if (sk.Effect == fx::ZocGrow) {
    if (user.SP - sk.Cost - 2 * user.ZOC < 1) {
      show(*this, curUser, shown::Miss, "");
    } else {
      const i32 spent = 2 * user.ZOC;
      show(*this, curUser, -spent, "SP");
      user.SP -= spent;
      if (int stop = firstHeld(*this, user, {ability::FullResist, ability::StatFixed})) {
        showAbility(*this, curUser, stop);
      } else {
        ++user.ZOC;
        show(*this, curUser, 1, "ZOC");
      }
    }
  }
}

// ---------------------------------------------------------------------------
// The special-effect kinds applied to the target after its hits.

void Battle::skillSpecialEffects() {
  const Twst& sk = skill(curSkill);
  const i32 p = sk.Param;
  const int target = curTarget;
  Tkst& t = d.kw[target];
  Tkst& user = d.kw[curUser];

  switch (sk.Effect) {
    case fx::HpChange:
    case fx::CurrentHpCut: {
      const i32 from = sk.Effect == fx::HpChange ? t.HPMax : t.HP;
      changeHp(*this, target, from * p / 100);
      if (t.HP < 1) dies(*this, target);
      break;
    }
    case fx::RateUp: {
      if (int stop = firstHeld(*this, t, {ability::FullResist, ability::StatFixed})) {
        showAbility(*this, target, stop);
        break;
      }
      switch (p) {
        case 1: t.HitB += 10; show(*this, target, 10, "命中率"); break;
        case 2: t.EvaB += 5; show(*this, target, 5, "回避率"); break;
        case 3: t.ProcB += 15; show(*this, target, 15, "追加効果発動率"); break;
        case 4: t.CritB += 15; show(*this, target, 15, "ｸﾘﾃｨｶﾙ率"); break;
        default: break;
      }
      break;
    }
    case fx::ResetBuffs:
      for (const BuffField& b : kBuffs) {
        if (t.*b.field == 0) continue;
        t.*b.field = 0;
        show(*this, target, shown::Lost, b.label);
      }
      break;
    case fx::ExtraAction:
      ++t.MoveN;
      ++t.SkillN;
      ++t.SummonN;
      show(*this, target, 1, "行動可能回数");
      break;
    case fx::SpChange:
      show(*this, target, p, "SP");
      t.SP = std::min(t.SP + p, t.SPMax);
      if (t.SP < 1) {
        if (t.Kind == KindMaster) {
          t.SP = 1;
        } else {
          t.SP = 0;
          dies(*this, target);
        }
      }
      break;
    case fx::SummonTime:
      show(*this, target, p, "召喚時間");
      t.SumT = std::max(0, t.SumT + p);
      if (t.State == BeingSummoned) {
        t.SumTC += p;
        if (t.SumTC < 1) {
          t.SumTC = 0;
          KAnime(target, CellAnim::Summoned);
        }
      }
      if (d.kw[target].Team != user.Team) curTarget = -1;
      break;
    case fx::Reveal:
      if (!s.simulating) LAnime(target, shown::NameReveal, t.N.str());
      break;
    case fx::Enchant: {
      if (int stop = firstHeld(*this, t, {ability::FullResist, ability::StatFixed})) {
        showAbility(*this, target, stop);
        break;
      }
      const i32 gain = user.Lv / 2;
      if (p == 1) { t.Atk += gain; show(*this, target, gain, "攻撃力"); }
      if (p == 2) { t.Def += gain; show(*this, target, gain, "防御力"); }
      if (p == 3) { t.Mag += gain; show(*this, target, gain, "魔力"); }
      break;
    }
    case fx::GiveElement:
      if (user.Elem >= Fire && user.Elem <= Water && user.Elem != t.Elem) {
        t.Elem = user.Elem;
        show(*this, target, shown::ElementName + t.Elem, kElementNames[t.Elem]);
      } else {
        show(*this, target, shown::Miss, "");
      }
      break;
    case fx::TakeElement:
      if (user.Elem == t.Elem) {
        show(*this, curUser, shown::Miss, "");
      } else {
        user.Elem = t.Elem;
        if (user.Elem >= None && user.Elem <= Water) show(*this, curUser, shown::ElementName + user.Elem, kElementNames[user.Elem]);
      }
      break;
    case fx::ZocErase:
      if (user.SP - sk.Cost - 2 * t.ZOC >= 1) {
        const i32 spent = 2 * t.ZOC;
        show(*this, curUser, -spent, "SP");
        user.SP -= spent;
        if (int stop = firstHeld(*this, t, {ability::FullResist, ability::StatFixed})) {
          showAbility(*this, target, stop);
        } else if (t.ZOC >= 1) {
          show(*this, target, -t.ZOC, "ZOC");
          t.ZOC = 0;
        }
      } else {
        show(*this, target, shown::Miss, "");
      }
      break;
    case fx::ZocDown:
      if (int stop = firstHeld(*this, t, {ability::FullResist, ability::StatFixed})) {
        showAbility(*this, target, stop);
      } else if (t.ZOC + p < 0) {
        if (t.ZOC >= 1) {
          show(*this, target, -t.ZOC, "ZOC");
          t.ZOC = 0;
        } else {
          show(*this, target, shown::Miss, "");
        }
      } else {
        t.ZOC += p;
        show(*this, target, p, "ZOC");
      }
      break;
    case fx::Naturalize:
      for (int i = 0; i < kStatusCount; ++i) {
        if (t.status(i) == 0) continue;
        t.status(i) = 0;
        show(*this, target, i < kAilmentCount ? 3000 : 4500, kStatusNames[i]);
      }
      for (const BuffField& b : kBuffs) {
        if (t.*b.field == 0) continue;
        t.*b.field = 0;
        show(*this, target, shown::Lost, b.label);
      }
      break;
    case fx::AbilitySwap:
      if (t.Kind == KindMaster) {
        show(*this, target, shown::Miss, "");
      } else {
        show(*this, curUser, shown::Ability, "特殊能力交換");
        std::swap(user.TN, t.TN);
        std::swap(user.TNS, t.TNS);
        std::swap(user.TU, t.TU);
        std::swap(user.TUN, t.TUN);
      }
      break;
    default: break;
  }
}

// ---------------------------------------------------------------------------
// Abilities of a damaging hit, and of a finishing blow.

void Battle::abilityWM(i32, int) {
  Tkst& user = d.kw[curUser];
  Tkst& t = d.kw[curTarget];

  if (has(user, ability::ProcSpRecovery) && roll(*this, procRate + 50) && user.SP < 30) ++user.SP;

  if (has(user, ability::DealAttackUp)) buffUnlessFixed(*this, user, &Tkst::AtkB, 5);
  if (has(user, ability::DealDefenseUp)) buffUnlessFixed(*this, user, &Tkst::DefB, 5);
  if (has(user, ability::DealMagicUp)) buffUnlessFixed(*this, user, &Tkst::MagB, 5);
  if (has(user, ability::DealMoveUp)) buffUnlessFixed(*this, user, &Tkst::MovB, 1);

  const bool alive = t.HP > 0;
  if (alive && has(user, ability::ProcAttackDown)) debuffUnlessResisted(*this, t, &Tkst::AtkB, 5);
  if (alive && has(user, ability::ProcDefenseDown)) debuffUnlessResisted(*this, t, &Tkst::DefB, 5);
  if (alive && has(user, ability::ProcMagicDown)) debuffUnlessResisted(*this, t, &Tkst::MagB, 5);
  if (has(user, ability::ProcMoveDown) && (s.simulating || s.Random(2) > 0) && alive &&
      !firstHeld(*this, t, {ability::StatFixed, ability::StatResist, ability::FullResist})) {
    --t.MovB;
    showAbility(*this, curUser, ability::ProcMoveDown);
  }

  if (has(user, ability::ProcPoison) && roll(*this, procRate + 35) && t.Poison == 0 &&
      !firstHeld(*this, t, {ability::PoisonResist, ability::AilmentResist, ability::FullResist})) {
    t.Poison = 1;
    showAbility(*this, curUser, ability::ProcPoison);
  }
  if (has(user, ability::ProcFlinch) && roll(*this, procRate + 35) && t.Flinch == 0 &&
      !firstHeld(*this, t, {ability::FlinchResist, ability::AilmentResist, ability::FullResist})) {
    t.Flinch = 1;
    showAbility(*this, curUser, ability::ProcFlinch);
  }
}

void Battle::abilityWT(i32 damage, int) {
  Tkst& user = d.kw[curUser];
  const int target = curTarget;
  Tkst& t = d.kw[target];

  if (has(t, ability::TakeSpRecovery) && roll(*this, 50) && t.SP < t.SPMax) {
    ++t.SP;
    showAbility(*this, target, ability::TakeSpRecovery);
  }
  if (has(t, ability::Regenerate) && t.HP * 4 <= t.HPMax) {
    show(*this, target, t.HPMax / 4, "HP");
    t.HP += t.HPMax / 4;
  }
  // A heal (a water absorber's hit) is not thrown back.
  if (has(t, ability::Counter) && damage > 0) {
    show(*this, curUser, -(damage / 4), "HP");
    user.HP -= damage / 4;
  }

  if (has(t, ability::TakeAttackUp)) buffUnlessFixed(*this, t, &Tkst::AtkB, 5);
  if (has(t, ability::TakeDefenseUp)) buffUnlessFixed(*this, t, &Tkst::DefB, 5);
  if (has(t, ability::TakeMagicUp)) buffUnlessFixed(*this, t, &Tkst::MagB, 5);
  if (has(t, ability::TakeMoveUp)) buffUnlessFixed(*this, t, &Tkst::MovB, 1);
  if (has(t, ability::TakeStatsUp)) {
    buffUnlessFixed(*this, t, &Tkst::AtkB, 5);
    buffUnlessFixed(*this, t, &Tkst::DefB, 5);
    buffUnlessFixed(*this, t, &Tkst::MagB, 5);
  }

  if (has(t, ability::AttackCounter)) debuffUnlessResisted(*this, user, &Tkst::AtkB, 5);
  if (has(t, ability::DefenseCounter)) debuffUnlessResisted(*this, user, &Tkst::DefB, 5);
  if (has(t, ability::MagicCounter)) debuffUnlessResisted(*this, user, &Tkst::MagB, 5);
  if (has(t, ability::MoveCounter)) debuffUnlessResisted(*this, user, &Tkst::MovB, 1);
  if (has(t, ability::StatsCounter)) {
    debuffUnlessResisted(*this, user, &Tkst::AtkB, 5);
    debuffUnlessResisted(*this, user, &Tkst::DefB, 5);
    debuffUnlessResisted(*this, user, &Tkst::MagB, 5);
  }

  for (const CounterAilment& c : kCounterAilments) {
    if (!has(t, c.ability)) continue;
    if (firstHeld(*this, user, {ability::AilmentResist, ability::FullResist}) || resistanceTo(*this, user, c.ailment)) continue;
    if (!roll(*this, c.chance)) continue;
    if (user.status(c.ailment) < c.value) user.status(c.ailment) = c.value;
    showAbility(*this, target, c.ability);
  }
}

void Battle::abilityWS() {
  Tkst& user = d.kw[curUser];
  const int victimIndex = curTarget;
  const Tkst& victim = d.kw[victimIndex];
  const int u = curUser;

  auto userBuff = [&](int id, i32 Tkst::*buff, i32 by) {
    if (!has(user, id)) return;
    showAbility(*this, u, id);
    if (by > 0) buffUnlessFixed(*this, user, buff, by);
    else debuffUnlessResisted(*this, user, buff, -by);
  };

  if (has(user, ability::FinishHeal)) {
    showAbility(*this, u, ability::FinishHeal);
    user.HP = std::min(user.HP + user.HPMax * 25 / 100, user.HPMax);
  }
  userBuff(ability::FinishAttackUp, &Tkst::AtkB, 25);
  userBuff(ability::FinishDefenseUp, &Tkst::DefB, 25);
  userBuff(ability::FinishMagicUp, &Tkst::MagB, 25);
  userBuff(ability::FinishMoveUp, &Tkst::MovB, 1);
  userBuff(ability::FinishAttackDown, &Tkst::AtkB, -25);
  userBuff(ability::FinishDefenseDown, &Tkst::DefB, -25);
  userBuff(ability::FinishMagicDown, &Tkst::MagB, -25);
  userBuff(ability::FinishMoveDown, &Tkst::MovB, -1);

  // What the victim leaves to its killer.
  auto victimHolds = [&](int id) {
    if (!has(victim, id)) return false;
    showAbility(*this, victimIndex, id);
    return true;
  };
  if (victimHolds(ability::DyingDamage)) user.HP /= 2;
  if (victimHolds(ability::DyingAttackDown)) debuffUnlessResisted(*this, user, &Tkst::AtkB, 25);
  if (victimHolds(ability::DyingDefenseDown)) debuffUnlessResisted(*this, user, &Tkst::DefB, 25);
  if (victimHolds(ability::DyingMagicDown)) debuffUnlessResisted(*this, user, &Tkst::MagB, 25);
  if (victimHolds(ability::DyingMoveDown)) debuffUnlessResisted(*this, user, &Tkst::MovB, 1);

  const bool shrugsOff = firstHeld(*this, user, {ability::AilmentResist, ability::FullResist}) != 0;
  auto atLeast = [&](int ailment, i32 value) {
    if (shrugsOff || resistanceTo(*this, user, ailment)) return;
    if (user.status(ailment) < value) user.status(ailment) = value;
  };
  if (victimHolds(ability::DyingPoison)) atLeast(fx::Poison, 1);
  if (victimHolds(ability::DyingImmobile)) atLeast(fx::Immobile, 3);
  if (victimHolds(ability::DyingStone)) atLeast(fx::Stone, 3);
  if (victimHolds(ability::Grudge) && !shrugsOff && user.Curse == 0 && user.Kind != KindMaster) user.Curse = 1;
  if (victimHolds(ability::DyingAilments)) {
    atLeast(fx::Poison, 1);
    atLeast(fx::Frostbite, 4);
    atLeast(fx::Paralysis, 4);
  }
}

// ---------------------------------------------------------------------------
// Skills of the other categories.

int Battle::placeFamiliar(int user, int type, int x, int y) {
  const int base = user - user % kSideSize;
  int slot = -1;
  for (int i = base + kFirstFamiliarSlot; i <= base + kLastFamiliarSlot && slot < 0; ++i)
    if (d.kw[i].Type == 0) slot = i;
  if (slot < 0) return -1;

  // SetK writes the live record: build the familiar there, take it into the
  // working copy and give the live record back what it held.
  const Tkst live = d.k[slot];
  s.SetK(slot, type, d.kw[user].Lv);
  Tkst familiar = d.k[slot];
  d.k[slot] = live;

  FamiliarKit scratch;
  const FamiliarKit& kit = familiarKit(*this, type, scratch);
  // A familiar on the field gets its own skill list; a trial may share the kit's.
  familiar.W = s.simulating ? kit.W : SharedArray<i32>(kit.W.toVector());
  familiar.TN = kit.TN;
  familiar.TNS = kit.TNS;
  familiar.TU = d.creatures[familiar.Type].TU;
  familiar.TUN = familiar.TU > 0 && familiar.TU < kSpecialCount ? d.specials[familiar.TU].Uses : 0;
  if (familiar.Type == familiar::Decoy && validUnitIndex(familiar.Master)) familiar.G = d.kw[familiar.Master].G;
  familiar.State = OnField;

  d.kw[slot] = familiar;
  s.unitAtW[x][y] = slot;
  KAnime(slot, CellAnim::FamiliarArrives);
  return slot;
}

void Battle::skillA_s2() {
  const Twst& sk = skill(curSkill);
  const int base = curUser - curUser % kSideSize;
  bool freeSlot = false;
  for (int i = base + kFirstFamiliarSlot; i <= base + kLastFamiliarSlot; ++i)
    if (d.kw[i].Type == 0) freeSlot = true;
  if (!freeSlot) {
    show(*this, curUser, shown::Miss, "");
    return;
  }
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      if (s.areaPath[x][y].empty() || s.unitAtW[x][y] >= 0) continue;
      const int slot = placeFamiliar(curUser, sk.Param, x, y);
      if (slot < 0) return;
      tuneFamiliarAi(*this, d.kw[slot]);
      if (s.simulating) return;  // a trial places the first familiar only
    }
}

void Battle::skillA_s3() {
  const i32 p = skill(curSkill).Param;
  // An element's first terrain deepens into its second where it already lies.
  const bool deepens = p >= 2 && p % 2 == 0;
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      if (s.areaPath[x][y].empty()) continue;
      i32& cell = s.terrain[x][y];
      cell = deepens && (cell == p || cell == p + 1) ? p + 1 : p;
    }
}

void Battle::skillA_s4() {
  const i32 p = skill(curSkill).Param;
  if (p == s.weather || p < Cloudy || p > Sunny) return;
  s.weather = p;
  if (s.simulating) return;
  view->weatherLabel();
  DLAnime({BannerKind::Weather, "天気:" + std::string(kWeatherNames[p])}, 700);
}

void Battle::skillA_s6() {
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      if (s.areaPath[x][y].empty()) continue;
      const int other = s.unitAtW[x][y];
      if (other == curUser) return;
      s.unitAtW[userX][userY] = other;
      s.unitAtW[x][y] = curUser;
      userX = x;
      userY = y;
      KAnime(curUser, CellAnim::Warp);
      if (other >= 0) KAnime(other, CellAnim::Warp);
      return;
    }
}

}  // namespace sorvane
