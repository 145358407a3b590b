#include "view/floating_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include <QPainter>

#include "view/view_style.h"

namespace sorvane {

namespace {

constexpr std::array<std::string_view, 13> kStatNames = {
    "攻撃力", "防御力", "魔力", "移動", "命中率", "回避率", "追加効果発動率", "ｸﾘﾃｨｶﾙ率", "ZOC", "行動可能回数",
    "移動可能回数", "技可能回数", "召喚時間"};

bool isStatName(const std::string& text) {
  return std::find(kStatNames.begin(), kStatNames.end(), text) != kStatNames.end();
}

bool isPoints(const std::string& text) { return text == "HP" || text == "SP"; }

QColor rgb(unsigned v) { return QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff); }

}  // namespace

FloatingLabel floatingLabel(const FloatingText& t) {
  const QString text = style::text(t.text);
  switch (t.kind) {
    case FloatKind::Amount:
      if (t.amount < 0) return {text + QString::number(t.amount), rgb(0xFF8080), {}};
      return {text + "+" + QString::number(t.amount), rgb(0x8080FF), {}};
    case FloatKind::Death: return {QStringLiteral("死亡"), rgb(0xC480FF), {}};
    case FloatKind::Summoned: return {QStringLiteral("召喚完了"), rgb(0x73DC73), {}};
    case FloatKind::Vanished: return {QStringLiteral("帰還"), rgb(0xF5B676), {}};
    case FloatKind::Inflicted: return {text, rgb(0xCC52A7), {}};
    case FloatKind::Cured: return {text + QStringLiteral("回復"), rgb(0xFFF280), {}};
    case FloatKind::Gained: return {text, rgb(0xFFF280), {}};
    case FloatKind::Lost: return {text + QStringLiteral("解除"), rgb(0xCC52A7), {}};
    case FloatKind::Critical: return {QStringLiteral("ｸﾘﾃｨｶﾙ"), rgb(0x80DCDC), {}};
    case FloatKind::Miss: return {text + QStringLiteral("ミス"), rgb(0x808080), {}};
    case FloatKind::ElementNote: return {text, rgb(0xBFE573), {}};
    case FloatKind::NameReveal: return {text, rgb(0x808080), {}};
    case FloatKind::Ability: return {text, rgb(0xCC52A7), {}};
    case FloatKind::Usable: return {text, rgb(0xFFF280), {}};
    case FloatKind::ElementName:
      return {text, t.element >= 0 && t.element <= 6 ? style::colour(kElementColours[static_cast<std::size_t>(t.element)])
                                                      : rgb(0x8080FF),
              {}};
  }
  return {text, rgb(0x808080), {}};
}

std::vector<int> floatingTextSounds(const FloatingText& t) {
  std::vector<int> sounds;
  const bool amount = t.kind == FloatKind::Amount;
  if (t.kind == FloatKind::Miss) sounds.push_back(30);
  if (amount && t.amount < 0 && isPoints(t.text)) sounds.push_back(31);
  if (amount && t.amount > 0 && isPoints(t.text)) sounds.push_back(32);
  if (t.kind == FloatKind::Critical) sounds.push_back(33);
  if (t.kind == FloatKind::ElementNote && t.text == "弱点属性") sounds.push_back(34);
  if (t.kind == FloatKind::ElementNote && t.text == "抵抗属性") sounds.push_back(35);
  if (t.kind == FloatKind::Inflicted) sounds.push_back(38);
  if (t.kind == FloatKind::Cured) sounds.push_back(39);
  if (t.kind == FloatKind::Gained) sounds.push_back(40);
  if (t.kind == FloatKind::Lost) sounds.push_back(41);
  if (t.kind == FloatKind::Ability || t.kind == FloatKind::Usable) sounds.push_back(6);
  if (t.kind == FloatKind::Death || t.kind == FloatKind::Vanished) sounds.push_back(20);
  if (amount && t.amount > 0 && isStatName(t.text)) sounds.push_back(36);
  if (amount && t.amount < 0 && isStatName(t.text)) sounds.push_back(37);
  return sounds;
}

bool floatingTextLingers(const FloatingText& t) {
  return t.kind == FloatKind::Inflicted || t.kind == FloatKind::Cured || t.kind == FloatKind::Gained ||
         t.kind == FloatKind::Lost || t.kind == FloatKind::ElementName;
}

void paintFloatingLabel(QPainter& p, const FloatingLabel& label) {
  if (label.text.isEmpty()) return;
  p.save();
  p.setFont(style::font(kFloatingTextPixels, true));
  const QPoint base = label.at + QPoint(0, kFloatingTextPixels);
  // A thin dark rim keeps the text readable on bright ground; the shadow
  // one pixel lower right is the text's own colour, darkened.
  p.setPen(QColor(0, 0, 0, 150));
  for (const QPoint d : {QPoint(-1, 0), QPoint(0, -1), QPoint(2, 1), QPoint(1, 2)}) p.drawText(base + d, label.text);
  p.setPen(style::darker(label.colour, 60));
  p.drawText(base + QPoint(1, 1), label.text);
  p.setPen(label.colour);
  p.drawText(base, label.text);
  p.restore();
}

}  // namespace sorvane
