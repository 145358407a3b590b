#include "campaign/autosave.h"

#include "campaign/progress_file.h"

namespace sorvane {

std::filesystem::path autosaveFile(const UserFolders& folders) { return folders.saveFolder / "autosave.dat"; }

void writeAutosave(Tsyori& state, Campaign& campaign, const UserFolders& folders) {
  ensureSaveFolder(folders);
  const std::vector<std::string> lines = slotLines(state, state.Random(150000000));
  writeUserFileAtomically(autosaveFile(folders), joinFileLines(lines));
  rcsave(state, campaign, folders);
}

SlotLoad loadAutosave(Tsyori& state, Campaign& campaign, const UserFolders& folders) {
  const auto path = autosaveFile(folders);
  const std::optional<std::string> bytes = readUserFile(path);
  if (!bytes) throw UserFileError("自動セーブがありません");
  const std::vector<std::string> lines = fileLines(*bytes);
  if (lines.size() < kSlotLines) throw UserFileError(path.string() + " is too short for a save");
  return takeOverSlot(lines, state, campaign, folders);
}

}  // namespace sorvane
