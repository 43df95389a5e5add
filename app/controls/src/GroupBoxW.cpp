#include "zentrok/GroupBoxW.h"

#include "zentrok/LanguageW.h"
#include "zentrok/StdCtrlsW.h"

namespace zentrok {

TGroupBoxW::TGroupBoxW(QWidget* parent) : QGroupBox(parent) {
  QFont f = DefaultControlFont();
  f.setPointSize(font().pointSize());
  setFont(f);
}

TGroupBoxW::TGroupBoxW(std::string_view caption, QWidget* parent) : TGroupBoxW(parent) {
  SetCaption(caption);
}

void TGroupBoxW::SetCaption(std::string_view caption) {
  FCaption = caption;
  Recaption();
}

void TGroupBoxW::SetCaptionEx(bool on) {
  FCaptionEx = on;
  Recaption();
}

void TGroupBoxW::SetNumCaption(int index) {
  FNumCaption = index;
  Recaption();
}

QString TGroupBoxW::ShownCaption() const { return CaptionText(FCaption, FCaptionEx, FNumCaption); }

void TGroupBoxW::Recaption() {
  setTitle(EscapeMnemonic(ShownCaption()));
  update();
}

}  // namespace zentrok
