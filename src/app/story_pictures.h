// The pictures of one story scene, read from png.qda when the scene opens:
// its backgrounds, the busts of the characters it declares (each face with
// the character's mask as its alpha) and the message window in the chosen
// frame colour. All are premultiplied ARGB, ready to be blended.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <QImage>

#include "story/script.h"

namespace sorvane {

// `colour` with the blue channel of `mask` as its alpha, premultiplied. The
// mask is read at the colour picture's rows and columns; where it is smaller,
// the picture is transparent.
QImage mergeAlpha(const QImage& colour, const QImage& mask);
// The smallest rectangle holding every pixel that is not fully clear.
QRect opaqueBounds(const QImage& picture);

class StoryPictures {
 public:
  static constexpr int kFrameColours = 5;  // 赤, 黄, 緑, 青, 灰

  explicit StoryPictures(std::string gameDir);

  // Reads everything `script` shows: the backgrounds its "#hai" lines name and,
  // of the characters its header declares, the faces its "#ci@" lines place.
  // A picture that cannot be read is left empty (the scene shows nothing
  // there) and named in problems().
  void openScene(const story::Script& script);
  // Builds the message window from "fa.png" and "f<colour>.png" (0..4; others read as 0).
  void setFrameColour(int colour);
  // Frees the scene's pictures (the message window stays).
  void release();

  // An empty picture when the scene did not name it or it could not be read.
  const QImage& backdrop(const std::string& name) const;
  const QImage& portrait(int character, int expression) const;
  // The message window, cut to its visible part, and where that part goes on the page.
  const QImage& textFrame() const { return textFrame_; }
  QPoint textFrameAt() const { return textFrameAt_.topLeft(); }
  int frameColour() const { return frameColour_; }

  // A picture from png.qda by entry name, premultiplied; empty when missing.
  QImage load(const std::string& entry);
  const std::vector<std::string>& problems() const { return problems_; }

 private:
  std::string dir_;
  std::map<std::string, QImage> backdrops_;
  std::map<int, std::vector<QImage>> faces_;  // by StoryCharacters() index
  QImage textFrame_;
  QRect textFrameAt_;
  int frameColour_ = -1;
  QImage empty_;
  std::vector<std::string> problems_;
};

}  // namespace sorvane
