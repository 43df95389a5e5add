// Shared by the viewer tests: the one offscreen QApplication and a fixed font.
#pragma once

#include <QFont>

#include "zentrok/testsupport/TestApp.h"

namespace zentrok::test {

// A fixed canvas font, so that layouts do not depend on the desktop's.
inline QFont CanvasFont() {
  App();
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPointSize(10);
  return f;
}

}  // namespace zentrok::test
