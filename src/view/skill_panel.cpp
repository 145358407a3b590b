#include "view/skill_panel.h"

#include <QPainter>

#include "rules/battle.h"
#include "view/view_style.h"

namespace sorvane {

namespace {
constexpr int kLastSkill = 318;
}

SkillPanel::SkillPanel(const Battle& battle, QWidget* parent) : QWidget(parent), battle_(battle) { hide(); }

void SkillPanel::showSkill(int skill) {
  if (skill == 0) {
    skill_ = 0;
    hide();
    return;
  }
  if (skill < 1 || skill > kLastSkill) return;
  skill_ = skill;
  show();
  raise();
  update();
}

void SkillPanel::paintEvent(QPaintEvent*) {
  if (skill_ == 0) return;
  QPainter p(this);
  paintPanelFace(p, rect());
  const Twst& w = battle_.skill(skill_);
  const QColor c = style::element(w.Elem);
  const int left = 8;
  p.setFont(style::font(14, true));
  drawRun(p, left, 6, style::text(w.Name), c);
  p.setFont(style::font(12));
  const QString kind = w.Special ? QStringLiteral("特殊") : QStringLiteral("物理");
  drawRun(p, left, 28, style::text(kElementNames[static_cast<std::size_t>(std::clamp(w.Elem, 0, 6))]) + ":" + kind, c);

  const struct {
    const char* caption;
    QString value;
  } values[] = {{"攻撃値", QString::number(w.Power)},       {"命中率", QString::number(w.Hit) + "%"},
                {"特効率", QString::number(w.Crit) + "%"},  {"射程", QString::number(w.Range)},
                {"効果", QString::number(w.Area)},          {"消費SP", QString::number(w.Cost)}};
  for (int i = 0; i < 6; ++i) {
    const int x = left + (i % 3) * 60, y = 50 + (i / 3) * 40;
    drawRun(p, x, y, QString::fromUtf8(values[i].caption), style::kGold);
    drawRun(p, x + 4, y + 17, values[i].value, style::kText);
  }
  p.setFont(style::font(11));
  p.setPen(style::kText);
  p.drawText(QRect(left, 132, width() - 2 * left, height() - 136), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             style::lines(w.Desc));
}

}  // namespace sorvane
