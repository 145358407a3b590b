// The vendored silhouettes (assets/icons/*.svg), rendered in one colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QSvgRenderer>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace sorvane::artgen {

class IconLibrary {
 public:
  explicit IconLibrary(std::filesystem::path iconDir) : dir_(std::move(iconDir)) {}

  // The icon filling a `size` × `size` square, painted in `colour`, on a
  // transparent ground. Throws std::runtime_error for a missing or broken SVG.
  QImage render(const std::string& name, int size, const QColor& colour);

 private:
  QSvgRenderer& renderer(const std::string& name);

  std::filesystem::path dir_;
  std::map<std::string, std::unique_ptr<QSvgRenderer>> renderers_;
};

}  // namespace sorvane::artgen
