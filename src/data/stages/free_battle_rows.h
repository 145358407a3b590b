// The rows of the free-battle table, one per unit. A party row is the party's
// master and opens the party; the creature rows under it fill slots 17, 18, ...
// in order. Rows are plain constants, so the table costs nothing to compile or
// to start up; freeBattleGroups() turns them into the parties SetUpParty reads.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "data/stages/stage_definition.h"

namespace sorvane::stages {

// A list of at most N values written as a braced list, {237, 238}. A row that
// lists more than its column holds does not compile.
template <class T, std::size_t N>
struct FixedList {
  std::array<T, N> items{};
  std::size_t count = 0;

  constexpr FixedList() = default;
  constexpr FixedList(std::initializer_list<T> values) : count(values.size()) {  // NOLINT: rows use braces
    if (values.size() > N) throw "a row lists more values than its column holds";
    std::copy(values.begin(), values.end(), items.begin());
  }
  std::vector<T> vector() const { return {items.begin(), items.begin() + static_cast<std::ptrdiff_t>(count)}; }
};

using MasterSkills = FixedList<i32, 8>;
using CreatureSkills = FixedList<i32, 5>;
using Abilities = FixedList<i32, 4>;
using AiSets = FixedList<AiSet, 3>;

struct FreeRow {
  i32 group = 0;  // a party row: its group 1..8; 0 on a creature row
  i32 party = 0;
  const char* N = "";
  i32 G = 0;
  i32 entry = 0;  // 251..257 on a party row, a creature on the others
  i32 lvUp = 0;
  i32 SH = 0;
  MasterSkills W = {};
  Abilities TN = {};
  AiSets ai = {};
  i32 SumC = kKeep;
};

// A party and its master: group, party index, name, portrait, master entry,
// levels above the base level, summoning method, skills, abilities, AI settings.
constexpr FreeRow party(i32 group, i32 index, const char* N, i32 G, i32 entry, i32 lvUp, i32 SH, MasterSkills W,
                        Abilities TN, AiSets ai) {
  return {group, index, N, G, entry, lvUp, SH, W, TN, ai};
}

// The next creature of the party above: entry, skills, AI settings, and a
// cheaper summon where the party gives one.
constexpr FreeRow creature(i32 entry, CreatureSkills W, AiSets ai = {}, i32 SumC = kKeep) {
  FreeRow r{.entry = entry, .ai = ai, .SumC = SumC};
  std::copy(W.items.begin(), W.items.begin() + static_cast<std::ptrdiff_t>(W.count), r.W.items.begin());
  r.W.count = W.count;
  return r;
}

}  // namespace sorvane::stages
