// The help window: the help document of the interface language on white,
// and a close button whose caption follows the language. Shown without
// modality, centred on the screen.
#pragma once

#include "DocumentForm.h"

class QPushButton;

namespace zentrok {

class THelpForm : public TDocumentForm {
  Q_OBJECT
 public:
  // Loads "hlpt.bin" and "hlpr.bin" from the program folder; throws
  // TPackedTextError naming the file when one is missing or damaged.
  explicit THelpForm(const QString& programFolder, QWidget* parent = nullptr);

  void ShowDocument() override;
  QPushButton* BitBtnW1() const { return close_; }

  static constexpr const char* kCloseCaption = "\xC7\xE0\xEA\xF0\xFB\xF2\xFC|\xD7\xFB\xE3\xF3";

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QPushButton* close_;
};

}  // namespace zentrok
