#include "campaign/records_view.h"

namespace sorvane {

namespace {

using R = RecordCounters;

struct CounterPlace {
  const char* label;
  i32 R::*counter;
  int x, y;
};
constexpr CounterPlace kCounterPlaces[] = {
    {"戦闘回数：", &R::recBattles, 0, 3},
    {"ｲﾍﾞﾝﾄﾊﾞﾄﾙ：", &R::recEventBattles, 0, 27},
    {"ﾌﾘｰﾊﾞﾄﾙ：", &R::recFreeBattles, 170, 27},
    {"勝利回数：", &R::recWins, 0, 63},
    {"敗北回数：", &R::recLosses, 170, 63},
    {"引き分け回数：", &R::recDraws, 0, 87},
    {"移動回数：", &R::recMoves, 0, 123},
    {"技回数：", &R::recSkills, 170, 123},
    {"召喚回数：", &R::recSummons, 0, 147},
    {"帰還回数：", &R::recReturns, 170, 147},
    {"与ﾀﾞﾒｰｼﾞ：", &R::recDamageDealt, 0, 183},
    {"被ﾀﾞﾒｰｼﾞ：", &R::recDamageTaken, 170, 183},
    {"移動歩数：", &R::recSteps, 0, 207},
    {"HP回復量：", &R::recHealed, 170, 207},
    {"味方ﾏｽﾀｰ死亡回数：", &R::recOwnMasterDeaths, 0, 243},
    {"ｸﾘｰﾁｬｰ：", &R::recOwnCreatureDeaths, 0, 267},
    {"ﾌｧﾐﾘｱ：", &R::recOwnFamiliarDeaths, 170, 267},
    {"相手ﾏｽﾀｰ死亡回数：", &R::recEnemyMasterDeaths, 0, 303},
    {"ｸﾘｰﾁｬｰ：", &R::recEnemyCreatureDeaths, 0, 327},
    {"ﾌｧﾐﾘｱ：", &R::recEnemyFamiliarDeaths, 170, 327},
    {"最大ダメージ：", &R::recMaxDamage, 0, 363},
    {"同時に死亡させたキャラ数：", &R::recMaxKills, 0, 387},
};

constexpr int kJobX[] = {85, 170, 255, 0, 85, 170, 255};
constexpr int kJobY[] = {424, 424, 424, 446, 446, 446, 446};

constexpr const char* kUnlockConditions[] = {
    "はじめから",         "召喚回数150回以上",        "HP回復量500以上",     "戦闘回数100回以上",
    "3ターン以内に勝利",  "同時に4キャラ以上死亡させる", "最大ダメージ200突破", "★を100個以上",
    "BP500以上",          "全ての職業で全クリ",        "レベル32以下で全クリ",
};

constexpr int kLastCreature = 103;

}  // namespace

RecordsView recordsView(const Tdeta& d) {
  RecordsView view;
  for (const CounterPlace& c : kCounterPlaces) view.counters.push_back({c.label, d.records.*c.counter, c.x, c.y});

  for (int j = 0; j < 7; ++j) {
    const bool cleared = d.jobOpen[j] != 0;
    view.jobs.push_back({std::string(cleared ? "◎" : "▲") + std::string(kJobNames[j]), cleared, kJobX[j], kJobY[j]});
  }

  for (int element = 0; element < 7; ++element) {
    for (int t = 1; t <= kLastCreature; ++t) {
      const Tcst& entry = d.creatures[t];
      if (entry.Elem != element) continue;
      CollectionRow row;
      row.type = t;
      row.element = element;
      row.defeated = d.defeated[t] != 0;
      row.acquired = d.acquired[t] != 0;
      row.summoned = d.summoned[t] != 0;
      if (row.defeated || row.acquired) row.name = entry.Name;
      row.iconAlpha = row.acquired ? 255 : row.defeated ? 70 : 17;
      view.defeatedCount += row.defeated;
      view.acquiredCount += row.acquired;
      view.summonedCount += row.summoned;
      view.creatures.push_back(std::move(row));
    }
  }

  for (int c = 0; c < 11; ++c) {
    CharacterRow row;
    row.character = c;
    row.unlocked = d.charOpen[c] != 0;
    if (row.unlocked) row.name = d.creatures[masterEntry(c, 0)].Name;
    row.condition = kUnlockConditions[c];
    view.characters.push_back(std::move(row));
  }
  return view;
}

}  // namespace sorvane
