// The settings record for code that also uses the rich-edit controls.
//
// GlobalSettings2.h and the controls' TextAttributesW.h both declare the
// font style bits fsBold ... fsStrikeOut in namespace zentrok (with equal
// values), which cannot share one translation unit. This header includes
// the settings with those four names moved aside; the controls' enum then
// provides them.
#pragma once

#define fsBold SettingsFsBold
#define fsItalic SettingsFsItalic
#define fsUnderline SettingsFsUnderline
#define fsStrikeOut SettingsFsStrikeOut
#include "zentrok/GlobalSettings2.h"
#undef fsBold
#undef fsItalic
#undef fsUnderline
#undef fsStrikeOut
