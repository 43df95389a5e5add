// The start number, the start-command table, the status-bar formats, the
// remaining-time estimate, the geometry rule and the document tables.
#include <gtest/gtest.h>

#include "zentrok/StartUp.h"
#include "zentrok/Utf.h"
#include "zentrok/VennelTexts.h"

using namespace zentrok;

namespace {
std::string S(const std::u16string& s) { return Utf16ToUtf8(s); }
}  // namespace

TEST(StartNumber, LeadingDigitsCount) {
  EXPECT_EQ(StartNumber(nullptr), 0);
  EXPECT_EQ(StartNumber(""), 0);
  EXPECT_EQ(StartNumber("3"), 3);
  EXPECT_EQ(StartNumber("3x"), 3);
  EXPECT_EQ(StartNumber("x"), 0);
  EXPECT_EQ(StartNumber("x3"), 0);
  EXPECT_EQ(StartNumber(" 8"), 8);
  EXPECT_EQ(StartNumber("-2"), -2);
  EXPECT_EQ(StartNumber("99999999999"), INT32_MAX);
  EXPECT_EQ(StartNumber("-99999999999"), INT32_MIN);
}

TEST(StartCommand, TableAndSelfPosting) {
  EXPECT_EQ(StartCommandOf(1), (TStartCommand{1, 2}));
  EXPECT_EQ(StartCommandOf(3), (TStartCommand{1, 1}));
  EXPECT_EQ(StartCommandOf(6), (TStartCommand{2, 3}));
  EXPECT_EQ(StartCommandOf(8), (TStartCommand{3, 1}));
  for (int n : {0, 9, -1, 100}) EXPECT_EQ(StartCommandOf(n), (TStartCommand{0, 2})) << n;
  int self = 0;
  for (int n = -1; n <= 10; ++n) self += StartCommandToSelf(n) ? 1 : 0;
  EXPECT_EQ(self, 6);
  EXPECT_FALSE(StartCommandToSelf(5));
  EXPECT_FALSE(StartCommandToSelf(6));
  EXPECT_TRUE(StartCommandToSelf(7));
}

TEST(StatusTexts, DurationUnitsAndLanguages) {
  EXPECT_EQ(S(DurationText(3725000, 0)), "1 ч 2 мин 5 сек ");
  EXPECT_EQ(S(DurationText(3725000, 1)), "1 с 2 мин 5 сек");
  EXPECT_EQ(S(DurationText(0, 0)), "0 сек ");
  EXPECT_EQ(S(DurationText(999, 0)), "0 сек ");
  EXPECT_EQ(S(DurationText(86400000LL * 2 + 60000, 0)), "2 д 1 мин 0 сек ");
  EXPECT_EQ(S(DurationText(86400000LL * 2, 1)), "2 к0 сек");
  EXPECT_EQ(S(DurationText(-5, 0)), "0 сек ");
}

TEST(StatusTexts, ElapsedShowsSecondsOnlyWhenNeeded) {
  EXPECT_EQ(S(ElapsedText(0, 0, 0, 0)), "Прошло: 0 сек");
  EXPECT_EQ(S(ElapsedText(0, 2, 0, 0)), "Прошло: 2 мин ");
  EXPECT_EQ(S(ElapsedText(1, 0, 7, 0)), "Прошло: 1 ч 7 сек");
  EXPECT_EQ(S(ElapsedText(1, 2, 3, 1)), "Үтеп китте: 1 с 2 мин 3 сек");
}

TEST(StatusTexts, LineCountsByPluralClass) {
  EXPECT_EQ(S(LineCountText(21, 0)), "21 строка");
  EXPECT_EQ(S(LineCountText(3, 0)), "3 строки");
  EXPECT_EQ(S(LineCountText(11, 0)), "11 строк");
  EXPECT_EQ(S(LineCountText(0, 0)), "0 строк");
  EXPECT_EQ(S(LineCountText(112, 0)), "112 строк");
  EXPECT_EQ(S(LineCountText(21, 1)), "21 юл");
  EXPECT_EQ(S(LineCountText(3, 1)), "3 юл");
}

