// StageSetup: turns the data store into a ready battlefield. It resets the 64
// unit records, copies the player's party from the catalogue, runs one stage
// definition, derives what every unit takes from its catalogue entry, and
// loads the map.
#include <algorithm>

#include "data/stages/stage_definition.h"
#include "data/syori.h"

namespace sorvane {

namespace {

constexpr int kPlayerLastCreature = 6;
constexpr int kFreeMapCount = 100;
constexpr int kStoryMapBase = 100;

bool isMasterIndex(int i) { return i % kSideSize == 0; }

// The catalogue entry of a record; a record that holds no valid entry reads as 無し.
const Tcst& entryOf(const Tdeta& d, const Tkst& u) { return d.creatures[u.Type >= 0 && u.Type < kCreatureCount ? u.Type : 0]; }

// A unit's skills from its catalogue entry: the learnable skills it has
// learned, in list order, as many as the unit's list holds.
SharedArray<i32> learnedSkills(const Tcst& entry, std::size_t length) {
  std::vector<i32> w(length, 0);
  std::size_t n = 0;
  for (std::size_t s = 0; s < entry.Sk.size() && n < length; ++s)
    if (entry.SkL.at(s) != 0) w[n++] = entry.Sk[s];
  return SharedArray<i32>(std::move(w));
}

// Innate (0) and learned (1) abilities of an entry, in list order.
std::vector<i32> heldAbilities(const Tcst& entry) {
  std::vector<i32> held;
  for (std::size_t a = 0; a < entry.Ab.size(); ++a) {
    i32 state = entry.AbL.at(a);
    if (state == 0 || state == 1) held.push_back(entry.Ab[a]);
  }
  return held;
}

// What a battle leaves on the player's own records (statuses, buffs and
// passives, healing resistance, action counters, a summon under way, the AI's
// working value) goes, so that a battle that stopped without its end still
// hands the next one the party the preparation screen set up.
void clearBattleFields(Tkst& u, int i) {
  for (int st = 0; st < kStatusCount; ++st) u.status(st) = 0;
  u.AtkB = u.AtkP = u.DefB = u.DefP = u.MagB = u.MagP = u.MovB = u.MovP = 0;
  u.CritB = u.CritP = u.HitB = u.HitP = u.EvaB = u.EvaP = u.ProcB = u.ProcP = 0;
  u.HealRes = 0;
  u.MoveN = u.SkillN = u.SummonN = u.SpecialN = 0;
  u.SumTC = 0;
  // The master stands on the field again, a creature waits to be summoned;
  // an empty slot never took part, so it stays as it is.
  if (isMasterIndex(i)) u.State = OnField;
  else if (u.Type != 0) u.State = Waiting;
  u.AI.ReachSkill = 0;
}

// The highest level a free-battle opponent may have at this point of the story.
i32 levelCap(i32 storyStage) {
  static constexpr i32 kCaps[] = {10, 11, 12, 13, 14, 15, 17, 19, 21, 24, 25, 27, 29, 31, 50};
  if (storyStage < 0 || storyStage >= static_cast<i32>(std::size(kCaps))) return -1;
  return kCaps[storyStage];
}

// Free-battle group for a new free battle at this point of the story; 0 none.
int freeGroupFor(Tsyori& s) {
  const i32 st = s.storyStage;
  auto either = [&](int first, int second) { return s.Random(2) == 0 ? first : second; };
  if (st >= 0 && st <= 2) return 1;
  if (st == 3 || st == 4) return 2;
  if (st == 5 || st == 6) return either(2, 3);
  if (st == 7) return either(3, 4);
  if (st == 8 || st == 9) return either(4, 5);
  if (st == 10) return either(5, 6);
  if (st == 11 || st == 12) return either(6, 7);
  if (st == 13) return either(7, 8);
  if (st == 14 || (st >= 50 && st <= 99)) return 8;
  return 0;
}

// A free-battle group with party index a: a new battle (stageNo −1) draws the
// party; every unit stands at the base level, or one above.
void setUpFreeBattle(Tsyori& s, int group, int a) {
  const int count = stages::PartyCount(group);
  if (count == 0) return;
  if (s.stageNo == -1) a = s.Random(count);
  i32 base = s.D->k[0].Lv - 1;
  const i32 cap = levelCap(s.storyStage);
  if (cap >= 0) base = std::min(base, cap);
  // A master that was never given a level must not field opponents of level 0 or below.
  base = std::max(base, i32{1});
  stages::SetUpParty(s, group, a, base);
}

void runStageDefinition(Tsyori& s) {
  const i32 no = s.stageNo;
  if (no >= 0 && no <= 49) {
    if (s.storyStage >= 0 && s.storyStage < 50) stages::SetUpStoryStage(s, s.storyStage);
  } else if (no >= 50 && no <= 99) {
    if (s.storyStage >= 50 && s.storyStage <= 99) stages::SetUpStoryStage(s, s.storyStage);
  } else if (no >= 100 && no <= 899) {
    setUpFreeBattle(s, no / 100, no % 100);
  } else if (no == -1 && s.storyBattle == 1) {
    if (s.storyStage >= 0) stages::SetUpStoryStage(s, s.storyStage);
  } else if (no == -1) {
    int group = freeGroupFor(s);
    if (group != 0) setUpFreeBattle(s, group, 0);
  }
}

}  // namespace

void Tsyori::StageSetup() {
  Tdeta& d = *D;

  // Every record but the player's party starts from nothing, so the set-up
  // never depends on the battles before it; the party loses what a battle
  // left on it.
  for (int i = 0; i <= kPlayerLastCreature; ++i) clearBattleFields(d.k[i], i);
  for (int i = kPlayerLastCreature + 1; i < kUnitCount; ++i) d.k[i] = Tkst{};

  // 1-4: fresh skill lists and abilities; the player's party from the catalogue.
  for (int i = 0; i < kUnitCount; ++i) d.k[i].W = SharedArray<i32>(std::vector<i32>(isMasterIndex(i) ? 8 : 5, 0));
  for (int i = 0; i <= kPlayerLastCreature; ++i)
    d.k[i].W = learnedSkills(entryOf(d, d.k[i]), isMasterIndex(i) ? 8 : 5);
  for (Tkst& u : d.k) {
    u.TN = {0, 0, 0, 0};
    u.TNS = Name();
    u.TU = 0;
    u.TUN = 0;
  }
  {
    std::vector<i32> held = heldAbilities(entryOf(d, d.k[0]));
    for (std::size_t t = 0; t < held.size() && t < d.k[0].TN.size(); ++t) d.k[0].TN[t] = held[t];
  }

  // 5-7: an empty field with the two first masters on their usual cells.
  fillGrid(unitAt, i32{-1});
  for (int i = 7; i < kUnitCount; ++i) SetK(i, 0, 0);
  lastUnit = 31;
  unitAt[2][2] = 0;
  unitAt[15][11] = 16;
  winCondition = 0;

  // 8: the stage definition.
  runStageDefinition(*this);

  // 9: what every unit in play takes from its master and its catalogue entry.
  for (int u = 0; u <= lastUnit; ++u) {
    Tkst& unit = d.k[u];
    const Tcst& entry = entryOf(d, unit);
    const bool masterInPlay = unit.Master >= 0 && unit.Master < kUnitCount;
    unit.SH = d.k[masterInPlay ? unit.Master : u - u % kSideSize].SH;
    if (unit.Kind != KindMaster) {
      std::vector<i32> held = heldAbilities(entry);
      for (std::size_t t = 0; t < held.size() && t < unit.TN.size(); ++t) unit.TN[t] = held[t];
    }
    unit.TNS = d.buildTNS(unit.TN);
    unit.TU = entry.TU;
    unit.TUN = entry.TU > 0 && entry.TU < kSpecialCount ? d.specials[entry.TU].Uses : 0;
  }

  // 10: the map.
  if (mapNo == -1) LoadMap(storyBattle == 1 ? storyStage + kStoryMapBase : Random(kFreeMapCount));
  else LoadMap(mapNo);
}

}  // namespace sorvane
