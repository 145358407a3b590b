// A game as a new game has it, and a scratch folder for the player's files.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "campaign/campaign.h"
#include "campaign/user_files.h"
#include "data/syori.h"

namespace sorvane {

inline std::unique_ptr<Tsyori> newGame(std::uint64_t seed = 1) {
  auto s = std::make_unique<Tsyori>();
  s->rng.Seed(seed);
  Tdeta& d = *s->D;
  d.InitSkills();
  d.InitAbilities();
  d.InitCreatures();
  for (Tcst& entry : d.creatures) entry.Lv = 10;
  for (int owned : {0, 25, 92}) d.acquired[owned] = 1;
  d.charOpen[0] = 1;
  s->SetK(0, kFirstMaster, 0);
  for (int i = 1; i <= 6; ++i) s->SetK(i, 0, 0);
  return s;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  UserFolders folders() const { return UserFolders::inside(path_); }

 private:
  std::filesystem::path path_;
};

// A game in the files' fixture: its state, its campaign and a scratch folder.
class CampaignFilesTest : public ::testing::Test {
 protected:
  std::unique_ptr<Tsyori> state = newGame();
  Campaign campaign;
  ScratchFolder scratch;
  UserFolders folders = scratch.folders();

  std::string read(const std::filesystem::path& p) { return readUserFile(p).value_or("<missing>"); }
  std::vector<std::string> lines(const std::filesystem::path& p) { return fileLines(read(p)); }
  void write(const std::filesystem::path& p, const std::vector<std::string>& l) {
    writeUserFileAtomically(p, joinFileLines(l));
  }
};

}  // namespace sorvane
