#include "image_files.h"

#include <QBuffer>
#include <QImageWriter>

#include <stdexcept>

namespace sorvane::artgen {
namespace {

void put16(qda::Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(qda::Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

bool isOpaque(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(row[x]) != 255) return false;
  }
  return true;
}

}  // namespace

qda::Bytes EncodeBmp32(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const std::uint32_t w = image.width(), h = image.height();
  constexpr std::uint32_t kFileHeader = 14, kInfoHeader = 108;
  const std::uint32_t pixelBytes = w * h * 4;

  qda::Bytes out;
  out.reserve(kFileHeader + kInfoHeader + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, kFileHeader + kInfoHeader + pixelBytes);
  put32(out, 0);
  put32(out, kFileHeader + kInfoHeader);
  // BITMAPV4HEADER
  put32(out, kInfoHeader);
  put32(out, w);
  put32(out, h);  // positive: bottom-up rows
  put16(out, 1);
  put16(out, 32);
  put32(out, 3);  // BI_BITFIELDS
  put32(out, pixelBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0x00FF0000);  // red mask
  put32(out, 0x0000FF00);  // green
  put32(out, 0x000000FF);  // blue
  put32(out, 0xFF000000);  // alpha
  put32(out, 0x73524742);  // 'sRGB'
  for (int i = 0; i < 12; ++i) put32(out, 0);  // endpoints and gamma, unused with sRGB
  for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (std::uint32_t x = 0; x < w; ++x) put32(out, row[x]);  // 0xAARRGGBB, little-endian B G R A
  }
  return out;
}

qda::Bytes EncodePng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  // Qt turns a PNG's quality into the deflate level: 50 gives level 4, nearly
  // as small as the strongest and many times faster on these painted pictures.
  writer.setQuality(50);
  const QImage stored = image.hasAlphaChannel() && !isOpaque(image) ? image : image.convertToFormat(QImage::Format_RGB32);
  if (!writer.write(stored)) throw std::runtime_error("cannot encode a PNG: " + writer.errorString().toStdString());
  return qda::Bytes(bytes.begin(), bytes.end());
}

}  // namespace sorvane::artgen
