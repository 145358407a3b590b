// A game state ready for stage setup: filled catalogues, the map archive of
// the build, a seeded generator and the player's master at its new-game level.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/syori.h"

namespace sorvane::testing_stages {

class StageFixture : public ::testing::Test {
 protected:
  StageFixture() {
    s->D->InitSkills();
    s->D->InitAbilities();
    s->D->InitCreatures();
    s->gameDir = SORVANE_GAME_DIR;
    s->maxX = kMapW - 1;
    s->maxY = kMapH - 1;
    for (int c : {0, 25, 92}) s->D->acquired[c] = 1;
    s->rng.Seed(7);
    s->SetK(0, kFirstMaster, 0);
  }

  // The player as master entry `entry` (character 7 × c + job from 251).
  void playAs(int entry) { s->SetK(0, entry, 0); }

  void story(int stage) {
    s->storyStage = stage;
    s->storyBattle = 1;
    s->stageNo = -1;
    s->mapNo = -1;
    s->StageSetup();
  }

  void freeParty(int group, int party, int map) {
    s->storyBattle = 0;
    s->stageNo = 100 * group + party;
    s->mapNo = map;
    s->StageSetup();
  }

  Tkst& k(int i) { return s->D->k[i]; }

  std::optional<std::pair<int, int>> cellOf(int unit) const {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (s->unitAt[x][y] == unit) return std::pair{x, y};
    return std::nullopt;
  }

  std::unique_ptr<Tsyori> s = std::make_unique<Tsyori>();
};

// Everything that makes a battlefield unplayable, as readable lines: units
// off the map or doubled, units on impassable cells, masters cut off from each
// other, masters without room to summon, a far edge that cannot be reached.
inline std::vector<std::string> BattlefieldFaults(const Tsyori& s) {
  constexpr int kMinRoom = 6;  // free cells within summoning distance 2 of a summoning master
  const Tdeta& d = *s.D;
  std::vector<std::string> faults;
  auto at = [](int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; };
  auto chainProxy = [&](int u) { return s.winCondition == 3 && u == 23; };

  std::vector<int> seen(kUnitCount, 0);
  std::vector<std::pair<int, int>> cells(kUnitCount, {-1, -1});
  for (int x = 0; x < kMapW; ++x) {
    for (int y = 0; y < kMapH; ++y) {
      int u = s.unitAt[x][y];
      if (u == -1) continue;
      if (u < 0 || u > s.lastUnit) {
        faults.push_back("unit " + std::to_string(u) + " on " + at(x, y) + " is not in play");
        continue;
      }
      ++seen[u];
      cells[u] = {x, y};
      if (d.k[u].State != OnField) faults.push_back("unit " + std::to_string(u) + " on " + at(x, y) + " is not on the field");
      if (s.terrain[x][y] == 0) faults.push_back("unit " + std::to_string(u) + " stands on impassable " + at(x, y));
    }
  }
  for (int u = 0; u <= s.lastUnit; ++u) {
    bool onField = d.k[u].State == OnField && !chainProxy(u);
    if (onField && seen[u] != 1)
      faults.push_back("unit " + std::to_string(u) + " is on the field but on " + std::to_string(seen[u]) + " cells");
  }
  if (seen[0] != 1) return faults;

  // Everything reachable from the player's master over passable ground.
  std::vector<std::vector<bool>> reach(kMapW, std::vector<bool>(kMapH, false));
  std::vector<std::pair<int, int>> todo = {cells[0]};
  reach[cells[0].first][cells[0].second] = true;
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int i = 0; i < 4; ++i) {
      int nx = x + dx[i], ny = y + dy[i];
      if (nx < 0 || ny < 0 || nx >= kMapW || ny >= kMapH || reach[nx][ny] || s.terrain[nx][ny] == 0) continue;
      reach[nx][ny] = true;
      todo.push_back({nx, ny});
    }
  }
  for (int u = 0; u <= s.lastUnit; ++u)
    if (seen[u] == 1 && !reach[cells[u].first][cells[u].second])
      faults.push_back("unit " + std::to_string(u) + " on " + at(cells[u].first, cells[u].second) + " cannot be reached");
  if (s.winCondition == 1) {
    bool edge = false;
    for (int y = 0; y < kMapH; ++y) edge = edge || reach[kMapW - 1][y];
    if (!edge) faults.push_back("the rightmost column cannot be reached");
  }

  for (int m = 0; m <= s.lastUnit; m += kSideSize) {
    if (seen[m] != 1) continue;
    bool summons = false;
    for (int c = m + 1; c <= m + 6; ++c) summons = summons || (d.k[c].Type != 0 && d.k[c].State == Waiting);
    if (!summons) continue;
    int room = 0;
    auto [mx, my] = cells[m];
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) {
        int dist = std::abs(x - mx) + std::abs(y - my);
        if (dist > 0 && dist <= 2 && s.terrain[x][y] != 0 && s.unitAt[x][y] == -1) ++room;
      }
    if (room < kMinRoom)
      faults.push_back("master " + std::to_string(m) + " has " + std::to_string(room) + " cells to summon on");
  }
  return faults;
}

}  // namespace sorvane::testing_stages
