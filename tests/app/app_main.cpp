// The window's tests need one application object for the whole run.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Listing and running the cases never needs a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Pages that find the game's data themselves (the story page) read the build's.
  if (qEnvironmentVariableIsEmpty("SORVANE_DATA_DIR")) qputenv("SORVANE_DATA_DIR", SORVANE_GAME_DIR);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
