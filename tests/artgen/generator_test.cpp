// The generator itself: the same sources always give the same archives, and
// bad tables are refused with the file and line at fault.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "art_tables.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempDir {
 public:
  explicit TempDir(const std::string& name) : path_(fs::temp_directory_path() / (name + std::to_string(::getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(ArtGenerator, ASecondRunWritesTheSameArchivesByteForByte) {
  TempDir out("sorvane-artgen-again-");
  const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + SORVANE_ARTGEN + "' '" + SORVANE_SOURCE_DIR +
                              "assets' '" + out.path().string() + "' 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* archive : {"bmp.qda", "png.qda"}) {
    SCOPED_TRACE(archive);
    const std::string built = readBytes(fs::path(SORVANE_GAME_DIR) / archive);
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(built == readBytes(out.path() / archive));
  }
}

// A copy of the real tables with one file replaced.
class BrokenTables : public ::testing::Test {
 protected:
  BrokenTables() : dir_("sorvane-art-tables-") {
    fs::copy(fs::path(SORVANE_SOURCE_DIR) / "assets/art", dir_.path(), fs::copy_options::recursive);
  }
  void write(const std::string& file, const std::string& text) { std::ofstream(dir_.path() / file) << text; }
  std::string loadError() {
    try {
      artgen::LoadArtTables(dir_.path());
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "";
  }
  TempDir dir_;
};

TEST_F(BrokenTables, TheRealTablesLoad) { EXPECT_EQ(loadError(), ""); }

TEST_F(BrokenTables, AreRefusedNamingFileAndLine) {
  struct Case {
    const char* file;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"units.txt", "# header\n1 0 creature mandrill-head 覚\n1 0 creature dove again\n", "units.txt:3: picture 1 is listed twice"},
      {"units.txt", "187 0 creature dove x\n", "units.txt:1: '187' is not a number from 0 to 186"},
      {"units.txt", "5 9 creature dove x\n", "units.txt:1: '9' is not a number from 0 to 7"},
      {"units.txt", "5 0 boss dove x\n", "units.txt:1: frame 'boss' is not creature, familiar or master"},
      {"units.txt", "5 0 creature dove\n", "units.txt:1: too few columns"},
      {"terrain.txt", "0 移動不能 lava 000000 000000 000000\n", "terrain.txt:1: no texture named 'lava'"},
      {"terrain.txt", "0 移動不能 void 00000G 000000 000000\n", "terrain.txt:1: '00000G' is not a colour RRGGBB"},
      {"jobs.txt", "1 crossed-swords 戦士\n", "jobs.txt:1: jobs must be listed 0..6 in order"},
      {"captions.txt", "BFmi.bmp maybe ここに移動します\n", "captions.txt:1: tone must be ok, no or ask"},
      {"markers.txt", "move footsteps\n", "markers.txt: marker 'skill' is missing"},
      {"shell.txt", "panel panel0.png 35x36 rest\n", "shell.txt:1: a nine-slice picture's sides must be multiples of 3"},
      {"shell.txt", "button button0.png 18x12 shiny\n", "shell.txt:1: a button has no look 'shiny'"},
      {"shell.txt", "title title.png 800x600 - Sorvane\n",
       "shell.txt:1: the title needs its name and the line under it, 'NAME | LINE'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const std::string original = readBytes(dir_.path() / c.file);
    write(c.file, c.text);
    EXPECT_EQ(loadError(), c.message);
    write(c.file, original);
  }
}

}  // namespace
}  // namespace sorvane
