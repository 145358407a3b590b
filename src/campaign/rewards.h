// The rewards of a battle: experience and levels on the catalogue entries of
// the player's party, a captured creature, unlocked jobs, extra stages and
// master characters, and the counters of the records view.
#pragma once

#include <string>

#include "campaign/campaign.h"

namespace sorvane::rewards {

void countBattle(Battle& b);
i32 highestEnemyLevel(const Battle& b);
// Enemy creature slots whose unit died; each pays 5 experience and 1 BP,
// whatever the result.
i32 deadEnemyCreatures(const Battle& b);
// Experience for the player's master and creature slots, written to their
// catalogue entries; returns the lines of the reward message.
std::string payExperience(Battle& b, i32 enemyLevel, i32 deadEnemies);
void levelUp(Battle& b);
// The captured creature, the opened job and extra stages, the characters
// whose conditions are met; each announced with its message.
void winnersRewards(Battle& b, const Campaign& c);
// Every unit record back to what stage setup expects: the player's party
// rebuilt from the catalogue (with its new levels), every other record empty.
void resetUnits(Battle& b);

}  // namespace sorvane::rewards
