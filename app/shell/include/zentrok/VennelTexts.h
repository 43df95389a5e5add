// The texts and small rules of the main window that need no widgets: the
// status-bar formats (durations, elapsed time, line counts, percentages),
// the remaining-time estimate, the window geometry on a smaller screen, and
// the document type and save format chosen by the file dialogs' filters.
//
// Captions are written in the sources as UTF-8 with caret notation and
// turned into the stored 8-bit form (code page 1251) by Cap().
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "zentrok/Duration.h"  // RemainingMs
#include "zentrok/GlobalSettings2.h"

namespace zentrok {

// A UTF-8 caption in caret notation as its stored code page 1251 bytes.
std::string Cap(std::string_view utf8);
// Variant `lang` of a UTF-8 multi-language caption ("|" separated).
std::u16string CapVariant(std::string_view utf8, int lang, char separator = '|');

// Remaining time: [days " д "|" к"] [hours " ч "|" с "] [minutes " мин "]
// then always seconds " сек "|" сек". Units that are 0 are left out, the
// seconds never.
std::u16string DurationText(int64_t ms, int lang);

// "Прошло: " and the elapsed hours, minutes and seconds; seconds show when
// they are above 0 or when hours and minutes are both 0.
std::u16string ElapsedText(int hours, int minutes, int seconds, int lang);

// "n строка" / "n строки" / "n строк" (by PluralClass) in Russian,
// "n юл" in Tatar.
std::u16string LineCountText(int n, int lang);

// A progress value as shown: whole numbers without a fraction.
std::u16string PercentNumber(float percent);

// Group box captions for a direction (UTF-8 captions).
const char* SourceBoxCaption(uint8_t direction);
const char* TargetBoxCaption(uint8_t direction);
// The hint of the direction button for a direction ("/" separated).
const char* DirectionHint(uint8_t direction);

// Shrinks the stored main-window size to 0.82 of a screen that is lower or
// narrower than the screen the settings were made on. Top and left stay.
void FitMainWindowToScreen(TGlobalSettings& s, TScreenSize screen);

// The document type of a load: 1 plain text, 2 RTF, 3 Word. Filter 1 goes
// by the path's extension (case ignored; ".doc" and ".docx" are Word),
// 2 RTF, 3 Word, anything else plain text.
uint8_t LoadTypeOf(int openFilterIndex, std::string_view path);

// The extension and document format (2 UTF-16 text, 3 RTF, 4 Word) that a
// save filter asks for; false for a filter index outside 1..3, which keeps
// both the name and the format.
bool SaveFormatOf(int saveFilterIndex, std::string& extension, uint8_t& format);

}  // namespace zentrok
