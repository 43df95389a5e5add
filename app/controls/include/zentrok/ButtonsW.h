// TBitBtnW: a push button with a glyph and a bilingual caption, drawn by
// its TButtonGlyph: glyph and caption laid out as the Layout says,
// separated by Spacing (4), centred when Margin is -1; a disabled button
// shows its caption embossed.
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <map>
#include <string>
#include <string_view>

namespace zentrok {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkClose, bkHelp, bkYes, bkNo };
enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };
// The images of a glyph strip: up, disabled, down, exclusive.
enum class TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };

// Where the glyph and the caption go inside a button.
struct TGlyphLayout {
  QRect Glyph;
  QRect Text;
};

// The glyph of a bitmap button: a strip of NumGlyphs images of equal width,
// cut into per-state images on first use and kept.
class TButtonGlyph {
public:
  void SetGlyph(const QPixmap& strip, int numGlyphs);
  const QPixmap& Glyph() const { return FStrip; }
  int NumGlyphs() const { return FNumGlyphs; }
  QSize ImageSize() const;
  // The image for a state: that image of the strip when present, else the
  // up image (greyed for the disabled state).
  QPixmap Image(TButtonState state) const;

  // Lays out glyph and text in client. Margin -1 centres the pair; spacing
  // -1 spreads it evenly. With no glyph or no text there is no spacing.
  static TGlyphLayout CalcLayout(const QRect& client, QSize glyph, QSize text,
                                 TButtonLayout layout, int margin, int spacing);

private:
  QPixmap FStrip;
  int FNumGlyphs = 1;
  mutable std::map<int, QPixmap> FCache;
};

class TBitBtnW : public QPushButton {
public:
  explicit TBitBtnW(QWidget* parent = nullptr);
  TBitBtnW(std::string_view caption, QWidget* parent = nullptr);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(std::string_view caption);
  bool CaptionEx() const { return FCaptionEx; }
  void SetCaptionEx(bool on);
  int NumCaption() const { return FNumCaption; }
  void SetNumCaption(int index);
  // The caption as shown.
  QString ShownCaption() const;

  void SetGlyph(const QPixmap& strip, int numGlyphs = 1);
  const TButtonGlyph& Glyph() const { return FGlyph; }
  // A standard kind gives the button its standard glyph, and its caption
  // when it has none.
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind kind);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return FMargin; }
  void SetMargin(int margin);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);
  TButtonStyle Style() const { return FStyle; }
  void SetStyle(TButtonStyle style) { FStyle = style; }

  // The current layout of glyph and caption.
  TGlyphLayout ContentLayout() const;

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void Recaption();

  std::string FCaption;
  bool FCaptionEx = true;
  int FNumCaption = 0;
  TButtonGlyph FGlyph;
  TBitBtnKind FKind = TBitBtnKind::bkCustom;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TButtonStyle FStyle = TButtonStyle::bsAutoDetect;
};

}  // namespace zentrok
