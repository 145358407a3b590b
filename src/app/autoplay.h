// The computer plays a whole battle on both sides in the window, with the
// animations at their fastest, and reports it the way the lab's `battle`
// does, plus the longest time the window went without handling events.
#pragma once

#include <string>

#include "data/types.h"

namespace sorvane {

class GameSession;

struct AutoplayReport {
  std::string line;       // "stage= result= turns= ... violations= hash="
  std::string violation;  // the first rule violation, if any
  double stallMsMax = 0;  // the longest stretch of the phases without event handling
  bool aborted = false;   // the window was closed
};

AutoplayReport autoplayBattle(GameSession& session, i32 stage, std::uint32_t seed, i32 maxTurns = 60);

}  // namespace sorvane
