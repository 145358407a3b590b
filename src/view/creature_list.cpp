#include "view/creature_list.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

#include "data/ability_ids.h"
#include "rules/battle.h"
#include "view/map_painter.h"
#include "view/status_panel.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

constexpr int kSideStep = 16;
constexpr int kPortraitTop = 13;
constexpr int kLineTops[3] = {74, 89, 104};

bool team1HasWisdom(const Battle& b) {
  for (int i = 0; i <= b.s.lastUnit && i < kUnitCount; ++i)
    if (b.d.k[i].Team == 1 && b.d.hasAbility(b.d.k[i], ability::Wisdom)) return true;
  return false;
}

}  // namespace

QString statBar(const QString& letter, i32 value) {
  if (value < 0) value = 0;
  const QString pad = value < 10 ? QStringLiteral("__") : value < 100 ? QStringLiteral("_") : QString();
  return letter + pad + QString::number(value) + QString(std::min(value / 10, 18), QLatin1Char('l'));
}

CreatureList::CreatureList(const Battle& battle, const BattleArt& art, QWidget* parent)
    : QWidget(parent), battle_(battle), art_(art) {
  setFixedSize(kSlots * kSlotStep, 118);
}

void CreatureList::nextSide() {
  const Tdeta& d = battle_.d;
  listBase_ += kSideStep;
  for (int tries = 0; tries < 2 && listBase_ < kUnitCount; ++tries)
    if (d.k[listBase_].Type == 0 && d.k[listBase_ + 1].Type == 0) listBase_ += kSideStep;
  if (listBase_ > battle_.s.lastUnit || listBase_ >= kUnitCount) listBase_ = 0;
  update();
}

void CreatureList::setListMode(int mode) {
  if (mode < 0 || mode > 2 || mode == listMode_) return;
  listMode_ = mode;
  update();
}

bool CreatureList::slotShown(int u) const {
  const Tkst& unit = battle_.d.k[u];
  if (unit.Type == 0) return false;
  return !(unit.Team == 2 && unit.State > OnField && !team1HasWisdom(battle_));
}

void CreatureList::setMarks(bool spent, bool hpSp) {
  if (spent == listSpent_ && hpSp == listHpSp_) return;
  listSpent_ = spent;
  listHpSp_ = hpSp;
  update();
}

bool CreatureList::marksSpent(int u) const {
  const Tkst& unit = battle_.d.k[u];
  return listSpent_ && unit.State == OnField && unit.Team == battle_.phaseTeam;
}

bool CreatureList::showsBars(int u) const { return listHpSp_ && battle_.d.k[u].State == OnField; }

void CreatureList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int slot = 0; slot < kSlots; ++slot) {
    const int u = listBase_ + slot;
    if (u < kUnitCount && slotShown(u)) paintSlot(p, slot, u);
  }
}

void CreatureList::paintSlot(QPainter& p, int slot, int u) {
  const Tkst& unit = battle_.d.k[u];
  const int x = slot * kSlotStep;
  p.save();
  p.setFont(style::font(11, true));
  p.setPen(style::element(unit.Elem));
  p.drawText(QRect(x, 0, kSlotStep - 4, 13), Qt::AlignLeft | Qt::AlignVCenter,
             QFontMetrics(p.font()).elidedText(style::text(unit.N.str()), Qt::ElideRight, kSlotStep - 4));

  const QRect box(x, kPortraitTop, 60, 60);
  p.fillRect(box, QColor(0x14, 0x18, 0x20));
  const double alpha = unit.State == OnField ? 1.0 : unit.State == BeingSummoned ? 140.0 / 255 : 50.0 / 255;
  p.setOpacity(alpha);
  p.drawImage(box.topLeft(), art_.bitmap(unit.G));
  p.setOpacity(1.0);
  if (unit.State == Dead) {
    p.setFont(style::font(46, true));
    p.setPen(QColor(0xc4, 0x80, 0xff));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("†"));
  } else if (unit.State == BeingSummoned) {
    p.setFont(style::font(34, true));
    p.setPen(QColor(0x80, 0xdc, 0xdc));
    p.drawText(box, Qt::AlignCenter, QString::number(unit.SumTC));
  }
  if (marksSpent(u)) paintSpent(p, art_, unit, x, kPortraitTop);
  if (showsBars(u)) paintBars(p, unit, x, kPortraitTop, -1, QColor(0x80, 0x80, 0x80));
  p.setPen(QPen(unit.Team == 1 ? style::kFrameTeam1 : style::kFrameTeam2, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(box.adjusted(0, 0, -1, -1));

  p.setFont(style::font(11));
  QString lines[3];
  QColor colours[3] = {style::kDim, style::kDim, style::kDim};
  if (listMode_ == 0) {
    lines[0] = "HP:" + QString::number(unit.HP) + "/" + QString::number(unit.HPMax);
    colours[0] = style::fillLevel(unit.HP, unit.HPMax);
    lines[1] = "SP:" + QString::number(unit.SP) + "/" + QString::number(unit.SPMax);
    colours[1] = style::fillLevel(unit.SP, unit.SPMax);
    if (unit.Kind != KindMaster) {
      switch (unit.State) {
        case Dead: lines[2] = QStringLiteral("死亡"), colours[2] = QColor(0xc4, 0x80, 0xff); break;
        case OnField: lines[2] = QStringLiteral("召喚済"), colours[2] = QColor(0x80, 0x80, 0xff); break;
        case BeingSummoned:
          lines[2] = QStringLiteral("召喚中") + (unit.Team == 1 ? QString::number(unit.SumTC) : QString());
          colours[2] = QColor(0x80, 0xdc, 0xdc);
          break;
        default: lines[2] = QStringLiteral("待機"), colours[2] = QColor(0xf5, 0xb6, 0x76); break;
      }
    }
  } else if (listMode_ == 1) {
    lines[0] = statBar(QStringLiteral("攻"), Battle::effAtk(unit));
    lines[1] = statBar(QStringLiteral("防"), Battle::effDef(unit));
    lines[2] = statBar(QStringLiteral("魔"), Battle::effMag(unit));
  } else {
    lines[0] = QStringLiteral("状態:") + statusCodes(unit).remove('[').remove(']').remove(QRegularExpression("[0-9]"));
  }
  for (int i = 0; i < 3; ++i) {
    p.setPen(colours[i]);
    p.drawText(QRect(x, kLineTops[i], kSlotStep - 2, 15), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(lines[i], Qt::ElideRight, kSlotStep - 2));
  }
  p.restore();
}

void CreatureList::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int slot = at.x() / kSlotStep;
  if (slot < 0 || slot >= kSlots || at.x() % kSlotStep >= 60) return;
  const int u = listBase_ + slot;
  if (u < kUnitCount && slotShown(u)) emit unitPressed(event->button(), u);
}

}  // namespace sorvane
