#include "zentrok/testsupport/XClients.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

#include "zentrok/HotKey.h"

namespace zentrok::testx {

bool HaveProgram(const char* program) {
  return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

void PressKeys(const char* combo) {
  QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(combo)});
}

bool PrimaryOwned() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  bool owned = false;
  if (!xcb_connection_has_error(c)) {
    auto* r = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, XCB_ATOM_PRIMARY), nullptr);
    owned = r && r->owner != XCB_NONE;
    std::free(r);
  }
  xcb_disconnect(c);
  return owned;
}

bool WaitForSelection(const QString& text, int timeoutMs) {
  QClipboard* c = QGuiApplication::clipboard();
  return QTest::qWaitFor([&] { return c->text(QClipboard::Selection) == text; }, timeoutMs);
}

bool WaitForNoSelection(int timeoutMs) {
  QClipboard* c = QGuiApplication::clipboard();
  return QTest::qWaitFor(
      [&] {
        const QMimeData* m = c->mimeData(QClipboard::Selection);
        return (!m || m->formats().isEmpty()) && !PrimaryOwned();
      },
      timeoutMs);
}

TForeignSelection::TForeignSelection() : FProcess(std::make_unique<QProcess>()) {}

TForeignSelection::TForeignSelection(const QString& text, bool wait) : TForeignSelection() {
  Own(text, wait, 5000);
}

TForeignSelection::~TForeignSelection() { Drop(); }

bool TForeignSelection::Start(const QString& text) {
  Drop();
  // -quiet keeps xclip in the foreground, so that it can be ended here.
  FProcess->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                            QStringLiteral("primary"), QStringLiteral("-i")});
  if (!FProcess->waitForStarted(5000)) return false;
  FProcess->write(text.toUtf8());
  FProcess->closeWriteChannel();
  return true;
}

bool TForeignSelection::OwnUnheard(const QString& text, int timeoutMs) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  auto owner = [c]() -> xcb_window_t {
    auto* r = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, XCB_ATOM_PRIMARY), nullptr);
    xcb_window_t w = r ? r->owner : XCB_NONE;
    std::free(r);
    return w;
  };
  bool owned = false;
  if (!xcb_connection_has_error(c)) {
    // The owner before is alive until xclip takes over, so the new owner's
    // window cannot carry the same id.
    const xcb_window_t before = owner();
    if (Start(text)) {
      // Writes the text and closes the pipe without the event loop too:
      // xclip takes the selection at the end of its input.
      if (!text.isEmpty()) FProcess->waitForBytesWritten(5000);
      QElapsedTimer clock;
      clock.start();
      for (;;) {
        const xcb_window_t now = owner();
        if ((owned = now != before && now != XCB_NONE) || clock.elapsed() >= timeoutMs) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    }
  }
  xcb_disconnect(c);
  return owned;
}

bool TForeignSelection::Own(const QString& text, bool wait, int timeoutMs) {
  if (!Start(text)) return false;
  if (!wait) return true;
  QClipboard* c = QGuiApplication::clipboard();
  // The owner is asked for last: an empty text reads the same with no owner.
  return QTest::qWaitFor([&] { return c->text(QClipboard::Selection) == text && PrimaryOwned(); },
                         timeoutMs);
}

void TForeignSelection::Drop() {
  if (FProcess->state() != QProcess::NotRunning) {
    FProcess->kill();
    FProcess->waitForFinished(5000);
  }
}

bool TForeignSelection::Running() const { return FProcess->state() == QProcess::Running; }

TOtherXClient::TOtherXClient() : FC(xcb_connect(nullptr, nullptr)) {}

TOtherXClient::~TOtherXClient() { xcb_disconnect(FC); }

bool TOtherXClient::Ok() const { return !xcb_connection_has_error(FC); }

bool TOtherXClient::Grab(uint16_t modifiers, uint32_t keysym) {
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(FC)).data->root;
  std::vector<uint8_t> codes = KeyCodesOf(FC, keysym);
  if (codes.empty()) return false;
  xcb_generic_error_t* e = xcb_request_check(
      FC, xcb_grab_key_checked(FC, 1, root, modifiers, codes.front(), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
  std::free(e);
  return e == nullptr;
}

}  // namespace zentrok::testx
