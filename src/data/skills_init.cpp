// Fills the skill catalogue from the table rows.
#include "data/deta.h"
#include "data/tables/skill_rows.h"

namespace sorvane {

namespace skill_rows {

Twst toTwst(const SkillRow& row) {
  Twst w;
  w.Name = row.name;
  w.Id = row.id;
  w.Elem = row.elem;
  w.Special = row.special;
  w.Power = row.power;
  w.Hit = row.hit;
  w.Crit = row.crit;
  w.Range = row.range;
  w.SelfOK = row.selfOK;
  w.Area = row.area;
  w.ZocArea = row.zocArea;
  w.Cost = row.cost;
  w.Desc = row.desc;
  w.Cat = row.cat;
  w.Line = row.line;
  w.Target = row.target;
  w.Effect = row.effect;
  w.Hits = row.hits;
  w.Param = row.param;
  for (const SideEffect& e : row.effects) {
    switch (e.column) {
      case SideEffect::Unused: break;
      case SideEffect::Ail: w.AilV[e.index] = e.value; w.AilC[e.index] = e.chance; break;
      case SideEffect::AllAilments:
        for (int a = 0; a < kAilments; ++a) { w.AilV[a] = e.value; w.AilC[a] = e.chance; }
        break;
      case SideEffect::Chg: w.ChgV[e.index] = e.value; w.ChgC[e.index] = e.chance; break;
      case SideEffect::AllChanges:
        for (int c = 0; c < kChanges; ++c) { w.ChgV[c] = e.value; w.ChgC[c] = e.chance; }
        break;
      case SideEffect::SelfAtk: w.SelfAtkV = e.value; w.SelfAtkC = e.chance; break;
      case SideEffect::SelfDef: w.SelfDefV = e.value; w.SelfDefC = e.chance; break;
      case SideEffect::SelfMag: w.SelfMagV = e.value; w.SelfMagC = e.chance; break;
      case SideEffect::SelfMov: w.SelfMovV = e.value; w.SelfMovC = e.chance; break;
      case SideEffect::SelfHP: w.SelfHPV = e.value; w.SelfHPC = e.chance; break;
      case SideEffect::TgtAtk: w.TgtAtkV = e.value; w.TgtAtkC = e.chance; break;
      case SideEffect::TgtDef: w.TgtDefV = e.value; w.TgtDefC = e.chance; break;
      case SideEffect::TgtMag: w.TgtMagV = e.value; w.TgtMagC = e.chance; break;
      case SideEffect::TgtMov: w.TgtMovV = e.value; w.TgtMovC = e.chance; break;
    }
  }
  return w;
}

}  // namespace skill_rows

void Tdeta::InitSkills() {
  for (int i = 0; i < kSkillCount; ++i) skills[i] = skill_rows::toTwst(skill_rows::kSkillTable[i]);
}

}  // namespace sorvane
