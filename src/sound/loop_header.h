// Loop points stored in front of a music file: the 8 bytes "ALPHAOGG", then
// 16 records of a jump target and a trigger time (32-bit floats, seconds) and
// a repeat count (32-bit signed, -1 = always). The Ogg stream follows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sorvane::sound {

constexpr std::size_t kLoopHeaderSize = 200;
constexpr int kLoopPoints = 16;

struct LoopPoint {
  float jump = 0;     // seconds to continue from
  float trigger = 0;  // seconds at which playback jumps
  int32_t count = 0;  // how many times it jumps; -1 always, 0 never
};

struct LoopHeader {
  std::array<LoopPoint, kLoopPoints> points{};
};

// The header at the start of a file, or nothing when the file has none.
std::optional<LoopHeader> readLoopHeader(std::span<const uint8_t> file);
std::vector<uint8_t> writeLoopHeader(const LoopHeader& header);

// Seconds as a frame position at the mixer's rate.
int64_t frameAt(double seconds);

// How many times each point has jumped since playback last passed it.
using LoopUses = std::array<int32_t, kLoopPoints>;

// The first jump due while the frames [pos, pos + frames) are played: a point
// whose trigger lies after pos and no later than the block's end, with jumps
// left. `before` frames are played up to the trigger, then playback goes on
// from `target`.
struct LoopJump {
  int point = 0;
  int64_t before = 0;
  int64_t target = 0;
};
std::optional<LoopJump> findLoopJump(const LoopHeader& header, const LoopUses& uses, int64_t pos, int64_t frames);
// Playback found beyond a trigger counts that point afresh.
void resetPassedLoops(const LoopHeader& header, LoopUses& uses, int64_t pos);
// A jump taken.
void countLoopJump(const LoopHeader& header, LoopUses& uses, int point);

}  // namespace sorvane::sound
