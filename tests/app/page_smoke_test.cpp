// Every page of the window draws a picture, not a blank, and the battle
// page looks as it did after the others have been shown.
#include <set>

#include <QImage>

#include "app_fixture.h"

namespace sorvane::testing {
namespace {

using PageSmokeTest = AppFixture;

int colourCount(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

TEST_F(PageSmokeTest, EveryPageDrawsAPicture) {
  const QImage battle = window->grab().toImage();
  for (Page p : {Page::Title, Page::Story, Page::Preparation, Page::Battle}) {
    window->showPage(p);
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(800, 600));
    EXPECT_GT(colourCount(shot), p == Page::Battle ? 500 : 20) << "page " << static_cast<int>(p);
    // The battlefield's picture is let go while other pages show; it comes back the same.
    if (p == Page::Battle) EXPECT_EQ(shot, battle);
  }
}

}  // namespace
}  // namespace sorvane::testing
