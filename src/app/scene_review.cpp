#include "app/scene_review.h"

#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include "app/main_window.h"
#include "app/story_page.h"

namespace sorvane {
namespace {

const char* followUpName(story::FollowUp f) {
  switch (f) {
    case story::FollowUp::Battle: return "battle";
    case story::FollowUp::Preparation: return "preparation";
    case story::FollowUp::Credits: return "credits";
    case story::FollowUp::None: break;
  }
  return "none";
}

void shoot(MainWindow& window, const std::string& file, int& exitCode) {
  if (!window.grab().save(QString::fromStdString(file))) exitCode = 1;
}

// How long the page took to paint, for the record.
void printTiming(const StoryPage& page) {
  std::printf("story paints=%d paint_ms_mean=%.2f paint_ms_max=%.2f\n", page.paints(), page.paintMsMean(),
              page.paintMsMax());
  std::fflush(stdout);
}

void leftClick(QWidget& page) {
  const QPointF at(400, 300);
  QMouseEvent press(QEvent::MouseButtonPress, at, page.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&page, &press);
}

// Clicks through the scene like a patient reader and takes the picture on the
// `pages`-th complete page.
void driveToScreenshot(MainWindow& window, const ReviewOptions& o, int& exitCode) {
  auto* timer = new QTimer(&window);
  auto counted = std::make_shared<int>(-1);
  auto pages = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, &window, [&window, o, &exitCode, timer, counted, pages] {
    StoryPage& page = window.storyPage();
    const story::StoryPlayer* player = page.player();
    if (!player) {
      timer->stop();
      return;
    }
    if (player->ticking() || player->inputLocked() || player->state() != story::StoryState::PageShown) return;
    const int textLine = player->pages()[player->pageIndex()].textLine;
    if (textLine >= 0 && textLine != *counted) {
      *counted = textLine;
      if (++*pages >= o.pages) {
        timer->stop();
        shoot(window, o.screenshot, exitCode);
        printTiming(page);
        QCoreApplication::quit();
        return;
      }
    }
    leftClick(page);
  });
  timer->start(200);
}

}  // namespace

void startReview(MainWindow& window, const ReviewOptions& o, int& exitCode) {
  QTimer::singleShot(0, &window, [&window, o, &exitCode] {
    window.showPage(Page::Story);
    StoryPage& page = window.storyPage();
    if (o.credits) {
      page.playCredits([&page] {
        printTiming(page);
        QCoreApplication::quit();
      });
      if (!o.screenshot.empty())
        QTimer::singleShot(o.creditsShotMs, &window, [&window, &page, o, &exitCode] {
          shoot(window, o.screenshot, exitCode);
          printTiming(page);
          QCoreApplication::quit();
        });
      return;
    }
    page.playScene(o.scene, [&window, o, &exitCode](story::FollowUp f) {
      std::printf("scene %d follow-up: %s\n", o.scene, followUpName(f));
      printTiming(window.storyPage());
      if (!o.screenshot.empty()) shoot(window, o.screenshot, exitCode);  // ended before its pages
      QCoreApplication::quit();
    });
    if (!o.screenshot.empty()) driveToScreenshot(window, o, exitCode);
  });
}

}  // namespace sorvane
