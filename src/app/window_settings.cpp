#include "app/window_settings.h"

#include <algorithm>

#include <QSettings>
#include <QString>

namespace sorvane {

namespace {
int clamped(const QSettings& ini, const char* key, int fallback, int low, int high) {
  return std::clamp(ini.value(key, fallback).toInt(), low, high);
}
}  // namespace

void loadWindowSettings(const std::filesystem::path& file, WindowSettings& settings) {
  const QSettings ini(QString::fromStdString(file.string()), QSettings::IniFormat);
  settings.scale = static_cast<SceneScale>(clamped(ini, "scale", int(settings.scale), 0, 2));
  settings.speed = static_cast<AnimationSpeed>(clamped(ini, "speed", int(settings.speed), 0, 2));
  settings.skipComputerAnimations = ini.value("skipComputerAnimations", settings.skipComputerAnimations).toBool();
  story::StorySettings& story = settings.story;
  story.bytesPerTick = clamped(ini, "storyTextSpeed", story.bytesPerTick, 0, 8);
  story.autoAdvance = ini.value("storyAutoAdvance", story.autoAdvance).toBool();
  story.ctrlSkipsUnread = ini.value("storyCtrlSkipsUnread", story.ctrlSkipsUnread).toBool();
  story.skipStory = ini.value("storySkip", story.skipStory).toBool();
}

void saveWindowSettings(const std::filesystem::path& file, const WindowSettings& settings) {
  QSettings ini(QString::fromStdString(file.string()), QSettings::IniFormat);
  ini.setValue("scale", static_cast<int>(settings.scale));
  ini.setValue("speed", static_cast<int>(settings.speed));
  ini.setValue("skipComputerAnimations", settings.skipComputerAnimations);
  ini.setValue("storyTextSpeed", settings.story.bytesPerTick);
  ini.setValue("storyAutoAdvance", settings.story.autoAdvance);
  ini.setValue("storyCtrlSkipsUnread", settings.story.ctrlSkipsUnread);
  ini.setValue("storySkip", settings.story.skipStory);
}

bool parseScale(const std::string& text, SceneScale& scale) {
  if (text == "1") scale = SceneScale::One;
  else if (text == "2") scale = SceneScale::Two;
  else if (text == "fit") scale = SceneScale::Fit;
  else return false;
  return true;
}

int fitFactor(int availableWidth, int availableHeight) {
  return std::max(1, std::min(availableWidth / 800, availableHeight / 600));
}

}  // namespace sorvane
