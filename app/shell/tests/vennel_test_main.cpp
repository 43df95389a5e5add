// Test entry of the main-window tests: one QApplication (offscreen unless a
// platform is set), the settings in a temporary folder, and both engines
// loaded once from the program folder with the shipped data.
#include <gtest/gtest.h>

#include <QApplication>

#include "zentrok/testsupport/ProgramEnv.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  zentrok::testenv::UseTemporarySettings({1920, 1080});
  zentrok::testenv::LoadProgramEngines();
  return RUN_ALL_TESTS();
}
