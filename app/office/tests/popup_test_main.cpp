// Test entry of the capture and popup tests: one QApplication on a real X
// display, the settings in a temporary folder, and (for the main-window
// tests) both engines loaded from the program folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <cstdio>
#include <string>

#include "zentrok/MSServers.h"
#include "zentrok/testsupport/ProgramEnv.h"
#include "zentrok/testsupport/XClients.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "\n*** SKIPPED: the selection tests need an X display (run under xvfb-run)\n\n");
    return 77;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  if (argc == 4 && std::string(argv[1]) == "--own-selection") {
    // A second X client that offers a selection as HTML and plain text.
    QApplication owner(argc, argv);
    auto* data = new QMimeData;
    data->setHtml(QString::fromUtf8(argv[2]));
    data->setText(QString::fromUtf8(argv[3]));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Selection);
    return owner.exec();
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (!zentrok::testx::HaveProgram("xclip")) {
    std::fprintf(stderr, "\n*** SKIPPED: xclip, the second X client of these tests, is missing\n\n");
    return 77;
  }
  if (!zentrok::TMSServers::SelectionAvailable()) {
    std::fprintf(stderr, "\n*** SKIPPED: this display has no primary selection\n\n");
    return 77;
  }
  zentrok::testenv::UseTemporarySettings({1280, 800});
#if POPUP_TEST_ENGINES
  zentrok::testenv::LoadProgramEngines();
#endif
  return RUN_ALL_TESTS();
}
