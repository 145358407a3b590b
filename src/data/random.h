// The game's one random generator. Every draw of a battle comes from here, so
// the same seed and the same inputs always give the same battle.
//
// Algorithm: PCG32 (permuted congruential generator, XSH-RR variant). The state
// is a 64-bit LCG, state = state * 6364136223846793005 + 1442695040888963407;
// each step outputs ((s ^ (s >> 18)) >> 27) rotated right by (s >> 59), where s
// is the state before the step. Seeding follows the reference pcg32_srandom
// with the default stream: state = 0, step, state += seed, step.
//
// Random(n) maps a 32-bit output x to floor(x * n / 2^32) and rejects the few
// outputs that would make some results more likely than others (Lemire's
// method), so every value 0..n-1 has exactly the same chance.
#pragma once

#include <cstdint>

namespace sorvane {

class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint64_t seed = 0) { Seed(seed); }

  void Seed(std::uint64_t seed);

  // A uniform integer 0..n-1; 0 when n < 1.
  std::int32_t Random(std::int32_t n);

  // A chance of p percent: Random(100) < p.
  bool Chance(std::int32_t percent) { return Random(100) < percent; }

  std::uint32_t Next32();

  std::uint64_t state() const { return state_; }
  // Continues from a state taken with state(): a replay starts where its battle started.
  void setState(std::uint64_t state) { state_ = state; }

 private:
  std::uint64_t state_ = 0;
};

}  // namespace sorvane
