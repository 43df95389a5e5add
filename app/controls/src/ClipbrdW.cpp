#include "zentrok/ClipbrdW.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zentrok {

TClipboardW::TClipboardW()
    : FClipboard(qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                     ? QGuiApplication::clipboard()
                     : nullptr) {}

TClipboardW::TClipboardW(QClipboard* clipboard) : FClipboard(clipboard) {}

TClipboardW::~TClipboardW() {
  if (FOpenCount > 0) {
    FOpenCount = 1;
    Close();
  }
}

void TClipboardW::Open() {
  if (!FClipboard) throw EClipboardError(SCannotOpenClipboard);
  if (FOpenCount++ == 0) {
    FPending.reset();
    FWritten = false;
  }
}

void TClipboardW::Close() {
  if (FOpenCount == 0) return;
  if (--FOpenCount > 0) return;
  if (FWritten) FClipboard->setMimeData(FPending.release());
  FPending.reset();
  FWritten = false;
}

QMimeData& TClipboardW::Pending() {
  if (!FPending) FPending = std::make_unique<QMimeData>();
  FWritten = true;
  return *FPending;
}

void TClipboardW::Clear() {
  Open();
  FPending = std::make_unique<QMimeData>();
  FWritten = true;
  Close();
}

bool TClipboardW::HasFormat(const QString& mimeType) {
  Open();
  const QMimeData* data = FClipboard->mimeData();
  bool has = data && data->hasFormat(mimeType);
  Close();
  return has;
}

std::u16string TClipboardW::AsText() {
  Open();
  std::u16string text = FClipboard->text().toStdU16String();
  Close();
  return text;
}

void TClipboardW::SetAsText(std::u16string_view text) {
  Open();
  Pending().setText(QString::fromStdU16String(std::u16string(text)));
  Close();
}

QImage TClipboardW::GetImage() {
  Open();
  const QMimeData* data = FClipboard->mimeData();
  QImage image;
  if (data && data->hasImage()) image = qvariant_cast<QImage>(data->imageData());
  Close();
  if (image.isNull()) throw EClipboardError(SInvalidClipboardFormat);
  return image;
}

void TClipboardW::SetImage(const QImage& image) {
  Open();
  Pending().setImageData(image);
  Close();
}

}  // namespace zentrok
