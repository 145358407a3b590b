// Which commands the menu offers a unit, and whether a chosen skill or usable
// ability target holds something to act on. The window builds the menu from
// these answers; the rules here are the whole of what may be chosen.
#include "data/ability_ids.h"
#include "data/tables/skill_rows.h"
#include "rules/battle.h"

namespace sorvane {

namespace {

// Skill categories.

// Usable-ability target kinds: what some cell of the area must hold.
constexpr i32 kAnyCell = 0, kEmptyCell = 1, kUnitCell = 2, kOwnMasterCell = 3, kGolemCell = 4;

bool validUnit(int u) { return u >= 0 && u < kUnitCount; }
bool asleepOrStone(const Tkst& u) { return u.Sleep > 0 || u.Stone > 0; }

// An on-field unit holding [完全操作] whose master is u takes u's moves and skills.
bool underFullControl(const Battle& b, int u) {
  const int last = b.s.lastUnit < kUnitCount ? b.s.lastUnit : kUnitCount - 1;
  for (int j = 0; j <= last; ++j) {
    const Tkst& servant = b.d.k[j];
    if (Battle::onField(servant) && servant.Master == u && b.has(servant, ability::FullControl)) return true;
  }
  return false;
}

}  // namespace

bool Battle::canMove(int u) const {
  if (!validUnit(u)) return false;
  const Tkst& unit = d.k[u];
  return unit.MoveN >= 1 && unit.Immobile <= 0 && !asleepOrStone(unit) && !underFullControl(*this, u);
}

bool Battle::canUseSkills(int u) const {
  if (!validUnit(u)) return false;
  const Tkst& unit = d.k[u];
  return unit.SkillN >= 1 && unit.SkillSeal <= 0 && !asleepOrStone(unit) && !underFullControl(*this, u);
}

bool Battle::canUseSkill(int u, int slot) const {
  if (!validUnit(u)) return false;
  const Tkst& unit = d.k[u];
  if (slot < 0 || static_cast<std::size_t>(slot) >= unit.W.size()) return false;
  const i32 id = unit.W[slot];
  if (id <= 0 || id >= kSkillCount) return false;
  // A master cannot spend its last SP; any other unit may, and dies paying.
  if (unit.Kind == KindMaster && skill(id).Cost >= unit.SP) return false;
  return true;
}

bool Battle::canSummon(int master) const {
  if (!validUnit(master)) return false;
  const Tkst& unit = d.k[master];
  return unit.Kind == KindMaster && unit.SummonN >= 1 && unit.SummonSeal <= 0 && !asleepOrStone(unit);
}

bool Battle::canReturn(int u) const { return validUnit(u) && d.k[u].Kind != KindMaster; }

bool Battle::canUseSpecial(int u) const {
  if (!validUnit(u)) return false;
  const Tkst& unit = d.k[u];
  return unit.TU != 0 && unit.SpecialN >= 1 && unit.TUN >= 1 && !asleepOrStone(unit);
}

bool Battle::skillTargetAccepted() const {
  if (s.selSkill < 0 || s.selSkill >= kSkillCount) return false;
  const Twst& w = skill(s.selSkill);
  const Grid<i32>& cells = resolving ? s.unitAtW : s.unitAt;
  switch (w.Cat) {
    case skill_rows::CatUnits:
      for (int x = 0; x <= s.maxX; ++x)
        for (int y = 0; y <= s.maxY; ++y)
          if (!s.areaPath[x][y].empty() && validUnit(cells[x][y]) && targetRulePasses(w.Target, cells[x][y]))
            return true;
      return false;
    case skill_rows::CatFamiliar:
      for (int x = 0; x <= s.maxX; ++x)
        for (int y = 0; y <= s.maxY; ++y)
          if (!s.areaPath[x][y].empty() && cells[x][y] == -1) return true;
      return false;
    case skill_rows::CatTerrain:
    case skill_rows::CatWeather:
    case skill_rows::CatSwap:
      return true;
    default:
      return false;  // no category: nothing to resolve
  }
}

bool Battle::specialTargetAccepted() const {
  if (s.selSpecial < 0 || s.selSpecial >= kSpecialCount) return false;
  const i32 kind = d.specials[s.selSpecial].TargetKind;
  if (kind == kAnyCell) return true;
  const Tkst* user = validUnit(s.selUnit) ? &d.k[s.selUnit] : nullptr;
  for (int x = 0; x <= s.maxX; ++x)
    for (int y = 0; y <= s.maxY; ++y) {
      if (s.areaPath[x][y].empty()) continue;
      const i32 u = s.unitAt[x][y];
      const bool unitHere = validUnit(u) && onField(d.k[u]);
      switch (kind) {
        case kEmptyCell:
          if (u == -1) return true;
          break;
        case kUnitCell:
          if (unitHere) return true;
          break;
        case kOwnMasterCell:
          if (unitHere && user && u == user->Master) return true;
          break;
        case kGolemCell:
          if (unitHere && user && d.k[u].Team == user->Team && isGolem(d.k[u].Type)) return true;
          break;
        default:
          return false;
      }
    }
  return false;
}

}  // namespace sorvane
