// What the battlefield shows besides the game state: the ring picked with
// the wheel, the framed cell with its confirmation picture, and the display
// switches of the settings, and the opponents' threat view.
#pragma once

#include <string>

#include "data/grid.h"

namespace sorvane {

struct BoardMarks {
  int pickIndex = 0;          // ring shown in the threat view and the move confirmation (0..15)
  bool framed = false;        // a chosen cell is framed...
  int frameX = 0, frameY = 0;
  std::string confirmation;   // ...with this confirmation picture beside it ("" none)
  bool fastDraw = false;      // lighter range tint instead of darkening, no confirmation pictures
  bool showSide = true, showSpent = true, showHpSp = true;
  // The threat view of every opponent at once: the cells some opponent on
  // the field can reach this phase, or attack from there.
  bool threatsShown = false;
  Grid<byte> threatened{};
};

}  // namespace sorvane
