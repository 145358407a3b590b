// Feeds arbitrary bytes to the formation reader and places every formation:
// nothing may crash, and whatever is placed keeps the loading rules.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "campaign/formations.h"
#include "campaign_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorvane;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Placing changes only the seven party records, so only those are reset per formation.
  static Tsyori& game = []() -> Tsyori& {
    static Tsyori g;
    resetFuzzGame(g);
    return g;
  }();
  const auto formations = parseFormations(bytes);
  for (std::size_t r = 0; r < formations.size(); ++r) {
    for (int i = 0; i <= 6; ++i) game.D->k[i] = fuzzGame().D->k[i];
    game.storyStage = r % 2 == 0 ? 3 : 50;
    placeFormation(formations[r], game);
    const Tdeta& d = *game.D;
    if (d.k[0].Type < kFirstMaster || d.k[0].Type >= kCreatureCount) std::abort();
    for (int i = 1; i <= 6; ++i) {
      const i32 t = d.k[i].Type;
      if (t == 57 || t < 0 || t > 103 || (t != 0 && !d.acquired[t])) std::abort();
      for (int j = 1; j < i; ++j)
        if (t != 0 && d.k[j].Type == t) std::abort();
    }
    // A stored line reads back as it was stored, when its numbers fit their fields.
    Formation f = formations[r];
    f.method = f.method == 0 ? 0 : 1;
    bool fits = true;
    for (i32 u : f.units) fits = fits && std::to_string(u).size() <= 10;
    if (fits) {
      Formation back = parseFormationLine(formationLine(f));
      if (back.units != f.units || back.method != f.method) std::abort();
    }
  }
  return 0;
}
