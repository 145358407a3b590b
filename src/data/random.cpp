#include "data/random.h"

namespace sorvane {

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
}  // namespace

void RandomGenerator::Seed(std::uint64_t seed) {
  state_ = 0;
  Next32();
  state_ += seed;
  Next32();
}

std::uint32_t RandomGenerator::Next32() {
  std::uint64_t old = state_;
  state_ = old * kMultiplier + kIncrement;
  auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  auto rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((-rot) & 31u));
}

std::int32_t RandomGenerator::Random(std::int32_t n) {
  if (n < 1) return 0;
  auto range = static_cast<std::uint32_t>(n);
  std::uint64_t product = std::uint64_t{Next32()} * range;
  auto low = static_cast<std::uint32_t>(product);
  if (low < range) {
    std::uint32_t threshold = (0u - range) % range;
    while (low < threshold) {
      product = std::uint64_t{Next32()} * range;
      low = static_cast<std::uint32_t>(product);
    }
  }
  return static_cast<std::int32_t>(product >> 32);
}

}  // namespace sorvane
