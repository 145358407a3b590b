// The story page: plays a story scene and rolls the credits (page 1 of the
// window). Until the scene player has its page, a scene ends at once and
// leads where its header says, and the credits end at once.
#pragma once

#include <functional>

#include <QWidget>

#include "sound/sound_output.h"
#include "story/script.h"

namespace sorvane {

class StoryPage : public QWidget {
  Q_OBJECT

 public:
  StoryPage(QWidget* parent, SoundOutput& sound);
  // Plays story scene N; `done` gets what its header leads to.
  void playScene(int scene, std::function<void(story::FollowUp)> done);
  // Rolls the credits (staff, the credits file of the art/music); `done` when finished or clicked away.
  void playCredits(std::function<void()> done);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SoundOutput& sound_;
};

}  // namespace sorvane
