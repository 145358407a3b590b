#include "app/read_pages_file.h"

#include <charconv>

#include "campaign/user_files.h"

namespace sorvane {
namespace {

bool number(std::string_view s, int& v) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

}  // namespace

std::filesystem::path defaultReadPagesFile() {
  return UserFolders::fromEnvironment().saveFolder.parent_path() / "story_read.txt";
}

story::ReadPages parseReadPages(std::string_view bytes) {
  story::ReadPages pages;
  for (const std::string& line : fileLines(bytes)) {
    const std::size_t space = line.find(' ');
    int scene = 0, textLine = 0;
    if (space == std::string::npos || !number(std::string_view(line).substr(0, space), scene) ||
        !number(std::string_view(line).substr(space + 1), textLine) || textLine < 1)
      continue;
    pages.insert({scene, textLine});
  }
  return pages;
}

std::string formatReadPages(const story::ReadPages& pages) {
  std::vector<std::string> lines;
  lines.reserve(pages.size());
  for (const auto& [scene, textLine] : pages) lines.push_back(std::to_string(scene) + " " + std::to_string(textLine));
  return joinFileLines(lines);
}

story::ReadPages loadReadPages(const std::filesystem::path& file) {
  try {
    if (const auto bytes = readUserFile(file)) return parseReadPages(*bytes);
  } catch (const UserFileError&) {
  }
  return {};
}

bool saveReadPages(const std::filesystem::path& file, const story::ReadPages& pages) {
  try {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    writeUserFileAtomically(file, formatReadPages(pages));
    return true;
  } catch (const UserFileError&) {
    return false;
  }
}

}  // namespace sorvane
