#include "view/status_panel.h"

#include <array>

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "data/terrain.h"
#include "rules/battle.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

struct StatusRow {
  const char* code;
  bool counted;  // the code carries its counter
  const char* hint;
};

// In the order of the unit record's statuses.
// clang-format off
constexpr std::array<StatusRow, kStatusCount> kStatusRows = {{
    {"毒", false, "[毒]：自フェイズ開始時にHP10%減少。"},
    {"凍", true,  "[凍傷]：移動1ダウン。ターン経過で治る。"},
    {"重", false, "[重力]：[飛行]を無効化する。"},
    {"闇", true,  "[暗闇]：命中率35%ダウン。ターン経過で治る。"},
    {"痺", true,  "[麻痺]：技が30%の確率で失敗する。ターン経過で治る。"},
    {"怯", false, "[怯み]：1ターンに移動か技のどちらかしかできない。ターン経過で治る。"},
    {"移", true,  "[移動不能]：移動ができない。ターン経過で治る。"},
    {"技", true,  "[技不能]：技が使えない。ターン経過で治る。"},
    {"眠", false, "[睡眠]：行動できない。ターン経過、ダメージで治る。"},
    {"石", true,  "[石化]：行動できない。ターン経過で治る。"},
    {"呪", true,  "[呪い]：3ターン後に死亡する。"},
    {"封", true,  "[封魔]：召喚ができない。ターン経過で治る。"},
    {"ロ", false, "[ロックオン]：回避率25%ダウン。被クリティカル率2倍。"},
    {"寄", true,  "[寄生]：自フェイズ開始時に攻撃力、防御力、魔力5%ダウン。ターン経過で治る。"},
    {"霊", false, "[霊体]：物理属性の技を無効化する。"},
    {"飛", false, "[飛行]：相手キャラ、移動コストを無視して移動できる。"},
    {"HH", true,  "[HPヒール]：自フェイズ開始時にHP5%回復。ターン経過で解除。"},
    {"SH", true,  "[SPヒール]：自フェイズ開始時にSP1回復。ターン経過で解除。"},
    {"物", true,  "[物理シールド]：物理属性の技のダメージを一度だけ無効化する。ターン経過で解除。"},
    {"特", true,  "[特殊シールド]：特殊属性の技のダメージを一度だけ無効化する。ターン経過で解除。"},
    {"状", true,  "[状態シールド]：状態異常を一度だけ無効化する。ターン経過で解除。"},
}};
// clang-format on
constexpr int kCurse = 10;
constexpr int kPictureW = 150, kPictureH = 200;

QString modifier(i32 base, i32 percent, QColor& colour) {
  const i32 amount = percent * base / 100;
  colour = percent > 0 ? QColor(0x80, 0x80, 0xff) : percent == 0 ? style::kDim : QColor(0xff, 0x80, 0x80);
  return (percent < 0 ? QStringLiteral("-") : QStringLiteral("+")) + QString::number(amount < 0 ? -amount : amount);
}

}  // namespace

QString statusCodes(const Tkst& unit) {
  QString codes;
  for (int i = 0; i < kStatusCount; ++i) {
    const i32 n = unit.status(i);
    if (n <= 0) continue;
    const StatusRow& row = kStatusRows[static_cast<std::size_t>(i)];
    codes += "[" + QString::fromUtf8(row.code);
    if (row.counted) codes += QString::number(i == kCurse ? 4 - n : n);
    codes += "]";
  }
  return codes;
}

QString statusHints(const Tkst& unit) {
  QStringList lines;
  for (int i = 0; i < kStatusCount; ++i)
    if (unit.status(i) > 0) lines << QString::fromUtf8(kStatusRows[static_cast<std::size_t>(i)].hint);
  return lines.join('\n');
}

StatusPanel::StatusPanel(const Battle& battle, const BattleArt& art, QWidget* parent)
    : QWidget(parent), battle_(battle), art_(art) {
  setFixedSize(kWidth, kHeight);
}

void StatusPanel::showUnit(int u) {
  if (u < 0 || u >= kUnitCount) return;
  if (u != unit_ || terrain_ >= 0) picture_ = art_.portrait(battle_.d.k[u].G);
  unit_ = u;
  terrain_ = -1;
  update();
}

void StatusPanel::showTerrain(int terrain) {
  if (terrain != terrain_) picture_ = art_.terrainPicture(terrain);
  terrain_ = terrain;
  unit_ = -1;
  update();
}

void StatusPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  paintPanelFace(p, rect());
  hints_.clear();
  const QRect frame((kWidth - kPictureW) / 2, 4, kPictureW, kPictureH);
  p.fillRect(frame, QColor(0x14, 0x18, 0x20));
  if (!picture_.isNull()) p.drawImage(frame, picture_);
  p.setPen(QPen(style::kGold, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame.adjusted(-1, -1, 0, 0));
  if (unit_ >= 0) paintUnit(p);
  else if (terrain_ >= 0) paintTerrain(p);
}

