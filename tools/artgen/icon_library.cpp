#include "icon_library.h"

#include <QPainter>
#include <QString>

#include <stdexcept>

namespace sorvane::artgen {

QSvgRenderer& IconLibrary::renderer(const std::string& name) {
  auto& slot = renderers_[name];
  if (!slot) {
    const std::filesystem::path file = dir_ / (name + ".svg");
    auto svg = std::make_unique<QSvgRenderer>(QString::fromStdString(file.string()));
    if (!svg->isValid()) throw std::runtime_error("cannot read the icon " + file.string());
    slot = std::move(svg);
  }
  return *slot;
}

QImage IconLibrary::render(const std::string& name, int size, const QColor& colour) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  renderer(name).render(&p, QRectF(0, 0, size, size));
  p.setCompositionMode(QPainter::CompositionMode_SourceIn);
  p.fillRect(image.rect(), colour);
  return image;
}

}  // namespace sorvane::artgen
