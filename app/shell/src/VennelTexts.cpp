#include "zentrok/VennelTexts.h"

#include <cctype>
#include <cmath>

#include "zentrok/Duration.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TatAlphabet.h"
#include "zentrok/Utf.h"

namespace zentrok {

std::string Cap(std::string_view utf8) { return Utf16ToCp1251(Utf8ToUtf16(utf8)); }

std::u16string CapVariant(std::string_view utf8, int lang, char separator) {
  return CaptionVariant(Cap(utf8), lang, separator);
}

namespace {

std::u16string Num(int64_t n) { return Utf8ToUtf16(std::to_string(n)); }

}  // namespace

std::u16string DurationText(int64_t ms, int lang) {
  const TDurationParts d = SplitDuration(ms);
  std::u16string out;
  if (d.Days > 0) out += Num(d.Days) + CapVariant(" д | к", lang);
  if (d.Hours > 0) out += Num(d.Hours) + CapVariant(" ч | с ", lang);
  if (d.Minutes > 0) out += Num(d.Minutes) + CapVariant(" мин | мин ", lang);
  out += Num(d.Seconds) + CapVariant(" сек | сек", lang);
  return out;
}

std::u16string ElapsedText(int hours, int minutes, int seconds, int lang) {
  std::u16string out = CapVariant("Прошло: |^Yтеп китте: ", lang);
  if (hours > 0) out += Num(hours) + CapVariant(" ч | с ", lang);
  if (minutes > 0) out += Num(minutes) + CapVariant(" мин | мин ", lang);
  if (seconds > 0 || (hours == 0 && minutes == 0))
    out += Num(seconds) + CapVariant(" сек| сек", lang);
  return out;
}

std::u16string LineCountText(int n, int lang) {
  static const char* const kWords[3] = {" строка", " строки", " строк"};
  std::string caption = std::string(kWords[PluralClass(n)]) + "| юл";
  return Num(n) + CapVariant(caption, lang);
}

std::u16string PercentNumber(float percent) {
  if (std::floor(percent) == percent) return Num(static_cast<int64_t>(percent));
  std::string s = std::to_string(percent);
  while (!s.empty() && s.back() == '0') s.pop_back();
  return Utf8ToUtf16(s);
}

const char* SourceBoxCaption(uint8_t direction) {
  return direction == 1 ? "Оригинал: Татарский|Оригинал: Татарча"
                        : "Оригинал: Русский|Оригинал: Русча";
}

const char* TargetBoxCaption(uint8_t direction) {
  return direction == 1 ? "Перевод: Русский|Т^aр^jем^a: Русча"
                        : "Перевод: Татарский|Т^aр^jем^a: Татарча";
}

const char* DirectionHint(uint8_t direction) {
  return direction == 1 ? "Татарский -> Русский/Татарча -> Русча/Tatar -> Russian"
                        : "Русский -> Татарский/Русча -> Татарча/Russian -> Tatar";
}

void FitMainWindowToScreen(TGlobalSettings& s, TScreenSize screen) {
  if (screen.Height < s.ScreenHeight) s.MainHeight = ScaleRoundEven(screen.Height, 82);
  if (screen.Width < s.ScreenWidth) s.MainWidth = ScaleRoundEven(screen.Width, 82);
}

uint8_t LoadTypeOf(int openFilterIndex, std::string_view path) {
  switch (openFilterIndex) {
    case 1: {
      size_t slash = path.find_last_of("/\\");
      std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
      size_t dot = name.rfind('.');
      if (dot == std::string_view::npos) return 1;
      std::string ext(name.substr(dot));
      for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (ext == ".rtf") return 2;
      if (ext == ".doc" || ext == ".docx") return 3;
      return 1;
    }
    case 2: return 2;
    case 3: return 3;
    default: return 1;
  }
}

bool SaveFormatOf(int saveFilterIndex, std::string& extension, uint8_t& format) {
  switch (saveFilterIndex) {
    case 1: extension = "txt"; format = 2; return true;
    case 2: extension = "rtf"; format = 3; return true;
    case 3: extension = "doc"; format = 4; return true;
    default: return false;
  }
}

}  // namespace zentrok
