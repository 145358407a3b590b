// The story pages the player has read, kept between runs so that Ctrl can
// hurry through them next time: $XDG_DATA_HOME/sorvane/story_read.txt, one
// page a line as "<scene> <line of its #txt@>".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "story/story_player.h"

namespace sorvane {

// Beside the save folder.
std::filesystem::path defaultReadPagesFile();

// Lines that are not two numbers are passed over: the file only speeds up reading.
story::ReadPages parseReadPages(std::string_view bytes);
std::string formatReadPages(const story::ReadPages& pages);

// A missing or unreadable file reads as nothing read.
story::ReadPages loadReadPages(const std::filesystem::path& file);
// False when the file could not be written (the pages stay known for this run).
bool saveReadPages(const std::filesystem::path& file, const story::ReadPages& pages);

}  // namespace sorvane
