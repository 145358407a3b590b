#include "app/command_popup.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "app/command_flow.h"
#include "view/battle_art.h"
#include "view/view_style.h"

namespace sorvane {

namespace {

const char* kMenuStyle =
    "QMenu { background: #262e3b; border: 1px solid #d8b45a; padding: 3px; }"
    "QMenu::item { color: #e8e4d8; padding: 3px 14px 3px 24px; }"
    "QMenu::item:selected { background: #46536a; color: #fff6d8; }"
    "QMenu::item:disabled { color: #68707c; }"
    "QMenu::separator { height: 1px; background: #3c4758; margin: 2px 6px; }";

// The element icon of an entry: a disc for special skills and creatures, a
// square for physical skills (icons 7..13).
QIcon elementIcon(int icon) {
  if (icon < 0) return {};
  QPixmap pm(14, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = style::element(icon % 7);
  p.setPen(QPen(c.darker(160), 1));
  p.setBrush(c);
  if (icon >= 7) p.drawRoundedRect(QRectF(1.5, 1.5, 11, 11), 2, 2);
  else p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
  return QIcon(pm);
}

// The columns of a caption: the game pads names to a fixed width in bytes of
// its text encoding, which a monospaced CJK face shows as a fixed width.
QString columns(const std::string& caption) {
  QString text = style::text(caption);
  text.replace(QLatin1Char('\t'), QStringLiteral("  "));
  return text;
}

QAction* addEntry(QMenu* to, const MenuEntry& e, bool on) {
  QAction* a = to->addAction(elementIcon(e.icon), columns(e.caption));
  a->setEnabled(on && e.enabled);
  return a;
}

}  // namespace

QMenu* makeCommandPopup(const CommandMenu& menu, CommandFlow& flow, const BattleArt&, QWidget* parent) {
  auto* root = new QMenu(parent);
  root->setStyleSheet(QString::fromLatin1(kMenuStyle));
  root->setFont(style::font(13));
  root->setAttribute(Qt::WA_DeleteOnClose, false);

  QAction* move = root->addAction(QStringLiteral("移動"));
  move->setEnabled(menu.moveEnabled);
  QObject::connect(move, &QAction::triggered, root, [&flow] { flow.chooseMove(); });

  QMenu* skills = root->addMenu(QStringLiteral("技"));
  skills->setStyleSheet(root->styleSheet());
  skills->setFont(style::monoFont(13));
  skills->setEnabled(menu.skillsEnabled);
  for (const MenuEntry& e : menu.skills) {
    if (e.caption.empty()) continue;
    QAction* a = addEntry(skills, e, menu.skillsEnabled);
    QObject::connect(a, &QAction::triggered, root, [&flow, slot = e.tag] { flow.chooseSkill(slot); });
  }

  if (menu.showSummon) {
    QMenu* creatures = root->addMenu(QStringLiteral("召喚"));
    creatures->setStyleSheet(root->styleSheet());
    creatures->setFont(style::monoFont(13));
    creatures->setEnabled(menu.summonEnabled);
    for (const MenuEntry& e : menu.creatures) {
      QAction* a = addEntry(creatures, e, menu.summonEnabled);
      QObject::connect(a, &QAction::triggered, root, [&flow, n = e.tag] { flow.chooseCreature(n); });
    }
  }

  if (menu.showSpecial) {
    QMenu* special = root->addMenu(QStringLiteral("特殊"));
    special->setStyleSheet(root->styleSheet());
    special->setFont(style::monoFont(13));
    special->setEnabled(menu.specialEnabled);
    QAction* a = addEntry(special, menu.special, menu.specialEnabled);
    QObject::connect(a, &QAction::triggered, root, [&flow] { flow.chooseSpecial(); });
  }

  if (menu.showReturn) {
    QAction* back = root->addAction(QStringLiteral("帰還"));
    QObject::connect(back, &QAction::triggered, root, [&flow] { flow.chooseReturn(); });
  }
  return root;
}

}  // namespace sorvane
