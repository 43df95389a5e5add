// Shared by the viewer tests: one offscreen QApplication for the process.
#pragma once

#include <QApplication>

#include <cstdlib>

namespace zentrok::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "viewer_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new QApplication(argc, argv);
  }();
  return *app;
}

// A fixed canvas font, so that layouts do not depend on the desktop's.
inline QFont CanvasFont() {
  App();
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPointSize(10);
  return f;
}

}  // namespace zentrok::test
