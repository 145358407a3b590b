// A whole campaign played by the computer: a new game, the story from stage
// 0 to 14, then the extra stages 50 to 69, the computer playing both sides
// of every battle. Between battles an automatic preparer spends the BP:
//
//   1. acquire: every defeated creature the BP pays for, the sturdiest
//      (largest sum of growth values) first;
//   2. place: the six acquired creatures with the largest level × growth sum,
//      in that order, in circles 1..6;
//   3. learn: for the master, then circles 1..6, the unlearned skills with the
//      most power first, each one the BP and the skill limit allow.
//
// The player's master keeps out of the enemies' reach and falls back when
// hurt (left at the defaults it would march straight at the enemy master);
// on a stage won by reaching the rightmost column it hangs back. A battle still undecided after `maxTurns` turns is
// given up (surrendered) and counts as not won. A story battle that is not won is tried again from the preparation
// screen (the retry question answered no, then "進む" after the preparer) up to `retries` times; a stage still not won
// then sends the party to train, as a player would: `training` free battles (the game's own draw of party and map),
// then the stage again with its retries, at most `rounds` rounds in all. The run stops at a stage that is still not won
// after them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "campaign/campaign.h"

namespace sorvane {

struct CampaignBattle {
  i32 stage = 0;         // story stage, or the free battle's GROUP * 100 + PARTY
  bool free = false;     // a training battle
  int attempt = 0;       // 0 the first try, 1.. the retries
  i32 result = Running;  // Running: undecided after the turn limit, given up
  i32 turns = 0;
  i32 masterLv = 0;  // the master's catalogue level before the battle
  i32 BP = 0;        // after the battle end
};

struct CampaignRun {
  i32 job = 0, character = 0;
  int battles = 0, won = 0, lost = 0, retries = 0;  // story battles; lost: every one not won
  int freeBattles = 0, freeWon = 0;                 // training
  i32 reached = 0;                                  // the last story stage fought
  bool completed = false;                           // the campaign and the extra stages finished
  i32 BP = 0;
  std::uint64_t hash = 0;  // the course of every battle; the same for the same seed
  std::vector<i32> retriedStages;
};

struct CampaignAutoplay {
  int retries = 3;
  int training = 10;
  int rounds = 10;
  i32 maxTurns = 60;
  std::function<void(const CampaignBattle&)> onBattle;  // after each battle's end
};

// The preparer's three steps on the party of `s`; questions are answered yes.
void autoPrepare(Tsyori& s, Campaign& c);

// Plays the campaign from a new game with `job` and `character` on the game
// state `s` (its catalogues filled, `s.gameDir` holding the maps). Scenes go
// to c.playScene.
CampaignRun playCampaign(Tsyori& s, Campaign& c, std::uint32_t seed, i32 job, i32 character,
                         const CampaignAutoplay& options);

}  // namespace sorvane
