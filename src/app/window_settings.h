// The window's own choices: how large the 800 x 600 scene is drawn, how fast
// the battle animates, and what the battlefield marks. Kept here until the
// game's settings file takes them over.
#pragma once

#include <string>

#include "app/window_presenter.h"

namespace sorvane {

enum class SceneScale { One, Two, Fit };

struct WindowSettings {
  SceneScale scale = SceneScale::One;
  AnimationSpeed speed = AnimationSpeed::Normal;
  bool skipComputerAnimations = false;
  bool showSide = true, showSpent = true, showHpSp = true;
};

// "1", "2" or "fit"; false for anything else.
bool parseScale(const std::string& text, SceneScale& scale);
// The whole-number factor that draws 800 x 600 as large as fits `available`.
int fitFactor(int availableWidth, int availableHeight);

}  // namespace sorvane
