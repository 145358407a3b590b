// The two ability catalogues: which ids are named, the texts players see, and
// the bracketed names that every rule looks for in a unit's TNS.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/deta.h"

namespace sorvane {
namespace {

const Tdeta& catalogues() {
  static const std::unique_ptr<Tdeta> deta = [] {
    auto d = std::make_unique<Tdeta>();
    d->InitAbilities();
    return d;
  }();
  return *deta;
}

// The id ranges that have no ability.
const std::vector<std::pair<int, int>> kUnnamedRanges = {
    {0, 0}, {17, 30}, {35, 40}, {52, 60}, {73, 80}, {96, 100}, {113, 120}, {132, 140}, {160, 160},
    {163, 170}, {180, 190}, {201, 210}, {227, 240}, {248, 250}, {260, 270}, {273, 280}, {283, 283},
    {293, 300}, {311, 320}, {324, 330}, {337, 340}, {346, 349}, {355, 359}, {366, 369}, {376, 398}};

bool isUnnamed(int id) {
  for (auto [first, last] : kUnnamedRanges)
    if (id >= first && id <= last) return true;
  return false;
}

TEST(PassiveAbilities, EveryIdIsItsOwnIndex) {
  for (int id = 0; id < kAbilityCount; ++id) EXPECT_EQ(catalogues().abilities[id].Id, id);
}

TEST(PassiveAbilities, NamedIdsHaveABracketedNameAndADescription) {
  int named = 0;
  for (int id = 0; id < kAbilityCount; ++id) {
    const Ttst& a = catalogues().abilities[id];
    if (isUnnamed(id)) {
      EXPECT_EQ(a.Name, "") << "id " << id;
      EXPECT_EQ(a.Desc, "") << "id " << id;
      continue;
    }
    ++named;
    ASSERT_GE(a.Name.size(), 3u) << "id " << id;
    // One bracket pair around the whole name: a bracket inside it would let a
    // joined TNS match a name that no single ability has.
    EXPECT_EQ(a.Name.front(), '[') << a.Name;
    EXPECT_EQ(a.Name.back(), ']') << a.Name;
    EXPECT_EQ(a.Name.find_first_of("[]", 1), a.Name.size() - 1) << a.Name;
    EXPECT_FALSE(a.Desc.empty()) << a.Name;
  }
  EXPECT_EQ(named, 215);
}

TEST(PassiveAbilities, NoNameOccursInsideAnother) {
  const auto& all = catalogues().abilities;
  for (const Ttst& a : all) {
    if (a.Name.empty()) continue;
    for (const Ttst& b : all) {
      if (a.Id != b.Id && !b.Name.empty()) {
        EXPECT_EQ(b.Name.find(a.Name), std::string::npos) << a.Name << " in " << b.Name;
      }
    }
  }
}

struct TellingEntry {
  int id;
  const char* name;
  const char* desc;
};

const TellingEntry kTellingEntries[] = {
    {  1, "[炎の加護]", "味方[炎属性]の攻撃力、防御力、魔力5%アップ。"},
    { 14, "[完全操作]", "自マスターは技、移動ができない。"},
    { 31, "[範囲重力]", "移動した時に、自分から3マス以内にいる自分以外のキャラを[重力]にする。"},
    { 50, "[エアフュージョン]", "自分の属性が天気と同じになる。"},
    { 83, "[攻撃強化]", "自分の攻撃力15%アップ。"},
    {106, "[地形侵食炎]", "通過したマスが[焼野原]になる。"},
    {147, "[カウンター]", "技でダメージを受けた時、ダメージの25%を相手にも与える。"},
    {212, "[不死鳥]", "[死亡]した時、1度だけHP全快で[召喚済]になる。"},
    {286, "[守護]", "味方マスターの隣に居れば、マスターの代わりに技を受ける。(効果1以下で攻撃値のある技に限る)"},
    {323, "[完全耐性]", "状態異常、状態変化にならない。ステータスが変化しない。"},
    {350, "[召喚時間制限]", "[召喚済]になった4ターン後のフェイズの終わりに[待機]に戻る。"},
    {401, "[ラビットホール]", "クリーチャーを召喚する時、召喚時間を1少なくする。"},
};

TEST(PassiveAbilities, TellingEntriesReadExactly) {
  for (const TellingEntry& e : kTellingEntries) {
    const Ttst& a = catalogues().abilities[e.id];
    EXPECT_EQ(a.Name, e.name) << "id " << e.id;
    EXPECT_EQ(a.Desc, e.desc) << "id " << e.id;
  }
}

TEST(PassiveAbilities, AbilityNameOfAnUnknownIdIsEmpty) {
  EXPECT_EQ(catalogues().abilityName(-1), "");
  EXPECT_EQ(catalogues().abilityName(kAbilityCount), "");
  EXPECT_EQ(catalogues().abilityName(81), "[飛行]");
}

// --- The ability test on TNS ---

Tkst unitWith(const std::array<i32, 4>& tn) {
  Tkst u;
  u.TN = tn;
  u.TNS = catalogues().buildTNS(tn);
  return u;
}

TEST(AbilityTest, HoldsExactlyTheAbilitiesOfItsTN) {
  Tkst u = unitWith({81, 0, 83, 0});
  EXPECT_EQ(u.TNS.str(), "[飛行][攻撃強化]");
  for (int id = 0; id < kAbilityCount; ++id)
    EXPECT_EQ(catalogues().hasAbility(u, id), id == 81 || id == 83) << catalogues().abilityName(id);
}

TEST(AbilityTest, BracketsKeepNumberedNamesApart) {
  Tkst u = unitWith({351, 0, 0, 0});
  EXPECT_TRUE(catalogues().hasAbility(u, 351));
  EXPECT_FALSE(catalogues().hasAbility(u, 350)) << "[召喚時間制限] must not be found in [召喚時間制限1]";
}

TEST(AbilityTest, EmptyTNHoldsNothing) {
  Tkst u = unitWith({0, 0, 0, 0});
  EXPECT_TRUE(u.TNS.empty());
  for (int id = 0; id < kAbilityCount; ++id) EXPECT_FALSE(catalogues().hasAbility(u, id)) << "id " << id;
}

// --- Usable abilities ---

struct SpecialEntry {
  int id;
  const char* name;
  int range, selfOK, area, uses, targetKind;
  const char* desc;
};

// Line breaks in the descriptions are carriage returns. ■特殊能力封印 says 射程1
// but reaches 2 cells: both are the game's own values.
const SpecialEntry kSpecials[] = {
    { 0, "", 0, 0, 0, 0, 0, ""},
    { 1, "■癒しのオーラ", 0, 1, 3, 5, 2, "相手のHP10%回復。\r射程0 効果3 使用可能回数5"},
    { 2, "■癒しの風", 6, 1, 1, 3, 2, "相手のHP10%回復。\r射程6 効果1 使用可能回数3"},
    { 3, "■祈り", 2, 1, 1, 2, 2, "相手のHP15%回復。\r射程2 効果1 使用可能回数2"},
    { 4, "■マスター回復", 1, 0, 1, 2, 3, "自マスターの状態異常を全て治し、HP20%回復。\r射程1 効果1 使用可能回数2"},
    { 5, "■セラピー", 2, 1, 1, 4, 2, "自分のHP20%減少、相手のSP3回復。\r射程2 効果1 使用可能回数4"},
    { 6, "■瘴気", 0, 1, 99, 2, 2, "相手を[毒]にする。\r射程0 効果99 使用可能回数2"},
    { 7, "■特殊能力封印", 2, 0, 1, 1, 2, "相手の特殊能力を全て消す。\r射程1 効果1 使用可能回数1"},
    { 8, "■連続移動", 0, 1, 1, 10, 2, "技可能回数１ダウン。移動可能回数1アップ。技可能回数が0の時失敗する。\r射程0 効果1 使用可能回数10"},
    { 9, "■人形遣い", 4, 0, 1, 5, 4, "味方の[ブラッドゴーレム][クレイゴーレム][アイアンゴーレム]を操作可能にする。\r移動と使える技は能力使用者に依存する。ファミリアを召喚する技は使えない。\r射程4 効果1 使用可能回数5"},
    {10, "■死霊術", 1, 0, 1, 4, 1, "同レベルの使い魔[スケルトン][ワイト][ゴースト]をランダムで一体召喚する。\r射程1 効果1 使用可能回数4"},
    {11, "■事象壁", 0, 1, 2, 1, 0, "選択した地形を[移動不能]にする。\r射程0 効果2 使用可能回数1"},
    {12, "■ロストイデア", 1, 0, 1, 2, 0, "対象と同じ属性のキャラを[無属性]にする。\r対象と同じ地形を[平地]にする。\r射程1 効果1 使用可能回数2"},
};

TEST(UsableAbilities, EveryEntryReadsExactly) {
  static_assert(std::size(kSpecials) == kSpecialCount);
  for (const SpecialEntry& e : kSpecials) {
    const Thst& s = catalogues().specials[e.id];
    EXPECT_EQ(s.Id, e.id);
    EXPECT_EQ(s.Name, e.name) << "id " << e.id;
    EXPECT_EQ(s.Range, e.range) << e.name;
    EXPECT_EQ(s.SelfOK, e.selfOK) << e.name;
    EXPECT_EQ(s.Area, e.area) << e.name;
    EXPECT_EQ(s.Uses, e.uses) << e.name;
    EXPECT_EQ(s.TargetKind, e.targetKind) << e.name;
    EXPECT_EQ(s.Desc, e.desc) << e.name;
  }
}

}  // namespace
}  // namespace sorvane
