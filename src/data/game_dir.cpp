#include "data/game_dir.h"

#include <cstdlib>
#include <filesystem>

namespace sorvane {

namespace fs = std::filesystem;

namespace {

bool holdsArchives(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / "dat.qda", ec);
}

std::string withSlash(const fs::path& dir) {
  std::string s = dir.string();
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

}  // namespace

std::string findGameDir() {
  if (const char* env = std::getenv("SORVANE_DATA_DIR"); env && *env) return withSlash(env);
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  const fs::path own = exe.parent_path();
  const fs::path installed = own.parent_path() / "share" / "sorvane";
  if (!holdsArchives(own) && holdsArchives(installed)) return withSlash(installed);
  return withSlash(own);
}

}  // namespace sorvane
