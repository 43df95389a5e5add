// The edit and memo controls and the key and mouse helpers shared by the
// controls.
//
// Qt delivers typed characters as UTF-16 already, so a Tatar letter typed on
// a Tatar keyboard layout reaches the edit as itself (U+04D9 stays U+04D9);
// KeyToWideChar gives the character of a key event for hooks that want it.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>
#include <string>

#include "zentrok/DocumentLinesW.h"

class QKeyEvent;

namespace zentrok {

// The UTF-16 character that a key event produces; false when it yields
// none.
bool KeyToWideChar(const QKeyEvent& event, char16_t& ch);

// Mouse-event shift state bits: Shift 1, Alt 2, Ctrl 4, then the buttons
// held: left 8, right 16, middle 32.
int ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// The controls' default face and size.
QFont DefaultControlFont();

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A one-line UTF-16 edit: Tahoma 8, 145 pixels wide, white, margins 2
// left and right, with a character case.
class TCustomEditW : public QLineEdit {
public:
  explicit TCustomEditW(QWidget* parent = nullptr);

  std::u16string Text() const { return text().toStdU16String(); }
  void SetText(const std::u16string& s) { setText(Cased(QString::fromStdU16String(s))); }
  TEditCharCase CharCase() const { return FCharCase; }
  // Also converts the text already there.
  void SetCharCase(TEditCharCase value);

private:
  QString Cased(const QString& s) const;
  TEditCharCase FCharCase = TEditCharCase::ecNormal;
};

// The lines of a memo.
class TMemoWStrings : public TDocumentLinesW {
public:
  using TDocumentLinesW::TDocumentLinesW;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line UTF-16 edit: Tahoma 8, 128 x 128, word wrap on.
class TCustomMemoW : public QPlainTextEdit {
public:
  explicit TCustomMemoW(QWidget* parent = nullptr);

  TMemoWStrings& Lines() { return *FLines; }
  std::u16string Text() const { return FLines->GetTextStr(); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
  void SetWordWrap(bool on);

private:
  std::unique_ptr<TMemoWStrings> FLines;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
};

}  // namespace zentrok
