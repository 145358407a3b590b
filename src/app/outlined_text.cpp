#include "app/outlined_text.h"

#include <cmath>
#include <list>
#include <utility>

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace sorvane {
namespace {

// A page shows at most a speaker, three lines and a mark, and typing adds one
// new prefix per frame: a few dozen recent texts cover every repaint. A line
// as a picture takes up to 200 kB, so the pictures are also held to a budget.
constexpr std::size_t kKept = 64;
constexpr qsizetype kKeptPictureBytes = 4 << 20;

template <typename Value>
class Recent {
 public:
  explicit Recent(qsizetype budget = 0) : budget_(budget) {}

  Value* find(const QString& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
      if (it->key == key) {
        entries_.splice(entries_.begin(), entries_, it);
        return &entries_.front().value;
      }
    return nullptr;
  }
  // `cost` counts against the budget, when there is one; the newest entry always stays.
  Value& add(QString key, Value value, qsizetype cost = 0) {
    entries_.push_front({std::move(key), std::move(value), cost});
    total_ += cost;
    while (entries_.size() > 1 && (entries_.size() > kKept || (budget_ > 0 && total_ > budget_))) {
      total_ -= entries_.back().cost;
      entries_.pop_back();
    }
    return entries_.front().value;
  }
  void clear() {
    entries_.clear();
    total_ = 0;
  }

 private:
  struct Entry {
    QString key;
    Value value;
    qsizetype cost;
  };
  std::list<Entry> entries_;
  qsizetype budget_, total_ = 0;
};

struct TextPicture {
  QImage image;
  QPointF offset;  // from the line box's upper-left corner
};

TextPicture render(const QString& text, const OutlinedStyle& style, qreal ratio) {
  const QPainterPath& path = textPath(text, style.font);
  const qreal margin = style.outlineWidth + 1;
  const QRectF box = path.boundingRect().adjusted(-margin, -margin, margin, margin);
  // Whole logical pixels, so the picture lands on the page's pixel grid.
  const QRect at(QPoint(static_cast<int>(std::floor(box.left())), static_cast<int>(std::floor(box.top()))),
                 QPoint(static_cast<int>(std::ceil(box.right())), static_cast<int>(std::ceil(box.bottom()))));
  QImage image(QSize(static_cast<int>(std::ceil(at.width() * ratio)), static_cast<int>(std::ceil(at.height() * ratio))),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(-at.topLeft());
  // The stroke is centred on the glyphs' edges; the fill then covers its inner half.
  painter.strokePath(path, QPen(style.outline, 2 * style.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(path, style.fill);
  return {std::move(image), QPointF(at.topLeft())};
}

Recent<QPainterPath>& recentPaths() {
  static Recent<QPainterPath> paths;
  return paths;
}

Recent<TextPicture>& recentPictures() {
  static Recent<TextPicture> pictures(kKeptPictureBytes);
  return pictures;
}

}  // namespace

QFont storyFont(int pixels) {
  QFont f(QStringLiteral("Noto Sans CJK JP"));
  f.setPixelSize(pixels);
  f.setBold(true);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

const QPainterPath& textPath(const QString& text, const QFont& font) {
  Recent<QPainterPath>& paths = recentPaths();
  QString key = font.key() + QChar(0) + text;
  if (const QPainterPath* known = paths.find(key)) return *known;
  QPainterPath path;
  path.addText(QPointF(0, QFontMetricsF(font).ascent()), font, text);
  return paths.add(std::move(key), std::move(path));
}

void drawOutlinedText(QPainter& painter, QPointF topLeft, const QString& text, const OutlinedStyle& style) {
  if (text.isEmpty()) return;
  // Stroking outlines is the costly part of a frame: each text is drawn once
  // into a picture at the screen's pixel ratio and copied from then on.
  Recent<TextPicture>& pictures = recentPictures();
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  QString key = QStringLiteral("%1|%2|%3|%4|%5|")
                    .arg(style.font.key())
                    .arg(style.fill.rgba())
                    .arg(style.outline.rgba())
                    .arg(style.outlineWidth)
                    .arg(ratio) +
                text;
  const TextPicture* picture = pictures.find(key);
  if (!picture) {
    TextPicture made = render(text, style, ratio);
    const qsizetype bytes = made.image.sizeInBytes();
    picture = &pictures.add(std::move(key), std::move(made), bytes);
  }
  painter.drawImage(topLeft + picture->offset, picture->image);
}

void forgetOutlinedText() {
  recentPaths().clear();
  recentPictures().clear();
}

}  // namespace sorvane
