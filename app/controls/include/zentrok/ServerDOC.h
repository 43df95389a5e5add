// TServerDOC: what the rich edit needs of an office-document converter.
//
// The rich edit owns one converter and calls LoadWordDocument or
// SaveWordDocument for document formats 4 and 5. The converter reports its
// stages through OnStage; at stage 0 (save) the rich edit puts its whole
// content into Content, at stage 1 (load) it inserts Content at its caret.
// Content stands where a clipboard would be, so the user's clipboard is
// never touched by a conversion. Stages 2 to 6 are progress reports that
// the rich edit forwards to its owner.
#pragma once

#include <QMimeData>
#include <functional>
#include <string>

namespace zentrok {

class TServerDOC {
public:
  // Stage numbers of a conversion.
  enum TStage : int {
    stCopyContent = 0,   // save: the owner fills Content
    stPasteContent = 1,  // load: the owner inserts Content
    stStarting = 2,
    stStarted = 3,
    stPasted = 4,
    stOpened = 5,
    stQuitting = 6,
  };
  using TStageEvent = std::function<void(TServerDOC& sender, int stage)>;

  virtual ~TServerDOC() = default;

  // Opens the file and delivers its content at stage 1. Does nothing when
  // OnStage is unset. Failures are exceptions.
  virtual void LoadWordDocument(const std::string& fileName) = 0;
  // Takes the content at stage 0 and writes it under the file name (the
  // stored FileName when empty). Does nothing when OnStage is unset.
  virtual void SaveWordDocument(const std::string& fileName) = 0;

  std::string FileName;
  TStageEvent OnStage;
  // The formatted content moving in or out: rich text ("text/rtf"), HTML
  // and plain text as available.
  QMimeData Content;
};

}  // namespace zentrok
