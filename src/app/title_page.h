// The title page: the game's name (title.png) fades in over the backdrop,
// then the menu plates blend in: はじめ (new game), つづき (load), うらめん
// (the extra stages, once a job has cleared the campaign) along the bottom,
// 設定 and 終了 in the top corner. A plate lights under the pointer or the
// keyboard's focus; arrows move between them and Enter picks. The pictures
// are read when the sequence starts and let go while the game is elsewhere.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

class QPushButton;
class QTimer;

namespace sorvane {

class TitlePage : public QWidget {
  Q_OBJECT

 public:
  TitlePage(const std::string& gameDir, QWidget* parent = nullptr);

  // Runs the title sequence from the start; `extraOpen` offers うらめん.
  void start(bool extraOpen);
  // Shows "BGM読み込み中…" until start() (the music is being decoded).
  void showLoading();

  std::function<void()> onNewGame, onContinue, onExtra, onSettings, onQuit;
  std::function<void()> onHover;  // a menu entry is pointed at
  std::function<void()> onPainted;  // after every paint (timing)

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void loadPictures();
  void releasePictures();
  void tick();
  void layOutMenu();
  void paintNameWithoutPicture(QPainter& p, qreal opacity);

  std::string gameDir_;
  QImage background_;
  QImage title_;  // the name and its line with alpha; null when the archive lacks it
  QTimer* timer_;
  std::vector<QPushButton*> menu_;
  QPushButton* extra_;
  bool picturesLoaded_ = false;
  bool loading_ = false;
  bool extraOpen_ = false;
  int step_ = 0;  // 0..20 the name fades in, 21..30 the menu
};

}  // namespace sorvane
