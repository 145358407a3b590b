// The phase cycle: Tchange closes the phase of the team that has just acted
// and opens its opponent's, then hands the phase to the player or to the
// opponent AI. Also here: the weather change drawn at every phase change and
// the element fields that three or more creatures of one element create.
#include <array>
#include <string>

#include "data/ability_ids.h"
#include "data/terrain.h"
#include "rules/battle.h"
#include "rules/labels.h"

namespace sorvane {

namespace {

constexpr int kWindGod = 14, kThunderGod = 85;



// Counted-down ailments of the end of a phase, with the text shown when one runs out.
struct Countdown {
  i32 Tkst::*field;
  const char* name;
};
constexpr Countdown kAilmentCountdowns[] = {
    {&Tkst::Frostbite, "凍傷"}, {&Tkst::Darkness, "暗闇"},  {&Tkst::Paralysis, "麻痺"},
    {&Tkst::Flinch, "怯み"},    {&Tkst::Immobile, "移動不能"}, {&Tkst::SkillSeal, "技不能"},
};
constexpr Countdown kChangeCountdowns[] = {
    {&Tkst::HPHeal, "HPヒール"},         {&Tkst::SPHeal, "SPヒール"},          {&Tkst::PhysShield, "物理シールド"},
    {&Tkst::SpecShield, "特殊シールド"}, {&Tkst::StatusShield, "状態シールド"},
};
// The ailments [眠り姫] clears when its holder falls asleep (all but sleep).
constexpr i32 Tkst::*kBeautyClears[] = {
    &Tkst::Poison, &Tkst::Frostbite, &Tkst::Gravity, &Tkst::Darkness, &Tkst::Paralysis,
    &Tkst::Flinch, &Tkst::Immobile,  &Tkst::SkillSeal, &Tkst::Stone,  &Tkst::Curse,
    &Tkst::SummonSeal, &Tkst::LockOn, &Tkst::Parasite,
};

constexpr int other(int team) { return team == 1 ? 2 : 1; }

bool isWoodField(i32 field) { return field >= 9 && field <= 11; }

i32 ownField(const Tsyori& s, i32 team) { return team == 1 ? s.zokuseiti1 : s.zokuseiti2; }

// Replaces ability `from` by `to` in both TN and TNS, so the test on TNS follows.
void exchangeAbility(Battle& b, Tkst& u, int from, int to) {
  for (i32& id : u.TN)
    if (id == from) id = to;
  const std::string& names = u.TNS.str();
  const std::string& fromName = b.d.abilityName(from);
  const std::size_t at = names.find(fromName);
  if (at == std::string::npos) return;
  std::string changed = names;
  changed.replace(at, fromName.size(), b.d.abilityName(to));
  u.TNS = Name(changed);
}

void countDown(Battle& b, int u, const Countdown& c, int kind) {
  i32& value = b.d.k[u].*c.field;
  if (value <= 0) return;
  if (--value == 0) b.LAnime(u, kind, c.name);
}

// [緑化]: grassland turns to forest, and the land next to both turns green;
// the greener the map already is, the less it spreads.
void spreadGrassland(Battle& b) {
  Tsyori& s = b.s;
  Grid<byte> marked{};
  i32 grass = 0, forest = 0;
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      const i32 t = s.terrain[x][y];
      if (t == terrain::Grassland) ++grass;
      if (t == terrain::Forest) ++forest;
      marked[x][y] = t == terrain::Grassland || t == terrain::Forest;
    }

  const i32 toForest = (100 - 2 * forest) / 2;
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y)
      if (s.terrain[x][y] == terrain::Grassland && s.Random(95) < toForest) s.terrain[x][y] = terrain::Forest;

