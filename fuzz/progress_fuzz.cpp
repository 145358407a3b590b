// Feeds arbitrary bytes to the progress-file parser. A file it accepts must
// write back to one that reads to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "campaign/progress_file.h"
#include "campaign/user_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorvane;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = fileLines(bytes);
  // Short inputs get the rest of a real file, so the later lines are reached.
  if (lines.size() < kProgressLines) {
    static const std::vector<std::string> base = [] {
      RandomGenerator rng(1);
      return progressLines(ProgressValues{}, rng);
    }();
    for (std::size_t i = lines.size(); i < base.size(); ++i) lines.push_back(base[i]);
  }
  ProgressParse parsed = parseProgressLines(lines);
  if (!parsed.ok()) return 0;
  ProgressValues clamped = parsed.values;
  clampProgress(clamped);
  RandomGenerator rng(2);
  ProgressParse again = parseProgressLines(progressLines(clamped, rng));
  if (!again.ok()) std::abort();
  if (again.values.records.recBattles != parsed.values.records.recBattles || again.values.BP != parsed.values.BP ||
      again.values.defeated != parsed.values.defeated || again.values.charOpen != parsed.values.charOpen ||
      again.values.extraOpen != parsed.values.extraOpen)
    std::abort();
  return 0;
}
