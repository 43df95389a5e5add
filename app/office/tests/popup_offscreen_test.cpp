// Where the desktop has no selection (here the offscreen platform, as on a
// Wayland session without one) capture is reported unavailable and every
// capture ends silently, with the popup left hidden.
#include <gtest/gtest.h>

#include <QApplication>

#include "zentrok/MSServers.h"
#include "zentrok/WordForm.h"

using namespace zentrok;

TEST(PopupWithoutSelection, CaptureIsUnavailableAndAbortsSilently) {
  EXPECT_FALSE(TMSServers::SelectionAvailable());  // no application yet
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "popup_offscreen_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  EXPECT_FALSE(TMSServers::SelectionAvailable());

  TWForm form;
  int reports = 0;
  form.SetTextHandler([&](TMSServers&) { ++reports; });
  EXPECT_FALSE(form.CaptureAndShow(0, true));
  EXPECT_THROW(form.CaptureAndShow(TMSServers::appWord, true), ESilentAbort);
  EXPECT_THROW(form.CopyContent(TMSServers::appExcel), ESilentAbort);
  EXPECT_FALSE(form.Host()->isVisible());
  EXPECT_FALSE(form.Servers().Connected());
  EXPECT_EQ(reports, 0);
}
