#include "campaign/rewards.h"

#include <algorithm>
#include <string>

#include "data/saturating.h"

namespace sorvane::rewards {

namespace {

constexpr i32 kMaxLevel = 50;
constexpr i32 kLastCampaignStage = 14;
constexpr i32 kLastExtraStage = 69;
constexpr int kEnemyCreatureSlots = kLastCreatureSlot - kFirstCreatureSlot + 1;

// Experience of a won battle for a unit whose level lies `gap` below the
// strongest enemy (a negative gap: the unit is stronger). Gaps beyond the
// table's ends count as its ends.
i32 victoryExperience(i32 gap) {
  //                                     gap: -5 -4  -3  -2  -1
  static constexpr i32 kBelowEnemyLevel[] = {5, 5, 10, 20, 30};
  gap = std::clamp(gap, i32{-5}, i32{10});
  if (gap < 0) return kBelowEnemyLevel[gap + 5];
  return 40 * (gap + 1);  // 40, 80, ..., 440
}

// Story battles that decide the captured creature themselves.
struct StoryCapture {
  i32 storyStage;
  i32 creature;  // given when not yet acquired; 0: nothing is captured
};
constexpr StoryCapture kStoryCaptures[] = {
    {0, 36}, {1, 63}, {3, 80}, {4, 49},  // the story hands over these creatures
    {2, 0},  {10, 0}, {14, 0},           // and lets nothing be captured here
};

// The master characters a battle can unlock, tested in this order.
struct CharacterUnlock {
  int character;
  const char* name;
  bool (*met)(const Battle&, const Campaign&);
};

int collectionCount(const Tdeta& d) {
  int n = 0;
  for (int t = 1; t < kCollectable; ++t) n += (d.defeated[t] != 0) + (d.acquired[t] != 0) + (d.summoned[t] != 0);
  return n;
}

bool isStoryBattleOf(const Battle& b, i32 stage) { return b.s.storyBattle == 1 && b.s.storyStage == stage; }

bool validEntry(i32 type) { return type > 0 && type < kCreatureCount; }

i32 masterCatalogueLevel(const Battle& b) {
  i32 type = b.d.k[kPlayerMaster].Type;
  return validEntry(type) ? b.d.creatures[type].Lv : 0;
}

const CharacterUnlock kCharacterUnlocks[] = {
    {1, "ルエリア", [](const Battle& b, const Campaign&) { return b.d.records.recSummons > 149; }},
    {2, "リリィ", [](const Battle& b, const Campaign&) { return b.d.records.recHealed > 499; }},
    {3, "エンジュ", [](const Battle& b, const Campaign&) { return b.d.records.recBattles > 99; }},
    {4, "シレネ", [](const Battle& b, const Campaign&) { return b.turn < 4; }},
    {5, "ミレット", [](const Battle& b, const Campaign&) { return b.d.records.recMaxKills > 3; }},
    {6, "カシア", [](const Battle& b, const Campaign&) { return b.d.records.recMaxDamage > 199; }},
    {7, "アヤメ", [](const Battle& b, const Campaign&) { return collectionCount(b.d) > 99; }},
    {8, "カエデ", [](const Battle&, const Campaign& c) { return c.BP > 499; }},
    {9, "チーゼル", [](const Battle& b, const Campaign&) {
       return std::all_of(b.d.jobOpen.begin(), b.d.jobOpen.end(), [](byte open) { return open != 0; });
     }},
    {10, "ｱﾘｽ_ｴﾈﾙｹﾞｲｱ", [](const Battle& b, const Campaign&) {
       return isStoryBattleOf(b, kLastCampaignStage) && masterCatalogueLevel(b) < 33;
     }},
};

}  // namespace

i32 highestEnemyLevel(const Battle& b) {
  i32 level = 0;
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    const Tkst& u = b.d.k[i];
    if (u.Team == 2 && u.Type > 0) level = std::max(level, u.Lv);
  }
  return level;
}

// Enemy creature slots whose unit died; each pays 5 experience and 1 BP,
// whatever the result.
i32 deadEnemyCreatures(const Battle& b) {
  i32 n = 0;
  for (int i = 0; i <= b.s.lastUnit; ++i) {
    const Tkst& u = b.d.k[i];
    if (u.Team == 2 && u.Kind == KindCreature && u.Type > 0 && u.State == Dead) ++n;
  }
  return n;
}

void countBattle(Battle& b) {
  RecordCounters& r = b.d.records;
  if (b.battleResult == Surrendered) return;
  addClamped(r.recBattles, 1);
  addClamped(b.s.storyBattle == 1 ? r.recEventBattles : r.recFreeBattles, 1);
  if (b.battleResult == Won) addClamped(r.recWins, 1);
  else if (b.battleResult == Lost) addClamped(r.recLosses, 1);
  else if (b.battleResult == Draw) addClamped(r.recDraws, 1);
}

