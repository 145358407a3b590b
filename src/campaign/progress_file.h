// The progress file save.dat: what belongs to the player rather than to a
// save slot — the creature flags, the battle points, the cleared jobs, the
// unlocked master characters, the extra-stage selector and the 23 lifetime
// counters. Every value is bound to a checksum P. A damaged file never wipes
// a player's lifetime progress: each write also keeps a good copy in
// save.dat.bak, and reading a damaged file moves it to save.dat.damaged and
// takes the copy instead.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "campaign/campaign.h"
#include "campaign/user_files.h"
#include "data/syori.h"

namespace sorvane {

inline constexpr int kProgressLines = 131;

struct ProgressValues {
  std::array<byte, kCollectable> defeated{};
  std::array<byte, kCollectable> acquired{};
  std::array<byte, kCollectable> reservedFlags{};
  std::array<byte, kCollectable> summoned{};
  RecordCounters records;
  i32 BP = 0;
  std::array<byte, 7> jobOpen{};
  std::array<byte, 11> charOpen{};
  byte extraOpen = 0;
};

// One stored number: a counter (or BP), its factor and offset in the file,
// and the top of its valid range.
struct ProgressCounter {
  i32 RecordCounters::*field;  // null for BP
  i32 factor;
  i32 offset;
  i32 top;
};
// Lines 104..127 in file order.
const std::array<ProgressCounter, 24>& progressCounters();

ProgressValues captureProgress(const Tsyori& state, const Campaign& campaign);
void applyProgress(const ProgressValues& values, Tsyori& state, Campaign& campaign);

// Stops every counter and BP at the ends of its valid range, so that a long
// career never makes the file invalid.
void clampProgress(ProgressValues& values);

// P: the flags weighted by creature, every counter but the two damage totals,
// BP, and the cleared jobs and unlocked characters.
i32 progressChecksum(const ProgressValues& values);

// The 131 lines of the file; the unset flags' fields and the noise come from `rng`.
std::vector<std::string> progressLines(const ProgressValues& values, RandomGenerator& rng);

struct ProgressParse {
  bool readable = false;  // false when the file has fewer than 130 lines or a field is not a number
  std::string errors;     // the error codes run together ("er20er21"), empty when every check passed
  ProgressValues values;  // what was read; cleared when anything failed
  bool ok() const { return readable && errors.empty(); }
};
ProgressParse parseProgressLines(std::vector<std::string> lines);

// Writes save.dat and its copy save.dat.bak (clamping the counters first).
void rcsave(Tsyori& state, Campaign& campaign, const UserFolders& folders);

struct ProgressLoad {
  enum class Outcome { Loaded, Missing, RestoredFromBackup, Cleared };
  Outcome outcome = Outcome::Missing;
  std::string message;  // for the player: the error codes and what was done about them
};
// Reads save.dat into the game (cleared values when it is missing or damaged
// beyond the backup) and creates hensei.dat when it is missing.
ProgressLoad rcload(Tsyori& state, Campaign& campaign, const UserFolders& folders);

}  // namespace sorvane
