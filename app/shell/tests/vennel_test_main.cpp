// Test entry of the main-window tests: one QApplication (offscreen unless a
// platform is set), the settings in a temporary folder, and both engines
// loaded once from the program folder with the shipped data.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "vennel_test_env.h"
#include "zentrok/EngineLoad.h"
#include "zentrok/GlobalSettings2.h"

namespace zentrok::testenv {
std::string ProgramDir;
std::string EngineError;
std::string SettingsDir;
}  // namespace zentrok::testenv

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);

  const char* bin = std::getenv("ZENTROK_BIN");
  zentrok::testenv::ProgramDir = std::string(bin ? bin : ".") + "/";
  QTemporaryDir settingsDir;
  zentrok::testenv::SettingsDir = settingsDir.path().toStdString() + "/";
  zentrok::SetSettingsPlace(zentrok::testenv::SettingsDir, {1920, 1080});
  zentrok::LoadSettings();
  zentrok::testenv::EngineError = zentrok::LoadEngines(zentrok::testenv::ProgramDir);
  if (!zentrok::testenv::EngineError.empty())
    std::fprintf(stderr, "engines not loaded: %s\n", zentrok::testenv::EngineError.c_str());
  return RUN_ALL_TESTS();
}
