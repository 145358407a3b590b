// sorvane: the game window.
//   sorvane                       the game, from the title
//   sorvane --battle STAGE [--seed N] [--screenshot FILE] [--autoplay] [--scale 1|2|fit] [--speed normal|fast|instant]
//   sorvane [--prep] --screenshot FILE   the title (or a new game's preparation page) once shown, then exit
//   sorvane --scene N [--screenshot FILE [--pages K]]   |   sorvane --credits [--screenshot FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "app/autoplay.h"
#include "app/battle_page.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/scene_review.h"
#include "app/shell.h"
#include "app/story_page.h"
#include "app/title_page.h"
#include "campaign/settings.h"
#include "campaign/user_files.h"
#include "data/game_dir.h"
#include "sound/game_sound.h"
#include "view/battle_art.h"

namespace {

struct Options {
  int stage = -1;
  std::uint32_t seed = 1;
  std::string screenshot;
  bool autoplay = false;
  bool prep = false;
  bool speedGiven = false;
  bool scaleGiven = false;
  sorvane::WindowSettings settings;
  sorvane::ReviewOptions review;  // --scene, --credits: the story page alone
};

int usage() {
  std::fprintf(stderr,
               "usage: sorvane [--prep] [--battle STAGE] [--seed N] [--screenshot FILE] [--autoplay] [--scale 1|2|fit]"
               " [--speed normal|fast|instant]\n"
               "       sorvane --scene N [--screenshot FILE [--pages K]] | --credits [--screenshot FILE]\n");
  return 2;
}

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto next = [&](std::string& v) {
      if (i + 1 >= argc) return false;
      v = argv[++i];
      return true;
    };
    std::string v;
    try {
      if (a == "--battle" && next(v)) o.stage = std::stoi(v);
      else if (a == "--seed" && next(v)) o.seed = static_cast<std::uint32_t>(std::stoul(v));
      else if (a == "--screenshot" && next(o.screenshot)) continue;
      else if (a == "--autoplay") o.autoplay = true;
      else if (a == "--scene" && next(v)) o.review.scene = std::stoi(v);
      else if (a == "--pages" && next(v)) o.review.pages = std::stoi(v);
      else if (a == "--credits") o.review.credits = true;
      else if (a == "--prep") o.prep = true;
      else if (a == "--scale" && next(v)) {
        o.scaleGiven = true;
        if (!sorvane::parseScale(v, o.settings.scale)) return false;
      } else if (a == "--speed" && next(v)) {
        o.speedGiven = true;
        if (v == "normal") o.settings.speed = sorvane::AnimationSpeed::Normal;
        else if (v == "fast") o.settings.speed = sorvane::AnimationSpeed::Fast;
        else if (v == "instant") o.settings.speed = sorvane::AnimationSpeed::Instant;
        else return false;
      } else return false;
    } catch (const std::exception&) {
      return false;
    }
  }
  return true;
}

