// The skill catalogue: every skill of the game, one row each (ids 0..318).
//
// Columns, in catalogue order:
//   id, name, elem (element), kind (Phys or Spcl), pow (power, 0 = no damage),
//   hit %, cr (critical %), rng (range), s (1 = the user's own cell may be
//   chosen), area (cells around the target; WholeMap = every cell), z (1 = the
//   area is the user's ZOC + 1), SP (cost), cat (category), shape, target
//   (target rule), effect (special effect), hits (0 = one), param (familiar
//   type, terrain code, weather code or the effect's amount), fx (side
//   effects), desc (the description; lines separated by \r).
//
// Side effects: Ail(ailment, value, chance), Cure(ailment), CureAll(),
// Chg(status change, value, chance), RemoveAllChanges(), and the stat changes
// SelfAtk/SelfDef/SelfMag/SelfMov/SelfHP and TgtAtk/TgtDef/TgtMag/TgtMov
// (value, chance): percent for attack, defence, magic and HP, cells for movement.
//
// The description says in words what the columns do; the catalogue tests
// hold the two together.
#include "data/tables/skill_rows.h"

namespace sorvane::skill_rows {

// clang-format off
constexpr std::array<SkillRow, kSkillCount> kSkillTable = {{
//  id  name                     elem     kind  pow  hit  cr rng  s  area      z  SP  cat          shape     target           effect             hits param  fx  desc
  {  0, "無し",                  None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  // Creature and familiar skills. 無: blows, mind, ailments, cures, the undead.
  {  1, "打撃",                  None,    Phys,  45, 100, 10,  1, 0, 1,        0,  1, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, ""},
  {  2, "体当たり",              None,    Phys,  50, 100, 15,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             KnockBack,            0,    0, {}, "相手を1マス後退させる。"},
  {  3, "強打",                  None,    Phys,  60,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "力を込めた近接攻撃。"},
  {  4, "連撃",                  None,    Phys,  35,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             2,    0, {}, "2回攻撃。"},
  {  5, "突進",                  None,    Phys,  65,  90, 15,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             KnockBack,            0,    0, {}, "勢いをつけた体当たり。相手を1マス後退させる。"},
  {  6, "強打撃",                None,    Phys,  80,  90, 15,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "強力な近接攻撃。"},
  {  7, "真空波",                None,    Spcl,  45, 100,  0,  1, 0, 3,        0,  2, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  {  8, "斬空波",                None,    Phys,  60,  95, 10,  1, 0, 4,        0,  4, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  {  9, "念力",                  None,    Spcl,  45, 100,  0,  2, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  { 10, "念動力",                None,    Spcl,  70, 100,  0,  3, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  { 11, "毒霧",                  None,    Spcl,   0, 100,  0,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 100)}, "相手を[毒]にする。"},
  { 12, "痺れガス",              None,    Spcl,   0, 100,  0,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 70)}, "相手を70%の確率で[麻痺]にする。"},
  { 13, "催眠術",                None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Sleep, 16, 60)}, "相手を60%の確率で[睡眠]にする。"},
  { 14, "黒霧",                  None,    Spcl,   0, 100,  0,  1, 0, 2,        0,  6, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {Ail(Darkness, 4, 80)}, "相手を80%の確率で[暗闇]にする。自分には効果がない。"},
  { 15, "邪視",                  None,    Spcl,   0,  90,  0,  2, 0, 1,        0,  8, CatUnits,    Sight,    Any,             NoEffect,             0,    0, {Ail(Stone, 3, 35)}, "相手を35%の確率で[石化]にする。間にキャラがいると狙えない。"},
  { 16, "脱魂",                  None,    Spcl,   0, 100,  0,  1, 1, 1,        0, 10, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(Spirit, 1, 100)}, "相手を[霊体]にする。"},
  { 17, "封印術",                None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(SkillSeal, 3, 60)}, "相手を60%の確率で[技不能]にする。"},
  { 18, "浮力",                  None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(Flight, 1, 100)}, "相手を[飛行]にする。"},
  { 19, "呪術",                  None,    Spcl,   0, 100,  0,  2, 0, 1,        0, 10, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Curse, 1, 40)}, "相手を40%の確率で[呪い]にする。"},
  { 20, "重力変化",              None,    Spcl,   0, 100,  0,  3, 0, 2,        0,  6, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {Ail(Gravity, 1, 100)}, "相手を[重力]にする。自分には効果がない。"},
  { 21, "攻撃強化",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(15, 100)}, "相手の攻撃力15%アップ。"},
  { 22, "防御強化",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(15, 100)}, "相手の防御力15%アップ。"},
  { 23, "魔力強化",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtMag(15, 100)}, "相手の魔力15%アップ。"},
  { 24, "脚力強化",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtMov(1, 100)}, "相手の移動1アップ。"},
  { 25, "攻撃弱体",              None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(-15, 100)}, "相手の攻撃力15%ダウン。"},
  { 26, "防御弱体",              None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(-15, 100)}, "相手の防御力15%ダウン。"},
  { 27, "魔力弱体",              None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtMag(-15, 100)}, "相手の魔力15%ダウン。"},
  { 28, "毒治し",                None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Poison)}, "相手の[毒]を治す。"},
  { 29, "凍傷治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Frostbite)}, "相手の[凍傷]を治す。"},
  { 30, "重力治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Gravity)}, "相手の[重力]を治す。"},
  { 31, "暗闇治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Darkness)}, "相手の[暗闇]を治す。"},
  { 32, "麻痺治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Paralysis)}, "相手の[麻痺]を治す。"},
  { 33, "怯み治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Flinch)}, "相手の[怯み]を治す。"},
  { 34, "行動不能治し",          None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Immobile), Cure(SkillSeal)}, "相手の[移動不能]、[技不能]を治す。"},
  { 35, "睡眠治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Sleep)}, "相手の[睡眠]を治す。"},
  { 36, "石化治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Stone)}, "相手の[石化]を治す。"},
  { 37, "封魔治し",              None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(SummonSeal)}, "相手の[封魔]を治す。"},
  { 38, "状態異常治し",          None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  7, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {CureAll()}, "相手の状態異常を全て治す。"},
  { 39, "屍兵召喚",              None,    Spcl,   0, 100,  0,  1, 0, 1,        0,  5, CatFamiliar, Spread,   Any,             NoEffect,             0,  204, {}, "自分と同レベルのﾌｧﾐﾘｱ[スケルトン]を召喚する。"},
  { 40, "屍魔兵召喚",            None,    Spcl,   0, 100,  0,  1, 0, 1,        0,  7, CatFamiliar, Spread,   Any,             NoEffect,             0,  205, {}, "自分と同レベルのﾌｧﾐﾘｱ[ワイト]を召喚する。"},
  { 41, "霊兵召喚",              None,    Spcl,   0, 100,  0,  1, 0, 1,        0,  7, CatFamiliar, Spread,   Any,             NoEffect,             0,  206, {}, "自分と同レベルのﾌｧﾐﾘｱ[ゴースト]を召喚する。"},
  { 42, "屍兵強化",              None,    Spcl,   0, 100,  0,  3, 0, 2,        0,  6, CatUnits,    Spread,   Undead,          NoEffect,             0,    0, {TgtAtk(20, 100), TgtDef(20, 100), TgtMag(20, 100)}, "[スケルトン][ワイト][ゴースト]にのみ効果がある。相手の攻撃力、防御力、魔力20%アップ。"},
  { 43, "スキルトレード",        None,    Spcl,   0, 100,  0,  1, 0, 1,        0, 10, CatUnits,    Spread,   NotMaster,       AbilitySwap,          0,    0, {}, "相手と特殊能力を交換する。マスターには効果がない。"},
  { 44, "闇の鎖",                None,    Spcl,   0, 100,  0,  3, 0, 1,        0,  5, CatUnits,    Spread,   WithSummoning,   SummonTime,           0,    1, {}, "相手の召喚時間1アップ。召喚中のキャラにも効果がある。"},
  { 45, "光の鎖",                None,    Spcl,   0, 100,  0,  3, 0, 1,        0,  8, CatUnits,    Spread,   WithSummoning,   SummonTime,           0,    2, {}, "相手の召喚時間2アップ。召喚中のキャラにも効果がある。"},
  { 46, "断空",                  None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  6, CatUnits,    Spread,   Any,             CurrentHpCut,         0,  -25, {}, "相手の現在HPの25%のダメージを与える。"},
  { 47, "粉砕",                  None,    Phys,   0, 100,  0,  1, 0, 1,        0,  3, CatUnits,    Spread,   Rocks,           HpChange,             0, -100, {}, "[岩]を粉砕し、[死亡]にする。"},
  { 48, "託す",                  None,    Spcl,   0, 100,  0,  1, 0, 1,        0, 20, CatUnits,    Spread,   OwnMaster,       HpChange,             0,   35, {SelfHP(-100, 100)}, "自分が[死亡]になり、自マスターのHP35%回復。"},
  { 49, "浄化の光",              None,    Spcl,   0, 100,  0,  2, 1, 2,        0,  6, CatUnits,    Spread,   Undead,          HpChange,             0, -100, {}, "[スケルトン][ワイト][ゴースト]を[死亡]にする。"},
  // 炎
  { 50, "ファイアパンチ",        Fire,    Phys,  55, 100, 10,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Flinch, 1, 20)}, "相手を20%の確率で[怯み]にする。"},
  { 51, "ファイアチャージ",      Fire,    Phys,  75,  90, 15,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfDef(-10, 100)}, "捨て身の近接攻撃。自分の防御力10%ダウン。"},
  { 52, "烈火連撃",              Fire,    Phys,  30,  95, 10,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             3,    0, {}, "3回攻撃。"},
  { 53, "火撃",                  Fire,    Spcl,  50, 100,  0,  2, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  { 54, "鬼火",                  Fire,    Spcl,  40, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Darkness, 4, 30)}, "相手を30%の確率で[暗闇]にする。"},
  { 55, "爆破",                  Fire,    Spcl,  60, 100,  0,  2, 1, 2,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  { 56, "炎撃",                  Fire,    Spcl,  70, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  { 57, "大爆破",                Fire,    Spcl,  90,  95,  0,  3, 1, 3,        0, 10, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  { 58, "ファイアブレス",        Fire,    Spcl,  65, 100,  0,  1, 0, 4,        0,  6, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  { 59, "火炎撃",                Fire,    Spcl,  90, 100,  0,  3, 0, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  { 60, "炎上",                  Fire,    Spcl,  50, 100,  0,  2, 0, 2,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(-10, 30)}, "範囲攻撃。30%の確率で相手の防御力10%ダウン。"},
  { 61, "マナバーン",            Fire,    Spcl,  40, 100,  0,  2, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtMag(-15, 100)}, "相手の魔力15%ダウン。"},
  { 62, "漆黒の炎",              Fire,    Spcl,  85,  95,  0,  2, 0, 1,        0,  9, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Curse, 1, 20)}, "相手を20%の確率で[呪い]にする。"},
  { 63, "インフェルノ",          Fire,    Spcl, 115, 100,  0,  3, 1, 2,        0,  8, CatUnits,    Spread,   Any,             DrainOrRecoil,        0,  -65, {}, "与えたダメージの65%を自分も受ける。"},
  { 64, "自爆",                  Fire,    Phys, 150, 100,  0,  0, 1, 2,        0,  1, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {SelfHP(-100, 100)}, "自分以外の周りのキャラを攻撃し、自分は[死亡]になる。"},
  { 65, "メテオ",                Fire,    Spcl, 120,  90,  0,  4, 0, 2,        0, 14, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  { 66, "熱波",                  Fire,    Spcl,   0, 100,  0,  0, 1, 0,        0,  4, CatWeather,  Spread,   Any,             NoEffect,             0,    1, {}, "天気を[熱波]にする。"},
  { 67, "炎の渦",                Fire,    Spcl,   0, 100,  0,  0, 1, 2,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,    2, {}, "選択した地形を[焼野原]にする。既に[焼野原]なら[マグマ]にする。"},
  { 68, "炎の壁",                Fire,    Spcl,   0, 100,  0,  1, 0, 4,        0,  3, CatTerrain,  Straight, Any,             NoEffect,             0,    2, {}, "直線上の地形を[焼野原]にする。既に[焼野原]なら[マグマ]にする。"},
  { 69, "暖気",                  Fire,    Spcl,   0, 100,  0,  0, 1, 2,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(HPHeal, 3, 100), Cure(Frostbite)}, "相手を[HPヒール]にし、[凍傷]を治す。"},
  { 70, "熱気",                  Fire,    Spcl,   0, 100,  0,  0, 1, 3,        0,  6, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {TgtDef(-10, 100)}, "相手の防御力10%ダウン。自分には効果がない。"},
  // 氷
  { 71, "氷の刃",                Ice,     Phys,  55, 100, 15,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 20)}, "相手を20%の確率で[凍傷]にする。"},
  { 72, "氷の矢",                Ice,     Spcl,  60, 100,  5,  2, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 25), TgtAtk(-5, 40), TgtDef(-5, 40)}, "相手を25%の確率で[凍傷]にする。それぞれ40%の確率で相手の攻撃力、防御力5%ダウン。"},
  { 73, "氷の槍",                Ice,     Phys,  80,  95, 10,  1, 0, 2,        0,  5, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 25)}, "直線攻撃。相手を25%の確率で[凍傷]にする。"},
  { 74, "氷柱連弾",              Ice,     Spcl,  35,  90,  0,  3, 0, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             3,    0, {}, "遠距離から3回攻撃。"},
  { 75, "氷走り",                Ice,     Spcl,  50, 100,  0,  1, 0, 5,        0,  5, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 30)}, "直線攻撃。相手を30%の確率で[凍傷]にする。"},
  { 76, "フローズンインパクト",  Ice,     Phys, 100,  90, 10,  1, 0, 1,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 50)}, "相手を50%の確率で[凍傷]にする。"},
  { 77, "ブリザード",            Ice,     Spcl,  70, 100,  0,  3, 0, 2,        0, 10, CatUnits,    Spread,   Any,             IgnoreDefence,        0,    0, {}, "範囲攻撃。相手の防御力を無視してダメージを与える。"},
  { 78, "冷気",                  Ice,     Spcl,   0, 100,  0,  0, 1, 2,        0,  5, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {Ail(Frostbite, 3, 70)}, "相手を70%の確率で[凍傷]にする。自分には効果がない。"},
  { 79, "急速冷凍",              Ice,     Spcl,  40, 100,  0,  2, 0, 1,        0,  7, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 50), Ail(Immobile, 2, 50)}, "それぞれ50%の確率で相手を[凍傷]、[移動不能]にする。"},
  { 80, "コールドブレス",        Ice,     Spcl,  65, 100,  0,  1, 0, 4,        0,  6, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 30)}, "直線攻撃。相手を30%の確率で[凍傷]にする。"},
  { 81, "腕封じ",                Ice,     Spcl,   0, 100,  0,  2, 0, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(SkillSeal, 3, 50), TgtAtk(-10, 100)}, "相手を50%の確率で[技不能]にする。相手の攻撃力10%ダウン。"},
  { 82, "絶対零度",              Ice,     Spcl, 130,  85,  0,  2, 0, 1,        0, 14, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 4, 100)}, "相手を[凍傷]にする。"},
  { 83, "オーロラ",              Ice,     Spcl,   0, 100,  0,  0, 1, 3,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(SpecShield, 2, 100)}, "相手を[特殊シールド]にする。"},
  { 84, "冷却液",                Ice,     Spcl,  20, 100,  0,  1, 0, 1,        0,  9, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(-10, 100), TgtDef(-10, 100), TgtMag(-10, 100), TgtMov(-1, 100)}, "相手の攻撃力、防御力、魔力10%ダウン、移動1ダウン。"},
  { 85, "ダイヤモンドダスト",    Ice,     Spcl,  80, 100,  0,  3, 0, 2,        0, 10, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 30)}, "範囲攻撃。相手を30%の確率で[凍傷]にする。"},
  { 86, "フローズンアーマー",    Ice,     Spcl,   0, 100,  0,  0, 1, 1,        0,  6, CatUnits,    Spread,   Any,             RateUp,               0,    3, {SelfDef(15, 100)}, "自分の防御力15%アップ、追加効果発動率15%アップ。"},
  { 87, "雪降らし",              Ice,     Spcl,   0, 100,  0,  0, 1, 0,        0,  4, CatWeather,  Spread,   Any,             NoEffect,             0,    2, {}, "天気を[吹雪]にする。"},
  { 88, "氷点",                  Ice,     Spcl,   0, 100,  0,  0, 1, 2,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,    4, {}, "選択した地形を[氷]にする。既に[氷]なら[雪原]にする。"},
  { 89, "氷道",                  Ice,     Spcl,   0, 100,  0,  1, 0, 5,        0,  3, CatTerrain,  Straight, Any,             NoEffect,             0,    4, {}, "直線上の地形を[氷]にする。既に[氷]なら[雪原]にする。"},
  { 90, "アイスシールド",        Ice,     Spcl,   0, 100,  0,  1, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(PhysShield, 2, 100)}, "相手を[物理シールド]にする。"},
  // 木
  { 91, "針葉",                  Wood,    Phys,  35,  95, 10,  2, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             2,    0, {}, "遠距離から2回攻撃。"},
  { 92, "つる打撃",              Wood,    Phys,  55, 100, 10,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtMov(-1, 30)}, "30%の確率で相手の移動1ダウン。"},
  { 93, "大木打撃",              Wood,    Phys,  85,  90, 10,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Flinch, 1, 30)}, "相手を30%の確率で[怯み]にする。"},
  { 94, "つるしばり",            Wood,    Spcl,   0, 100,  0,  2, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Immobile, 2, 70)}, "相手を70%の確率で[移動不能]にする。"},
  { 95, "木呪",                  Wood,    Spcl,  40, 100,  0,  2, 0, 1,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Curse, 1, 25)}, "相手を25%の確率で[呪い]にする。"},
  { 96, "消化液",                Wood,    Spcl,  60, 100,  0,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(-10, 50)}, "50%の確率で相手の防御力10%ダウン。"},
  { 97, "精気吸収",              Wood,    Spcl,  50, 100,  0,  1, 0, 1,        0,  6, CatUnits,    Spread,   Any,             DrainOrRecoil,        0,  100, {}, "与えたダメージの100%、自分のHPを回復する。"},
  { 98, "催眠毒花粉",            Wood,    Spcl,   0, 100,  0,  2, 0, 1,        0,  7, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 40), Ail(Sleep, 16, 40)}, "それぞれ40%の確率で相手を[毒]、[睡眠]にする。"},
  { 99, "花吹雪",                Wood,    Spcl,  60, 100,  0,  2, 0, 2,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Darkness, 4, 20)}, "範囲攻撃。相手を20%の確率で[暗闇]にする。"},
  {100, "範囲毒花粉",            Wood,    Spcl,   0, 100,  0,  2, 0, 2,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 60)}, "相手を60%の確率で[毒]にする。"},
  {101, "劇毒花粉",              Wood,    Spcl,   0, 100,  0,  2, 0, 2,        0, 10, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 100), TgtDef(-10, 100)}, "相手を[毒]にする。相手の防御力10%ダウン。"},
  {102, "毒花粉",                Wood,    Spcl,   0, 100,  0,  2, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 70)}, "相手を70%の確率で[毒]にする。"},
  {103, "麻痺花粉",              Wood,    Spcl,   0, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 60)}, "相手を60%の確率で[麻痺]にする。"},
  {104, "昏睡花粉",              Wood,    Spcl,   0, 100,  0,  2, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Sleep, 16, 50)}, "相手を50%の確率で[睡眠]にする。"},
  {105, "封魔花粉",              Wood,    Spcl,   0, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(SummonSeal, 3, 70)}, "相手を70%の確率で[封魔]にする。"},
  {106, "寄生種子",              Wood,    Spcl,   0, 100,  0,  2, 0, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Parasite, 4, 80)}, "相手を80%の確率で[寄生]にする。"},
  {107, "解毒草",                Wood,    Spcl,   0, 100,  0,  1, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Poison)}, "相手の[毒]を治す。"},
  {108, "解痺草",                Wood,    Spcl,   0, 100,  0,  1, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Paralysis)}, "相手の[麻痺]を治す。"},
  {109, "万能漢方",              Wood,    Spcl,   0, 100,  0,  1, 1, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {CureAll()}, "相手の状態異常を全て治す。"},
  {110, "楽園の実",              Wood,    Spcl,   0, 100,  0,  1, 1, 1,        0, 10, CatUnits,    Spread,   Any,             ResetBuffs,           0,    0, {CureAll()}, "相手の状態異常を全て治し、ステータス変化を全て元に戻す。"},
  {111, "花守",                  Wood,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(StatusShield, 2, 100)}, "相手を[状態シールド]にする。"},
  {112, "花衣",                  Wood,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(SpecShield, 2, 100)}, "相手を[特殊シールド]にする。"},
  {113, "自己治癒",              Wood,    Spcl,   0, 100,  0,  0, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfHP(20, 100)}, "自分のHP20%回復。"},
  {114, "癒しの実",              Wood,    Spcl,   0, 100,  0,  1, 1, 1,        0,  4, CatUnits,    Spread,   Any,             HpChange,             0,   15, {}, "相手のHP15%回復。"},
  {115, "養分補給",              Wood,    Spcl,   0, 100,  0,  1, 1, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(HPHeal, 3, 100), Chg(SPHeal, 3, 100)}, "相手を[HPヒール]、[SPヒール]にする。"},
  {116, "マナの実",              Wood,    Spcl,   0, 100,  0,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             SpChange,             0,    6, {}, "相手のSP6回復。"},
  // 地
  {117, "投石",                  Earth,   Phys,  40,  90,  5,  3, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {118, "岩石投げ",              Earth,   Phys,  70,  85, 10,  3, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "強力な遠距離攻撃。"},
  {119, "地盤崩壊",              Earth,   Phys,  60, 100,  5,  2, 0, 2,        0,  8, CatUnits,    Spread,   Grounded,        NoEffect,             0,    0, {Ail(Immobile, 2, 30)}, "範囲攻撃。飛行中のキャラには効果がない。相手を30%の確率で[移動不能]にする。"},
  {120, "岩突起",                Earth,   Phys,  65,  95, 15,  2, 0, 1,        0,  4, CatUnits,    Spread,   Grounded,        NoEffect,             0,    0, {Ail(Flinch, 1, 30)}, "飛行中のキャラには効果がない。相手を30%の確率で[怯み]にする。"},
  {121, "岩雪崩",                Earth,   Phys,  80,  90, 10,  2, 0, 2,        0,  9, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Flinch, 1, 25)}, "範囲攻撃。相手を25%の確率で[怯み]にする。"},
  {122, "サンドブレス",          Earth,   Spcl,  60, 100,  0,  1, 0, 4,        0,  6, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Darkness, 4, 30)}, "直線攻撃。相手を30%の確率で[暗闇]にする。"},
  {123, "ストーンニードル",      Earth,   Phys,  45,  95, 10,  2, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             2,    0, {Ail(Stone, 3, 10)}, "遠距離から2回攻撃。相手を10%の確率で[石化]にする。"},
  {124, "ストーンアーマー",      Earth,   Spcl,   0, 100,  0,  0, 1, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfDef(25, 100), SelfMov(-1, 100)}, "自分の防御力25%アップ、移動1ダウン。"},
  {125, "地割れ",                Earth,   Phys,  70, 100,  5,  1, 0, 5,        0,  8, CatUnits,    Straight, GroundedNotSelf, NoEffect,             0,    0, {}, "直線攻撃。飛行中のキャラには効果がない。"},
  {126, "地震",                  Earth,   Phys,  55, 100,  0,  0, 1, WholeMap, 0, 14, CatUnits,    Spread,   GroundedNotSelf, NoEffect,             0,    0, {}, "マップ全体のキャラを攻撃する。自分には当たらない。飛行中のキャラには効果がない。"},
  {127, "天変地異",              Earth,   Spcl,  70, 100,  0,  0, 1, WholeMap, 0, 20, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {}, "マップ全体のキャラを攻撃する。自分には当たらない。"},
  {128, "重力砲",                Earth,   Spcl,  70, 100,  0,  1, 0, 5,        0,  9, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Gravity, 1, 100)}, "直線攻撃。相手を[重力]にする。"},
  {129, "重力波",                Earth,   Spcl,  50, 100,  0,  0, 1, 3,        0,  8, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {Ail(Gravity, 1, 100)}, "範囲攻撃。自分には当たらない。相手を[重力]にする。"},
  {130, "石化",                  Earth,   Spcl,   0, 100,  0,  2, 0, 1,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Stone, 3, 40)}, "相手を40%の確率で[石化]にする。"},
  {131, "石の壁",                Earth,   Spcl,   0, 100,  0,  1, 0, 1,        0,  3, CatFamiliar, Spread,   Any,             NoEffect,             0,  208, {}, "自分と同レベルのﾌｧﾐﾘｱ[岩]を召喚する。"},
  {132, "岩石の壁",              Earth,   Spcl,   0, 100,  0,  1, 0, 3,        0,  7, CatFamiliar, Straight, Any,             NoEffect,             0,  208, {}, "直線上の空いたマス全てに、自分と同レベルのﾌｧﾐﾘｱ[岩]を召喚する。"},
  {133, "石の牢",                Earth,   Spcl,   0, 100,  0,  3, 0, 2,        0,  9, CatFamiliar, Spread,   Any,             NoEffect,             0,  208, {}, "範囲内の空いたマス全てに、自分と同レベルのﾌｧﾐﾘｱ[岩]を召喚する。"},
  {134, "砂起こし",              Earth,   Spcl,   0, 100,  0,  0, 1, 0,        0,  4, CatWeather,  Spread,   Any,             NoEffect,             0,    4, {}, "天気を[砂塵嵐]にする。"},
  {135, "石畳",                  Earth,   Spcl,   0, 100,  0,  0, 1, 2,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,    8, {}, "選択した地形を[砂地]にする。既に[砂地]なら[岩山]にする。"},
  {136, "硬化",                  Earth,   Spcl,   0, 100,  0,  0, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfDef(20, 100)}, "自分の防御力20%アップ。"},
  {137, "鋼鉄練成",              Earth,   Spcl,   0, 100,  0,  1, 1, 1,        0,  7, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(10, 100), TgtDef(20, 100)}, "相手の攻撃力10%アップ、防御力20%アップ。"},
  {138, "サンドシールド",        Earth,   Spcl,   0, 100,  0,  0, 1, 2,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(PhysShield, 2, 100)}, "相手を[物理シールド]にする。"},
  {139, "泥人形",                Earth,   Spcl,   0, 100,  0,  1, 0, 1,        0,  6, CatFamiliar, Spread,   Any,             NoEffect,             0,  202, {}, "自分と同レベルのﾌｧﾐﾘｱ[クレイゴーレム]を召喚する。"},
  {140, "血人形",                None,    Spcl,   0, 100,  0,  1, 0, 1,        0,  4, CatFamiliar, Spread,   Any,             NoEffect,             0,  201, {}, "自分と同レベルのﾌｧﾐﾘｱ[ブラッドゴーレム]を召喚する。"},
  {141, "鋼鉄人形",              Earth,   Spcl,   0, 100,  0,  1, 0, 1,        0, 10, CatFamiliar, Spread,   Any,             NoEffect,             0,  203, {}, "自分と同レベルのﾌｧﾐﾘｱ[アイアンゴーレム]を召喚する。"},
  // 雷
  {142, "サンダーパンチ",        Thunder, Phys,  55, 100, 10,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 20)}, "相手を20%の確率で[麻痺]にする。"},
  {143, "サンダーチャージ",      Thunder, Phys,  75,  90, 15,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfDef(-10, 100)}, "捨て身の近接攻撃。自分の防御力10%ダウン。"},
  {144, "電光石火",              Thunder, Phys,  60, 100, 15,  4, 0, 1,        0,  4, CatUnits,    Sight,    Any,             Charge,               0,    0, {}, "相手の隣まで移動して攻撃する。間にキャラがいると狙えない。"},
  {145, "電撃",                  Thunder, Spcl,  50, 100,  0,  2, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 15)}, "相手を15%の確率で[麻痺]にする。"},
  {146, "雷撃",                  Thunder, Spcl,  75, 100,  0,  3, 0, 1,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 20)}, "相手を20%の確率で[麻痺]にする。"},
  {147, "電波",                  Thunder, Spcl,  30, 100,  0,  4, 0, 1,        0,  4, CatUnits,    Sight,    Any,             NoEffect,             0,    0, {Ail(SkillSeal, 2, 25)}, "相手を25%の確率で[技不能]にする。間にキャラがいると狙えない。"},
  {148, "電磁砲",                Thunder, Spcl, 110,  85,  0,  1, 0, 7,        0, 13, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  {149, "サンダーブレス",        Thunder, Spcl,  65, 100,  0,  1, 0, 4,        0,  6, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 30)}, "直線攻撃。相手を30%の確率で[麻痺]にする。"},
  {150, "サンダービーム",        Thunder, Spcl,  80, 100,  0,  1, 0, 5,        0,  8, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  {151, "稲妻",                  Thunder, Spcl,  85,  85,  5,  4, 0, 1,        0,  7, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "強力な遠距離攻撃。"},
  {152, "磁場",                  Thunder, Spcl,   0, 100,  0,  2, 0, 2,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(LockOn, 1, 100)}, "相手を[ロックオン]にする。"},
  {153, "ケラウノス",            Thunder, Spcl, 130,  90,  0,  4, 0, 2,        0, 16, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 30)}, "範囲攻撃。相手を30%の確率で[麻痺]にする。"},
  {154, "磁気嵐",                Thunder, Spcl,  60, 100,  0,  0, 1, 4,        0, 12, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {Ail(Paralysis, 4, 20)}, "範囲攻撃。自分には当たらない。相手を20%の確率で[麻痺]にする。"},
  {155, "閃光",                  Thunder, Spcl,   0, 100,  0,  0, 1, 3,        0,  6, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {Ail(Darkness, 4, 100)}, "相手を[暗闇]にする。自分には効果がない。"},
  {156, "瞬間移動",              Thunder, Spcl,   0, 100,  0,  3, 0, 1,        0,  4, CatSwap,     Spread,   Any,             NoEffect,             0,    0, {}, "選択したマスと自分のマスを入れ替える。"},
  {157, "X位置交換",             None,    Spcl,   0, 100,  0,  3, 0, 1,        0,  5, CatUnused,   Spread,   Any,             NoEffect,             0,    0, {}, "選択した2マスを入れ替える。"},
  {158, "加速",                  Thunder, Spcl,   0, 100,  0,  0, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfMov(1, 100)}, "自分の移動1アップ。"},
  {159, "超加速",                Thunder, Spcl,   0, 100,  0,  0, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfMov(2, 100)}, "自分の移動2アップ。"},
  // 水
  {160, "激流連撃",              Water,   Phys,  30,  95, 10,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             3,    0, {}, "3回攻撃。"},
  {161, "水の刃",                Water,   Phys,  55, 100, 20,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "近接攻撃。クリティカル率が高い。"},
  {162, "水の矢",                Water,   Spcl,  60, 100,  5,  2, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(-10, 30)}, "30%の確率で相手の攻撃力10%ダウン。"},
  {163, "水波",                  Water,   Spcl,  45, 100,  0,  0, 1, 2,        0,  4, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {}, "範囲攻撃。自分には当たらない。"},
  {164, "水撃",                  Water,   Spcl,  70, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {165, "水の槍",                Water,   Phys,  80,  95, 10,  1, 0, 2,        0,  5, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  {166, "泥沼",                  Water,   Spcl,   0, 100,  0,  2, 0, 2,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtMov(-2, 100)}, "相手の移動2ダウン。"},
  {167, "水爆",                  Water,   Spcl,  90,  95,  0,  3, 1, 2,        0, 10, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {168, "アクアブレス",          Water,   Spcl,  65, 100,  0,  1, 0, 4,        0,  6, CatUnits,    Straight, Any,             NoEffect,             0,    0, {TgtAtk(-10, 30)}, "直線攻撃。30%の確率で相手の攻撃力10%ダウン。"},
  {169, "放水",                  Water,   Spcl,  50, 100,  0,  1, 0, 3,        0,  4, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  {170, "粘着液",                Water,   Spcl,  20, 100,  0,  2, 0, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Immobile, 2, 80)}, "相手を80%の確率で[移動不能]にする。"},
  {171, "熔解液",                Water,   Spcl,  40, 100,  0,  1, 0, 1,        0,  7, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(-20, 100)}, "相手の防御力20%ダウン。"},
  {172, "錬水撃",                Water,   Spcl, 100,  95,  0,  2, 0, 1,        0,  9, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "強力な遠距離攻撃。"},
  {173, "濁流",                  Water,   Spcl,  80, 100,  0,  1, 0, 5,        0,  9, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Darkness, 4, 20)}, "直線攻撃。相手を20%の確率で[暗闇]にする。"},
  {174, "大津波",                Water,   Spcl,  65, 100,  0,  0, 1, WholeMap, 0, 18, CatUnits,    Spread,   GroundedNotSelf, NoEffect,             0,    0, {}, "マップ全体のキャラを攻撃する。自分には当たらない。飛行中のキャラには効果がない。"},
  {175, "吸水",                  Water,   Spcl,  40, 100,  0,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfHP(15, 100)}, "攻撃後、自分のHP15%回復。"},
  {176, "癒しの水",              Water,   Spcl,   0, 100,  0,  2, 1, 2,        0,  6, CatUnits,    Spread,   Any,             HpChange,             0,   10, {}, "相手のHP10%回復。"},
  {177, "湧き水",                Water,   Spcl,   0, 100,  0,  0, 1, 2,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,   12, {}, "選択した地形を[川]にする。既に[川]なら[海]にする。"},
  {178, "雨乞い",                Water,   Spcl,   0, 100,  0,  0, 1, 0,        0,  4, CatWeather,  Spread,   Any,             NoEffect,             0,    6, {}, "天気を[雨]にする。"},
  {179, "上昇気流",              Thunder, Spcl,   0, 100,  0,  0, 1, 0,        0,  4, CatWeather,  Spread,   Any,             NoEffect,             0,    5, {}, "天気を[雷雨]にする。"},
  {180, "ｳｫｰﾀｰｳﾞｪｰﾙ",            Water,   Spcl,   0, 100,  0,  1, 1, 1,        0,  7, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(SpecShield, 2, 100), Chg(StatusShield, 2, 100)}, "相手を[特殊シールド]、[状態シールド]にする。"},
  // Later creature skills
  {181, "状態変化解除",          None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {RemoveAllChanges()}, "相手の状態変化を全て解除する。"},
  {182, "ステータス解除",        None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  5, CatUnits,    Spread,   Any,             ResetBuffs,           0,    0, {}, "相手のステータス変化を全て元に戻す。"},
  {183, "リーフブレス",          Wood,    Spcl,  65, 100,  0,  1, 0, 4,        0,  6, CatUnits,    Straight, Any,             NoEffect,             0,    0, {Ail(Poison, 1, 30)}, "直線攻撃。相手を30%の確率で[毒]にする。"},
  {184, "覚醒",                  None,    Spcl,   0, 100,  0,  1, 0, 1,        0, 10, CatUnits,    Spread,   Any,             ExtraAction,          0,    0, {}, "相手の行動可能回数1アップ。"},
  {185, "精神攻撃",              None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  4, CatUnits,    Spread,   Any,             SpChange,             0,   -5, {}, "相手のSP5減少。"},
  {186, "闇の渦",                None,    Spcl,   0, 100,  0,  2, 1, 2,        0,  6, CatUnits,    Spread,   WithSummoning,   SummonTime,           0,   -1, {}, "相手の召喚時間1ダウン。召喚中のキャラにも効果がある。"},
  {187, "光の渦",                None,    Spcl,   0, 100,  0,  2, 1, 2,        0,  9, CatUnits,    Spread,   WithSummoning,   SummonTime,           0,   -2, {}, "相手の召喚時間2ダウン。召喚中のキャラにも効果がある。"},
  {188, "透視",                  None,    Spcl,   0, 100,  0,  5, 0, 2,        0,  1, CatUnits,    Spread,   Any,             Reveal,               0,    0, {}, "相手の正体を見破る。"},
  {189, "晴れ乞い",              Wood,    Spcl,   0, 100,  0,  0, 1, 0,        0,  4, CatWeather,  Spread,   Any,             NoEffect,             0,    3, {}, "天気を[快晴]にする。"},
  {190, "砂嵐",                  Earth,   Spcl,  50, 100,  0,  0, 1, 3,        0,  8, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {Ail(Darkness, 4, 30)}, "範囲攻撃。自分には当たらない。相手を30%の確率で[暗闇]にする。"},
  {191, "アイスパンチ",          Ice,     Phys,  55, 100, 10,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 25)}, "相手を25%の確率で[凍傷]にする。"},
  {192, "アイスチャージ",        Ice,     Phys,  75,  90, 15,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfDef(-10, 100)}, "捨て身の近接攻撃。自分の防御力10%ダウン。"},
  {193, "領域侵食",              None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  5, CatUnits,    Spread,   Any,             ZocDown,              0,   -1, {}, "相手のZOC1ダウン。"},
  // Unused ids
  {194, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  {195, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  {196, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  {197, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  {198, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  {199, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  {200, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  // Master job skills. Swords (戦 騎 暗)
  {201, "スラッシュ",            None,    Phys,  55, 100, 10,  1, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "近接攻撃。"},
  {202, "スピンスラッシュ",      None,    Phys,  45,  95, 10,  0, 1, 2,        0,  4, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {}, "自分の周りを攻撃する範囲攻撃。自分には当たらない。"},
  {203, "エアスラッシュ",        None,    Spcl,  45, 100,  0,  1, 0, 3,        0,  3, CatUnits,    Straight, Any,             NoEffect,             0,    0, {}, "直線攻撃。"},
  {204, "ダブルスラッシュ",      None,    Phys,  35,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             2,    0, {}, "2回攻撃。"},
  {205, "ハードスラッシュ",      None,    Phys,  80,  90, 15,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "強力な近接攻撃。"},
  {206, "ファイアブレイド",      Fire,    Phys,  65,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(-10, 30)}, "30%の確率で相手の防御力10%ダウン。"},
  {207, "アイスブレイド",        Ice,     Phys,  65,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 30)}, "相手を30%の確率で[凍傷]にする。"},
  {208, "ウッドブレイド",        Wood,    Phys,  65,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 30)}, "相手を30%の確率で[毒]にする。"},
  {209, "アースブレイド",        Earth,   Phys,  65,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Flinch, 1, 30)}, "相手を30%の確率で[怯み]にする。"},
  {210, "サンダーブレイド",      Thunder, Phys,  65,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 30)}, "相手を30%の確率で[麻痺]にする。"},
  {211, "アクアブレイド",        Water,   Phys,  65,  95, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(-10, 30)}, "30%の確率で相手の攻撃力10%ダウン。"},
  {212, "ポイズンスラッシュ",    None,    Phys,  50, 100, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 60)}, "相手を60%の確率で[毒]にする。"},
  {213, "パラスラッシュ",        None,    Phys,  50, 100, 10,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 50)}, "相手を50%の確率で[麻痺]にする。"},
  {214, "ダークスラッシュ",      None,    Phys,  50, 100, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Darkness, 4, 60)}, "相手を60%の確率で[暗闇]にする。"},
  {215, "シャドウスラッシュ",    None,    Phys,  55, 100, 10,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Immobile, 2, 40)}, "相手を40%の確率で[移動不能]にする。"},
  {216, "シャインスラッシュ",    None,    Spcl,  60, 100, 10,  1, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "特殊属性の近接攻撃なので、霊体の相手にも当たる。"},
  {217, "カタストロフィ",        None,    Phys, 100,  90, 10,  1, 0, 2,        0,  9, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {}, "範囲攻撃。自分には当たらない。"},
  {218, "オンスロート",          None,    Phys,  30,  85, 10,  1, 0, 1,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             4,    0, {}, "4回攻撃。"},
  {219, "ソードダンス",          None,    Phys,  40,  95, 20,  0, 1, 2,        0,  7, CatUnits,    Spread,   NotSelf,         NoEffect,             2,    0, {}, "自分の周りを2回攻撃する範囲攻撃。自分には当たらない。クリティカル率が高い。"},
  {220, "デススラッシュ",        None,    Phys,  70,  90, 25,  1, 0, 1,        0,  9, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Curse, 1, 30)}, "相手を30%の確率で[呪い]にする。クリティカル率が高い。"},
  // Bows (狩)
  {221, "ショット",              None,    Phys,  45,  95, 10,  3, 0, 1,        0,  1, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {222, "ガイデットショット",    None,    Phys,  45, 100, 10,  4, 0, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "命中率の高い遠距離攻撃。"},
  {223, "ダブルショット",        None,    Phys,  35,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             2,    0, {}, "遠距離から2回攻撃。"},
  {224, "マルチショット",        None,    Phys,  40,  95,  5,  3, 0, 2,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {225, "ハードショット",        None,    Phys,  75,  90, 15,  3, 0, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "強力な遠距離攻撃。"},
  {226, "マジックショット",      None,    Spcl,  55, 100,  0,  4, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "特殊属性の遠距離攻撃。"},
  {227, "ファイアショット",      Fire,    Phys,  55,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(-10, 25)}, "25%の確率で相手の防御力10%ダウン。"},
  {228, "アイスショット",        Ice,     Phys,  55,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Frostbite, 3, 25)}, "相手を25%の確率で[凍傷]にする。"},
  {229, "ウッドショット",        Wood,    Phys,  55,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 25)}, "相手を25%の確率で[毒]にする。"},
  {230, "アースショット",        Earth,   Phys,  55,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Flinch, 1, 25)}, "相手を25%の確率で[怯み]にする。"},
  {231, "サンダーショット",      Thunder, Phys,  55,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Paralysis, 4, 25)}, "相手を25%の確率で[麻痺]にする。"},
  {232, "アクアショット",        Water,   Phys,  55,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(-10, 25)}, "25%の確率で相手の攻撃力10%ダウン。"},
  {233, "サイドワインダー",      None,    Phys,  85, 100, 15,  6, 0, 1,        0,  5, CatUnits,    Spread,   LockedOn,        NoEffect,             0,    0, {}, "ロックオン中の相手にのみ当たる遠距離攻撃。"},
  {234, "ポイズンショット",      None,    Phys,  40,  95, 10,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Ail(Poison, 1, 60)}, "相手を60%の確率で[毒]にする。"},
  {235, "ストレイフ",            None,    Phys,  40,  95, 10,  3, 0, 3,        0,  6, CatUnits,    Spread,   Enemies,         DecoyVolley,          0,    0, {}, "範囲攻撃。敵チームのキャラにのみ当たる。範囲内にいる味方の[デコイ]1体につき攻撃回数1アップ。"},
  // Blasts and storms (魔 治 精)
  {236, "ライトブラスト",        None,    Spcl,  50, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {237, "ソイルブラスト",        None,    Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             OwnTerrainElement,    0,    0, {}, "自分のいる地形と同じ属性の遠距離攻撃。"},
  {238, "エアブラスト",          None,    Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             WeatherElement,       0,    0, {}, "天気と同じ属性の遠距離攻撃。"},
  {239, "ファイアブラスト",      Fire,    Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {240, "アイスブラスト",        Ice,     Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {241, "リーフブラスト",        Wood,    Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {242, "サンドブラスト",        Earth,   Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {243, "サンダーブラスト",      Thunder, Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {244, "アクアブラスト",        Water,   Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "遠距離攻撃。"},
  {245, "ファイアストーム",      Fire,    Spcl,  70, 100,  0,  3, 0, 2,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {246, "アイスストーム",        Ice,     Spcl,  70, 100,  0,  3, 0, 2,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {247, "リーフストーム",        Wood,    Spcl,  70, 100,  0,  3, 0, 2,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {248, "サンドストーム",        Earth,   Spcl,  70, 100,  0,  3, 0, 2,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {249, "サンダーストーム",      Thunder, Spcl,  70, 100,  0,  3, 0, 2,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {250, "アクアストーム",        Water,   Spcl,  70, 100,  0,  3, 0, 2,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {}, "範囲攻撃。"},
  {251, "ホロコースト",          Fire,    Spcl,  80, 100,  0,  0, 1, WholeMap, 0, 20, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {}, "マップ全体のキャラを攻撃する。自分には当たらない。"},
  // Support: buffs, shields, cures, healing
  {252, "オフェンス",            None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfAtk(20, 100)}, "自分の攻撃力20%アップ。"},
  {253, "ディフェンス",          None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfDef(20, 100)}, "自分の防御力20%アップ。"},
  {254, "エナジー",              None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfMag(20, 100)}, "自分の魔力20%アップ。"},
  {255, "アクセレレイション",    None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfMov(2, 100)}, "自分の移動2アップ。"},
  {256, "ロックオン",            None,    Spcl,   0, 100,  0,  6, 0, 1,        0,  2, CatUnits,    Sight,    Any,             NoEffect,             0,    0, {Ail(LockOn, 1, 100)}, "相手を[ロックオン]にする。間にキャラがいると狙えない。"},
  {257, "フライ",                None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(Flight, 1, 100)}, "相手を[飛行]にする。"},
  {258, "HPヒール",              None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(HPHeal, 3, 100)}, "相手を[HPヒール]にする。"},
  {259, "SPヒール",              None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(SPHeal, 3, 100)}, "相手を[SPヒール]にする。"},
  {260, "エナジーシールド",      None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(PhysShield, 2, 100)}, "相手を[物理シールド]にする。"},
  {261, "エナジーアーマー",      None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(SpecShield, 2, 100)}, "相手を[特殊シールド]にする。"},
  {262, "エナジーヴェール",      None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(StatusShield, 2, 100)}, "相手を[状態シールド]にする。"},
  {263, "アストラルシールド",    None,    Spcl,   0, 100,  0,  1, 1, 1,        0, 10, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(PhysShield, 2, 100), Chg(SpecShield, 2, 100), Chg(StatusShield, 2, 100)}, "相手を[物理シールド]、[特殊シールド]、[状態シールド]にする。"},
  {264, "キュアポイズン",        None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Poison)}, "相手の[毒]を治す。"},
  {265, "キュアムーブ",          None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  3, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Frostbite), Cure(Gravity), Cure(Immobile)}, "相手の[凍傷]、[重力]、[移動不能]を治す。"},
  {266, "キュアアクト",          None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Paralysis), Cure(Flinch), Cure(SkillSeal), Cure(Sleep), Cure(Stone)}, "相手の[麻痺]、[怯み]、[技不能]、[睡眠]、[石化]を治す。"},
  {267, "キュアカース",          None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  4, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Cure(Curse)}, "相手の[呪い]を治す。"},
  {268, "キュアオール",          None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  8, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {CureAll()}, "相手の状態異常を全て治す。"},
  // Unused id
  {269, "",                      None,    Phys,   0,   0,  0,  0, 0, 0,        0,  0, CatNone,     Spread,   Any,             NoEffect,             0,    0, {}, ""},
  // Enchantments, cleansing, first aid and healing (治 騎)
  {270, "アタックエンチャント",  None,    Spcl,   0, 100,  0,  1, 1, 1,        0,  8, CatUnits,    Spread,   Any,             Enchant,              0,    1, {}, "相手の攻撃力の基本値を自分のLvの半分だけアップ。"},
  {271, "ガードエンチャント",    None,    Spcl,   0, 100,  0,  1, 1, 1,        0,  8, CatUnits,    Spread,   Any,             Enchant,              0,    2, {}, "相手の防御力の基本値を自分のLvの半分だけアップ。"},
  {272, "マジックエンチャント",  None,    Spcl,   0, 100,  0,  1, 1, 1,        0,  8, CatUnits,    Spread,   Any,             Enchant,              0,    3, {}, "相手の魔力の基本値を自分のLvの半分だけアップ。"},
  {273, "キャンセルエンチャント", None,    Spcl,   0, 100,  0,  3, 0, 2,        0,  6, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {RemoveAllChanges()}, "相手の状態変化を全て解除する。"},
  {274, "ステータスリセット",    None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  5, CatUnits,    Spread,   Any,             ResetBuffs,           0,    0, {}, "相手のステータス変化を全て元に戻す。"},
  {275, "応急処置",              None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  2, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {SelfHP(15, 100)}, "自分のHP15%回復。"},
  {276, "手当て",                None,    Spcl,   0, 100,  0,  1, 1, 1,        0,  1, CatUnits,    Spread,   Any,             HpChange,             0,    5, {}, "相手のHP5%回復。"},
  {277, "瞑想",                  None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  1, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {Chg(SPHeal, 4, 100)}, "自分を[SPヒール]にする。"},
  {278, "ヒーリング",            None,    Spcl,   0, 100,  0,  3, 1, 1,        0,  4, CatUnits,    Spread,   Any,             HpChange,             0,   15, {}, "相手のHP15%回復。"},
  {279, "ヒーリングウィンド",    None,    Spcl,   0, 100,  0,  3, 1, 2,        0,  7, CatUnits,    Spread,   Any,             HpChange,             0,   10, {}, "相手のHP10%回復。"},
  // Conversion, decoys, teleports; the spirit-user's weather and terrain
  {280, "コンバート",            None,    Spcl,   0, 100,  0,  2, 1, 1,        0,  0, CatUnits,    Spread,   Any,             SpChange,             0,    1, {SelfHP(-10, 100)}, "自分のHP10%減少、相手のSP1回復。"},
  {281, "囮召喚",                None,    Spcl,   0, 100,  0,  3, 0, 1,        0,  4, CatFamiliar, Spread,   Any,             NoEffect,             0,  207, {}, "自分と同レベルのﾌｧﾐﾘｱ[デコイ]を召喚する。"},
  {282, "ワープ",                None,    Spcl,   0, 100,  0,  5, 0, 1,        0,  7, CatSwap,     Spread,   Any,             NoEffect,             0,    0, {}, "選択したマスと自分のマスを入れ替える。"},
  {283, "Xテレキネシス",         None,    Spcl,   0, 100,  0,  5, 0, 1,        0,  8, CatUnused,   Spread,   Any,             NoEffect,             0,    0, {}, "選択した2マスを入れ替える。"},
  {284, "天候操作炎",            Fire,    Spcl,   0, 100,  0,  0, 1, 0,        0,  3, CatWeather,  Spread,   Any,             NoEffect,             0,    1, {}, "天気を[熱波]にする。"},
  {285, "天候操作氷",            Ice,     Spcl,   0, 100,  0,  0, 1, 0,        0,  3, CatWeather,  Spread,   Any,             NoEffect,             0,    2, {}, "天気を[吹雪]にする。"},
  {286, "天候操作地",            Earth,   Spcl,   0, 100,  0,  0, 1, 0,        0,  3, CatWeather,  Spread,   Any,             NoEffect,             0,    4, {}, "天気を[砂塵嵐]にする。"},
  {287, "天候操作雷",            Thunder, Spcl,   0, 100,  0,  0, 1, 0,        0,  3, CatWeather,  Spread,   Any,             NoEffect,             0,    5, {}, "天気を[雷雨]にする。"},
  {288, "天候操作水",            Water,   Spcl,   0, 100,  0,  0, 1, 0,        0,  3, CatWeather,  Spread,   Any,             NoEffect,             0,    6, {}, "天気を[雨]にする。"},
  {289, "地形操作炎",            Fire,    Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,    3, {}, "選択した地形を[マグマ]にする。"},
  {290, "地形操作氷",            Ice,     Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,    5, {}, "選択した地形を[雪原]にする。"},
  {291, "地形操作木",            Wood,    Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,    7, {}, "選択した地形を[森]にする。"},
  {292, "地形操作地",            Earth,   Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,    9, {}, "選択した地形を[岩山]にする。"},
  {293, "地形操作雷",            Thunder, Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,   11, {}, "選択した地形を[クリスタル]にする。"},
  {294, "地形操作水",            Water,   Spcl,   0, 100,  0,  2, 1, 1,        0,  2, CatTerrain,  Spread,   Any,             NoEffect,             0,   13, {}, "選択した地形を[海]にする。"},
  // Later job skills
  {295, "コンセントレーション",  None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  2, CatUnits,    Spread,   Any,             RateUp,               0,    1, {}, "自分の命中率10%アップ。"},
  {296, "アボイド",              None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  3, CatUnits,    Spread,   Any,             RateUp,               0,    2, {}, "自分の回避率5%アップ。"},
  {297, "フォーキャスト",        None,    Spcl,   0, 100,  0,  6, 0, 3,        0,  1, CatUnits,    Spread,   Any,             Reveal,               0,    0, {}, "相手の正体を見破る。"},
  {298, "天候操作木",            Wood,    Spcl,   0, 100,  0,  0, 1, 0,        0,  3, CatWeather,  Spread,   Any,             NoEffect,             0,    3, {}, "天気を[快晴]にする。"},
  {299, "スピリットテイカー",    None,    Phys,  60,  90, 15,  1, 0, 1,        0,  5, CatUnits,    Spread,   Any,             Desperation,          0,    0, {}, "自分のHPが少ないほど、射程と命中率がアップする。"},
  {300, "使い魔召喚",            None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  8, CatFamiliar, Spread,   Any,             NoEffect,             0,  209, {}, "自分と同レベルのﾌｧﾐﾘｱ[インプ]を召喚する。"},
  {301, "ランページ",            None,    Phys, 100,  95, 15,  0, 1, 2,        0,  8, CatUnits,    Spread,   NotSelf,         Exhaust,              0,    0, {}, "自分の周りを攻撃する範囲攻撃。自分には当たらない。攻撃を当てると、自分は3ターンの間移動も技もできなくなる。"},
  {302, "ファストスラッシュ",    None,    Phys,  40, 100, 10,  1, 0, 1,        0,  3, CatUnits,    Spread,   Any,             FollowUp,             0,    0, {}, "攻撃を当てると、自分の移動可能回数、技可能回数1アップ。"},
  {303, "アサルトスラッシュ",    None,    Phys,  55, 100, 10,  3, 0, 1,        0,  4, CatUnits,    Sight,    Any,             Charge,               0,    0, {}, "相手の隣まで移動して攻撃する。間にキャラがいると狙えない。"},
  {304, "リージョングロウ",      None,    Spcl,   0, 100,  0,  0, 1, 1,        0,  2, CatUnits,    Spread,   Any,             ZocGrow,              0,    0, {}, "自分のZOC1アップ。さらにZOC×2のSPを消費する。"},
  {305, "ニュートラルブラスト",  None,    Spcl,  55, 100,  0,  3, 0, 1,        0,  3, CatUnits,    Spread,   Any,             NeutralCritical,      0,    0, {}, "遠距離攻撃。[無属性]の相手には必ずクリティカルになる。"},
  {306, "アースフューリー",      None,    Spcl,  60, 100,  0,  3, 0, 1,        0,  4, CatUnits,    Spread,   Any,             TargetTerrainElement, 0,    0, {}, "相手のいる地形と同じ属性の遠距離攻撃。"},
  {307, "テンペスト",            None,    Spcl,  70, 100,  0,  3, 0, 2,        0,  8, CatUnits,    Spread,   Any,             WeatherElement,       0,    0, {}, "天気と同じ属性の範囲攻撃。"},
  {308, "エレメントシンパシー",  None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  3, CatUnits,    Spread,   Any,             GiveElement,          0,    0, {}, "相手の属性を自分と同じにする。"},
  {309, "エレメントフュージョン", None,    Spcl,   0, 100,  0,  2, 0, 1,        0,  3, CatUnits,    Spread,   Any,             TakeElement,          0,    0, {}, "自分の属性を相手と同じにする。"},
  {310, "リージョンイレース",    None,    Spcl,   0, 100,  0,  3, 0, 1,        0,  2, CatUnits,    Spread,   Any,             ZocErase,             0,    0, {}, "相手のZOCを0にする。さらに相手のZOC×2のSPを消費する。"},
  // The knight's auras: they reach as far as the user's ZOC + 1
  {311, "オフェンスオーラ",      None,    Spcl,   0, 100,  0,  0, 1, 1,        1,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtAtk(10, 100)}, "相手の攻撃力10%アップ。\r効果範囲はZOC+1。"},
  {312, "ディフェンスオーラ",    None,    Spcl,   0, 100,  0,  0, 1, 1,        1,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtDef(10, 100)}, "相手の防御力10%アップ。\r効果範囲はZOC+1。"},
  {313, "マジックオーラ",        None,    Spcl,   0, 100,  0,  0, 1, 1,        1,  5, CatUnits,    Spread,   Any,             NoEffect,             0,    0, {TgtMag(10, 100)}, "相手の魔力10%アップ。\r効果範囲はZOC+1。"},
  {314, "ナチュライズオーラ",    None,    Spcl,   0, 100,  0,  0, 1, 1,        1,  6, CatUnits,    Spread,   NotSelf,         Naturalize,           0,    0, {}, "相手の状態異常、状態変化、ステータス変化を全て元に戻す。自分には効果がない。\r効果範囲はZOC+1。"},
  {315, "サンクチュアリ",        None,    Spcl,   0, 100,  0,  0, 1, 1,        1,  6, CatUnits,    Spread,   Undead,          HpChange,             0, -100, {}, "[スケルトン][ワイト][ゴースト]を[死亡]にする。\r効果範囲はZOC+1。"},
  {316, "ヴィガーオーラ",        None,    Spcl,   0, 100,  0,  0, 1, 1,        1,  4, CatUnits,    Spread,   Any,             SpChange,             0,    2, {}, "相手のSP2回復。\r効果範囲はZOC+1。"},
  {317, "インベージョン",        None,    Spcl,   0, 100,  0,  0, 1, 1,        1,  5, CatUnits,    Spread,   Enemies,         ZocDown,              0,   -1, {}, "敵チームのキャラにのみ効果がある。相手のZOC1ダウン。\r効果範囲はZOC+1。"},
  {318, "オーラバースト",        None,    Spcl,  60, 100,  0,  0, 1, 1,        1,  5, CatUnits,    Spread,   NotSelf,         NoEffect,             0,    0, {}, "範囲攻撃。自分には当たらない。\r効果範囲はZOC+1。"},
}};
// clang-format on

