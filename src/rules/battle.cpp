#include "rules/battle.h"

namespace sorvane {

Battle::Battle(Tsyori& state, Presenter& presenter) : s(state), d(*state.D), view(&presenter) {}

bool Battle::findCell(const Grid<i32>& g, int i, int& x, int& y) const {
  bool found = false;
  for (int cx = 0; cx <= s.maxX; ++cx)
    for (int cy = 0; cy <= s.maxY; ++cy)
      if (g[cx][cy] == i) {
        x = cx;
        y = cy;
        found = true;
      }
  return found;
}

}  // namespace sorvane
