#include "app/shell.h"

#include <memory>

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include "app/battle_page.h"
#include "app/formation_panel.h"
#include "app/game_session.h"
#include "app/job_dialog.h"
#include "app/main_window.h"
#include "app/preparation_page.h"
#include "app/records_panel.h"
#include "app/settings_dialog.h"
#include "app/shell_art.h"
#include "app/story_page.h"
#include "app/title_page.h"
#include "campaign/autosave.h"
#include "campaign/enemy_export.h"
#include "campaign/formations.h"
#include "campaign/new_game.h"
#include "campaign/preparation.h"
#include "campaign/progress_file.h"
#include "campaign/save_slot.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

QString fileDate(const std::filesystem::path& file) {
  const QDateTime when = QFileInfo(QString::fromStdString(file.string())).lastModified();
  return QLocale::system().toString(when, QLocale::ShortFormat);
}

}  // namespace

Shell::Shell(MainWindow& window, GameSession& session, const BattleArt& art, WindowSettings& windowSettings,
             UserFolders folders, std::string gameDir)
    : QObject(&window),
      window_(window),
      session_(session),
      art_(art),
      windowSettings_(windowSettings),
      folders_(std::move(folders)),
      gameDir_(std::move(gameDir)) {
  title_ = new TitlePage(gameDir_);
  story_ = &window_.storyPage();
  story_->setReadPagesFile(folders_.saveFolder.parent_path() / "story_read.txt");
  story_->setOpenSettings([this] { openSettings(); });
  prep_ = new PreparationPage(session_.state(), session_.campaign(), session_.presenter(), art_, gameDir_);
  window_.setPage(Page::Title, title_);
  window_.setPage(Page::Preparation, prep_);
  records_ = new RecordsPanel(*session_.state().D, art_, prep_);
  formations_ = new FormationPanel(*session_.state().D, art_, prep_);
  for (QWidget* w : {static_cast<QWidget*>(records_), static_cast<QWidget*>(formations_)}) {
    w->setGeometry(prep_->sideArea());
    w->hide();
  }
  wire();
}

Shell::~Shell() = default;

void Shell::wire() {
  Campaign& c = session_.campaign();
  c.playScene = [this](i32 scene) { playScene(scene); };
  c.saveProgress = [this] {
    try {
      rcsave(session_.state(), session_.campaign(), folders_);
    } catch (const UserFileError& e) {
      session_.presenter().message(e.what());
    }
  };
  session_.onBattleEnded = [this](AfterBattle next) { afterBattle(static_cast<int>(next)); };
  window_.onPageShown = [this](Page page) {
    if (page == Page::Preparation) prep_->refreshAll();
    if (page == Page::Battle) window_.battlePage().centreOnMaster();
  };
  // The battle page's 設定 opens the same dialog, so every choice is kept in the settings files.
  window_.battlePage().openSettings = [this](QPoint) { openSettings(); };
  window_.confirmClose = [this] {
    if (quitting || !unsaved_ || window_.page() == Page::Title || session_.presenter().aborting()) return true;
    return session_.presenter().question("セーブしていない進行があります。\r終了してよろしいですか？");
  };

  title_->onNewGame = [this] { chooseJob(); };
  title_->onContinue = [this] { slotMenu(false, QCursor::pos()); };
  title_->onExtra = [this] {
    prep::Preparation prep(session_.state(), session_.campaign(), session_.presenter());
    session_.run([&] {
      if (prep.enterExtraStages().done()) {
        prep_->reset();
        unsaved_ = true;
      }
    });
  };
  title_->onSettings = [this] { openSettings(); };
  title_->onQuit = [this] { window_.close(); };
  title_->onHover = [this] { session_.presenter().SE(Sound::Open); };

  prep_->onNext = [this] { nextBattle(false); };
  prep_->onFree = [this] { nextBattle(true); };
  prep_->onSave = [this](QPoint at) { slotMenu(true, at); };
  prep_->onLoad = [this](QPoint at) { slotMenu(false, at); };
  prep_->onRecords = [this] { toggleRecords(); };
  prep_->onFormationSave = [this] { toggleFormations(true); };
  prep_->onFormationLoad = [this] { toggleFormations(false); };
  prep_->onSettings = [this] { openSettings(); };
  prep_->onTitle = [this] { backToTitle(); };
  prep_->onExport = [this] { exportParty(); };
  prep_->onCloseOverlays = [this] { closeOverlays(); };
  records_->onClose = [this] {
    session_.presenter().SE(Sound::Cancel);
    records_->hide();
  };
  formations_->onClose = [this] {
    session_.presenter().SE(Sound::Cancel);
    formations_->hide();
  };
  formations_->onRow = [this](int row) { formationRow(row); };
}

