// What the records view (戦歴) shows, as plain rows for the page to draw: the
// lifetime counters, the jobs that cleared the campaign, the creature
// collection, and the master characters with their unlock conditions.
#pragma once

#include <string>
#include <vector>

#include "data/syori.h"

namespace sorvane {

struct CounterRow {
  std::string label;  // "戦闘回数：" …
  i32 value = 0;
  int x = 0, y = 0;   // where the page writes it
};

struct JobRow {
  std::string text;  // "◎戦士" when cleared, "▲戦士" otherwise
  bool cleared = false;
  int x = 0, y = 0;
};

struct CollectionRow {
  i32 type = 0;
  i32 element = 0;
  std::string name;  // empty while the creature is neither defeated nor acquired
  bool defeated = false, acquired = false, summoned = false;
  int iconAlpha = 17;  // 17 unknown, 70 defeated, 255 acquired
};

struct CharacterRow {
  int character = 0;
  bool unlocked = false;
  std::string name;       // empty while locked
  std::string condition;  // how it is unlocked
};

struct RecordsView {
  std::vector<CounterRow> counters;
  std::vector<JobRow> jobs;
  std::vector<CollectionRow> creatures;  // by element 0..6, then by type
  int defeatedCount = 0, acquiredCount = 0, summonedCount = 0;
  std::vector<CharacterRow> characters;
};

RecordsView recordsView(const Tdeta& d);

}  // namespace sorvane
