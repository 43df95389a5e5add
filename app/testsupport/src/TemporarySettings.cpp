#include <memory>

#include "zentrok/testsupport/ProgramEnv.h"

namespace zentrok::testenv {

std::string ProgramDir;
std::string EngineError;

void UseTemporarySettings(TScreenSize screen) {
  // Kept to the end of the program: the settings are saved until then.
  static std::unique_ptr<QTemporaryDir> folder;
  folder = std::make_unique<QTemporaryDir>();
  SetSettingsPlace(folder->path().toStdString() + "/", screen);
  LoadSettings();
}

}  // namespace zentrok::testenv
