#include "app/command_popup.h"

#include <algorithm>
#include <vector>

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

// Columns as the monospaced face shows them: a full-width character takes two.
int columnsOf(const QString& text) {
  int n = 0;
  for (QChar c : text) n += (c.unicode() >= 0x1100 && !(c.unicode() >= 0xff61 && c.unicode() <= 0xff9f)) ? 2 : 1;
  return n;
}

// The captions of one submenu laid out as a table: every tab-separated
// column padded to the widest entry's, so the numbers line up.
std::vector<QString> table(const std::vector<MenuEntry>& entries) {
  std::vector<QStringList> rows;
  std::vector<int> widths;
  for (const MenuEntry& e : entries) {
    QStringList cells = style::text(e.caption).split(QLatin1Char('\t'));
    for (QString& c : cells) c = c.trimmed();
    for (int i = 0; i < cells.size(); ++i) {
      if (static_cast<int>(widths.size()) <= i) widths.push_back(0);
      widths[i] = std::max(widths[i], columnsOf(cells[i]));
    }
    rows.push_back(cells);
  }
  std::vector<QString> out;
  for (const QStringList& cells : rows) {
    QString line;
    for (int i = 0; i < cells.size(); ++i) {
      line += cells[i];
      if (i + 1 < cells.size()) line += QString(widths[i] - columnsOf(cells[i]) + 2, QLatin1Char(' '));
    }
    out.push_back(line);
  }
  return out;
}

QAction* addEntry(QMenu* to, const MenuEntry& e, const QString& text, bool on) {
  QAction* a = to->addAction(elementIcon(e.icon), text);
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
  const std::vector<QString> skillRows = table(menu.skills);
  for (std::size_t i = 0; i < menu.skills.size(); ++i) {
    const MenuEntry& e = menu.skills[i];
    if (e.caption.empty()) continue;
    QAction* a = addEntry(skills, e, skillRows[i], menu.skillsEnabled);
    QObject::connect(a, &QAction::triggered, root, [&flow, slot = e.tag] { flow.chooseSkill(slot); });
  }

  if (menu.showSummon) {
    QMenu* creatures = root->addMenu(QStringLiteral("召喚"));
    creatures->setStyleSheet(root->styleSheet());
    creatures->setFont(style::monoFont(13));
    creatures->setEnabled(menu.summonEnabled);
    const std::vector<QString> rows = table(menu.creatures);
    for (std::size_t i = 0; i < menu.creatures.size(); ++i) {
      const MenuEntry& e = menu.creatures[i];
      QAction* a = addEntry(creatures, e, rows[i], menu.summonEnabled);
      QObject::connect(a, &QAction::triggered, root, [&flow, n = e.tag] { flow.chooseCreature(n); });
    }
  }

  if (menu.showSpecial) {
    QMenu* special = root->addMenu(QStringLiteral("特殊"));
    special->setStyleSheet(root->styleSheet());
    special->setFont(style::monoFont(13));
    special->setEnabled(menu.specialEnabled);
    QAction* a = addEntry(special, menu.special, table({menu.special}).front(), menu.specialEnabled);
    QObject::connect(a, &QAction::triggered, root, [&flow] { flow.chooseSpecial(); });
  }

  if (menu.showReturn) {
    QAction* back = root->addAction(QStringLiteral("帰還"));
    QObject::connect(back, &QAction::triggered, root, [&flow] { flow.chooseReturn(); });
  }
  return root;
}

}  // namespace sorvane
