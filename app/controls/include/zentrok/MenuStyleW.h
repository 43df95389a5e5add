// TMenuStyleW: the look of the bilingual menus (a proxy over the
// application style).
//
// Menu-bar items: as wide as their text (+ 12 for the item's own inset),
// ItemHeight high; hot: light blue (166, 202, 240) with a grey frame; open:
// white with a grey outline open at the bottom; otherwise button face.
// Drop-down items: ItemHeight high, as wide as text + shortcut (+ 12 with a
// shortcut) + 2 x ItemHeight (the shortcut's width is the widest shortcut
// of the menu, which QMenu adds itself); separators 5 high. Selected items are light
// blue; others white with a button-face square ItemHeight wide at the left;
// the text starts ItemHeight + 4 from the left, the shortcut is
// right-aligned; disabled text is silver (192, 192, 192); the check mark or
// the item's icon sits at (2, 1).
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace zentrok {

inline const QColor kMenuHotColor(166, 202, 240);
inline const QColor kMenuFrameColor(128, 128, 128);
inline const QColor kMenuDisabledColor(192, 192, 192);
inline constexpr int kDefaultItemHeight = 22;
inline constexpr int kSeparatorHeight = 5;

class TMenuStyleW : public QProxyStyle {
public:
  TMenuStyleW();

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;

  // The ItemHeight of the menu a widget is (kDefaultItemHeight when it
  // has none).
  static int ItemHeightOf(const QWidget* widget);
};

}  // namespace zentrok
