// LoadMap: one line of map1.dat becomes the battlefield's terrain.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "data/archive/qda.h"
#include "data/syori.h"
#include "data/terrain.h"
#include "text/cp932.h"

namespace sorvane {

namespace {
constexpr std::size_t kClimatePos = 252;  // character 253 of the line, counting from 1
}

void Tsyori::LoadMap(int m) {
  mapNo = m;
  fillGrid(terrain, i32{1});
  qda::Bytes file = qda::LoadEntry(gameDir + "dat.qda", "map1.dat");
  LoadMapFromText(m, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

void Tsyori::LoadMapFromText(int m, std::string_view mapFile) {
  mapNo = m;
  fillGrid(terrain, i32{1});
  // Map lines are plain digits and letters: they are read byte by byte, so a
  // stray byte only spoils its own cell.
  std::vector<std::string> lines = text::splitLines(mapFile);
  if (m < 0 || static_cast<std::size_t>(m) >= lines.size())
    throw std::out_of_range("List index out of bounds (" + std::to_string(m) + ")");
  LoadMapLine(lines[m]);
}

void Tsyori::LoadMapLine(std::string_view line) {
  fillGrid(terrain, i32{1});
  // A line holds the whole grid whatever the map's size says.
  const int lastX = std::clamp(maxX, -1, kMapW - 1), lastY = std::clamp(maxY, -1, kMapH - 1);
  std::size_t p = 0;
  for (int x = 0; x <= lastX; ++x) {
    for (int y = 0; y <= lastY; ++y, ++p) {
      i32 code = p < line.size() ? terrainFromChar(line[p]) : -1;
      if (code >= 0) terrain[x][y] = code;
    }
  }
  char c = line.size() > kClimatePos ? line[kClimatePos] : ' ';
  climate = (c >= '0' && c <= '9') ? c - '0' : 1;
  weather = Sunny;
}

}  // namespace sorvane
