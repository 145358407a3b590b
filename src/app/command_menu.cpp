#include "app/command_menu.h"

#include "rules/battle.h"
#include "text/cp932.h"
#include "text/halfwidth.h"

namespace sorvane {

std::string menuName(std::string_view name) {
  std::string shown(name);
  if (text::cp932Length(shown) > 15) shown = text::toHalfWidth(shown);
  const std::size_t length = text::cp932Length(shown);
  if (length < 10) shown.append(13 - length, ' ');
  return shown;
}

CommandMenu buildCommandMenu(Battle& b, int u) {
  CommandMenu menu;
  menu.unit = u;
  b.setHosei();
  const Tkst& unit = b.d.k[u];
  const bool master = unit.Kind == KindMaster;
  menu.showSummon = master;
  menu.showReturn = !master;
  menu.showSpecial = unit.TU != 0;

  const std::size_t slots = master ? 8 : 5;
  for (std::size_t s = 0; s < slots && s < unit.W.size(); ++s) {
    const i32 id = unit.W[s];
    MenuEntry e;
    e.tag = static_cast<int>(s);
    if (id > 0) {
      const Twst& w = b.skill(id);
      e.caption = menuName(w.Name) + "\t攻" + std::to_string(w.Power) + "\t射" + std::to_string(w.Range) + " 効" +
                  std::to_string(w.Area) + "    SP" + std::to_string(w.Cost);
      e.icon = w.Elem + (w.Special ? 0 : 7);
    }
    e.enabled = b.canUseSkill(u, static_cast<int>(s));
    menu.skills.push_back(e);
  }

  if (master) {
    for (int n = 1; n <= 6; ++n) {
      const Tkst& c = b.d.k[u + n];
      const SummonPrediction prediction = b.predictSummon(u, n);
      MenuEntry e;
      e.tag = n;
      e.caption = menuName(c.N.str()) + "\t召時" + std::to_string(prediction.time) + "/" + std::to_string(c.SumT) +
                  "\tSP" + std::to_string(prediction.cost);
      e.icon = c.Type == 0 ? -1 : c.Elem;
      e.enabled = prediction.allowed;
      menu.creatures.push_back(e);
    }
  }

  if (menu.showSpecial && unit.TU > 0 && unit.TU < kSpecialCount) {
    menu.special.caption = menuName(b.d.specials[static_cast<std::size_t>(unit.TU)].Name) + "\t @" + std::to_string(unit.TUN);
    menu.special.enabled = unit.TUN >= 1;
  }

  menu.moveEnabled = b.canMove(u);
  menu.skillsEnabled = b.canUseSkills(u);
  menu.summonEnabled = master && b.canSummon(u);
  menu.specialEnabled = b.canUseSpecial(u);
  return menu;
}

}  // namespace sorvane
