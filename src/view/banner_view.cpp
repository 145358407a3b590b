#include "view/banner_view.h"

#include <QPainter>

#include "rules/labels.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

QColor rgb(unsigned v) { return QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff); }

// The colour of an element-field text: its element letter's colour.
QColor fieldColour(const QString& text, QColor previous) {
  static const QString kLetters = QStringLiteral("無炎氷木地雷水");
  const qsizetype colon = text.indexOf(QLatin1Char(':'));
  if (colon < 0 || colon + 1 >= text.size()) return previous;
  const qsizetype e = kLetters.indexOf(text[colon + 1]);
  return e > 0 ? style::colour(kElementColours[static_cast<std::size_t>(e)]) : previous;
}

}  // namespace

BannerLabel bannerLabel(const Banner& banner, i32 turn, i32 storyStage, QColor previous) {
  const QString key = style::text(banner.text);
  switch (banner.kind) {
    case BannerKind::Win: return {QStringLiteral("勝ちました！！"), rgb(0x8080FF)};
    case BannerKind::Lose: return {QStringLiteral("負けました……"), rgb(0xFF8080)};
    case BannerKind::Draw: return {QStringLiteral("引き分けです"), rgb(0xFFF280)};
    case BannerKind::Give: return {QStringLiteral("降参しました"), rgb(0xFFF280)};
    case BannerKind::PlayerPhase: return {QStringLiteral("自フェイズ ") + QString::number(turn), rgb(0x8080FF)};
    case BannerKind::EnemyPhase: return {QStringLiteral("敵フェイズ ") + QString::number(turn), rgb(0xFF8080)};
    case BannerKind::WinCondition: return {key, rgb(0xFFF280)};
    case BannerKind::Stage:
      if (storyStage < 50)
        return {QStringLiteral("ステージ ") + QString::number(storyStage + 1) + "/15", rgb(0xFFF280)};
      return {QStringLiteral("ステージ ") + QString::number(storyStage - 49) + "/20", rgb(0xFFF280)};
    case BannerKind::Weather:
      for (i32 w = 0; w < 8; ++w)
        if (weatherLabelText(w) == banner.text) return {key, style::colour(weatherColour(w))};
      return {key, previous};
    case BannerKind::ElementField: return {key, fieldColour(key, previous)};
  }
  return {key, previous};
}

QString winConditionText(i32 winCondition, const QString& masterName) {
  switch (winCondition) {
    case 1: return masterName + QStringLiteral("の\n右端マスへの移動");
    case 2: return QStringLiteral("9ターン経過");
    case 3: return QStringLiteral("相手クリーチャー\nの全滅");
    case 4: return QStringLiteral("2ターン以内に勝利");
    default: return {};
  }
}

void paintBannerLabel(QPainter& p, const BannerLabel& label, int width) {
  if (label.text.isEmpty()) return;
  p.save();
  const QFont f = style::font(kBannerPixels, true);
  p.setFont(f);
  const QFontMetrics fm(f);
  const int lineCount = static_cast<int>(label.text.count(QLatin1Char('\n'))) + 1;
  const QRect box(0, 185 - 8, width, lineCount * fm.height() + 16);
  // A dark band behind the text keeps it readable on any terrain.
  QLinearGradient band(box.topLeft(), box.topRight());
  band.setColorAt(0, QColor(10, 12, 18, 0));
  band.setColorAt(0.2, QColor(10, 12, 18, 170));
  band.setColorAt(0.8, QColor(10, 12, 18, 170));
  band.setColorAt(1, QColor(10, 12, 18, 0));
  p.fillRect(box, band);
  const QRect textBox(0, 185, width, lineCount * fm.height());
  p.setPen(style::darker(label.colour, 30));
  p.drawText(textBox.translated(2, 2), Qt::AlignHCenter | Qt::AlignTop, label.text);
  p.setPen(label.colour);
  p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop, label.text);
  p.restore();
}

}  // namespace sorvane
