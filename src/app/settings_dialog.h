// The settings dialog (コンフィグ): the battlefield and character-list marks,
// the music method, the drawing speed, the music and effect volumes (applied
// at once, kept even when the dialog is cancelled), the story font and message
// window colour, how the story is read (text speed, auto-advance, Ctrl through
// unread pages, skipping scenes), and the window's own scale and animation speed.
#pragma once

#include <functional>

#include <QDialog>

#include "app/window_settings.h"
#include "campaign/settings.h"

class QButtonGroup;
class QGridLayout;
class QListWidget;
class QLabel;
class QSlider;

namespace sorvane {

class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  SettingsDialog(const Settings& settings, const WindowSettings& window, QWidget* parent);

  // The choices as they stand (taken over by the caller on OK).
  Settings settings() const;
  WindowSettings windowSettings() const;

  // A volume slider moved: the new volumes apply at once.
  std::function<void(i32 music, i32 effects)> onVolume;
  // A radio choice was made (the game plays its sound).
  std::function<void()> onChoice;

 private:
  QButtonGroup* pair(const QString& title, const QString& no, const QString& yes, bool on, int row, int col);
  // A row of radio buttons with ids 0.. in a titled box; `checked` is the id chosen.
  QButtonGroup* choice(const QString& title, const QStringList& options, int checked, QGridLayout* into, int row,
                       int col);
  void addStoryBox(QGridLayout* grid, int row);

  Settings base_;
  WindowSettings window_;
  QButtonGroup *bfh_{}, *bfs_{}, *bfc_{}, *klh_{}, *kls_{}, *oto_{}, *efc_{}, *scale_{}, *speed_{};
  QButtonGroup *frame_{}, *textSpeed_{}, *autoAdvance_{}, *ctrlUnread_{}, *skipStory_{}, *skipEnemy_{};
  QSlider *music_, *effects_;
  QListWidget* fonts_;
  QLabel* sample_;
};

}  // namespace sorvane
