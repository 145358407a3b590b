#include "campaign/user_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "text/cp932.h"

namespace sorvane {

namespace fs = std::filesystem;

namespace {

std::function<void(const fs::path&)>& writeHook() {
  static std::function<void(const fs::path&)> hook;
  return hook;
}

// An absolute folder from an XDG variable, or `fallback` below HOME.
fs::path xdgFolder(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return fs::path(value);
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0')
    throw UserFileError(std::string("neither ") + variable + " nor HOME is set; cannot find the user's folders");
  return fs::path(home) / fallback;
}

std::string systemError(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

// Writes all of `bytes` to `fd`, retrying short writes.
bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void syncFolder(const fs::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename has happened; a folder we cannot open cannot be flushed either
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

UserFolders UserFolders::fromEnvironment() {
  UserFolders f;
  f.configFile = xdgFolder("XDG_CONFIG_HOME", ".config") / "sorvane" / "config.ini";
  f.saveFolder = xdgFolder("XDG_DATA_HOME", ".local/share") / "sorvane" / "save";
  return f;
}

UserFolders UserFolders::inside(const fs::path& root) { return {root / "config.ini", root / "save"}; }

fs::path UserFolders::slotFile(int n) const { return saveFolder / ("save" + std::to_string(n) + ".dat"); }
fs::path UserFolders::progressFile() const { return saveFolder / "save.dat"; }
fs::path UserFolders::formationsFile() const { return saveFolder / "hensei.dat"; }

void ensureSaveFolder(const UserFolders& folders) {
  std::error_code ec;
  fs::create_directories(folders.saveFolder, ec);
  if (ec) throw UserFileError("cannot create the save folder " + folders.saveFolder.string() + ": " + ec.message());
  for (const fs::directory_entry& e : fs::directory_iterator(folders.saveFolder, ec)) {
    std::string name = e.path().filename().string();
    if (name.starts_with('.') && name.find(kTemporaryMarker) != std::string::npos) fs::remove(e.path(), ec);
  }
}

std::optional<std::string> readUserFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UserFileError(systemError("cannot open", path));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw UserFileError(systemError("cannot read", path));
  return bytes.str();
}

void writeUserFileAtomically(const fs::path& path, std::string_view bytes) {
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  std::string pattern = (folder / ("." + path.filename().string() + std::string(kTemporaryMarker) + "XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) throw UserFileError(systemError("cannot create a file in", folder));
  const fs::path temporary = pattern;
  auto fail = [&](const std::string& what) {
    std::string message = systemError(what, path);
    if (fd >= 0) ::close(fd);
    ::unlink(temporary.c_str());
    throw UserFileError(message);
  };
  if (::fchmod(fd, 0644) != 0) fail("cannot set the permissions of");
  if (!writeAll(fd, bytes)) fail("cannot write");
  if (::fsync(fd) != 0) fail("cannot flush");
  if (::close(fd) != 0) {
    fd = -1;
    fail("cannot close");
  }
  fd = -1;
  if (writeHook()) writeHook()(temporary);
  if (::rename(temporary.c_str(), path.c_str()) != 0) fail("cannot replace");
  syncFolder(folder);
}

void setAtomicWriteHookForTests(std::function<void(const fs::path&)> hook) { writeHook() = std::move(hook); }

std::vector<std::string> fileLines(std::string_view bytes) { return text::splitLines(bytes); }

std::string joinFileLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace sorvane
