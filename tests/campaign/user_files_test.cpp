#include "campaign/user_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "campaign_fixture.h"

namespace sorvane {
namespace {

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) ::setenv(name, value, 1);
    else ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UserFolders, TheXdgFoldersOrTheirDefaultsBelowHome) {
  struct Case {
    const char* config;
    const char* data;
    const char* configFile;
    const char* saveFolder;
  };
  for (const Case& c : std::vector<Case>{
           {"/x/conf", "/x/data", "/x/conf/sorvane/config.ini", "/x/data/sorvane/save"},
           {nullptr, nullptr, "/home/p/.config/sorvane/config.ini", "/home/p/.local/share/sorvane/save"},
           {"", "relative/data", "/home/p/.config/sorvane/config.ini", "/home/p/.local/share/sorvane/save"},
       }) {
    ScopedEnv home("HOME", "/home/p"), config("XDG_CONFIG_HOME", c.config), data("XDG_DATA_HOME", c.data);
    UserFolders f = UserFolders::fromEnvironment();
    EXPECT_EQ(f.configFile, c.configFile);
    EXPECT_EQ(f.saveFolder, c.saveFolder);
  }
  ScopedEnv home("HOME", nullptr), config("XDG_CONFIG_HOME", nullptr);
  EXPECT_THROW(UserFolders::fromEnvironment(), UserFileError);
}

class AtomicWrites : public CampaignFilesTest {
 protected:
  int filesIn(const std::filesystem::path& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
    return n;
  }
};

TEST_F(AtomicWrites, ReplaceTheWholeFile) {
  const auto file = scratch.path() / "a.txt";
  writeUserFileAtomically(file, "first version, longer");
  writeUserFileAtomically(file, "second");
  EXPECT_EQ(read(file), "second");
  EXPECT_EQ(filesIn(scratch.path()), 1);
}

TEST_F(AtomicWrites, AFailedWriteLeavesTheTargetAndNoTemporaryFile) {
  // A folder where the file should go: the rename fails after the data is written.
  const auto target = scratch.path() / "taken";
  std::filesystem::create_directories(target / "inside");
  EXPECT_THROW(writeUserFileAtomically(target, "data"), UserFileError);
  EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
  EXPECT_EQ(filesIn(scratch.path()), 1);
  // A folder that does not exist: nothing can be created.
  EXPECT_THROW(writeUserFileAtomically(scratch.path() / "missing" / "f", "data"), UserFileError);
}

TEST(FileLines, SplitOnAnyLineEndAndJoinWithCrLf) {
  EXPECT_EQ(fileLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(fileLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(joinFileLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace sorvane
