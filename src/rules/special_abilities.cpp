// Special abilities that fire on a unit's arrival (abilitySK) and death
// (abilitySI, and abilitySI_AI for the opponent's trials), and the usable
// "■" abilities (useA, useA_s).
//
// Arrival and death always run on the live records: they are reached from the
// summon and death animations, which commit the working copy first, and from
// the phase change. The usable abilities resolve on the working copy.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "data/ability_ids.h"
#include "data/terrain.h"
#include "rules/battle.h"
#include "rules/labels.h"

namespace sorvane {

namespace {

constexpr int kWindGod = 14, kThunderGod = 85;
constexpr int kMindless = 208;  // its death moves no one to [不屈]
constexpr int kFirstGolem = 201, kLastGolem = 203;
constexpr int kFirstUndead = 204;

constexpr int kChainFirst = 16, kChainLast = 22, kChainProxy = 23;
constexpr int kDefeatChain = 3;


// Terrain an element's unit is favoured by, and the one it is weak on, for [世界].
constexpr i32 kFavouredTerrain[7] = {1, 3, 5, 7, 9, 11, 13};
constexpr i32 kWeakTerrain[7] = {1, 13, 3, 5, 7, 9, 11};

// Death terrain abilities and what they leave within three cells.
struct DeathTerrain {
  int ability;
  i32 terrain;
};
constexpr DeathTerrain kDeathTerrains[] = {
    {ability::DeathTerrainFire, 3}, {ability::DeathTerrainWood, 7}, {ability::DeathTerrainEarth, 9}, {ability::DeathTerrainWater, 13}};

bool validIndex(const Tsyori& s, int i) { return i >= 0 && i <= s.lastUnit && i < kUnitCount; }

bool onMap(const Tsyori& s, int x, int y) { return x >= 0 && x <= s.maxX && y >= 0 && y <= s.maxY; }

// TNS without the first occurrence of `name`.
Name withoutName(const Name& tns, std::string_view name) {
  const std::string& text = tns.str();
  const std::size_t at = text.find(name);
  if (at == std::string::npos) return tns;
  std::string changed = text;
  changed.erase(at, name.size());
  return Name(changed);
}

Name withReplacedName(const Name& tns, std::string_view from, std::string_view to) {
  const std::string& text = tns.str();
  const std::size_t at = text.find(from);
  if (at == std::string::npos) return tns;
  std::string changed = text;
  changed.replace(at, from.size(), to);
  return Name(changed);
}

void addToStats(Tkst& u, i32 amount) {
  u.AtkB += amount;
  u.DefB += amount;
  u.MagB += amount;
}

i32 percentOf(i32 value, i32 percent) { return value * percent / 100; }

}  // namespace

// ---------------------------------------------------------------------------
// Arrival.

void Battle::abilitySK(int u) {
  if (!validIndex(s, u)) return;
  Tkst& v = d.k[u];
  int x = 0, y = 0;
  const bool placed = findCell(s.unitAt, u, x, y);

  if (has(v, ability::Flight)) v.Flight = 1;
  if (has(v, ability::Spirit)) v.Spirit = 1;

  if (has(v, ability::AttackUp)) v.AtkB += 15;
  if (has(v, ability::DefenseUp)) v.DefB += 15;
  if (has(v, ability::MagicUp)) v.MagB += 15;
  if (has(v, ability::MoveUp)) v.MovB += 1;

  if (has(v, ability::CriticalUp)) v.CritB += 25;
  if (has(v, ability::HitUp)) v.HitB += 25;
  if (has(v, ability::EvasionUp)) v.EvaB += 25;
  if (has(v, ability::ProcRateUp)) v.ProcB += 25;

  if (has(v, ability::SpUp)) v.SP += 5;  // may pass SPMax
  if (has(v, ability::Satori)) v.EvaB += 50;
  if (has(v, ability::Concentration)) v.ProcB += 50;

  if (has(v, ability::SnowCall) && s.weather != Blizzard) {
    s.weather = Blizzard;
    view->weatherLabel();
    DLAnime({BannerKind::Weather, std::string(weatherLabelText(Blizzard))}, 700);
  }

  if (has(v, ability::QuickSummon)) v.MovB -= 3;

  if (has(v, ability::WindThunder) && (v.Type == kWindGod || v.Type == kThunderGod)) {
    const i32 partnerType = v.Type == kWindGod ? kThunderGod : kWindGod;
    for (int i = 0; i <= s.lastUnit; ++i) {
      Tkst& partner = d.k[i];
      if (partner.State != OnField || partner.Team != v.Team || partner.Type != partnerType) continue;
      // 風神 acts twice with its skills, 雷神 with its moves.
      if (v.Type == kWindGod) {
        ++v.SkillN;
        ++partner.MoveN;
      } else {
        ++v.MoveN;
        ++partner.SkillN;
      }
    }
  }

  if (has(v, ability::SummonRisk) && validIndex(s, v.Master)) {
    Tkst& m = d.k[v.Master];
    i32 hp = m.HP * 3 / 5;
    if (hp < 1) hp = 1;
    LAnime(v.Master, shown::Ability, d.abilityName(ability::SummonRisk));
    // The text shows what the master really lost.
    LAnime(v.Master, hp - m.HP, "HP");
    m.HP = hp;
  }

  // A timed creature starts its count afresh at every arrival.
  for (int id = ability::TimedSummon; id <= ability::TimedSummon4; ++id) {
    if (!has(v, id)) continue;
    v.TNS = withReplacedName(v.TNS, d.abilityName(id), d.abilityName(ability::TimedSummon4));
    for (i32& tn : v.TN)
      if (tn >= ability::TimedSummon && tn < ability::TimedSummon4) tn = ability::TimedSummon4;
    break;
  }

  // [世界] reshapes the arrival cell, for its holder's side or against it.
  if (placed) {
    int holders = 0, holder = -1;
    for (int i = 0; i <= s.lastUnit; ++i)
      if (d.k[i].State == OnField && has(d.k[i], ability::World)) {
        ++holders;
        holder = i;
      }
    if (holders == 1 && v.Elem >= None && v.Elem <= Water)
      s.terrain[x][y] = d.k[holder].Team == v.Team ? kFavouredTerrain[v.Elem] : kWeakTerrain[v.Elem];
  }
}

// ---------------------------------------------------------------------------
// Death.

void Battle::abilitySI(int u, int x, int y) {
  if (!validIndex(s, u) || !onMap(s, x, y)) return;
  Tkst& v = d.k[u];
  const i32 team = v.Team;

  // The dead unit stands on its cell again while its ability is named.
  auto nameOnCell = [&](int ability) {
    const i32 before = s.unitAt[x][y];
    s.unitAt[x][y] = u;
    LAnime(u, shown::Ability, d.abilityName(ability));
    s.unitAt[x][y] = before;
  };

  for (const DeathTerrain& dt : kDeathTerrains) {
    if (!has(v, dt.ability)) continue;
    nameOnCell(dt.ability);
    for (int cx = 0; cx <= s.maxX; ++cx)
      for (int cy = 0; cy <= s.maxY; ++cy)
        if (std::abs(cx - x) + std::abs(cy - y) <= 3) s.terrain[cx][cy] = dt.terrain;
  }

  if (has(v, ability::RebirthLight)) {
    nameOnCell(ability::RebirthLight);
    for (int i = 0; i <= s.lastUnit; ++i) {
      Tkst& ally = d.k[i];
      if (ally.State != OnField || ally.Team != team) continue;
      i32 gain = ally.HPMax / 10;
      if (ally.HP + gain > ally.HPMax) gain = ally.HPMax - ally.HP;
      ally.HP += gain;
      LAnime(i, gain, "HP");
    }
  }

  if (has(v, ability::DeathAllyAttackUp)) {
    nameOnCell(ability::DeathAllyAttackUp);
    for (int i = 0; i <= s.lastUnit; ++i)
      if (d.k[i].State == OnField && d.k[i].Team == team) d.k[i].AtkB += 15;
  }

  const bool hasMaster = validIndex(s, v.Master);
  if (has(v, ability::Fusion) && hasMaster) {
    nameOnCell(ability::Fusion);
    addToStats(d.k[v.Master], 25);
  }

  if (hasMaster) {
    Tkst& m = d.k[v.Master];
    const bool guarded = has(m, ability::StatFixed) || has(m, ability::StatResist) || has(m, ability::FullResist);
    if (!guarded && has(v, ability::SummonPrice1) && m.State == OnField) {
      nameOnCell(ability::SummonPrice1);
      addToStats(m, -15);
    }
    if (!guarded && has(v, ability::SummonPrice2) && m.State == OnField) {
      nameOnCell(ability::SummonPrice2);
      addToStats(m, -20);
      m.MovB -= 1;
    }
  }

  if ((v.Kind == KindCreature || v.Kind == KindFamiliar) && v.Type != kMindless) {
    const i32 gain = v.Kind == KindCreature ? 10 : 5;
    for (int i = 0; i <= s.lastUnit; ++i) {
      Tkst& ally = d.k[i];
      if (ally.State != OnField || ally.Team != team || !has(ally, ability::Unyielding)) continue;
      LAnime(i, shown::Ability, d.abilityName(ability::Unyielding));
      addToStats(ally, gain);
    }
  }

  // Revivals are for creatures and familiars only.
  if (v.Kind == KindMaster) return;

  // Each revival the unit holds is spent while it has SP, and each one brings
  // it onto the field anew, arrival abilities and all.
  auto revive = [&](int ability, i32 hp, bool spent) {
    if (!has(v, ability) || v.SP <= 0) return;
    v.HP = hp;
    if (spent) v.TNS = withoutName(v.TNS, d.abilityName(ability));
    if (ability == ability::Ghost) v.Spirit = 1;
    if (ability == ability::DeathAwakening) {
      v.AtkB = v.DefB = v.MagB = 100;
      v.MovB = 3;
    }
    s.unitAt[x][y] = u;
    v.State = OnField;
    LAnime(u, shown::Ability, d.abilityName(ability));
    abilitySK(u);
  };
  revive(ability::Revive, v.HPMax / 2, true);
  revive(ability::Phoenix, v.HPMax, true);
  revive(ability::Ghost, v.HPMax / 10, true);
  revive(ability::DeathAwakening, v.HPMax / 2, true);
  revive(ability::Undying, v.HPMax, false);

  // Back into the master's hand, whole; only a unit that stayed dead goes.
  if (has(v, ability::TimeReversal) && v.State == Dead) {
    v.HP = v.HPMax;
    v.SP = v.SPMax;
    v.State = Waiting;
    nameOnCell(ability::TimeReversal);
  }

  // The enemies of a chain stage come one after another onto the same cell.
  if (s.winCondition == kDefeatChain && u >= kChainFirst && u <= kChainLast && v.State == Dead) {
    int next = u + 1;
    while (next <= kChainLast && d.k[next].Type == 0) ++next;
    if (next <= kChainLast) {
      Tkst& n = d.k[next];
      s.unitAt[x][y] = next;
      n.State = OnField;
      view->SE(Sound::Arrival);
      LAnime(next, shown::Summoned, "");
      abilitySK(next);
    } else if (validIndex(s, kChainProxy)) {
      d.k[kChainProxy].State = Dead;
    }
  }
}

void Battle::abilitySI_AI(int u) {
  if (!validIndex(s, u)) return;
  Tkst& v = d.kw[u];
  const i32 team = v.Team;
  // The dying unit itself is no longer one of the allies on the field.
  auto allyOnField = [&](int i) { return i != u && d.kw[i].State == OnField && d.kw[i].Team == team; };
  auto statsFixed = [&](const Tkst& t) { return has(t, ability::StatFixed) || has(t, ability::FullResist); };

  if (has(v, ability::RebirthLight))
    for (int i = 0; i <= s.lastUnit; ++i) {
      if (!allyOnField(i)) continue;
      Tkst& ally = d.kw[i];
      ally.HP += ally.HPMax / 10;
      if (ally.HP > ally.HPMax) ally.HP = ally.HPMax;
    }

  if (has(v, ability::DeathAllyAttackUp))
    for (int i = 0; i <= s.lastUnit; ++i)
      if (allyOnField(i) && !statsFixed(d.kw[i])) d.kw[i].AtkB += 15;

  if (validIndex(s, v.Master) && !statsFixed(d.kw[v.Master])) {
    Tkst& m = d.kw[v.Master];
    if (has(v, ability::Fusion)) addToStats(m, 25);
    if (!has(m, ability::StatResist)) {
      if (has(v, ability::SummonPrice1)) addToStats(m, -15);
      if (has(v, ability::SummonPrice2)) {
        addToStats(m, -20);
        m.MovB -= 1;
      }
    }
  }

  for (int i = 0; i <= s.lastUnit; ++i)
    if (allyOnField(i) && has(d.kw[i], ability::Unyielding) && !statsFixed(d.kw[i])) addToStats(d.kw[i], 15);

  if (v.Kind == KindMaster) return;

  auto revive = [&](int ability, i32 hp, bool spent) {
    if (!has(v, ability) || v.SP <= 0) return;
    v.HP = hp;
    if (spent) v.TNS = withoutName(v.TNS, d.abilityName(ability));
    if (ability == ability::Ghost) v.Spirit = 1;
    if (ability == ability::DeathAwakening) {
      v.AtkB = v.DefB = v.MagB = 100;
      v.MovB = 3;
    }
  };
  revive(ability::Revive, v.HPMax / 2, true);
  revive(ability::Phoenix, v.HPMax, true);
  revive(ability::Ghost, v.HPMax / 10, true);
  revive(ability::DeathAwakening, v.HPMax / 2, true);
  revive(ability::Undying, v.HPMax, false);
}

// ---------------------------------------------------------------------------
// Usable abilities.

void Battle::useA() {
  const int user = s.selUnit;
  if (!validIndex(s, user)) return;
  curUser = user;

  {
    Resolution resolution(*this);
    useA_s();
    resolution.commit();
  }

  Tkst& u = d.k[user];
  --u.TUN;
  --u.SpecialN;
  view->unitPanel(user);
  setZokuseiti();
  setHosei();
  view->sidePanels();
  view->MapPaint();
  view->miniMapPaint();
  showResult();
}

void Battle::useA_s() {
  const int user = curUser;
  const int ability = s.selSpecial;
  if (!validIndex(s, user) || ability < 1 || ability >= kSpecialCount) return;
  const Thst& special = d.specials[ability];
  const bool real = resolving == 1;

  if (s.reachMode == 0) LAnime(user, shown::Usable, special.Name);

  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      if (s.areaPath[x][y].empty()) continue;
      const int t = s.unitAtW[x][y];
      const Tkst& self = d.kw[user];
      bool accepted = false;
      switch (special.TargetKind) {
        case 0: accepted = true; break;
        case 1: accepted = t < 0; break;
        case 2: accepted = t >= 0 && d.kw[t].State == OnField; break;
        case 3: accepted = t >= 0 && t == self.Master && d.kw[t].State == OnField; break;
        case 4:
          accepted = t >= 0 && d.kw[t].State == OnField && d.kw[t].Team == self.Team &&
                     d.kw[t].Type >= kFirstGolem && d.kw[t].Type <= kLastGolem;
          break;
        default: break;
      }
      if (!accepted) continue;

      switch (ability) {
        case 1:
        case 2:
        case 3:
        case 4: {  // healing: 10, 10, 15, 20 %, cut by the target's resistance to healing
          if (t < 0) break;
          static constexpr i32 kHealPercent[5] = {0, 10, 10, 15, 20};
          Tkst& target = d.kw[t];
          i32 amount = percentOf(target.HPMax, kHealPercent[ability]) * (100 - target.HealRes) / 100;
          target.HealRes += 10;
          if (target.HealRes > 60) target.HealRes = 60;
          if (target.HP + amount > target.HPMax) amount = target.HPMax - target.HP;
          target.HP += amount;
          LAnime(t, amount, "HP");
          if (ability == 4) {
            for (int a = 0; a < kAilmentCount; ++a) {
              if (target.status(a) <= 0) continue;
              if (!s.simulating) LAnime(t, shown::Cured, std::string(kStatusNames[a]));
            }
            for (int a = 0; a < kAilmentCount; ++a) target.status(a) = 0;
          }
          break;
        }
        case 5: {  // ■セラピー: the user's HP for the target's SP
          Tkst& self = d.kw[user];
          const i32 loss = percentOf(self.HPMax, 20);
          self.HP -= loss;
          LAnime(user, -loss, "HP");
          if (t >= 0) {
            Tkst& target = d.kw[t];
            i32 gain = 3;
            if (target.SP + gain > target.SPMax) gain = target.SPMax - target.SP;
            target.SP += gain;
            LAnime(t, gain, "SP");
          }
          if (self.HP < 1) {
            self.HP = 0;
            if (s.simulating) abilitySI_AI(user);
            else KAnime(user, CellAnim::Death);
          }
          break;
        }
        case 6: {  // ■瘴気
          if (t < 0) break;
          Tkst& target = d.kw[t];
          if (!has(target, ability::PoisonResist) && !has(target, ability::AilmentResist) && !has(target, ability::FullResist))
            target.Poison = 1;
          break;
        }
        case 7: {  // ■特殊能力封印
          if (t < 0) break;
          Tkst& target = d.kw[t];
          target.TN = {};
          target.TNS = Name();
          target.TU = 0;
          target.TUN = 0;
          break;
        }
        case 8: {  // ■連続移動: a skill action becomes a move
          if (t < 0) break;
          Tkst& target = d.kw[t];
          if (target.SkillN > 0) {
            --target.SkillN;
            ++target.MoveN;
          }
          break;
        }
        case 9: {  // ■人形遣い: the golem moves and fights as its puppeteer does
          if (t < 0) break;
          Tkst& golem = d.kw[t];
          const Tkst& puppeteer = d.kw[user];
          golem.Mov = puppeteer.Mov;
          // A new list: the golem's old one is shared with the live record.
          std::vector<i32> skills = golem.W.toVector();
          if (skills.size() < 5) skills.resize(5, 0);
          for (std::size_t k = 0; k < 5; ++k) {
            const i32 id = puppeteer.W.at(k);
            const bool summonsFamiliars = id > 0 && id < kSkillCount && skill(id).Cat == 2;
            if (!summonsFamiliars) skills[k] = id;
          }
          golem.W = SharedArray<i32>(std::move(skills));
          break;
        }
        case 10: {  // ■死霊術: one undead familiar on the empty cell
          const int base = user - user % kSideSize;
          bool freeSlot = false;
          for (int i = base + 7; i <= base + 15; ++i)
            if (d.kw[i].Type == 0) freeSlot = true;
          if (!freeSlot) {
            LAnime(user, shown::Miss, "");
            return;
          }
          const i32 kind = s.simulating ? 0 : s.Random(3);
          const int slot = placeFamiliar(user, kFirstUndead + kind, x, y);
          if (slot >= 0 && !s.simulating) d.kw[slot].AI.Axis = s.Random(3);
          return;
        }
        case 11:  // ■事象壁
          if (real) s.terrain[x][y] = terrain::Wall;
          break;
        case 12: {  // ■ロストイデア
          if (!real) break;
          const i32 lost = s.terrain[x][y];
          for (int cx = 0; cx <= s.maxX; ++cx)
            for (int cy = 0; cy <= s.maxY; ++cy)
              if (s.terrain[cx][cy] == lost) s.terrain[cx][cy] = terrain::Plains;
          if (t >= 0) {
            const i32 element = d.kw[t].Elem;
            for (int i = 0; i <= s.lastUnit; ++i) {
              Tkst& other = d.kw[i];
              if ((other.State == OnField || other.State == BeingSummoned) && other.Elem == element) other.Elem = None;
            }
          }
          break;
        }
        default: break;
      }
    }
}

}  // namespace sorvane
