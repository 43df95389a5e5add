// Test entry of the capture and popup tests: one QApplication on a real X
// display, the settings in a temporary folder, and (for the main-window
// tests) both engines loaded from the program folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "popup_x11.h"
#include "../src/PopupSettings.h"
#include "zentrok/MSServers.h"

#if POPUP_TEST_ENGINES
#include "popup_test_env.h"
#include "zentrok/EngineLoad.h"

namespace zentrok::testenv {
std::string ProgramDir;
std::string EngineError;
}  // namespace zentrok::testenv
#endif

namespace zentrok::testx {

bool HaveXclip() { return !QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty(); }

TForeignSelection::TForeignSelection(const QString& text, bool wait)
    : FProcess(std::make_unique<QProcess>()) {
  // -quiet keeps xclip in the foreground, so that it can be ended here.
  FProcess->start(QStringLiteral("xclip"),
                  {QStringLiteral("-selection"), QStringLiteral("primary"), QStringLiteral("-i"),
                   QStringLiteral("-quiet")});
  FProcess->waitForStarted(5000);
  FProcess->write(text.toUtf8());
  FProcess->closeWriteChannel();
  if (wait) WaitForSelection(text);
}

TForeignSelection::~TForeignSelection() { Drop(); }

void TForeignSelection::Drop() {
  if (FProcess->state() != QProcess::NotRunning) {
    FProcess->kill();
    FProcess->waitForFinished(5000);
  }
}

bool TForeignSelection::Running() const { return FProcess->state() == QProcess::Running; }

bool WaitForSelection(const QString& text, int timeoutMs) {
  QClipboard* c = QGuiApplication::clipboard();
  return QTest::qWaitFor([&] { return c->text(QClipboard::Selection) == text; }, timeoutMs);
}

bool WaitForNoSelection(int timeoutMs) {
  QClipboard* c = QGuiApplication::clipboard();
  return QTest::qWaitFor(
      [&] {
        const QMimeData* m = c->mimeData(QClipboard::Selection);
        return !m || m->formats().isEmpty();
      },
      timeoutMs);
}

}  // namespace zentrok::testx

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
  if (!zentrok::testx::HaveXclip()) {
    std::fprintf(stderr, "\n*** SKIPPED: xclip, the second X client of these tests, is missing\n\n");
    return 77;
  }
  if (!zentrok::TMSServers::SelectionAvailable()) {
    std::fprintf(stderr, "\n*** SKIPPED: this display has no primary selection\n\n");
    return 77;
  }
  QTemporaryDir settingsDir;
  zentrok::SetSettingsPlace(settingsDir.path().toStdString() + "/", {1280, 800});
  zentrok::LoadSettings();
#if POPUP_TEST_ENGINES
  const char* bin = std::getenv("ZENTROK_BIN");
  zentrok::testenv::ProgramDir = std::string(bin ? bin : ".") + "/";
  zentrok::testenv::EngineError = zentrok::LoadEngines(zentrok::testenv::ProgramDir);
  if (!zentrok::testenv::EngineError.empty())
    std::fprintf(stderr, "engines not loaded: %s\n", zentrok::testenv::EngineError.c_str());
#endif
  return RUN_ALL_TESTS();
}
