// The ten save slots save0.dat .. save9.dat: the party, the summoning method,
// the story stage and every catalogue entry's level, experience, learned
// skills and learned abilities. Every number is stored multiplied by a factor
// derived from a checksum S of the whole save, so the loader can check each
// field; a file that fails a check is rejected with a numbered error and the
// running game is left exactly as it was.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "campaign/campaign.h"
#include "campaign/user_files.h"
#include "data/syori.h"

namespace sorvane {

inline constexpr int kSlotCount = 10;
inline constexpr int kSlotLines = 331;

// One catalogue entry as a slot file holds it.
struct SlotEntry {
  i32 Lv = 0;
  i32 Exp = 0;
  std::vector<byte> SkL;  // learned flag per learnable skill
  std::vector<i32> AbL;   // ability states (masters only)
};

// Everything a slot holds, parsed but not yet taken over.
struct SlotData {
  std::array<SlotEntry, kCreatureCount> entries;  // 1..103 and 251..327 are used
  std::array<i32, 7> party{};                     // catalogue entries of unit records 0..6
  i32 SH = 0;                                     // summoning method of the party
  i32 storyStage = 0;
};

// Entries a slot stores: the creatures and the masters.
bool isSlotEntry(int t);

// S: the sum of Exp + Lv over the slot entries, plus the story stage and the
// master's catalogue entry.
i32 slotChecksum(const Tsyori& state);
i32 slotChecksum(const SlotData& data);

// The 331 lines of the file for the current game; `noise` is the random tail
// of line 0 (0..149999999).
std::vector<std::string> slotLines(const Tsyori& state, i32 noise);

struct SlotParse {
  int error = 0;  // 0 when every check passed, else the load error code
  SlotData data;
};
// Checks every field of `lines` (at least 331) against the catalogue's shape.
SlotParse parseSlotLines(const std::vector<std::string>& lines, const Tdeta& catalogue);

// Takes a parsed slot over: levels, experience, skills, abilities, the party
// with SetK, the summoning method and the story stage.
void applySlot(const SlotData& data, Tsyori& state);

// The three-line message for load error `code`.
std::string slotErrorMessage(int code);

// Writes slot N, makes it the current slot, writes the progress file and
// remembers the stage in config.ini. Throws UserFileError.
void saveSlot(int n, Tsyori& state, Campaign& campaign, const UserFolders& folders);

struct SlotLoad {
  int error = 0;        // load error code, 0 when loaded
  std::string message;  // the message for the player when error != 0
  std::string progressMessage;  // what reading the progress file reported, if anything
};
// Loads slot N and then the progress file. A file that fails a check changes
// nothing and reports its code; a missing or short file throws UserFileError.
SlotLoad loadSlot(int n, Tsyori& state, Campaign& campaign, const UserFolders& folders);
// Checks a save's lines and, only when every check passed, takes them over
// and reads the progress file; a failed check changes nothing.
SlotLoad takeOverSlot(const std::vector<std::string>& lines, Tsyori& state, Campaign& campaign,
                      const UserFolders& folders);

// Which of the ten slot files exist (only the exact names save0.dat .. save9.dat count).
std::array<bool, kSlotCount> slotsPresent(const UserFolders& folders);

// The stage label of a slot menu for config.ini [save] "save<N>" (default 99).
std::string slotStageLabel(i32 storedStage);

}  // namespace sorvane
