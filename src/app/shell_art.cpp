#include "app/shell_art.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTemporaryDir>

#include "data/archive/qda.h"
#include "data/game_dir.h"

namespace sorvane::shell {

namespace {

// The pictures the style sheet names, and the panels' two.
constexpr const char* kStyleSkins[] = {"button0.png", "button1.png", "button2.png", "button3.png", "button4.png",
                                       "button5.png", "well0.png",   "well1.png",   "frame.png",   "arrow.png"};
constexpr const char* kPanelSkins[] = {"panel0.png", "panel1.png"};

struct Skins {
  std::map<std::string, QImage> pictures;  // by entry name; only those that decoded
  // Style sheets read pictures by file name only, so the skins' files are
  // written once into a folder of this run's own, removed when the game ends.
  std::unique_ptr<QTemporaryDir> folder;
  bool styled = false;  // every skin of the style sheet is there and on disk

  const QImage* find(const std::string& name) const {
    const auto it = pictures.find(name);
    return it == pictures.end() ? nullptr : &it->second;
  }
};

Skins loadSkins(const std::string& gameDir) {
  Skins skins;
  skins.folder = std::make_unique<QTemporaryDir>();
  bool written = skins.folder->isValid();
  std::vector<const char*> names(std::begin(kStyleSkins), std::end(kStyleSkins));
  names.insert(names.end(), std::begin(kPanelSkins), std::end(kPanelSkins));
  for (const char* name : names) {
    try {
      const qda::Bytes bytes = qda::LoadEntry(gameDir + "png.qda", name);
      QImage image;
      if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()))) continue;
      skins.pictures[name] = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
      QFile file(skins.folder->filePath(QString::fromLatin1(name)));
      written = written && file.open(QIODevice::WriteOnly) &&
                file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
    } catch (const std::exception&) {
      // Missing: whatever wears this skin draws as it did without.
    }
  }
  const bool complete =
      std::all_of(std::begin(kStyleSkins), std::end(kStyleSkins), [&](const char* n) { return skins.find(n); });
  skins.styled = complete && written;
  return skins;
}

const Skins& skins() {
  static const Skins loaded = loadSkins(findGameDir());
  return loaded;
}

QString url(const char* name) {
  return QStringLiteral("url(%1)").arg(skins().folder->filePath(QString::fromLatin1(name)));
}

// "url(…) top right bottom left stretch" for a skin: its corners are a third of each side.
QString borderImage(const Skins& s, const char* name) {
  const QImage& skin = *s.find(name);
  const int across = skin.width() / 3, down = skin.height() / 3;
  return QStringLiteral("border-image: %1 %2 %3 %2 %3 stretch stretch; border-width: %2px %3px;")
      .arg(url(name))
      .arg(down)
      .arg(across);
}

// The focus rules carry a second pseudo-state, so they outrank a page's own
// "X:focus { border: … }" and its focus ring is drawn as the focus skin.
QString skinnedControls(const Skins& s) {
  const QString rest = borderImage(s, "button0.png"), hover = borderImage(s, "button1.png");
  const QString focus = borderImage(s, "button5.png");
  const QString well = borderImage(s, "well0.png"), wellFocus = borderImage(s, "well1.png");
  // The circle icons of the preparation page (the buttons that take a right
  // click) are slots for medallions: a plain sunken frame, so the page's own
  // ring round the selected one shows.
  const QString slot = QStringLiteral("QPushButton[contextMenuPolicy=\"CustomContextMenu\"]");
  const QStringList rules = {
      "QPushButton { color: #f0e6c8; padding: 0px; " + rest + " }",
      "QPushButton:hover { color: #fff6da; " + hover + " }",
      "QPushButton:focus:enabled { color: #fff6da; " + focus + " }",
      "QPushButton:pressed, QPushButton:pressed:focus { " + borderImage(s, "button2.png") + " }",
      "QPushButton:checked, QPushButton:checked:focus { color: #fff6da; " + borderImage(s, "button4.png") + " }",
      "QPushButton:disabled { color: #7a7a7a; " + borderImage(s, "button3.png") + " }",
      slot + " { border-image: none; border: 1px solid #8a7440; border-radius: 4px; background: #161c25; }",
      slot + ":hover { border-color: #f2d27a; }",
      slot + ":focus, " + slot + ":pressed, " + slot + ":pressed:focus { border-image: none; }",
      "QListWidget { background: #161c25; background-clip: padding; color: #e8e4d8;"
      " selection-background-color: #020080; outline: 0; " + well + " }",
      "QListWidget::item:selected { background: #020080; }",
      "QTextEdit { background: #161c25; background-clip: padding; color: #e8e4d8; " + well + " }",
      "QListWidget:focus:enabled, QTextEdit:focus:enabled { " + wellFocus + " }",
      "QComboBox { color: #f0e6c8; padding: 0px 2px; " + rest + " }",
      "QComboBox:hover, QComboBox:on { " + hover + " }",
      "QComboBox:focus:enabled { " + focus + " }",
      "QComboBox::drop-down { border: none; width: 14px; subcontrol-origin: padding;"
      " subcontrol-position: right center; }",
      "QComboBox::down-arrow { image: " + url("arrow.png") + "; }",
      "QGroupBox { margin-top: 10px; padding-top: 2px; " + borderImage(s, "frame.png") + " }",
  };
  return rules.join(QString());
}

