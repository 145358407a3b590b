#include "view/battlefield_view.h"

#include <algorithm>

#include <QHideEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "rules/battle.h"
#include "view/map_painter.h"
#include "view/view_style.h"

namespace sorvane {

BattlefieldView::BattlefieldView(const Battle& battle, const BattleArt& art, const BoardMarks& marks, QWidget* parent)
    : QWidget(parent), battle_(battle), art_(art), marks_(marks) {
  setFixedSize(kViewWidth, kViewHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BattlefieldView::refresh() {
  // On a scaled screen the picture is painted at the screen's pixels, so its
  // lines and numbers stay sharp.
  const qreal ratio = devicePixelRatioF();
  if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
    picture_ = QImage(QSize(kFieldWidth, kFieldHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(ratio);
  }
  QPainter p(&picture_);
  paintBattlefield(p, battle_, art_, marks_);
  p.end();
  update();
}

void BattlefieldView::hideEvent(QHideEvent* event) {
  // 3.6 MB the story and the preparation page can use; minimising keeps it.
  // Showing the battle page paints the battle again (MainWindow::showPage).
  if (!event->spontaneous()) picture_ = QImage();
  QWidget::hideEvent(event);
}

void BattlefieldView::setScrollPos(QPoint pos) {
  const QPoint m = maxScroll();
  pos = QPoint(std::clamp(pos.x(), 0, m.x()), std::clamp(pos.y(), 0, m.y()));
  if (pos == scroll_) return;
  scroll_ = pos;
  update();
}

QPoint BattlefieldView::scrollTarget(int x, int y) {
  const QPoint m = maxScroll();
  const int h = std::clamp(x * kCell + kCell / 2 - kViewWidth / 2, 0, m.x());
  const int v = std::clamp(y * kCell + kCell / 2 - kViewHeight / 2, 0, m.y());
  return {h, v};
}

bool BattlefieldView::comfortablyVisible(int x, int y) const {
  const int sx = x * kCell - scroll_.x(), sy = y * kCell - scroll_.y();
  const bool xOk = (sx > 9 && sx <= kViewWidth - kCell - 25) || (x == 0 && sx == 0) ||
                   (x == kMapW - 1 && sx == kViewWidth - kCell);
  const bool yOk = (sy > 9 && sy <= kViewHeight - kCell - 30) || (y == 0 && sy == 0) ||
                   (y == kMapH - 1 && sy == kViewHeight - kCell);
  return xOk && yOk;
}

void BattlefieldView::setCellOverlay(QPoint at, const QImage& image) {
  overlayAt_ = at;
  overlay_ = image;
  update();
}

void BattlefieldView::setFloatingText(const FloatingLabel& label) {
  floating_ = label;
  update();
}

void BattlefieldView::setBanner(const BannerLabel& label) {
  banner_ = label;
  update();
}

void BattlefieldView::setPreview(const QStringList& lines) {
  if (lines == preview_) return;
  preview_ = lines;
  update();
}

void BattlefieldView::paintPreview(QPainter& p) {
  if (preview_.isEmpty()) return;
  p.save();
  p.setFont(style::font(13, true));
  const QFontMetrics fm(p.font());
  int width = 0;
  for (const QString& line : preview_) width = std::max(width, fm.horizontalAdvance(line));
  const int lineHeight = fm.height() + 2;
  QRect box(6, kViewHeight - 10 - lineHeight * static_cast<int>(preview_.size()) - 8, width + 20,
            lineHeight * static_cast<int>(preview_.size()) + 8);
  p.setPen(QPen(style::kGold, 1));
  p.setBrush(QColor(0x1b, 0x21, 0x2b, 225));
  p.drawRoundedRect(box, 4, 4);
  p.setPen(style::kText);
  int y = box.top() + 4;
  for (const QString& line : preview_) {
    p.drawText(QRect(box.left() + 10, y, width + 4, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
    y += lineHeight;
  }
  p.restore();
}

void BattlefieldView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (picture_.isNull()) p.fillRect(rect(), Qt::black);  // not painted yet
  const qreal ratio = picture_.devicePixelRatio();
  p.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), picture_,
              QRectF(QPointF(scroll_) * ratio, QSizeF(size()) * ratio));
  p.translate(-scroll_);
  if (!overlay_.isNull()) p.drawImage(overlayAt_, overlay_);
  paintFloatingLabel(p, floating_);
  p.resetTransform();
  paintPreview(p);
  paintBannerLabel(p, banner_, kViewWidth);
}

void BattlefieldView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint() + scroll_;
  if (event->button() == Qt::LeftButton) dragAnchor_ = at;
  if (at.x() < 0 || at.y() < 0 || at.x() >= kFieldWidth || at.y() >= kFieldHeight) return;
  emit cellPressed(event->button(), at.x() / kCell, at.y() / kCell);
}

void BattlefieldView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  setScrollPos(dragAnchor_ - event->position().toPoint());
  emit scrolled();
}

void BattlefieldView::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (event->angleDelta().y() != 0) emit wheelTurned(event->angleDelta().y() > 0);
}

}  // namespace sorvane
