#include "app/shell_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "data/archive/qda.h"

namespace sorvane::shell {

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

void panel(QPainter& p, QRectF r, bool lit) {
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
      "QComboBox QAbstractItemView { background: #262e3b; color: #e8e4d8; selection-background-color: #46536a; }"
      "QLabel { color: #e8e4d8; }"
      "QScrollBar:vertical { background: #1b212b; width: 12px; }"
      "QScrollBar::handle:vertical { background: #6a5a2a; min-height: 20px; border-radius: 4px; }"
      "QScrollBar:horizontal { background: #1b212b; height: 12px; }"
      "QScrollBar::handle:horizontal { background: #6a5a2a; min-width: 20px; border-radius: 4px; }"
      "QRadioButton, QCheckBox, QGroupBox { color: #e8e4d8; }"
      "QGroupBox { border: 1px solid #8a7440; border-radius: 5px; margin-top: 10px; padding-top: 6px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; color: #d8b45a; }"
      "QTextEdit { background: #1f2631; color: #e8e4d8; border: 1px solid #8a7440; }");
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
