// Every page of the window draws a picture, not a blank.
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
  for (Page p : {Page::Title, Page::Story, Page::Preparation, Page::Battle}) {
    window->showPage(p);
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(800, 600));
    EXPECT_GT(colourCount(shot), p == Page::Battle ? 500 : 20) << "page " << static_cast<int>(p);
  }
}

}  // namespace
}  // namespace sorvane::testing
