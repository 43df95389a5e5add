// Colours as the settings and the rich edit pass them: TColor values
// 0x00BBGGRR, with the system colours 0xFF0000nn (the window-text colour
// 0xFF000008 is the automatic text colour of the rich edit).
#pragma once

#include <QColor>
#include <cstdint>

namespace zentrok {

using TColor = uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clBtnFace = 0xFF00000F;

// The RGB value of a colour; system colours are resolved through the
// application palette (window text, button face, window, highlight ...).
QColor ColorToQColor(TColor color);

// A QColor as a TColor (alpha dropped).
TColor QColorToColor(const QColor& color);

}  // namespace zentrok
