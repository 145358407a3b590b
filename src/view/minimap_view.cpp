#include "view/minimap_view.h"

#include <algorithm>
#include <cstdlib>

#include <QMouseEvent>
#include <QPainter>

#include "rules/battle.h"

namespace sorvane {

namespace {

constexpr int kMaxZone = 5;

// 0 none, 1 only team 1, 2 only team 2, 3 both.
int zoneClass(const ZoneCells& z, int x, int y) {
  if (x < 0 || y < 0 || x >= kMapW || y >= kMapH) return 0;
  return (z.team1[x][y] ? 1 : 0) | (z.team2[x][y] ? 2 : 0);
}

}  // namespace

ZoneCells zonesOfControl(const Battle& b) {
  ZoneCells z;
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) {
      const i32 u = b.s.unitAt[x][y];
      if (u < 0 || u >= kUnitCount) continue;
      const Tkst& unit = b.d.k[u];
      if (unit.State != OnField || unit.ZOC <= 0) continue;
      Grid<byte>& grid = unit.Team == 1 ? z.team1 : z.team2;
      const int r = std::min(unit.ZOC, kMaxZone);
      for (int cx = 0; cx < kMapW; ++cx)
        for (int cy = 0; cy < kMapH; ++cy)
          if (std::abs(cx - x) + std::abs(cy - y) <= r) grid[cx][cy] = 1;
    }
  return z;
}

MinimapView::MinimapView(const Battle& battle, const BattleArt& art, QWidget* parent)
    : QWidget(parent), battle_(battle), art_(art) {
  setFixedSize(kMapW * kMini, kMapH * kMini);
  setCursor(Qt::PointingHandCursor);
}

void MinimapView::setVisiblePart(QRect part) {
  if (part == visible_) return;
  visible_ = part;
  update();
}

// The map is painted from the state only when the game asks for it, so a
// repaint while the computer is thinking shows the last settled position.
void MinimapView::refresh() {
  const qreal ratio = devicePixelRatioF();
  if (picture_.size() != size() * ratio) {
    picture_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(ratio);
  }
  QPainter p(&picture_);
  paintMap(p);
  p.end();
  update();
}

void MinimapView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (picture_.isNull()) refresh();
  p.drawImage(QPoint(0, 0), picture_);
  if (visible_.isValid()) {
    const QRect r(visible_.x() * kMini / 60, visible_.y() * kMini / 60, visible_.width() * kMini / 60,
                  visible_.height() * kMini / 60);
    p.setPen(QPen(QColor(0xd8, 0xb4, 0x5a), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
}

void MinimapView::paintMap(QPainter& p) {
  const Tsyori& s = battle_.s;
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) {
      p.drawImage(x * kMini, y * kMini, art_.miniChip(s.terrain[x][y]));
      const i32 u = s.unitAt[x][y];
      if (u < 0 || u >= kUnitCount) continue;
      const Tkst& unit = battle_.d.k[u];
      const int kind = std::clamp(unit.Kind, 1, 3) - 1;
      p.drawImage(x * kMini, y * kMini, art_.miniChip(BattleArt::kMinimapMarks + (unit.Team == 1 ? 0 : 3) + kind));
    }

  // Zone outlines: each side of a cell whose neighbour is not of the same class.
  const ZoneCells z = zonesOfControl(battle_);
  const QColor pens[4] = {{}, QColor(0x1e, 0xcc, 0xff), QColor(0xff, 0x28, 0xc2), QColor(0x80, 0x00, 0x80)};
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) {
      const int c = zoneClass(z, x, y);
      if (c == 0) continue;
      p.setPen(QPen(pens[c], 1));
      const int mx = x * kMini, my = y * kMini;
      if (zoneClass(z, x, y - 1) != c) p.drawLine(mx, my, mx + kMini - 1, my);
      if (zoneClass(z, x + 1, y) != c) p.drawLine(mx + kMini - 1, my, mx + kMini - 1, my + kMini - 1);
      if (zoneClass(z, x, y + 1) != c) p.drawLine(mx, my + kMini - 1, mx + kMini - 1, my + kMini - 1);
      if (zoneClass(z, x - 1, y) != c) p.drawLine(mx, my, mx, my + kMini - 1);
    }
}

void MinimapView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int x = std::clamp(at.x() / kMini, 0, kMapW - 1), y = std::clamp(at.y() / kMini, 0, kMapH - 1);
  emit cellPressed(event->button(), x, y);
}

void MinimapView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  emit cellDragged(std::clamp(at.x() / kMini, 0, kMapW - 1), std::clamp(at.y() / kMini, 0, kMapH - 1));
}

}  // namespace sorvane
