// The battle page's creature list follows the player's settings: the marks
// over its portraits (KLh, KLs) from the settings dialog at once, mid-battle
// too, and the tab it opens on (KLts), which it keeps for the next start.
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/preparation_page.h"
#include "app/settings_dialog.h"
#include "app_fixture.h"
#include "campaign/settings.h"
#include "shell_fixture.h"
#include "view/creature_list.h"

namespace sorvane::testing {
namespace {

using BattleListMarks = AppFixture;

TEST_F(BattleListMarks, HpSpBarsAndSpentMarksFollowTheSettings) {
  ASSERT_EQ(b().phaseTeam, 1);
  constexpr int kOwnMaster = 0, kOwnCreature = 1, kEnemyMaster = 16;
  ASSERT_EQ(b().d.k[kEnemyMaster].State, OnField);
  ASSERT_NE(b().d.k[kOwnCreature].State, OnField);  // still in hand: no bars to show
  struct Case {
    bool hpSp, acted;
  };
  for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
    SCOPED_TRACE(::testing::Message() << "KLh=" << c.hpSp << " KLs=" << c.acted);
    Settings& s = session->campaign().settings;
    s.listShowHpSp = c.hpSp;
    s.listMarkActed = c.acted;
    window->applySettings();
    const CreatureList& list = page().creatureList();
    EXPECT_EQ(list.showsBars(kOwnMaster), c.hpSp);
    EXPECT_EQ(list.showsBars(kEnemyMaster), c.hpSp);
    EXPECT_FALSE(list.showsBars(kOwnCreature));
    EXPECT_EQ(list.marksSpent(kOwnMaster), c.acted);
    EXPECT_FALSE(list.marksSpent(kEnemyMaster));  // only the side whose phase it is
    // The battlefield keeps its own switches.
    EXPECT_TRUE(page().marks().showHpSp);
  }
}

using BattleListSettings = ShellFixture;

// Clicks "表示する" in the settings dialog's boxes titled `titles`, then OK.
void chooseShownIn(const QStringList& titles) {
  auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
  ASSERT_NE(dialog, nullptr);
  for (const QString& title : titles) {
    QRadioButton* shown = nullptr;
    for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
      if (box->title() == title)
        for (QRadioButton* r : box->findChildren<QRadioButton*>())
          if (r->text() == QStringLiteral("表示する")) shown = r;
    ASSERT_NE(shown, nullptr) << title.toStdString();
    shown->click();
  }
  dialog->accept();
}

TEST_F(BattleListSettings, TheDialogChangesTheListMarksInTheMiddleOfABattle) {
  shell->newGame(0, 0);
  shell->preparation().button(QStringLiteral("進む"))->click();
  ASSERT_EQ(window->page(), Page::Battle);
  const CreatureList& list = window->battlePage().creatureList();
  ASSERT_FALSE(list.showsBars(0));
  ASSERT_FALSE(list.marksSpent(0));

  QTimer::singleShot(50, [] {
    chooseShownIn({QStringLiteral("キャラリストのHPSP"), QStringLiteral("キャラリストの行動済み")});
  });
  shell->openSettings();
  EXPECT_TRUE(list.showsBars(0));
  EXPECT_TRUE(list.marksSpent(0));
  EXPECT_TRUE(session->campaign().settings.listShowHpSp);
}

TEST_F(BattleListSettings, TheListOpensOnTheStoredTabAndKeepsThePlayersChoice) {
  Settings stored;
  stored.listTab = 2;
  saveSettings(folders.configFile, stored);
  open();
  BattlePage* battle = &window->battlePage();
  EXPECT_EQ(battle->creatureList().listMode(), 2);
  EXPECT_TRUE(battle->listTabButton(2)->isChecked());

  battle->listTabButton(1)->click();
  EXPECT_EQ(battle->creatureList().listMode(), 1);
  EXPECT_EQ(session->campaign().settings.listTab, 1);
  shell->shutDown();
  EXPECT_EQ(loadSettings(folders.configFile).settings.listTab, 1);

  open();
  battle = &window->battlePage();
  EXPECT_EQ(battle->creatureList().listMode(), 1);
  EXPECT_TRUE(battle->listTabButton(1)->isChecked());
  EXPECT_FALSE(battle->listTabButton(0)->isChecked());
}

}  // namespace
}  // namespace sorvane::testing
