// Ids of the passive abilities (特殊能力), named once for the whole game.
// The numbers are the rows of the ability table (data/tables/abilities.cpp);
// each name carries the bracketed name the table gives it. Ids without a
// row have no name here.
#pragma once

#include "data/types.h"

namespace sorvane::ability {

// clang-format off
enum : i32 {
  // 1..16 effects on allies and the master
  FireBlessing = 1,            // [炎の加護]
  IceBlessing = 2,             // [氷の加護]
  WoodBlessing = 3,            // [木の加護]
  EarthBlessing = 4,           // [地の加護]
  ThunderBlessing = 5,         // [雷の加護]
  WaterBlessing = 6,           // [水の加護]
  AllyStatsUp = 7,             // [味方STアップ]
  UndeadBoost = 8,             // [アンデット強化]
  UndeadBane = 9,              // [アンデット弱体]
  ForestNymph = 10,            // [森のニンフ]
  MountainNymph = 11,          // [山のニンフ]
  SpringNymph = 12,            // [泉のニンフ]
  NymphBlessing = 13,          // [ニンフの加護]
  FullControl = 14,            // [完全操作]
  MasterHitUp = 15,            // [マスター命中アップ]
  MasterStatsUp = 16,          // [マスターSTアップ]

  // 31..34 units near the owner after it moves
  AreaGravity = 31,            // [範囲重力]
  ShadowStep = 32,             // [影踏み]
  ShadowStitch = 33,           // [影縫い]
  AreaPoison = 34,             // [範囲毒]

  // 41..51 conditions and element adoption
  Limiter = 41,                // [リミッター]
  Rooted = 42,                 // [不動]
  Binding = 43,                // [呪縛]
  LightBinding = 44,           // [光の呪縛]
  PoisonAttackUp = 45,         // [毒時攻撃アップ]
  ParalysisDefenseUp = 46,     // [麻痺時防御アップ]
  AilmentStatsUp = 47,         // [状態異常STアップ]
  NearDeathAttackUp = 48,      // [瀕死攻撃アップ]
  NearDeathDefenseUp = 49,     // [瀕死防御アップ]
  AirFusion = 50,              // [エアフュージョン]
  SoilFusion = 51,             // [ソイルフュージョン]

  // 61..72 recovery and phase effects
  DragonScale = 61,            // [竜の鱗]
  GodSpeed = 62,               // [神速]
  GodSkill = 63,               // [神技]
  DoubleSpeed = 64,            // [倍速]
  Rampage = 65,                // [暴走]
  NaturalHeal = 66,            // [自然回復]
  SpRecovery = 67,             // [SP回復]
  SleepingBeauty = 68,         // [眠り姫]
  Pollution = 69,              // [汚染]
  AllySpRecovery = 70,         // [味方SP回復]
  Greening = 71,               // [緑化]
  MasterSpDrain = 72,          // [マスターSP減少]

  // 81..95 permanent statuses and stat boosts
  Flight = 81,                 // [飛行]
  Spirit = 82,                 // [霊体]
  AttackUp = 83,               // [攻撃強化]
  DefenseUp = 84,              // [防御強化]
  MagicUp = 85,                // [魔力強化]
  MoveUp = 86,                 // [移動強化]
  CriticalUp = 87,             // [クリティカル率上昇]
  HitUp = 88,                  // [命中率上昇]
  EvasionUp = 89,              // [回避率上昇]
  ProcRateUp = 90,             // [追加効果発動率上昇]
  SpUp = 91,                   // [SP上昇]
  Satori = 92,                 // [サトリ]
  Concentration = 93,          // [精神統一]
  SummonRisk = 94,             // [召喚リスク]
  SnowCall = 95,               // [雪呼び]

  // 101..112 after moving, and terrain erosion
  AfterMoveMoveUp = 101,       // [移動後移動アップ]
  AfterMoveAttackDown = 102,   // [移動後攻撃ダウン]
  AfterMoveDefenseDown = 103,  // [移動後防御ダウン]
  AfterMoveMagicDown = 104,    // [移動後魔力ダウン]
  AfterMoveMoveDown = 105,     // [移動後移動ダウン]
  FireErosion = 106,           // [地形侵食炎]
  IceErosion = 107,            // [地形侵食氷]
  WoodErosion = 108,           // [地形侵食木]
  EarthErosion = 109,          // [地形侵食地]
  ThunderErosion = 110,        // [地形侵食雷]
  WaterErosion = 111,          // [地形侵食水]
  AllyErosion = 112,           // [味方地形侵食]

