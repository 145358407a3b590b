// Paints one picture of a story scene as the scene player describes it:
// background (cross-fading), busts (fading and sliding), the message window,
// the speaker and the three lines in outlined text, and the page marks.
#pragma once

#include "story/story_frame.h"

class QPainter;

namespace sorvane {

class StoryPictures;

class StoryPainter {
 public:
  explicit StoryPainter(const StoryPictures& pictures) : pictures_(pictures) {}

  // Paints the whole 800 x 600 page. A blank frame is the empty page: black
  // under an empty message window.
  void paint(QPainter& painter, const story::StoryFrame& frame) const;

 private:
  void paintBackdrop(QPainter& painter, const story::StoryFrame& frame) const;
  void paintPortraits(QPainter& painter, const story::StoryFrame& frame) const;
  void paintMessage(QPainter& painter, const story::StoryFrame& frame) const;

  const StoryPictures& pictures_;
};

}  // namespace sorvane