namespace {

constexpr bool within(i32 v, i32 lo, i32 hi) { return v >= lo && v <= hi; }

constexpr bool allNumbersZero(const SkillRow& r) {
  for (const SideEffect& e : r.effects)
    if (e.column != SideEffect::Unused) return false;
  return r.elem == 0 && r.special == 0 && r.power == 0 && r.hit == 0 && r.crit == 0 && r.range == 0 &&
         r.selfOK == 0 && r.area == 0 && r.zocArea == 0 && r.cost == 0 && r.cat == 0 && r.line == 0 &&
         r.target == 0 && r.effect == 0 && r.hits == 0 && r.param == 0;
}

constexpr bool isEmptyRow(const SkillRow& r) {
  return r.name[0] == '\0' && r.desc[0] == '\0' && allNumbersZero(r);
}

constexpr bool idsInOrder() {
  for (int i = 0; i < kSkillCount; ++i)
    if (kSkillTable[i].id != i) return false;
  return true;
}

// Ids that hold no skill: no list uses them.
constexpr bool isUnusedId(int id) { return (id >= 194 && id <= 200) || id == 269; }

constexpr bool emptyRowsAreEmpty() {
  for (int i = 1; i < kSkillCount; ++i)
    if (isUnusedId(i) != isEmptyRow(kSkillTable[i])) return false;
  return true;
}

constexpr bool sideEffectFits(const SideEffect& e) {
  switch (e.column) {
    case SideEffect::Unused: return e.index == 0 && e.value == 0 && e.chance == 0;
    case SideEffect::Ail: return within(e.index, 0, kAilments - 1) && within(e.value, 0, 16) && within(e.chance, 1, 100);
    case SideEffect::Chg: return within(e.index, 0, kChanges - 1) && within(e.value, 0, 9) && within(e.chance, 1, 100);
    case SideEffect::AllAilments:
    case SideEffect::AllChanges: return e.value == 0 && e.chance == 100;
    case SideEffect::SelfHP: return e.value != 0 && within(e.value, -100, 35) && within(e.chance, 1, 100);
    default: return e.value != 0 && within(e.value, -35, 35) && within(e.chance, 1, 100);
  }
}

// The value ranges of the catalogue, and the shapes the rules can use.
constexpr bool rowFits(const SkillRow& r) {
  bool ok = within(r.elem, 0, 6) && within(r.special, 0, 1) && within(r.power, 0, 160) && within(r.hit, 0, 100) &&
            within(r.crit, 0, 25) && within(r.range, 0, 12) && within(r.selfOK, 0, 1) &&
            (within(r.area, 0, 10) || r.area == WholeMap) && within(r.zocArea, 0, 1) && within(r.cost, 0, 20) &&
            (within(r.cat, 1, 4) || r.cat == CatSwap || r.cat == CatUnused) && within(r.line, 0, 2) &&
            within(r.target, 0, 11) && within(r.effect, 0, 28) && (r.hits == 0 || within(r.hits, 2, 6)) &&
            within(r.param, -100, 209);
  for (const SideEffect& e : r.effects) ok = ok && sideEffectFits(e);
  // Damage, hits and side effects belong to skills that act on units.
  if (r.cat != CatUnits) {
    ok = ok && r.power == 0 && r.hits == 0 && r.effect == 0 && r.effects[0].column == SideEffect::Unused;
  }
  if (r.hits > 0) ok = ok && r.power > 0;
  if (r.line == Straight) ok = ok && r.range == 1 && r.selfOK == 0;  // a line starts next to the user
  if (r.zocArea == 1) ok = ok && r.area == 1;  // the area is replaced by ZOC + 1
  if (r.cat == CatFamiliar) ok = ok && within(r.param, 201, 209);
  if (r.cat == CatTerrain) ok = ok && within(r.param, 2, 13);
  if (r.cat == CatWeather) ok = ok && within(r.param, 1, 6);
  return ok && r.name[0] != '\0' && r.hit > 0;
}

constexpr bool rowsFit() {
  for (int i = 1; i < kSkillCount; ++i)
    if (!isUnusedId(i) && !rowFits(kSkillTable[i])) return false;
  return true;
}

static_assert(idsInOrder(), "every row's id equals its place in the table");
static_assert(allNumbersZero(kSkillTable[0]) && kSkillTable[0].desc[0] == '\0', "entry 0 is 無し, no skill");
static_assert(emptyRowsAreEmpty(), "ids 194..200 and 269 are empty, every other id holds a skill");
static_assert(rowsFit(), "a skill's values are outside the catalogue's ranges or shapes");

}  // namespace

}  // namespace sorvane::skill_rows
