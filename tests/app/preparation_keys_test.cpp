// The preparation page by keys: the arrows walk the circle board, Enter in the
// creature list places, Shift+Enter buys, Delete empties, Enter in the skill
// and ability lists learns and forgets, Enter presses a button, and Tab walks
// all of them. Each key does what its click does, questions and refusals included.
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "app/circle_board.h"
#include "app/preparation_page.h"
#include "campaign/preparation.h"
#include "shell_fixture.h"

namespace sorvane::testing {
namespace {

class PreparationKeys : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    shell->newGame(0, 0);  // 25 in circle 1, 92 in circle 2
    ASSERT_EQ(window->page(), Page::Preparation);
  }
  PreparationPage& prep() { return shell->preparation(); }
  Tdeta& d() { return *s().D; }
  static void press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(w, &up);
  }
  // Selects a circle by the board's arrows, starting from the master.
  void selectByKeys(const std::vector<int>& arrows) {
    press(&prep(), Qt::Key_Escape);  // back to the master
    for (int arrow : arrows) press(&prep().board(), arrow);
  }
  // Highlights the creature list's row of `type` (0: the header).
  void highlight(i32 type) {
    QListWidget* list = prep().creatureList();
    for (int row = 0; row < list->count(); ++row)
      if (list->item(row)->data(Qt::UserRole).toInt() == type) return list->setCurrentRow(row);
    FAIL() << "no row for type " << type;
  }
  // A type to place that sits in no circle: acquired now.
  i32 spareType() {
    constexpr i32 kSpare = 1;
    d().acquired[kSpare] = 1;
    prep().refreshAll();
    return kSpare;
  }
};

TEST_F(PreparationKeys, TheArrowsWalkTheBoardFromTheMaster) {
  struct Case {
    std::vector<int> arrows;
    int selected;
  };
  const Case cases[] = {
      {{Qt::Key_Up}, 1},
      {{Qt::Key_Down}, 4},
      {{Qt::Key_Left, Qt::Key_Down}, 5},
      {{Qt::Key_Up, Qt::Key_Left}, 6},
      {{Qt::Key_Right, Qt::Key_Right}, 2},  // nothing lies right of circle 2
      {{Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}, 0},
  };
  for (const Case& c : cases) {
    selectByKeys(c.arrows);
    EXPECT_EQ(prep().selectedSlot(), c.selected);
  }
  // Enter on the selected circle shows its large picture, as a second click does; Enter again closes it.
  selectByKeys({Qt::Key_Up});
  press(&prep().board(), Qt::Key_Return);
  EXPECT_TRUE(prep().board().pictureShown());
  press(&prep().board(), Qt::Key_Return);
  EXPECT_FALSE(prep().board().pictureShown());
  EXPECT_EQ(prep().selectedSlot(), 1);
}

