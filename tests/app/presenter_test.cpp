// The presenter's waits keep the window alive, and closing the window in the
// middle of an animation or a computer phase ends everything cleanly.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include "app_fixture.h"
#include "view/battlefield_view.h"

namespace sorvane::testing {
namespace {

using PresenterTest = AppFixture;

TEST_F(PresenterTest, WaitsHandleEventsWhileTheyRun) {
  session->presenter().speed = AnimationSpeed::Normal;
  bool fired = false;
  QTimer::singleShot(10, [&] { fired = true; });
  session->presenter().wait(80);
  EXPECT_TRUE(fired);
}

TEST_F(PresenterTest, BannerShowsOnTheFieldWhileItWaits) {
  session->presenter().speed = AnimationSpeed::Normal;
  QImage during;
  QTimer::singleShot(50, [&] { during = page().battlefield().grab().toImage(); });
  EXPECT_TRUE(session->run([&] { session->presenter().DLAnime(Banner::phase(1), 150); }));
  const QImage after = page().battlefield().grab().toImage();
  ASSERT_FALSE(during.isNull());
  EXPECT_NE(during, after);  // the banner was painted while the wait ran, and is gone after it
}

TEST_F(PresenterTest, ClosingDuringAnAnimationEndsItWithinASecond) {
  session->presenter().speed = AnimationSpeed::Normal;
  bool aborted = false;
  session->onAborted = [&] { aborted = true; };
  QTimer::singleShot(40, [&] { window->close(); });
  QElapsedTimer clock;
  clock.start();
  const bool finished = session->run([&] { session->presenter().DLAnime(Banner::phase(1), 5000); });
  EXPECT_FALSE(finished);
  EXPECT_TRUE(aborted);
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_FALSE(session->running());
}

TEST_F(PresenterTest, ClosingDuringTheComputersPhaseLeavesTheEngineBetweenOrders) {
  session->presenter().speed = AnimationSpeed::Normal;
  session->onAborted = [] {};
  const std::uint64_t before = positionHash(b(), 0);
  QTimer::singleShot(150, [&] { window->close(); });
  QElapsedTimer clock;
  clock.start();
  page().endPhase();
  EXPECT_LT(clock.elapsed(), 1500);
  EXPECT_EQ(b().busy, 0);
  EXPECT_EQ(b().s.simulating, 0);
  EXPECT_EQ(b().resolving, 0);
  // The order was dropped whole: the game is as it was before it.
  EXPECT_EQ(positionHash(b(), 0), before);
}

}  // namespace
}  // namespace sorvane::testing

namespace sorvane::testing {
namespace {

using RetryTest = AppFixture;

// Every question is answered yes and every message read, as the player would.
class AnswerYes {
 public:
  AnswerYes() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        ++answered;
        dialog->accept();
      }
    });
    timer_.start();
  }
  int answered = 0;

 private:
  QTimer timer_;
};

TEST_F(RetryTest, RetryAfterSurrenderStartsTheBattleAgainFromTheTop) {
  AnswerYes yes;
  page().surrender();  // "降参しますか？", then "もう一度挑戦しますか？"
  EXPECT_GE(yes.answered, 2);
  EXPECT_EQ(b().battleResult, Running);
  EXPECT_EQ(b().busy, 0);
  EXPECT_EQ(b().turn, 1);
  EXPECT_EQ(b().phaseTeam, 1);
  EXPECT_EQ(window->page(), Page::Battle);
  EXPECT_FALSE(session->commands().canUndo());
}

}  // namespace
}  // namespace sorvane::testing
