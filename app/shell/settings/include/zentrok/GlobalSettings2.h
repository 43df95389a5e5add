// The user's settings: one plain 604-byte record, kept in memory for the
// whole run as the global `Settings` and stored byte for byte in
// "settings.dat".
//
// The record's layout is the file's layout: 32-bit little-endian signed
// integers, one-byte booleans and codes, short strings (a length byte and
// 255 bytes of code page 1251 text) and one 32-bit float. Padding is spelled
// out as fields so that it is stored exactly as last read (zero in a record
// built from defaults).
//
// The file lives in the program folder when that folder is writable, else in
// $XDG_CONFIG_HOME/zentrok/ (~/.config/zentrok/ when the variable is unset).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "zentrok/FontStyle.h"  // the style bits of the *FontStyle fields

namespace zentrok {

// A short string: Length bytes of Data are used; the rest is kept as is.
struct TShortString {
  uint8_t Length;
  char Data[255];
};

struct TGlobalSettings {
  uint8_t InterfaceLanguage;  // 0 Russian, 1 Tatar
  uint8_t Direction;          // 0 Russian to Tatar, 1 Tatar to Russian
  uint8_t MarkUntranslated;   // boolean
  uint8_t ClearTranslation;   // boolean: clear the translation pane before a run
  TShortString BasicFontName;
  int32_t BasicFontSize;   // points
  int32_t BasicFontColor;  // 0x00BBGGRR
  int32_t BasicFontStyle;  // fs* bits
  TShortString MarkFontName;
  int32_t MarkFontSize;
  int32_t MarkFontColor;
  int32_t MarkFontStyle;
  float PaneRatio;    // source group box height / translation group box height
  uint8_t EqualPanes; // boolean
  uint8_t Pad545[3];
  int32_t MainLeft;
  int32_t MainTop;
  int32_t MainHeight;
  int32_t MainWidth;
  int32_t PopupLeft;
  int32_t PopupTop;
  int32_t PopupHeight;
  int32_t PopupWidth;
  int32_t ScreenHeight;  // screen size when the defaults were made
  int32_t ScreenWidth;
  int32_t OpenFilterIndex;  // 1 plain text, 2 RTF, 3 Word
  uint8_t DocFormat;        // 1 8-bit text, 2 UTF-16 text, 3 RTF, 4 Word
  uint8_t Pad593[3];
  int32_t MainWindow;  // window handle of the running main window, 0 if none
  int32_t StartMode;   // 0 main-window mode, 1 tray mode
};

inline constexpr size_t SettingsRecordSize = 604;
static_assert(sizeof(TGlobalSettings) == SettingsRecordSize);
static_assert(offsetof(TGlobalSettings, BasicFontSize) == 260);
static_assert(offsetof(TGlobalSettings, MarkFontName) == 272);
static_assert(offsetof(TGlobalSettings, PaneRatio) == 540);
static_assert(offsetof(TGlobalSettings, MainLeft) == 548);
static_assert(offsetof(TGlobalSettings, DocFormat) == 592);
static_assert(offsetof(TGlobalSettings, StartMode) == 600);

inline constexpr char SettingsFileName[] = "settings.dat";
inline constexpr int32_t ColorGreen = 0x00008000;

// Pixel size of the screen that the window-geometry defaults are made for.
struct TScreenSize {
  int32_t Width;
  int32_t Height;
};
// Used where no screen is at hand (the command-line translator).
inline constexpr TScreenSize DefaultScreenSize{1920, 1080};

// The one settings record of the program.
extern TGlobalSettings Settings;

// Short strings. SetShortString stores at most the first 255 bytes of text
// (code page 1251 bytes) and zeroes the rest of Data.
void SetShortString(TShortString& s, std::string_view text);
std::string_view GetShortString(const TShortString& s);

// size * percent / 100 rounded to the nearest integer, ties to even, in
// exact integer arithmetic (the geometry defaults: 15, 25, 75 %).
int32_t ScaleRoundEven(int32_t size, int32_t percent);

// Fills r with the defaults for the given screen: padding zero, Tahoma 9 pt
// black for translated text and green for untranslated text, main window
// 75 % of the screen at 15 % from the top-left corner.
void FillDefaultSettings(TGlobalSettings& r, TScreenSize screen);

// The folder that holds "settings.dat" (with a trailing "/") for a program
// folder: the program folder itself when it is writable, otherwise
// $XDG_CONFIG_HOME/zentrok/ or ~/.config/zentrok/, created when missing.
std::string SettingsFolderFor(std::string_view programFolder);

// Reads the first 604 bytes of a file into r. False, with r unchanged, when
// the file is missing, unreadable or shorter than one record.
bool ReadSettingsFile(const std::string& path, TGlobalSettings& r);

// Writes r as one record through a temporary file renamed over path, so a
// failure never leaves a truncated file. Raises EFCreateError / EWriteError.
void WriteSettingsFile(const std::string& path, const TGlobalSettings& r);

// Where LoadSettings, SaveSettings and SetDefaultSettings keep the file, and
// the screen size the defaults are made for. Call before LoadSettings.
void SetSettingsPlace(std::string_view programFolder, TScreenSize screen);
// The full path of "settings.dat" chosen by SetSettingsPlace.
const std::string& SettingsPath();

// Reads `Settings` from the file. When the file is missing, short or
// unreadable, fills the defaults and writes them (SetDefaultSettings) and
// returns false.
bool LoadSettings();
// Writes `Settings`. A write failure raises and leaves the old file intact.
void SaveSettings();
// Fills `Settings` with the defaults, then SaveSettings.
void SetDefaultSettings();

}  // namespace zentrok
