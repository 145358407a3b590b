// The campaign: what outlives a battle and what happens between battles.
// Battle points, the chosen save slot and the settings live here; the rest of the player's
// progress (levels, experience and learned skills on the catalogue entries,
// the collection flags, unlocks and record counters in the data store, the
// story stage in the game state) stays where the game's data layout keeps it
// and is changed between battles only through the campaign: the battle end,
// the new game, and the progress snapshot that saves and trial runs use.
#pragma once

#include <functional>

#include "data/syori.h"
#include "campaign/settings.h"
#include "rules/battle.h"

namespace sorvane {

// What follows a battle once its end has run.
enum class AfterBattle {
  Retry,        // the same stage started again: the battle runs on
  NextStage,    // a story battle was won: the preparation screen for the next one
  Preparation,  // back to the preparation screen
  Credits,      // the campaign or the extra stages are finished
};

struct Campaign {
  i32 BP = 0;           // battle points, 0..999
  i32 currentSlot = 0;  // save slot chosen on the preparation screen
  Settings settings;    // config.ini [config]

  // Writes the progress file when the campaign or the extra stages have just
  // been finished. Installed by the game (none: nothing is written).
  std::function<void()> saveProgress;

  // Plays story scene N (the numbers are in scenes.h) and returns when it is
  // over. Installed by the window; empty, no scene plays.
  std::function<void(i32 scene)> playScene;
  void scene(i32 n) const {
    if (playScene && n >= 0) playScene(n);
  }

  // The battle end (battle_end.cpp): experience, levels, BP, a captured
  // creature, unlocked jobs and master characters, the unit records reset,
  // then the retry question after a lost, drawn or surrendered battle and
  // the way on. Runs from the top of the stack, after the order that ended
  // the battle has returned.
  AfterBattle BMend(Battle& b);

  // Runs the battle end of a battle whose result is shown, and again for a
  // retried battle that ends before the player's first order (the computer
  // may move first). Returns Retry while a retried battle runs on.
  AfterBattle finishBattle(Battle& b);
};

}  // namespace sorvane
