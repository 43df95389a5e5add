// TClipboardW: the clipboard with UTF-16 text and pictures.
//
// Opening is counted: what is written while the clipboard is open goes on
// the clipboard in one piece when the last Close comes. Opening a clipboard
// the platform does not give (no GUI application) raises EClipboardError
// "Cannot open clipboard".
#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "zentrok/TrgErrors.h"

class QClipboard;
class QMimeData;

namespace zentrok {

inline constexpr const char* SCannotOpenClipboard = "Cannot open clipboard";
inline constexpr const char* SInvalidClipboardFormat = "Invalid clipboard format";

class EClipboardError : public ETrgError {
public:
  using ETrgError::ETrgError;
};

class TClipboardW {
public:
  // The application's clipboard.
  TClipboardW();
  // A given clipboard; nullptr stands for a platform that refuses it.
  explicit TClipboardW(QClipboard* clipboard);
  ~TClipboardW();
  TClipboardW(const TClipboardW&) = delete;
  TClipboardW& operator=(const TClipboardW&) = delete;

  void Open();
  void Close();
  bool IsOpen() const { return FOpenCount > 0; }
  // Empties the clipboard.
  void Clear();
  // True when the clipboard offers the MIME type.
  bool HasFormat(const QString& mimeType);

  // The clipboard's text ("" when it has none).
  std::u16string AsText();
  void SetAsText(std::u16string_view text);

  // The clipboard's picture; raises EClipboardError "Invalid clipboard
  // format" when it holds none.
  QImage GetImage();
  void SetImage(const QImage& image);

private:
  QMimeData& Pending();

  QClipboard* FClipboard;
  int FOpenCount = 0;
  std::unique_ptr<QMimeData> FPending;
  bool FWritten = false;
};

}  // namespace zentrok
