#include "app/credits_roll.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "app/outlined_text.h"
#include "campaign/user_files.h"
#include "view/view_style.h"

namespace sorvane {
namespace {

constexpr int kPageWidth = 800, kPageHeight = 600;
constexpr int kTextWidth = 740;  // longer lines are set smaller
constexpr int kFadeBand = 90;    // lines fade in and out over this many pixels at the edges

struct KindLook {
  int pixels;
  QColor fill;
  double lineHeight;  // times the pixel size
};

KindLook lookOf(RollKind kind) {
  const QColor gold(0xf0, 0xd0, 0x80), white(0xff, 0xff, 0xff), pale(0xd8, 0xdc, 0xe8);
  switch (kind) {
    case RollKind::Title: return {60, gold, 1.6};
    case RollKind::Heading: return {32, gold, 1.55};
    case RollKind::Name: return {28, white, 1.5};
    case RollKind::Label: return {22, gold, 1.6};
    case RollKind::Text: return {22, white, 1.5};
    case RollKind::Link: return {18, pale, 1.6};
    case RollKind::Gap: return {28, white, 1.0};
  }
  return {28, white, 1.5};
}

// clang-format off
// The staff: a role, then who. An empty role leaves a gap.
const std::vector<std::pair<const char*, std::vector<const char*>>> kStaff = {
    {"制作",                 {"Sorvane 開発チーム"}},
    {"シナリオ",             {"Sorvane 開発チーム"}},
    {"チビキャラ",           {"シルエット　game-icons.net の作者たち", "彩色　sorvane-artgen"}},
    {"マスターキャラ",       {"線画　game-icons.net の作者たち", "彩色　sorvane-artgen"}},
    {"マップチップ",         {"sorvane-artgen"}},
    {"BGM",                  {"Sorvane 開発チーム"}},
    {"クリーチャー デザイン", {"Sorvane 開発チーム"}},
    {"ライブラリ",           {"Qt 6 (LGPL 3)", "SDL2 / SDL2_mixer (zlib License)", "libogg / libvorbis (BSD License)",
                              "FluidSynth (LGPL 2.1)", "libpng (PNG Reference Library License)", "zlib (zlib License)"}},
};
// clang-format on

RollKind kindOfFileLine(const QString& line) {
  const QString t = line.trimmed();
  if (t.isEmpty()) return RollKind::Gap;
  if (t.startsWith(QChar(0x2015)) || t.startsWith(QChar(0x2014)) || t.startsWith(QStringLiteral("--")))
    return RollKind::Heading;
  if (t.contains(QStringLiteral("://"))) return RollKind::Link;
  if (t.endsWith(QLatin1Char(':')) || t.endsWith(QChar(0xff1a))) return RollKind::Label;
  return RollKind::Text;
}

}  // namespace

std::vector<RollLine> creditsLines(std::string_view creditsFile) {
  std::vector<RollLine> out;
  const auto gap = [&] { out.push_back({RollKind::Gap, {}}); };
  out.push_back({RollKind::Title, QStringLiteral("Sorvane")});
  gap();
  out.push_back({RollKind::Heading, QStringLiteral("スタッフ")});
  gap();
  for (const auto& [role, names] : kStaff) {
    out.push_back({RollKind::Heading, QString::fromUtf8(role)});
    for (const char* name : names) out.push_back({RollKind::Name, QString::fromUtf8(name)});
    gap();
    gap();
  }
  std::vector<std::string> file = fileLines(creditsFile);
  // The file opens with the game's name, which the roll has shown already.
  if (!file.empty() && QString::fromUtf8(file.front()).trimmed() == QStringLiteral("Sorvane")) file.erase(file.begin());
  if (!file.empty()) {
    out.push_back({RollKind::Heading, QStringLiteral("素材")});
    gap();
  }
  bool lastGap = true;
  for (const std::string& raw : file) {
    const QString line = QString::fromUtf8(raw).trimmed();
    const RollKind kind = kindOfFileLine(line);
    if (kind == RollKind::Gap && lastGap) continue;  // one gap is enough
    if (kind == RollKind::Heading && !lastGap) gap();
    out.push_back({kind, line});
    lastGap = kind == RollKind::Gap;
  }
  for (int i = 0; i < 4; ++i) gap();
  out.push_back({RollKind::Title, QStringLiteral("おしまい")});
  return out;
}

CreditsRoll::CreditsRoll(std::vector<RollLine> lines, QImage backdrop) : backdrop_(std::move(backdrop)) {
  double top = 0;
  for (RollLine& line : lines) {
    const double h = std::round(lookOf(line.kind).pixels * lookOf(line.kind).lineHeight);
    placed_.push_back({std::move(line), top, h, {}});
    top += h;
  }
  height_ = top;
  // The roll starts below the page and stops with its last line in the middle.
  const double lastCentre = placed_.empty() ? 0 : placed_.back().top + placed_.back().height / 2;
  stopOffset_ = kPageHeight + lastCentre - kPageHeight / 2.0;
}

double CreditsRoll::offsetAt(qint64 ms) const {
  return std::min(stopOffset_, static_cast<double>(ms) * kPixelsPerSecond / 1000.0);
}

qint64 CreditsRoll::endMs() const {
  return static_cast<qint64>(std::ceil(stopOffset_ * 1000.0 / kPixelsPerSecond)) + kHoldMs;
}

void CreditsRoll::render(qreal pixelRatio) {
  renderedRatio_ = pixelRatio;
  for (Placed& p : placed_) {
    p.picture = {};
    if (p.line.kind == RollKind::Gap || p.line.text.isEmpty()) continue;
    const KindLook look = lookOf(p.line.kind);
    OutlinedStyle style;
    style.fill = look.fill;
    style.outline = QColor(40, 36, 48);
    style.outlineWidth = p.line.kind == RollKind::Title ? 2.2 : 1.4;
    int pixels = look.pixels;
    style.font = storyFont(pixels);
    while (pixels > 12 && QFontMetricsF(style.font).horizontalAdvance(p.line.text) > kTextWidth)
      style.font = storyFont(--pixels);
    const QFontMetricsF metrics(style.font);
    QImage picture(QSize(kPageWidth, static_cast<int>(p.height)) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const double x = (kPageWidth - metrics.horizontalAdvance(p.line.text)) / 2;
    const double y = (p.height - metrics.height()) / 2;
    drawOutlinedText(painter, QPointF(x, y), p.line.text, style);
    p.picture = std::move(picture);
  }
}

void CreditsRoll::paint(QPainter& painter, double offset) {
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  if (ratio != renderedRatio_) render(ratio);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.fillRect(QRect(0, 0, kPageWidth, kPageHeight), Qt::black);
  if (!backdrop_.isNull()) painter.drawImage(QPointF(0, 0), backdrop_);
  // A darker band behind the text keeps every line readable over the picture.
  QLinearGradient veil(QPointF(0, 0), QPointF(kPageWidth, 0));
  veil.setColorAt(0.0, QColor(0, 0, 0, 60));
  veil.setColorAt(0.5, QColor(0, 0, 0, 150));
  veil.setColorAt(1.0, QColor(0, 0, 0, 60));
  painter.fillRect(QRect(0, 0, kPageWidth, kPageHeight), veil);
  for (const Placed& p : placed_) {
    if (p.picture.isNull()) continue;
    const double y = kPageHeight + p.top - offset;
    if (y + p.height < 0 || y > kPageHeight) continue;
    const double centre = y + p.height / 2;
    const double edge = std::min(centre, kPageHeight - centre);
    painter.setOpacity(std::clamp(edge / kFadeBand, 0.0, 1.0));
    painter.drawImage(QPointF(0, y), p.picture);
  }
  painter.setOpacity(1.0);
  painter.restore();
}

}  // namespace sorvane
