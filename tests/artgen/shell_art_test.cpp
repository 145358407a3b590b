// The title's and the shell pages' pictures the build paints: each is in its
// archive with its size, see-through where the page shows what lies beneath
// and solid where it must cover.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "data/archive/qda.h"

namespace sorvane {
namespace {

enum class Alpha {
  ClearCorners,  // a plate or skin: nothing at the very corner, solid in the middle
  SeeThrough,    // the title: the backdrop shows through its vignette and beneath the name
  Opaque,        // a board: covers what it lies on
};

struct Entry {
  const char* archive;
  const char* name;
  QSize size;
  Alpha alpha;
};

// clang-format off
const Entry kEntries[] = {
    {"png.qda", "title.png",    {800, 600}, Alpha::SeeThrough},
    {"bmp.qda", "はじめ0.bmp",  {275, 100}, Alpha::ClearCorners},
    {"bmp.qda", "はじめ1.bmp",  {275, 100}, Alpha::ClearCorners},
    {"bmp.qda", "はじめ2.bmp",  {275, 100}, Alpha::ClearCorners},
    {"bmp.qda", "つづき0.bmp",  {250, 100}, Alpha::ClearCorners},
    {"bmp.qda", "つづき1.bmp",  {250, 100}, Alpha::ClearCorners},
    {"bmp.qda", "つづき2.bmp",  {250, 100}, Alpha::ClearCorners},
    {"bmp.qda", "うらめん0.bmp", {275, 100}, Alpha::ClearCorners},
    {"bmp.qda", "うらめん1.bmp", {275, 100}, Alpha::ClearCorners},
    {"bmp.qda", "うらめん2.bmp", {275, 100}, Alpha::ClearCorners},
    {"bmp.qda", "設定0.bmp",    {130, 44},  Alpha::ClearCorners},
    {"bmp.qda", "設定1.bmp",    {130, 44},  Alpha::ClearCorners},
    {"bmp.qda", "設定2.bmp",    {130, 44},  Alpha::ClearCorners},
    {"bmp.qda", "終了0.bmp",    {130, 44},  Alpha::ClearCorners},
    {"bmp.qda", "終了1.bmp",    {130, 44},  Alpha::ClearCorners},
    {"bmp.qda", "終了2.bmp",    {130, 44},  Alpha::ClearCorners},
    {"png.qda", "panel0.png",   {36, 36},   Alpha::ClearCorners},
    {"png.qda", "panel1.png",   {36, 36},   Alpha::ClearCorners},
    {"png.qda", "frame.png",    {18, 18},   Alpha::ClearCorners},
    {"png.qda", "button0.png",  {18, 12},   Alpha::ClearCorners},
    {"png.qda", "button1.png",  {18, 12},   Alpha::ClearCorners},
    {"png.qda", "button2.png",  {18, 12},   Alpha::ClearCorners},
    {"png.qda", "button3.png",  {18, 12},   Alpha::ClearCorners},
    {"png.qda", "button4.png",  {18, 12},   Alpha::ClearCorners},
    {"png.qda", "button5.png",  {18, 12},   Alpha::ClearCorners},
    {"png.qda", "well0.png",    {12, 12},   Alpha::ClearCorners},
    {"png.qda", "well1.png",    {12, 12},   Alpha::ClearCorners},
    {"png.qda", "arrow.png",    {9, 6},     Alpha::ClearCorners},
    {"png.qda", "board0.png",   {360, 480}, Alpha::Opaque},
    {"png.qda", "board1.png",   {360, 480}, Alpha::Opaque},
};
// clang-format on

TEST(ShellArchive, EveryShellPictureHasItsSizeAndItsAlpha) {
  for (const Entry& e : kEntries) {
    SCOPED_TRACE(e.name);
    const qda::Bytes bytes = qda::LoadEntry(std::string(SORVANE_GAME_DIR) + e.archive, e.name);
    QImage image;
    ASSERT_TRUE(image.loadFromData(bytes.data(), static_cast<int>(bytes.size())));
    EXPECT_EQ(image.size(), e.size);
    const QPoint middle(image.width() / 2, image.height() / 2);
    switch (e.alpha) {
      case Alpha::ClearCorners:
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
        EXPECT_GT(qAlpha(image.pixel(middle)), 0);
        break;
      case Alpha::SeeThrough:
        ASSERT_TRUE(image.hasAlphaChannel());
        for (const QPoint at : {QPoint(0, 0), QPoint(400, 450)}) EXPECT_LT(qAlpha(image.pixel(at)), 255);
        EXPECT_GT(qAlpha(image.pixel(0, 0)), 0);  // the vignette darkens the edges
        break;
      case Alpha::Opaque: EXPECT_FALSE(image.hasAlphaChannel()); break;
    }
  }
}

// A plate at rest and lit is solid under its caption, so the caption never
// shows the backdrop through it; the base plate it blends in over is fainter.
TEST(ShellArchive, MenuPlatesAreSolidAtRestAndFaintAsTheirBase) {
  for (const char* entry : {"はじめ", "設定"}) {
    SCOPED_TRACE(entry);
    auto alphaInMiddle = [&](int state) {
      const qda::Bytes bytes =
          qda::LoadEntry(std::string(SORVANE_GAME_DIR) + "bmp.qda", entry + std::to_string(state) + ".bmp");
      QImage image;
      image.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
      return qAlpha(image.pixel(image.width() / 2, image.height() / 4 + 4));
    };
    EXPECT_EQ(alphaInMiddle(1), 255);
    EXPECT_EQ(alphaInMiddle(2), 255);
    EXPECT_LT(alphaInMiddle(0), 255);
  }
}

}  // namespace
}  // namespace sorvane
