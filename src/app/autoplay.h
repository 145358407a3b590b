// The computer plays a whole battle on both sides in the window, with the
// animations at their fastest, and reports it the way the lab's `battle`
// does, plus the longest time the window went without handling events and
// the share of a core the sound's threads took meanwhile.
#pragma once

#include <string>

#include "data/types.h"

namespace sorvane {

class GameSession;

struct AutoplayReport {
  std::string line;       // "stage= result= turns= ... violations= hash="
  std::string violation;  // the first rule violation, if any
  double stallMsMax = 0;  // the longest stretch of the phases without event handling
  double soundCpuPercent = 0;  // the sound threads' CPU time over the battle's wall time
  bool aborted = false;   // the window was closed
};

AutoplayReport autoplayBattle(GameSession& session, i32 stage, std::uint32_t seed, i32 maxTurns = 60);

}  // namespace sorvane
