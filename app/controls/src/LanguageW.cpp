#include "zentrok/LanguageW.h"

#include <QApplication>
#include <QWidget>
#include <string>

#include "zentrok/ButtonsW.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/HintWindowW.h"
#include "zentrok/MenusW.h"
#include "zentrok/TatAlphabet.h"
#include "zentrok/Utf.h"

namespace zentrok {

QString CaptionText(std::string_view caption, bool captionEx, int index) {
  if (captionEx) return QString::fromStdU16String(CaptionVariant(caption, index, kCaptionSeparator));
  return QString::fromStdU16String(Cp1251ToUtf16(caption));
}

QString EscapeMnemonic(const QString& text) {
  QString out = text;
  out.replace(QLatin1Char('&'), QLatin1String("&&"));
  return out;
}

int ApplicationTag() {
  return QCoreApplication::instance() ? QCoreApplication::instance()->property("Tag").toInt() : 0;
}

void SetApplicationTag(int tag) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->setProperty("Tag", tag);
}

void SetInterfaceLanguage(int index) {
  SetApplicationTag(index);
  for (QWidget* w : QApplication::allWidgets()) {
    if (auto* bar = dynamic_cast<TMainMenuW*>(w)) bar->SetNumCaps(index);
    else if (auto* menu = dynamic_cast<TPopupMenuW*>(w)) menu->SetNumCaps(index);
    else if (auto* box = dynamic_cast<TGroupBoxW*>(w)) box->SetNumCaption(index);
    else if (auto* button = dynamic_cast<TBitBtnW*>(w)) button->SetNumCaption(index);
    else if (auto* hint = dynamic_cast<THintWindowW*>(w)) hint->Recaption();
  }
}

}  // namespace zentrok
