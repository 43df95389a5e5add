// The main window's office commands: start commands from a later copy or
// the own start number, the hot key, the tray menu, and the text taken
// from other programs into the source pane.
#include <QCoreApplication>

#include "zentrok/MSServers.h"
#include "zentrok/RichEditW.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/TrayModule.h"
#include "zentrok/Vennel.h"
#include "zentrok/VennelTexts.h"
#include "zentrok/WordForm.h"

namespace zentrok {

void TVennel::HandleStartCommand(uint8_t application, int32_t action) {
  // A capture that cannot be made (no program owns a selection) ends the
  // command without a message, with what was done until then kept.
  try {
    switch (action) {
      case 1:
        TranslateInPopup(application);
        break;
      case 2:
        TakeOfficeText(application);
        ShowMode(0);
        break;
      case 3:
        PasteOfficeContent(application);
        ShowMode(0);
        break;
      default:
        break;
    }
  } catch (const ESilentAbort&) {
  }
}

void TVennel::TranslateInPopup(uint8_t application) {
  Settings.StartMode = 1;
  const bool shown = FOfficePopup && FOfficePopup->CaptureAndShow(application, true);
  ShowMode(shown ? 1 : 0);
}

bool TVennel::TakeOfficeText(uint8_t application) {
  if (!FOfficePopup || !FOfficePopup->CaptureAndShow(application, false)) return false;
  PrepareForContent();
  FMemo1->SetText(FOfficePopup->CapturedText());
  FMemo2->clear();
  raise();
  activateWindow();
  return true;
}

bool TVennel::PasteOfficeContent(uint8_t application) {
  const bool pasted = FOfficePopup && FOfficePopup->CopyContent(application);
  if (pasted) {
    PrepareForContent();
    FMemo1->clear();
    FMemo1->PasteFromClipboard();
    FMemo1->SetSelStart(0);
    FMemo1->SetSelLength(0);
    FMemo2->clear();
  }
  // Brought to the front at its place and size, with or without content;
  // not kept above every other window afterwards.
  showNormal();
  raise();
  activateWindow();
  return pasted;
}

// A window that has never been shown empties its panes when it first
// shows: that happens now, before content arrives (a program started with
// a start number that takes text begins hidden).
void TVennel::PrepareForContent() {
  if (!FActivated) FirstActivation();
}

void TVennel::HotKeyPressed(int id) {
  if (id == TTrayModule::hkTranslate) {
    try {
      TranslateInPopup(TMSServers::appWord);
    } catch (const ESilentAbort&) {
    }
  } else if (id == TTrayModule::hkExit) {
    Exit();
  }
}

void TVennel::TrayPopupMenu_GeneralClick() {
  ShowMode(0);
  // With no application nothing is captured: the window only comes back.
  try {
    TakeOfficeText(TMSServers::appNone);
  } catch (const ESilentAbort&) {
  }
}

void TVennel::ShowNotice(const char* caption) {
  FSB2->SetPanelText(2, CapVariant(caption, Lang()));
}

}  // namespace zentrok
