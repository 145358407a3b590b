// Feeds arbitrary bytes to the map loader as a whole map file and as one map
// line. A missing line is an error; anything else must leave every cell of the
// battlefield holding a terrain code and the climate a weather code, and must
// never touch memory outside the grids.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "data/syori.h"
#include "data/terrain.h"

namespace {

void checkBattlefield(const sorvane::Tsyori& s) {
  for (const auto& column : s.terrain)
    for (sorvane::i32 code : column)
      if (code < 0 || code >= sorvane::kTerrainCount) std::abort();
  if (s.climate < 0 || s.climate > 9 || s.weather != sorvane::Sunny) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The game state is large; one is built and reused.
  static sorvane::Tsyori state;
  if (size < 1) return 0;
  state.maxX = sorvane::kMapW - 1;
  state.maxY = sorvane::kMapH - 1;
  // The first byte picks the line, the rest is the file.
  const int line = data[0] % 8;
  const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    state.LoadMapFromText(line, file);
    checkBattlefield(state);
  } catch (const std::out_of_range&) {
  }
  state.LoadMapLine(file);
  checkBattlefield(state);
  return 0;
}
