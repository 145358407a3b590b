// Floating texts requested by the rules. While the AI simulates nothing is
// shown, so the text is not even built then.
#pragma once

#include <string>
#include <string_view>

#include "rules/battle.h"

namespace sorvane {

inline void show(Battle& b, int u, i32 n, std::string_view text) {
  if (b.s.simulating) return;
  b.LAnime(u, n, std::string(text));
}

// The name of a passive ability, shown on the unit that holds it.
inline void showAbility(Battle& b, int u, int abilityId) {
  if (b.s.simulating) return;
  b.LAnime(u, shown::Ability, b.d.abilityName(abilityId));
}

}  // namespace sorvane
