// The window's own choices, kept in window.ini beside config.ini: how large
// the 800 x 600 scene is drawn, how fast the battle animates, what the
// battlefield marks, and how the story is read.
#pragma once

#include <filesystem>
#include <string>

#include "app/window_presenter.h"
#include "story/story_player.h"

namespace sorvane {

enum class SceneScale { One, Two, Fit };

struct WindowSettings {
  SceneScale scale = SceneScale::One;
  AnimationSpeed speed = AnimationSpeed::Normal;
  bool skipComputerAnimations = false;
  bool showSide = true, showSpent = true, showHpSp = true;
  story::StorySettings story;  // text speed, auto-advance, Ctrl through unread pages, skipping scenes
};

// window.ini: the keys present replace the values in `settings`; values out
// of range are corrected. A missing file changes nothing.
void loadWindowSettings(const std::filesystem::path& file, WindowSettings& settings);
void saveWindowSettings(const std::filesystem::path& file, const WindowSettings& settings);

// "1", "2" or "fit"; false for anything else.
bool parseScale(const std::string& text, SceneScale& scale);
// The whole-number factor that draws 800 x 600 as large as fits `available`.
int fitFactor(int availableWidth, int availableHeight);

}  // namespace sorvane
