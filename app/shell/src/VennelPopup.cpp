// The main window's side of the office popup: captured text is translated
// into the popup's pane with the window's own Translate command.
#include <QTextCursor>

#include "zentrok/MSServers.h"
#include "zentrok/RichEditW.h"
#include "zentrok/Vennel.h"
#include "zentrok/WordForm.h"

namespace zentrok {

namespace {

// What a popup run changes, put back when the run ends however it ends:
// the output target, the start mode, the pane's selection display, and
// text still gathered for the pane.
class TPopupRunScope {
public:
  TPopupRunScope(TPaneTarget& target, TCustomRichEditW* pane)
      : FTarget(target), FPane(pane), FSavedTarget(TranslationTarget),
        FSavedMode(Settings.StartMode) {}
  ~TPopupRunScope() {
    if (FTarget.Gathering()) FTarget.Flush();
    FPane->SetHideSelection(false);
    TranslationTarget = FSavedTarget;
    Settings.StartMode = FSavedMode;
  }
  TPopupRunScope(const TPopupRunScope&) = delete;
  TPopupRunScope& operator=(const TPopupRunScope&) = delete;

private:
  TPaneTarget& FTarget;
  TCustomRichEditW* FPane;
  TOutputTarget* FSavedTarget;
  int32_t FSavedMode;
};

class TFlagScope {
public:
  explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }

private:
  bool& FFlag;
};

}  // namespace

void TVennel::SetOfficePopup(TWForm* form) {
  if (FPopupTarget && TranslationTarget == FPopupTarget.get()) TranslationTarget = &FMemo2Target;
  FOfficePopup = form;
  FPopupTarget = form ? std::make_unique<TPaneTarget>(form->Memo1()) : nullptr;
  if (form) form->RefreshCaptions();
}

void TVennel::PopupRefreshCaptions() {
  if (FOfficePopup) FOfficePopup->RefreshCaptions();
}

void TVennel::PopupHide() {
  if (FOfficePopup) FOfficePopup->HidePopup();
}

void TVennel::TranslateCaptured(TMSServers& sender) {
  if (!FOfficePopup || !FPopupTarget) return;
  if (FPopupRunning) {
    // A popup run is on the stack below (its message pumping brought this
    // change): stop it and run again with the newest text.
    FPopupAgain = true;
    if (FRunState == rsRunning) StartTranslation();
    return;
  }
  if (FRunState == rsRunning) {
    // A run of the main window is in progress: the request stops it.
    StartTranslation();
    return;
  }

  TFlagScope running(FPopupRunning);
  do {
    FPopupAgain = false;
    if (sender.Text.empty()) break;
    TCustomRichEditW* pane = FOfficePopup->Memo1();
    TPopupRunScope scope(*FPopupTarget, pane);
    SetCapturedText(sender.Text);
    TranslationTarget = FPopupTarget.get();
    // The captured text is translated in every start mode: the popup shows
    // the translation of what was selected, never of the source pane.
    Settings.StartMode = 1;
    pane->SetHideSelection(true);
    if (Settings.ClearTranslation) {
      pane->clear();
    } else if (!pane->document()->isEmpty()) {
      pane->Lines().Add(u"");  // the output starts on a new line
    }
    pane->moveCursor(QTextCursor::End);
    if (!Settings.MarkUntranslated) FPopupTarget->BeginGathering(sender.Text.size() * 2);
    StartTranslation();
  } while (FPopupAgain && FOfficePopup->Host() && FOfficePopup->Host()->isVisible());
}

}  // namespace zentrok
