// A monkey on the whole game: a seeded stream of clicks, right clicks, double
// clicks and keys anywhere in the window, on every page, with the dialogs and
// menus it opens answered at random. Nothing may crash, and every save it
// made must still load. SORVANE_MONKEY_SECONDS sets how long it plays (2 s
// by default, so the suite stays fast; the sanitizer run plays for minutes).
#include <chrono>
#include <cstdio>
#include <random>
#include <set>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

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
  window->show();
  shell->newGame(0, 0);

  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(monkeySeconds());
  const int keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_E, Qt::Key_N, Qt::Key_Tab, Qt::Key_T,
                      Qt::Key_Z,      Qt::Key_Left,   Qt::Key_Up, Qt::Key_Down, Qt::Key_Space};
  int actions = 0;
  std::set<int> pages;
  while (std::chrono::steady_clock::now() < end) {
    const QPoint at(int(rng() % 800), int(rng() % 600));
    QWidget* under = window->childAt(at);
    QWidget* target = under ? under : window.get();
    const QPoint local = target->mapFrom(window.get(), at);
    switch (rng() % 6) {
      case 0:
      case 1: press(target, local, Qt::LeftButton, false); break;
      case 2: press(target, local, Qt::RightButton, false); break;
      case 3: press(target, local, Qt::LeftButton, true); break;
      case 4: key(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), keys[rng() % std::size(keys)]);
              break;
      default: settle(2); break;
    }
    ++actions;
    pages.insert(static_cast<int>(window->page()));
    // Now and then a save, so that the loads have something to read.
    if (actions % 150 == 0 && window->page() == Page::Preparation) shell->saveTo(int(rng() % 3));
    if (window->page() == Page::Title && rng() % 20 == 0) shell->newGame(int(rng() % 7), 0);
  }
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
