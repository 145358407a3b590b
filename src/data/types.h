// Codes shared by every part of the game: elements, jobs, unit kinds and
// states, summoning methods, weather, and the colours the screens use for them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sorvane {

using i32 = std::int32_t;
using byte = std::uint8_t;

// Battlefield size: 18 columns by 14 rows.
inline constexpr int kMapW = 18;
inline constexpr int kMapH = 14;

inline constexpr int kUnitCount = 64;   // four sides of 16 records
inline constexpr int kSideSize = 16;
// The sides' masters: the player's (team 1), the first enemy (team 2), the
// player's ally and the second enemy. A stage may hand side 2 or 3 to the
// other team.
inline constexpr int kPlayerMaster = 0;
inline constexpr int kEnemyMaster = 16;
inline constexpr int kAllyMaster = 32;
inline constexpr int kSecondEnemyMaster = 48;
// Within a side: slot 0 the master, 1..6 its creatures, 7..15 its familiars.
inline constexpr int kFirstCreatureSlot = 1;
inline constexpr int kLastCreatureSlot = 6;
inline constexpr int kFirstFamiliarSlot = 7;
inline constexpr int kLastFamiliarSlot = 15;
inline constexpr bool validUnitIndex(int i) { return i >= 0 && i < kUnitCount; }
inline constexpr int kCollectable = 104;  // creature ids 0..103 carry collection flags

enum Element : i32 { None = 0, Fire = 1, Ice = 2, Wood = 3, Earth = 4, Thunder = 5, Water = 6, NoElement = 7 };
inline constexpr std::array<std::string_view, 7> kElementNames = {"無", "炎", "氷", "木", "地", "雷", "水"};

enum Job : i32 { Warrior = 0, Knight = 1, Hunter = 2, Assassin = 3, Mage = 4, Healer = 5, SpiritUser = 6 };
inline constexpr std::array<std::string_view, 7> kJobShortNames = {"戦", "騎", "狩", "暗", "魔", "治", "精"};
inline constexpr std::array<std::string_view, 7> kJobNames = {"戦士", "騎士", "狩人", "暗殺者", "魔術師", "治癒士", "精霊使い"};

enum Kind : i32 { KindMaster = 1, KindCreature = 2, KindFamiliar = 3 };

enum State : i32 { Dead = 0, OnField = 1, BeingSummoned = 2, Waiting = 3 };

// Summoning method of a side (SH).
enum SummonMethod : i32 { Chant = 0, MagicStone = 1, MagicCircle = 2, Sacrifice = 3 };
inline constexpr std::array<std::string_view, 4> kSummonMethodNames = {"詠唱召喚", "魔石召喚", "魔法円召喚", "生贄召喚"};

// Weather codes 1..6 favour the element with the same code; 0 and 7 favour none.
enum Weather : i32 { Cloudy = 0, HeatWave = 1, Blizzard = 2, Clear = 3, SandStorm = 4, Thunderstorm = 5, Rain = 6, Sunny = 7 };
inline constexpr std::array<std::string_view, 8> kWeatherNames = {"曇り", "熱波", "吹雪", "快晴", "砂塵嵐", "雷雨", "雨", "晴れ"};

enum BattleResult : i32 { Running = 0, Won = 1, Lost = 2, Draw = 3, Surrendered = 4 };

struct Rgb {
  byte r, g, b;
  constexpr bool operator==(const Rgb&) const = default;
};

// Element colours used by every screen, indexed by element 0..6.
inline constexpr std::array<Rgb, 7> kElementColours = {{
    {128, 128, 128}, {255, 128, 128}, {128, 220, 220}, {115, 220, 115},
    {245, 182, 118}, {196, 128, 255}, {128, 128, 255},
}};
inline constexpr Rgb kTeamColours[3] = {{0, 0, 0}, {128, 128, 255}, {255, 128, 128}};

// The familiars, catalogue entries 201..209, and the kinds the rules single out.
namespace familiar {
enum : i32 {
  BloodGolem = 201, ClayGolem = 202, IronGolem = 203,  // ブラッド/クレイ/アイアンゴーレム
  Skeleton = 204, Wight = 205, Ghost = 206,             // スケルトン, ワイト, ゴースト
  Decoy = 207,                                          // デコイ
  Rock = 208,                                           // 岩
  Imp = 209,                                            // インプ
  First = BloodGolem, Last = Imp,
};
}  // namespace familiar
inline constexpr bool isGolem(i32 type) { return type >= familiar::BloodGolem && type <= familiar::IronGolem; }
inline constexpr bool isUndead(i32 type) { return type >= familiar::Skeleton && type <= familiar::Ghost; }

// Catalogue layout of the masters: 11 characters x 7 jobs from entry 251.
inline constexpr int kFirstMaster = 251;
inline constexpr int masterEntry(int character, int job) { return kFirstMaster + job + 7 * character; }
inline constexpr int jobOf(int type) { return (type - kFirstMaster) % 7; }
inline constexpr int characterOf(int type) { return (type - kFirstMaster) / 7; }

}  // namespace sorvane