TEST_F(PreparationKeys, TheCreatureListsKeysPlaceAndEmptyCircles) {
  const i32 spare = spareType();
  struct Case {
    const char* what;
    std::vector<int> toCircle;
    i32 highlighted;
    int key;
    int circle;
    i32 typeAfter;
  };
  const Case cases[] = {
      {"Enter places the highlighted creature", {Qt::Key_Right, Qt::Key_Down}, spare, Qt::Key_Return, 3, spare},
      {"the keypad's Enter does too", {Qt::Key_Down}, spare, Qt::Key_Enter, 4, spare},
      {"a creature in another circle stays there", {Qt::Key_Up}, 92, Qt::Key_Return, 1, 25},
      {"the header row empties the circle", {Qt::Key_Up}, 0, Qt::Key_Return, 1, 0},
      {"Delete empties the selected circle", {Qt::Key_Right}, spare, Qt::Key_Delete, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shell->newGame(0, 0);  // each case from the new game's party
    selectByKeys(c.toCircle);
    ASSERT_EQ(prep().selectedSlot(), c.circle);
    highlight(c.highlighted);
    press(prep().creatureList(), c.key);
    EXPECT_EQ(d().k[c.circle].Type, c.typeAfter);
  }
  // Delete on the board empties its selected circle as well, and the master is selected again.
  selectByKeys({Qt::Key_Up});
  press(&prep().board(), Qt::Key_Delete);
  EXPECT_EQ(d().k[1].Type, 0);
  EXPECT_EQ(prep().selectedSlot(), 0);
}

TEST_F(PreparationKeys, ShiftEnterBuysADefeatedCreatureForItsPrice) {
  constexpr i32 kDefeated = 2;
  const i32 price = prep::acquirePrice(d().creatures[kDefeated]);
  struct Case {
    i32 bp;
    bool bought;
    const char* told;
  };
  for (const Case c : {Case{price, true, "消費して["}, Case{price - 1, false, "]のBPが必要です。"}}) {
    SCOPED_TRACE(c.bp);
    d().defeated[kDefeated] = 1;
    d().acquired[kDefeated] = 0;
    session->campaign().BP = c.bp;
    prep().refreshAll();
    keeper.texts.clear();
    highlight(kDefeated);
    press(prep().creatureList(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(d().acquired[kDefeated] != 0, c.bought);
    EXPECT_EQ(session->campaign().BP, c.bought ? 0 : c.bp);
    EXPECT_TRUE(keeper.saw(QString::fromUtf8(c.told)));
  }
}

TEST_F(PreparationKeys, EnterInTheSkillAndAbilityListsLearnsAndForgets) {
  const Tcst& entry = d().creatures[std::size_t(d().k[0].Type)];
  session->campaign().BP = 500;
  prep().refreshAll();
  ASSERT_EQ(prep().shownEntry(), d().k[0].Type);
  auto firstRow = [](const auto& states, auto state) {
    for (std::size_t i = 0; i < states.size(); ++i)
      if (states[i] == state) return int(i);
    return -1;
  };

  const int unknown = firstRow(entry.SkL, byte{0});
  ASSERT_GE(unknown, 0);
  const i32 cost = d().skills[std::size_t(entry.Sk[std::size_t(unknown)])].Cost;
  prep().skillList()->setCurrentRow(unknown);
  press(prep().skillList(), Qt::Key_Return);
  EXPECT_EQ(entry.SkL[std::size_t(unknown)], 1);
  EXPECT_EQ(session->campaign().BP, 500 - cost);
  keeper.texts.clear();
  press(prep().skillList(), Qt::Key_Return);  // the keys stay on the row: Enter again forgets
  EXPECT_EQ(entry.SkL[std::size_t(unknown)], 0);
  EXPECT_EQ(session->campaign().BP, 500 - cost);  // forgetting returns no BP
  EXPECT_TRUE(keeper.saw(QStringLiteral("を忘れます。")));

  const int learnable = firstRow(entry.AbL, byte{2});
  ASSERT_GE(learnable, 0);
  const i32 before = session->campaign().BP;
  prep().abilityList()->setCurrentRow(learnable);
  press(prep().abilityList(), Qt::Key_Return);
  EXPECT_EQ(entry.AbL[std::size_t(learnable)], 1);
  EXPECT_EQ(session->campaign().BP, before - prep::kAbilityPrice);
  EXPECT_EQ(prep().abilityList()->currentRow(), learnable);
}

TEST_F(PreparationKeys, EnterPressesTheFocusedButton) {
  press(prep().button(QStringLiteral("進む")), Qt::Key_Return);
  EXPECT_EQ(window->page(), Page::Battle);
}

TEST_F(PreparationKeys, TabWalksTheBoardTheListsTheChoicesAndTheButtons) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  prep().board().setFocus();
  ASSERT_TRUE(prep().board().hasFocus());
  std::vector<QWidget*> visited;
  for (int step = 0; step < 20 && (visited.empty() || visited.back() != &prep().board()); ++step) {
    press(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  std::vector<QWidget*> expected = {prep().creatureList(), prep().skillList(), prep().abilityList(),
                                    prep().methodBox()};
  for (const char* caption :
       {"進む", "ﾌﾘｰﾊﾞﾄﾙ", "セーブ", "ロード", "戦歴", "編成セーブ", "編成ロード", "設定", "タイトル"})
    expected.push_back(prep().button(QString::fromUtf8(caption)));
  expected.push_back(&prep().board());
  EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace sorvane::testing
