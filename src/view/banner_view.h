// Banners across the battlefield view: phase changes, weather and element
// fields, the stage, the victory condition and the result, each in its colour.
#pragma once

#include <QColor>
#include <QString>

#include "rules/presentation.h"

class QPainter;

namespace sorvane {

struct BannerLabel {
  QString text;  // may hold a line break
  QColor colour;
};

// The text and colour of a banner; a text the game does not know keeps `previous`.
BannerLabel bannerLabel(const Banner& banner, i32 turn, i32 storyStage, QColor previous);
// The victory condition shown after "勝利条件" (1 names the player's master).
QString winConditionText(i32 winCondition, const QString& masterName);
inline constexpr int kConditionMs = 2500;

// Centred in a view `width` wide, its top at 185, with its shadow two pixels lower right.
void paintBannerLabel(QPainter& p, const BannerLabel& label, int width);
inline constexpr int kBannerPixels = 64;

}  // namespace sorvane
