// The lab's stage commands: unit initialisation, stage setup, and a list of
// the units in play.
#include <ostream>

#include "lab.h"
#include "lab_parse.h"

namespace sorvane::lab {

// setk I C LV: SetK(I, C, LV).
std::string Lab::cmdSetK(const Args& a) {
  if (a.size() != 3) return "usage: setk I C LV";
  i32 i = 0, c = 0, lv = 0;
  if (!parseInt(a[0], i) || i < 0 || i >= kUnitCount) return "unit index 0..63: " + a[0];
  if (!parseInt(a[1], c) || c < 0 || c >= kCreatureCount) return "catalogue entry 0..327: " + a[1];
  if (!parseInt(a[2], lv)) return "not a number: " + a[2];
  // SetK multiplies the level by the catalogue's growth values.
  if (lv < 0 || lv > 999) return "level 0..999: " + a[2];
  state_->SetK(i, c, lv);
  return {};
}

// stage: StageSetup with the current stageNo, storyStage, storyBattle and mapNo.
std::string Lab::cmdStage(const Args& a) {
  if (!a.empty()) return "usage: stage";
  state_->StageSetup();
  return {};
}

// print units: "index name Type Team Kind State Lv x y" for every unit in play
// (a cell of "- -" is a unit off the map).
std::string Lab::printUnits(const Args& a) {
  if (a.size() != 1) return "usage: print units";
  const Tsyori& s = *state_;
  for (int i = 0; i <= s.lastUnit && i < kUnitCount; ++i) {
    const Tkst& u = s.D->k[i];
    if (u.Type == 0 && u.State != OnField) continue;
    std::string cell = "- -";
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (s.unitAt[x][y] == i) cell = std::to_string(x) + " " + std::to_string(y);
    out_ << i << " " << (u.N.empty() ? "-" : u.N.str()) << " " << u.Type << " " << u.Team << " " << u.Kind << " "
         << u.State << " " << u.Lv << " " << cell << "\n";
  }
  return {};
}

}  // namespace sorvane::lab