  // 121..131 when dealing damage
  DealAttackUp = 121,          // [与ダメ攻撃アップ]
  DealDefenseUp = 122,         // [与ダメ防御アップ]
  DealMagicUp = 123,           // [与ダメ魔力アップ]
  DealMoveUp = 124,            // [与ダメ移動アップ]
  ProcAttackDown = 125,        // [追加効果攻撃ダウン]
  ProcDefenseDown = 126,       // [追加効果防御ダウン]
  ProcMagicDown = 127,         // [追加効果魔力ダウン]
  ProcMoveDown = 128,          // [追加効果移動ダウン]
  ProcPoison = 129,            // [追加効果毒]
  ProcFlinch = 130,            // [追加効果怯み]
  ProcSpRecovery = 131,        // [追加効果SP回復]

  // 141..162 when receiving damage, and counters
  TakeAttackUp = 141,          // [被ダメ攻撃アップ]
  TakeDefenseUp = 142,         // [被ダメ防御アップ]
  TakeMagicUp = 143,           // [被ダメ魔力アップ]
  TakeMoveUp = 144,            // [被ダメ移動アップ]
  TakeSpRecovery = 145,        // [被ダメSP回復]
  Regenerate = 146,            // [再生]
  Counter = 147,               // [カウンター]
  AttackCounter = 148,         // [攻撃弱体カウンター]
  DefenseCounter = 149,        // [防御弱体カウンター]
  MagicCounter = 150,          // [魔力弱体カウンター]
  MoveCounter = 151,           // [移動弱体カウンター]
  PoisonCounter = 152,         // [毒カウンター]
  DarknessCounter = 153,       // [暗闇カウンター]
  ParalysisCounter = 154,      // [麻痺カウンター]
  FlinchCounter = 155,         // [怯みカウンター]
  ImmobileCounter = 156,       // [移動不能カウンター]
  SkillSealCounter = 157,      // [技不能カウンター]
  SleepCounter = 158,          // [睡眠カウンター]
  StoneCounter = 159,          // [石化カウンター]
  TakeStatsUp = 161,           // [被ダメSTアップ]
  StatsCounter = 162,          // [ST弱体カウンター]

  // 171..179 finishing blows
  FinishHeal = 171,            // [トドメHP回復]
  FinishAttackUp = 172,        // [トドメ攻撃アップ]
  FinishDefenseUp = 173,       // [トドメ防御アップ]
  FinishMagicUp = 174,         // [トドメ魔力アップ]
  FinishMoveUp = 175,          // [トドメ移動アップ]
  FinishAttackDown = 176,      // [トドメ攻撃ダウン]
  FinishDefenseDown = 177,     // [トドメ防御ダウン]
  FinishMagicDown = 178,       // [トドメ魔力ダウン]
  FinishMoveDown = 179,        // [トドメ移動ダウン]

  // 191..200 dying by a skill
  DyingAttackDown = 191,       // [死亡攻撃ダウン]
  DyingDefenseDown = 192,      // [死亡防御ダウン]
  DyingMagicDown = 193,        // [死亡魔力ダウン]
  DyingMoveDown = 194,         // [死亡移動ダウン]
  DyingDamage = 195,           // [死亡ダメージ]
  DyingPoison = 196,           // [死亡毒]
  DyingImmobile = 197,         // [死亡移動不能]
  DyingStone = 198,            // [死亡石化]
  Grudge = 199,                // [怨念]
  DyingAilments = 200,         // [死亡状態異常]

  // 211..226 revival and other deaths
  Revive = 211,                // [復活]
  Phoenix = 212,               // [不死鳥]
  Ghost = 213,                 // [亡霊]
  DeathAwakening = 214,        // [死の覚醒]
  Undying = 215,               // [不死]
  TimeReversal = 216,          // [時間逆行]
  DeathTerrainFire = 217,      // [死亡地形変化炎]
  DeathTerrainWood = 218,      // [死亡地形変化樹]
  DeathTerrainEarth = 219,     // [死亡地形変化地]
  DeathTerrainWater = 220,     // [死亡地形変化水]
  RebirthLight = 221,          // [転生の光]
  DeathAllyAttackUp = 222,     // [死亡味方攻撃アップ]
  Unyielding = 223,            // [不屈]
  Fusion = 224,                // [融合]
  SummonPrice1 = 225,          // [召喚代償1]
  SummonPrice2 = 226,          // [召喚代償2]

