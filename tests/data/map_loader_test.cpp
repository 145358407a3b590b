#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/archive/qda.h"
#include "data/archive/qda_writer.h"
#include "data/syori.h"
#include "data/terrain.h"

namespace sorvane {
namespace {

class MapLoader : public ::testing::Test {
 protected:
  MapLoader() {
    s.maxX = 17;
    s.maxY = 13;
  }
  void expectEveryCell(i32 code) {
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y) ASSERT_EQ(s.terrain[x][y], code) << x << "," << y;
  }
  Tsyori s;
};

TEST_F(MapLoader, AllImpassableWithClimateZero) {
  s.LoadMapLine(std::string(252, '0') + "0");
  expectEveryCell(0);
  EXPECT_EQ(s.climate, 0);
}

// A map size beyond the grid reads no further than the grid: the columns
// past it would land in the grids stored after the terrain.
TEST_F(MapLoader, ASizeBeyondTheGridStaysInsideIt) {
  fillGrid(s.unitAt, i32{-1});
  s.maxX = 40;
  s.maxY = 30;
  s.LoadMapLine(std::string(2000, '9'));
  expectEveryCell(9);
  for (const auto& column : s.unitAt)
    for (i32 cell : column) ASSERT_EQ(cell, -1);
}

TEST_F(MapLoader, ShortLineGivesPlainsAndClimateOne) {
  s.climate = 5;
  s.LoadMapLine("1");
  expectEveryCell(1);
  EXPECT_EQ(s.climate, 1);
}

TEST_F(MapLoader, ClimateDoesNotDecideTheStartingWeather) {
  s.weather = 2;
  s.LoadMapLine(std::string(252, '1') + "7");
  EXPECT_EQ(s.climate, 7);
  EXPECT_EQ(s.weather, Sunny);
}

TEST_F(MapLoader, CellsAreStoredColumnByColumn) {
  std::string line(253, '1');
  line[14] = '9';   // position 15: (1, 0)
  line[13] = 'd';   // position 14: (0, 13)
  line[251] = 'a';  // position 252: (17, 13)
  s.LoadMapLine(line);
  EXPECT_EQ(s.terrain[1][0], 9);
  EXPECT_EQ(s.terrain[0][13], 13);
  EXPECT_EQ(s.terrain[17][13], 10);
  EXPECT_EQ(s.terrain[0][1], 1);
}

TEST_F(MapLoader, OnlyDigitsAndSmallLettersAToDAreTerrain) {
  struct Case {
    char c;
    i32 code;
  } cases[] = {{'0', 0}, {'5', 5}, {'9', 9}, {'a', 10}, {'d', 13}, {'A', 1}, {'D', 1},
               {'e', 1}, {' ', 1}, {'\xff', 1}, {'-', 1}};
  for (const Case& c : cases) {
    s.LoadMapLine(std::string(1, c.c));
    EXPECT_EQ(s.terrain[0][0], c.code) << "character " << int(static_cast<unsigned char>(c.c));
  }
}

TEST_F(MapLoader, BadClimateCharacterGivesOne) {
  s.LoadMapLine(std::string(252, '6') + "x");
  EXPECT_EQ(s.climate, 1);
  EXPECT_EQ(s.terrain[5][5], 6);
}

TEST_F(MapLoader, PicksTheLineOfTheMapNumber) {
  std::string file = std::string(252, '2') + "3\r\n" + std::string(252, '4') + "5\n" + std::string(252, '6') + "6\r";
  for (int m : {0, 1, 2}) {
    s.LoadMapFromText(m, file);
    EXPECT_EQ(s.mapNo, m);
    EXPECT_EQ(s.terrain[9][9], 2 + 2 * m);
  }
}

TEST_F(MapLoader, MapNumberPastTheLastLineIsAnErrorAndLeavesPlains) {
  s.LoadMapLine(std::string(252, '9'));
  std::string file = std::string(252, '2') + "3\r\n";
  EXPECT_THROW(s.LoadMapFromText(1, file), std::out_of_range);
  expectEveryCell(1);
}

TEST_F(MapLoader, ReadsTheMapFileFromTheDataArchive) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "sorvane_map_loader_test";
  std::filesystem::create_directories(dir);
  std::string file = std::string(252, '2') + "3\r\n" + std::string(100, 'c') + std::string(152, '9') + "4\r\n";
  qda::WriteArchiveFile((dir / "dat.qda").string(), {{"MAP1.DAT", qda::Bytes(file.begin(), file.end())}}, true);
  s.gameDir = dir.string() + "/";
  s.LoadMap(1);
  EXPECT_EQ(s.mapNo, 1);
  EXPECT_EQ(s.climate, 4);
  EXPECT_EQ(s.terrain[0][0], 12);
  EXPECT_EQ(s.terrain[17][13], 9);
  std::filesystem::remove_all(dir);
}

TEST_F(MapLoader, EveryBuiltMapLoads) {
  s.gameDir = SORVANE_GAME_DIR;
  s.LoadMap(0);
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) EXPECT_LT(s.terrain[x][y], kTerrainCount);
}

TEST_F(MapLoader, MissingArchiveFailsAndLeavesPlains) {
  s.LoadMapLine(std::string(252, '9'));
  s.gameDir = "/nonexistent/";
  EXPECT_THROW(s.LoadMap(0), qda::EFOpenError);
  expectEveryCell(1);
}

TEST(Terrain, ElementsAndWhatTheyWeaken) {
  EXPECT_EQ(terrainElement(0), None);
  EXPECT_EQ(terrainElement(1), None);
  EXPECT_EQ(terrainElement(3), Fire);
  EXPECT_EQ(terrainElement(11), Thunder);
  EXPECT_EQ(terrainElement(13), Water);
  EXPECT_EQ(terrainWeakens(2), Ice);
  EXPECT_EQ(terrainWeakens(9), Thunder);
  EXPECT_EQ(terrainWeakens(12), Fire);
  EXPECT_EQ(terrainWeakens(1), None);
}

TEST(Terrain, MovementCostsByElement) {
  EXPECT_EQ(kTerrain[0].moveCost[Water], kImpassable);
  EXPECT_EQ(kTerrain[5].moveCost[Ice], 1);
  EXPECT_EQ(kTerrain[5].moveCost[Fire], 1);
  EXPECT_EQ(kTerrain[5].moveCost[Wood], 2);
  EXPECT_EQ(kTerrain[7].moveCost[Wood], 1);
  EXPECT_EQ(kTerrain[9].moveCost[Earth], 1);
  EXPECT_EQ(kTerrain[11].moveCost[Thunder], 0);
  EXPECT_EQ(kTerrain[13].moveCost[Water], 1);
  EXPECT_EQ(kTerrain[13].moveCost[None], 2);
}

TEST(Terrain, PanelTexts) {
  EXPECT_EQ(kTerrain[3].name, "マグマ");
  EXPECT_EQ(damageCorrectionText(9), "ダメージ修正85%");
  EXPECT_EQ(kTerrain[5].strengthens, "[氷属性]キャラの攻撃力、防御力、\r魔力15%アップ。\r技の追加効果発動率20%アップ。");
  EXPECT_EQ(terrainNameColour(1), kElementColours[0]);
  EXPECT_EQ(terrainWeakensColour(4), kElementColours[Wood]);
  for (i32 code = 0; code < kTerrainCount; ++code) EXPECT_EQ(terrainFromChar(terrainChar(code)), code);
}

}  // namespace
}  // namespace sorvane
