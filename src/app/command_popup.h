// The command menu as it pops up beside a unit: 移動, 技, 召喚, 特殊 and 帰還
// with their entries in columns, element icons, and the entries the rules do
// not allow greyed out. Choosing an entry goes to the command flow.
#pragma once

#include "app/command_menu.h"

class QMenu;
class QWidget;

namespace sorvane {

class BattleArt;
class CommandFlow;

QMenu* makeCommandPopup(const CommandMenu& menu, CommandFlow& flow, const BattleArt& art, QWidget* parent);

}  // namespace sorvane
