// The skill panel: shown over the portrait while a skill is being chosen,
// with the skill's name, element and kind, its values and its description.
#pragma once

#include <QWidget>

#include "view/panel_text.h"

namespace sorvane {

class Battle;

class SkillPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SkillPanel(const Battle& battle, QWidget* parent = nullptr);
  // Skill 1..318 shows it; 0 hides the panel; other values do nothing.
  void showSkill(int skill);
  int shownSkill() const { return skill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Battle& battle_;
  int skill_ = 0;
};

}  // namespace sorvane
