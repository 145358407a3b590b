#include "app/circle_board.h"

#include <array>
#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "app/shell_art.h"
#include "data/game_dir.h"
#include "view/battle_art.h"
#include "view/view_style.h"

namespace sorvane {

namespace {
constexpr int kRadius = 50;        // a circle's radius on the board
constexpr int kMasterRadius = 44;

// Where each arrow leads, by the circles' places: the master in the middle,
// circle 1 at the top and the others clockwise (-1: nothing that way).
struct Neighbours {
  int up, down, left, right;
};
// clang-format off
constexpr Neighbours kNeighbours[7] = {
    /* master */ {1, 4, 6, 2},
    /* 1 top */  {-1, 0, 6, 2},
    /* 2 */      {1, 3, 0, -1},
    /* 3 */      {2, 4, 0, -1},
    /* 4 foot */ {0, -1, 5, 3},
    /* 5 */      {6, 4, -1, 0},
    /* 6 */      {1, 5, -1, 0},
};
// clang-format on
}  // namespace

QPoint CircleBoard::centre(int slot) {
  if (slot <= 0) return {180, 240};
  const double angle = (slot - 1) * M_PI / 3 - M_PI / 2;  // circle 1 at the top, clockwise
  return {180 + int(std::lround(125 * std::cos(angle))), 240 + int(std::lround(150 * std::sin(angle)))};
}

int CircleBoard::neighbour(int slot, int arrowKey) {
  if (slot < 0 || slot > 6) return -1;
  const Neighbours& n = kNeighbours[slot];
  switch (arrowKey) {
    case Qt::Key_Up: return n.up;
    case Qt::Key_Down: return n.down;
    case Qt::Key_Left: return n.left;
    case Qt::Key_Right: return n.right;
    default: return -1;
  }
}

CircleBoard::CircleBoard(const Tsyori& s, const BattleArt& art, QWidget* parent) : QWidget(parent), s_(s), art_(art) {
  setFixedSize(360, 480);
  setFocusPolicy(Qt::StrongFocus);
}

void CircleBoard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // The painted board of the campaign and of the extra stages, read once.
  static const std::array<QImage, 2> boards = {shell::archivePicture(findGameDir(), "png.qda", "board0.png"),
                                               shell::archivePicture(findGameDir(), "png.qda", "board1.png")};
  const QImage& board = boards[extra_ ? 1 : 0];
  if (!board.isNull()) {
    p.drawImage(rect(), board);
  } else {
    // The ground: battlefield chips under a deep tint, violet in the extra stages.
    const QImage& chip = art_.chip(extra_ ? 5 : 1);
    for (int y = 0; y < height(); y += 60)
      for (int x = 0; x < width(); x += 60) p.drawImage(QRect(x, y, 60, 60), chip);
    QRadialGradient tint(QPointF(180, 240), 330);
    tint.setColorAt(0, extra_ ? QColor(60, 20, 70, 150) : QColor(20, 30, 50, 120));
    tint.setColorAt(1, extra_ ? QColor(20, 5, 30, 235) : QColor(8, 12, 22, 230));
    p.fillRect(rect(), tint);

    // The great circle binding the six.
    const QColor line = extra_ ? QColor(230, 150, 255, 150) : QColor(0xd8, 0xb4, 0x5a, 150);
    p.setPen(QPen(line, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(180, 240), 125, 150);
    p.drawEllipse(QPointF(180, 240), 100, 120);
    // Two triangles through the circles: a six-pointed star.
    p.setPen(QPen(line, 1.2));
    for (int first : {1, 2}) {
      QPainterPath triangle;
      triangle.moveTo(centre(first));
      triangle.lineTo(centre(first + 2));
      triangle.lineTo(centre(first + 4));
      triangle.closeSubpath();
      p.drawPath(triangle);
    }
  }

  const Tdeta& d = *s_.D;
  for (int slot = 0; slot <= 6; ++slot) {
    const Tkst& unit = d.k[slot];
    const QPoint c = centre(slot);
    const int r = slot == 0 ? kMasterRadius : kRadius;
    const QRect box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    if (slot == selected_) {
      QRadialGradient glow(c, r + 14);
      glow.setColorAt(0.6, QColor(255, 230, 140, 160));
      glow.setColorAt(1, QColor(255, 230, 140, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(c, r + 14, r + 14);
    }
    if (slot > 0) {
      p.drawImage(box, art_.circle(d.k[0].SH, unit.Type > 0 ? unit.Elem : 0));
    } else {
      p.setBrush(QColor(0x26, 0x2e, 0x3b, 220));
      p.setPen(QPen(style::kGold, 2));
      p.drawEllipse(box);
    }
    if (slot == 0 || unit.Type > 0) {
      const QImage& medal = art_.bitmap(unit.G);
      p.drawImage(QRect(c.x() - 32, c.y() - 32, 64, 64), medal);
    }
    // The circle's number, small, under it.
    if (slot > 0) {
      p.setFont(style::font(12, true));
      shell::outlinedText(p, QPointF(c.x() - 4, c.y() + r + 2), QString::number(slot), style::font(12, true),
                          style::kText, QColor(0, 0, 0), 2);
    }
    if (slot == selected_) {
      p.setPen(QPen(QColor(255, 236, 160), 2.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(box.adjusted(-3, -3, 3, 3));
    }
  }
  if (!picture_.isNull()) {
    p.fillRect(rect(), QColor(8, 10, 16, 200));
    const QImage scaled = picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, scaled);
  }
  if (board.isNull()) {  // the painted board has its frame
    p.setPen(QPen(style::kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
  }
}

void CircleBoard::mousePressEvent(QMouseEvent* event) {
  if (!onPress) return;
  if (!picture_.isNull()) {
    onPress(-1, event->button());
    return;
  }
  const QPoint at = event->position().toPoint();
  for (int slot = 0; slot <= 6; ++slot) {
    const QPoint d = at - centre(slot);
    const int r = slot == 0 ? kMasterRadius : kRadius;
    if (d.x() * d.x() + d.y() * d.y() <= r * r) {
      onPress(slot, event->button());
      return;
    }
  }
  onPress(-1, event->button());
}

void CircleBoard::keyPressEvent(QKeyEvent* event) {
  if (!onPress) return QWidget::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (const int next = neighbour(selected_, event->key()); next >= 0) onPress(next, Qt::LeftButton);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:  // a second press on the selected circle; on the large picture it closes it
      onPress(picture_.isNull() ? selected_ : -1, Qt::LeftButton);
      return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: onPress(selected_, Qt::RightButton); return;
    default: QWidget::keyPressEvent(event);
  }
}

}  // namespace sorvane