  static constexpr int kDx[4] = {0, 1, 0, -1};  // up, right, down, left
  static constexpr int kDy[4] = {-1, 0, 1, 0};
  const i32 toGrass = (135 - grass - forest) / 2;
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      if (!marked[x][y]) continue;
      for (int n = 0; n < 4; ++n) {
        const int nx = x + kDx[n], ny = y + kDy[n];
        if (nx < 0 || nx > s.maxX || ny < 0 || ny > s.maxY) continue;
        if (s.Random(90) < toGrass && s.terrain[nx][ny] != terrain::Forest) s.terrain[nx][ny] = terrain::Grassland;
      }
    }
}

// The end of u's own phase: statuses count down, curses count up.
void endOfPhase(Battle& b, int u) {
  Tkst& v = b.d.k[u];

  for (const Countdown& c : kAilmentCountdowns) countDown(b, u, c, shown::Cured);

  if (v.Sleep > 0) {
    v.Sleep -= 4;
    if (v.Kind == KindMaster) v.Sleep -= 2;
    const i32 r = b.s.Random(16);
    if (v.Sleep < r) {
      b.LAnime(u, shown::Cured, "睡眠");
      v.Sleep = 0;
    }
  }

  countDown(b, u, {&Tkst::Stone, "石化"}, shown::Cured);

  if (v.Curse > 0) ++v.Curse;
  if (v.Curse > 3) {
    b.KAnime(u, CellAnim::Death);
    if (v.State != OnField) return;  // nothing more ends for a unit that is gone
  }

  countDown(b, u, {&Tkst::SummonSeal, "封魔"}, shown::Cured);
  countDown(b, u, {&Tkst::Parasite, "寄生"}, shown::Cured);

  for (const Countdown& c : kChangeCountdowns) countDown(b, u, c, shown::Lost);

  if (b.has(v, ability::SleepingBeauty) && v.Sleep == 0 && b.s.Random(100) < 35) {
    for (i32 Tkst::*ailment : kBeautyClears) v.*ailment = 0;
    v.Sleep = 12;
    b.LAnime(u, shown::Ability, b.d.abilityName(ability::SleepingBeauty));
  }

  // A timed creature steps down one count per own phase and goes home at the last.
  if (b.has(v, ability::TimedSummon + 1)) {
    exchangeAbility(b, v, ability::TimedSummon + 1, ability::TimedSummon);
    b.LAnime(u, shown::Ability, b.d.abilityName(ability::TimedSummon + 1));
    b.s.selUnit = u;
    b.kikanA();
    if (v.State != OnField) return;
  } else {
    for (int left = 2; left <= 4; ++left)
      if (b.has(v, ability::TimedSummon + left)) {
        exchangeAbility(b, v, ability::TimedSummon + left, ability::TimedSummon + left - 1);
        break;
      }
  }

  if (b.has(v, ability::Greening)) {
    spreadGrassland(b);
    b.view->MapPaint();
    b.view->miniMapPaint();
  }
}

void setCounters(Tkst& u, i32 n) { u.MoveN = u.SkillN = u.SummonN = u.SpecialN = n; }

bool holdsOnField(const Battle& b, int ability) {
  for (int i = 0; i <= b.s.lastUnit; ++i)
    if (b.d.k[i].State == OnField && b.has(b.d.k[i], ability)) return true;
  return false;
}

// The number of on-field units of `team` with catalogue type `type`.
int onFieldOfType(const Battle& b, i32 team, i32 type) {
  int n = 0;
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    const Tkst& u = b.d.k[i];
    if (u.State == OnField && u.Team == team && u.Type == type) ++n;
  }
  return n;
}

void extraActions(Battle& b, i32 team) {
  const i32 field = ownField(b.s, team);
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    Tkst& u = b.d.k[i];
    if (u.Team != team) continue;
    if (u.Elem == Thunder && field == 16) u.MoveN = 2;
    if (u.Elem == Thunder && field == 17) u.MoveN = u.SkillN = 2;
    if (b.has(u, ability::GodSpeed)) ++u.MoveN;
    if (b.has(u, ability::GodSkill)) ++u.SkillN;
    if (b.has(u, ability::DoubleSpeed)) {
      ++u.MoveN;
      ++u.SkillN;
    }
    if (u.State == OnField && b.has(u, ability::WindThunder)) {
      if (u.Type == kWindGod) u.SkillN += onFieldOfType(b, team, kThunderGod);
      if (u.Type == kThunderGod) u.MoveN += onFieldOfType(b, team, kWindGod);
    }
  }
}

