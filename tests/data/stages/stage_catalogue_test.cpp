// Every story stage and every free-battle party: it sets up on its map as a
// playable battlefield, with the sides, counts and levels of the stage list,
// and every definition uses only what its units can learn.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "data/stages/stage_definition.h"
#include "stage_fixture.h"

namespace sorvane::testing_stages {
namespace {

using stages::PartyDef;
using stages::StageDef;
using stages::UnitDef;

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += "\n  " + l;
  return out;
}

// The stage list: each side's master entry (0 none) and its number of other
// units, the range of levels of everyone but the player, the units other than
// masters on the field at the start, and the victory kind. The player is アリス.
struct StoryRow {
  int stage;
  int side1, units1, side2, units2, side3, units3;
  int minLv, maxLv, onField, win;
};
const StoryRow kStory[] = {
    {0, 257, 2, 0, 0, 0, 0, 9, 10, 0, 0},        {1, 255, 3, 0, 0, 0, 0, 10, 11, 0, 0},
    {2, 256, 3, 0, 0, 0, 0, 11, 12, 0, 0},       {3, 257, 5, 0, 0, 0, 0, 12, 13, 0, 0},
    {4, 255, 6, 0, 0, 0, 0, 14, 14, 0, 0},       {5, 22, 6, 0, 0, 0, 0, 16, 18, 0, 3},
    {6, 253, 6, 0, 0, 0, 0, 17, 17, 0, 0},       {7, 252, 3, 0, 0, 254, 3, 16, 16, 0, 0},
    {8, 253, 6, 0, 0, 0, 0, 18, 26, 0, 0},       {9, 251, 5, 256, 6, 255, 5, 22, 23, 0, 0},
    {10, 257, 2, 256, 6, 252, 8, 23, 26, 6, 1},  {11, 254, 6, 0, 0, 0, 0, 27, 27, 0, 0},
    {12, 252, 4, 0, 0, 255, 4, 24, 25, 0, 0},    {13, 251, 6, 0, 0, 0, 0, 30, 30, 0, 0},
    {14, 257, 6, 0, 0, 0, 0, 31, 32, 0, 0},      {50, 258, 6, 0, 0, 0, 0, 50, 50, 0, 0},
    {51, 270, 6, 0, 0, 0, 0, 50, 50, 0, 0},      {52, 313, 6, 0, 0, 0, 0, 50, 50, 0, 0},
    {53, 304, 6, 0, 0, 0, 0, 50, 50, 0, 0},      {54, 272, 6, 0, 0, 0, 0, 50, 50, 0, 0},
    {55, 253, 6, 0, 0, 0, 0, 50, 50, 0, 0},      {56, 282, 5, 0, 0, 0, 0, 50, 50, 0, 0},
    {57, 290, 6, 0, 0, 0, 0, 50, 50, 0, 0},      {58, 294, 6, 0, 0, 0, 0, 50, 50, 0, 0},
    {59, 256, 6, 0, 0, 0, 0, 50, 50, 0, 0},      {60, 323, 6, 264, 6, 270, 6, 50, 100, 0, 0},
    {61, 21, 6, 0, 0, 0, 0, 50, 50, 0, 3},       {62, 257, 3, 256, 6, 252, 11, 50, 50, 8, 1},
    {63, 272, 0, 0, 0, 0, 0, 100, 100, 0, 0},    {64, 0, 6, 0, 0, 304, 2, 50, 50, 8, 0},
    {65, 257, 0, 0, 0, 0, 0, 50, 50, 0, 4},      {66, 252, 1, 0, 0, 256, 10, 50, 50, 8, 2},
    {67, 48, 6, 0, 0, 0, 0, 50, 50, 0, 3},       {68, 282, 2, 294, 2, 290, 2, 50, 50, 0, 0},
    {69, 253, 6, 0, 0, 0, 0, 50, 50, 0, 0},
};

class StoryStages : public StageFixture, public ::testing::WithParamInterface<StoryRow> {};

TEST_P(StoryStages, SetUpAsListed) {
  const StoryRow& row = GetParam();
  story(row.stage);
  EXPECT_EQ(s->stageNo, row.stage);
  EXPECT_EQ(s->mapNo, 100 + row.stage);
  EXPECT_EQ(s->winCondition, row.win);
  const bool extraSides = row.side2 || row.units2 || row.side3 || row.units3;
  EXPECT_EQ(s->lastUnit, extraSides ? 63 : 31);

  const int masters[] = {16, 32, 48};
  const int entries[] = {row.side1, row.side2, row.side3};
  const int counts[] = {row.units1, row.units2, row.units3};
  for (int side = 0; side < 3; ++side) {
    int m = masters[side];
    EXPECT_EQ(k(m).Type, entries[side]) << "master of side " << side + 1;
    int units = 0;
    for (int i = m + 1; i < m + kSideSize; ++i) units += k(i).Type != 0;
    EXPECT_EQ(units, counts[side]) << "units of side " << side + 1;
  }

  int minLv = 1000, maxLv = 0, onField = 0;
  for (int i = kSideSize; i <= s->lastUnit; ++i) {
    if (k(i).Type == 0) continue;
    minLv = std::min(minLv, k(i).Lv);
    maxLv = std::max(maxLv, k(i).Lv);
    if (i % kSideSize != 0 && k(i).State == OnField && cellOf(i)) {
      ++onField;
      EXPECT_EQ(k(i).Kind, KindMaster) << "placed unit " << i;
    }
  }
  EXPECT_EQ(minLv, row.minLv);
  EXPECT_EQ(maxLv, row.maxLv);
  EXPECT_EQ(onField, row.onField);

  // Sides 2 and 3 change team only where the list says so.
  if (row.side2 || row.units2) {
    EXPECT_EQ(k(33).Team, row.stage == 68 ? 2 : 1);
  }
  if (row.side3 || row.units3) {
    EXPECT_EQ(k(49).Team, row.stage == 60 ? 1 : 2);
  }
  for (int i = kSideSize; i <= s->lastUnit; ++i) {
    if (k(i).Type == 0) continue;
    EXPECT_EQ(k(i).AI.Auto, k(i).Team == 2 ? 1 : 0) << "unit " << i << ": the opponents are the computer's";
    EXPECT_EQ(k(i).TNS, s->D->buildTNS(k(i).TN)) << i;
  }

  std::vector<std::string> faults = BattlefieldFaults(*s);
  EXPECT_TRUE(faults.empty()) << "stage " << row.stage << ":" << joined(faults);
}

INSTANTIATE_TEST_SUITE_P(All, StoryStages, ::testing::ValuesIn(kStory),
                         [](const auto& info) { return "Stage" + std::to_string(info.param.stage); });

// Every player master variant sets up a playable field too.
TEST_F(StageFixture, EveryStoryVariantIsPlayable) {
  for (int entry = kFirstMaster; entry < kCreatureCount; ++entry) {
    playAs(entry);
    for (const auto* table : {&stages::mainStoryStages(), &stages::extraStoryStages()}) {
      for (const StageDef& def : *table) {
        story(def.stage);
        std::vector<std::string> faults = BattlefieldFaults(*s);
        EXPECT_TRUE(faults.empty()) << "stage " << def.stage << " as entry " << entry << ":" << joined(faults);
      }
    }
  }
}

// Group by group: the number of creatures and the job of the master of each party.
struct GroupRow {
  int group;
  const char* creatures;
  const char* jobs;
};
const GroupRow kGroups[] = {
    {1, "222222222222222", "精戦騎狩暗魔治精狩騎魔戦魔戦戦"},
    {2, "633333333343333333", "戦戦狩騎暗魔治精治戦暗狩治騎魔戦狩狩"},
    {3, "64444444443344444", "治戦騎魔治戦騎治精狩暗精狩魔暗魔精"},
    {4, "55543434634444344", "治戦治魔精暗狩狩暗魔戦治騎精暗治魔"},
    {5, "65564535454454555", "狩狩魔狩騎戦狩狩暗騎精戦魔治魔暗精"},
    {6, "66665666555554544", "魔狩戦治戦騎騎精精騎騎治騎暗魔暗治"},
    {7, "6655656656666454", "狩騎精魔狩狩精騎騎戦戦治魔暗治精"},
    {8, "445665656654645434555555634555565666654666666454555454464546",
     "狩暗戦暗騎騎騎精治暗戦騎狩暗魔治精魔狩治戦騎騎騎騎狩暗騎狩騎精精戦狩治戦騎精精精戦戦治騎騎魔魔治魔暗精暗魔暗治魔暗治精精"},
};

// One UTF-8 job character per party.
std::vector<std::string> jobLetters(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size(); i += 3) out.push_back(text.substr(i, 3));
  return out;
}

