// The terrain catalogue: what each of the 14 terrain codes is called, which
// element it favours and weakens, how much damage a unit standing on it takes,
// and what entering it costs a unit of each element.
#pragma once

#include <array>
#include <string_view>

#include "data/types.h"

namespace sorvane {

inline constexpr int kTerrainCount = 14;

// Terrain codes, as the map files write them ('0'..'9', 'a'..'d').
namespace terrain {
enum : i32 {
  Wall = 0,          // 移動不能: no unit enters it
  Plains = 1,        // 平地
  Scorched = 2,      // 焼野原
  Magma = 3,         // マグマ
  Ice = 4,           // 氷
  Snowfield = 5,     // 雪原
  Grassland = 6,     // 草原
  Forest = 7,        // 森
  Sand = 8,          // 砂地
  Crag = 9,          // 岩山
  Ore = 10,          // 鉱床
  Crystal = 11,      // クリスタル
  River = 12,        // 川
  Sea = 13,          // 海
};
}  // namespace terrain
inline constexpr i32 kImpassable = -1;  // movement cost of a cell that cannot be entered

struct TerrainInfo {
  char code;              // character in the map file
  std::string_view name;
  i32 damageTaken;        // percent of the damage a unit standing here receives
  std::array<i32, 7> moveCost;  // by the mover's element 無 炎 氷 木 地 雷 水
  std::string_view strengthens;  // text 1, lines separated by CR
  std::string_view weakens;      // text 2
};

extern const std::array<TerrainInfo, kTerrainCount> kTerrain;

// The element a terrain favours: code div 2 for 2..13, none for 0 and 1.
constexpr i32 terrainElement(i32 code) { return code >= 2 && code < kTerrainCount ? code / 2 : 0; }

// The element a terrain weakens: the one its own element is strong against.
constexpr i32 terrainWeakens(i32 code) {
  i32 e = terrainElement(code);
  return e == 0 ? 0 : e % 6 + 1;
}

// Terrain code of a map character, or -1 when the character is not one.
constexpr i32 terrainFromChar(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'd') return c - 'a' + 10;
  return -1;
}

constexpr char terrainChar(i32 code) { return code < 10 ? char('0' + code) : char('a' + code - 10); }

// "ダメージ修正95%" as the terrain panel shows it.
std::string damageCorrectionText(i32 code);

// Panel colours: the name and text 1 in the terrain's element colour, text 2
// in the colour of the element it weakens; codes 0 and 1 in grey.
Rgb terrainNameColour(i32 code);
Rgb terrainWeakensColour(i32 code);

}  // namespace sorvane
