// Other X clients for tests on a real (virtual) X display: the helper
// programs xclip and xdotool, a client that owns the primary selection, and
// a client that grabs key combinations on the root window.
#pragma once

#include <QProcess>
#include <QString>
#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace zentrok::testx {

// True when program can be found on PATH.
bool HaveProgram(const char* program);

// Types a key combination such as "ctrl+Insert" with xdotool.
void PressKeys(const char* combo);

// True while some X client owns the primary selection, asked over a
// connection of its own.
bool PrimaryOwned();

// Waits, running the event loop, until this program reads text as the
// primary selection.
bool WaitForSelection(const QString& text, int timeoutMs = 5000);
// Waits, running the event loop, until no X client owns the primary
// selection.
bool WaitForNoSelection(int timeoutMs = 5000);

// Another X client (xclip) that owns the primary selection with a text
// until it is dropped or destroyed.
class TForeignSelection {
public:
  TForeignSelection();
  // Owns text at once; with wait, returns once this program reads it.
  explicit TForeignSelection(const QString& text, bool wait = true);
  ~TForeignSelection();
  TForeignSelection(const TForeignSelection&) = delete;
  TForeignSelection& operator=(const TForeignSelection&) = delete;

  // Ends a previous owner and owns text. With wait, true once the X server
  // names an owner and this program reads the text, false after timeoutMs.
  bool Own(const QString& text, bool wait = true, int timeoutMs = 10000);
  // Ends a previous owner and owns text; returns once the X server names
  // the new owner (false after timeoutMs), without running this program's
  // event loop: the program hears of the change only when its loop runs
  // next, together with any other changes made meanwhile.
  bool OwnUnheard(const QString& text, int timeoutMs = 10000);
  // Ends the owner, so that no program owns the selection.
  void Drop();
  bool Running() const;

private:
  // Starts xclip offering text.
  bool Start(const QString& text);

  std::unique_ptr<QProcess> FProcess;
};

// Another X connection, to hold key combinations on the root window.
class TOtherXClient {
public:
  TOtherXClient();
  ~TOtherXClient();
  TOtherXClient(const TOtherXClient&) = delete;
  TOtherXClient& operator=(const TOtherXClient&) = delete;

  bool Ok() const;
  // Grabs keysym with the X modifier mask; true when the server granted it.
  bool Grab(uint16_t modifiers, uint32_t keysym);

private:
  xcb_connection_t* FC;
};

}  // namespace zentrok::testx