class FreeGroups : public StageFixture, public ::testing::WithParamInterface<GroupRow> {};

TEST_P(FreeGroups, EveryPartySetsUpAsListed) {
  const GroupRow& row = GetParam();
  const std::string counts = row.creatures;
  const std::vector<std::string> jobs = jobLetters(row.jobs);
  ASSERT_EQ(stages::PartyCount(row.group), static_cast<int>(counts.size()));
  ASSERT_EQ(jobs.size(), counts.size());
  s->D->creatures[kFirstMaster].Lv = 31;
  playAs(kFirstMaster);
  s->storyStage = 50;  // no cap: base level 30
  for (int p = 0; p < static_cast<int>(counts.size()); ++p) {
    freeParty(row.group, p, p % 100);
    SCOPED_TRACE("group " + std::to_string(row.group) + " party " + std::to_string(p));
    EXPECT_EQ(s->stageNo, 100 * row.group + p);
    EXPECT_EQ(s->lastUnit, 31);
    EXPECT_EQ(s->winCondition, 0);
    const Tkst& m = k(16);
    EXPECT_EQ(std::string(kJobShortNames[jobOf(m.Type)]), jobs[p]);
    EXPECT_LT(m.Type, kFirstMaster + 7) << "the first character";

    // Portrait and name by party index.
    i32 G = row.group == 1 || row.group == 8 ? 181 + p % 4 : (p == 0 ? 185 : 181 + (p - 1) % 4);
    std::string name = G == 183 || G == 184 ? "ゼロット" : "ガーディアン";
    if (row.group == 8 && p == 42) {
      G = 183;
      name = "ガーディアン";
    }
    EXPECT_EQ(m.G, G);
    EXPECT_EQ(m.N.str(), name);

    const i32 level = 30 + ((row.group == 8 || (p == 0 && row.group >= 2)) ? 1 : 0);
    int creatures = 0;
    for (int i = 16; i <= 31; ++i) {
      if (k(i).Type == 0) continue;
      EXPECT_EQ(k(i).Lv, level) << "unit " << i;
      EXPECT_EQ(k(i).AI.Auto, 1);
      if (i > 16) {
        ++creatures;
        EXPECT_EQ(i, 16 + creatures) << "creatures fill the slots from 17";
        EXPECT_EQ(k(i).State, Waiting);
        EXPECT_LE(k(i).Type, 103);
      }
    }
    EXPECT_EQ(creatures, counts[p] - '0');
    EXPECT_EQ(cellOf(0), (std::pair{2, 2}));
    EXPECT_EQ(cellOf(16), (std::pair{15, 11}));
    std::vector<std::string> faults = BattlefieldFaults(*s);
    EXPECT_TRUE(faults.empty()) << joined(faults);
  }
}

