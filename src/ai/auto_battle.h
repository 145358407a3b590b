// Whole battles played by the computer on both sides: a stage set up with a
// seed and the party the catalogue holds, played until it ends or a number
// of turns have passed, with the time every AI decision took, the rule
// violations seen after every unit's turn, and a fingerprint of the course
// of the battle (the same seed gives the same fingerprint). The lab's
// `battle` command, the AI tests and the benchmark share it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rules/battle.h"

namespace sorvane {

struct AutoBattle {
  i32 stage = 0;
  i32 result = Running;  // battleResult at the end; Running when the turns ran out
  i32 turns = 0;
  std::vector<double> decisionMs;  // every AICheck, in milliseconds
  int violations = 0;
  std::string firstViolation;
  std::uint64_t hash = 0;
};

// Median, 95th percentile (nearest rank) and maximum of decision times.
struct DecisionFigures {
  double median = 0, p95 = 0, max = 0;
};
DecisionFigures decisionFigures(std::vector<double> ms);

// Every story stage (0..14, 50..69) and the first party of every free-battle
// group (100, 200, ..., 800), in that order.
std::vector<i32> autoBattleStages();
// A campaign or extra story stage of the stage catalogue.
bool isStoryStage(i32 stage);
// Story stage or free battle (GROUP * 100 + PARTY) that exists.
bool autoBattleStageExists(i32 stage);

// What runs once a result is on the board (the campaign's battle end).
using BattleEnd = std::function<void(Battle&)>;

// Sets up `stage` with `seed` and lets the computer play both sides for at
// most `maxTurns` turns; `battleEnd` runs after the order that decided the
// battle, as a window would run it. The progress the battle changes is not
// put back here: the campaign's trial battle does that. `b.s.gameDir` must
// hold the battle maps.
AutoBattle playAutoBattle(Battle& b, i32 stage, std::uint32_t seed, i32 maxTurns, const BattleEnd& battleEnd = {});

// Rules no battle may break, checked on the live records: a unit on two
// cells, a unit on the map that is neither on the field nor being summoned,
// HP above the maximum, an action taken without its per-phase counter (a
// counter below 0). Returns the
// number found; the first is described in `first`.
int ruleViolations(const Battle& b, std::string& first);

// A fingerprint of the position: every unit in play, the board, weather,
// element fields, phase, turn, result and the generator.
std::uint64_t positionHash(const Battle& b, std::uint64_t hash);

}  // namespace sorvane
