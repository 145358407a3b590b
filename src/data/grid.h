// Battlefield grids, indexed [x][y] with x the column 0..17 and y the row 0..13.
#pragma once

#include <array>

#include "data/types.h"

namespace sorvane {

template <class T>
using Grid = std::array<std::array<T, kMapH>, kMapW>;

template <class T>
void fillGrid(Grid<T>& grid, const T& value) {
  for (auto& column : grid) column.fill(value);
}

// A byte grid with a 5-cell margin on every side ([-5..22][-5..18]), so area
// loops may run past the map edge without bounds tests; the margin stays 0.
class MarginGrid {
 public:
  static constexpr int kMargin = 5;
  static constexpr int kW = kMapW + 2 * kMargin;
  static constexpr int kH = kMapH + 2 * kMargin;

  byte& operator()(int x, int y) { return cells_[x + kMargin][y + kMargin]; }
  byte operator()(int x, int y) const { return cells_[x + kMargin][y + kMargin]; }
  void clear() {
    for (auto& column : cells_) column.fill(0);
  }

 private:
  std::array<std::array<byte, kH>, kW> cells_{};
};

}  // namespace sorvane
