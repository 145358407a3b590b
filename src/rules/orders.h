// The player's orders on the battlefield, and the one place that takes them.
// The window and the lab both give orders through Commands: each order is
// checked the way the command menu would offer it (the unit stands on the
// field in its team's phase, the menu entry is enabled, the cell is in reach,
// the target holds something to act on) and refused with a reason, changing
// nothing; or it runs its rule. An order is also the unit of a replay: the
// same start and the same orders give the same battle.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/battle.h"

namespace sorvane {

enum class OrderKind { Move, Skill, Summon, Return, Use, EndPhase, Surrender, Undo };

struct Order {
  OrderKind kind = OrderKind::EndPhase;
  i32 unit = -1;       // the acting unit (move, skill, summon, return, use)
  i32 skill = 0;       // skill: the skill id, one of the unit's own
  i32 slot = 0;        // summon: creature slot 1..6 of the master
  i32 x = 0, y = 0;    // the chosen cell
  i32 sacrifice = -1;  // summon: the unit a sacrifice summoner offers, -1 none

  static Order move(int u, int x, int y) { return {OrderKind::Move, u, 0, 0, x, y, -1}; }
  static Order useSkill(int u, int id, int x, int y) { return {OrderKind::Skill, u, id, 0, x, y, -1}; }
  static Order summon(int master, int slot, int x, int y, int offered = -1) {
    return {OrderKind::Summon, master, 0, slot, x, y, offered};
  }
  static Order returnHome(int u) { return {OrderKind::Return, u, 0, 0, 0, 0, -1}; }
  static Order useAbility(int u, int x, int y) { return {OrderKind::Use, u, 0, 0, x, y, -1}; }
  static Order endPhase() { return {OrderKind::EndPhase}; }
  static Order surrender() { return {OrderKind::Surrender}; }
  static Order undo() { return {OrderKind::Undo}; }

  // One line of a replay: "move 3 5 7", "skill 3 41 6 7", "summon 0 2 4 5 -1",
  // "return 3", "use 3 6 7", "end", "surrender", "undo".
  std::string text() const;
  // The order of such a line; nullopt (with the reason) when it is not one.
  static std::optional<Order> parse(std::string_view line, std::string& error);
  bool operator==(const Order&) const = default;
};

// Why the game would not take an order now; empty when it would.
std::string refusal(Battle& b, const Order& order);

class Commands {
 public:
  explicit Commands(Battle& b) : b_(b) {}

  // Runs the order when the game would take it and returns ""; otherwise
  // returns why not and changes nothing. A presenter may abort the order
  // (BattleAborted): the game is then put back as it was before the order,
  // and the abort goes on up to the caller.
  std::string give(const Order& order);

  // Whether the last order was a move that can still be taken back: the
  // unit has done nothing else since, and no other order came after it.
  bool canUndo() const { return undo_.has_value(); }

  // The orders taken since the battle started (undo included).
  const std::vector<Order>& log() const { return log_; }
  // A new battle starts: the log and the undo are dropped.
  void newBattle();

 private:
  struct Position {
    Tsyori state;
    i32 phaseTeam, firstTeam, turn, battleResult, pickMode, pickCommand;
    byte endHandled;
  };
  Position take() const;
  void putBack(const Position& p);
  void run(const Order& order);

  Battle& b_;
  std::vector<Order> log_;
  std::optional<Position> undo_;
};

}  // namespace sorvane
