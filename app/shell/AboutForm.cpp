#include "AboutForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace zentrok {

TAboutForm::TAboutForm(const QString& programFolder, QWidget* parent)
    : TDocumentForm(programFolder, "abtr.bin", "abtt.bin", parent) {
  setModal(true);
  setFixedSize(622, 315);

  image1_ = new QLabel(this);
  image1_->setGeometry(24, 24, 32, 32);
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_ComputerIcon);
  image1_->setPixmap(icon.pixmap(32, 32));

  viewer_->setGeometry(80, 16, 529, 241);
  viewer_->setFrameShape(QFrame::Panel);
  viewer_->setFrameShadow(QFrame::Sunken);
  viewer_->setLineWidth(2);

  button1_ = new QPushButton(QStringLiteral("OK"), this);
  button1_->setGeometry(534, 276, 75, 25);
  button1_->setDefault(true);
  connect(button1_, &QPushButton::clicked, this, &QDialog::accept);

  OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  viewer_->OnBMClick = [this](QObject*, const TBookMark& bm) { BMClick(bm); };
}

void TAboutForm::BMClick(const TBookMark& bm) {
  // Only a run of bookmarked text carries an address.
  if (bm.text.trimmed().isEmpty() || !OpenUrl) return;
  OpenUrl(QUrl(QStringLiteral("mailto:") + bm.text.trimmed(), QUrl::TolerantMode));
}

void TAboutForm::hideEvent(QHideEvent* e) {
  viewer_->Clear();
  TDocumentForm::hideEvent(e);
}

}  // namespace zentrok
