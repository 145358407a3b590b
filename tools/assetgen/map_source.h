// The battle maps' text source: each map is drawn as 14 rows of 18 terrain
// characters, the way a designer sees the battlefield, under a header line
// "map N climate C". The map file stores the same map column by column.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sorvane::assetgen {

class MapSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Map number -> map file line (252 terrain characters, then the climate digit).
std::map<int, std::string> ParseMapSource(std::string_view source, const std::string& fileName);

// All lines of map1.dat joined with CR LF; numbers with no map stay empty lines.
std::string BuildMapFile(const std::map<int, std::string>& maps);

}  // namespace sorvane::assetgen
