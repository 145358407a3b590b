#include "map_source.h"

#include <sstream>

#include "data/terrain.h"
#include "data/types.h"
#include "text/cp932.h"

namespace sorvane::assetgen {

namespace {

[[noreturn]] void fail(const std::string& fileName, std::size_t line, const std::string& what) {
  throw MapSourceError(fileName + ":" + std::to_string(line) + ": " + what);
}

}  // namespace

std::map<int, std::string> ParseMapSource(std::string_view source, const std::string& fileName) {
  std::map<int, std::string> maps;
  std::vector<std::string> lines = text::splitLines(source);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    int number = -1, climate = -1;
    std::istringstream header(line);
    std::string mapWord, climateWord;
    if (!(header >> mapWord >> number >> climateWord >> climate) || mapWord != "map" || climateWord != "climate")
      fail(fileName, i + 1, "expected \"map N climate C\"");
    if (number < 0 || climate < 0 || climate > 9) fail(fileName, i + 1, "map number or climate out of range");
    if (maps.count(number)) fail(fileName, i + 1, "map " + std::to_string(number) + " defined twice");
    if (i + kMapH >= lines.size()) fail(fileName, i + 1, "map needs 14 rows");

    std::string cells(kMapW * kMapH, '1');
    for (int y = 0; y < kMapH; ++y) {
      const std::string& row = lines[i + 1 + y];
      if (row.size() != static_cast<std::size_t>(kMapW)) fail(fileName, i + 2 + y, "a row has 18 terrain characters");
      for (int x = 0; x < kMapW; ++x) {
        if (terrainFromChar(row[x]) < 0) fail(fileName, i + 2 + y, std::string("bad terrain character '") + row[x] + "'");
        cells[x * kMapH + y] = row[x];
      }
    }
    maps[number] = cells + char('0' + climate);
    i += kMapH;
  }
  return maps;
}

std::string BuildMapFile(const std::map<int, std::string>& maps) {
  std::string file;
  int next = 0;
  for (const auto& [number, line] : maps) {
    for (; next < number; ++next) file += "\r\n";
    file += line + "\r\n";
    next = number + 1;
  }
  return file;
}

}  // namespace sorvane::assetgen
