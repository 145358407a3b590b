// The archives the build paints: every picture the battle screen, the panels
// and the preparation screen ask for is there, decodes, and has its size.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <set>
#include <string>

#include "data/archive/qda.h"
#include "data/deta.h"

namespace sorvane {
namespace {

const std::string kBmpArchive = std::string(SORVANE_GAME_DIR) + "bmp.qda";
const std::string kPngArchive = std::string(SORVANE_GAME_DIR) + "png.qda";

QImage loadPicture(const std::string& archive, const std::string& name) {
  const qda::Bytes bytes = qda::LoadEntry(archive, name);
  QImage image;
  image.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
  return image;
}

// Every picture number a unit can carry: the catalogue's, and the story masters' own.
std::set<int> picturesInUse() {
  auto d = std::make_unique<Tdeta>();
  d->InitSkills();
  d->InitAbilities();
  d->InitCreatures();
  std::set<int> pictures;
  for (int i = 1; i < kCreatureCount; ++i)
    if (!d->creatures[i].Name.empty()) pictures.insert(d->creatures[i].G);
  for (int g = 181; g <= 186; ++g) pictures.insert(g);  // ガーディアン, ゼロット, アルカネット, ｱﾘｽ_ｴﾝﾃﾚｹｲｱ
  return pictures;
}

TEST(BattleArchive, EveryNumberedPictureIsA60By60PictureWithItsOwnAlpha) {
  for (int n = 0; n <= 186; ++n) {
    SCOPED_TRACE(n);
    const QImage image = loadPicture(kBmpArchive, std::to_string(n) + ".bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(60, 60));
    EXPECT_TRUE(image.hasAlphaChannel());
  }
}

TEST(BattleArchive, UnitMedallionsAreOpaqueInsideAndClearAtTheCorners) {
  for (int g : picturesInUse()) {
    SCOPED_TRACE(g);
    const QImage image = loadPicture(kBmpArchive, std::to_string(g) + ".bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(59, 59)), 0);
    EXPECT_EQ(qAlpha(image.pixel(30, 50)), 255);
  }
}

TEST(BattleArchive, TeamTintsCarryTheTeamColoursHalfSeeThrough) {
  struct Case {
    int picture;
    QRgb colour;
  };
  for (const Case& c : {Case{166, 0x8080FF}, Case{167, 0xFF8080}}) {
    SCOPED_TRACE(c.picture);
    const QImage image = loadPicture(kBmpArchive, std::to_string(c.picture) + ".bmp");
    const QRgb centre = image.pixel(30, 30);
    EXPECT_EQ(centre & 0xFFFFFF, c.colour);
    EXPECT_GT(qAlpha(centre), 0);
    EXPECT_LT(qAlpha(centre), 255);
  }
}

TEST(BattleArchive, InterfacePicturesHaveTheirSizes) {
  struct Case {
    const char* name;
    QSize size;
  };
  const Case cases[] = {
      {"BFmi.bmp", {400, 80}},  {"BFms.bmp", {400, 80}},  {"BFmw.bmp", {400, 80}},
      {"BFmx.bmp", {400, 80}},  {"BFmsi.bmp", {400, 80}}, {"BFmsx.bmp", {400, 80}},
      {"BFmh.bmp", {400, 80}},  {"BFmhx.bmp", {400, 80}}, {"BFmk.bmp", {400, 80}},
      {"ms0.bmp", {110, 110}},  {"ms1.bmp", {110, 110}},  {"job0.bmp", {60, 60}},
      {"job6.bmp", {60, 60}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage image = loadPicture(kBmpArchive, c.name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), c.size);
    EXPECT_TRUE(image.hasAlphaChannel());
  }
}

TEST(PictureArchive, EveryUnitHasItsPortraitAndLargePicture) {
  for (int g : picturesInUse()) {
    SCOPED_TRACE(g);
    EXPECT_EQ(loadPicture(kPngArchive, "s" + std::to_string(g) + ".png").size(), QSize(180, 240));
    EXPECT_EQ(loadPicture(kPngArchive, std::to_string(g) + ".png").size(), QSize(360, 480));
  }
}

TEST(PictureArchive, TerrainPicturesChipsAndMinimapChipsHaveTheirSizes) {
  for (int t = 0; t <= 13; ++t) {
    SCOPED_TRACE(t);
    EXPECT_EQ(loadPicture(kPngArchive, "map" + std::to_string(t) + ".png").size(), QSize(360, 480));
    EXPECT_EQ(loadPicture(kPngArchive, "chip" + std::to_string(t) + ".png").size(), QSize(60, 60));
  }
  for (int i = 0; i <= 19; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(loadPicture(kPngArchive, "mini" + std::to_string(i) + ".png").size(), QSize(9, 9));
  }
  for (int j = 0; j <= 6; ++j) EXPECT_EQ(loadPicture(kPngArchive, "job" + std::to_string(j) + ".png").size(), QSize(180, 240));
}

}  // namespace
}  // namespace sorvane
