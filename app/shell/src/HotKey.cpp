#include "zentrok/HotKey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace zentrok {

namespace {

constexpr uint32_t ksNumLock = 0xff7f;

xcb_connection_t* Connection() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (!app) return nullptr;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

}  // namespace

std::vector<uint8_t> KeyCodesOf(xcb_connection_t* c, uint32_t keysym) {
  std::vector<uint8_t> out;
  const xcb_setup_t* setup = xcb_get_setup(c);
  const int first = setup->min_keycode;
  const int count = setup->max_keycode - setup->min_keycode + 1;
  TReply<xcb_get_keyboard_mapping_reply_t> reply(
      xcb_get_keyboard_mapping_reply(
          c, xcb_get_keyboard_mapping(c, static_cast<xcb_keycode_t>(first), static_cast<uint8_t>(count)),
          nullptr),
      &std::free);
  if (!reply) return out;
  const int per = reply->keysyms_per_keycode;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
  const int n = xcb_get_keyboard_mapping_keysyms_length(reply.get());
  for (int k = 0; per > 0 && k < count; ++k) {
    for (int l = 0; l < per && k * per + l < n; ++l) {
      if (syms[k * per + l] == keysym) {
        out.push_back(static_cast<uint8_t>(first + k));
        break;
      }
    }
  }
  return out;
}

THotKeys::THotKeys(QObject* parent) : QObject(parent) {}

THotKeys::~THotKeys() {
  if (FFilterInstalled && QCoreApplication::instance())
    QCoreApplication::instance()->removeNativeEventFilter(this);
  for (const TGrab& g : FGrabs) Release(g);
  if (xcb_connection_t* c = Connection(); c && !FGrabs.empty()) xcb_flush(c);
}

bool THotKeys::Available() { return Connection() != nullptr; }

// The modifier bit of Num Lock (usually Mod2), found from the modifier map.
uint16_t THotKeys::LockMasks() {
  xcb_connection_t* c = Connection();
  uint16_t numLock = 0;
  std::vector<uint8_t> codes = KeyCodesOf(c, ksNumLock);
  TReply<xcb_get_modifier_mapping_reply_t> map(
      xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr), &std::free);
  if (map && !codes.empty()) {
    const int per = map->keycodes_per_modifier;
    const xcb_keycode_t* kc = xcb_get_modifier_mapping_keycodes(map.get());
    const int n = xcb_get_modifier_mapping_keycodes_length(map.get());
    for (int m = 0; m < 8 && !numLock; ++m)
      for (int i = 0; i < per && m * per + i < n; ++i)
        for (uint8_t code : codes)
          if (kc[m * per + i] == code) numLock = static_cast<uint16_t>(1u << m);
  }
  if (!numLock) numLock = XCB_MOD_MASK_2;
  return static_cast<uint16_t>(numLock | XCB_MOD_MASK_LOCK);
}

bool THotKeys::Register(int id, uint16_t modifiers, uint32_t keysym) {
  xcb_connection_t* c = Connection();
  if (!c || Registered(id)) return false;
  std::vector<uint8_t> codes = KeyCodesOf(c, keysym);
  if (codes.empty()) return false;
  const uint16_t locks = LockMasks();
  const uint16_t numLock = static_cast<uint16_t>(locks & ~XCB_MOD_MASK_LOCK);
  const uint16_t variants[] = {0, XCB_MOD_MASK_LOCK, numLock, locks};

  std::vector<TGrab> taken;
  bool ok = true;
  for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c)); ok && it.rem;
       xcb_screen_next(&it)) {
    for (uint8_t code : codes) {
      for (uint16_t v : variants) {
        TGrab g{id, it.data->root, code, static_cast<uint16_t>(modifiers | v)};
        xcb_void_cookie_t cookie = xcb_grab_key_checked(c, 1, g.Root, g.Modifiers, g.KeyCode,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* e = xcb_request_check(c, cookie)) {
          // BadAccess: another client holds this combination.
          std::free(e);
          ok = false;
          break;
        }
        taken.push_back(g);
      }
      if (!ok) break;
    }
  }
  if (!ok) {
    for (const TGrab& g : taken) Release(g);
    xcb_flush(c);
    return false;
  }
  FGrabs.insert(FGrabs.end(), taken.begin(), taken.end());
  xcb_flush(c);
  if (!FFilterInstalled) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    FFilterInstalled = true;
  }
  return true;
}

void THotKeys::Release(const TGrab& g) {
  if (xcb_connection_t* c = Connection()) xcb_ungrab_key(c, g.KeyCode, g.Root, g.Modifiers);
}

void THotKeys::Unregister(int id) {
  bool any = false;
  for (auto it = FGrabs.begin(); it != FGrabs.end();) {
    if (it->Id == id) {
      Release(*it);
      it = FGrabs.erase(it);
      any = true;
    } else {
      ++it;
    }
  }
  if (xcb_connection_t* c = Connection(); c && any) xcb_flush(c);
}

bool THotKeys::Registered(int id) const {
  for (const TGrab& g : FGrabs)
    if (g.Id == id) return true;
  return false;
}

bool THotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || FGrabs.empty()) return false;
  auto* ev = static_cast<xcb_generic_event_t*>(message);
  const uint8_t type = ev->response_type & 0x7f;
  if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
  auto* key = reinterpret_cast<xcb_key_press_event_t*>(ev);
  // The grabs list every lock-key variant: an exact match on the modifier
  // bits (mouse buttons left out) finds the hot key.
  const uint16_t state = key->state & 0x00ff;
  for (const TGrab& g : FGrabs) {
    if (g.Root != key->root || g.KeyCode != key->detail || g.Modifiers != state) continue;
    if (type == XCB_KEY_PRESS) {
      // The handler may pump events and open windows: run it from the
      // event loop, not from inside the native event dispatch.
      const int id = g.Id;
      QTimer::singleShot(0, this, [this, id] {
        if (OnHotKey) OnHotKey(id);
      });
    }
    return true;
  }
  return false;
}

}  // namespace zentrok
