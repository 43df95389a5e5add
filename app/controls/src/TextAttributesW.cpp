#include "zentrok/TextAttributesW.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QTextCharFormat>
#include <QTextEdit>
#include <cmath>

namespace zentrok {

QTextCharFormat StyledCharFormat(TColor color, int sizePoints, int styleBits) {
  QTextCharFormat f;
  f.setFontWeight(styleBits & fsBold ? QFont::Bold : QFont::Normal);
  f.setFontItalic(styleBits & fsItalic);
  f.setFontUnderline(styleBits & fsUnderline);
  f.setFontStrikeOut(styleBits & fsStrikeOut);
  if (sizePoints > 0) f.setFontPointSize(sizePoints);
  f.setForeground(ColorToQColor(color));
  return f;
}

int StyleBitsOf(const QTextCharFormat& format) {
  int bits = 0;
  if (format.fontWeight() >= QFont::DemiBold) bits |= fsBold;
  if (format.fontItalic()) bits |= fsItalic;
  if (format.fontUnderline()) bits |= fsUnderline;
  if (format.fontStrikeOut()) bits |= fsStrikeOut;
  return bits;
}

QTextCharFormat TTextAttributesW::Format() const {
  if (FKind == TKind::atSelected) return FEdit->currentCharFormat();
  QTextCharFormat f;
  f.setFont(FEdit->document()->defaultFont());
  return f;
}

void TTextAttributesW::Merge(const QTextCharFormat& change) {
  if (FKind == TKind::atSelected) {
    FEdit->mergeCurrentCharFormat(change);
    return;
  }
  QFont font = FEdit->document()->defaultFont();
  if (change.hasProperty(QTextFormat::FontFamilies)) {
    QStringList families = change.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty()) font.setFamily(families.first());
  }
  if (change.hasProperty(QTextFormat::FontPointSize)) font.setPointSizeF(change.fontPointSize());
  if (change.hasProperty(QTextFormat::FontWeight)) font.setWeight(QFont::Weight(change.fontWeight()));
  if (change.hasProperty(QTextFormat::FontItalic)) font.setItalic(change.fontItalic());
  if (change.hasProperty(QTextFormat::FontUnderline)) font.setUnderline(change.fontUnderline());
  if (change.hasProperty(QTextFormat::FontStrikeOut)) font.setStrikeOut(change.fontStrikeOut());
  if (change.hasProperty(QTextFormat::FontFixedPitch)) font.setFixedPitch(change.fontFixedPitch());
  FEdit->document()->setDefaultFont(font);
}

TColor TTextAttributesW::Color() const {
  if (FKind == TKind::atDefaultText) {
    QColor text = FEdit->palette().color(QPalette::Text);
    return text == QGuiApplication::palette().color(QPalette::Text) ? clWindowText
                                                                     : QColorToColor(text);
  }
  QTextCharFormat f = Format();
  if (f.foreground().style() == Qt::NoBrush) return clWindowText;
  return QColorToColor(f.foreground().color());
}

void TTextAttributesW::SetColor(TColor color) {
  if (FKind == TKind::atDefaultText) {
    QPalette pal = FEdit->palette();
    pal.setColor(QPalette::Text, ColorToQColor(color));
    FEdit->setPalette(pal);
    return;
  }
  if (color == clWindowText) {
    // The automatic colour: no colour of its own.
    QTextCursor c = FEdit->textCursor();
    QTextCharFormat f = FEdit->currentCharFormat();
    f.clearForeground();
    if (c.hasSelection()) c.setCharFormat(f);
    FEdit->setCurrentCharFormat(f);
    return;
  }
  QTextCharFormat f;
  f.setForeground(ColorToQColor(color));
  Merge(f);
}

QString TTextAttributesW::Name() const {
  QTextCharFormat f = Format();
  QStringList families = f.property(QTextFormat::FontFamilies).toStringList();
  if (!families.isEmpty()) return families.first();
  return FEdit->document()->defaultFont().family();
}

void TTextAttributesW::SetName(const QString& name) {
  QTextCharFormat f;
  f.setFontFamilies(QStringList{name.left(31)});
  Merge(f);
}

TFontPitch TTextAttributesW::Pitch() const {
  QTextCharFormat f = Format();
  if (!f.hasProperty(QTextFormat::FontFixedPitch)) return TFontPitch::fpDefault;
  return f.fontFixedPitch() ? TFontPitch::fpFixed : TFontPitch::fpVariable;
}

void TTextAttributesW::SetPitch(TFontPitch pitch) {
  QTextCharFormat f;
  f.setFontFixedPitch(pitch == TFontPitch::fpFixed);
  Merge(f);
}

int TTextAttributesW::Size() const {
  QTextCharFormat f = Format();
  qreal pt = f.fontPointSize();
  if (pt <= 0) pt = FEdit->document()->defaultFont().pointSizeF();
  return static_cast<int>(std::lround(pt));
}

void TTextAttributesW::SetSize(int points) {
  if (points <= 0) return;
  QTextCharFormat f;
  f.setFontPointSize(points);
  Merge(f);
}

int TTextAttributesW::Style() const { return StyleBitsOf(Format()); }

void TTextAttributesW::SetStyle(int bits) {
  QTextCharFormat f;
  f.setFontWeight(bits & fsBold ? QFont::Bold : QFont::Normal);
  f.setFontItalic(bits & fsItalic);
  f.setFontUnderline(bits & fsUnderline);
  f.setFontStrikeOut(bits & fsStrikeOut);
  Merge(f);
}

void TTextAttributesW::Assign(const QFont& font) {
  QTextCharFormat f;
  f.setFontFamilies(QStringList{font.family()});
  if (font.pointSizeF() > 0) f.setFontPointSize(font.pointSizeF());
  f.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
  f.setFontItalic(font.italic());
  f.setFontUnderline(font.underline());
  f.setFontStrikeOut(font.strikeOut());
  Merge(f);
}

void TTextAttributesW::Assign(const TTextAttributesW& source) {
  SetName(source.Name());
  SetSize(source.Size());
  SetStyle(source.Style());
  SetColor(source.Color());
}

void TTextAttributesW::AssignTo(QFont& font) const {
  font.setFamily(Name());
  font.setPointSize(Size());
  int bits = Style();
  font.setBold(bits & fsBold);
  font.setItalic(bits & fsItalic);
  font.setUnderline(bits & fsUnderline);
  font.setStrikeOut(bits & fsStrikeOut);
}

}  // namespace zentrok
