#include "zentrok/StdCtrlsW.h"

#include <QKeyEvent>

namespace zentrok {

bool KeyToWideChar(const QKeyEvent& event, char16_t& ch) {
  QString text = event.text();
  if (text.isEmpty() || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F) {
    ch = 0;
    return false;
  }
  ch = text[0].unicode();
  return true;
}

int ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  int s = 0;
  if (modifiers & Qt::ShiftModifier) s |= 1;
  if (modifiers & Qt::AltModifier) s |= 2;
  if (modifiers & Qt::ControlModifier) s |= 4;
  if (buttons & Qt::LeftButton) s |= 8;
  if (buttons & Qt::RightButton) s |= 16;
  if (buttons & Qt::MiddleButton) s |= 32;
  return s;
}

QFont DefaultControlFont() {
  QFont f(QStringLiteral("Tahoma"));
  f.setPointSize(8);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

TCustomEditW::TCustomEditW(QWidget* parent) : QLineEdit(parent) {
  setFont(DefaultControlFont());
  setTextMargins(2, 0, 2, 0);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, Qt::white);
  setPalette(pal);
  resize(145, sizeHint().height());
  connect(this, &QLineEdit::textEdited, this, [this](const QString& s) {
    QString cased = Cased(s);
    if (cased == s) return;
    int pos = cursorPosition();
    setText(cased);
    setCursorPosition(pos);
  });
}

QString TCustomEditW::Cased(const QString& s) const {
  switch (FCharCase) {
    case TEditCharCase::ecUpperCase: return s.toUpper();
    case TEditCharCase::ecLowerCase: return s.toLower();
    default: return s;
  }
}

void TCustomEditW::SetCharCase(TEditCharCase value) {
  FCharCase = value;
  setText(Cased(text()));
}

TCustomMemoW::TCustomMemoW(QWidget* parent)
    : QPlainTextEdit(parent), FLines(std::make_unique<TMemoWStrings>(document(), this)) {
  setFont(DefaultControlFont());
  resize(128, 128);
  SetScrollBars(TScrollStyle::ssNone);
  SetWordWrap(true);
}

void TCustomMemoW::SetScrollBars(TScrollStyle value) {
  FScrollBars = value;
  const bool h = value == TScrollStyle::ssHorizontal || value == TScrollStyle::ssBoth;
  const bool v = value == TScrollStyle::ssVertical || value == TScrollStyle::ssBoth;
  setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TCustomMemoW::SetWordWrap(bool on) {
  setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

}  // namespace zentrok
