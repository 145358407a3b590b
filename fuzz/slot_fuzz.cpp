// Feeds arbitrary bytes to the save-slot parser. Every input must either be
// rejected with a load error code or be taken over; a game taken over must
// save to a file that loads again without an error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "campaign/save_slot.h"
#include "campaign_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorvane;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = fileLines(bytes);
  // Short inputs get the rest of a real save, so the checks past line 0 are reached.
  if (lines.size() < kSlotLines) {
    static const std::vector<std::string> base = slotLines(fuzzGame(), 0);
    for (std::size_t i = lines.size(); i < base.size(); ++i) lines.push_back(base[i]);
  }
  SlotParse parsed = parseSlotLines(lines, *fuzzGame().D);
  if (parsed.error == 0) {
    static Tsyori game;
    resetFuzzGame(game);
    applySlot(parsed.data, game);
    if (parseSlotLines(slotLines(game, 0), *game.D).error != 0) std::abort();
  } else if (parsed.error < 1 || parsed.error > 100) {
    std::abort();
  }
  return 0;
}
