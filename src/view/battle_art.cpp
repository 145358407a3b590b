#include "view/battle_art.h"

#include "data/archive/qda.h"

namespace sorvane {

namespace {

constexpr const char* kConfirmations[] = {"BFmi", "BFms", "BFmw", "BFmx", "BFmsi", "BFmsx", "BFmh", "BFmhx", "BFmk"};

}  // namespace

BattleArt::BattleArt(std::string gameDir) : dir_(std::move(gameDir)) {
  for (int i = 0; i < kBitmapCount; ++i) bitmaps_[static_cast<std::size_t>(i)] = load("bmp.qda", std::to_string(i) + ".bmp");
  for (int t = 0; t < kTerrainCount; ++t) chips_[static_cast<std::size_t>(t)] = load("png.qda", "chip" + std::to_string(t) + ".png");
  for (int i = 0; i < static_cast<int>(miniChips_.size()); ++i)
    miniChips_[static_cast<std::size_t>(i)] = load("png.qda", "mini" + std::to_string(i) + ".png");
  for (const char* name : kConfirmations) confirmations_[name] = load("bmp.qda", std::string(name) + ".bmp");
}

QImage BattleArt::load(const std::string& archive, const std::string& entry) const {
  const qda::Bytes bytes = qda::LoadEntry(dir_ + archive, entry);
  QImage image;
  if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
    throw qda::EQDAError(entry + ": not a picture");
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage& BattleArt::bitmap(int i) const {
  return i >= 0 && i < kBitmapCount ? bitmaps_[static_cast<std::size_t>(i)] : empty_;
}

const QImage& BattleArt::chip(int terrain) const {
  return terrain >= 0 && terrain < kTerrainCount ? chips_[static_cast<std::size_t>(terrain)] : empty_;
}

const QImage& BattleArt::miniChip(int i) const {
  return i >= 0 && i < static_cast<int>(miniChips_.size()) ? miniChips_[static_cast<std::size_t>(i)] : empty_;
}

const QImage& BattleArt::confirmation(const std::string& name) const {
  auto it = confirmations_.find(name);
  return it == confirmations_.end() ? empty_ : it->second;
}

const QImage& BattleArt::circle(i32 summonMethod, i32 element) const {
  return bitmap((summonMethod <= 1 ? 130 : 137) + element);
}

QImage BattleArt::portrait(i32 picture) const {
  try {
    return load("png.qda", "s" + std::to_string(picture) + ".png");
  } catch (const std::exception&) {
    return {};  // a unit without a portrait shows an empty frame
  }
}

QImage BattleArt::terrainPicture(i32 terrain) const {
  try {
    return load("png.qda", "map" + std::to_string(terrain) + ".png");
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace sorvane
