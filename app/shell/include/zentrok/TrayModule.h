// TTrayModule: the program's place in the notification area and its hot
// keys.
//
// Tray set-up takes the system-wide hot key Ctrl+Insert (identifier 207:
// translate the selection in the office popup), adds the icon with the tip
// "Lunaret" and gives it TrayPopupMenu ("Выход", "Главное окно",
// "Отменить"), which opens on the right button only; a left or double click
// does nothing. The main window handles the hot key and the menu commands.
//
// Alt+F4 (identifier 255) ends the program only while one of its own
// windows has the focus: taken system-wide it would keep every other
// application from receiving the key.
//
// Where the desktop has no notification area the icon is not added and the
// main window's close box ends the program, so that it cannot become
// invisible. Where the hot key cannot be taken or the selection of other
// programs cannot be read, the main window's status bar says so once.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSystemTrayIcon;

namespace zentrok {

class THotKeys;
class TPopupMenuW;
class TVennel;
class TWForm;

class TTrayModule : public QObject {
public:
  static constexpr int hkTranslate = 207;
  static constexpr int hkExit = 255;
  // The icon's tip.
  static constexpr char Tip[] = "Lunaret";

  // popup may be null (no office popup: the hot key then only shows the
  // main window's state as a failed capture would).
  TTrayModule(TVennel& vennel, TWForm* popup);
  ~TTrayModule() override;

  // Hot keys, the window-local exit key, the icon and its menu; tells the
  // main window whether a tray icon exists and shows the one-time notice.
  void SetUp();
  // Deletes the icon (at a real exit).
  void RemoveTrayIcon();

  // Whether a notification area exists; replaceable for tests.
  std::function<bool()> TrayAvailable;
  // Whether the selection of other programs can be read; replaceable.
  std::function<bool()> SelectionAvailable;

  bool IconPresent() const;
  bool HotKeyPresent() const { return FHotKeyPresent; }
  QSystemTrayIcon* Icon() const { return FIcon; }
  TPopupMenuW* TrayPopupMenu() const { return FMenu; }
  THotKeys& HotKeys() { return *FHotKeys; }

private:
  void BuildMenu();

  TVennel& FVennel;
  TWForm* FPopup;
  std::unique_ptr<THotKeys> FHotKeys;
  QSystemTrayIcon* FIcon = nullptr;
  TPopupMenuW* FMenu = nullptr;
  bool FHotKeyPresent = false;
};

// The status-bar notice for a desktop without the hot key or without a
// readable selection (a multi-language caption, UTF-8 with caret
// notation); empty when both work.
const char* PlatformNotice(bool hotKey, bool selection);

}  // namespace zentrok
