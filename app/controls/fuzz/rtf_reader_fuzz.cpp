// Feeds arbitrary bytes to the RTF reader: it must neither crash, nor read
// out of bounds, nor hang.
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "zentrok/RtfReader.h"

// Fontconfig keeps the patterns of the faces it resolves until the process
// ends (a cache, not a leak); the face names come from the input.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  QTextDocument doc;
  zentrok::ReadRtfDocument(doc, bytes);
  // Inserting into the middle of existing text takes the other path.
  QTextDocument into;
  into.setPlainText(QStringLiteral("ab\ncd"));
  QTextCursor cursor(&into);
  cursor.setPosition(1);
  zentrok::InsertRtf(cursor, bytes);
  return 0;
}