// The start of the team's phase: a percentage of HP (s) and an amount of SP
// (p) per unit, gathered from every rule first, then applied.
void startOfPhase(Battle& b, bool firstPhase) {
  Tsyori& s = b.s;
  Tdeta& d = b.d;
  const i32 team = b.phaseTeam;
  std::array<i32, kUnitCount> hpPercent{}, spAmount{};
  const bool polluted = holdsOnField(b, ability::Pollution);
  const i32 field1 = s.zokuseiti1, field2 = s.zokuseiti2;

  for (int u = 0; u <= s.lastUnit; ++u) {
    Tkst& v = d.k[u];
    if (v.State != OnField || v.Team != team) continue;
    i32& hp = hpPercent[u];
    i32& sp = spAmount[u];

    if (v.Kind == KindMaster) {
      if (!firstPhase) sp += 4;
      for (int i = 0; i <= s.lastUnit; ++i)
        if (d.k[i].State == OnField && d.k[i].Master == u && b.has(d.k[i], ability::MasterSpDrain)) sp -= 3;
    }
    if (v.Poison > 0) hp -= polluted ? 15 : 10;
    if (v.HPHeal > 0) hp += 5;
    if (v.SPHeal > 0) sp += 1;

    if (v.Elem == Wood) {
      int x = 0, y = 0;
      if (b.findCell(s.unitAt, u, x, y) && s.terrain[x][y] == terrain::Forest) hp += 5;
      const i32 own = ownField(s, team);
      if (own >= 9 && own <= 11) hp += 5;
      if (own == 10) sp += 2;
      if (own == 11) sp += 3;
      // With both sides in a wood field the weaker field's bonus is taken back.
      if (isWoodField(field1) && isWoodField(field2)) {
        const i32 weaker = field1 < field2 ? field1 : field2;
        hp -= 5;
        if (weaker == 10) sp -= 2;
        if (weaker == 11) sp -= 3;
      }
    }

    if (v.Parasite > 0) {
      b.LAnime(u, shown::Inflicted, "寄生");
      v.AtkB -= 5;
      v.DefB -= 5;
      v.MagB -= 5;
    }
    if (b.has(v, ability::DragonScale)) {
      b.LAnime(u, shown::Ability, d.abilityName(ability::DragonScale));
      switch (s.Random(3)) {
        case 0: v.AtkB += 5; break;
        case 1: v.DefB += 5; break;
        default: v.MagB += 5; break;
      }
    }
    if (b.has(v, ability::Rampage)) {
      hp -= 10;
      v.AtkB += 5;
      b.LAnime(u, shown::Ability, d.abilityName(ability::Rampage));
    }
    if (b.has(v, ability::NaturalHeal)) hp += 10;
    if (b.has(v, ability::SpRecovery)) sp += 1;
    if (v.Kind == KindCreature && v.Master >= 0 && v.Master < kUnitCount && b.has(d.k[v.Master], ability::AllySpRecovery))
      sp += 1;
    if (b.has(v, ability::SleepingBeauty) && v.Sleep > 0) {
      hp += 10;
      sp += 2;
    }
    if (b.has(v, ability::WardCircle)) {
      switch (s.Random(4)) {
        case 0: v.PhysShield = 2; b.LAnime(u, shown::Gained, "物理シールド"); break;
        case 1: v.SpecShield = 2; b.LAnime(u, shown::Gained, "特殊シールド"); break;
        case 2: v.StatusShield = 2; b.LAnime(u, shown::Gained, "状態シールド"); break;
        default: break;
      }
    }
  }

  int lastChanged = -1;
  for (int u = 0; u <= s.lastUnit; ++u) {
    Tkst& v = d.k[u];
    if (hpPercent[u] != 0) {
      i32 change = v.HPMax * hpPercent[u] / 100;
      if (v.HP + change > v.HPMax) change = v.HPMax - v.HP;
      v.HP += change;
      b.LAnime(u, change, "HP");
      if (change != 0) lastChanged = u;
      if (v.HP < 1) b.KAnime(u, CellAnim::Death);
    }
    if (spAmount[u] != 0) {
      i32 change = spAmount[u];
      if (v.SP + change > v.SPMax) change = v.SPMax - v.SP;
      v.SP += change;
      b.LAnime(u, change, "SP");
      if (change != 0) lastChanged = u;
    }
  }
  if (lastChanged >= 0) b.view->unitPanel(lastChanged);
}