void Shell::start() {
  Campaign& c = session_.campaign();
  const SettingsLoad loaded = loadSettings(folders_.configFile);
  c.settings = loaded.settings;
  const SceneScale scale = windowSettings_.scale;  // the command line's, already in force
  loadWindowSettings(windowFile(), windowSettings_);
  windowSettings_.scale = scale;
  const Settings& s = c.settings;
  if (s.windowLeft == -1 && s.windowTop == -1) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->geometry();
      window_.move((area.width() - window_.frameGeometry().width()) / 2,
                   (area.height() - window_.frameGeometry().height()) / 2 - 20);
    }
  } else {
    window_.move(s.windowLeft, s.windowTop);
  }
  applySettings();
  const ProgressLoad progress = rcload(session_.state(), c, folders_);
  session_.state().SetK(kPlayerMaster, masterEntry(0, 0), 0);
  AAA(session_.state(), c);
  showTitle();
  if (!loaded.warning.empty()) session_.presenter().message(loaded.warning);
  if (!progress.message.empty()) session_.presenter().message(progress.message);
}

void Shell::shutDown() {
  Settings& s = session_.campaign().settings;
  s.windowLeft = window_.x();
  s.windowTop = window_.y();
  try {
    saveSettings(folders_.configFile, s);
  } catch (const UserFileError&) {
    // Nothing more can be done while the program ends; the previous file stays whole.
  }
  saveWindowSettings(windowFile(), windowSettings_);
}

std::filesystem::path Shell::windowFile() const { return folders_.configFile.parent_path() / "window.ini"; }

void Shell::applySettings() {
  const Settings& s = session_.campaign().settings;
  windowSettings_.showSide = s.mapTeamColours;
  windowSettings_.showSpent = s.mapMarkActed;
  windowSettings_.showHpSp = s.mapShowHpSp;
  if (s.fastDrawing && windowSettings_.speed == AnimationSpeed::Normal) windowSettings_.speed = AnimationSpeed::Fast;
  window_.applySettings();
  story_->setFrameColour(s.frameColour);
  story_->setReaderSettings(windowSettings_.story);
  if (applySound) applySound(s);
}

void Shell::showTitle() {
  closeOverlays();
  window_.showPage(Page::Title);
  const Tdeta& d = *session_.state().D;
  bool anyJob = false;
  for (byte j : d.jobOpen) anyJob = anyJob || j != 0;
  if (session_.campaign().settings.musicPreloaded && preloadMusic && !musicLoaded_) {
    title_->showLoading();
    QCoreApplication::processEvents();
    preloadMusic();
    musicLoaded_ = true;
  }
  session_.presenter().BGM(Music::title());
  title_->start(anyJob);
  unsaved_ = false;
}

void Shell::chooseJob() {
  WindowPresenter& screen = session_.presenter();
  screen.SE(Sound::Open);
  JobDialog dialog(*session_.state().D, &window_);
  dialog.onChoice = [&screen] { screen.SE(Sound::Open); };
  if (dialog.exec() != QDialog::Accepted) {
    screen.SE(Sound::Cancel);
    return;
  }
  newGame(dialog.job(), dialog.character());
}

void Shell::newGame(int job, int character) {
  prep::Preparation prep(session_.state(), session_.campaign(), session_.presenter());
  session_.run([&] {
    if (prep.newGame(job, character).done()) {
      prep_->reset();
      unsaved_ = true;
    }
  });
}

void Shell::playScene(int scene) {
  // The campaign waits for the scene: a local loop runs until the story page is done.
  struct Wait {
    bool finished = false;
    QEventLoop loop;
  };
  auto wait = std::make_shared<Wait>();
  window_.showPage(Page::Story);
  // The variant is chosen by the player's master as it stands when the scene starts.
  const story::ScenePlayer who = story::ScenePlayerOf(session_.state().D->k[kPlayerMaster]);
  story_->playScene(scene, who, [wait](story::FollowUp) {
    wait->finished = true;
    wait->loop.quit();
  });
  QTimer poll;
  poll.setInterval(50);
  QObject::connect(&poll, &QTimer::timeout, &wait->loop, [this, wait] {
    if (session_.presenter().aborting()) wait->loop.quit();
  });
  poll.start();
  if (!wait->finished) wait->loop.exec();
  if (!wait->finished) throw BattleAborted{};
}

