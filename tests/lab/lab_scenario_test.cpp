// Plays every lab script in tests/lab/scenarios and compares what it prints
// with the .expected file beside it. After a deliberate change of the game's
// behaviour, run with SORVANE_UPDATE_SCENARIOS=1 to rewrite the expected files,
// then read their diff before committing them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "lab.h"

namespace sorvane::lab {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// "line N: expected ... / printed ..." for the first line that differs.
std::string firstDifference(const std::string& expected, const std::string& printed) {
  std::istringstream e(expected), p(printed);
  std::string el, pl;
  for (int n = 1;; ++n) {
    bool more = static_cast<bool>(std::getline(e, el));
    bool morePrinted = static_cast<bool>(std::getline(p, pl));
    if (!more && !morePrinted) return "no difference";
    if (!more) el = "<end>";
    if (!morePrinted) pl = "<end>";
    if (el != pl) return "line " + std::to_string(n) + ":\n  expected: " + el + "\n  printed:  " + pl;
  }
}

TEST(LabScenarios, EveryScriptPrintsWhatItsExpectedFileHolds) {
  const fs::path dir = fs::path(SORVANE_SOURCE_DIR) / "tests/lab/scenarios";
  std::vector<fs::path> scripts;
  for (const fs::directory_entry& e : fs::directory_iterator(dir))
    if (e.path().extension() == ".lab") scripts.push_back(e.path());
  std::sort(scripts.begin(), scripts.end());
  ASSERT_FALSE(scripts.empty()) << "no scenarios in " << dir;

  const bool update = std::getenv("SORVANE_UPDATE_SCENARIOS") != nullptr;
  for (const fs::path& script : scripts) {
    SCOPED_TRACE(script.filename().string());
    std::ostringstream out;
    Lab lab(out, SORVANE_GAME_DIR);
    std::istringstream in(readFile(script));
    lab.run(in);

    fs::path expectedPath = script;
    expectedPath.replace_extension(".expected");
    if (update) {
      std::ofstream(expectedPath, std::ios::binary) << out.str();
      continue;
    }
    ASSERT_TRUE(fs::exists(expectedPath)) << "missing " << expectedPath.filename();
    const std::string expected = readFile(expectedPath);
    EXPECT_TRUE(out.str() == expected) << firstDifference(expected, out.str());
  }
}

}  // namespace
}  // namespace sorvane::lab
