// The surroundings the desktop program's tests and screenshot programs run
// in: the build's program folder with both engines loaded from it, the
// settings in a temporary folder of their own, and a private runtime folder
// for the single-instance channel.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <string>

#include "zentrok/GlobalSettings2.h"

namespace zentrok::testenv {

extern std::string ProgramDir;   // the build's program folder, trailing "/"
extern std::string EngineError;  // "" once both engines loaded

// Points the settings at a fresh temporary folder, removed when the program
// ends, and loads them: the defaults for a screen of the given size.
void UseTemporarySettings(TScreenSize screen);

// Sets ProgramDir (ZENTROK_BIN, else the current folder) and loads both
// engines from it with the shipped data. Returns EngineError, which is also
// written to stderr when not empty.
const std::string& LoadProgramEngines();

// Points XDG_RUNTIME_DIR, where the single-instance socket lives, at a
// private folder while the object exists.
class TRuntimeDir {
public:
  TRuntimeDir() : FOld(qgetenv("XDG_RUNTIME_DIR")) { qputenv("XDG_RUNTIME_DIR", FDir.path().toUtf8()); }
  ~TRuntimeDir() { qputenv("XDG_RUNTIME_DIR", FOld); }
  TRuntimeDir(const TRuntimeDir&) = delete;
  TRuntimeDir& operator=(const TRuntimeDir&) = delete;
  QString Path() const { return FDir.path(); }

private:
  QTemporaryDir FDir;
  QByteArray FOld;
};

}  // namespace zentrok::testenv
