#include "zentrok/MSServers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdlib>
#include <cstring>

#include "zentrok/WordForm.h"

#if ZENTROK_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace zentrok {

namespace {

#if ZENTROK_HAVE_XCB
enum TXOwner { xoNoX = -1, xoNone = 0, xoSelf = 1, xoOther = 2 };

// Who owns the X selection named (PRIMARY, CLIPBOARD) right now, by the
// X server's word rather than Qt's belief.
TXOwner XSelectionOwner(const char* name) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11) return xoNoX;
  xcb_connection_t* c = x11->connection();
  xcb_atom_t atom = XCB_ATOM_PRIMARY;
  if (std::strcmp(name, "PRIMARY") != 0) {
    xcb_intern_atom_reply_t* a = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!a) return xoNoX;
    atom = a->atom;
    std::free(a);
  }
  xcb_get_selection_owner_reply_t* reply =
      xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom), nullptr);
  if (!reply) return xoNoX;
  xcb_window_t owner = reply->owner;
  std::free(reply);
  if (owner == XCB_NONE) return xoNone;
  // Windows of this connection carry its resource id base.
  const xcb_setup_t* setup = xcb_get_setup(c);
  return (owner & ~setup->resource_id_mask) == setup->resource_id_base ? xoSelf : xoOther;
}
#endif

// True when some X client (this program included) owns the primary
// selection. Without an X connection the selection's offered formats tell.
bool SelectionOwned(QClipboard* clipboard) {
#if ZENTROK_HAVE_XCB
  if (XSelectionOwner("PRIMARY") > 0) return true;
#endif
  // Qt may still hold the formats of an owner whose end it has not yet
  // heard of; those are read as an empty selection, not as no owner.
  const QMimeData* data = clipboard->mimeData(QClipboard::Selection);
  return data && !data->formats().isEmpty();
}

// True unless the X server says that another program (or nobody) holds the
// clipboard Qt was just asked to take: the server refuses an owner whose
// time stamp is older than the clipboard's last change.
bool ClipboardTaken() {
#if ZENTROK_HAVE_XCB
  TXOwner owner = XSelectionOwner("CLIPBOARD");
  return owner == xoSelf || owner == xoNoX;
#else
  return true;
#endif
}

// Formats that carry the formatting of a selection, in the order a rich
// edit prefers them.
const char* const kRichFormats[] = {"text/html", "application/rtf", "text/rtf",
                                    "text/richtext"};

}  // namespace

TMSServers::TMSServers(TWForm* form, QClipboard* clipboard)
    : Form(form),
      FClipboard(clipboard ? clipboard : (qGuiApp ? QGuiApplication::clipboard() : nullptr)) {
  FSettle.setSingleShot(true);
  connect(&FSettle, &QTimer::timeout, this, [this] { SelectionSettled(); });
  if (FClipboard)
    connect(FClipboard, &QClipboard::selectionChanged, this, [this] { SelectionChanged(); });
}

TMSServers::~TMSServers() = default;

bool TMSServers::SelectionAvailable() {
  if (!qGuiApp) return false;
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  return QGuiApplication::clipboard()->supportsSelection();
}

bool TMSServers::Connected() const { return FConnected; }

std::u16string TMSServers::ReadSelection(const QMimeData** data) {
  if (data) *data = nullptr;
  if (!FClipboard || !SelectionAvailable() || !FClipboard->supportsSelection())
    throw ESilentAbort("the desktop offers no readable selection");
  // Text selected in this program's own panes is not another program's.
  if (FClipboard->ownsSelection()) return {};
  if (!SelectionOwned(FClipboard)) throw ESilentAbort("no program owns a selection");
  const QMimeData* mime = FClipboard->mimeData(QClipboard::Selection);
  if (data) *data = mime;
  if (!mime) return {};
  return mime->text().toStdU16String();
}

bool TMSServers::CaptureSelection(uint8_t app, bool notify) {
  Text.clear();
  if (app < appWord || app > appPowerPoint) return false;
  try {
    std::u16string text = ReadSelection();
    FSettle.stop();
    Text = std::move(text);
    LastApp = app;
    FConnected = true;
  } catch (const ESilentAbort&) {
    throw;
  } catch (const std::exception& e) {
    throw ESilentAbort(e.what());
  }
  if (notify && !Text.empty() && OnText) OnText(*this);
  return true;
}

bool TMSServers::CopyContent(uint8_t app) {
  LastApp = appNone;
  if (app < appWord || app > appPowerPoint) return false;
  const QMimeData* selection = nullptr;
  try {
    Text = ReadSelection(&selection);
  } catch (const ESilentAbort&) {
    throw;
  } catch (const std::exception& e) {
    throw ESilentAbort(e.what());
  }
  LastApp = app;
  FConnected = true;
  if (Text.empty()) return false;

  auto* out = new QMimeData;
  // A word processor's selection keeps its formatting for pasting.
  if (app == appWord && selection) {
    for (const char* format : kRichFormats) {
      QString f = QString::fromLatin1(format);
      if (selection->hasFormat(f)) {
        QByteArray bytes = selection->data(f);
        if (!bytes.isEmpty()) out->setData(f, bytes);
      }
    }
  }
  out->setText(QString::fromStdU16String(Text));
  FClipboard->setMimeData(out, QClipboard::Clipboard);
  return ClipboardTaken();
}

void TMSServers::DisconnectAll() {
  FSettle.stop();
  FConnected = false;
  LastApp = appNone;
  Text.clear();
}

void TMSServers::SelectionChanged() {
  if (FConnected) FSettle.start(SettleMs);
}

void TMSServers::SelectionSettled() {
  if (!FConnected || !OnText) return;
  // A popup that is not on screen does not follow the selection.
  if (Form && !(Form->Host() && Form->Host()->isVisible())) return;
  std::u16string text;
  try {
    text = ReadSelection();
  } catch (const std::exception&) {
    return;  // the owner went away: nothing to report
  }
  if (text.empty() || text == Text) return;
  Text = std::move(text);
  try {
    OnText(*this);
  } catch (const std::exception&) {
    // A failed report ends silently; the next change is reported again.
  }
}

}  // namespace zentrok
