// sorvane-artgen: paints the battle art from the text sources in assets/ and
// packs it into the game's picture archives.
//
//   sorvane-artgen ASSETS_DIR OUT_DIR [--sheet FILE.png]
//
// Writes OUT_DIR/bmp.qda (battle pictures "0.bmp" … "186.bmp", the
// confirmation pictures, the selection overlays, the job tokens) and
// OUT_DIR/png.qda (portraits, large pictures, terrain pictures and chips,
// minimap chips, job cards). The same sources always give the same bytes.
// --sheet also writes a contact sheet of everything, for looking at the art.
#include <QFontDatabase>
#include <QGuiApplication>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "art_build.h"
#include "art_tables.h"
#include "icon_library.h"
#include "style.h"

namespace fs = std::filesystem;
using namespace sorvane;

namespace {

int usage() {
  std::cerr << "usage: sorvane-artgen ASSETS_DIR OUT_DIR [--sheet FILE.png]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Painting needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "--sheet")) return usage();
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  try {
    if (!QFontDatabase::families().contains(artgen::kFontFamily)) {
      throw std::runtime_error(std::string("the font ") + artgen::kFontFamily +
                               " is not installed (Debian package fonts-noto-cjk)");
    }
    const fs::path assets = args[0], out = args[1];
    const artgen::ArtTables tables = artgen::LoadArtTables(assets / "art");
    artgen::IconLibrary icons(assets / "icons");
    const artgen::PaintedArt art = artgen::PaintAll(tables, icons);

    fs::create_directories(out);
    qda::WriteArchiveFile((out / "bmp.qda").string(), artgen::EncodeBmpEntries(art.bmp), /*compressed=*/true);
    // PNG data is already deflated; byte pairs would find nothing to gain.
    qda::WriteArchiveFile((out / "png.qda").string(), artgen::EncodePngEntries(art.png), /*compressed=*/false);

    if (args.size() == 4) {
      const QImage sheet = artgen::PaintContactSheet(art, tables);
      if (!sheet.save(QString::fromStdString(args[3]), "png")) throw std::runtime_error("cannot write " + args[3]);
    }
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "sorvane-artgen: " << e.what() << "\n";
    return 1;
  }
}
