// One QApplication for a test program that has no main of its own, created
// on first use on the offscreen platform unless the caller chose another.
#pragma once

#include <QApplication>
#include <cstdlib>

namespace zentrok::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "zentrok-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace zentrok::test
