#include "app/story_pictures.h"

#include <set>

#include "data/archive/qda.h"
#include "story/characters.h"
#include "story/cues.h"
#include "text/cp932.h"

namespace sorvane {

QImage mergeAlpha(const QImage& colour, const QImage& mask) {
  if (colour.isNull()) return {};
  const QImage rgb = colour.convertToFormat(QImage::Format_RGB32);
  const QImage alpha = mask.convertToFormat(QImage::Format_RGB32);
  QImage out(rgb.size(), QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    const auto* m = y < alpha.height() ? reinterpret_cast<const QRgb*>(alpha.constScanLine(y)) : nullptr;
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const int a = m && x < alpha.width() ? qBlue(m[x]) : 0;
      o[x] = qRgba(qRed(in[x]), qGreen(in[x]), qBlue(in[x]), a);
    }
  }
  return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QRect opaqueBounds(const QImage& picture) {
  QRect bounds;
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    int left = -1, right = -1;
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(row[x]) != 0) {
        if (left < 0) left = x;
        right = x;
      }
    if (left >= 0) bounds |= QRect(left, y, right - left + 1, 1);
  }
  return bounds;
}

StoryPictures::StoryPictures(std::string gameDir) : dir_(std::move(gameDir)) {}

QImage StoryPictures::load(const std::string& entry) {
  try {
    const qda::Bytes bytes = qda::LoadEntry(dir_ + "png.qda", entry);
    QImage image;
    // Opaque pictures (the backgrounds) stay opaque: they are copied, not blended.
    if (image.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
      return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
    problems_.push_back(entry + ": not a picture");
  } catch (const std::exception& e) {
    problems_.push_back(entry + ": " + e.what());
  }
  return {};
}

void StoryPictures::openScene(const story::Script& script) {
  release();
  // The skip command fades to the empty background, so every scene needs it.
  backdrops_[story::kEmptyBackdrop] = load(std::string(story::kEmptyBackdrop) + ".png");
  std::map<int, std::set<int>> shown;  // the expressions each character is placed with
  for (std::size_t i = 1; i < script.lines.size(); ++i) {
    const story::ScriptLine line = story::ParseLine(script.lines[i]);
    for (const story::Placement& p : line.placements) shown[p.character].insert(p.expression);
    if (line.command != story::Command::Backdrop) continue;
    std::string name;
    try {
      name = text::fromCp932(line.argument);
    } catch (const text::EncodingError&) {
      continue;  // no picture has such a name
    }
    if (!backdrops_.contains(name)) backdrops_[name] = load(name + ".png");
  }
  // Only the faces the scene shows are read: a bust takes 750 kB, and a
  // character declares up to six of them.
  const auto& characters = story::StoryCharacters();
  for (int c : script.header.characters) {
    if (c < 0 || c >= static_cast<int>(characters.size()) || faces_.contains(c)) continue;
    const std::string stem(characters[c].stem);
    std::vector<QImage>& faces = faces_[c];
    faces.resize(static_cast<std::size_t>(characters[c].expressions));
    const std::set<int>& expressions = shown[c];
    if (expressions.empty()) continue;
    const QImage mask = load(stem + "a.png");
    for (int e : expressions)
      if (e >= 0 && e < characters[c].expressions)
        faces[static_cast<std::size_t>(e)] = mergeAlpha(load(stem + std::to_string(e) + ".png"), mask);
  }
}

void StoryPictures::setFrameColour(int colour) {
  if (colour < 0 || colour >= kFrameColours) colour = 0;
  if (colour == frameColour_ && !textFrame_.isNull()) return;
  frameColour_ = colour;
  textFrame_ = mergeAlpha(load("f" + std::to_string(colour) + ".png"), load("fa.png"));
  // Only the window itself is blended each frame, not the clear page around it.
  textFrameAt_ = opaqueBounds(textFrame_);
  textFrame_ = textFrame_.copy(textFrameAt_);
}

void StoryPictures::release() {
  backdrops_.clear();
  faces_.clear();
  problems_.clear();
}

const QImage& StoryPictures::backdrop(const std::string& name) const {
  const auto it = backdrops_.find(name);
  return it == backdrops_.end() ? empty_ : it->second;
}

const QImage& StoryPictures::portrait(int character, int expression) const {
  const auto it = faces_.find(character);
  if (it == faces_.end() || expression < 0 || expression >= static_cast<int>(it->second.size())) return empty_;
  return it->second[static_cast<std::size_t>(expression)];
}

}  // namespace sorvane
