#include "view/view_style.h"

#include <algorithm>

namespace sorvane::style {

QColor element(i32 e) {
  if (e <= 0 || e >= static_cast<i32>(kElementColours.size())) return kDim;
  return colour(kElementColours[static_cast<std::size_t>(e)]);
}

QColor fillLevel(i32 value, i32 maximum) {
  if (2 * value >= maximum) return QColor(0x80, 0x80, 0xff);
  if (maximum < 4 * value) return QColor(0xf5, 0xb6, 0x76);
  return QColor(0xff, 0x80, 0x80);
}

QColor darker(QColor c, int by) {
  return QColor(std::max(0, c.red() - by), std::max(0, c.green() - by), std::max(0, c.blue() - by));
}

QFont font(int pixels, bool bold) {
  QFont f(QStringLiteral("Noto Sans CJK JP"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

QFont monoFont(int pixels) {
  QFont f(QStringLiteral("Noto Sans Mono CJK JP"));
  f.setPixelSize(pixels);
  f.setStyleHint(QFont::TypeWriter);
  return f;
}

QString lines(std::string_view s) {
  QString t = text(s);
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

}  // namespace sorvane::style
