// The fixed-width number fields of the slot, progress and formation files:
// numbers in decimal padded with "." to the next field boundary, and read back
// by removing every ".". The files bind their values to checksums with 32-bit
// arithmetic that wraps, so the arithmetic here wraps the same way instead of
// overflowing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/types.h"

namespace sorvane {

// Appends "." until `line` is at least `width` characters long.
void padTo(std::string& line, std::size_t width);

// The `width` characters from `start` (fewer at the end of the line, none past
// it) with every "." removed, read as a decimal integer with an optional sign;
// nothing when that is not a number that fits 32 bits.
std::optional<i32> fieldNumber(std::string_view line, std::size_t start, std::size_t width);

// A whole text read as a decimal integer the same way.
std::optional<i32> parseNumber(std::string_view text);

// 32-bit arithmetic that wraps around like the game's.
inline i32 wrap(std::int64_t v) { return static_cast<i32>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v))); }
inline i32 add32(i32 a, i32 b) { return wrap(std::int64_t{a} + b); }
inline i32 sub32(i32 a, i32 b) { return wrap(std::int64_t{a} - b); }
inline i32 mul32(i32 a, i32 b) { return wrap(std::int64_t{a} * b); }
// Truncating division; nothing for a zero divisor.
inline std::optional<i32> div32(i32 a, i32 b) {
  if (b == 0) return std::nullopt;
  return wrap(std::int64_t{a} / b);
}
// Whether `a` is a multiple of `b`; nothing for a zero divisor.
inline std::optional<bool> divisible(i32 a, i32 b) {
  if (b == 0) return std::nullopt;
  return std::int64_t{a} % b == 0;
}

}  // namespace sorvane