// The same controls without their skins, as the pages looked before them.
QString plainControls() {
  return QStringLiteral(
      "QPushButton { color: #f0e6c8; border: 1px solid #b8954a; border-radius: 5px; padding: 2px 6px;"
      " background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #46536a, stop:1 #262e3b); }"
      "QPushButton:hover, QPushButton:focus { border-color: #f2d27a;"
      " background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #5c6c88, stop:1 #334059); }"
      "QPushButton:pressed { background: #1b212b; }"
      "QPushButton:disabled { color: #7a7a7a; border-color: #55504a; }"
      "QPushButton:checked { border-color: #f2d27a; background: #6a5a2a; }"
      "QListWidget { background: #1f2631; color: #e8e4d8; border: 1px solid #8a7440;"
      " selection-background-color: #020080; outline: 0; }"
      "QListWidget::item:selected { background: #020080; }"
      "QComboBox { color: #f0e6c8; background: #262e3b; border: 1px solid #b8954a; border-radius: 4px;"
      " padding: 1px 6px; }"
      "QTextEdit { background: #1f2631; color: #e8e4d8; border: 1px solid #8a7440; }"
      "QGroupBox { border: 1px solid #8a7440; border-radius: 5px; margin-top: 10px; padding-top: 6px; }");
}

}  // namespace

void outlinedText(QPainter& p, QPointF baseline, const QString& text, const QFont& font, QColor fill,
                  QColor outline, qreal outlineWidth) {
  QPainterPath path;
  path.addText(baseline, font, text);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void drawNineSlice(QPainter& p, const QRect& r, const QImage& skin) {
  // Corners shrink together when the target is smaller than two of them.
  const int cw = std::min(skin.width() / 3, r.width() / 2), ch = std::min(skin.height() / 3, r.height() / 2);
  const int sw = skin.width() / 3, sh = skin.height() / 3;
  const int xs[4] = {r.left(), r.left() + cw, r.right() + 1 - cw, r.right() + 1};
  const int ys[4] = {r.top(), r.top() + ch, r.bottom() + 1 - ch, r.bottom() + 1};
  const int sxs[4] = {0, sw, skin.width() - sw, skin.width()};
  const int sys[4] = {0, sh, skin.height() - sh, skin.height()};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const QRect to(xs[i], ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j]);
      if (to.isEmpty()) continue;
      p.drawImage(to, skin, QRect(sxs[i], sys[j], sxs[i + 1] - sxs[i], sys[j + 1] - sys[j]));
    }
}

void panel(QPainter& p, QRectF r, bool lit) {
  if (const QImage* skin = skins().find(kPanelSkins[lit ? 1 : 0])) {
    drawNineSlice(p, r.toAlignedRect(), *skin);
    return;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(r.topLeft(), r.bottomLeft());
  face.setColorAt(0, lit ? QColor(0x4a, 0x58, 0x70) : QColor(0x30, 0x3a, 0x4a));
  face.setColorAt(1, lit ? QColor(0x2c, 0x36, 0x48) : QColor(0x1e, 0x25, 0x30));
  p.setBrush(face);
  p.setPen(QPen(QColor(0xd8, 0xb4, 0x5a, lit ? 255 : 190), 1.5));
  p.drawRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), 6, 6);
  p.setPen(QPen(QColor(255, 255, 255, 28), 1));
  p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 4, 4);
  p.restore();
}

QString widgetStyle() {
  const Skins& s = skins();
  return (s.styled ? skinnedControls(s) : plainControls()) +
         QStringLiteral(
             "QComboBox QAbstractItemView { background: #262e3b; color: #e8e4d8; selection-background-color: #46536a; }"
             "QLabel { color: #e8e4d8; }"
             // Scroll bars: a bronze handle in a dark track, no arrow buttons.
             "QScrollBar:vertical { background: #12161d; width: 10px; margin: 0px; }"
             "QScrollBar:horizontal { background: #12161d; height: 10px; margin: 0px; }"
             "QScrollBar::handle { background: qlineargradient(x1:0,y1:0,x2:1,y2:1, stop:0 #8a7440, stop:1 #5a4a22);"
             " border: 1px solid #b8954a; border-radius: 4px; }"
             "QScrollBar::handle:vertical { min-height: 20px; }"
             "QScrollBar::handle:horizontal { min-width: 20px; }"
             "QScrollBar::handle:hover { border-color: #f2d27a; }"
             "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }"
             "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
             "QAbstractScrollArea::corner { background: #12161d; }"
             // Sliders: a sunken groove filled in bronze up to a gold knob.
             "QSlider::groove:horizontal { height: 6px; background: #12161d; border: 1px solid #8a7440;"
             " border-radius: 3px; }"
             "QSlider::sub-page:horizontal { background: #8a7440; border: 1px solid #b8954a; border-radius: 3px; }"
             "QSlider::handle:horizontal { width: 12px; margin: -5px 0px; border-radius: 6px;"
             " border: 1px solid #20202a;"
             " background: qradialgradient(cx:0.4, cy:0.35, radius:0.7, fx:0.4, fy:0.35,"
             " stop:0 #fff0c0, stop:1 #c89a3a); }"
             "QRadioButton, QCheckBox, QGroupBox { color: #e8e4d8; }"
             // Radio buttons: a sunken ring, a gold pearl in the one chosen, readable on the slate.
             "QRadioButton::indicator { width: 11px; height: 11px; border-radius: 7px; border: 2px solid #8a7440;"
             " background: #12161d; }"
             "QRadioButton::indicator:hover { border-color: #f2d27a; }"
             "QRadioButton::indicator:checked { border-color: #f2d27a;"
             " background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.4, fy:0.4,"
             " stop:0 #fff0c0, stop:0.55 #e0b050, stop:0.65 #12161d, stop:1 #12161d); }"
             "QGroupBox::title { subcontrol-origin: margin; left: 8px; color: #d8b45a; }");
}

QImage archivePicture(const std::string& gameDir, const std::string& archive, const std::string& entry) {
  try {
    const qda::Bytes bytes = qda::LoadEntry(gameDir + archive, entry);
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()))) return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace sorvane::shell
