// TTextAttributesW: the character attributes of a rich edit's selection (or
// of the text typed next at the caret), or of its default text.
#pragma once

#include <QString>

#include "zentrok/ColorW.h"
#include "zentrok/FontStyle.h"  // TFontStyleBit

class QFont;
class QTextCharFormat;
class QTextEdit;

namespace zentrok {

// Pitch values: default, variable, fixed.
enum class TFontPitch { fpDefault = 0, fpVariable = 1, fpFixed = 2 };

// A character format with the given style bits, size and colour; the face
// is not part of it, so text keeps the face in effect where it goes.
QTextCharFormat StyledCharFormat(TColor color, int sizePoints, int styleBits);

// The style bits of a character format.
int StyleBitsOf(const QTextCharFormat& format);

class TTextAttributesW {
public:
  enum class TKind { atSelected, atDefaultText };

  TTextAttributesW(QTextEdit* edit, TKind kind) : FEdit(edit), FKind(kind) {}

  // clWindowText when the text has no colour of its own.
  TColor Color() const;
  void SetColor(TColor color);
  QString Name() const;
  void SetName(const QString& name);  // at most 31 characters are kept
  TFontPitch Pitch() const;
  void SetPitch(TFontPitch pitch);
  int Size() const;  // points
  void SetSize(int points);
  int Style() const;  // TFontStyleBit bits
  void SetStyle(int bits);

  // Copies face, size, colour and style from a font (colour unchanged) or
  // from other attributes.
  void Assign(const QFont& font);
  void Assign(const TTextAttributesW& source);
  // Writes face, size and style into a font.
  void AssignTo(QFont& font) const;

private:
  QTextCharFormat Format() const;
  void Merge(const QTextCharFormat& change);

  QTextEdit* FEdit;
  TKind FKind;
};

}  // namespace zentrok
