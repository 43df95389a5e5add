// The settings record beside the rich-edit controls: both name the font
// style bits fsBold ... fsStrikeOut (with equal values) in one namespace,
// so the settings' four names are moved aside and the controls' enum
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
