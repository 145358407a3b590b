// The game state: the data store plus everything that belongs to the
// battlefield (grids, selection, weather, element fields, campaign counters)
// and the game's one random generator.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/deta.h"
#include "data/grid.h"
#include "data/random.h"

namespace sorvane {

// AI action values: [x][y][skill slot -1..7][target x][target y].
class ActionValues {
 public:
  static constexpr int kSlots = 9;
  ActionValues() : values_(std::size_t{kMapW} * kMapH * kSlots * kMapW * kMapH) {}
  i32& operator()(int x, int y, int slot, int tx, int ty) { return values_[index(x, y, slot, tx, ty)]; }
  i32 operator()(int x, int y, int slot, int tx, int ty) const { return values_[index(x, y, slot, tx, ty)]; }
  const std::vector<i32>& all() const { return values_; }

 private:
  static std::size_t index(int x, int y, int slot, int tx, int ty) {
    return (((std::size_t(x) * kMapH + y) * kSlots + (slot + 1)) * kMapW + tx) * kMapH + ty;
  }
  std::vector<i32> values_;
};

// Owns one object and copies it on copy. Assigning copies into the object it
// already owns, so references to it (a Battle's data store) stay valid.
template <class T>
class DeepPtr {
 public:
  DeepPtr() : p_(std::make_unique<T>()) {}
  DeepPtr(const DeepPtr& other) : p_(std::make_unique<T>(*other.p_)) {}
  DeepPtr& operator=(const DeepPtr& other) {
    if (this != &other) *p_ = *other.p_;
    return *this;
  }
  T* operator->() const { return p_.get(); }
  T& operator*() const { return *p_; }
  T* get() const { return p_.get(); }

 private:
  std::unique_ptr<T> p_;
};

class Tsyori {
 public:
  Tsyori() = default;  // zero-filled state, as a fresh program start has it

  // A whole copy, the data store included: what the engine keeps to undo a
  // move or to put the game back when an order is aborted.
  Tsyori(const Tsyori&) = default;
  Tsyori& operator=(const Tsyori&) = default;

  DeepPtr<Tdeta> D;  // the data store, owned
  Grid<i32> terrain{};
  Grid<i32> unitAt{};   // unit index per cell, -1 empty
  Grid<i32> unitAtW{};  // working copy of unitAt, used with kw
  MarginGrid zoc1, zoc2;
  Grid<byte> warpZone{};
  Grid<std::string> reachPath, areaPath;
  Grid<i32> reachLeft{}, reachTurns{};
  Grid<i32> posValue{};
  ActionValues actValue;
  Grid<byte> reachMark{}, rangeMark{}, threatMark{};
  i32 lastUnit = 0;
  i32 maxX = 0, maxY = 0;
  i32 selUnit = 0, selX = 0, selY = 0;
  i32 selSkill = 0, selSpecial = 0;
  i32 dstX = 0, dstY = 0, tgtX = 0, tgtY = 0, spTgtX = 0, spTgtY = 0;
  i32 sumUnit = 0, sumX = 0, sumY = 0, sacrifice = 0;
  byte simulating = 0;
  i32 reachMode = 0;
  byte lostForest = 0;
  i32 climate = 0;
  i32 weather = 0;
  i32 zokuseiti1 = 0, zokuseiti2 = 0;
  std::string gameDir;  // ends in a path separator
  i32 storyStage = 0;
  byte storyBattle = 0;
  i32 stageNo = 0;
  i32 mapNo = 0;
  i32 winCondition = 0;

  RandomGenerator rng;
  i32 Random(i32 n) { return rng.Random(n); }

  // Copy bank: records 0..lastUnit of k into kw and unitAt into unitAtW, or back.
  void copyToWork();
  void copyFromWork();

  bool hasAbility(int unit, int abilityId) const { return D->hasAbility(D->k[unit], abilityId); }

  // Initialises unit record k[i] from catalogue entry c at level lv.
  void SetK(int i, int c, int lv);
  // Prepares the battle described by stageNo, storyStage and storyBattle.
  void StageSetup();

  // Loads line `m` of map1.dat from dat.qda beside the program into `terrain`.
  void LoadMap(int m);
  // The same from a map file's text already in memory (tests, the lab, tools).
  void LoadMapFromText(int m, std::string_view mapFile);
  // Loads one map line as if it were line `mapNo` of the map file.
  void LoadMapLine(std::string_view line);
};

}  // namespace sorvane