// Music of the battle's first phase.
void battleMusic(Battle& b) {
  Tsyori& s = b.s;
  if (s.storyBattle == 1) {
    b.view->BGM(Music::storyBattle(s.storyStage));
  } else if (s.storyStage > 49) {
    b.view->BGM(Music::extraFreeBattle(s.Random(5)));
  } else {
    switch (b.d.k[16].G) {
      case 181:
      case 182: b.view->BGM({5}); break;
      case 183:
      case 184: b.view->BGM({6}); break;
      case 185: b.view->BGM({7}); break;
      default: break;
    }
  }
}

// The turn-based victory conditions; a met one ends the battle here.
bool turnConditionMet(Battle& b) {
  Tsyori& s = b.s;
  i32 result = Running;
  if (s.winCondition == 1 && b.masterOnLastColumn()) result = Won;
  else if (s.winCondition == 2 && b.turn > 9) result = Won;
  else if (s.winCondition == 4 && b.turn > 2) result = Lost;
  if (result == Running) return false;
  b.view->BGM(Music::stop());
  b.view->wait(2000);
  b.battleResult = result;
  b.DLAnime(Banner::result(result), 2300);
  return true;
}

}  // namespace

void Battle::Tchange() {
  // Each pass ends one phase and opens the next; a phase of team 2 is played
  // by the computer and the cycle goes straight on to the next one.
  for (;;) {
    const i32 ending = phaseTeam;

    pickMode = 0;
    pickCommand = 0;
    view->MapPaint();
    view->skillPanel(0);

    if (turn == 0) {
      if (s.storyBattle == 1) DLAnime({BannerKind::Stage, "ステージ"}, 800);
      if (s.winCondition > 0) DLAnime({BannerKind::WinCondition, "勝利条件"}, 1200);
      for (int u = 0; u <= s.lastUnit; ++u)
        if (d.k[u].State == OnField) abilitySK(u);
    }

    // Against a [世界] holder the opponent stops valuing terrain.
    for (int u = 0; u <= s.lastUnit; ++u) {
      const Tkst& holder = d.k[u];
      if (holder.State != OnField || !has(holder, ability::World)) continue;
      for (int i = 0; i <= s.lastUnit; ++i)
        if (d.k[i].Team != holder.Team) {
          d.k[i].AI.ElemW = 0;
          d.k[i].AI.GuardW = 0;
        }
    }

    for (int u = 0; u <= s.lastUnit; ++u)
      if (d.k[u].State == OnField && d.k[u].Team == ending) endOfPhase(*this, u);

    for (int u = 0; u <= s.lastUnit; ++u)
      if (d.k[u].Team != ending) setCounters(d.k[u], 1);

    phaseTeam = other(ending);
    if (phaseTeam == firstTeam) ++turn;
    const bool firstPhase = turn == 1 && phaseTeam == firstTeam;

    if (firstPhase) battleMusic(*this);

    DLAnime(Banner::phase(phaseTeam), 500);
    view->phaseLabel();
    if (firstPhase) {
      for (int u = 0; u <= s.lastUnit; ++u) {
        const Tkst& m = d.k[u];
        if (m.Kind != KindMaster || m.Team != phaseTeam || m.State != OnField) continue;
        int x = 0, y = 0;
        if (findCell(s.unitAt, u, x, y)) view->scrollTo(x, y);
        view->unitPanel(u);
        break;
      }
    }

    for (int u = 0; u <= s.lastUnit; ++u) {
      Tkst& c = d.k[u];
      if (c.Kind != KindCreature || c.State != BeingSummoned || c.Team != phaseTeam) continue;
      if (--c.SumTC < 1) KAnime(u, CellAnim::Summoned);
    }

    extraActions(*this, phaseTeam);

    const i32 weatherBefore = s.weather;
    changeTenki();
    view->weatherLabel();
    if (s.weather != weatherBefore) DLAnime({BannerKind::Weather, std::string(weatherLabelText(s.weather))}, 900);

    startOfPhase(*this, firstPhase);

    for (int u = 0; u <= s.lastUnit; ++u) {
      Tkst& c = d.k[u];
      if (c.Kind != KindCreature || c.State != Waiting || c.Team != phaseTeam) continue;
      c.SP += 4;
      if (c.SP > c.SPMax) c.SP = c.SPMax;
    }

    for (int u = 0; u <= s.lastUnit; ++u)
      if (d.k[u].Team != phaseTeam) setCounters(d.k[u], 0);

    setHosei();
    view->sidePanels();
    view->MapPaint();
    view->miniMapPaint();

    // A death during the phase change has decided the battle.
    if (battleResult >= Won) {
      showResult();
      return;
    }
    if (turnConditionMet(*this)) return;

    if (opponentPhase) opponentPhase(*this);
    if (battleResult > Running) return;
    if (phaseTeam == 1) {
      view->EnabledCheck(true);
      return;
    }
  }
}