void StatusPanel::paintUnit(QPainter& p) {
  const Tkst& u = battle_.d.k[unit_];
  const int left = 8, mid = 100;
  int y = 210;
  p.setFont(style::font(13, true));
  drawRun(p, left, y, style::text(u.N.str()), style::element(u.Elem));
  p.setFont(style::font(12));
  const QString letter = u.Kind == KindMaster ? style::text(kJobShortNames[static_cast<std::size_t>(jobOf(u.Type))])
                                              : style::text(kElementNames[static_cast<std::size_t>(std::clamp(u.Elem, 0, 6))]);
  drawRun(p, kWidth - 70, y + 1, letter, style::element(u.Elem));
  drawRun(p, kWidth - 48, y + 1, "Lv:" + QString::number(u.Lv), style::kText);
  y += 20;
  drawRun(p, left, y, "HP:" + QString::number(u.HP) + "/" + QString::number(u.HPMax), style::fillLevel(u.HP, u.HPMax));
  drawRun(p, mid, y, "SP:" + QString::number(u.SP) + "/" + QString::number(u.SPMax), style::fillLevel(u.SP, u.SPMax));
  y += 18;
  const struct {
    const char* letter;
    i32 base, percent;
    bool plain;
  } stats[] = {{"攻", u.Atk, u.AtkB + u.AtkP, false},
               {"防", u.Def, u.DefB + u.DefP, false},
               {"魔", u.Mag, u.MagB + u.MagP, false},
               {"移", u.Mov, u.MovB + u.MovP, true}};
  for (int i = 0; i < 4; ++i) {
    const int x = i % 2 ? mid : left;
    QColor c;
    QString mod = stats[i].plain ? QString() : modifier(stats[i].base, stats[i].percent, c);
    if (stats[i].plain) {
      c = stats[i].percent > 0 ? QColor(0x80, 0x80, 0xff) : stats[i].percent == 0 ? style::kDim : QColor(0xff, 0x80, 0x80);
      mod = (stats[i].percent < 0 ? "-" : "+") + QString::number(std::abs(stats[i].percent));
    }
    const QRect r = drawRun(p, x, y, QString::fromUtf8(stats[i].letter) + QString::number(stats[i].base), style::kText);
    drawRun(p, std::max(r.right() + 4, x + 46), y, mod, c);
    if (i % 2) y += 18;
  }
  drawRun(p, left, y, "召時" + QString::number(u.SumTC) + "/" + QString::number(u.SumT), style::kText);
  drawRun(p, mid, y, "召コ" + QString::number(u.SumC), style::kText);
  y += 18;
  drawRun(p, left, y, "召キ" + QString::number(u.SumK), style::kText);
  drawRun(p, mid, y, "ZOC:" + QString::number(u.ZOC), style::kText);
  y += 20;

  // Abilities: the passive ones, then the usable one in the first free place.
  struct Shown {
    QString name, hint;
  };
  std::vector<Shown> abilities;
  for (i32 id : u.TN) {
    if (id <= 0 || id >= kAbilityCount) continue;
    const Ttst& a = battle_.d.abilities[static_cast<std::size_t>(id)];
    abilities.push_back({style::text(a.Name), style::text(a.Name) + "\n" + style::lines(a.Desc)});
  }
  if (u.TU > 0 && u.TU < kSpecialCount && abilities.size() < 4) {
    const Thst& a = battle_.d.specials[static_cast<std::size_t>(u.TU)];
    abilities.push_back({style::text(a.Name), style::text(a.Name) + "\n" + style::lines(a.Desc)});
  }
  p.setFont(style::font(11));
  for (std::size_t i = 0; i < abilities.size(); ++i) {
    const int x = i % 2 ? mid : left;
    const QRect r = drawRun(p, x, y + static_cast<int>(i / 2) * 16, abilities[i].name, style::kGold);
    hints_.push_back({r, abilities[i].hint});
  }
  y += 34;
  const QString codes = statusCodes(u);
  const QRect box(left, y, kWidth - 2 * left, kHeight - y - 4);
  p.setPen(style::kText);
  p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, "状" + codes);
  if (!codes.isEmpty()) hints_.push_back({box, statusHints(u)});
}

void StatusPanel::paintTerrain(QPainter& p) {
  const TerrainInfo& t = kTerrain[static_cast<std::size_t>(std::clamp(terrain_, 0, kTerrainCount - 1))];
  const QColor first = style::colour(terrainNameColour(terrain_));
  const QColor second = style::colour(terrainWeakensColour(terrain_));
  const int left = 8;
  int y = 210;
  p.setFont(style::font(13, true));
  drawRun(p, left, y, style::text(t.name), first);
  p.setFont(style::font(12));
  if (terrain_ != 0) drawRun(p, 78, y + 1, style::text(damageCorrectionText(terrain_)), style::kText);
  y += 20;
  drawRun(p, left, y, QStringLiteral("移動コスト"), style::kDim);
  y += 18;
  for (int e = 0; e < 7; ++e) {
    const int x = left + e * 26;
    drawRun(p, x + 2, y, style::text(kElementNames[static_cast<std::size_t>(e)]), style::element(e));
    const i32 cost = t.moveCost[static_cast<std::size_t>(e)];
    drawRun(p, x + 5, y + 18, cost == kImpassable ? QStringLiteral("X") : QString::number(cost), style::kText);
  }
  y += 44;
  p.setFont(style::font(11));
  p.setPen(first);
  const QRect one(left, y, kWidth - 2 * left, 58);
  p.drawText(one, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, style::lines(t.strengthens));
  p.setPen(second);
  p.drawText(QRect(left, y + 60, kWidth - 2 * left, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             style::lines(t.weakens));
}

bool StatusPanel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = hintAt(hints_, help->pos());
    if (hint.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), hint, this);
    return true;
  }
  return QWidget::event(event);
}

}  // namespace sorvane
