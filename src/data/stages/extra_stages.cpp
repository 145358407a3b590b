// The extra stories (うらめん): stages 50..69, one block per stage, in the
// same form as the main story. Every unit is at level 50 unless a row says
// otherwise.
#include <array>
#include <utility>

#include "data/stages/stage_definition.h"
#include "data/syori.h"

namespace sorvane::stages {

using namespace ai;

namespace {

// Stage 64: all nine other master characters stand on the field. The one the
// player is cannot be there twice: its record is emptied and アリス (k[16])
// takes its cell. When the player is アリス (or ｱﾘｽ_ｴﾈﾙｹﾞｲｱ) there is no other
// アリス, and side 1 fights without a master record.
void finishAllMasters(Tsyori& s) {
  static constexpr std::array<std::pair<i32, int>, 9> kSlotOfCharacter = {{
      {171, 17}, {172, 18}, {173, 19}, {174, 20}, {175, 21}, {176, 22}, {177, 48}, {178, 49}, {179, 50},
  }};
  auto cellOf = [&](int unit) {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (s.unitAt[x][y] == unit) return std::pair{x, y};
    return std::pair{-1, -1};
  };
  auto takeOff = [&](int unit) {
    auto [x, y] = cellOf(unit);
    if (x >= 0) s.unitAt[x][y] = -1;
  };
  const i32 player = s.D->k[0].G;
  for (auto [portrait, slot] : kSlotOfCharacter) {
    if (portrait != player) continue;
    auto [x, y] = cellOf(slot);
    s.SetK(slot, 0, 0);
    takeOff(slot);
    takeOff(16);
    if (x >= 0) s.unitAt[x][y] = 16;
    return;
  }
  s.SetK(16, 0, 0);
  takeOff(16);
}

}  // namespace

const std::vector<StageDef>& extraStoryStages() {
  // clang-format off
  static const std::vector<StageDef> stages = {
      // Extra 1: ルエリア the warrior.
      {.stage = 50,
       .units = {
           {.slot = 16, .entry = 258, .lv = 50, .SH = MagicStone, .W = {202, 204, 205, 217, 218, 252, 255, 275}, .TN = {401, 83}, .ai = {Ip(104)}},  // (ルエリア/戦)
           {.slot = 17, .entry = 98, .lv = 50, .W = {162, 163, 175, 176, 178}, .ai = {Ip(6)}},  // ウングル
           {.slot = 18, .entry = 80, .lv = 50, .W = {2, 143, 145, 149, 151}},  // サンダーバード
           {.slot = 19, .entry = 79, .lv = 50, .W = {3, 142, 144, 146, 151}},  // 甕槌
           {.slot = 20, .entry = 25, .lv = 50, .W = {10, 56, 59, 144, 158}},  // コウ
           {.slot = 21, .entry = 46, .lv = 50, .W = {1, 71, 83, 162}, .ai = {Ip(6)}},  // セルキー
           {.slot = 22, .entry = 92, .lv = 50, .W = {2, 162, 167, 168, 173}},  // マカラ
       }
      },
      // Extra 2: リリィ the healer.
      {.stage = 51,
       .units = {
           {.slot = 16, .entry = 270, .lv = 50, .SH = MagicCircle, .W = {236, 258, 260, 261, 263, 268, 279, 270}, .TN = {67, 70}, .ai = {Ip(6)}},  // (リリィ/治)
           {.slot = 17, .entry = 16, .lv = 50, .W = {1, 3, 22, 45, 49}, .ai = {Ip(3)}},  // ケルビム
           {.slot = 18, .entry = 51, .lv = 50, .W = {13, 95, 97, 104}, .ai = {Ip(3)}},  // マンドレイク
           {.slot = 19, .entry = 72, .lv = 50, .W = {2, 6, 118, 121, 122}},  // クムバカルナ
           {.slot = 20, .entry = 4, .lv = 50, .W = {1, 3, 5, 6, 8}},  // アリオク
           {.slot = 21, .entry = 55, .lv = 50, .W = {19, 97, 99, 102}, .ai = {Ip(3)}},  // 花魄
           {.slot = 22, .entry = 66, .lv = 50, .W = {9, 17, 122}, .ai = {Ip(3)}},  // スフィンクス
       }
      },
      // Extra 3: カエデ and the forest.
      {.stage = 52,
       .units = {
           {.slot = 16, .entry = 313, .lv = 50, .SH = MagicStone, .W = {237, 238, 306, 307, 309, 257, 280, 259}, .TN = {403, 50}, .ai = {Ip(104)}},  // (カエデ/精)
           {.slot = 17, .entry = 53, .lv = 50, .W = {13, 91, 95}},  // レーシー
           {.slot = 18, .entry = 51, .lv = 50, .W = {13, 95, 97, 104}, .ai = {Ip(3)}},  // マンドレイク
           {.slot = 19, .entry = 59, .lv = 50, .W = {92, 93, 99, 106, 183}},  // 青龍
           {.slot = 20, .entry = 35, .lv = 50, .W = {98, 99, 112, 114}, .ai = {Ip(6)}},  // フロラ
           {.slot = 21, .entry = 50, .lv = 50, .W = {2, 92, 93, 94}},  // エント
           {.slot = 22, .entry = 49, .lv = 50, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
       }
      },
      // Extra 4: アヤメ the mage.
      {.stage = 53,
       .units = {
           {.slot = 16, .entry = 304, .lv = 50, .SH = Chant, .W = {239, 244, 245, 246, 249, 250, 251, 300}, .TN = {404, 85}, .ai = {Ip(105), Retreat()}},  // (アヤメ/魔)
           {.slot = 17, .entry = 18, .lv = 50, .W = {1, 3, 6, 16, 44}},  // 閻魔
           {.slot = 18, .entry = 16, .lv = 50, .W = {1, 3, 22, 45, 49}, .ai = {Ip(3)}},  // ケルビム
           {.slot = 19, .entry = 68, .lv = 50, .W = {15, 122, 130, 138}},  // アイギス
           {.slot = 20, .entry = 93, .lv = 50, .W = {162, 163, 166, 176}, .ai = {Ip(6)}},  // ナイアス
           {.slot = 21, .entry = 62, .lv = 50, .W = {2, 5, 117, 120, 134}},  // 野槌
           {.slot = 22, .entry = 49, .lv = 50, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
       }
      },
      // Extra 5: エンジュ the warrior.
      {.stage = 54,
       .units = {
           {.slot = 16, .entry = 272, .lv = 50, .SH = MagicStone, .W = {202, 204, 205, 217, 218, 252, 255, 275}, .TN = {402, 83}, .ai = {Ip(104)}},  // (エンジュ/戦)
           {.slot = 17, .entry = 28, .lv = 50, .W = {1, 53, 55, 57, 63}},  // フラウロス
           {.slot = 18, .entry = 22, .lv = 50, .W = {1, 50, 53, 54, 60}},  // ウコバク
           {.slot = 19, .entry = 3, .lv = 50, .W = {1, 3, 6, 11, 15}, .ai = {Ip(5), Retreat()}},  // バジリスク
           {.slot = 20, .entry = 2, .lv = 50, .W = {1, 28, 38, 114, 176}, .ai = {Ip(6)}},  // カラドリオス
           {.slot = 21, .entry = 79, .lv = 50, .W = {3, 142, 144, 146, 151}},  // 甕槌
           {.slot = 22, .entry = 62, .lv = 50, .W = {2, 5, 117, 120, 134}},  // 野槌
       }
      },
      // Extra 6: アリス the hunter.
      {.stage = 55,
       .units = {
           {.slot = 16, .entry = 253, .lv = 50, .SH = MagicCircle, .W = {222, 223, 224, 225, 226, 233, 235, 256}, .TN = {88, 130}, .ai = {Ip(104)}},  // (アリス/狩)
           {.slot = 17, .entry = 100, .lv = 50, .W = {2, 164, 165, 169, 172}},  // 玄武
           {.slot = 18, .entry = 51, .lv = 50, .W = {13, 95, 97, 104}, .ai = {Ip(3)}},  // マンドレイク
           {.slot = 19, .entry = 8, .lv = 50, .W = {9, 10, 11, 12, 19}},  // 蟲毒
           {.slot = 20, .entry = 7, .lv = 50, .W = {9, 10, 11, 12}},  // ナムタル
           {.slot = 21, .entry = 76, .lv = 50, .W = {1, 26, 142, 145, 147}},  // グレムリン
           {.slot = 22, .entry = 91, .lv = 50, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
       }
      },
      // Extra 7: シレネ the assassin with five creatures.
      {.stage = 56,
       .units = {
           {.slot = 16, .entry = 282, .lv = 50, .SH = MagicStone, .W = {204, 213, 214, 219, 220, 302, 303, 255}, .TN = {405, 87}, .ai = {Ip(102), Retreat()}},  // (シレネ/暗)
           {.slot = 17, .entry = 44, .lv = 50, .W = {72, 73, 74, 77, 85}},  // オーディン
           {.slot = 18, .entry = 36, .lv = 50, .W = {1, 71, 72, 78}},  // 雪ん子
           {.slot = 19, .entry = 23, .lv = 50, .W = {2, 51, 53, 58, 69}},  // サラマンダー
           {.slot = 20, .entry = 77, .lv = 50, .W = {2, 143, 144, 145, 158}},  // 雷獣
           {.slot = 21, .entry = 22, .lv = 50, .W = {1, 50, 53, 54, 60}},  // ウコバク
       }
      },
      // Extra 8: ミレット and the waters.
      {.stage = 57,
       .units = {
           {.slot = 16, .entry = 290, .lv = 50, .SH = Chant, .W = {239, 244, 245, 246, 249, 250, 251, 300}, .TN = {85, 67}, .ai = {Ip(105), Retreat()}},  // (ミレット/魔)
           {.slot = 17, .entry = 100, .lv = 50, .W = {2, 164, 165, 169, 172}},  // 玄武
           {.slot = 18, .entry = 95, .lv = 50, .W = {1, 160, 164, 167, 174}},  // クラーケン
           {.slot = 19, .entry = 96, .lv = 50, .W = {163, 164, 167, 173, 174}},  // ヴェパール
           {.slot = 20, .entry = 94, .lv = 50, .W = {163, 168, 170, 173, 174}, .ai = {Ip(3)}},  // 蛟
           {.slot = 21, .entry = 91, .lv = 50, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
           {.slot = 22, .entry = 90, .lv = 50, .W = {1, 2, 161, 162, 164}},  // 弥々子
       }
      },
      // Extra 9: カシア the knight and her fire.
      {.stage = 58,
       .units = {
           {.slot = 16, .entry = 294, .lv = 50, .SH = MagicStone, .W = {202, 204, 205, 304, 311, 312, 315, 318}, .TN = {406, 310}, .ai = {Ip(103)}},  // (カシア/騎)
           {.slot = 17, .entry = 32, .lv = 50, .W = {51, 54, 56, 58, 59}},  // 朱雀
           {.slot = 18, .entry = 25, .lv = 50, .W = {10, 56, 59, 144, 158}},  // コウ
           {.slot = 19, .entry = 31, .lv = 50, .W = {18, 54, 55, 69}},  // ペリ
           {.slot = 20, .entry = 24, .lv = 50, .W = {3, 53, 59, 63, 206}},  // スルト
           {.slot = 21, .entry = 22, .lv = 50, .W = {1, 50, 53, 54, 60}},  // ウコバク
           {.slot = 22, .entry = 30, .lv = 50, .W = {38, 53, 54, 56, 58}},  // アータル
       }
      },
      // Extra 10: チーゼル as a healer.
      {.stage = 59,
       .units = {
           {.slot = 16, .entry = 256, .lv = 50, .N = "チーゼル", .G = 179, .SH = MagicCircle, .W = {236, 258, 260, 261, 263, 268, 279, 270}, .TN = {400, 67}, .ai = {Ip(6)}},  // チーゼル (アリス/治)
           {.slot = 17, .entry = 71, .lv = 50, .W = {3, 6, 118, 121, 125}},  // シパクナ
           {.slot = 18, .entry = 67, .lv = 50, .W = {118, 119, 123, 125, 126}},  // ヴィネ
           {.slot = 19, .entry = 70, .lv = 50, .W = {117, 124, 139}},  // ピュグマリオン
           {.slot = 20, .entry = 62, .lv = 50, .W = {2, 5, 117, 120, 134}},  // 野槌
           {.slot = 21, .entry = 63, .lv = 50, .W = {1, 117, 118, 120, 131}},  // ノーム
           {.slot = 22, .entry = 66, .lv = 50, .W = {9, 17, 122}, .ai = {Ip(3)}},  // スフィンクス
       }
      },
      // Extra 11: ｱﾘｽ_ｴﾈﾙｹﾞｲｱ at level 100 against the player and two allies.
      {.stage = 60, .player = {9, 12},
       .units = {
           {.slot = 16, .entry = 323, .lv = 100, .SH = MagicCircle, .W = {222, 223, 224, 225, 226, 233, 235, 256}, .TN = {88, 130}, .ai = {Ip(104)}, .at = {9, 1}},  // (ｱﾘｽ_ｴﾈﾙｹﾞｲｱ/狩)
           {.slot = 17, .entry = 58, .lv = 100, .W = {2, 24, 91, 99, 183}},  // シームルグ
           {.slot = 18, .entry = 86, .lv = 100, .W = {4, 142, 144, 146, 150}},  // アスラ
           {.slot = 19, .entry = 39, .lv = 100, .W = {1, 3, 76, 191, 192}},  // イエティ
           {.slot = 20, .entry = 9, .lv = 100, .W = {1, 2, 3, 5, 146}},  // リモン
           {.slot = 21, .entry = 23, .lv = 100, .W = {2, 51, 53, 58, 69}},  // サラマンダー
           {.slot = 22, .entry = 62, .lv = 100, .W = {2, 5, 117, 120, 134}},  // 野槌
           {.slot = 32, .entry = 264, .lv = 50, .SH = MagicStone, .W = {237, 238, 306, 307, 309, 257, 280, 259}, .TN = {401, 50}, .ai = {Ip(104)}, .at = {7, 11}},  // (ルエリア/精)
           {.slot = 33, .entry = 51, .lv = 50, .W = {13, 95, 97, 104}, .ai = {Ip(3)}},  // マンドレイク
           {.slot = 34, .entry = 84, .lv = 50, .W = {146, 148, 151, 153, 155}},  // インドラ
           {.slot = 35, .entry = 24, .lv = 50, .W = {3, 53, 59, 63, 206}},  // スルト
           {.slot = 36, .entry = 12, .lv = 50, .W = {9, 10, 11, 97}},  // エウリノーム
           {.slot = 37, .entry = 66, .lv = 50, .W = {9, 17, 122}, .ai = {Ip(3)}},  // スフィンクス
           {.slot = 38, .entry = 36, .lv = 50, .W = {1, 71, 72, 78}},  // 雪ん子
           {.slot = 48, .entry = 270, .lv = 50, .SH = MagicCircle, .W = {236, 258, 260, 261, 263, 268, 279, 270}, .TN = {67, 70}, .ai = {Ip(6)}, .at = {11, 11}, .Team = 1, .Auto = 0},  // (リリィ/治)
           {.slot = 49, .entry = 58, .lv = 50, .W = {2, 24, 91, 99, 183}},  // シームルグ
           {.slot = 50, .entry = 16, .lv = 50, .W = {1, 3, 22, 45, 49}, .ai = {Ip(3)}},  // ケルビム
           {.slot = 51, .entry = 41, .lv = 50, .W = {19, 72, 77, 82, 85}},  // カリアッハヴェーラ
           {.slot = 52, .entry = 72, .lv = 50, .W = {2, 6, 118, 121, 122}},  // クムバカルナ
           {.slot = 53, .entry = 82, .lv = 50, .W = {145, 147, 150, 151, 154}},  // フルフル
           {.slot = 54, .entry = 91, .lv = 50, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
       },
       .variants = {
           {{PlayerIs::Portrait, 171}, 2, {  // the player is ルエリア: アリス comes instead
                {.slot = 32, .entry = 253, .lv = 50, .SH = MagicCircle, .W = {222, 223, 224, 225, 226, 233, 235, 256}, .TN = {88, 130}, .ai = {Ip(104)}, .at = {7, 11}},  // (アリス/狩)
                {.slot = 33, .entry = 80, .lv = 50, .W = {2, 143, 145, 149, 151}},  // サンダーバード
                {.slot = 34, .entry = 25, .lv = 50, .W = {10, 56, 59, 144, 158}},  // コウ
                {.slot = 35, .entry = 92, .lv = 50, .W = {2, 162, 167, 168, 173}},  // マカラ
                {.slot = 36, .entry = 49, .lv = 50, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
                {.slot = 37, .entry = 63, .lv = 50, .W = {1, 117, 118, 120, 131}},  // ノーム
                {.slot = 38, .entry = 36, .lv = 50, .W = {1, 71, 72, 78}},  // 雪ん子
           }},
           {{PlayerIs::Portrait, 172}, 3, {  // the player is リリィ: アリス comes instead
                {.slot = 48, .entry = 253, .lv = 50, .SH = MagicCircle, .W = {222, 223, 224, 225, 226, 233, 235, 256}, .TN = {88, 130}, .ai = {Ip(104)}, .at = {11, 11}, .Team = 1, .Auto = 0},  // (アリス/狩)
                {.slot = 49, .entry = 80, .lv = 50, .W = {2, 143, 145, 149, 151}},  // サンダーバード
                {.slot = 50, .entry = 25, .lv = 50, .W = {10, 56, 59, 144, 158}},  // コウ
                {.slot = 51, .entry = 92, .lv = 50, .W = {2, 162, 167, 168, 173}},  // マカラ
                {.slot = 52, .entry = 49, .lv = 50, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
                {.slot = 53, .entry = 63, .lv = 50, .W = {1, 117, 118, 120, 131}},  // ノーム
                {.slot = 54, .entry = 36, .lv = 50, .W = {1, 71, 72, 78}},  // 雪ん子
           }},
       }
      },
      // Extra 12: ティアマト and the six dragons, one after another.
      {.stage = 61, .win = 3, .chain = true,
       .units = {
           {.slot = 16, .entry = 21, .lv = 50, .W = {1, 58, 80, 149, 168}},  // ティアマト
           {.slot = 17, .entry = 33, .lv = 50, .W = {1, 51, 58, 63, 65}},  // ヴィーヴル
           {.slot = 18, .entry = 47, .lv = 50, .W = {1, 71, 76, 80, 82}},  // ニーズヘッグ
           {.slot = 19, .entry = 60, .lv = 50, .W = {1, 2, 92, 96, 183}},  // ミドガルズオルム
           {.slot = 20, .entry = 74, .lv = 50, .W = {1, 118, 121, 122, 126}},  // 大蛇
           {.slot = 21, .entry = 88, .lv = 50, .W = {1, 143, 149, 151, 154}},  // ヴリトラ
           {.slot = 22, .entry = 101, .lv = 50, .W = {1, 160, 168, 173, 174}},  // リヴァイアサン
       }
      },
      // Extra 13: the ゼロット line again, every unit at level 50; reach the rightmost column.
      {.stage = 62, .win = 1, .player = {0, 6},
       .units = {
           {.slot = 16, .entry = 257, .lv = 50, .N = "ゼロット", .G = 183, .SH = MagicCircle, .W = {237, 238, 306, 307, 309, 257, 280, 259}, .TN = {50, 67}, .ai = {Ip(104)}, .at = {16, 5}},  // ゼロット (アリス/精)
           {.slot = 17, .entry = 40, .lv = 50, .W = {1, 72, 75, 77, 80}},  // ウェンディゴ
           {.slot = 18, .entry = 51, .lv = 50, .W = {13, 95, 97, 104}, .ai = {Ip(3)}},  // マンドレイク
           {.slot = 19, .entry = 91, .lv = 50, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
           {.slot = 32, .entry = 256, .lv = 50, .N = "リリィ", .G = 172, .SH = MagicCircle, .W = {236, 258, 260, 261, 264, 265, 278, 268}, .TN = {67, 85}, .at = {0, 7}},  // リリィ (アリス/治)
           {.slot = 33, .entry = 58, .lv = 50, .W = {2, 24, 91, 99, 183}},  // シームルグ
           {.slot = 34, .entry = 16, .lv = 50, .W = {1, 3, 22, 45, 49}, .ai = {Ip(3)}},  // ケルビム
           {.slot = 35, .entry = 41, .lv = 50, .W = {19, 72, 77, 82, 85}},  // カリアッハヴェーラ
           {.slot = 36, .entry = 72, .lv = 50, .W = {2, 6, 118, 121, 122}},  // クムバカルナ
           {.slot = 37, .entry = 82, .lv = 50, .W = {145, 147, 150, 151, 154}},  // フルフル
           {.slot = 38, .entry = 91, .lv = 50, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
           {.slot = 48, .entry = 252, .lv = 50, .N = "ゼロット", .G = 184, .SH = MagicStone, .W = {202, 204, 205, 304, 311, 312, 315, 318}, .TN = {310, 145}, .ai = {Ip(104)}, .at = {16, 8}},  // ゼロット (アリス/騎)
           {.slot = 49, .entry = 94, .lv = 50, .W = {163, 168, 170, 173, 174}, .ai = {Ip(3)}},  // 蛟
           {.slot = 50, .entry = 63, .lv = 50, .W = {1, 117, 118, 120, 131}},  // ノーム
           {.slot = 51, .entry = 37, .lv = 50, .W = {1, 71, 72, 83, 191}},  // コロポックル
           {.slot = 55, .entry = 251, .lv = 50, .N = "ゼロット", .G = 184, .W = {202, 205, 217, 218}, .TN = {83}, .ai = {Axis(1)}, .at = {11, 5}},  // ゼロット (アリス/戦)
           {.slot = 56, .entry = 251, .lv = 50, .N = "ゼロット", .G = 184, .W = {202, 205, 217, 218}, .TN = {83}, .ai = {Axis(1)}, .at = {11, 8}},  // ゼロット (アリス/戦)
           {.slot = 57, .entry = 253, .lv = 50, .N = "ゼロット", .G = 184, .W = {221, 224, 225, 233}, .TN = {88}, .ai = {Ip(102)}, .at = {13, 4}},  // ゼロット (アリス/狩)
           {.slot = 58, .entry = 253, .lv = 50, .N = "ゼロット", .G = 184, .W = {221, 224, 225, 233}, .TN = {88}, .ai = {Ip(102)}, .at = {13, 9}},  // ゼロット (アリス/狩)
           {.slot = 59, .entry = 255, .lv = 50, .N = "ゼロット", .G = 184, .W = {239, 243, 245, 249}, .TN = {85}, .ai = {WTurn(2), Ip(104), Axis(1)}, .at = {14, 6}},  // ゼロット (アリス/魔)
           {.slot = 60, .entry = 255, .lv = 50, .N = "ゼロット", .G = 184, .W = {239, 243, 245, 249}, .TN = {85}, .ai = {WTurn(2), Ip(104), Axis(1)}, .at = {14, 7}},  // ゼロット (アリス/魔)
           {.slot = 61, .entry = 254, .lv = 50, .N = "ゼロット", .G = 184, .W = {213, 220, 302, 303}, .TN = {87}, .ai = {Ip(4)}, .at = {15, 3}},  // ゼロット (アリス/暗)
           {.slot = 62, .entry = 254, .lv = 50, .N = "ゼロット", .G = 184, .W = {213, 220, 302, 303}, .TN = {87}, .ai = {Ip(4)}, .at = {15, 10}},  // ゼロット (アリス/暗)
       },
       .variants = {
           {{PlayerIs::Portrait, 172}, 2, {  // the player is リリィ: アリス comes instead
                {.slot = 32, .entry = 253, .lv = 50, .SH = MagicCircle, .W = {222, 223, 224, 225, 226, 233, 235, 256}, .TN = {88, 130}, .ai = {Ip(104)}, .at = {0, 7}},  // (アリス/狩)
                {.slot = 33, .entry = 80, .lv = 50, .W = {2, 143, 145, 149, 151}},  // サンダーバード
                {.slot = 34, .entry = 25, .lv = 50, .W = {10, 56, 59, 144, 158}},  // コウ
                {.slot = 35, .entry = 92, .lv = 50, .W = {2, 162, 167, 168, 173}},  // マカラ
                {.slot = 36, .entry = 49, .lv = 50, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
                {.slot = 37, .entry = 63, .lv = 50, .W = {1, 117, 118, 120, 131}},  // ノーム
                {.slot = 38, .entry = 36, .lv = 50, .W = {1, 71, 72, 78}},  // 雪ん子
           }},
       }
      },
      // Extra 14: エンジュ alone at level 100.
      {.stage = 63,
       .units = {
           {.slot = 16, .entry = 272, .lv = 100, .SH = MagicStone, .W = {202, 204, 205, 217, 218, 252, 255, 275}, .TN = {402, 83}, .ai = {Ip(1)}},  // (エンジュ/戦)
       }
      },
      // Extra 15: every master character on the field at once; アリス takes the place of the one the player is.
      {.stage = 64, .player = {8, 12},
       .units = {
           {.slot = 16, .entry = 253, .lv = 50, .N = "アリス", .SH = MagicCircle, .W = {222, 223, 224, 225, 226, 233, 235, 256}, .TN = {130, 88}, .ai = {Ip(110)}, .HPLess = 25, .SP = 15},  // アリス (アリス/狩)
           {.slot = 17, .entry = 264, .lv = 50, .W = {237, 238, 306, 307, 259}, .TN = {401}, .at = {12, 1}},  // (ルエリア/精)
           {.slot = 18, .entry = 270, .lv = 50, .W = {236, 258, 261, 268, 279}, .TN = {67}, .at = {15, 1}},  // (リリィ/治)
           {.slot = 19, .entry = 272, .lv = 50, .W = {202, 205, 217, 218, 252}, .TN = {402}, .at = {8, 1}},  // (エンジュ/戦)
           {.slot = 20, .entry = 282, .lv = 50, .W = {213, 219, 220, 302, 303}, .TN = {405}, .at = {15, 12}},  // (シレネ/暗)
           {.slot = 21, .entry = 290, .lv = 50, .W = {239, 243, 245, 249, 251}, .TN = {85}, .at = {15, 6}},  // (ミレット/魔)
           {.slot = 22, .entry = 294, .lv = 50, .W = {205, 304, 311, 315, 318}, .TN = {406}, .at = {1, 12}},  // (カシア/騎)
           {.slot = 48, .entry = 304, .lv = 50, .SH = Chant, .W = {239, 244, 245, 246, 249, 250, 251, 300}, .TN = {404, 85}, .ai = {Ip(105), Retreat()}, .at = {1, 1}, .HPLess = 25, .SP = 15},  // (アヤメ/魔)
           {.slot = 49, .entry = 313, .lv = 50, .W = {237, 238, 306, 307, 259}, .TN = {403}, .at = {4, 1}},  // (カエデ/精)
           {.slot = 50, .entry = 320, .lv = 50, .W = {237, 238, 306, 307, 259}, .TN = {400}, .at = {1, 6}},  // (チーゼル/精)
       },
       .finish = finishAllMasters
      },
      // Extra 16: チコリ alone; win within two turns.
      {.stage = 65, .win = 4,
       .units = {
           {.slot = 16, .entry = 257, .lv = 50, .N = "チコリ", .G = 181, .SH = MagicStone, .W = {237, 238, 306, 307, 309, 257, 280, 259}, .TN = {50, 67}, .ai = {Ip(1)}},  // チコリ (アリス/精)
       }
      },
      // Extra 17: survive nine turns against two ゼロット and their guard.
      {.stage = 66, .win = 2, .player = {8, 12},
       .units = {
           {.slot = 16, .entry = 252, .lv = 50, .N = "ゼロット", .G = 184, .SH = MagicStone, .W = {202, 204, 205, 304, 311, 312, 315, 318}, .TN = {310, 145}, .ai = {Ip(1)}, .at = {7, 0}},  // ゼロット (アリス/騎)
           {.slot = 17, .entry = 102, .lv = 50, .W = {1, 167, 168, 172, 174}},  // バハムート
           {.slot = 48, .entry = 256, .lv = 50, .N = "ゼロット", .G = 183, .SH = MagicCircle, .W = {236, 258, 260, 261, 263, 268, 279, 270}, .TN = {67, 70}, .ai = {Ip(7)}, .at = {10, 0}},  // ゼロット (アリス/治)
           {.slot = 49, .entry = 103, .lv = 50, .W = {9, 10, 18}},  // オニャンコポン
           {.slot = 50, .entry = 66, .lv = 50, .W = {9, 17, 122}, .ai = {Ip(3)}},  // スフィンクス
           {.slot = 55, .entry = 251, .lv = 50, .N = "ゼロット", .G = 183, .W = {202, 205, 217, 218}, .TN = {83}, .at = {7, 4}},  // ゼロット (アリス/戦)
           {.slot = 56, .entry = 251, .lv = 50, .N = "ゼロット", .G = 183, .W = {202, 205, 217, 218}, .TN = {83}, .at = {10, 4}},  // ゼロット (アリス/戦)
           {.slot = 57, .entry = 253, .lv = 50, .N = "ゼロット", .G = 183, .W = {221, 224, 225, 233}, .TN = {88}, .at = {3, 3}},  // ゼロット (アリス/狩)
           {.slot = 58, .entry = 253, .lv = 50, .N = "ゼロット", .G = 183, .W = {221, 224, 225, 233}, .TN = {88}, .at = {14, 3}},  // ゼロット (アリス/狩)
           {.slot = 59, .entry = 254, .lv = 50, .N = "ゼロット", .G = 183, .W = {213, 220, 302, 303}, .TN = {87}, .at = {1, 1}},  // ゼロット (アリス/暗)
           {.slot = 60, .entry = 254, .lv = 50, .N = "ゼロット", .G = 183, .W = {213, 220, 302, 303}, .TN = {87}, .at = {16, 1}},  // ゼロット (アリス/暗)
           {.slot = 61, .entry = 255, .lv = 50, .N = "ゼロット", .G = 183, .W = {239, 243, 245, 249}, .TN = {85}, .at = {5, 2}},  // ゼロット (アリス/魔)
           {.slot = 62, .entry = 255, .lv = 50, .N = "ゼロット", .G = 183, .W = {239, 243, 245, 249}, .TN = {85}, .at = {12, 2}},  // ゼロット (アリス/魔)
       }
      },
      // Extra 18: ロキ and the legendary creatures, one after another.
      {.stage = 67, .win = 3, .chain = true,
       .units = {
           {.slot = 16, .entry = 48, .lv = 50, .W = {9, 77, 82, 85, 185}},  // ロキ
           {.slot = 17, .entry = 75, .lv = 50, .W = {2, 6, 120, 126, 127}, .ai = {Ip(3)}},  // クジャタ
           {.slot = 18, .entry = 61, .lv = 50, .W = {10, 93, 99, 109, 127}, .ai = {Ip(6)}},  // ユグドラシル
           {.slot = 19, .entry = 34, .lv = 50, .W = {51, 54, 57, 58, 63}},  // フェニックス
           {.slot = 20, .entry = 89, .lv = 50, .W = {3, 142, 148, 151, 153}},  // トール
           {.slot = 21, .entry = 102, .lv = 50, .W = {1, 167, 168, 172, 174}},  // バハムート
           {.slot = 22, .entry = 20, .lv = 50, .W = {6, 10, 44, 62, 63}},  // ルシファー
       }
      },
      // Extra 19: シレネ, カシア and ミレット all against the player.
      {.stage = 68, .player = {8, 12},
       .units = {
           {.slot = 16, .entry = 282, .lv = 50, .SH = MagicStone, .W = {204, 213, 214, 219, 220, 302, 303, 255}, .TN = {405, 87}, .ai = {Ip(102), Retreat()}, .at = {15, 12}},  // (シレネ/暗)
           {.slot = 17, .entry = 44, .lv = 50, .W = {72, 73, 74, 77, 85}},  // オーディン
           {.slot = 18, .entry = 37, .lv = 50, .W = {1, 71, 72, 83, 191}},  // コロポックル
           {.slot = 32, .entry = 294, .lv = 50, .SH = MagicStone, .W = {202, 204, 205, 304, 311, 312, 315, 318}, .TN = {406, 310}, .ai = {Ip(103)}, .at = {1, 12}, .Team = 2, .Auto = 1},  // (カシア/騎)
           {.slot = 33, .entry = 30, .lv = 50, .W = {38, 53, 54, 56, 58}},  // アータル
           {.slot = 34, .entry = 25, .lv = 50, .W = {10, 56, 59, 144, 158}},  // コウ
           {.slot = 48, .entry = 290, .lv = 50, .SH = Chant, .W = {239, 244, 245, 246, 249, 250, 251, 300}, .TN = {85, 67}, .ai = {Ip(105), Retreat()}, .at = {8, 1}},  // (ミレット/魔)
           {.slot = 49, .entry = 101, .lv = 50, .W = {1, 160, 168, 173, 174}},  // リヴァイアサン
           {.slot = 50, .entry = 91, .lv = 50, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
       }
      },
      // Extra 20: ｱﾘｽ_ｴﾝﾃﾚｹｲｱ, the last of the extra stages.
      {.stage = 69,
       .units = {
           {.slot = 16, .entry = 253, .lv = 50, .N = "ｱﾘｽ_ｴﾝﾃﾚｹｲｱ", .G = 186, .SH = MagicCircle, .W = {222, 223, 224, 225, 226, 233, 235, 256}, .TN = {88, 130}, .ai = {Ip(104)}},  // ｱﾘｽ_ｴﾝﾃﾚｹｲｱ (アリス/狩)
           {.slot = 17, .entry = 80, .lv = 50, .W = {2, 143, 145, 149, 151}},  // サンダーバード
           {.slot = 18, .entry = 25, .lv = 50, .W = {10, 56, 59, 144, 158}},  // コウ
           {.slot = 19, .entry = 92, .lv = 50, .W = {2, 162, 167, 168, 173}},  // マカラ
           {.slot = 20, .entry = 49, .lv = 50, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
           {.slot = 21, .entry = 63, .lv = 50, .W = {1, 117, 118, 120, 131}},  // ノーム
           {.slot = 22, .entry = 36, .lv = 50, .W = {1, 71, 72, 78}},  // 雪ん子
       }
      },
  };
  // clang-format on
  return stages;
}

}  // namespace sorvane::stages
