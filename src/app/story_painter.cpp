#include "app/story_painter.h"

#include <QPainter>

#include "app/outlined_text.h"
#include "app/story_pictures.h"
#include "view/view_style.h"

namespace sorvane {
namespace {

namespace layout = story::layout;

// The story text: 33-pixel line boxes, so the em is a little smaller.
constexpr int kTextPixels = 28;

OutlinedStyle textStyle() {
  OutlinedStyle s;
  s.font = storyFont(kTextPixels);
  s.outlineWidth = 1.4;
  return s;
}

void drawPicture(QPainter& painter, QPointF at, const QImage& picture, int alpha) {
  if (picture.isNull() || alpha <= 0) return;
  painter.setOpacity(std::min(alpha, 255) / 255.0);
  painter.drawImage(at, picture);
  painter.setOpacity(1.0);
}

}  // namespace

void StoryPainter::paint(QPainter& painter, const story::StoryFrame& frame) const {
  painter.save();
  // At a whole-number window scale the pictures are enlarged pixel for pixel (sharp and quick).
  painter.fillRect(QRect(0, 0, 800, 600), Qt::black);
  if (frame.blank) {
    drawPicture(painter, pictures_.textFrameAt(), pictures_.textFrame(), 220);
  } else {
    paintBackdrop(painter, frame);
    paintPortraits(painter, frame);
    paintMessage(painter, frame);
  }
  painter.restore();
}

void StoryPainter::paintBackdrop(QPainter& painter, const story::StoryFrame& frame) const {
  if (!frame.fadingFrom.empty()) drawPicture(painter, QPointF(0, 0), pictures_.backdrop(frame.fadingFrom), 255);
  drawPicture(painter, QPointF(0, 0), pictures_.backdrop(frame.backdrop),
              frame.fadingFrom.empty() ? 255 : frame.backdropAlpha);
}

void StoryPainter::paintPortraits(QPainter& painter, const story::StoryFrame& frame) const {
  for (const story::PortraitDraw& d : frame.portraits) {
    const QImage& bust = pictures_.portrait(d.character, d.expression);
    if (bust.isNull()) continue;
    drawPicture(painter, QPointF(d.centreX - bust.width() / 2 + d.dx, 0), bust, d.alpha);
  }
}

void StoryPainter::paintMessage(QPainter& painter, const story::StoryFrame& frame) const {
  drawPicture(painter, pictures_.textFrameAt(), pictures_.textFrame(), frame.windowAlpha);
  const OutlinedStyle style = textStyle();
  drawOutlinedText(painter, QPointF(layout::kSpeakerX, layout::kSpeakerY), style::text(frame.speaker), style);
  for (std::size_t k = 0; k < frame.lines.size(); ++k)
    drawOutlinedText(painter, QPointF(layout::kLineX, layout::kLineY[k]), style::text(frame.lines[k]), style);
  if (frame.more) drawOutlinedText(painter, QPointF(layout::kMoreX, layout::kMoreY), QStringLiteral("▼"), style);
  if (frame.log) drawOutlinedText(painter, QPointF(layout::kLogX, layout::kLogY), QStringLiteral("log"), style);
}

}  // namespace sorvane
