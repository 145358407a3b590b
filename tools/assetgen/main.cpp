// sorvane-assetgen: builds the game's archives from the text sources in assets/.
//
//   sorvane-assetgen dat ASSETS_DIR OUT_FILE   packs dat.qda: the battle maps, and the
//                                              story scripts assets/story/story<N>.txt
//                                              as "story<N>.dat" in Shift-JIS with CR LF
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "data/archive/qda_writer.h"
#include "map_source.h"
#include "text/cp932.h"

namespace fs = std::filesystem;
using namespace sorvane;

namespace {

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

qda::Bytes bytesOf(const std::string& s) { return qda::Bytes(s.begin(), s.end()); }

// Story scripts are written in UTF-8 with any line ends; the game reads Shift-JIS with CR LF.
std::vector<qda::ArchiveEntry> storyEntries(const fs::path& folder) {
  std::vector<fs::path> sources;
  if (fs::is_directory(folder))
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.path().extension() == ".txt" && entry.path().stem().string().starts_with("story"))
        sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());
  std::vector<qda::ArchiveEntry> entries;
  for (const fs::path& source : sources) {
    std::string script;
    try {
      for (const std::string& line : text::splitLines(readFile(source))) script += text::toCp932(line) + "\r\n";
    } catch (const text::EncodingError& e) {
      throw std::runtime_error(source.string() + ": " + e.what());
    }
    entries.push_back({source.stem().string() + ".dat", bytesOf(script)});
  }
  return entries;
}

void packDat(const fs::path& assets, const std::string& out) {
  std::vector<fs::path> sources;
  for (const auto& entry : fs::directory_iterator(assets / "maps"))
    if (entry.path().extension() == ".txt") sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());

  std::map<int, std::string> maps;
  for (const fs::path& source : sources) {
    for (auto& [number, line] : assetgen::ParseMapSource(readFile(source), source.filename().string())) {
      if (!maps.emplace(number, line).second)
        throw std::runtime_error(source.string() + ": map " + std::to_string(number) + " is defined in another file too");
    }
  }
  std::vector<qda::ArchiveEntry> entries = {{"map1.dat", bytesOf(assetgen::BuildMapFile(maps))}};
  for (qda::ArchiveEntry& script : storyEntries(assets / "story")) entries.push_back(std::move(script));
  qda::WriteArchiveFile(out, entries, /*compressed=*/true);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "dat") {
      packDat(args[1], args[2]);
      return 0;
    }
    std::cerr << "usage: sorvane-assetgen dat ASSETS_DIR OUT_FILE\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "sorvane-assetgen: " << e.what() << "\n";
    return 1;
  }
}