void Battle::changeTenki() {
  if (s.Random(16) != 0) return;
  const i32 a = s.Random(16);
  const i32 c = s.climate;
  if (c == 0) {
    s.weather = a == 0 ? Cloudy : a <= 6 ? a : Sunny;
  } else if (c >= 1 && c <= 6) {
    s.weather = a == 0 ? Cloudy : a <= 6 ? (a == c ? Sunny : a) : c;
  } else if (c == 7) {
    s.weather = a == 0 ? Sunny : a <= 6 ? a : Cloudy;
  } else if (c == 8) {
    s.weather = a / 2;
  }
}

void Battle::setZokuseiti() {
  const std::array<i32, 3> before = {0, s.zokuseiti1, s.zokuseiti2};
  std::array<i32, 3> field = {0, 0, 0};

  for (i32 e = Fire; e <= Water; ++e) {
    std::array<i32, 3> count = {0, 0, 0};
    for (int i = 0; i <= s.lastUnit; ++i) {
      const Tkst& u = d.k[i];
      if (u.Kind == KindCreature && u.State == OnField && u.Elem == e && (u.Team == 1 || u.Team == 2)) ++count[u.Team];
    }
    for (int team = 1; team <= 2; ++team)
      if (count[team] >= 3) field[team] = 3 * e + (count[team] > 5 ? 5 : count[team]) - 3;
  }
  s.zokuseiti1 = field[1];
  s.zokuseiti2 = field[2];

  for (int team = 1; team <= 2; ++team) {
    const i32 now = field[team];
    if (now == before[team]) continue;
    for (int i = 0; i <= s.lastUnit; ++i) {
      Tkst& m = d.k[i];
      if (m.Kind == KindMaster && m.State == OnField && m.Team == team) m.Elem = now / 3;
    }
    if (!s.simulating) view->elementFieldLabels();
    // The thunder field's extra actions count from the moment it forms.
    for (int i = 0; i <= s.lastUnit; ++i) {
      Tkst& u = d.k[i];
      if (u.Team != team || u.Elem != Thunder) continue;
      if (now == 16 && before[team] != 17) ++u.MoveN;
      if (now == 17) ++u.SkillN;
    }
    if (now > 0 && !s.simulating) DLAnime({BannerKind::ElementField, elementFieldLabelText(team, now)}, 900);
  }
}

}  // namespace sorvane
