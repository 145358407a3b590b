#include "art_build.h"

#include <QPainter>

#include <algorithm>
#include <map>

#include "board_art.h"
#include "caption_art.h"
#include "image_files.h"
#include "portrait_art.h"
#include "skin_art.h"
#include "story_art.h"
#include "style.h"
#include "terrain_art.h"
#include "title_art.h"
#include "token_art.h"

namespace sorvane::artgen {
namespace {

constexpr int kFirstStoneCircle = 130, kFirstCircle = 137;
constexpr int kSpentMarkers = 119;
constexpr int kTeam1Tint = 166, kTeam2Tint = 167, kMoveRings = 168, kThreatRings = 169;

std::string number(int n) { return std::to_string(n); }

std::vector<PaintedPicture> paintBattlePictures(const ArtTables& tables, IconLibrary& icons) {
  const Palette& palette = tables.palette;
  std::map<int, QImage> pictures;
  for (const UnitArt& unit : tables.units) pictures[unit.g] = PaintUnitToken(icons, palette, unit);
  pictures[kSpentMarkers] = PaintSpentMarkers(icons, palette, tables);
  for (int e = 0; e < 7; ++e) {
    pictures[kFirstStoneCircle + e] = PaintSummoningCircle(icons, palette, tables, e, false);
    pictures[kFirstCircle + e] = PaintSummoningCircle(icons, palette, tables, e, true);
  }
  pictures[kTeam1Tint] = PaintCellWash(toColor(palette.colour("team1")));
  pictures[kTeam2Tint] = PaintCellWash(toColor(palette.colour("team2")));
  pictures[kMoveRings] = PaintCellWash(QColor(0xFF, 0xF0, 0x90));
  pictures[kThreatRings] = PaintCellWash(QColor(0xFF, 0xA0, 0x50));

  const QImage placeholder = PaintPlaceholderToken(palette);
  std::vector<PaintedPicture> out;
  for (int n = 0; n < kBattlePictureCount; ++n) {
    const auto it = pictures.find(n);
    out.push_back({number(n) + ".bmp", it == pictures.end() ? placeholder : it->second});
  }
  return out;
}

// The title and the shell pages' pictures: the menu plates into bmp.qda, the rest into png.qda.
void paintShellArt(const ArtTables& tables, PaintedArt& art) {
  const Palette& palette = tables.palette;
  for (const ShellArt& shell : tables.shell) {
    switch (shell.kind) {
      case ShellKind::Title: art.png.push_back({shell.entry, PaintTitle(palette, shell)}); break;
      case ShellKind::Menu:
        for (int state = 0; state < kMenuStates; ++state)
          art.bmp.push_back({shell.entry + number(state) + ".bmp", PaintMenuPlate(palette, shell, state)});
        break;
      case ShellKind::Panel: art.png.push_back({shell.entry, PaintPanelSkin(palette, shell)}); break;
      case ShellKind::Button: art.png.push_back({shell.entry, PaintButtonSkin(palette, shell)}); break;
      case ShellKind::Well: art.png.push_back({shell.entry, PaintWellSkin(palette, shell)}); break;
      case ShellKind::Glyph: art.png.push_back({shell.entry, PaintGlyph(palette, shell)}); break;
      case ShellKind::Board: {
        const TerrainArt& ground = tables.terrain.at(std::stoi(shell.text));
        art.png.push_back({shell.entry, PaintPreparationBoard(palette, shell, ground)});
        break;
      }
    }
  }
}

UnitArt jobArt(const JobArt& job) { return {-1 - job.job, 0, Frame::Master, job.icon, job.name}; }

}  // namespace

PaintedArt PaintAll(const ArtTables& tables, IconLibrary& icons) {
  const Palette& palette = tables.palette;
  PaintedArt art;
  art.bmp = paintBattlePictures(tables, icons);
  for (const CaptionArt& caption : tables.captions) art.bmp.push_back({caption.entry, PaintConfirmation(palette, caption)});
  art.bmp.push_back({"ms0.bmp", PaintSelectionRing(palette)});
  art.bmp.push_back({"ms1.bmp", PaintSelectionGlow(palette)});
  for (const JobArt& job : tables.jobs) {
    art.bmp.push_back({"job" + number(job.job) + ".bmp", PaintUnitToken(icons, palette, jobArt(job))});
  }

  for (const UnitArt& unit : tables.units) {
    art.png.push_back({"s" + number(unit.g) + ".png", PaintPortrait(icons, palette, unit, kPortraitSize)});
    art.png.push_back({number(unit.g) + ".png", PaintPortrait(icons, palette, unit, kLargePictureSize)});
  }
  for (const JobArt& job : tables.jobs) {
    art.png.push_back({"job" + number(job.job) + ".png", PaintPortrait(icons, palette, jobArt(job), kPortraitSize)});
  }
  for (const TerrainArt& t : tables.terrain) {
    art.png.push_back({"map" + number(t.code) + ".png", PaintTerrainPicture(palette, t)});
    art.png.push_back({"chip" + number(t.code) + ".png", PaintTerrainChip(t)});
    art.png.push_back({"mini" + number(t.code) + ".png", PaintMiniChip(t)});
  }
  for (int team = 1; team <= 2; ++team) {
    for (int kind = 0; kind < 3; ++kind) {
      const int index = 14 + 3 * (team - 1) + kind;  // 14..16 team 1, 17..19 team 2
      art.png.push_back({"mini" + number(index) + ".png", PaintMiniUnit(palette, team, kind)});
    }
  }
  for (PaintedPicture& picture : PaintStoryArt(tables, icons)) art.png.push_back(std::move(picture));
  paintShellArt(tables, art);
  return art;
}

std::vector<qda::ArchiveEntry> EncodeBmpEntries(const std::vector<PaintedPicture>& pictures) {
  std::vector<qda::ArchiveEntry> entries;
  for (const PaintedPicture& p : pictures) entries.push_back({p.name, EncodeBmp32(p.image)});
  return entries;
}

std::vector<qda::ArchiveEntry> EncodePngEntries(const std::vector<PaintedPicture>& pictures) {
  std::vector<qda::ArchiveEntry> entries;
  for (const PaintedPicture& p : pictures) entries.push_back({p.name, EncodePng(p.image)});
  return entries;
}

QImage PaintContactSheet(const PaintedArt& art, const ArtTables& tables) {
  auto find = [](const std::vector<PaintedPicture>& list, const std::string& name) -> const QImage& {
    static const QImage none;
    for (const PaintedPicture& p : list)
      if (p.name == name) return p.image;
    return none;
  };
  constexpr int kWidth = 1560, kGap = 6;
  QImage sheet(kWidth, 5400, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(0xFF, 0xFB, 0xF0));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  int y = 10;
  auto heading = [&](const QString& text) {
    p.setFont(uiFont(18));
    p.setPen(QColor(0x40, 0x40, 0x48));
    p.drawText(10, y + 20, text);
    y += 30;
  };

  // Battle pictures over grass, so their alpha shows; every picture number in order.
  heading("battle pictures 0..186 (bmp.qda), over terrain 6");
  const QImage& grass = find(art.png, "chip6.png");
  int x = 10;
  for (int n = 0; n < kBattlePictureCount; ++n) {
    if (x + 60 > kWidth - 10) {
      x = 10;
      y += 60 + kGap + 12;
    }
    p.drawImage(x, y, grass);
    p.drawImage(x, y, find(art.bmp, std::to_string(n) + ".bmp"));
    p.setFont(uiFont(10, false));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(x, y + 71, QString::number(n));
    x += 60 + kGap;
  }
  y += 60 + 24;
  x = 10;
  for (const JobArt& job : tables.jobs) {
    p.drawImage(x, y, grass);
    p.drawImage(x, y, find(art.bmp, "job" + std::to_string(job.job) + ".bmp"));
    x += 60 + kGap;
  }
  y += 70;

  heading("terrain chips 0..13 tiled 2×2, minimap chips 0..19 (×4), terrain pictures (½)");
  x = 10;
  for (const TerrainArt& t : tables.terrain) {
    const QImage& chip = find(art.png, "chip" + std::to_string(t.code) + ".png");
    for (int i = 0; i < 4; ++i) p.drawImage(x + 60 * (i % 2), y + 60 * (i / 2), chip);
    x += 120 + kGap;
    if (x + 120 > kWidth) {
      x = 10;
      y += 120 + kGap;
    }
  }
  y += 120 + kGap;
  x = 10;
  for (int i = 0; i < 20; ++i) {
    const QImage& mini = find(art.png, "mini" + std::to_string(i) + ".png");
    if (i >= 14) p.drawImage(QRect(x, y, 36, 36), find(art.png, "mini1.png"));
    p.drawImage(QRect(x, y, 36, 36), mini);
    x += 36 + kGap;
  }
  y += 36 + 2 * kGap;
  x = 10;
  for (const TerrainArt& t : tables.terrain) {
    p.drawImage(QRect(x, y, 180, 240), find(art.png, "map" + std::to_string(t.code) + ".png"));
    x += 180 + kGap;
    if (x + 180 > kWidth) {
      x = 10;
      y += 240 + kGap;
    }
  }
  y += 240 + kGap;

  heading("confirmation pictures and selection overlays (bmp.qda), over terrain 1");
  y += 12;
  x = 10;
  const QImage& plain = find(art.png, "chip1.png");
  int column = 0;
  for (const CaptionArt& c : tables.captions) {
    for (int i = 0; i < 14; ++i) p.drawImage(x + 60 * (i % 7), y + 60 * (i / 7) - 10, plain);
    p.drawImage(x, y, find(art.bmp, c.entry));
    if (++column % 3 == 0) {
      x = 10;
      y += 100;
    } else {
      x += 420 + 20;
    }
  }
  p.drawImage(x, y, find(art.bmp, "ms0.bmp"));
  p.drawImage(x + 120, y, find(art.bmp, "ms1.bmp"));
  y += 130;

  heading("portraits s<G>.png (½ size) and the job cards");
  x = 10;
  std::vector<std::string> portraits;
  for (const UnitArt& u : tables.units) portraits.push_back("s" + std::to_string(u.g) + ".png");
  for (const JobArt& j : tables.jobs) portraits.push_back("job" + std::to_string(j.job) + ".png");
  for (const std::string& name : portraits) {
    if (x + 90 > kWidth - 10) {
      x = 10;
      y += 120 + kGap;
    }
    p.drawImage(QRect(x, y, 90, 120), find(art.png, name));
    x += 90 + kGap;
  }
  y += 120 + kGap;

  heading("the title over haikei1 (½), its menu plates 0, 1, 2, the skins stretched, the preparation boards");
  const QImage& backdrop = find(art.png, "haikei1.png");
  p.drawImage(QRect(10, y, 400, 300), backdrop);
  p.drawImage(QRect(10, y, 400, 300), find(art.png, "title.png"));
  x = 420;
  int rowTop = y;
  for (const ShellArt& shell : tables.shell) {
    if (shell.kind != ShellKind::Menu) continue;
    for (int state = 0; state < 3; ++state) {
      const QRect at(x + state * (shell.width + kGap), rowTop, shell.width, shell.height);
      p.drawImage(at, backdrop, QRect(200, 480, shell.width, shell.height));
      p.drawImage(at, find(art.bmp, shell.entry + std::to_string(state) + ".bmp"));
    }
    rowTop += shell.height + kGap;
  }
  y = std::max(y + 300, rowTop) + kGap;
  x = 10;
  for (const ShellArt& shell : tables.shell) {
    if (shell.kind != ShellKind::Panel && shell.kind != ShellKind::Button && shell.kind != ShellKind::Well) continue;
    // Stretched as the pages stretch them: corners kept, edges and middle drawn out.
    const QImage& skin = find(art.png, shell.entry);
    const int cw = skin.width() / 3, ch = skin.height() / 3;
    const QSize size = shell.kind == ShellKind::Button ? QSize(90, 26) : QSize(160, 90);
    const int xs[4] = {0, cw, size.width() - cw, size.width()}, sxs[4] = {0, cw, 2 * cw, skin.width()};
    const int ys[4] = {0, ch, size.height() - ch, size.height()}, sys[4] = {0, ch, 2 * ch, skin.height()};
    p.fillRect(QRect(x - 4, y - 4, size.width() + 8, size.height() + 8), QColor(0x1b, 0x21, 0x2b));
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        p.drawImage(QRect(x + xs[i], y + ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j]), skin,
                    QRect(sxs[i], sys[j], sxs[i + 1] - sxs[i], sys[j + 1] - sys[j]));
    x += size.width() + 3 * kGap;
  }
  y += 90 + 3 * kGap;
  x = 10;
  for (const ShellArt& shell : tables.shell) {
    if (shell.kind != ShellKind::Board) continue;
    p.drawImage(x, y, find(art.png, shell.entry));
    x += shell.width + kGap;
  }
  y += 480 + kGap;
  p.end();
  return sheet.copy(0, 0, kWidth, std::min(y + 10, sheet.height()));
}

}  // namespace sorvane::artgen
