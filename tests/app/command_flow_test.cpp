// The player's commands on the battlefield: the menu, picking a cell,
// confirming, stepping back, a refused pick, ending the phase.
#include <QAction>
#include <QMenu>

#include "app_fixture.h"

namespace sorvane::testing {
namespace {

using CommandFlowTest = AppFixture;

// The first cell of the move reach that is not the unit's own.
std::pair<int, int> reachableCell(const Battle& b, int ux, int uy) {
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y)
      if (!b.s.reachPath[x][y].empty() && (x != ux || y != uy) && b.s.unitAt[x][y] < 0) return {x, y};
  return {-1, -1};
}

std::pair<int, int> unreachableCell(const Battle& b) {
  for (int x = 0; x < kMapW; ++x)
    for (int y = 0; y < kMapH; ++y)
      if (b.s.reachPath[x][y].empty()) return {x, y};
  return {-1, -1};
}

TEST_F(CommandFlowTest, RightPressOnOwnUnitOpensItsMenuFromTheEngineQueries) {
  ASSERT_EQ(b().phaseTeam, 1);
  const auto [x, y] = cellOf(kPlayerMaster);
  flow().rightPress(x, y);
  EXPECT_EQ(b().pickMode, 3);
  EXPECT_EQ(b().s.selUnit, kPlayerMaster);
  QMenu* menu = page().openMenu();
  ASSERT_NE(menu, nullptr);
  QStringList captions;
  for (QAction* a : menu->actions()) captions << a->text();
  EXPECT_TRUE(captions.contains(QStringLiteral("移動")));
  EXPECT_TRUE(captions.contains(QStringLiteral("技")));
  EXPECT_TRUE(captions.contains(QStringLiteral("召喚")));
  EXPECT_FALSE(captions.contains(QStringLiteral("帰還")));  // a master does not return
  EXPECT_EQ(menu->actions().first()->isEnabled(), b().canMove(kPlayerMaster));
}

TEST_F(CommandFlowTest, MovePickConfirmAndStepBack) {
  const auto [ux, uy] = cellOf(kPlayerMaster);
  flow().openUnitMenu(kPlayerMaster);
  flow().chooseMove();
  EXPECT_EQ(b().pickMode, 1);
  EXPECT_EQ(b().pickCommand, 1);

  const auto [tx, ty] = reachableCell(b(), ux, uy);
  ASSERT_GE(tx, 0);
  flow().leftPress(tx, ty);
  EXPECT_EQ(b().pickMode, 2);
  EXPECT_TRUE(page().marks().framed);
  EXPECT_EQ(page().marks().confirmation, "BFmi");

  flow().rightPress(tx, ty);  // back to choosing the destination, same reach
  EXPECT_EQ(b().pickMode, 1);
  EXPECT_EQ(b().pickCommand, 1);
  EXPECT_FALSE(b().s.reachPath[tx][ty].empty());

  flow().leftPress(tx, ty);
  flow().leftPress(tx, ty);  // confirm: the move runs
  EXPECT_EQ(b().pickMode, 0);
  EXPECT_EQ(cellOf(kPlayerMaster), std::make_pair(tx, ty));
  EXPECT_TRUE(session->commands().canUndo());
}

TEST_F(CommandFlowTest, RefusedPickChangesNothing) {
  flow().openUnitMenu(kPlayerMaster);
  flow().chooseMove();
  const auto [x, y] = unreachableCell(b());
  ASSERT_GE(x, 0);
  const std::uint64_t before = hash();
  flow().leftPress(x, y);
  EXPECT_EQ(b().pickMode, 1);
  EXPECT_FALSE(page().marks().framed);
  EXPECT_EQ(hash(), before);

  flow().rightPress(x, y);  // cancel: idle again
  EXPECT_EQ(b().pickMode, 0);
  EXPECT_EQ(b().pickCommand, 0);
}

TEST_F(CommandFlowTest, RightPressOnOpponentShowsItsThreatRings) {
  int enemy = -1;
  for (int u = 0; u <= b().s.lastUnit; ++u)
    if (b().d.k[u].Team == 2 && b().d.k[u].State == OnField) enemy = u;
  ASSERT_GE(enemy, 0);
  const auto [x, y] = cellOf(enemy);
  flow().rightPress(x, y);
  EXPECT_EQ(b().pickMode, 1);
  EXPECT_EQ(b().pickCommand, 6);
  for (int i = 0; i < 20; ++i) flow().wheel(true);
  EXPECT_EQ(page().marks().pickIndex, 15);
  flow().rightPress(x, y);
  EXPECT_EQ(b().pickMode, 0);
}

TEST_F(CommandFlowTest, EndPhaseLetsTheComputerPlayAndHandsThePhaseBack) {
  const i32 turn = b().turn;
  page().endPhase();
  EXPECT_EQ(b().busy, 0);
  if (b().battleResult == Running) {
    EXPECT_EQ(b().phaseTeam, 1);
    EXPECT_EQ(b().turn, turn + 1);
  }
}

TEST_F(CommandFlowTest, UndoRestoresTheExactPosition) {
  const std::uint64_t before = hash();
  const auto [ux, uy] = cellOf(kPlayerMaster);
  flow().openUnitMenu(kPlayerMaster);
  flow().chooseMove();
  const auto [tx, ty] = reachableCell(b(), ux, uy);
  ASSERT_GE(tx, 0);
  flow().leftPress(tx, ty);
  flow().leftPress(tx, ty);
  ASSERT_NE(hash(), before);
  page().undo();
  EXPECT_EQ(hash(), before);
  EXPECT_FALSE(session->commands().canUndo());
}

}  // namespace
}  // namespace sorvane::testing
