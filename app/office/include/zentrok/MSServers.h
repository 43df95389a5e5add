// TMSServers: the text the user selected in another application.
//
// The desktop's current selection (the X11 primary selection) stands for
// the selection of a running word processor, spreadsheet or presentation:
// the application codes 1, 2 and 3 only say which kind of program the
// command asked for, and the text is read the same way for each. While
// connected (after a capture), every change of the selection is reported
// through OnText once it has settled, so that dragging a selection does
// not translate each intermediate state. A selection owned by this program
// itself (text selected in its own panes) is never captured: it reads as
// an empty selection. Changes are reported only while the owning popup is
// on screen (always, without a popup), and only when the text is new.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

class QClipboard;
class QMimeData;

namespace zentrok {

class TWForm;

// Raised where a capture cannot be made (no program owns a selection, the
// desktop has no readable selection). The command that led to the capture
// ends without a message to the user.
class ESilentAbort : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TMSServers : public QObject {
public:
  // Application codes.
  static constexpr uint8_t appNone = 0;
  static constexpr uint8_t appWord = 1;
  static constexpr uint8_t appExcel = 2;
  static constexpr uint8_t appPowerPoint = 3;

  // LastApp := none. The clipboard is the application's when not given.
  explicit TMSServers(TWForm* form, QClipboard* clipboard = nullptr);
  ~TMSServers() override;

  // Reads the current selection into Text and connects (live following).
  // Apps outside 1..3 give false at once. No selection owner raises
  // ESilentAbort; an empty selection gives true with an empty Text. With
  // notify, a non-empty Text is reported through OnText.
  bool CaptureSelection(uint8_t app, bool notify);

  // Puts the selection's text on the clipboard (for pasting into the
  // source pane); for app 1 the clipboard keeps rich content (HTML, RTF)
  // when the selection offers it. False (clipboard unchanged) for an empty
  // text or an app outside 1..3; no selection owner raises ESilentAbort.
  bool CopyContent(uint8_t app);

  // Stops following; LastApp := none, Text := empty.
  void DisconnectAll();
  bool Connected() const;

  // False where the desktop offers no readable selection (for example a
  // Wayland session without a primary selection).
  static bool SelectionAvailable();

  TWForm* Form = nullptr;
  std::function<void(TMSServers& sender)> OnText;
  std::u16string Text;
  uint8_t LastApp = appNone;
  // How long the selection must stay unchanged before it is reported, in
  // milliseconds. Long enough for a mouse drag to finish, short enough to
  // feel immediate.
  int SettleMs = 400;

private:
  // The selection changed: (re)starts the settle timer while connected.
  void SelectionChanged();
  // The selection has settled: reports it when it is foreign, not empty,
  // new, and the popup (when there is one) is on screen.
  void SelectionSettled();
  // The selection's text; raises ESilentAbort when no program owns it.
  std::u16string ReadSelection(const QMimeData** data = nullptr);

  QClipboard* FClipboard = nullptr;
  QTimer FSettle;
  bool FConnected = false;
};

}  // namespace zentrok
