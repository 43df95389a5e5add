// SofficeRun: one document conversion by a private, headless LibreOffice.
//
// Each run starts `soffice --headless` with its own profile folder, so it
// never meets a LibreOffice the user is running, converts one file with
// --convert-to into an output folder and waits for it to end. The program
// runs in a process group of its own; the whole group is killed when the
// run ends, whether it succeeded, failed or timed out, so no converter
// process outlives the call.
#pragma once

#include <functional>
#include <string>

namespace zentrok {

// The converter program: `program` when not empty, else the environment
// variable ZENTROK_SOFFICE when not empty, else `soffice` or `libreoffice` on
// PATH. A name without a slash is looked up on PATH. Returns the absolute
// path of an existing executable, or "" when there is none.
std::string FindSoffice(const std::string& program);

struct TSofficeConversion {
  std::string Program;     // absolute path of the converter (FindSoffice)
  std::string Input;       // the file to convert
  std::string Name;        // the document's name in messages; "" for the input's
  std::string ConvertTo;   // output filter: "rtf", "doc", "docx", or "ext:Filter name"
  std::string OutDir;      // folder that receives the result
  std::string ProfileDir;  // private profile folder (created by the program)
  int TimeoutMs = 120000;
  // Called once the converter process is running.
  std::function<void()> OnStarted;
};

// Runs the conversion and returns the path of the file it wrote: OutDir,
// the input's base name and the extension of ConvertTo. Raises ETrgError
// with the converter's exit status and messages when it cannot be started,
// crashes, fails, writes nothing, or does not end within TimeoutMs.
// While it waits, pending paint and timer events are processed (no user
// input), so a window stays drawn during a long conversion.
std::string RunSofficeConversion(const TSofficeConversion& job);

}  // namespace zentrok
