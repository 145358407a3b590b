// The command menu of a unit on the battlefield: move, the skills, the
// creatures a master can call, the usable ability and return, each with the
// caption and numbers the player needs and whether it can be chosen now.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

class Battle;

struct MenuEntry {
  std::string caption;  // tab-separated columns
  int icon = -1;        // element icon: 0..6 special, 7..13 physical; -1 none
  bool enabled = false;
  int tag = 0;          // skill slot, creature slot 1..6
};

struct CommandMenu {
  int unit = -1;
  bool moveEnabled = false, skillsEnabled = false, summonEnabled = false, specialEnabled = false;
  bool showSummon = false, showSpecial = false, showReturn = false;
  std::vector<MenuEntry> skills;     // 8 for a master, 5 for the others
  std::vector<MenuEntry> creatures;  // masters only: slots 1..6
  MenuEntry special;
};

// Builds the menu of unit u (its effective stats are brought up to date first).
CommandMenu buildCommandMenu(Battle& b, int u);

// A name as the menu columns show it: half-width when longer than 15 bytes of
// the game's text encoding, padded with spaces to 13 bytes when shorter than 10.
std::string menuName(std::string_view name);

}  // namespace sorvane
