// A game window on the offscreen platform, opened into story stage 0 with the
// animations off, for the window's tests.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "ai/auto_battle.h"
#include "app/battle_page.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "view/battle_art.h"

namespace sorvane::testing {

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    art = std::make_unique<BattleArt>(SORVANE_GAME_DIR);
    session = std::make_unique<GameSession>(SORVANE_GAME_DIR);
    settings.speed = AnimationSpeed::Instant;
    window = std::make_unique<MainWindow>(*session, *art, settings);
    session->setUpStage(0, 1);
    window->showPage(Page::Battle);
    ASSERT_TRUE(session->startBattle());
    page().refreshAll();
  }
  void TearDown() override {
    window.reset();
    session.reset();
  }

  Battle& b() { return session->battle(); }
  BattlePage& page() { return window->battlePage(); }
  CommandFlow& flow() { return page().flow(); }
  std::uint64_t hash() { return positionHash(b(), 0); }
  // The cell of unit u.
  std::pair<int, int> cellOf(int u) {
    int x = -1, y = -1;
    b().findCell(b().s.unitAt, u, x, y);
    return {x, y};
  }

  std::unique_ptr<BattleArt> art;
  std::unique_ptr<GameSession> session;
  WindowSettings settings;
  std::unique_ptr<MainWindow> window;
};

}  // namespace sorvane::testing
