// The player's progress as one value: everything a battle's rewards or a new
// game change and a save keeps. Taken before a trial battle and put back after
// it, so trial runs leave the campaign as they found it.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "campaign/campaign.h"

namespace sorvane {

struct ProgressSnapshot {
  std::array<Tkst, kLastCreatureSlot + 1> party;  // the master and its six creature slots
  std::vector<std::pair<i32, i32>> levels;       // Lv, Exp of every catalogue entry
  std::array<byte, kCollectable> defeated{}, acquired{}, reservedFlags{}, summoned{};
  RecordCounters records;
  std::array<byte, 7> jobOpen{};
  byte extraOpen = 0;
  std::array<byte, 11> charOpen{};
  i32 storyStage = 0, stageNo = 0, mapNo = 0;
  byte storyBattle = 0;
  i32 BP = 0, currentSlot = 0;

  static ProgressSnapshot take(const Tsyori& s, const Campaign& c);
  void restore(Tsyori& s, Campaign& c) const;
};

}  // namespace sorvane