INSTANTIATE_TEST_SUITE_P(All, FreeGroups, ::testing::ValuesIn(kGroups),
                         [](const auto& info) { return "Group" + std::to_string(info.param.group); });

// Free battles always put the masters on (2, 2) and (15, 11), and any of the
// hundred free maps may be drawn: each must suit that start.
TEST_F(StageFixture, EveryFreeMapSuitsAFreeBattle) {
  for (int map = 0; map < 100; ++map) {
    freeParty(8, 41, map);  // six creatures
    EXPECT_EQ(s->mapNo, map);
    std::vector<std::string> faults = BattlefieldFaults(*s);
    EXPECT_TRUE(faults.empty()) << "map " << map << ":" << joined(faults);
  }
}

TEST_F(StageFixture, TheMapsVaryInThemeAndClimate) {
  std::set<i32> climates;
  std::map<i32, int> elementMaps;  // element -> maps where its terrain covers a fifth or more
  for (int map = 0; map < 100; ++map) {
    s->LoadMap(map);
    climates.insert(s->climate);
    std::map<i32, int> cells;
    for (const auto& column : s->terrain)
      for (i32 t : column) ++cells[t >= 2 ? t / 2 : 0];
    for (auto [element, n] : cells)
      if (element != 0 && n * 5 >= kMapW * kMapH) ++elementMaps[element];
  }
  for (i32 element = 1; element <= 6; ++element) EXPECT_GE(elementMaps[element], 8) << "element " << element;
  EXPECT_GE(climates.size(), 7u);
}

