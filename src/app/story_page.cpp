#include "app/story_page.h"

#include <QPainter>
#include <QTimer>

namespace sorvane {

StoryPage::StoryPage(QWidget* parent, SoundOutput& sound) : QWidget(parent), sound_(sound) {}

void StoryPage::playScene(int /*scene*/, std::function<void(story::FollowUp)> done) {
  QTimer::singleShot(0, this, [done = std::move(done)] { done(story::FollowUp::None); });
}

void StoryPage::playCredits(std::function<void()> done) {
  QTimer::singleShot(0, this, [done = std::move(done)] { done(); });
}

void StoryPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(255, 251, 240));
}

}  // namespace sorvane
