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
#include <functional>
#include <memory>
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

// Runs the event loop until done() or ms milliseconds have passed.
bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

// The key code of keysym (first shift level) on connection c; 0 if none.
xcb_keycode_t KeyCodeOf(xcb_connection_t* c, uint32_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  auto* map = xcb_get_keyboard_mapping_reply(
      c, xcb_get_keyboard_mapping(c, setup->min_keycode,
                                  static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
      nullptr);
  if (!map) return 0;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
  xcb_keycode_t code = 0;
  for (int k = 0; !code && k <= setup->max_keycode - setup->min_keycode; ++k)
    if (syms[k * map->keysyms_per_keycode] == keysym) code = static_cast<xcb_keycode_t>(setup->min_keycode + k);
  std::free(map);
  return code;
}

// Another X client, to hold or try key combinations on the root window.
class OtherClient {
public:
  OtherClient() : FC(xcb_connect(nullptr, nullptr)) {}
  ~OtherClient() { xcb_disconnect(FC); }
  bool Ok() const { return !xcb_connection_has_error(FC); }
  // True when the grab was granted.
  bool Grab(uint16_t modifiers, uint32_t keysym) {
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(FC)).data->root;
    xcb_keycode_t code = KeyCodeOf(FC, keysym);
    if (!code) return false;
    xcb_generic_error_t* e = xcb_request_check(
        FC, xcb_grab_key_checked(FC, 1, root, modifiers, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::free(e);
    return e == nullptr;
  }

private:
  xcb_connection_t* FC;
};

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
  // A second key marks the end of each round: key events arrive in order.
  constexpr int kMark = 9;
  ASSERT_TRUE(keys.Register(kMark, hkControl, ksF4));
  auto round = [&](std::initializer_list<const char*> combos) {
    got.clear();
    for (const char* c : combos) Key(c);
    Key("ctrl+F4");
    EXPECT_TRUE(WaitFor([&] { return !got.empty() && got.back() == kMark; }));
    got.pop_back();
    return got;
  };

  EXPECT_EQ(round({"ctrl+Insert"}), std::vector<int>{kTranslate});
  // Insert alone and other modifiers are not the hot key.
  EXPECT_EQ(round({"Insert", "shift+Insert", "ctrl+alt+Insert"}), std::vector<int>{});
  EXPECT_EQ(round({"Num_Lock", "ctrl+Insert", "Num_Lock", "Caps_Lock", "ctrl+Insert", "Caps_Lock"}),
            (std::vector<int>{kTranslate, kTranslate}));

  keys.Unregister(kTranslate);
  EXPECT_FALSE(keys.Registered(kTranslate));
  EXPECT_EQ(round({"ctrl+Insert"}), std::vector<int>{});
}

TEST_F(HotKeyTest, CombinationHeldByAnotherClientIsRefused) {
  THotKeys keys;
  {
    OtherClient other;
    ASSERT_TRUE(other.Ok());
    ASSERT_TRUE(other.Grab(hkAlt, ksF4));
    EXPECT_FALSE(keys.Register(255, hkAlt, ksF4));
    EXPECT_FALSE(keys.Registered(255));
    // Another key is still free.
    EXPECT_TRUE(keys.Register(kTranslate, hkControl, ksInsert));
  }
  // Once the other client has gone the key can be taken.
  EXPECT_TRUE(WaitFor([&] { return keys.Register(255, hkAlt, ksF4); }));
}

TEST_F(HotKeyTest, ReleasedWhenUnregisteredOrDestroyed) {
  OtherClient other;
  ASSERT_TRUE(other.Ok());
  auto keys = std::make_unique<THotKeys>();
  ASSERT_TRUE(keys->Register(kTranslate, hkControl, ksInsert));
  ASSERT_TRUE(keys->Register(1, hkAlt, ksF4));
  EXPECT_FALSE(other.Grab(hkControl, ksInsert));
  EXPECT_FALSE(other.Grab(hkAlt, ksF4));
  keys->Unregister(1);
  EXPECT_TRUE(other.Grab(hkAlt, ksF4));
  EXPECT_FALSE(other.Grab(hkControl, ksInsert));
  keys.reset();
  EXPECT_TRUE(other.Grab(hkControl, ksInsert));
}

}  // namespace

int main(int argc, char** argv) {
  // Without a display the tests skip instead of the platform aborting.
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
