#include "HelpForm.h"

#include "zentrok/TatAlphabet.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace zentrok {

THelpForm::THelpForm(const QString& programFolder, QWidget* parent)
    : TDocumentForm(programFolder, "hlpr.bin", "hlpt.bin", parent) {
  setModal(false);
  setFixedSize(547, 390);
  viewer_->setGeometry(0, 0, 547, 337);
  close_ = new QPushButton(this);
  close_->setGeometry((547 - 130) / 2, 337 + (390 - 337 - 25) / 2, 130, 25);
  close_->setText(QString::fromStdU16String(CaptionVariant(kCloseCaption, 0, '|')));
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void THelpForm::ShowDocument() {
  const int language = Language();
  if (language == 0 || language == 1)
    close_->setText(QString::fromStdU16String(CaptionVariant(kCloseCaption, language, '|')));
  TDocumentForm::ShowDocument();
}

void THelpForm::showEvent(QShowEvent* e) {
  viewer_->SetPageColor(Qt::white);
  TDocumentForm::showEvent(e);
}

}  // namespace zentrok