void Shell::nextBattle(bool free) {
  closeOverlays();
  Tsyori& s = session_.state();
  try {
    writeAutosave(s, session_.campaign(), folders_);
  } catch (const UserFileError& e) {
    session_.presenter().message(std::string("自動セーブできませんでした。\r") + e.what());
  }
  session_.commands().newBattle();
  prep::Preparation prep(s, session_.campaign(), session_.presenter());
  session_.run([&] {
    const prep::Result r = free ? prep.freeBattle(session_.battle()) : prep.nextStage(session_.battle());
    if (r.done()) unsaved_ = true;
  });
}

void Shell::afterBattle(int next) {
  unsaved_ = true;
  if (static_cast<AfterBattle>(next) != AfterBattle::Credits) return;
  // The credits roll, then the title; the progress file was written by the battle end.
  story_->playCredits([this] {
    AAA(session_.state(), session_.campaign());
    showTitle();
  });
}

void Shell::slotMenu(bool saving, QPoint at) {
  WindowPresenter& screen = session_.presenter();
  screen.SE(Sound::Open);
  QMenu menu(&window_);
  menu.setStyleSheet(QStringLiteral(
      "QMenu { background: #262e3b; border: 1px solid #d8b45a; padding: 3px; }"
      "QMenu::item { color: #e8e4d8; padding: 4px 18px; }"
      "QMenu::item:selected { background: #46536a; }"
      "QMenu::item:disabled { color: #7a7a7a; }"));
  menu.setFont(style::monoFont(14));
  const auto present = slotsPresent(folders_);
  const auto stages = readSlotStages(folders_.configFile);
  if (!saving) {
    std::error_code ec;
    const bool autosave = std::filesystem::is_regular_file(autosaveFile(folders_), ec);
    QAction* a = menu.addAction(autosave ? QStringLiteral("[自動] ") + fileDate(autosaveFile(folders_))
                                         : QStringLiteral("[自動] データがありません"));
    a->setEnabled(autosave);
    a->setData(-1);
    menu.addSeparator();
  }
  for (int n = 0; n < kSlotCount; ++n) {
    QString caption = QStringLiteral("[%1] データがありません").arg(n);
    if (present[std::size_t(n)])
      caption = QStringLiteral("[%1]  ").arg(n) + style::text(slotStageLabel(stages[std::size_t(n)])) +
                fileDate(folders_.slotFile(n));
    QAction* a = menu.addAction(caption);
    a->setData(n);
    a->setEnabled(saving || present[std::size_t(n)]);
  }
  QAction* chosen = menu.exec(at);
  if (!chosen) return;
  const int n = chosen->data().toInt();
  if (saving) saveTo(n);
  else loadFrom(n);
}

void Shell::saveTo(int n) {
  WindowPresenter& screen = session_.presenter();
  Campaign& c = session_.campaign();
  if (!screen.question("[" + std::to_string(n) + "]番にセーブします。よろしいですか？")) {
    screen.SE(Sound::Cancel);
    return;
  }
  screen.SE(Sound::Confirm);
  if (n != c.currentSlot) {
    if (!screen.question("別のデータに上書きします。よろしいですか？")) {
      screen.SE(Sound::Cancel);
      return;
    }
    screen.SE(Sound::Confirm);
  }
  try {
    saveSlot(n, session_.state(), c, folders_);
    unsaved_ = false;
  } catch (const UserFileError& e) {
    screen.message(std::string("セーブできませんでした。\r") + e.what());
  }
}

void Shell::loadFrom(int n) {
  WindowPresenter& screen = session_.presenter();
  const std::string name = n < 0 ? std::string("自動セーブ") : "[" + std::to_string(n) + "]番";
  if (!screen.question(name + "をロードします。よろしいですか？")) {
    screen.SE(Sound::Cancel);
    return;
  }
  screen.SE(Sound::Success);
  SlotLoad r;
  try {
    r = n < 0 ? loadAutosave(session_.state(), session_.campaign(), folders_)
              : loadSlot(n, session_.state(), session_.campaign(), folders_);
  } catch (const UserFileError& e) {
    screen.message(e.what());
    return;
  }
  reportLoad(r.error, r.message, r.progressMessage);
  if (r.error != 0) return;  // the game stays as it was
  unsaved_ = false;
  closeOverlays();
  prep_->reset();
  if (window_.page() != Page::Preparation) {
    screen.BGM(Music::preparation());
    window_.showPage(Page::Preparation);
  }
}

