// The program's start: the start number of the command line, the start
// command it stands for, and the program folder. Qt-free.
#pragma once

#include <cstdint>
#include <string>

namespace zentrok {

// The start number of the first command-line argument: optional blanks, an
// optional sign, then the leading decimal digits ("3x" gives 3, "x" and an
// absent argument 0). Values beyond int32 saturate.
int32_t StartNumber(const char* arg);

// What a start number asks of the running copy: the office application
// (1 Word, 2 Excel, 3 PowerPoint, 0 none) and the action (1 translate its
// selection in the popup, 2 take its text into the source pane, 3 copy its
// content with formatting).
struct TStartCommand {
  uint8_t Application = 0;
  int32_t Action = 2;
  bool operator==(const TStartCommand&) const = default;
};

// The start command of N; numbers outside 1..8 ask for (none, 2), which
// only brings the running main window to the front.
TStartCommand StartCommandOf(int32_t n);

// True when a first copy started with N sends N's command to itself once
// the message loop runs (1, 2, 3, 4, 7 and 8).
bool StartCommandToSelf(int32_t n);

// The folder of the running program file with a trailing "/" (UTF-8).
std::string ProgramFolder();

}  // namespace zentrok
