// The autosave: before every battle the game is written to a slot file of its
// own (save/autosave.dat, the layout of the ten slots), which つづき offers
// beside them. It never becomes the current slot.
#pragma once

#include <filesystem>

#include "campaign/save_slot.h"
#include "campaign/user_files.h"

namespace sorvane {

std::filesystem::path autosaveFile(const UserFolders& folders);
// Writes the autosave and the progress file. Throws UserFileError.
void writeAutosave(Tsyori& state, Campaign& campaign, const UserFolders& folders);
// Loads the autosave and then the progress file, as a slot loads; a file that
// fails a check changes nothing. Throws UserFileError when missing or short.
SlotLoad loadAutosave(Tsyori& state, Campaign& campaign, const UserFolders& folders);

}  // namespace sorvane
