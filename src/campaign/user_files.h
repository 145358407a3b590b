// Where the player's files live and how they are written. Settings go to
// $XDG_CONFIG_HOME/sorvane/config.ini, saves to $XDG_DATA_HOME/sorvane/save/
// (defaults ~/.config and ~/.local/share); the game folder is only read.
// Every write replaces the file atomically, so a crash or a full disk during a
// save never destroys the file that was there before.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

// A user file that cannot be read or written; the text says which and why.
class UserFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct UserFolders {
  std::filesystem::path configFile;  // .../sorvane/config.ini
  std::filesystem::path saveFolder;  // .../sorvane/save

  // From XDG_CONFIG_HOME and XDG_DATA_HOME (relative or empty values are
  // ignored, as the XDG rules ask), else from HOME.
  static UserFolders fromEnvironment();
  // Both below one folder: `root`/config.ini and `root`/save (tests, tools).
  static UserFolders inside(const std::filesystem::path& root);

  std::filesystem::path slotFile(int n) const;  // save<N>.dat
  std::filesystem::path progressFile() const;   // save.dat
  std::filesystem::path formationsFile() const; // hensei.dat
};

// Creates the save folder when missing and clears temporary files that an
// interrupted write left behind.
void ensureSaveFolder(const UserFolders& folders);

// The whole file, or nothing when it does not exist. Throws UserFileError when
// it exists but cannot be read.
std::optional<std::string> readUserFile(const std::filesystem::path& path);

// Replaces `path` with `bytes`: a temporary file beside it is written, flushed
// to disk, renamed over the target and the folder flushed. On failure the
// temporary file is removed, the target is untouched and UserFileError thrown.
void writeUserFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Temporary files of atomic writes start with this prefix (".save3.dat.tmp-…"),
// so no file listing ever takes one for a save.
inline constexpr std::string_view kTemporaryMarker = ".tmp-";

// Called after the temporary file is on disk and before the rename; tests
// use it to stop a writer at the worst moment. Empty in the game.
void setAtomicWriteHookForTests(std::function<void(const std::filesystem::path& temporary)> hook);

// Text lines of the file formats: split on CR LF (a lone CR or LF too), and
// joined with CR LF after every line.
std::vector<std::string> fileLines(std::string_view bytes);
std::string joinFileLines(const std::vector<std::string>& lines);

}  // namespace sorvane
