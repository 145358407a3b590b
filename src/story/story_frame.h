// One picture of the story page as the player composes it; the window only
// paints it: backdrop (with its cross-fade), portraits, message window, texts.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace sorvane::story {

struct PortraitDraw {
  int character = -1;  // StoryCharacters() index
  int expression = 0;
  int slot = 0;     // 0..4
  int centreX = 0;  // the picture's centre column: x = centreX - width / 2, y = 0
  int alpha = 255;
  int dx = 0;  // slide offset while it comes in or goes out
};

struct StoryFrame {
  std::string backdrop = "haikei0";  // png.qda entry without ".png"
  std::string fadingFrom;            // during a cross-fade: drawn first, `backdrop` over it
  int backdropAlpha = 255;
  std::vector<PortraitDraw> portraits;  // in painting order
  int windowAlpha = 220;                // message window (lower in the backlog)
  std::string speaker;                  // UTF-8, as much as is visible
  std::array<std::string, 3> lines;
  bool more = false;   // "▼": the page waits for input
  bool log = false;    // "log": a page of the backlog
  bool blank = false;  // the scene is over: nothing to paint
};

// Where the page's pieces go on the 800 × 600 story page.
namespace layout {
inline constexpr int kSpeakerX = 50, kSpeakerY = 390;
inline constexpr int kLineX = 55;
inline constexpr std::array<int, 3> kLineY = {445, 490, 535};
inline constexpr int kMoreX = 715, kMoreY = 537;  // "▼"
inline constexpr int kLogX = 700, kLogY = 537;    // "log"
inline constexpr int kTextHeight = 33;
inline constexpr int portraitCentre(int slot) { return 120 + 140 * slot; }
}  // namespace layout

}  // namespace sorvane::story
