// sorvane-assetgen: builds the game's archives from the text sources in assets/.
//
//   sorvane-assetgen dat ASSETS_DIR OUT_FILE   packs dat.qda (the battle maps)
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "data/archive/qda_writer.h"
#include "map_source.h"

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
