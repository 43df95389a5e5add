// Test entry of the document-conversion tests: one QApplication on the
// offscreen platform, and a temporary folder of their own so that the tests
// can see what a conversion leaves behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string tmp = QDir::tempPath().toStdString() + "/zentrok-doc-tests-XXXXXX";
  if (!::mkdtemp(tmp.data())) return 2;
  qputenv("TMPDIR", QByteArray::fromStdString(tmp));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  int rc = RUN_ALL_TESTS();
  QDir(QString::fromStdString(tmp)).removeRecursively();
  return rc;
}
