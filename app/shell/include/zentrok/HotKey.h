// THotKeys: system-wide hot keys of the running program.
//
// On an X11 display a hot key is a passive key grab on the root window: the
// key combination reaches this program whichever window has the focus, and
// no other application receives it. The grab is taken for the combination
// alone and with Caps Lock and Num Lock on, so that the state of the lock
// keys does not matter. Key presses arrive through Qt's native event filter
// and are handed to OnHotKey after the native event has been dealt with.
//
// Where there is no X11 display (offscreen, Wayland) no hot key can be
// taken: Available() is false and Register reports failure. A grab that
// another client already holds fails as well; the key then does nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

struct xcb_connection_t;

namespace zentrok {

// X key symbols of the keys the program takes.
inline constexpr uint32_t ksInsert = 0xff63;
inline constexpr uint32_t ksF4 = 0xffc1;

// X modifier masks.
inline constexpr uint16_t hkShift = 0x0001;
inline constexpr uint16_t hkControl = 0x0004;
inline constexpr uint16_t hkAlt = 0x0008;  // Mod1

// Every key code of the keyboard on connection c that produces keysym in
// some shift level; empty when the key is not on the keyboard.
std::vector<uint8_t> KeyCodesOf(xcb_connection_t* c, uint32_t keysym);

class THotKeys : public QObject, public QAbstractNativeEventFilter {
public:
  explicit THotKeys(QObject* parent = nullptr);
  // Releases every grab.
  ~THotKeys() override;

  // True when the program runs on an X11 display.
  static bool Available();

  // Grabs keysym with modifiers (hkControl ...) under identifier id on
  // every root window. False, with nothing left grabbed for id, when there
  // is no X11 display, the key is not on the keyboard, or another client
  // holds the combination.
  bool Register(int id, uint16_t modifiers, uint32_t keysym);
  // Releases the grabs of id.
  void Unregister(int id);
  bool Registered(int id) const;

  // Called with the identifier of a hot key that was pressed.
  std::function<void(int id)> OnHotKey;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
  struct TGrab {
    int Id;
    uint32_t Root;
    uint8_t KeyCode;
    uint16_t Modifiers;
  };
  void Release(const TGrab& g);
  uint16_t LockMasks();

  std::vector<TGrab> FGrabs;
  bool FFilterInstalled = false;
};

}  // namespace zentrok
