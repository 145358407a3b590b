// A fingerprint of the whole game state, for comparing runs of a script.
#pragma once

#include <cstdint>

#include "data/syori.h"

namespace sorvane::lab {

// 64-bit FNV-1a over a fixed textual rendering of the unit records, the
// catalogues' progress, the grids and the scalars: the same state gives the
// same value in every build.
std::uint64_t stateHash(const Tsyori& state);

}  // namespace sorvane::lab
