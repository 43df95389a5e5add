// TWForm: the office popup window.
//
// A host window titled "Lunaret" (a topmost tool window at the stored
// popup place, never smaller than 400 x 100) holds a borderless form with
// one translation pane in a group box naming the target language, and the
// pane's context menu. The form owns the TMSServers that captures the
// selection; after a capture with Show it follows the selection, and each
// new selection is translated into the pane through the text handler.
#pragma once

#include <QWidget>

class QAction;
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "zentrok/MSServers.h"

namespace zentrok {

class TGroupBoxW;
class TPopupMenuW;
class TRichEditW;

class TWForm : public QWidget {
public:
  // Creates the hidden host window and the form (WFormCreate).
  TWForm();
  ~TWForm() override;

  // Hides the popup (disconnecting), captures the selection of app and,
  // when show is set and the text is not empty, shows the host at its
  // place and calls the text handler. ESilentAbort passes through.
  bool CaptureAndShow(uint8_t app, bool show);
  // Hides the form and the host and disconnects (HideForm); the place
  // and size are written to the settings file. Esc and the close box do
  // the same.
  void HidePopup();
  // Group box caption and menu captions from the settings' direction and
  // interface language.
  void RefreshCaptions();
  bool CopyContent(uint8_t app) { return FServers->CopyContent(app); }
  const std::u16string& CapturedText() const { return FServers->Text; }
  void SetTextHandler(std::function<void(TMSServers& sender)> handler);

  QWidget* Host() const { return FHost; }
  TRichEditW* Memo1() const { return FMemo1; }
  TGroupBoxW* GroupBoxW2() const { return FGroupBoxW2; }
  TPopupMenuW* PPM() const { return FPPM; }
  TMSServers& Servers() { return *FServers; }
  // A context menu item by name: "ppmUndo", "ppmCopy", "ppmPaste",
  // "ppmCut", "ppmDelete", "ppmClear", "ppmSelectAll".
  QAction* Item(const char* name) const;
  // Enables the context menu items for the pane's state (done whenever
  // the menu opens).
  void UpdateMenuItems();

  // The smallest popup size.
  static constexpr int MinWidth = 400;
  static constexpr int MinHeight = 100;

private:
  friend class TPopupHost;
  // Puts the host at the stored place and size, clamped onto the screen
  // that holds it and never below the smallest size.
  void PlaceHost();
  QAction* AddItem(const char* name, const char* caption, std::function<void()> action);

  QWidget* FHost = nullptr;
  TGroupBoxW* FGroupBoxW2 = nullptr;
  TRichEditW* FMemo1 = nullptr;
  TPopupMenuW* FPPM = nullptr;
  std::unique_ptr<TMSServers> FServers;
};

}  // namespace zentrok