// Every skill of a definition is one its unit can learn, within the list's length.
void expectLearnable(const Tdeta& d, const std::string& where, int slot, i32 entry, const std::vector<i32>& W) {
  const Tcst& e = d.creatures[entry];
  const std::vector<i32> learnable = e.Sk.toVector();
  EXPECT_LE(W.size(), slot % kSideSize == 0 ? 8u : 5u) << where;
  std::set<i32> distinct(W.begin(), W.end());
  EXPECT_EQ(distinct.size(), W.size()) << where << ": a skill twice";
  for (i32 skill : W) {
    EXPECT_NE(std::find(learnable.begin(), learnable.end(), skill), learnable.end())
        << where << ": " << e.Name << " cannot learn skill " << skill;
    EXPECT_FALSE(d.skills[skill].Name.empty()) << where << ": no skill " << skill;
  }
}

void expectAbilities(const Tdeta& d, const std::string& where, const std::vector<i32>& TN) {
  EXPECT_LE(TN.size(), 4u) << where;
  for (i32 a : TN) EXPECT_FALSE(d.abilityName(a).empty()) << where << ": no ability " << a;
}

TEST_F(StageFixture, DefinitionsUseOnlyWhatTheirUnitsCanLearn) {
  const Tdeta& d = *s->D;
  auto checkRows = [&](const StageDef& def, const std::vector<UnitDef>& rows) {
    std::set<int> slots;
    for (const UnitDef& r : rows) {
      std::string where = "stage " + std::to_string(def.stage) + " slot " + std::to_string(r.slot);
      EXPECT_TRUE(slots.insert(r.slot).second) << where << " set up twice";
      EXPECT_GT(r.entry, 0) << where;
      EXPECT_FALSE(d.creatures[r.entry].Name.empty()) << where;
      expectLearnable(d, where, r.slot, r.entry, r.W);
      expectAbilities(d, where, r.TN);
      if (!r.TN.empty()) {
        EXPECT_TRUE(r.slot % kSideSize == 0 || r.at.set()) << where << ": abilities of a creature come from its entry";
      }
      if (r.SH != stages::kKeep) {
        EXPECT_TRUE(r.SH >= 0 && r.SH <= 3) << where;
      }
    }
  };
  for (const auto* table : {&stages::mainStoryStages(), &stages::extraStoryStages()}) {
    for (const StageDef& def : *table) {
      checkRows(def, def.units);
      for (const auto& v : def.variants) checkRows(def, v.units);
    }
  }
  for (const stages::FreeGroup& g : stages::freeBattleGroups()) {
    for (const PartyDef& p : g.parties) {
      std::string where = "group " + std::to_string(g.group) + " party " + std::to_string(p.party);
      expectLearnable(d, where, 16, p.entry, p.W);
      expectAbilities(d, where, p.TN);
      EXPECT_FALSE(p.W.empty()) << where;
      int slot = 17;
      for (const stages::CreatureDef& c : p.creatures) {
        expectLearnable(d, where + " slot " + std::to_string(slot), slot, c.entry, c.W);
        EXPECT_FALSE(c.W.empty()) << where << " slot " << slot << " has no skill";
        ++slot;
      }
    }
  }
}

TEST_F(StageFixture, StoriesAreNumberedOnce) {
  std::set<int> seen;
  for (const StageDef& def : stages::mainStoryStages()) {
    EXPECT_TRUE(def.stage >= 0 && def.stage <= 14) << def.stage;
    EXPECT_TRUE(seen.insert(def.stage).second) << def.stage;
  }
  for (const StageDef& def : stages::extraStoryStages()) {
    EXPECT_TRUE(def.stage >= 50 && def.stage <= 69) << def.stage;
    EXPECT_TRUE(seen.insert(def.stage).second) << def.stage;
  }
  EXPECT_EQ(seen.size(), 35u);
  int parties = 0;
  for (const stages::FreeGroup& g : stages::freeBattleGroups()) {
    for (std::size_t p = 0; p < g.parties.size(); ++p) EXPECT_EQ(g.parties[p].party, static_cast<i32>(p));
    parties += static_cast<int>(g.parties.size());
  }
  EXPECT_EQ(parties, 177);
}

}  // namespace
}  // namespace sorvane::testing_stages
