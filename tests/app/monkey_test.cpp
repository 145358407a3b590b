// A monkey on the whole game: a seeded stream of clicks, right clicks, double
// clicks, wheel turns and keys anywhere in the window, on every page, with the dialogs and
// menus it opens answered at random. Nothing may crash, and every save it
// made must still load. SORVANE_MONKEY_SECONDS sets how long it plays (2 s
// by default, so the suite stays fast; the sanitizer run plays for minutes).
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <set>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

#include "campaign/save_slot.h"
#include "campaign/user_files.h"
#include "shell_fixture.h"

namespace sorvane::testing {
namespace {

using MonkeyTest = ShellFixture;

void press(QWidget* w, QPoint at, Qt::MouseButton button, bool twice) {
  QPointer<QWidget> alive(w);
  const QPointF local(at), global(w->mapToGlobal(at));
  QMouseEvent down(QEvent::MouseButtonPress, local, global, button, button, {});
  QApplication::sendEvent(w, &down);
  if (!alive || !alive->isVisible()) return;
  QMouseEvent up(QEvent::MouseButtonRelease, local, global, button, {}, {});
  QApplication::sendEvent(w, &up);
  if (!twice || !alive || !alive->isVisible()) return;
  QMouseEvent dbl(QEvent::MouseButtonDblClick, local, global, button, button, {});
  QApplication::sendEvent(w, &dbl);
  if (!alive || !alive->isVisible()) return;
  QMouseEvent up2(QEvent::MouseButtonRelease, local, global, button, {}, {});
  QApplication::sendEvent(w, &up2);
}

void wheel(QWidget* w, QPoint at, int delta) {
  QWheelEvent turn(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &turn);
}

void key(QWidget* w, int k) {
  QKeyEvent down(QEvent::KeyPress, k, {});
  QApplication::sendEvent(w, &down);
  QKeyEvent up(QEvent::KeyRelease, k, {});
  QApplication::sendEvent(w, &up);
}

int monkeySeconds() {
  const QByteArray v = qgetenv("SORVANE_MONKEY_SECONDS");
  return v.isEmpty() ? 2 : std::max(1, v.toInt());
}

TEST_F(MonkeyTest, RandomInputOnEveryPageBreaksNothing) {
  const std::uint32_t seed = qEnvironmentVariableIsEmpty("SORVANE_MONKEY_SEED") ? 7u : qgetenv("SORVANE_MONKEY_SEED").toUInt();
  std::mt19937 rng(seed);
  keeper.answerYes = false;
  // Dialogs and menus opened by the monkey: answered at random, from a timer.
  QTimer answers;
  answers.setInterval(3);
  QObject::connect(&answers, &QTimer::timeout, [&] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      if (auto* menu = qobject_cast<QMenu*>(popup); menu && rng() % 3 == 0 && !menu->actions().isEmpty()) {
        QAction* a = menu->actions()[int(rng() % menu->actions().size())];
        if (a->isEnabled() && !a->isSeparator()) {
          a->trigger();
          menu->close();
          return;
        }
      }
      popup->close();
      return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      if (rng() % 2) dialog->accept();
      else dialog->reject();
    }
  });
  answers.start();
  // The monkey reads the story too: its scenes take clicks, the wheel, Ctrl and skips.
  settings.story.skipStory = false;
  shell->story().setReaderSettings(settings.story);
  window->show();

  // The monkey plays from a timer, so it goes on inside every loop the game
  // runs of its own: a story scene waiting for a click, a battle's animation,
  // a question. When the time is up the window is closed, as a player would
  // close it at any moment: whatever runs unwinds, and the outer loop ends.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(monkeySeconds());
  const int keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_E,    Qt::Key_N,     Qt::Key_Tab,
                      Qt::Key_T,      Qt::Key_Z,      Qt::Key_Left, Qt::Key_Up,    Qt::Key_Down,
                      Qt::Key_Space,  Qt::Key_Delete, Qt::Key_Right, Qt::Key_Control};
  int actions = 0;
  std::set<int> pages;
  QEventLoop played;
  QTimer monkey;
  monkey.setInterval(1);
  QObject::connect(&monkey, &QTimer::timeout, [&] {
    if (std::chrono::steady_clock::now() >= end) {
      monkey.stop();
      shell->quitting = true;  // no question before closing
      window->close();
      played.quit();
      return;
    }
    ++actions;
    pages.insert(static_cast<int>(window->page()));
    // Each action runs from the event loop rather than from this timer's own
    // call, so that the timer keeps firing inside any loop the action opens.
    auto act = [&](std::function<void()> action) { QTimer::singleShot(0, window.get(), std::move(action)); };
    // Now and then a save, so that the loads have something to read.
    if (actions % 150 == 0 && window->page() == Page::Preparation && !session->running()) {
      act([&, slot = int(rng() % 3)] { shell->saveTo(slot); });
      return;
    }
    if (window->page() == Page::Title && rng() % 20 == 0 && !session->running()) {
      act([&, job = int(rng() % 7)] { shell->newGame(job, 0); });
      return;
    }
    const QPoint at(int(rng() % 800), int(rng() % 600));
    const unsigned kind = rng() % 6, pick = rng();
    act([&, at, kind, pick] {
      QWidget* under = window->childAt(at);
      QWidget* target = under ? under : window.get();
      const QPoint local = target->mapFrom(window.get(), at);
      switch (kind) {
        case 0:
        case 1: press(target, local, Qt::LeftButton, false); break;
        case 2: press(target, local, Qt::RightButton, false); break;
        case 3: press(target, local, Qt::LeftButton, true); break;
        case 4: key(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), keys[pick % std::size(keys)]);
                break;
        default: wheel(target, local, pick % 2 ? 120 : -120); break;
      }
    });
  });
  monkey.start();
  QTimer::singleShot(0, [&] { shell->newGame(0, 0); });
  played.exec();
  answers.stop();
  EXPECT_GT(actions, 0);
  std::printf("monkey seed=%u actions=%d pages=%zu battles=%d\n", seed, actions, pages.size(), s().D->records.recBattles);
  for (int n = 0; n < kSlotCount; ++n) {
    const auto bytes = readUserFile(folders.slotFile(n));
    if (!bytes) continue;
    EXPECT_EQ(parseSlotLines(fileLines(*bytes), *s().D).error, 0) << "slot " << n;
  }
}

}  // namespace
}  // namespace sorvane::testing
