// The lab's battle commands: the player's orders on the battlefield (select a
// unit, compute a reach, move, use a skill, summon, return, use the ability,
// end the phase, surrender), the answers to the battle's questions, and what
// the battle showed. An order is refused with the reason the game would not
// offer it: the unit cannot act, the menu entry is disabled, or the cell is
// out of reach.
#include <ostream>

#include "ai/opponent.h"
#include "lab.h"
#include "lab_parse.h"
#include "state_fields.h"

namespace sorvane::lab {

namespace {

bool parseRange(const std::string& text, i32 low, i32 high, i32& value) {
  return parseInt(text, value) && value >= low && value <= high;
}

std::string parseCellArgs(const std::string& xs, const std::string& ys, i32& x, i32& y) {
  if (parseRange(xs, 0, kMapW - 1, x) && parseRange(ys, 0, kMapH - 1, y)) return {};
  return "no cell " + xs + "," + ys;
}


// The selected unit, which the orders below are given to.
std::string selectedUnit(const Tsyori& s, int& u) {
  u = s.selUnit;
  if (u < 0 || u >= kUnitCount) return "no unit is selected";
  return {};
}

}  // namespace

Battle& Lab::battle() {
  if (!battle_) {
    battle_ = std::make_unique<Battle>(*state_, presenter_);
    commands_ = std::make_unique<Commands>(*battle_);
    if (opponentPlays_) {
      installOpponent(*battle_);
      if (Opponent* opponent = installedOpponent(*battle_)) opponent->everyUnit = autoplay_;
    }
  }
  return *battle_;
}

// --- Selection and reach ------------------------------------------------------

std::string Lab::cmdSelect(const Args& a) {
  if (a.size() != 1) return "usage: select I";
  i32 u = 0;
  if (!parseRange(a[0], 0, kUnitCount - 1, u)) return "unit index 0..63: " + a[0];
  battle().selectUnit(u);
  return {};
}

std::string Lab::cmdHosei(const Args& a) {
  if (!a.empty()) return "usage: hosei";
  battle().setHosei();
  return {};
}

std::string Lab::cmdMoveReach(const Args& a) {
  if (!a.empty()) return "usage: moveReach";
  battle().moveReach();
  return {};
}

// summonReach [SLOT]: SLOT 1..6 chooses the creature of the selected master.
std::string Lab::cmdSummonReach(const Args& a) {
  if (a.size() > 1) return "usage: summonReach [SLOT]";
  if (a.size() == 1) {
    i32 slot = 0;
    if (!parseRange(a[0], 1, 6, slot)) return "creature slot 1..6: " + a[0];
    state_->sumUnit = state_->selUnit + slot;
  }
  battle().summonReach();
  return {};
}

std::string Lab::cmdSkillReach(const Args& a) {
  if (a.size() != 1) return "usage: skillReach SKILL";
  i32 id = 0;
  if (!parseRange(a[0], 0, kSkillCount - 1, id)) return "skill id 0.." + std::to_string(kSkillCount - 1) + ": " + a[0];
  state_->selSkill = id;
  battle().skillReach();
  return {};
}

std::string Lab::cmdSkillArea(const Args& a) {
  if (a.size() != 2) return "usage: skillArea X Y";
  i32 x = 0, y = 0;
  if (auto e = parseCellArgs(a[0], a[1], x, y); !e.empty()) return e;
  state_->tgtX = x;
  state_->tgtY = y;
  battle().skillArea();
  return {};
}

std::string Lab::cmdSpecialReach(const Args& a) {
  if (!a.empty()) return "usage: specialReach";
  const i32 u = state_->selUnit;
  if (u < 0 || u >= kUnitCount) return "no unit is selected";
  state_->selSpecial = state_->D->k[u].TU;
  battle().specialReach();
  return {};
}

std::string Lab::cmdSpecialArea(const Args& a) {
  if (a.size() != 2) return "usage: specialArea X Y";
  i32 x = 0, y = 0;
  if (auto e = parseCellArgs(a[0], a[1], x, y); !e.empty()) return e;
  state_->spTgtX = x;
  state_->spTgtY = y;
  battle().specialArea();
  return {};
}

// --- Orders -------------------------------------------------------------------

std::string Lab::cmdMove(const Args& a) {
  if (a.size() != 2) return "usage: move X Y";
  i32 x = 0, y = 0;
  if (auto e = parseCellArgs(a[0], a[1], x, y); !e.empty()) return e;
  int u = 0;
  if (auto e = selectedUnit(*state_, u); !e.empty()) return e;
  return give(Order::move(u, x, y));
}

std::string Lab::cmdSkill(const Args& a) {
  if (a.size() != 3) return "usage: skill SKILL X Y";
  i32 id = 0, x = 0, y = 0;
  if (!parseInt(a[0], id)) return "not a skill id: " + a[0];
  if (auto e = parseCellArgs(a[1], a[2], x, y); !e.empty()) return e;
  int u = 0;
  if (auto e = selectedUnit(*state_, u); !e.empty()) return e;
  return give(Order::useSkill(u, id, x, y));
}

// summon SLOT X Y [SACRIFICE]: the selected master calls creature slot SLOT to
// (X, Y); a sacrifice summoner may offer one of its team's creatures or
// familiars on the field (-1 or nothing: no sacrifice).
std::string Lab::cmdSummon(const Args& a) {
  if (a.size() != 3 && a.size() != 4) return "usage: summon SLOT X Y [SACRIFICE]";
  i32 slot = 0, x = 0, y = 0, offered = -1;
  if (!parseRange(a[0], 1, 6, slot)) return "creature slot 1..6: " + a[0];
  if (auto e = parseCellArgs(a[1], a[2], x, y); !e.empty()) return e;
  if (a.size() == 4 && !parseRange(a[3], -1, kUnitCount - 1, offered)) return "sacrifice -1..63: " + a[3];
  int u = 0;
  if (auto e = selectedUnit(*state_, u); !e.empty()) return e;
  return give(Order::summon(u, slot, x, y, offered));
}

std::string Lab::cmdReturn(const Args& a) {
  if (!a.empty()) return "usage: return";
  int u = 0;
  if (auto e = selectedUnit(*state_, u); !e.empty()) return e;
  return give(Order::returnHome(u));
}

std::string Lab::cmdUse(const Args& a) {
  if (a.size() != 2) return "usage: use X Y";
  i32 x = 0, y = 0;
  if (auto e = parseCellArgs(a[0], a[1], x, y); !e.empty()) return e;
  int u = 0;
  if (auto e = selectedUnit(*state_, u); !e.empty()) return e;
  return give(Order::useAbility(u, x, y));
}

std::string Lab::cmdUndo(const Args& a) {
  if (!a.empty()) return "usage: undo";
  return give(Order::undo());
}

// Every order goes through the game's command interface; once it has
// returned, the battle end of a result it decided runs, as in the window.
std::string Lab::give(const Order& order) {
  battle();
  if (std::string why = commands_->give(order); !why.empty()) return why;
  journal_.push_back("order " + order.text());
  endBattleIfDecided();
  return {};
}

void Lab::endBattleIfDecided() {
  Battle& b = battle();
  if (b.resultPending()) campaign_.finishBattle(b);
}

// --- The flow of the battle ---------------------------------------------------

// start FIRST: the battle that `stage` prepared begins; team FIRST acts first.
std::string Lab::cmdStart(const Args& a) {
  i32 first = 0;
  if (a.size() != 1 || !parseRange(a[0], 1, 2, first)) return "usage: start 1|2";
  battle().startBattle(first);
  commands_->newBattle();
  endBattleIfDecided();
  return {};
}

// The turn-end button.
std::string Lab::cmdTchange(const Args& a) {
  if (!a.empty()) return "usage: tchange";
  return give(Order::endPhase());
}

std::string Lab::cmdSurrender(const Args& a) {
  if (!a.empty()) return "usage: surrender";
  return give(Order::surrender());
}

// answer yes|no: the answer to the next question the battle asks; a question
// without one is answered no.
std::string Lab::cmdAnswer(const Args& a) {
  if (a.size() != 1 || (a[0] != "yes" && a[0] != "no")) return "usage: answer yes|no";
  presenter_.answers.push_back(a[0] == "yes");
  return {};
}

// ai on|off: whether the computer plays its phases (on when the lab starts);
// off, its phases pass without actions.
std::string Lab::cmdAi(const Args& a) {
  if (a.size() != 1 || (a[0] != "on" && a[0] != "off")) return "usage: ai on|off";
  opponentPlays_ = a[0] == "on";
  if (opponentPlays_) installOpponent(battle());
  else battle().opponentPhase = nullptr;
  return {};
}

// What the battle showed since the last time, one call per line; a line break
// inside a text is written as \n.
std::string Lab::cmdFeedback(const Args& a) {
  if (!a.empty()) return "usage: feedback";
  for (std::string call : presenter_.take()) {
    for (std::size_t p = call.find('\n'); p != std::string::npos; p = call.find('\n', p + 2)) call.replace(p, 1, "\\n");
    out_ << call << "\n";
  }
  return {};
}

// --- Printing -----------------------------------------------------------------

std::string Lab::printBattle(const Args& a) {
  if (a.size() != 1) return "usage: print battle";
  const Battle& b = battle();
  const Tsyori& s = *state_;
  const std::pair<const char*, i32> fields[] = {
      {"phaseTeam", b.phaseTeam}, {"firstTeam", b.firstTeam},   {"turn", b.turn},
      {"battleResult", b.battleResult}, {"weather", s.weather}, {"zokuseiti1", s.zokuseiti1},
      {"zokuseiti2", s.zokuseiti2}, {"BP", campaign_.BP},
  };
  for (const auto& [name, value] : fields) out_ << name << "=" << value << "\n";
  for (const auto& [name, value] : describeRecords(s.D->records)) out_ << name << "=" << value << "\n";
  return {};
}

// The player's progress: opened jobs, extra stages and characters, and the
// creature types defeated, acquired and summoned.
std::string Lab::printProgress(const Args& a) {
  if (a.size() != 1) return "usage: print progress";
  const Tdeta& d = *state_->D;
  auto types = [](const std::array<byte, kCollectable>& flags) {
    std::vector<i32> set;
    for (int t = 1; t < kCollectable; ++t)
      if (flags[t]) set.push_back(t);
    return joinList(set.begin(), set.end());
  };
  out_ << "jobOpen=" << joinList(d.jobOpen.begin(), d.jobOpen.end()) << "\n";
  out_ << "extraOpen=" << +d.extraOpen << "\n";
  out_ << "charOpen=" << joinList(d.charOpen.begin(), d.charOpen.end()) << "\n";
  out_ << "defeated=" << types(d.defeated) << "\n";
  out_ << "acquired=" << types(d.acquired) << "\n";
  out_ << "summoned=" << types(d.summoned) << "\n";
  return {};
}

}  // namespace sorvane::lab
