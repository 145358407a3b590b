// The usable abilities (the "■" abilities, 特殊): one row per entry. A line
// break inside a description is a carriage return; the last line repeats
// range (射程), area (効果) and uses per battle (使用可能回数).
//
// Target kind: 0 every cell of the area, 1 empty cells, 2 cells holding a unit
// on the field, 3 the cell of the user's own master, 4 cells holding one of the
// user's golems (types 201..203). Area 99 covers the whole map.
//
// ■特殊能力封印 reaches 2 cells although its description says 射程1: the reach
// follows Range, and the description is shown as the player knows it.
#include <array>

#include "data/catalogue.h"

namespace sorvane::tables {
namespace {

struct SpecialRow {
  i32 id;
  const char* name;
  i32 range, selfOK, area, uses, targetKind;
  const char* desc;
};

// clang-format off
constexpr std::array<SpecialRow, kSpecialCount> kSpecialRows = {{
    // id, name, Range, SelfOK, Area, Uses, TargetKind, description
    { 0, "",               0, 0,  0,  0, 0, ""},
    { 1, "■癒しのオーラ",  0, 1,  3,  5, 2, "相手のHP10%回復。\r射程0 効果3 使用可能回数5"},
    { 2, "■癒しの風",      6, 1,  1,  3, 2, "相手のHP10%回復。\r射程6 効果1 使用可能回数3"},
    { 3, "■祈り",          2, 1,  1,  2, 2, "相手のHP15%回復。\r射程2 効果1 使用可能回数2"},
    { 4, "■マスター回復",  1, 0,  1,  2, 3, "自マスターの状態異常を全て治し、HP20%回復。\r射程1 効果1 使用可能回数2"},
    { 5, "■セラピー",      2, 1,  1,  4, 2, "自分のHP20%減少、相手のSP3回復。\r射程2 効果1 使用可能回数4"},
    { 6, "■瘴気",          0, 1, 99,  2, 2, "相手を[毒]にする。\r射程0 効果99 使用可能回数2"},
    { 7, "■特殊能力封印",  2, 0,  1,  1, 2, "相手の特殊能力を全て消す。\r射程1 効果1 使用可能回数1"},
    { 8, "■連続移動",      0, 1,  1, 10, 2, "技可能回数１ダウン。移動可能回数1アップ。技可能回数が0の時失敗する。\r射程0 効果1 使用可能回数10"},
    { 9, "■人形遣い",      4, 0,  1,  5, 4, "味方の[ブラッドゴーレム][クレイゴーレム][アイアンゴーレム]を操作可能にする。\r移動と使える技は能力使用者に依存する。ファミリアを召喚する技は使えない。\r射程4 効果1 使用可能回数5"},
    {10, "■死霊術",        1, 0,  1,  4, 1, "同レベルの使い魔[スケルトン][ワイト][ゴースト]をランダムで一体召喚する。\r射程1 効果1 使用可能回数4"},
    {11, "■事象壁",        0, 1,  2,  1, 0, "選択した地形を[移動不能]にする。\r射程0 効果2 使用可能回数1"},
    {12, "■ロストイデア",  1, 0,  1,  2, 0, "対象と同じ属性のキャラを[無属性]にする。\r対象と同じ地形を[平地]にする。\r射程1 効果1 使用可能回数2"},
}};
// clang-format on

constexpr bool rowsInIdOrder() {
  for (i32 i = 0; i < kSpecialCount; ++i)
    if (kSpecialRows[i].id != i) return false;
  return true;
}
static_assert(rowsInIdOrder(), "usable ability rows must be listed by id, one per id");

}  // namespace

void fillSpecials(std::array<Thst, kSpecialCount>& catalogue) {
  for (const SpecialRow& row : kSpecialRows)
    catalogue[row.id] = Thst{row.name, row.id, row.range, row.selfOK, row.area, row.uses, row.targetKind, row.desc};
}

}  // namespace sorvane::tables
