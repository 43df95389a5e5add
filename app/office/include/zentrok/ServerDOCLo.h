// TServerDOCLo: the office-document converter of the rich edit, working
// through a private headless LibreOffice (see SofficeRun.h).
//
// Loading converts the document (.doc, .docx, or anything else LibreOffice
// reads) to RTF in a temporary folder and hands that RTF to the rich edit as
// Content at stage 1. Saving takes the rich edit's RTF at stage 0, converts
// it to Word 97 (.doc) or, for a name ending in ".docx", Office Open XML,
// and moves the result over the target through a temporary file beside it,
// so a failed save leaves the old file as it was. The user's clipboard is
// never used.
//
// Stages, in order: load 2, 3, 5, 1, 6; save 0, 2, 3, 5, 4, 6. A failure
// raises an exception and reports no further stage: "LibreOffice was not
// found", "Cannot open file ..." for an unreadable document, or the
// converter's own message. Every temporary file, the private profile and
// the converter process are gone when a call returns, however it returns.
#pragma once

#include <string>

#include "zentrok/ServerDOC.h"

namespace zentrok {

class TServerDOCLo : public TServerDOC {
public:
  void LoadWordDocument(const std::string& fileName) override;
  void SaveWordDocument(const std::string& fileName) override;

  // The converter program; empty: ZENTROK_SOFFICE, then soffice or
  // libreoffice on PATH (FindSoffice).
  std::string Program;
  // How long one conversion may take; a fresh profile alone costs seconds.
  int TimeoutMs = 120000;

private:
  void Stage(int stage);
  std::string ProgramOrThrow() const;
};

}  // namespace zentrok
