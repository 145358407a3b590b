#include "view/map_painter.h"

#include <QPainterPath>
#include <QRegion>

#include "view/view_style.h"

namespace sorvane {

namespace {

bool showsZones(const Battle& b) {
  return (b.pickMode == 1 && (b.pickCommand == 1 || b.pickCommand == 6)) || (b.pickMode == 2 && b.pickCommand == 8);
}

void paintZones(QPainter& p, const Battle& b, const BattleArt& art, const BoardMarks& marks) {
  const Tsyori& s = b.s;
  const bool ofTeam1 = b.d.k[s.selUnit].Team == 1;
  const MarginGrid& other = ofTeam1 ? s.zoc2 : s.zoc1;
  const QImage& tint = art.bitmap(ofTeam1 ? BattleArt::kTeam2Tint : BattleArt::kTeam1Tint);
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y)
      if (other(x, y)) p.drawImage(x * kCell, y * kCell, tint);
  if ((b.pickCommand == 6 || b.pickCommand == 8) && marks.pickIndex > 0) {
    const QImage& ring = art.bitmap(b.pickCommand == 8 ? BattleArt::kMoveRing : BattleArt::kThreatRing);
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (s.reachLeft[x][y] == -marks.pickIndex) p.drawImage(x * kCell, y * kCell, ring);
  }
}

// Unreachable cells darkened, or with fast drawing the reachable ones tinted.
void paintRange(QPainter& p, const Battle& b, const BattleArt& art, const BoardMarks& marks) {
  const Tsyori& s = b.s;
  p.save();
  if (marks.fastDraw) {
    p.setOpacity(120.0 / 255.0);
    const QImage& tint = art.bitmap(b.d.k[s.selUnit].Team == 1 ? BattleArt::kTeam1Tint : BattleArt::kTeam2Tint);
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (!s.reachPath[x][y].empty()) p.drawImage(x * kCell, y * kCell, tint);
  } else {
    // One fill over the whole unreachable region: far cheaper than a fill per cell.
    QRegion dark;
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (s.reachPath[x][y].empty()) dark += QRect(x * kCell, y * kCell, kCell, kCell);
    p.setClipRegion(dark);
    p.fillRect(0, 0, kFieldWidth, kFieldHeight, QColor(8, 10, 16, 140));
  }
  p.restore();
}

// Cells an opponent threatens: a red wash with a bright edge toward safe ground.
void paintThreats(QPainter& p, const BoardMarks& marks) {
  p.save();
  const QColor wash(0xff, 0x40, 0x40, 70), edge(0xff, 0x70, 0x60, 220);
  auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < kMapW && y < kMapH && marks.threatened[x][y]; };
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) {
      if (!marks.threatened[x][y]) continue;
      const int px = x * kCell, py = y * kCell;
      p.fillRect(px, py, kCell, kCell, wash);
      p.setPen(QPen(edge, 2));
      if (!at(x, y - 1)) p.drawLine(px, py + 1, px + kCell, py + 1);
      if (!at(x, y + 1)) p.drawLine(px, py + kCell - 1, px + kCell, py + kCell - 1);
      if (!at(x - 1, y)) p.drawLine(px + 1, py, px + 1, py + kCell);
      if (!at(x + 1, y)) p.drawLine(px + kCell - 1, py, px + kCell - 1, py + kCell);
    }
  p.restore();
}

// The 5-pixel frame that inverts what lies under it.
void paintDestinationFrame(QPainter& p, int x, int y) {
  p.save();
  // White in difference mode turns every colour under the border into its opposite.
  p.setCompositionMode(QPainter::CompositionMode_Difference);
  const QRect outer(x * kCell + 3, y * kCell + 3, 55, 55);
  QPainterPath path;
  path.addRect(outer);
  path.addRect(outer.adjusted(5, 5, -5, -5));
  p.fillPath(path, Qt::white);
  p.restore();
}

}  // namespace

