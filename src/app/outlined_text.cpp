#include "app/outlined_text.h"

#include <list>
#include <utility>

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace sorvane {

QFont storyFont(int pixels) {
  QFont f(QStringLiteral("Noto Sans CJK JP"));
  f.setPixelSize(pixels);
  f.setBold(true);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

const QPainterPath& textPath(const QString& text, const QFont& font) {
  // A page shows at most a speaker, three lines and a marker, and typing adds
  // one new prefix per frame: a few dozen paths cover every repaint.
  struct Entry {
    QString text;
    QString fontKey;
    QPainterPath path;
  };
  static std::list<Entry> recent;
  constexpr std::size_t kKept = 48;
  const QString key = font.key();
  for (auto it = recent.begin(); it != recent.end(); ++it) {
    if (it->text == text && it->fontKey == key) {
      recent.splice(recent.begin(), recent, it);
      return recent.front().path;
    }
  }
  QPainterPath path;
  path.addText(QPointF(0, QFontMetricsF(font).ascent()), font, text);
  recent.push_front({text, key, std::move(path)});
  if (recent.size() > kKept) recent.pop_back();
  return recent.front().path;
}

void drawOutlinedText(QPainter& painter, QPointF topLeft, const QString& text, const OutlinedStyle& style) {
  if (text.isEmpty()) return;
  const QPainterPath& path = textPath(text, style.font);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(topLeft);
  // The stroke is centred on the glyphs' edges; the fill then covers its inner half.
  painter.strokePath(path, QPen(style.outline, 2 * style.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(path, style.fill);
  painter.restore();
}

}  // namespace sorvane