  // 241..247 movement
  IgnoreZoc = 241,             // [ZOC無視]
  WarpMove = 242,              // [ワープ移動]
  PowerSwim = 243,             // [力泳]
  SpaceControl = 244,          // [空間制御]
  Sanctuary = 245,             // [聖域]
  Obstacle = 246,              // [障害物]
  LostForest = 247,            // [迷いの森]

  // 251..259 immunity to elements and ranges
  FireImmunity = 251,          // [炎無効]
  IceImmunity = 252,           // [氷無効]
  WoodImmunity = 253,          // [木無効]
  EarthImmunity = 254,         // [地無効]
  ThunderImmunity = 255,       // [雷無効]
  WaterImmunity = 256,         // [水無効]
  ShortRangeDodge = 257,       // [近距離技回避]
  MidRangeDodge = 258,         // [中距離技回避]
  AllyRecognition = 259,       // [味方識別]

  // 271..272 skill range and area
  SkillRangeUp = 271,          // [技射程アップ]
  SkillAreaUp = 272,           // [技効果アップ]

  // 281..292 battle support
  CriticalGuard = 281,         // [クリティカル耐性]
  ElementBoost = 282,          // [属性強化]
  WaterAbsorb = 284,           // [水吸収]
  AilmentCopy = 285,           // [状態異常コピー]
  Guardian = 286,              // [守護]
  Pursuit = 287,               // [追撃]
  Cover = 288,                 // [かばう]
  AllyCriticalGuard = 289,     // [味方クリティカル耐性]
  DamageCut = 290,             // [ダメージカット]
  ElementFusion = 291,         // [属性融合]
  Lure = 292,                  // [引き寄せ]

  // 301..310 resistance to ailments
  PoisonResist = 301,          // [毒耐性]
  FrostResist = 302,           // [凍傷耐性]
  GravityResist = 303,         // [重力耐性]
  DarknessResist = 304,        // [暗闇耐性]
  ParalysisResist = 305,       // [麻痺耐性]
  FlinchResist = 306,          // [怯み耐性]
  ActionResist = 307,          // [行動不能耐性]
  SleepResist = 308,           // [睡眠耐性]
  StoneResist = 309,           // [石化耐性]
  AilmentResist = 310,         // [状態異常耐性]

  // 321..323 immunity to stat changes and statuses
  StatFixed = 321,             // [ステータス固定]
  StatResist = 322,            // [ステータス耐性]
  FullResist = 323,            // [完全耐性]

  // 331..336 summoning
  SpiritWelcome = 331,         // [精霊迎え]
  SpiritCall = 332,            // [精霊呼び]
  WindCall = 333,              // [風呼び]
  ThunderCall = 334,           // [雷呼び]
  BeastMother = 335,           // [幻獣の母]
  QuickSummon = 336,           // [即行召喚]

  // 341..345 miscellany
  AntiGravity = 341,           // [反重力]
  EvilEye = 342,               // [魔眼]
  WindThunder = 343,           // [風神雷神]
  AutoFollow = 344,            // [自動追尾]
  Sluggish = 345,              // [鈍足]

  // 350..354 summon time limits
  TimedSummon = 350,           // [召喚時間制限]
  TimedSummon1 = 351,          // [召喚時間制限1]
  TimedSummon2 = 352,          // [召喚時間制限2]
  TimedSummon3 = 353,          // [召喚時間制限3]
  TimedSummon4 = 354,          // [召喚時間制限4]

  // 360..365 element fixers
  FireFixer = 360,             // [炎固定]
  IceFixer = 361,              // [氷固定]
  WoodFixer = 362,             // [木固定]
  EarthFixer = 363,            // [地固定]
  ThunderFixer = 364,          // [雷固定]
  WaterFixer = 365,            // [水固定]

  // 370..375 element wards
  FireWard = 370,              // [炎の護り]
  IceWard = 371,               // [氷の護り]
  WoodWard = 372,              // [木の護り]
  EarthWard = 373,             // [地の護り]
  ThunderWard = 374,           // [雷の護り]
  WaterWard = 375,             // [水の護り]

  // 399..406 abilities of single characters and creatures
  Destiny = 399,               // [運命]
  World = 400,                 // [世界]
  RabbitHole = 401,            // [ラビットホール]
  DesperateFervor = 402,       // [死活の高揚]
  WardCircle = 403,            // [破邪結界]
  Wisdom = 404,                // [叡智]
  Erosion = 405,               // [侵食]
  SpaceWarp = 406,             // [空間歪曲]
};
// clang-format on

}  // namespace sorvane::ability