void Shell::reportLoad(int error, const std::string& message, const std::string& progressMessage) {
  if (error != 0) session_.presenter().message(message);
  if (!progressMessage.empty()) session_.presenter().message(progressMessage);
}

void Shell::openSettings() {
  WindowPresenter& screen = session_.presenter();
  Campaign& c = session_.campaign();
  screen.SE(Sound::Open);
  SettingsDialog dialog(c.settings, windowSettings_, &window_);
  dialog.onVolume = [this, &c](i32 music, i32 effects) {
    c.settings.musicVolume = music;
    c.settings.effectVolume = effects;
    if (applySound) applySound(c.settings);
  };
  dialog.onChoice = [&screen] { screen.SE(Sound::Open); };
  if (dialog.exec() != QDialog::Accepted) {
    screen.SE(Sound::Cancel);
    return;
  }
  c.settings = dialog.settings();
  windowSettings_ = dialog.windowSettings();
  applySettings();
  if (c.settings.musicPreloaded && preloadMusic && !musicLoaded_) {
    screen.SE(Sound::Confirm);
    screen.message("BGMをwavに変換します。\r少し時間が掛かります。");
    preloadMusic();
    musicLoaded_ = true;
  }
  screen.SE(Sound::Confirm);
  shutDown();  // written now as well, so a crash keeps the choice
}

void Shell::backToTitle() {
  WindowPresenter& screen = session_.presenter();
  if (!screen.question("タイトル画面に戻ります。よろしいですか？")) {
    screen.SE(Sound::Cancel);
    return;
  }
  screen.SE(Sound::Confirm);
  screen.BGM(Music::stop());
  AAA(session_.state(), session_.campaign());
  showTitle();
}

void Shell::closeOverlays() {
  records_->hide();
  formations_->hide();
}

void Shell::toggleRecords() {
  WindowPresenter& screen = session_.presenter();
  if (records_->isVisible()) {
    screen.SE(Sound::Cancel);
    records_->hide();
    return;
  }
  formations_->hide();
  screen.SE(Sound::Open);
  records_->refresh();
  records_->show();
  records_->raise();
}

void Shell::toggleFormations(bool storing) {
  WindowPresenter& screen = session_.presenter();
  if (formations_->isVisible() && formations_->storing() == storing) {
    screen.SE(Sound::Cancel);
    formations_->hide();
    return;
  }
  records_->hide();
  screen.SE(Sound::Open);
  std::string bytes;
  try {
    bytes = readUserFile(folders_.formationsFile()).value_or(std::string());
  } catch (const UserFileError& e) {
    screen.message(e.what());
  }
  formations_->refresh(storing, parseFormations(bytes));
  formations_->show();
  formations_->raise();
}

void Shell::formationRow(int row) {
  WindowPresenter& screen = session_.presenter();
  const bool storing = formations_->storing();
  const std::string text = storing ? "現在の編成を" + std::to_string(row) + "番にセーブします。よろしいですか？"
                                   : std::to_string(row) + "番の編成をロードします。よろしいですか？";
  if (!screen.question(text)) {
    screen.SE(Sound::Cancel);
    return;
  }
  screen.SE(storing ? Sound::Confirm : Sound::Success);
  try {
    if (storing) saveFormation(row, session_.state(), folders_);
    else loadFormation(row, session_.state(), folders_);
  } catch (const UserFileError& e) {
    screen.message(e.what());
    return;
  }
  if (!storing) {
    unsaved_ = true;
    prep_->reset();
  }
  try {
    formations_->refresh(storing, parseFormations(readUserFile(folders_.formationsFile()).value_or(std::string())));
  } catch (const UserFileError& e) {
    screen.message(e.what());  // the list stays as it was shown
  }
}

void Shell::exportParty() {
  const std::filesystem::path file = folders_.saveFolder.parent_path() / "teki.txt";
  try {
    exportPartyTo(file, session_.state());
    session_.presenter().message("敵のデータを書き出しました。\r" + file.string());
  } catch (const std::exception& e) {
    session_.presenter().message(e.what());
  }
}

}  // namespace sorvane
