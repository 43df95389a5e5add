// What the about and help windows share: a Russian and a Tatar packed
// document, a viewer showing the one of the interface language, a context
// menu with Copy (Ctrl+C), and the hand-over of the Copy shortcut with the
// main window while this window is active.
#pragma once

#include "zentrok/ViewerAlpha.h"

#include <QDialog>
#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace zentrok {

class TDocumentForm : public QDialog {
  Q_OBJECT
 public:
  // Where the interface language comes from (0 Russian, 1 Tatar); the
  // program hands in its settings' InterfaceLanguage. Default: always 0.
  void SetLanguageSource(std::function<int()> source);
  // The main window's Copy action: its Ctrl+C is taken away while this
  // window is active and given back when it is deactivated (may be null).
  void SetMainCopyAction(QAction* action) { mainCopy_ = action; }

  // Shows the document of the current interface language; any other value
  // than 0 or 1 leaves the viewer as it is.
  virtual void ShowDocument();
  // The language of the document last shown, -1 before the first.
  int ShownLanguage() const { return shownLanguage_; }

  const QString& RussianText() const { return russian_; }
  const QString& TatarText() const { return tatar_; }
  TViewerAlpha* Viewer() const { return viewer_; }
  QAction* CopyAction() const { return copy_; }
  QMenu* PopupMenu() const { return popup_; }

  static constexpr const char* kCopyCaption =
      "\xCA\xEE\xEF\xE8\xF0\xEE\xE2\xE0\xF2\xFC|\xCA^y\xF7\xE5\xF0\xEC^a \xFF\xF1\xE0\xF3|Copy";

 protected:
  // Loads `tatarFile` then `russianFile` from `programFolder`; throws
  // TPackedTextError naming the file when one is missing or damaged.
  TDocumentForm(const QString& programFolder, const char* russianFile, const char* tatarFile,
                QWidget* parent);

  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  int Language() const { return languageSource_ ? languageSource_() : 0; }

  TViewerAlpha* viewer_;

 private:
  void ActivateForm();
  void DeactivateForm();

  QString russian_, tatar_;
  int shownLanguage_ = -1;
  std::function<int()> languageSource_;
  QAction* mainCopy_ = nullptr;
  QAction* copy_;
  QMenu* popup_;
};

// The program folder's path for a file name, with exactly one separator.
QString ProgramFile(const QString& folder, const char* name);

}  // namespace zentrok
