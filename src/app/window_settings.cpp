#include "app/window_settings.h"

#include <algorithm>

namespace sorvane {

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
