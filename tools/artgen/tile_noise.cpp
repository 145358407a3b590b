#include "tile_noise.h"

#include <cmath>

namespace sorvane::artgen {
namespace {

std::uint64_t mix(std::uint64_t x) {  // splitmix64 finaliser
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

int wrap(std::int64_t i, int n) { return static_cast<int>(((i % n) + n) % n); }

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double TileNoise::hash(std::int64_t a, std::int64_t b, std::int64_t c) const {
  std::uint64_t h = mix(seed_ ^ mix(static_cast<std::uint64_t>(a) ^ mix(static_cast<std::uint64_t>(b) ^ mix(c))));
  return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
}

double TileNoise::value(double u, double v, int cells) const {
  const double x = u * cells, y = v * cells;
  const double fx = std::floor(x), fy = std::floor(y);
  const std::int64_t ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  auto at = [&](std::int64_t i, std::int64_t j) { return hash(wrap(i, cells), wrap(j, cells), cells); };
  const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

double TileNoise::fractal(double u, double v, int cells, int octaves, double gain) const {
  double sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += value(u, v, cells << o) * weight;
    total += weight;
    weight *= gain;
  }
  return sum / total;
}

TileNoise::Cell TileNoise::cellular(double u, double v, int cells) const {
  const double x = u * cells, y = v * cells;
  const std::int64_t ix = static_cast<std::int64_t>(std::floor(x)), iy = static_cast<std::int64_t>(std::floor(y));
  Cell best{1e9, 1e9, 0};
  for (std::int64_t j = iy - 1; j <= iy + 1; ++j) {
    for (std::int64_t i = ix - 1; i <= ix + 1; ++i) {
      const int ci = wrap(i, cells), cj = wrap(j, cells);
      const double px = i + 0.15 + 0.7 * hash(ci, cj, 1000 + cells);
      const double py = j + 0.15 + 0.7 * hash(ci, cj, 2000 + cells);
      const double d = std::hypot(px - x, py - y);
      if (d < best.f1) {
        best.f2 = best.f1;
        best.f1 = d;
        best.id = cj * cells + ci;
      } else if (d < best.f2) {
        best.f2 = d;
      }
    }
  }
  return best;
}

}  // namespace sorvane::artgen
