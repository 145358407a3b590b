// Sums that can grow past what a 32-bit field holds (damage and healing
// totals, record counters, experience, HP after a heal) are formed in 64 bits
// and held at the field's limits, instead of wrapping round to the other sign.
#pragma once

#include <cstdint>
#include <limits>

#include "data/types.h"

namespace sorvane {

inline i32 clampToI32(std::int64_t v) {
  constexpr std::int64_t lo = std::numeric_limits<i32>::min(), hi = std::numeric_limits<i32>::max();
  return static_cast<i32>(v < lo ? lo : v > hi ? hi : v);
}

// total += amount, held inside the 32-bit range.
inline void addClamped(i32& total, std::int64_t amount) { total = clampToI32(std::int64_t{total} + amount); }

}  // namespace sorvane
