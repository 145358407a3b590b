#include <gtest/gtest.h>

#include <sstream>

#include "lab_script.h"

namespace sorvane::lab {
namespace {

TEST(LabCatalogue, PrintsEntriesInRecordOrder) {
  struct Case {
    std::string command, first, contains, last;
  } cases[] = {
      {"print skill 7", "Name=真空波", "\nLine=1\n", "Param=0"},
      {"print skill 72", "Name=氷の矢", "\nAilV=0,3,0,0,0,0,0,0,0,0,0,0,0,0\n", "Param=0"},
      {"print ability 83", "Name=[攻撃強化]", "\nDesc=自分の攻撃力15%アップ。\n", "Desc=自分の攻撃力15%アップ。"},
      {"print special 1", "Name=■癒しのオーラ", "\nDesc=相手のHP10%回復。\\r射程0 効果3 使用可能回数5\n", "Desc=相手のHP10%回復。\\r射程0 効果3 使用可能回数5"},
      {"print creature 57", "Name=けつばん", "\nElem=7\n", "TU=4"},
  };
  for (const Case& c : cases) {
    std::string out = runScript(c.command + "\n");
    EXPECT_EQ(out.rfind(c.first + "\n", 0), 0u) << c.command << "\n" << out;
    EXPECT_NE(out.find(c.contains), std::string::npos) << c.command << "\n" << out;
    EXPECT_EQ(out.substr(out.size() - c.last.size() - 1), c.last + "\n") << c.command;
  }
}

TEST(LabCatalogue, NewGameFillsTheCatalogues) {
  std::string out = runScript("print creature 251\n");
  EXPECT_NE(out.find("\nLv=10\n"), std::string::npos);
  EXPECT_NE(out.find("\nSk=201,"), std::string::npos);
}

TEST(LabCatalogue, RefusesIdsOutsideTheCatalogue) {
  std::string out = runScript("print skill 319\nprint ability -1\nprint special 13\nprint creature x\nprint creature\n");
  std::istringstream lines(out);
  int errors = 0;
  for (std::string l; std::getline(lines, l);) errors += l.rfind("error: ", 0) == 0;
  EXPECT_EQ(errors, 5) << out;
}

}  // namespace
}  // namespace sorvane::lab