TEST(StatusTexts, PercentAndRemainingTime) {
  EXPECT_EQ(S(PercentNumber(42.0f)), "42");
  EXPECT_EQ(S(PercentNumber(100.0f)), "100");
  EXPECT_EQ(S(PercentNumber(2.5f)), "2.5");
  EXPECT_EQ(RemainingMs(25.0f, 1000), 3000);
  EXPECT_EQ(RemainingMs(50.0f, 0), 1);      // elapsed 0 counts as 1 ms
  EXPECT_EQ(RemainingMs(0.0f, 500), 0);     // no rate yet
  EXPECT_EQ(RemainingMs(101.0f, 500), 0);   // progress may pass 100
  // (100 - 80) / (80 / 10) = 2.5 rounds to the even 2.
  EXPECT_EQ(RemainingMs(80.0f, 10), 2);
}

TEST(Captions, DirectionTexts) {
  EXPECT_EQ(S(CapVariant(SourceBoxCaption(1), 0)), "Оригинал: Татарский");
  EXPECT_EQ(S(CapVariant(TargetBoxCaption(1), 1)), "Тәрҗемә: Русча");
  EXPECT_EQ(S(CapVariant(TargetBoxCaption(0), 0)), "Перевод: Татарский");
  EXPECT_EQ(S(CapVariant(DirectionHint(0), 2, '/')), "Russian -> Tatar");
  // Stored bytes are code page 1251 with caret pairs.
  EXPECT_EQ(Cap("Т^aр^jем^a"), std::string("\xD2^a\xF0^j\xE5\xEC^a"));
}

TEST(Geometry, SmallerScreenShrinksToEightyTwoPercent) {
  TGlobalSettings s{};
  FillDefaultSettings(s, {1920, 1600});
  s.MainHeight = 1200;
  s.MainWidth = 1500;
  s.MainTop = 100;
  s.MainLeft = 50;
  FitMainWindowToScreen(s, {1920, 768});
  EXPECT_EQ(s.MainHeight, 630);  // 629.76
  EXPECT_EQ(s.MainWidth, 1500);  // not narrower
  EXPECT_EQ(s.MainTop, 100);
  EXPECT_EQ(s.MainLeft, 50);
  FitMainWindowToScreen(s, {1024, 2000});
  EXPECT_EQ(s.MainWidth, 840);   // 839.68
  EXPECT_EQ(s.MainHeight, 630);  // a taller screen changes nothing
}

TEST(Documents, LoadTypeAndSaveFormat) {
  EXPECT_EQ(LoadTypeOf(1, "/a/x.RTF"), 2);
  EXPECT_EQ(LoadTypeOf(1, "/a/x.doc"), 3);
  EXPECT_EQ(LoadTypeOf(1, "/a/x.DOCX"), 3);
  EXPECT_EQ(LoadTypeOf(1, "/a/x.txt"), 1);
  EXPECT_EQ(LoadTypeOf(1, "/a.rtf/x"), 1);  // the folder's dot does not count
  EXPECT_EQ(LoadTypeOf(1, "/a/x.odt"), 1);
  EXPECT_EQ(LoadTypeOf(2, "/a/x.txt"), 2);
  EXPECT_EQ(LoadTypeOf(3, "/a/x.txt"), 3);
  EXPECT_EQ(LoadTypeOf(4, "/a/x.rtf"), 1);
  std::string ext = "keep";
  uint8_t format = 9;
  EXPECT_TRUE(SaveFormatOf(1, ext, format));
  EXPECT_EQ(ext, "txt");
  EXPECT_EQ(format, 2);
  EXPECT_TRUE(SaveFormatOf(3, ext, format));
  EXPECT_EQ(format, 4);
  ext = "keep";
  EXPECT_FALSE(SaveFormatOf(4, ext, format));
  EXPECT_EQ(ext, "keep");
  EXPECT_EQ(format, 4);
}
