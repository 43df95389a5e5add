#include <gtest/gtest.h>

#include "zentrok/TatAlphabet.h"

using namespace zentrok;

TEST(CaretNotation, TableAndConversion) {
  const std::string latin = "AaHhJjNnOoYy";
  const std::u16string tatar = u"\u04D8\u04D9\u04BA\u04BB\u0496\u0497\u04A2\u04A3\u04E8\u04E9\u04AE\u04AF";
  for (size_t i = 0; i < latin.size(); ++i) EXPECT_EQ(CaretLetter(latin[i]), tatar[i]) << latin[i];
  EXPECT_EQ(CaretLetter('^'), u'^');
  EXPECT_EQ(CaretLetter('b'), u'\0');

  // "Т^aр^jем^a" in code page 1251 bytes.
  EXPECT_EQ(CaretToWide("\xD2^a\xF0^j\xE5\xEC^a"), u"Тәрҗемә");
  EXPECT_EQ(CaretToWide("a^"), u"a");     // a lone caret at the end is dropped
  EXPECT_EQ(CaretToWide("a^^b"), u"a^b"); // a doubled caret is one caret
  EXPECT_EQ(CaretToWide(""), u"");
}

TEST(CaptionVariant, SelectsByIndex) {
  // "Настройки|К^oйл^a^y"
  const std::string settings = "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8|\xCA^o\xE9\xEB^a^y";
  EXPECT_EQ(CaptionVariant(settings, 1, '|'), u"\u041A\u04E9\u0439\u043B\u04D9\u04AF");
  EXPECT_EQ(CaptionVariant(settings, 0, '|'), u"Настройки");
  EXPECT_EQ(CaptionVariant(settings, -3, '|'), u"Настройки");

  // "Перевод|Т^aр^jем^a|Translate"
  const std::string translate = "\xCF\xE5\xF0\xE5\xE2\xEE\xE4|\xD2^a\xF0^j\xE5\xEC^a|Translate";
  EXPECT_EQ(CaptionVariant(translate, 2, '|'), u"Translate");
  EXPECT_EQ(CaptionVariant(translate, 3, '|'), u"");

  EXPECT_EQ(CaptionVariant("plain", 0, '|'), u"plain");
  EXPECT_EQ(CaptionVariant("plain", 1, '|'), u"");
  EXPECT_EQ(CaptionVariant("a|", 1, '|'), u"");  // separator is the last byte
  EXPECT_EQ(CaptionVariant("hint/xint", 1, '/'), u"xint");
}

TEST(CaptionVariant, RemovesOnlyTheFirstAmpersand) {
  EXPECT_EQ(CaptionVariant("&File && more|&x", 0, '|'), u"File && more");
  EXPECT_EQ(CaptionVariant("&File|&x", 1, '|'), u"&x");
}

TEST(NormalizeTatarCodes, ReplacesSubstitutesOnly) {
  std::u16string s = u"\u045A\u0440\u0404\u0430\u0402\u0409\u040A\u040B\u040C\u040F\u0452\u0459\u045B\u045C\u045F";
  NormalizeTatarCodes(s.data(), static_cast<int>(s.size()));
  EXPECT_EQ(s, u"\u04AF\u0440\u0404\u0430\u04D8\u04E8\u04AE\u04A2\u0496\u04BA\u04D9\u04E9\u04A3\u0497\u04BB");

  std::u16string partial = u"\u0459\u0459";
  NormalizeTatarCodes(partial.data(), 1);  // only the first count characters
  EXPECT_EQ(partial, u"\u04E9\u0459");
}
