// The global hot key on a real X server: the grab is taken, a synthesized
// key press reaches the handler whatever the lock keys, a combination held
// by another client is refused, and a released key is no longer taken.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

#include "zentrok/HotKey.h"
#include "zentrok/testsupport/XClients.h"

using namespace zentrok;
using namespace zentrok::testx;

namespace {

constexpr int kTranslate = 207;

class HotKeyTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!THotKeys::Available()) GTEST_SKIP() << "*** no X11 display: hot key tests skipped ***";
    if (!HaveProgram("xdotool")) GTEST_SKIP() << "*** xdotool missing: hot key tests skipped ***";
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
    for (const char* c : combos) PressKeys(c);
    PressKeys("ctrl+F4");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !got.empty() && got.back() == kMark; }));
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
    TOtherXClient other;
    ASSERT_TRUE(other.Ok());
    ASSERT_TRUE(other.Grab(hkAlt, ksF4));
    EXPECT_FALSE(keys.Register(255, hkAlt, ksF4));
    EXPECT_FALSE(keys.Registered(255));
    // Another key is still free.
    EXPECT_TRUE(keys.Register(kTranslate, hkControl, ksInsert));
  }
  // Once the other client has gone the key can be taken.
  EXPECT_TRUE(QTest::qWaitFor([&] { return keys.Register(255, hkAlt, ksF4); }));
}

TEST_F(HotKeyTest, ReleasedWhenUnregisteredOrDestroyed) {
  TOtherXClient other;
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

TEST_F(HotKeyTest, KeyCodesOfFindsOnlyKeysOnTheKeyboard) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  ASSERT_FALSE(xcb_connection_has_error(c));
  const xcb_setup_t* setup = xcb_get_setup(c);
  for (uint32_t keysym : {ksInsert, ksF4, uint32_t{'a'}, uint32_t{'A'}}) {
    std::vector<uint8_t> codes = KeyCodesOf(c, keysym);
    ASSERT_FALSE(codes.empty()) << keysym;
    for (uint8_t code : codes) {
      EXPECT_GE(code, setup->min_keycode);
      EXPECT_LE(code, setup->max_keycode);
    }
  }
  // 'A' is the shifted level of the key of 'a': the same key.
  EXPECT_EQ(KeyCodesOf(c, 'A').front(), KeyCodesOf(c, 'a').front());
  // A key symbol no keyboard has.
  EXPECT_TRUE(KeyCodesOf(c, 0x10ffff0).empty());
  xcb_disconnect(c);
}

}  // namespace

int main(int argc, char** argv) {
  // Without a display the tests skip instead of the platform aborting.
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
