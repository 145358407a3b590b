// The window's review path: `sorvane --scene N` plays one story scene on the
// story page and `sorvane --credits` the credits roll, and the program ends
// with them. With a screenshot file, the scene is clicked through (waiting
// for each page to be typed and each fade to finish) and the window's
// picture is taken once `pages` pages stand complete; the credits are
// pictured after a few seconds of rising.
#pragma once

#include <string>

namespace sorvane {

class MainWindow;

struct ReviewOptions {
  int scene = -1;
  bool credits = false;
  std::string screenshot;
  int pages = 3;
  int creditsShotMs = 9000;
};

// Starts from the event loop; the application quits when the review ends.
// `exitCode` becomes 1 when the screenshot could not be written.
void startReview(MainWindow& window, const ReviewOptions& options, int& exitCode);

}  // namespace sorvane
