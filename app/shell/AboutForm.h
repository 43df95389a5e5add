// The about window: program icon, the about document of the interface
// language, OK. Bookmarks in the document are e-mail addresses; a double
// click on one opens the mail program with "mailto:" and the address.
// Shown modal (exec()), centred on its parent; closing clears the viewer
// and the next showing loads the document again.
#pragma once

#include "DocumentForm.h"

#include <QUrl>

class QLabel;
class QPushButton;

namespace zentrok {

class TAboutForm : public TDocumentForm {
  Q_OBJECT
 public:
  // Loads "abtt.bin" and "abtr.bin" from the program folder; throws
  // TPackedTextError naming the file when one is missing or damaged.
  explicit TAboutForm(const QString& programFolder, QWidget* parent = nullptr);

  QPushButton* Button1() const { return button1_; }
  QLabel* Image1() const { return image1_; }

  // Opens an address with the desktop; replaceable so that tests need no mail program.
  std::function<bool(const QUrl&)> OpenUrl;

 protected:
  void hideEvent(QHideEvent* e) override;

 private:
  void BMClick(const TBookMark& bm);

  QLabel* image1_;
  QPushButton* button1_;
};

}  // namespace zentrok
