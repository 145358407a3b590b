#include "view/panel_text.h"

#include "view/view_style.h"

namespace sorvane {

QRect drawRun(QPainter& p, int x, int y, const QString& text, QColor colour) {
  const QFontMetrics fm(p.font());
  const QRect box(x, y, fm.horizontalAdvance(text), fm.height());
  p.setPen(colour);
  p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
  return box;
}

void paintPanelFace(QPainter& p, QRect r) {
  p.save();
  p.setPen(QPen(style::kPanelEdge, 1));
  p.setBrush(style::kPanel);
  p.drawRoundedRect(r.adjusted(0, 0, -1, -1), 4, 4);
  p.setPen(QPen(QColor(0xd8, 0xb4, 0x5a, 110), 1));
  p.drawLine(r.left() + 6, r.top() + 1, r.right() - 6, r.top() + 1);
  p.restore();
}

QString hintAt(const std::vector<HintRegion>& hints, QPoint pos) {
  for (const HintRegion& h : hints)
    if (h.rect.contains(pos)) return h.hint;
  return {};
}

}  // namespace sorvane
