// Feeds arbitrary UTF-16 documents through the markup parser, the samples
// and the layout of every paragraph, at a width taken from the input, then
// hit-tests, selects, copies and scrolls.
#include "zentrok/ViewerAlpha.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

// Fontconfig keeps every font pattern it resolves, for each face name the
// input invents, until the process ends: a cache, not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int width = data[0] * 2 - 40;  // narrow and negative widths too
  const int height = data[1] * 2;
  QString text;
  for (size_t i = 2; i + 1 < size; i += 2) text.append(QChar(char16_t(data[i] | data[i + 1] << 8)));

  static QFont font(QStringLiteral("DejaVu Sans"), 10);
  zentrok::TViewer viewer(font);
  viewer.SetArea(width, height);
  viewer.Load(text);
  const auto anchor = viewer.HitTest(10, 10);
  viewer.SetAnchor(anchor);
  viewer.SetCurrent(viewer.HitTest(width, height + 500));
  (void)viewer.SelectedText();
  (void)viewer.BookMarkAt(anchor);
  viewer.PageDown();
  viewer.LineDown();
  viewer.Bottom();
  viewer.PageUp();
  viewer.LineUp();
  viewer.SetArea(width / 2, height);
  viewer.Top();
  return 0;
}
