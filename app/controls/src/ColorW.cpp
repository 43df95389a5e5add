#include "zentrok/ColorW.h"

#include <QGuiApplication>
#include <QPalette>

namespace zentrok {

QColor ColorToQColor(TColor color) {
  if ((color & 0xFF000000u) == 0xFF000000u) {
    QPalette pal = QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
    switch (color & 0xFF) {
      case 5: return pal.color(QPalette::Base);          // window
      case 8: return pal.color(QPalette::Text);          // window text
      case 13: return pal.color(QPalette::Highlight);
      case 14: return pal.color(QPalette::HighlightedText);
      case 15: return pal.color(QPalette::Button);       // button face
      case 16: return pal.color(QPalette::Dark);         // button shadow
      case 18: return pal.color(QPalette::ButtonText);
      case 20: return pal.color(QPalette::Light);        // button highlight
      case 23: return pal.color(QPalette::ToolTipText);
      case 24: return pal.color(QPalette::ToolTipBase);
      default: return pal.color(QPalette::WindowText);
    }
  }
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

TColor QColorToColor(const QColor& color) {
  QColor c = color.toRgb();
  return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) |
         (static_cast<TColor>(c.blue()) << 16);
}

}  // namespace zentrok
