// The main story: stages 0..14, one block per stage. Each block lists the
// units in the order they are set up (a side's master, then its units by
// slot); a row names only what differs from the catalogue entry and the AI
// defaults. Variants replace a whole side for a particular player master.
//
// Slots: 16 side 1's master, 17..22 its creatures; 32.. side 2 (the player's
// ally); 48.. side 3 (a second opponent); 55.. side 3's familiar slots, used
// here for units that stand on the field from the start.
#include "data/stages/stage_definition.h"

namespace sorvane::stages {

using namespace ai;

const std::vector<StageDef>& mainStoryStages() {
  // clang-format off
  static const std::vector<StageDef> stages = {
      // Stage 0: ルエリア and two creatures, the first battle.
      {.stage = 0, .player = {3, 3},
       .units = {
           {.slot = 16, .entry = 257, .lv = 10, .N = "ルエリア", .G = 171, .SH = MagicStone, .W = {237, 238}, .ai = {Ip(4)}, .at = {14, 10}, .HP = 28},  // ルエリア (アリス/精)
           {.slot = 17, .entry = 36, .lv = 9, .W = {1, 72}},  // 雪ん子
           {.slot = 18, .entry = 24, .lv = 9, .W = {3, 206, 53}},  // スルト
       }
      },
      // Stage 1: チコリ the mage.
      {.stage = 1,
       .units = {
           {.slot = 16, .entry = 255, .lv = 11, .N = "チコリ", .G = 181, .SH = Chant, .W = {305, 239, 243}, .TN = {85}, .ai = {Ip(4)}, .HP = 32},  // チコリ (アリス/魔)
           {.slot = 17, .entry = 39, .lv = 10, .W = {1, 191}},  // イエティ
           {.slot = 18, .entry = 49, .lv = 10, .W = {1, 92}},  // たんころりん
           {.slot = 19, .entry = 63, .lv = 10, .W = {1, 117}},  // ノーム
       }
      },
      // Stage 2: リリィ the healer.
      {.stage = 2,
       .units = {
           {.slot = 16, .entry = 256, .lv = 12, .N = "リリィ", .G = 172, .SH = MagicCircle, .W = {236, 258, 264, 278}, .TN = {67}, .ai = {Ip(4)}, .HP = 38},  // リリィ (アリス/治)
           {.slot = 17, .entry = 58, .lv = 11, .W = {2, 91, 183}},  // シームルグ
           {.slot = 18, .entry = 72, .lv = 11, .W = {2, 118}},  // クムバカルナ
           {.slot = 19, .entry = 91, .lv = 11, .W = {162, 163}},  // ウンディーネ
       }
      },
      // Stage 3: カエデ the spirit-user in her forest.
      {.stage = 3,
       .units = {
           {.slot = 16, .entry = 257, .lv = 13, .N = "カエデ", .G = 178, .SH = MagicStone, .W = {237, 238, 276}, .TN = {403, 50}, .ai = {Ip(104)}},  // カエデ (アリス/精)
           {.slot = 17, .entry = 60, .lv = 12, .W = {1, 92, 96, 183}},  // ミドガルズオルム
           {.slot = 18, .entry = 55, .lv = 13, .W = {97, 99, 102}, .ai = {Ip(3)}},  // 花魄
           {.slot = 19, .entry = 76, .lv = 13, .W = {1, 142, 145}},  // グレムリン
           {.slot = 20, .entry = 90, .lv = 13, .W = {1, 161, 164}},  // 弥々子
           {.slot = 21, .entry = 80, .lv = 12, .W = {2, 143, 149}},  // サンダーバード
       }
      },
      // Stage 4: アヤメ the mage with a full circle.
      {.stage = 4,
       .units = {
           {.slot = 16, .entry = 255, .lv = 14, .N = "アヤメ", .G = 177, .SH = Chant, .W = {305, 239, 243, 244}, .TN = {404, 85}, .ai = {Ip(105), Retreat()}},  // アヤメ (アリス/魔)
           {.slot = 17, .entry = 79, .lv = 14, .W = {3, 142, 146}},  // 甕槌
           {.slot = 18, .entry = 27, .lv = 14, .W = {3, 50, 52, 59}},  // 紅葉
           {.slot = 19, .entry = 90, .lv = 14, .W = {1, 161, 164}},  // 弥々子
           {.slot = 20, .entry = 64, .lv = 14, .W = {3, 6, 118}},  // 大太法師
           {.slot = 21, .entry = 49, .lv = 14, .W = {1, 2, 92}},  // たんころりん
           {.slot = 22, .entry = 38, .lv = 14, .W = {71, 72, 73}},  // つらら
       }
      },
      // Stage 5: a chain of creatures chosen by the player's job; a warrior meets ウコバク's fire.
      {.stage = 5, .win = 3, .chain = true,
       .units = {
           {.slot = 16, .entry = 22, .lv = 16, .W = {50, 53, 60}},  // ウコバク
           {.slot = 17, .entry = 23, .lv = 16, .W = {2, 53, 58}},  // サラマンダー
           {.slot = 18, .entry = 26, .lv = 17, .W = {9, 54, 55, 60}},  // アミィ
           {.slot = 19, .entry = 31, .lv = 17, .W = {18, 54, 55, 69}},  // ペリ
           {.slot = 20, .entry = 28, .lv = 18, .W = {1, 53, 55, 58, 63}},  // フラウロス
           {.slot = 21, .entry = 30, .lv = 18, .W = {53, 54, 56, 58}},  // アータル
           {.slot = 22, .entry = 33, .lv = 18, .W = {1, 51, 58, 59, 63}},  // ヴィーヴル
       },
       .variants = {
           {{PlayerIs::Job, 1}, 1, {  // 騎: 野槌
                {.slot = 16, .entry = 62, .lv = 16, .W = {2, 117, 120}},  // 野槌
                {.slot = 17, .entry = 63, .lv = 16, .W = {1, 117, 118}},  // ノーム
                {.slot = 18, .entry = 64, .lv = 17, .W = {3, 118, 121, 125}},  // 大太法師
                {.slot = 19, .entry = 68, .lv = 17, .W = {15, 122, 130, 138}},  // アイギス
                {.slot = 20, .entry = 67, .lv = 18, .W = {118, 119, 123, 125}},  // ヴィネ
                {.slot = 21, .entry = 73, .lv = 18, .W = {3, 6, 118, 120}},  // 麒麟
                {.slot = 22, .entry = 74, .lv = 18, .W = {1, 2, 118, 121, 122}},  // 大蛇
           }},
           {{PlayerIs::Job, 2}, 1, {  // 狩: グレムリン
                {.slot = 16, .entry = 76, .lv = 16, .W = {1, 142, 145}},  // グレムリン
                {.slot = 17, .entry = 77, .lv = 16, .W = {2, 143, 144}},  // 雷獣
                {.slot = 18, .entry = 82, .lv = 17, .W = {145, 147, 150, 151}},  // フルフル
                {.slot = 19, .entry = 86, .lv = 17, .W = {4, 142, 146, 150}},  // アスラ
                {.slot = 20, .entry = 79, .lv = 18, .W = {3, 142, 146, 151}},  // 甕槌
                {.slot = 21, .entry = 87, .lv = 18, .W = {1, 143, 144, 149}},  // 白虎
                {.slot = 22, .entry = 88, .lv = 18, .W = {1, 2, 143, 149, 151}},  // ヴリトラ
           }},
           {{PlayerIs::Job, 3}, 1, {  // 暗: 雪ん子
                {.slot = 16, .entry = 36, .lv = 16, .W = {1, 71, 72}},  // 雪ん子
                {.slot = 17, .entry = 37, .lv = 16, .W = {1, 71, 72}},  // コロポックル
                {.slot = 18, .entry = 38, .lv = 17, .W = {71, 72, 73, 79}},  // つらら
                {.slot = 19, .entry = 39, .lv = 17, .W = {1, 76, 191, 192}},  // イエティ
                {.slot = 20, .entry = 42, .lv = 18, .W = {13, 72, 79, 80}},  // 雪女
                {.slot = 21, .entry = 40, .lv = 18, .W = {1, 72, 75, 80}},  // ウェンディゴ
                {.slot = 22, .entry = 47, .lv = 18, .W = {1, 2, 71, 76, 80}},  // ニーズヘッグ
           }},
           {{PlayerIs::Job, 4}, 1, {  // 魔: 弥々子
                {.slot = 16, .entry = 90, .lv = 16, .W = {1, 161, 164}},  // 弥々子
                {.slot = 17, .entry = 91, .lv = 16, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
                {.slot = 18, .entry = 92, .lv = 17, .W = {2, 162, 168, 173}},  // マカラ
                {.slot = 19, .entry = 93, .lv = 17, .W = {162, 163, 166, 176}, .ai = {Ip(6)}},  // ナイアス
                {.slot = 20, .entry = 96, .lv = 18, .W = {163, 164, 171, 173}},  // ヴェパール
                {.slot = 21, .entry = 99, .lv = 18, .W = {163, 167, 172, 173}},  // アンピトリテ
                {.slot = 22, .entry = 101, .lv = 18, .W = {1, 160, 168, 169, 173}},  // リヴァイアサン
           }},
           {{PlayerIs::Job, 5}, 1, {  // 治: たんころりん
                {.slot = 16, .entry = 49, .lv = 16, .W = {1, 2, 92}},  // たんころりん
                {.slot = 17, .entry = 50, .lv = 16, .W = {2, 92, 93}},  // エント
                {.slot = 18, .entry = 52, .lv = 17, .W = {91, 94, 99}},  // ドリュアス
                {.slot = 19, .entry = 35, .lv = 17, .W = {98, 99, 112, 114}, .ai = {Ip(6)}},  // フロラ
                {.slot = 20, .entry = 58, .lv = 18, .W = {2, 24, 91, 99, 183}},  // シームルグ
                {.slot = 21, .entry = 59, .lv = 18, .W = {92, 93, 99, 183}},  // 青龍
                {.slot = 22, .entry = 60, .lv = 18, .W = {1, 2, 92, 96, 183}},  // ミドガルズオルム
           }},
           {{PlayerIs::Job, 6}, 1, {  // 精: オニャンコポン
                {.slot = 16, .entry = 103, .lv = 16, .W = {9, 10, 18}},  // オニャンコポン
                {.slot = 17, .entry = 1, .lv = 16, .W = {1, 9, 90, 138}, .ai = {Ip(5), Retreat()}},  // 覚
                {.slot = 18, .entry = 9, .lv = 17, .W = {1, 2, 5, 146}},  // リモン
                {.slot = 19, .entry = 4, .lv = 17, .W = {1, 3, 6, 8}},  // アリオク
                {.slot = 20, .entry = 6, .lv = 18, .W = {3, 7, 9, 10, 39}},  // ネビロス
                {.slot = 21, .entry = 11, .lv = 18, .W = {1, 4, 5, 6, 58}},  // ケルベロス
                {.slot = 22, .entry = 18, .lv = 18, .W = {1, 3, 6, 17, 44}},  // 閻魔
           }},
       }
      },
      // Stage 6: アルカネット the hunter.
      {.stage = 6,
       .units = {
           {.slot = 16, .entry = 253, .lv = 17, .N = "アルカネット", .G = 185, .SH = MagicCircle, .W = {221, 223, 224, 225, 234}, .TN = {88, 130}, .ai = {Ip(104)}},  // アルカネット (アリス/狩)
           {.slot = 17, .entry = 24, .lv = 17, .W = {3, 53, 59, 63, 206}},  // スルト
           {.slot = 18, .entry = 4, .lv = 17, .W = {1, 3, 6, 8}},  // アリオク
           {.slot = 19, .entry = 76, .lv = 17, .W = {1, 142, 145, 147}},  // グレムリン
           {.slot = 20, .entry = 39, .lv = 17, .W = {1, 76, 191, 192}},  // イエティ
           {.slot = 21, .entry = 49, .lv = 17, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
           {.slot = 22, .entry = 25, .lv = 17, .W = {10, 56, 59, 144, 158}},  // コウ
       }
      },
      // Stage 7: two ゼロット, a knight and an assassin, close in from the east.
      {.stage = 7, .player = {2, 7},
       .units = {
           {.slot = 16, .entry = 252, .lv = 16, .N = "ゼロット", .G = 184, .SH = MagicStone, .W = {201, 205, 275, 304}, .TN = {310}, .ai = {Ip(103)}, .at = {15, 5}},  // ゼロット (アリス/騎)
           {.slot = 17, .entry = 92, .lv = 16, .W = {2, 162, 168}},  // マカラ
           {.slot = 18, .entry = 10, .lv = 16, .W = {1, 3, 6, 15}},  // アルゴス
           {.slot = 19, .entry = 94, .lv = 16, .W = {163, 168, 170}, .ai = {Ip(3)}},  // 蛟
           {.slot = 48, .entry = 254, .lv = 16, .N = "ゼロット", .G = 183, .SH = MagicStone, .W = {201, 203, 302, 303}, .TN = {87}, .ai = {Ip(102), Retreat()}, .at = {15, 10}},  // ゼロット (アリス/暗)
           {.slot = 49, .entry = 22, .lv = 16, .W = {50, 53, 60}},  // ウコバク
           {.slot = 50, .entry = 12, .lv = 16, .W = {9, 10, 97}},  // エウリノーム
           {.slot = 51, .entry = 3, .lv = 16, .W = {1, 6, 11, 15}, .ai = {Ip(5), Retreat()}},  // バジリスク
       }
      },
      // Stage 8: ｱﾘｽ_ｴﾈﾙｹﾞｲｱ, far stronger than her level says.
      {.stage = 8,
       .units = {
           {.slot = 16, .entry = 253, .lv = 26, .N = "ｱﾘｽ_ｴﾈﾙｹﾞｲｱ", .G = 180, .SH = MagicCircle, .W = {221, 222, 223, 224, 225, 233, 275}, .TN = {88, 130}, .ai = {Ip(104)}, .HP = 126, .Atk = 87, .Def = 84, .Mag = 80},  // ｱﾘｽ_ｴﾈﾙｹﾞｲｱ (アリス/狩)
           {.slot = 17, .entry = 80, .lv = 18, .W = {2, 143, 149, 151}},  // サンダーバード
           {.slot = 18, .entry = 25, .lv = 18, .W = {10, 56, 59, 144, 158}},  // コウ
           {.slot = 19, .entry = 92, .lv = 18, .W = {2, 162, 168, 173}},  // マカラ
           {.slot = 20, .entry = 49, .lv = 18, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
           {.slot = 21, .entry = 63, .lv = 18, .W = {1, 117, 118, 120}},  // ノーム
           {.slot = 22, .entry = 36, .lv = 18, .W = {1, 71, 72, 78}},  // 雪ん子
       }
      },
      // Stage 9: リリィ fights at the player's side against two ゼロット.
      {.stage = 9, .player = {1, 6},
       .units = {
           {.slot = 16, .entry = 251, .lv = 23, .N = "ゼロット", .G = 184, .SH = MagicStone, .W = {201, 202, 205, 217, 252}, .TN = {83, 84}, .ai = {Ip(104)}, .at = {16, 5}},  // ゼロット (アリス/戦)
           {.slot = 17, .entry = 86, .lv = 23, .W = {4, 142, 146, 150}},  // アスラ
           {.slot = 18, .entry = 94, .lv = 23, .W = {163, 168, 170, 173}, .ai = {Ip(3)}},  // 蛟
           {.slot = 19, .entry = 62, .lv = 23, .W = {2, 5, 117, 120}},  // 野槌
           {.slot = 20, .entry = 26, .lv = 23, .W = {9, 54, 55, 60}},  // アミィ
           {.slot = 21, .entry = 95, .lv = 23, .W = {1, 4, 160, 164}},  // クラーケン
           {.slot = 32, .entry = 256, .lv = 22, .N = "リリィ", .G = 172, .SH = MagicCircle, .W = {236, 258, 260, 261, 264, 265, 278}, .TN = {67, 85}, .at = {1, 7}},  // リリィ (アリス/治)
           {.slot = 33, .entry = 58, .lv = 22, .W = {2, 24, 91, 99, 183}},  // シームルグ
           {.slot = 34, .entry = 16, .lv = 22, .W = {1, 3, 22, 45, 49}, .ai = {Ip(3)}},  // ケルビム
           {.slot = 35, .entry = 41, .lv = 22, .W = {72, 77, 88}},  // カリアッハヴェーラ
           {.slot = 36, .entry = 72, .lv = 22, .W = {2, 118, 121, 122}},  // クムバカルナ
           {.slot = 37, .entry = 82, .lv = 22, .W = {145, 147, 150, 151}},  // フルフル
           {.slot = 38, .entry = 91, .lv = 22, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
           {.slot = 48, .entry = 255, .lv = 23, .N = "ゼロット", .G = 183, .SH = Chant, .W = {305, 239, 240, 243, 244, 300}, .TN = {85, 67}, .ai = {Ip(105), Retreat()}, .at = {16, 8}},  // ゼロット (アリス/魔)
           {.slot = 49, .entry = 71, .lv = 23, .W = {3, 118, 121, 125}},  // シパクナ
           {.slot = 50, .entry = 93, .lv = 23, .W = {162, 163, 166, 176}, .ai = {Ip(6)}},  // ナイアス
           {.slot = 51, .entry = 77, .lv = 23, .W = {2, 143, 144, 145}},  // 雷獣
           {.slot = 52, .entry = 9, .lv = 23, .W = {1, 2, 5, 146}},  // リモン
           {.slot = 53, .entry = 84, .lv = 23, .W = {146, 151, 155}},  // インドラ
       },
       .variants = {
           {{PlayerIs::Portrait, 172}, 2, {  // the player is リリィ: アリス comes instead
                {.slot = 32, .entry = 253, .lv = 22, .SH = MagicCircle, .W = {221, 223, 224, 225, 234}, .TN = {88, 130}, .ai = {Ip(104)}, .at = {1, 7}},  // (アリス/狩)
                {.slot = 33, .entry = 80, .lv = 22, .W = {2, 143, 149, 151}},  // サンダーバード
                {.slot = 34, .entry = 25, .lv = 22, .W = {10, 56, 59, 144, 158}},  // コウ
                {.slot = 35, .entry = 92, .lv = 22, .W = {2, 162, 168, 173}},  // マカラ
                {.slot = 36, .entry = 49, .lv = 22, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
                {.slot = 37, .entry = 63, .lv = 22, .W = {1, 117, 118, 120}},  // ノーム
                {.slot = 38, .entry = 36, .lv = 22, .W = {1, 71, 72, 78}},  // 雪ん子
           }},
       }
      },
      // Stage 10: break through the ゼロット line to the rightmost column.
      {.stage = 10, .win = 1, .player = {0, 6},
       .units = {
           {.slot = 16, .entry = 257, .lv = 26, .N = "ゼロット", .G = 183, .SH = MagicCircle, .W = {238}, .TN = {67}, .ai = {Ip(104)}, .at = {16, 5}},  // ゼロット (アリス/精)
           {.slot = 17, .entry = 73, .lv = 24, .W = {3, 118}, .ai = {SummonTurn(2)}},  // 麒麟
           {.slot = 18, .entry = 40, .lv = 24, .W = {72}},  // ウェンディゴ
           {.slot = 32, .entry = 256, .lv = 23, .N = "リリィ", .G = 172, .SH = MagicCircle, .W = {236, 258, 260, 261, 264, 265, 278}, .TN = {67, 85}, .at = {0, 7}},  // リリィ (アリス/治)
           {.slot = 33, .entry = 58, .lv = 23, .W = {2, 24, 91, 99, 183}},  // シームルグ
           {.slot = 34, .entry = 16, .lv = 23, .W = {1, 3, 22, 45, 49}, .ai = {Ip(3)}},  // ケルビム
           {.slot = 35, .entry = 41, .lv = 23, .W = {72, 77, 88}},  // カリアッハヴェーラ
           {.slot = 36, .entry = 72, .lv = 23, .W = {2, 118, 121, 122}},  // クムバカルナ
           {.slot = 37, .entry = 82, .lv = 23, .W = {145, 147, 150, 151}},  // フルフル
           {.slot = 38, .entry = 91, .lv = 23, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
           {.slot = 48, .entry = 252, .lv = 26, .N = "ゼロット", .G = 184, .SH = MagicStone, .W = {201, 205}, .TN = {310}, .ai = {Ip(104)}, .at = {16, 8}},  // ゼロット (アリス/騎)
           {.slot = 49, .entry = 3, .lv = 24, .W = {1, 11, 15}},  // バジリスク
           {.slot = 50, .entry = 23, .lv = 24, .W = {2, 53}, .ai = {AtkW(0)}},  // サラマンダー
           {.slot = 55, .entry = 251, .lv = 23, .N = "ゼロット", .G = 184, .W = {202, 205}, .ai = {Axis(1)}, .at = {11, 5}},  // ゼロット (アリス/戦)
           {.slot = 56, .entry = 251, .lv = 23, .N = "ゼロット", .G = 184, .W = {203, 205}, .ai = {Axis(1)}, .at = {11, 8}},  // ゼロット (アリス/戦)
           {.slot = 57, .entry = 253, .lv = 23, .N = "ゼロット", .G = 184, .W = {221, 223}, .ai = {Ip(102)}, .at = {13, 4}},  // ゼロット (アリス/狩)
           {.slot = 58, .entry = 253, .lv = 23, .N = "ゼロット", .G = 184, .W = {221, 224}, .ai = {Ip(102)}, .at = {13, 9}},  // ゼロット (アリス/狩)
           {.slot = 59, .entry = 255, .lv = 23, .N = "ゼロット", .G = 184, .W = {239, 243}, .ai = {WTurn(2), Ip(104), Axis(1)}, .at = {14, 6}},  // ゼロット (アリス/魔)
           {.slot = 60, .entry = 255, .lv = 23, .N = "ゼロット", .G = 184, .W = {240, 244}, .ai = {WTurn(2), Ip(104), Axis(1)}, .at = {14, 7}},  // ゼロット (アリス/魔)
       },
       .variants = {
           {{PlayerIs::Portrait, 172}, 2, {  // the player is リリィ: アリス comes instead
                {.slot = 32, .entry = 253, .lv = 23, .SH = MagicCircle, .W = {221, 223, 224, 225, 234}, .TN = {88, 130}, .ai = {Ip(104)}, .at = {0, 7}},  // (アリス/狩)
                {.slot = 33, .entry = 80, .lv = 23, .W = {2, 143, 149, 151}},  // サンダーバード
                {.slot = 34, .entry = 25, .lv = 23, .W = {10, 56, 59, 144, 158}},  // コウ
                {.slot = 35, .entry = 92, .lv = 23, .W = {2, 162, 168, 173}},  // マカラ
                {.slot = 36, .entry = 49, .lv = 23, .W = {1, 2, 92, 113}, .ai = {Ip(6)}},  // たんころりん
                {.slot = 37, .entry = 63, .lv = 23, .W = {1, 117, 118, 120}},  // ノーム
                {.slot = 38, .entry = 36, .lv = 23, .W = {1, 71, 72, 78}},  // 雪ん子
           }},
       }
      },
      // Stage 11: シレネ the assassin.
      {.stage = 11,
       .units = {
           {.slot = 16, .entry = 254, .lv = 27, .N = "シレネ", .G = 174, .SH = MagicStone, .W = {201, 204, 212, 213, 302, 303, 255}, .TN = {405, 87}, .ai = {Ip(102), Retreat()}},  // シレネ (アリス/暗)
           {.slot = 17, .entry = 25, .lv = 27, .W = {10, 56, 59, 144, 158}},  // コウ
           {.slot = 18, .entry = 64, .lv = 27, .W = {3, 6, 118, 121, 125}},  // 大太法師
           {.slot = 19, .entry = 2, .lv = 27, .W = {1, 28, 38, 114, 176}, .ai = {Ip(6)}},  // カラドリオス
           {.slot = 20, .entry = 22, .lv = 27, .W = {1, 50, 53, 54, 60}},  // ウコバク
           {.slot = 21, .entry = 1, .lv = 27, .W = {1, 9, 90, 138, 180}, .ai = {Ip(5), Retreat()}},  // 覚
           {.slot = 22, .entry = 76, .lv = 27, .W = {1, 26, 142, 145, 147}},  // グレムリン
       }
      },
      // Stage 12: カシア and ミレット hold the northern edge.
      {.stage = 12, .player = {8, 12},
       .units = {
           {.slot = 16, .entry = 252, .lv = 25, .N = "カシア", .G = 176, .SH = MagicStone, .W = {202, 205, 275, 304, 311, 312, 318}, .TN = {406, 310}, .ai = {Ip(103)}, .at = {5, 1}},  // カシア (アリス/騎)
           {.slot = 17, .entry = 25, .lv = 24, .W = {10, 56, 59, 144, 158}},  // コウ
           {.slot = 18, .entry = 30, .lv = 24, .W = {53, 54, 56, 58}},  // アータル
           {.slot = 19, .entry = 31, .lv = 24, .W = {18, 54, 55, 69}},  // ペリ
           {.slot = 20, .entry = 24, .lv = 24, .W = {3, 53, 59, 63, 206}},  // スルト
           {.slot = 48, .entry = 255, .lv = 25, .N = "ミレット", .G = 175, .SH = Chant, .W = {305, 239, 240, 242, 243, 244, 245, 300}, .TN = {85, 67}, .ai = {Ip(105), Retreat()}, .at = {11, 1}},  // ミレット (アリス/魔)
           {.slot = 49, .entry = 99, .lv = 24, .W = {163, 167, 172, 173}},  // アンピトリテ
           {.slot = 50, .entry = 91, .lv = 24, .W = {162, 163, 176}, .ai = {Ip(6)}},  // ウンディーネ
           {.slot = 51, .entry = 92, .lv = 24, .W = {2, 162, 168, 173}},  // マカラ
           {.slot = 52, .entry = 90, .lv = 24, .W = {1, 161, 162, 164}},  // 弥々子
       }
      },
      // Stage 13: エンジュ the warrior across the valley.
      {.stage = 13, .player = {1, 6},
       .units = {
           {.slot = 16, .entry = 251, .lv = 30, .N = "エンジュ", .G = 173, .SH = MagicStone, .W = {201, 202, 204, 205, 217, 218, 252}, .TN = {402, 83}, .ai = {Ip(104)}, .at = {16, 6}},  // エンジュ (アリス/戦)
           {.slot = 17, .entry = 92, .lv = 30, .W = {2, 162, 167, 168, 173}},  // マカラ
           {.slot = 18, .entry = 2, .lv = 30, .W = {1, 28, 38, 114, 176}, .ai = {Ip(6)}},  // カラドリオス
           {.slot = 19, .entry = 78, .lv = 30, .W = {4, 142, 144, 146, 150}},  // オセ
           {.slot = 20, .entry = 4, .lv = 30, .W = {1, 3, 5, 6, 8}},  // アリオク
           {.slot = 21, .entry = 22, .lv = 30, .W = {1, 50, 53, 54, 60}},  // ウコバク
           {.slot = 22, .entry = 79, .lv = 30, .W = {3, 142, 144, 146, 151}},  // 甕槌
       }
      },
      // Stage 14: チーゼル, the last battle of the story.
      {.stage = 14,
       .units = {
           {.slot = 16, .entry = 257, .lv = 32, .N = "チーゼル", .G = 179, .SH = MagicStone, .W = {237, 238, 306, 307, 308, 259}, .TN = {400, 50}, .ai = {Ip(104)}},  // チーゼル (アリス/精)
           {.slot = 17, .entry = 71, .lv = 31, .W = {3, 6, 118, 121, 125}},  // シパクナ
           {.slot = 18, .entry = 67, .lv = 31, .W = {118, 119, 123, 125, 132}},  // ヴィネ
           {.slot = 19, .entry = 69, .lv = 31, .W = {19, 20, 125, 128, 129}},  // 太歳
           {.slot = 20, .entry = 62, .lv = 31, .W = {2, 5, 117, 120, 134}},  // 野槌
           {.slot = 21, .entry = 63, .lv = 31, .W = {1, 117, 118, 120, 131}},  // ノーム
           {.slot = 22, .entry = 64, .lv = 31, .W = {3, 6, 118, 121, 125}},  // 大太法師
       }
      },
  };
  // clang-format on
  return stages;
}

}  // namespace sorvane::stages
