// The lab's commands.
#include <cstdio>
#include <ostream>

#include "data/terrain.h"
#include "campaign/new_game.h"
#include "lab.h"
#include "lab_parse.h"
#include "state_fields.h"
#include "state_hash.h"
#include "catalogue_fields.h"
#include "unit_fields.h"

namespace sorvane::lab {

namespace {

std::string needArgs(const std::vector<std::string>& a, std::size_t n, const char* usage) {
  return a.size() == n ? std::string() : std::string("usage: ") + usage;
}

bool parseIndex(const std::string& text, int limit, i32& value) { return parseInt(text, value) && value >= 0 && value < limit; }

bool parseCell(const std::string& xs, const std::string& ys, i32& x, i32& y) {
  return parseIndex(xs, kMapW, x) && parseIndex(ys, kMapH, y);
}

}  // namespace

std::string Lab::cmdSeed(const Args& a) {
  if (auto e = needArgs(a, 1, "seed N"); !e.empty()) return e;
  i32 seed = 0;
  if (!parseInt(a[0], seed)) return "not a number: " + a[0];
  state_->rng.Seed(static_cast<std::uint32_t>(seed));
  return {};
}

// A fresh game state as a new game has it; the generator carries over so that
// "seed N" before "newgame" holds.
std::string Lab::cmdNewGame(const Args& a) {
  if (auto e = needArgs(a, 0, "newgame"); !e.empty()) return e;
  auto fresh = std::make_unique<Tsyori>();
  fresh->rng = state_->rng;
  fresh->gameDir = gameDir_;
  SetUpNewGame(*fresh);
  state_ = std::move(fresh);
  battle_.reset();  // it worked on the old state
  commands_.reset();
  // A replay starts from here: a new game with the generator where it is now.
  char rng[17];
  std::snprintf(rng, sizeof rng, "%016llx", static_cast<unsigned long long>(state_->rng.state()));
  journal_.assign({"newgame", std::string("rngstate ") + rng});
  return {};
}

std::string Lab::cmdMap(const Args& a) {
  if (auto e = needArgs(a, 1, "map N"); !e.empty()) return e;
  i32 m = 0;
  if (!parseInt(a[0], m)) return "not a number: " + a[0];
  state_->LoadMap(m);
  return {};
}

std::string Lab::cmdMapLine(const Args&) {
  state_->LoadMapLine(restOfLine_);
  return {};
}

std::string Lab::cmdTerrain(const Args& a) {
  if (auto e = needArgs(a, 3, "terrain X Y CODE"); !e.empty()) return e;
  i32 x = 0, y = 0, code = 0;
  if (!parseCell(a[0], a[1], x, y)) return "no cell " + a[0] + "," + a[1];
  if (!parseIndex(a[2], kTerrainCount, code)) return "terrain codes are 0..13";
  state_->terrain[x][y] = code;
  return {};
}

std::string Lab::cmdSet(const Args& a) {
  if (a.size() < 2) return "usage: set I FIELD VALUE";
  i32 i = 0;
  if (!parseIndex(a[0], kUnitCount, i)) return "unit index 0..63: " + a[0];
  // The value is everything after the field name, so names may hold spaces.
  std::string value;
  if (a.size() > 2) value = restOfLine_.substr(restOfLine_.find(a[2], restOfLine_.find(a[1]) + a[1].size()));
  return setUnitField(state_->D->k[i], a[1], value, *state_->D);
}

std::string Lab::cmdPlace(const Args& a) {
  if (auto e = needArgs(a, 3, "place I X Y"); !e.empty()) return e;
  i32 i = 0, x = 0, y = 0;
  if (!parseIndex(a[0], kUnitCount, i)) return "unit index 0..63: " + a[0];
  if (!parseCell(a[1], a[2], x, y)) return "no cell " + a[1] + "," + a[2];
  for (auto& column : state_->unitAt)
    for (i32& cell : column)
      if (cell == i) cell = -1;
  state_->unitAt[x][y] = i;
  return {};
}

std::string Lab::cmdGlobal(const Args& a) {
  if (auto e = needArgs(a, 2, "global NAME VALUE"); !e.empty()) return e;
  std::string error;
  if (setBattleField(battle(), campaign_, a[0], a[1], error)) return error;
  return setStateField(*state_, a[0], a[1]);
}

std::string Lab::cmdPrint(const Args& a) {
  if (a.empty()) return "usage: print unit I | print grid NAME | print state";
  if (a[0] == "unit") return printUnit(a);
  if (a[0] == "grid") return printGrid(a);
  if (a[0] == "state") return a.size() == 1 ? printState() : "usage: print state";
  if (a[0] == "units") return printUnits(a);
  if (a[0] == "battle") return printBattle(a);
  if (a[0] == "progress") return printProgress(a);
  if (a[0] == "records") return printRecords(a);
  if (a[0] == "party") return printParty(a);
  if (a[0] == "skill" || a[0] == "ability" || a[0] == "special" || a[0] == "creature") return printCatalogue(a);
  return "nothing to print called " + a[0];
}

std::string Lab::printUnit(const Args& a) {
  if (auto e = needArgs(a, 2, "print unit I"); !e.empty()) return e;
  i32 i = 0;
  if (!parseIndex(a[1], kUnitCount, i)) return "unit index 0..63: " + a[1];
  for (const auto& [name, value] : describeUnit(state_->D->k[i])) out_ << name << "=" << value << "\n";
  return {};
}

std::string Lab::printGrid(const Args& a) {
  if (auto e = needArgs(a, 2, "print grid NAME"); !e.empty()) return e;
  std::string cell, rows;
  for (int y = 0; y < kMapH; ++y) {
    for (int x = 0; x < kMapW; ++x) {
      if (!gridCell(*state_, a[1], x, y, cell)) return "no grid called " + a[1];
      rows += cell;
      rows += x + 1 < kMapW ? ' ' : '\n';
    }
  }
  out_ << rows;
  return {};
}

std::string Lab::printState() {
  for (const auto& [name, value] : describeState(*state_)) out_ << name << "=" << value << "\n";
  for (const auto& [name, value] : describeBattle(battle())) out_ << name << "=" << value << "\n";
  return {};
}

std::string Lab::printCatalogue(const Args& a) {
  if (a.size() != 2) return "usage: print " + a[0] + " ID";
  const Tdeta& d = *state_->D;
  i32 id = 0;
  Fields fields;
  if (a[0] == "skill" && parseIndex(a[1], kSkillCount, id)) fields = describeSkill(d.skills[id]);
  else if (a[0] == "ability" && parseIndex(a[1], kAbilityCount, id)) fields = describeAbility(d.abilities[id]);
  else if (a[0] == "special" && parseIndex(a[1], kSpecialCount, id)) fields = describeSpecial(d.specials[id]);
  else if (a[0] == "creature" && parseIndex(a[1], kCreatureCount, id)) fields = describeCreature(d.creatures[id]);
  else return "no " + a[0] + " " + a[1];
  for (const auto& [name, value] : fields) out_ << name << "=" << value << "\n";
  return {};
}

std::string Lab::cmdHash(const Args& a) {
  if (auto e = needArgs(a, 0, "hash"); !e.empty()) return e;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(stateHash(*state_)));
  out_ << text << "\n";
  return {};
}

}  // namespace sorvane::lab