void paintBars(QPainter& p, const Tkst& unit, int px, int py, int dx, QColor framePen) {
  p.save();
  p.setPen(QPen(framePen, 1));
  p.setBrush(QColor(0xff, 0x80, 0x80));
  p.drawRect(px + 17 + dx, py + 42, 40, 4);
  p.drawRect(px + 17 + dx, py + 50, 40, 4);
  p.setPen(Qt::NoPen);
  if (unit.HP > 0 && unit.HPMax > 0)
    p.fillRect(px + 18 + dx, py + 43, std::min(40, unit.HP * 40 / unit.HPMax), 4, QColor(0x00, 0xff, 0x80));
  if (unit.SP > 0 && unit.SPMax > 0)
    p.fillRect(px + 18 + dx, py + 51, std::min(40, unit.SP * 40 / unit.SPMax), 4, QColor(0x00, 0xff, 0xff));
  p.setFont(style::font(10, true));
  for (int pass = 0; pass < 2; ++pass) {  // a dark outline keeps the numbers readable on any picture
    p.setPen(pass == 0 ? QColor(0, 0, 0, 170) : QColor(0xf0, 0xf0, 0xf0));
    const int o = pass == 0 ? 1 : 0;
    p.drawText(QRect(px + 1 + dx + o, py + 37 + o, 16, 11), Qt::AlignRight | Qt::AlignVCenter, QString::number(unit.HP));
    p.drawText(QRect(px + 1 + dx + o, py + 45 + o, 16, 11), Qt::AlignRight | Qt::AlignVCenter, QString::number(unit.SP));
  }
  p.restore();
}

void paintSpent(QPainter& p, const BattleArt& art, const Tkst& unit, int px, int py) {
  const QImage& marker = art.bitmap(BattleArt::kSpentMarker);
  const struct {
    bool spent;
    int qx, qy;
  } quarters[] = {{unit.MoveN < 1, 0, 0}, {unit.SkillN < 1, 30, 0}, {unit.SummonN < 1, 0, 30}, {unit.SpecialN < 1, 30, 30}};
  for (const auto& q : quarters)
    if (q.spent) p.drawImage(QPoint(px + q.qx, py + q.qy), marker, QRect(q.qx, q.qy, 30, 30));
}

void paintUnit(QPainter& p, const Battle& b, const BattleArt& art, const BoardMarks& marks, int u, int px, int py) {
  const Tkst& unit = b.d.k[u];
  if (unit.State == OnField) {
    p.drawImage(px, py, art.bitmap(unit.G));
  } else if (unit.State == BeingSummoned) {
    p.drawImage(px, py, art.circle(unit.SH, unit.Elem));
  } else {
    return;
  }
  if (marks.showSide) {
    p.save();
    p.setPen(QPen(unit.Team == 1 ? style::kFrameTeam1 : style::kFrameTeam2, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(px, py, kCell - 1, kCell - 1);
    p.restore();
  }
  if (unit.State != OnField) return;
  if (marks.showSpent && b.turn > 0 && unit.Team == b.phaseTeam) paintSpent(p, art, unit, px, py);
  if (marks.showHpSp) paintBars(p, unit, px, py, 0, Qt::white);
}

QPoint confirmationPlace(int c, int r) {
  const int x = c <= 2 ? kCell * c : c <= 16 ? kCell * c - 170 : kCell * c - 340;
  const int y = r <= 1 ? kCell * r + kCell : kCell * r - 80;
  return {x, y};
}

void paintBattlefield(QPainter& p, const Battle& b, const BattleArt& art, const BoardMarks& marks) {
  const Tsyori& s = b.s;
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) p.drawImage(x * kCell, y * kCell, art.chip(s.terrain[x][y]));

  if (showsZones(b)) paintZones(p, b, art, marks);

  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y) {
      const i32 u = s.unitAt[x][y];
      if (u >= 0 && u < kUnitCount) paintUnit(p, b, art, marks, u, x * kCell, y * kCell);
    }

  if (marks.threatsShown && b.pickMode == 0) paintThreats(p, marks);
  if (b.pickMode == 1) paintRange(p, b, art, marks);
  if (b.pickCommand == 8) {
    paintRange(p, b, art, marks);
    paintDestinationFrame(p, s.dstX, s.dstY);
  }
  if (s.reachMode == 1) paintDestinationFrame(p, s.dstX, s.dstY);
  if (s.reachMode == 2)
    for (int x = 0; x < kMapW; ++x)
      for (int y = 0; y < kMapH; ++y)
        if (!s.areaPath[x][y].empty()) paintDestinationFrame(p, x, y);

  if (marks.framed) {
    paintDestinationFrame(p, marks.frameX, marks.frameY);
    const bool alwaysShown = marks.confirmation == "BFmk";
    if (!marks.confirmation.empty() && (!marks.fastDraw || alwaysShown))
      p.drawImage(confirmationPlace(marks.frameX, marks.frameY), art.confirmation(marks.confirmation));
  }
}

}  // namespace sorvane
