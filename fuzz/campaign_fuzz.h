// A game for the campaign-file fuzzers, made once: catalogues filled, a new
// game's party. Each input works on a copy of it.
#pragma once

#include <memory>

#include "data/syori.h"

inline const sorvane::Tsyori& fuzzGame() {
  static const std::unique_ptr<sorvane::Tsyori> game = [] {
    auto s = std::make_unique<sorvane::Tsyori>();
    sorvane::Tdeta& d = *s->D;
    d.InitSkills();
    d.InitAbilities();
    d.InitCreatures();
    for (sorvane::Tcst& entry : d.creatures) entry.Lv = 10;
    for (int owned : {0, 3, 25, 57, 92}) d.acquired[owned] = 1;
    d.charOpen[0] = d.charOpen[1] = 1;
    s->SetK(0, sorvane::kFirstMaster, 0);
    return s;
  }();
  return *game;
}

// A working copy of the fuzz game: the unit records and the catalogue's progress.
inline void resetFuzzGame(sorvane::Tsyori& s) {
  const sorvane::Tdeta& from = *fuzzGame().D;
  sorvane::Tdeta& d = *s.D;
  for (int t = 0; t < sorvane::kCreatureCount; ++t) {
    d.creatures[t] = from.creatures[t];
    // Fresh arrays, so that loading into the copy leaves the original alone.
    d.creatures[t].SkL = sorvane::SharedArray<sorvane::byte>(from.creatures[t].SkL.toVector());
    d.creatures[t].AbL = sorvane::SharedArray<sorvane::i32>(from.creatures[t].AbL.toVector());
  }
  d.k = from.k;
  d.acquired = from.acquired;
  d.charOpen = from.charOpen;
}