// Experience for the player's master and creature slots, written to their
// catalogue entries; returns the lines of the reward message.
std::string payExperience(Battle& b, i32 enemyLevel, i32 deadEnemies) {
  Tdeta& d = b.d;
  const i32 masterLv = masterCatalogueLevel(b);
  std::string report;
  for (int i = kPlayerMaster; i <= kLastCreatureSlot; ++i) {
    const Tkst& u = d.k[i];
    if (!validEntry(u.Type)) continue;
    Tcst& c = d.creatures[u.Type];
    i32 x = 0;
    if (b.battleResult == Won) {
      x = victoryExperience(enemyLevel - c.Lv);
      if (b.s.storyBattle == 1) x += 40;
      if (isStoryBattleOf(b, 7)) x *= 2;
      if (isStoryBattleOf(b, 12)) x *= 2;
      if (i != kPlayerMaster && c.Lv < masterLv) x += 25 * (masterLv - c.Lv);
    }
    x += 5 * deadEnemies;
    addClamped(c.Exp, x);
    report += u.N.str() + "は" + std::to_string(x) + "の経験値を得ました。\n";
    // Experience past level 50 is cut off before the level-up is announced.
    if (c.Exp / 100 + c.Lv > kMaxLevel) c.Exp -= (c.Exp / 100 + c.Lv - kMaxLevel) * 100;
    if (c.Lv < kMaxLevel && c.Exp / 100 > 0)
      report += u.N.str() + "はレベル[" + std::to_string(c.Lv) + "→" + std::to_string(c.Lv + c.Exp / 100) + "]アップ！\n";
    if (c.Lv > kMaxLevel - 1) c.Exp = 0;
    report += "\n";
  }
  return report;
}

void levelUp(Battle& b) {
  for (int i = kPlayerMaster; i <= kLastCreatureSlot; ++i) {
    i32 type = b.d.k[i].Type;
    if (!validEntry(type)) continue;
    Tcst& c = b.d.creatures[type];
    if (c.Exp / 100 > 0) {
      c.Lv += c.Exp / 100;
      c.Exp %= 100;
    }
    if (c.Lv > kMaxLevel - 1) {
      c.Lv = kMaxLevel;
      c.Exp = 0;
    }
  }
}

namespace {

// One capture draw among the first enemy master's creature slots: the type of
// the drawn slot, when it is not owned yet and a second draw falls below the
// threshold; else 0.
i32 captureDraw(Battle& b, i32 threshold) {
  const i32 t = b.d.k[kEnemyMaster + kFirstCreatureSlot + b.s.Random(kEnemyCreatureSlots)].Type;
  if (t < 1 || t >= kCollectable || b.d.acquired[t] != 0) return 0;
  const Tcst& c = b.d.creatures[t];
  return b.s.Random(c.SumT + c.SumC / 2) < threshold ? t : 0;
}

void capture(Battle& b) {
  Tdeta& d = b.d;
  i32 p = captureDraw(b, 7);
  if (p == 0) p = captureDraw(b, 5);
  if (b.s.storyBattle == 1) {
    for (const StoryCapture& story : kStoryCaptures) {
      if (story.storyStage != b.s.storyStage) continue;
      if (story.creature == 0) p = 0;
      else if (d.acquired[story.creature] == 0) p = story.creature;
    }
  }
  if (p >= kCollectable) p = 0;
  if (p <= 0) return;
  b.view->SE(Sound::Success);
  b.view->message("クリーチャー[" + d.creatures[p].Name + "]を取得しました！");
  b.view->SE(Sound::Confirm);
  d.acquired[p] = 1;
  d.creatures[p].Lv = std::clamp(d.k[kEnemyMaster].Lv, i32{10}, kMaxLevel);
}

void unlockCharacters(Battle& b, const Campaign& campaign) {
  for (const CharacterUnlock& unlock : kCharacterUnlocks) {
    if (b.d.charOpen[unlock.character] != 0 || !unlock.met(b, campaign)) continue;
    b.view->SE(Sound::Success);
    b.view->message(std::string("マスターキャラ[") + unlock.name + "]の取得条件を満たしました！");
    b.view->SE(Sound::Confirm);
    b.d.charOpen[unlock.character] = 1;
  }
}

}  // namespace

void winnersRewards(Battle& b, const Campaign& campaign) {
  capture(b);
  if (isStoryBattleOf(b, kLastCampaignStage)) {
    i32 type = b.d.k[kPlayerMaster].Type;
    if (type >= kFirstMaster && type < kCreatureCount) b.d.jobOpen[jobOf(type)] = 1;
  }
  if (isStoryBattleOf(b, kLastExtraStage)) b.d.extraOpen = 1;
  unlockCharacters(b, campaign);
}

namespace {

void clearBuffsAndStatuses(Tkst& u) {
  u.AtkB = u.DefB = u.MagB = u.MovB = 0;
  u.CritB = u.HitB = u.EvaB = u.ProcB = 0;
  u.HealRes = 0;
  for (int st = 0; st < kStatusCount; ++st) u.status(st) = 0;
}

}  // namespace

// Every unit record back to what stage setup expects: the player's party
// rebuilt from the catalogue (with its new levels), every other record empty.
void resetUnits(Battle& b) {
  Tsyori& s = b.s;
  Tdeta& d = b.d;
  fillGrid(s.unitAt, i32{-1});
  const int last = std::min(s.lastUnit, kUnitCount - 1);
  for (int i = 0; i <= last; ++i) {
    Tkst& u = d.k[i];
    clearBuffsAndStatuses(u);
    // A list of its own: the old one may be shared with other records.
    u.W = SharedArray<i32>::sized(i % kSideSize == 0 ? 8 : 5);
    u.TN = {0, 0, 0, 0};
    u.TNS = Name();
    u.TU = 0;
    u.TUN = 0;
  }
  for (int i = kPlayerMaster; i <= kLastCreatureSlot; ++i) s.SetK(i, d.k[i].Type, 0);
  for (int i = kLastCreatureSlot + 1; i <= last; ++i) s.SetK(i, 0, 0);
}
}  // namespace sorvane::rewards
