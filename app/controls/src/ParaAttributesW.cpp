#include "zentrok/ParaAttributesW.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <cmath>

namespace zentrok {

namespace {

int Points(qreal v) { return static_cast<int>(std::lround(v)); }

void MergeBlock(QTextEdit* edit, const QTextBlockFormat& change) {
  QTextCursor c = edit->textCursor();
  c.mergeBlockFormat(change);
  edit->setTextCursor(c);
}

}  // namespace

TAlignment TParaAttributesW::Alignment() const {
  Qt::Alignment a = FEdit->textCursor().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
  const bool rtl = FEdit->layoutDirection() == Qt::RightToLeft;
  if (a & Qt::AlignHCenter) return TAlignment::taCenter;
  if (a & Qt::AlignRight) return rtl ? TAlignment::taLeftJustify : TAlignment::taRightJustify;
  if (a & Qt::AlignLeft) return rtl ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
  return rtl ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
}

void TParaAttributesW::SetAlignment(TAlignment value) {
  const bool rtl = FEdit->layoutDirection() == Qt::RightToLeft;
  Qt::Alignment a = Qt::AlignHCenter;
  if (value == TAlignment::taLeftJustify) a = rtl ? Qt::AlignRight : Qt::AlignLeft;
  if (value == TAlignment::taRightJustify) a = rtl ? Qt::AlignLeft : Qt::AlignRight;
  QTextBlockFormat f;
  f.setAlignment(a | Qt::AlignAbsolute);
  MergeBlock(FEdit, f);
}

int TParaAttributesW::FirstIndent() const { return Points(FEdit->textCursor().blockFormat().textIndent()); }

void TParaAttributesW::SetFirstIndent(int points) {
  QTextBlockFormat f;
  f.setTextIndent(points);
  MergeBlock(FEdit, f);
}

int TParaAttributesW::LeftIndent() const { return Points(FEdit->textCursor().blockFormat().leftMargin()); }

void TParaAttributesW::SetLeftIndent(int points) {
  QTextBlockFormat f;
  f.setLeftMargin(points);
  MergeBlock(FEdit, f);
}

int TParaAttributesW::RightIndent() const { return Points(FEdit->textCursor().blockFormat().rightMargin()); }

void TParaAttributesW::SetRightIndent(int points) {
  QTextBlockFormat f;
  f.setRightMargin(points);
  MergeBlock(FEdit, f);
}

TNumberingStyle TParaAttributesW::Numbering() const {
  return FEdit->textCursor().currentList() ? TNumberingStyle::nsBullet : TNumberingStyle::nsNone;
}

void TParaAttributesW::SetNumbering(TNumberingStyle value) {
  QTextCursor c = FEdit->textCursor();
  c.beginEditBlock();
  if (value == TNumberingStyle::nsBullet) {
    if (!c.currentList()) {
      QTextListFormat lf;
      lf.setStyle(QTextListFormat::ListDisc);
      lf.setIndent(0);
      c.createList(lf);
    }
    QTextBlockFormat f = c.blockFormat();
    if (f.leftMargin() < 10) {
      f.setLeftMargin(10);
      c.setBlockFormat(f);
    }
  } else {
    if (QTextList* list = c.currentList()) {
      QTextBlock block = c.block();
      list->remove(block);
    }
    QTextBlockFormat f = c.blockFormat();
    f.setObjectIndex(-1);
    f.setIndent(0);
    f.setLeftMargin(0);
    c.setBlockFormat(f);
  }
  c.endEditBlock();
  FEdit->setTextCursor(c);
}

}  // namespace zentrok
