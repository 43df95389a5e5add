// The global hot key on a real X server: the grab is taken, a synthesized
// key press reaches the handler whatever the lock keys, a combination held
// by another client is refused, and a released key is no longer taken.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>

#include "zentrok/HotKey.h"

using namespace zentrok;

namespace {

constexpr int kTranslate = 207;

bool HaveXdotool() { return !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(); }

void Key(const char* combo) {
  QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(combo)});
}

// Runs the event loop for ms milliseconds.
void Pump(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
}

class HotKeyTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!THotKeys::Available()) GTEST_SKIP() << "*** no X11 display: hot key tests skipped ***";
    if (!HaveXdotool()) GTEST_SKIP() << "*** xdotool missing: hot key tests skipped ***";
  }
};

TEST_F(HotKeyTest, CtrlInsertReachesTheHandlerWithAnyLockKeyState) {
  THotKeys keys;
  std::vector<int> got;
  keys.OnHotKey = [&](int id) { got.push_back(id); };
  ASSERT_TRUE(keys.Register(kTranslate, hkControl, ksInsert));
  EXPECT_TRUE(keys.Registered(kTranslate));
  // A second registration under the same identifier is refused.
  EXPECT_FALSE(keys.Register(kTranslate, hkControl, ksInsert));

  Key("ctrl+Insert");
  Pump(300);
  EXPECT_EQ(got, std::vector<int>{kTranslate});

  // Insert alone and other modifiers are not the hot key.
  Key("Insert");
  Key("shift+Insert");
  Key("ctrl+alt+Insert");
  Pump(300);
  EXPECT_EQ(got.size(), 1u);

  Key("Num_Lock");
  Key("ctrl+Insert");
  Key("Num_Lock");
  Key("Caps_Lock");
  Key("ctrl+Insert");
  Key("Caps_Lock");
  Pump(300);
  EXPECT_EQ(got, (std::vector<int>{kTranslate, kTranslate, kTranslate}));

  keys.Unregister(kTranslate);
  EXPECT_FALSE(keys.Registered(kTranslate));
  Key("ctrl+Insert");
  Pump(300);
  EXPECT_EQ(got.size(), 3u);
}

TEST_F(HotKeyTest, CombinationHeldByAnotherClientIsRefused) {
  // Another X client takes Alt+F4 on the root window first.
  xcb_connection_t* other = xcb_connect(nullptr, nullptr);
  ASSERT_FALSE(xcb_connection_has_error(other));
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
  THotKeys probe;
  ASSERT_TRUE(probe.Register(1, hkAlt, ksF4));  // learn that the key exists
  probe.Unregister(1);

  const xcb_setup_t* setup = xcb_get_setup(other);
  auto* map = xcb_get_keyboard_mapping_reply(
      other, xcb_get_keyboard_mapping(other, setup->min_keycode,
                                      static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
      nullptr);
  ASSERT_NE(map, nullptr);
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
  int per = map->keysyms_per_keycode;
  xcb_keycode_t f4 = 0;
  for (int k = 0; !f4 && k <= setup->max_keycode - setup->min_keycode; ++k)
    if (syms[k * per] == ksF4) f4 = static_cast<xcb_keycode_t>(setup->min_keycode + k);
  std::free(map);
  ASSERT_NE(f4, 0);
  xcb_void_cookie_t c = xcb_grab_key_checked(other, 1, root, hkAlt, f4, XCB_GRAB_MODE_ASYNC,
                                             XCB_GRAB_MODE_ASYNC);
  ASSERT_EQ(xcb_request_check(other, c), nullptr);

  THotKeys keys;
  EXPECT_FALSE(keys.Register(255, hkAlt, ksF4));
  EXPECT_FALSE(keys.Registered(255));
  // Another key is still free.
  EXPECT_TRUE(keys.Register(kTranslate, hkControl, ksInsert));

  xcb_disconnect(other);
  Pump(100);
  EXPECT_TRUE(keys.Register(255, hkAlt, ksF4));
}

TEST_F(HotKeyTest, ReleasedWhenDestroyed) {
  {
    THotKeys keys;
    ASSERT_TRUE(keys.Register(kTranslate, hkControl, ksInsert));
  }
  // A second owner can take the key at once.
  THotKeys again;
  EXPECT_TRUE(again.Register(kTranslate, hkControl, ksInsert));
}

}  // namespace

int main(int argc, char** argv) {
  // Without a display the tests skip instead of the platform aborting.
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
