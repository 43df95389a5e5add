#include "zentrok/ButtonsW.h"

#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "zentrok/LanguageW.h"
#include "zentrok/StdCtrlsW.h"
#include "zentrok/Utf.h"

namespace zentrok {

// ------------------------------------------------------------------ glyph

void TButtonGlyph::SetGlyph(const QPixmap& strip, int numGlyphs) {
  FStrip = strip;
  FNumGlyphs = std::clamp(numGlyphs, 1, 4);
  FCache.clear();
}

QSize TButtonGlyph::ImageSize() const {
  if (FStrip.isNull()) return QSize(0, 0);
  return QSize(FStrip.width() / FNumGlyphs, FStrip.height());
}

QPixmap TButtonGlyph::Image(TButtonState state) const {
  if (FStrip.isNull()) return QPixmap();
  int index = static_cast<int>(state);
  auto it = FCache.find(index);
  if (it != FCache.end()) return it->second;
  const QSize size = ImageSize();
  QPixmap image;
  if (index < FNumGlyphs) {
    image = FStrip.copy(index * size.width(), 0, size.width(), size.height());
  } else {
    image = FStrip.copy(0, 0, size.width(), size.height());
    if (state == TButtonState::bsDisabled) image = QIcon(image).pixmap(size, QIcon::Disabled);
  }
  FCache[index] = image;
  return image;
}

TGlyphLayout TButtonGlyph::CalcLayout(const QRect& client, QSize glyph, QSize text,
                                      TButtonLayout layout, int margin, int spacing) {
  const bool horizontal =
      layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  const int avail = horizontal ? client.width() : client.height();
  const int g = horizontal ? glyph.width() : glyph.height();
  const int t = horizontal ? text.width() : text.height();
  if (g == 0 || t == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (avail - g - t) / 3;
      spacing = margin;
    } else {
      margin = (avail - g - spacing - t + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (avail - margin - g - t) / 2;
  }
  int glyphPos, textPos;
  if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop) {
    glyphPos = margin;
    textPos = margin + g + spacing;
  } else {
    glyphPos = avail - margin - g;
    textPos = glyphPos - spacing - t;
  }
  TGlyphLayout r;
  if (horizontal) {
    r.Glyph = QRect(client.left() + glyphPos, client.top() + (client.height() - glyph.height() + 1) / 2,
                    glyph.width(), glyph.height());
    r.Text = QRect(client.left() + textPos, client.top() + (client.height() - text.height() + 1) / 2,
                   text.width(), text.height());
  } else {
    r.Glyph = QRect(client.left() + (client.width() - glyph.width() + 1) / 2, client.top() + glyphPos,
                    glyph.width(), glyph.height());
    r.Text = QRect(client.left() + (client.width() - text.width() + 1) / 2, client.top() + textPos,
                   text.width(), text.height());
  }
  return r;
}

// ----------------------------------------------------------------- button

TBitBtnW::TBitBtnW(QWidget* parent) : QPushButton(parent) {
  QFont f = DefaultControlFont();
  f.setPointSize(font().pointSize());
  setFont(f);
}

TBitBtnW::TBitBtnW(std::string_view caption, QWidget* parent) : TBitBtnW(parent) {
  SetCaption(caption);
}

void TBitBtnW::SetCaption(std::string_view caption) {
  FCaption = caption;
  Recaption();
}

void TBitBtnW::SetCaptionEx(bool on) {
  FCaptionEx = on;
  Recaption();
}

void TBitBtnW::SetNumCaption(int index) {
  FNumCaption = index;
  Recaption();
}

QString TBitBtnW::ShownCaption() const { return CaptionText(FCaption, FCaptionEx, FNumCaption); }

void TBitBtnW::Recaption() {
  // The text is kept on the button too, for accessibility and tests.
  setText(EscapeMnemonic(ShownCaption()));
  updateGeometry();
  update();
}

void TBitBtnW::SetGlyph(const QPixmap& strip, int numGlyphs) {
  FGlyph.SetGlyph(strip, numGlyphs);
  updateGeometry();
  update();
}

void TBitBtnW::SetKind(TBitBtnKind kind) {
  FKind = kind;
  QStyle::StandardPixmap sp;
  const char* caption = "";
  switch (kind) {
    case TBitBtnKind::bkOK: sp = QStyle::SP_DialogOkButton; caption = "OK"; break;
    case TBitBtnKind::bkCancel: sp = QStyle::SP_DialogCancelButton; caption = "Отмена|Баш тарту"; break;
    case TBitBtnKind::bkClose: sp = QStyle::SP_DialogCloseButton; caption = "Закрыть|Ябу"; break;
    case TBitBtnKind::bkHelp: sp = QStyle::SP_DialogHelpButton; caption = "Справка|Бел^ешм^a"; break;
    case TBitBtnKind::bkYes: sp = QStyle::SP_DialogYesButton; caption = "Да|^Aйе"; break;
    case TBitBtnKind::bkNo: sp = QStyle::SP_DialogNoButton; caption = "Нет|Юк"; break;
    default: return;
  }
  SetGlyph(style()->standardIcon(sp).pixmap(16, 16));
  // The captions above are written in UTF-8; captions are code page 1251.
  if (FCaption.empty()) SetCaption(Utf16ToCp1251(Utf8ToUtf16(caption)));
}

void TBitBtnW::SetLayout(TButtonLayout layout) {
  FLayout = layout;
  update();
}

void TBitBtnW::SetMargin(int margin) {
  FMargin = margin;
  update();
}

void TBitBtnW::SetSpacing(int spacing) {
  FSpacing = spacing;
  update();
}

TGlyphLayout TBitBtnW::ContentLayout() const {
  QFontMetrics fm(font());
  QString caption = ShownCaption();
  QSize text = caption.isEmpty() ? QSize(0, 0) : QSize(fm.horizontalAdvance(caption), fm.height());
  return TButtonGlyph::CalcLayout(rect().adjusted(2, 2, -2, -2), FGlyph.ImageSize(), text, FLayout,
                                  FMargin, FSpacing);
}

QSize TBitBtnW::sizeHint() const {
  QFontMetrics fm(font());
  QString caption = ShownCaption();
  QSize glyph = FGlyph.ImageSize();
  int tw = caption.isEmpty() ? 0 : fm.horizontalAdvance(caption);
  int spacing = glyph.isEmpty() || tw == 0 ? 0 : std::max(FSpacing, 0);
  int w, h;
  if (FLayout == TButtonLayout::blGlyphLeft || FLayout == TButtonLayout::blGlyphRight) {
    w = glyph.width() + spacing + tw;
    h = std::max(glyph.height(), fm.height());
  } else {
    w = std::max(glyph.width(), tw);
    h = glyph.height() + spacing + fm.height();
  }
  return QSize(std::max(w + 16, 75), std::max(h + 8, 25));
}

void TBitBtnW::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
  TGlyphLayout layout = ContentLayout();
  const bool down = isDown() || isChecked();
  if (down) {
    layout.Glyph.translate(1, 1);
    layout.Text.translate(1, 1);
  }
  const TButtonState state = !isEnabled() ? TButtonState::bsDisabled
                             : down       ? TButtonState::bsDown
                                          : TButtonState::bsUp;
  QPixmap image = FGlyph.Image(state);
  if (!image.isNull()) p.drawPixmap(layout.Glyph.topLeft(), image);
  const QString caption = ShownCaption();
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  if (isEnabled()) {
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(layout.Text, flags, caption);
  } else {
    p.setPen(palette().color(QPalette::Light));
    p.drawText(layout.Text.translated(1, 1), flags, caption);
    p.setPen(palette().color(QPalette::Dark));
    p.drawText(layout.Text, flags, caption);
  }
}

}  // namespace zentrok
