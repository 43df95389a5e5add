#include "DocumentForm.h"

#include "zentrok/PackedText.h"
#include "zentrok/TatAlphabet.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QMenu>

namespace zentrok {
namespace {

// The text of a loaded document up to its first U+0000.
QString LoadDocument(const QString& path) {
  const std::u16string text = LoadPackedText(QDir::toNativeSeparators(path).toStdString());
  return QString::fromStdU16String(text.substr(0, text.find(u'\0')));
}

}  // namespace

QString ProgramFile(const QString& folder, const char* name) {
  return QDir(folder).filePath(QString::fromLatin1(name));
}

TDocumentForm::TDocumentForm(const QString& programFolder, const char* russianFile,
                             const char* tatarFile, QWidget* parent)
    : QDialog(parent) {
  tatar_ = LoadDocument(ProgramFile(programFolder, tatarFile));
  russian_ = LoadDocument(ProgramFile(programFolder, russianFile));

  setWindowTitle(QStringLiteral("Zentrok"));
  viewer_ = new TViewerAlpha(this);
  popup_ = new QMenu(this);
  copy_ = new QAction(this);
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  copy_->setShortcutContext(Qt::WindowShortcut);
  copy_->setEnabled(false);
  popup_->addAction(copy_);
  addAction(copy_);  // Ctrl+C works without opening the menu
  viewer_->SetPopupMenu(popup_);
  connect(copy_, &QAction::triggered, viewer_, &TViewerAlpha::CopyToClipboard);
  connect(viewer_, &TViewerAlpha::SelectionChanged, this,
          [this] { copy_->setEnabled(viewer_->HasSelection()); });
  copy_->setText(QString::fromStdU16String(CaptionVariant(kCopyCaption, 0, '|')));
}

void TDocumentForm::SetLanguageSource(std::function<int()> source) {
  languageSource_ = std::move(source);
}

void TDocumentForm::ShowDocument() {
  const int language = Language();
  shownLanguage_ = language;
  if (language == 0) viewer_->Load(russian_);
  else if (language == 1) viewer_->Load(tatar_);
  copy_->setText(QString::fromStdU16String(CaptionVariant(kCopyCaption, language, '|')));
}

void TDocumentForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  viewer_->setFocus(Qt::OtherFocusReason);
  ShowDocument();
}

void TDocumentForm::ActivateForm() {
  if (mainCopy_) mainCopy_->setShortcut(QKeySequence());
  if (Language() != shownLanguage_) ShowDocument();
}

void TDocumentForm::DeactivateForm() {
  if (mainCopy_) mainCopy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
}

bool TDocumentForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) ActivateForm();
  else if (e->type() == QEvent::WindowDeactivate) DeactivateForm();
  return QDialog::event(e);
}

}  // namespace zentrok
