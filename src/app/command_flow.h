// The player's commands on the battlefield with the mouse: a right press on
// an own unit opens its menu, the chosen command shows its cells, a left
// press picks and frames a cell with its confirmation picture, a second one
// confirms and gives the order; a right press steps back. A right press on an
// opponent shows how far it threatens, in rings picked with the wheel.
#pragma once

#include <functional>
#include <string>

#include "rules/orders.h"
#include "view/board_marks.h"

namespace sorvane {

class CommandFlow {
 public:
  CommandFlow(Battle& battle, Commands& commands, BoardMarks& marks);

  // What the flow asks of the page.
  std::function<void(Sound)> sound;
  std::function<void()> redraw;
  std::function<void(int skill)> skillPanel;      // 0 hides it
  std::function<void(int u, int terrain)> cellPanel;  // u -1: the terrain
  std::function<void(int u)> openMenu;            // pop the command menu of u up
  std::function<void()> afterOrder;               // an order ran (the battle end may follow)

  void leftPress(int x, int y);
  void rightPress(int x, int y);
  // The wheel; false when it did not change a ring (the page scrolls then).
  bool wheel(bool up);

  // Menu choices for the selected unit.
  void chooseMove();
  void chooseSkill(int slot);
  void chooseCreature(int n);
  void chooseReturn();
  void chooseSpecial();
  void menuClosed();  // the menu went away without a choice

  // Buttons and keys.
  std::string endPhase();
  std::string surrender();
  std::string undo();
  // Opens the menu of unit u as a right press on its cell would (list, minimap, next-unit key).
  void openUnitMenu(int u);
  // The status panel of cell (x, y) as a left press shows it (the minimap's too).
  void showCell(int x, int y) { showCellPanel(x, y, true); }
  // Any pick in progress is dropped.
  void cancel();

  // Gives an order through the command interface: "" when it ran, else why not.
  std::string give(const Order& order);
  // The last refusal (shown to the player as nothing changing).
  const std::string& lastRefusal() const { return lastRefusal_; }

 private:
  void showCellPanel(int x, int y, bool wisdomCounts);
  void chooseCell(int x, int y);
  void confirm();
  void frame(int x, int y, const char* picture);
  void unframe();
  void threatRings();
  bool acting() const;

  Battle& b_;
  Commands& commands_;
  BoardMarks& marks_;
  std::string lastRefusal_;
};

// Turns a unit's move reach into threat rings: unreached cells get
// -(1 + their step distance from the reach), -16 beyond.
void makeThreatRings(Grid<i32>& reachLeft);

}  // namespace sorvane