// The whole scene is drawn at a whole-number scale, so every pixel stays sharp.
void applyScale(const Options& o, char** argv) {
  if (std::getenv("QT_SCALE_FACTOR") || o.settings.scale == sorvane::SceneScale::One) return;
  int factor = 2;
  if (o.settings.scale == sorvane::SceneScale::Fit) {
    int argc = 1;
    QGuiApplication probe(argc, argv);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    factor = sorvane::fitFactor(free.width(), free.height() - 40);
  }
  if (factor > 1) setenv("QT_SCALE_FACTOR", std::to_string(factor).c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
  const auto processStart = std::chrono::steady_clock::now();
  // Pictures and sounds are large blocks that come and go with the pages.
  // Left alone, the allocator raises its threshold for giving such blocks
  // their own mapping the first time one is freed, and serves the next ones
  // from the heap, where freed space stays resident (6 MB over a campaign).
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  Options o;
  if (!parse(argc, argv, o)) return usage();
  if (o.stage >= 0 && !sorvane::stageExists(o.stage)) {
    std::fprintf(stderr, "sorvane: no stage %d (story stages 0..14, 50..69; free battles GROUP*100+PARTY)\n", o.stage);
    return 2;
  }
  const sorvane::UserFolders folders = sorvane::UserFolders::fromEnvironment();
  const bool shellMode = o.stage < 0 && !o.autoplay;
  if (shellMode && !o.scaleGiven) {
    // The scale chosen in the settings dialog, kept beside config.ini.
    sorvane::WindowSettings kept;
    sorvane::loadWindowSettings(folders.configFile.parent_path() / "window.ini", kept);
    o.settings.scale = kept.scale;
  }
  applyScale(o, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.sorvane.Sorvane"));  // ties the window to its menu entry and icon

  const std::string gameDir = sorvane::findGameDir();

  std::unique_ptr<sorvane::BattleArt> art;
  try {
    art = std::make_unique<sorvane::BattleArt>(gameDir);
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QStringLiteral("Sorvane"), QString::fromUtf8(e.what()));
    return 1;
  }

  // The sound opens the audio device, or SDL's dummy driver where there is none.
  auto gameSound = std::make_unique<sorvane::GameSound>(gameDir);
  sorvane::GameSound* audio = gameSound.get();
  sorvane::GameSession session(gameDir, std::move(gameSound));
  // A battle played or pictured from the command line runs at once; from the title the
  // player's own speed holds (and is what the settings files keep).
  if ((o.autoplay || !o.screenshot.empty()) && !o.speedGiven && !shellMode)
    o.settings.speed = sorvane::AnimationSpeed::Instant;
  sorvane::MainWindow window(session, *art, o.settings);
  window.show();

  const int stage = o.stage >= 0 ? o.stage : 0;
  int exitCode = 0;
  std::unique_ptr<sorvane::Shell> shell;
  if (o.review.scene >= 0 || o.review.credits) {
    o.review.screenshot = o.screenshot;
    sorvane::startReview(window, o.review, exitCode);
  } else if (shellMode) {
    shell = std::make_unique<sorvane::Shell>(window, session, *art, o.settings, folders, gameDir);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { shell->shutDown(); });
    if (std::getenv("SORVANE_TIMING"))
      shell->title().onPainted = [&] {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - processStart);
        std::printf("title_shown_ms=%lld\n", static_cast<long long>(ms.count()));
        std::fflush(stdout);
        shell->title().onPainted = nullptr;
      };
    shell->applySound = [audio](const sorvane::Settings& s) {
      audio->setMusicVolume(s.musicVolume);
      audio->setEffectVolume(s.effectVolume);
      audio->setMusicMethod(s.musicPreloaded);
    };
    shell->preloadMusic = [audio] { audio->preloadStandardMusic(); };
    shell->start();
    if (o.prep)
      QTimer::singleShot(0, &window, [&] {
        // The picture is of the preparation page: the prologue is passed over for this
        // run only, and the player's own story settings stay as they are kept.
        sorvane::story::StorySettings passOver = shell->story().readerSettings();
        passOver.skipStory = true;
        shell->story().setReaderSettings(passOver);
        shell->newGame(0, 0);
      });
    if (!o.screenshot.empty())
      QTimer::singleShot(o.prep ? 300 : 1200, &window, [&] {
        if (!window.grab().save(QString::fromStdString(o.screenshot))) exitCode = 1;
        shell->quitting = true;
        QCoreApplication::quit();
      });
  } else if (o.autoplay) {
    QTimer::singleShot(0, &window, [&] {
      // The party of the lab's new game, so that the line matches the lab's `battle`.
      session.newGame(false);
      window.showPage(sorvane::Page::Battle);
      const sorvane::AutoplayReport r = sorvane::autoplayBattle(session, stage, o.seed);
      if (r.aborted) return;  // the window was closed: the program is ending
      std::cout << r.line << "\n";
      if (!r.violation.empty()) std::cout << "violation: " << r.violation << "\n";
      std::cout << "window stall_ms_max=" << r.stallMsMax << " sound_cpu_pct=" << r.soundCpuPercent << "\n"
                << std::flush;
      if (!o.screenshot.empty()) window.grab().save(QString::fromStdString(o.screenshot));
      QCoreApplication::quit();
    });
  } else {
    if (!o.screenshot.empty())
      window.onBattleStarted = [&] {
        if (!window.grab().save(QString::fromStdString(o.screenshot))) exitCode = 1;
        QCoreApplication::quit();
      };
    // A player's own display settings count here too, once the game has written them.
    if (std::filesystem::exists(folders.configFile)) {
      const sorvane::Settings kept = sorvane::loadSettings(folders.configFile).settings;
      session.campaign().settings = kept;
      o.settings.showSide = kept.mapTeamColours;
      o.settings.showSpent = kept.mapMarkActed;
      o.settings.showHpSp = kept.mapShowHpSp;
      window.applySettings();
    }
    window.openBattle(stage, o.seed);
  }
  const int code = app.exec();
  return code != 0 ? code : exitCode;
}
