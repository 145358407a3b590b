// The terrain chips: each terrain reads as itself, and every chip tiles with
// itself without a visible seam.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "data/archive/qda.h"

namespace sorvane {
namespace {

QImage chip(int code) {
  const qda::Bytes bytes = qda::LoadEntry(std::string(SORVANE_GAME_DIR) + "png.qda", "chip" + std::to_string(code) + ".png");
  QImage image;
  image.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
  return image.convertToFormat(QImage::Format_RGB32);
}

double channelDistance(QRgb a, QRgb b) {
  return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))) / 3.0;
}

// Mean of the per-pixel colour distance between two pictures of one size.
double meanDistance(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) sum += channelDistance(a.pixel(x, y), b.pixel(x, y));
  return sum / (a.width() * a.height());
}

// Mean colour distance between columns a and b (or rows, when `rows`).
double lineDistance(const QImage& image, int a, int b, bool rows) {
  double sum = 0;
  for (int i = 0; i < 60; ++i) {
    sum += rows ? channelDistance(image.pixel(i, a), image.pixel(i, b)) : channelDistance(image.pixel(a, i), image.pixel(b, i));
  }
  return sum / 60;
}

TEST(TerrainChips, EveryTerrainLooksDifferentFromEveryOther) {
  std::vector<QImage> chips;
  for (int t = 0; t <= 13; ++t) chips.push_back(chip(t));
  for (int a = 0; a <= 13; ++a) {
    for (int b = a + 1; b <= 13; ++b) {
      SCOPED_TRACE(std::to_string(a) + " vs " + std::to_string(b));
      EXPECT_GT(meanDistance(chips[a], chips[b]), 20.0);
    }
  }
}

TEST(TerrainChips, OppositeEdgesMeetLikeNeighbouringPixels) {
  for (int t = 0; t <= 13; ++t) {
    SCOPED_TRACE(t);
    const QImage image = chip(t);
    for (bool rows : {false, true}) {
      double roughest = 0;
      for (int i = 0; i < 59; ++i) roughest = std::max(roughest, lineDistance(image, i, i + 1, rows));
      // The step across the seam (last line to first) is no rougher than the steps inside the chip
      // (with a little room: a sharp crack may happen to cross the seam).
      EXPECT_LE(lineDistance(image, 59, 0, rows), 1.25 * roughest + 1.0) << (rows ? "rows" : "columns");
    }
  }
}

}  // namespace
}  // namespace sorvane
