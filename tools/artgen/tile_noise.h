// Seeded noise that wraps around: a texture sampled over u, v in [0, 1) tiles
// without seams. Every picture draws its grain from one of these, seeded by
// what it shows, so a build always paints the same pixels.
#pragma once

#include <cstdint>

namespace sorvane::artgen {

class TileNoise {
 public:
  explicit TileNoise(std::uint64_t seed) : seed_(seed) {}

  // A number in [0, 1) fixed by the seed and the three integers.
  double hash(std::int64_t a, std::int64_t b, std::int64_t c = 0) const;

  // Smooth value noise in [0, 1) on a lattice of `cells` × `cells` over the unit square.
  double value(double u, double v, int cells) const;

  // Sum of `octaves` value-noise layers, each with twice the cells and `gain` times the weight.
  double fractal(double u, double v, int cells, int octaves, double gain = 0.5) const;

  // Cellular noise: one jittered point per cell of a `cells` × `cells` grid.
  // f1, f2: distances (in cells) to the nearest and second-nearest point; id: the nearest point's cell.
  struct Cell {
    double f1, f2;
    int id;
  };
  Cell cellular(double u, double v, int cells) const;

 private:
  std::uint64_t seed_;
};

}  // namespace sorvane::artgen
