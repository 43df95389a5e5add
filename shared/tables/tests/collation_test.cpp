#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "zentrok/KeyCollation.h"
#include "zentrok/MyTables3.h"
#include "zentrok/TableWriter.h"

using namespace zentrok;

namespace {
int ByKeys(std::u16string_view a, std::u16string_view b) {
  std::string ka, kb;
  KeySortKey(a, ka);
  KeySortKey(b, kb);
  return CompareSortKeys(reinterpret_cast<const uint8_t*>(ka.data()), ka.size(),
                         reinterpret_cast<const uint8_t*>(kb.data()), kb.size());
}
}  // namespace

TEST(KeyCollation, CaseIsIgnored) {
  EXPECT_EQ(KeyCompare(u"КИТАП", u"китап"), 0);
  EXPECT_EQ(KeyCompare(u"ӘНИ", u"әни"), 0);
  EXPECT_EQ(KeyCompare(u"ҮҢҖҺӨ", u"үңҗһө"), 0);
  EXPECT_EQ(ByKeys(u"КИТАП", u"китап"), 0);
}

TEST(KeyCollation, TatarAndRussianAlphabets) {
  // Each letter sorts after the one before it.
  const std::u16string tatar = u"аәбвгдеёжҗзийклмнңоөпрстуүфхһцчшщъыьэюя";
  for (size_t i = 1; i < tatar.size(); ++i) {
    const std::u16string a(1, tatar[i - 1]), b(1, tatar[i]);
    EXPECT_LT(KeyCompare(a, b), 0) << i;
    EXPECT_LT(ByKeys(a, b), 0) << i;
  }
  EXPECT_LT(KeyCompare(u"ана", u"әни"), 0);
  EXPECT_LT(KeyCompare(u"ай", u"әни"), 0);
  EXPECT_LT(KeyCompare(u"ай", u"ана"), 0);
  EXPECT_LT(KeyCompare(u"әни", u"бал"), 0);
  EXPECT_NE(KeyCompare(u"е", u"ё"), 0);
  EXPECT_NE(KeyCompare(u"ел", u"ёл"), 0);
  EXPECT_NE(KeyCompare(u"и", u"й"), 0);
}

TEST(KeyCollation, PunctuationWeighsLessThanLetters) {
  EXPECT_NE(KeyCompare(u"а-б", u"аб"), 0);  // distinct keys
  EXPECT_LT(KeyCompare(u"а-б", u"аа"), 0);  // the hyphen weighs less than any letter
  EXPECT_LT(KeyCompare(u"а'б", u"аа"), 0);
  EXPECT_LT(KeyCompare(u"кем-дер", u"кема"), 0);
  EXPECT_LT(KeyCompare(u"", u"а"), 0);
  EXPECT_LT(KeyCompare(u"ат", u"ата"), 0);
}

TEST(KeyCollation, SortKeysAgreeWithCompare) {
  const std::vector<std::u16string> words = {
      u"", u"а", u"А", u"а-б", u"аб", u"Аб", u"ай", u"ана", u"әни", u"ӘНИ", u"ел", u"ёл", u"Ёлка",
      u"кем-дер", u"кемдер", u"китап", u"КИТАПЛАР", u"l'eau", u"12", u"1-2", u"я", u"ь", u"ъ",
      u"өй", u"үрдәк", u"һава", u"җир", u"таң", u"x y", u"xy", u"дом", u"до", u"дом-музей"};
  for (const auto& a : words)
    for (const auto& b : words) EXPECT_EQ(KeyCompare(a, b), ByKeys(a, b)) << "pair";
}

TEST(KeyCollation, WriterAndLoaderUseTheSameOrder) {
  // The writer sorts, the loader searches: every word is found at the row
  // the writer put it in, whatever case the search uses.
  TTextTableWriter w;
  const std::vector<std::u16string> words = {u"әни", u"ай", u"ана", u"Бал", u"а-б", u"аб", u"ел",
                                             u"ёл", u"үрдәк", u"урман", u"өй", u"ой"};
  for (const auto& word : words) w.AddRow({word, u"x"});
  w.Sort();
  const std::vector<uint8_t> bytes = w.Build();
  TTable t = TTable::FromBytes(bytes.data(), bytes.size(), "mem");
  for (int r = 1; r < t.RowCount(); ++r) EXPECT_LT(KeyCompare(t.Cell(r - 1, 0), t.Cell(r, 0)), 0);
  int ai = -1, anai = -1, anii = -1;
  ASSERT_TRUE(t.Find(u"АЙ", ai));
  ASSERT_TRUE(t.Find(u"Ана", anai));
  ASSERT_TRUE(t.Find(u"ӘНИ", anii));
  EXPECT_LT(ai, anai);
  EXPECT_LT(anai, anii);
}

namespace {

std::string Fast(std::u16string_view s) {
  std::string k;
  EXPECT_TRUE(KeyFastKey(s, k));
  return k;
}

int ByFastKeys(std::u16string_view a, std::u16string_view b) {
  const std::string ka = Fast(a), kb = Fast(b);
  return CompareSortKeys(reinterpret_cast<const uint8_t*>(ka.data()), ka.size(),
                         reinterpret_cast<const uint8_t*>(kb.data()), kb.size());
}

std::u16string CompactSet() {
  std::u16string set;
  for (char16_t c = 0x20; c <= 0x7E; ++c) set.push_back(c);
  for (char16_t c = 0x0400; c <= 0x045F; ++c) set.push_back(c);
  set += u"\u0496\u0497\u04A2\u04A3\u04AE\u04AF\u04BA\u04BB\u04D8\u04D9\u04E8\u04E9";
  return set;
}

// Sorts the texts with KeyCompare and checks that compact keys give the
// same sequence and the same groups of equal texts: the two orders are then
// the same on the whole list.
void ExpectSameOrder(std::vector<std::u16string> texts) {
  std::stable_sort(texts.begin(), texts.end(),
                   [](const std::u16string& a, const std::u16string& b) { return KeyCompare(a, b) < 0; });
  size_t disagreements = 0;
  for (size_t i = 1; i < texts.size(); ++i) {
    const int icu = KeyCompare(texts[i - 1], texts[i]);
    const int fast = ByFastKeys(texts[i - 1], texts[i]);
    if (icu != fast && ++disagreements < 10)
      ADD_FAILURE() << "order differs at " << i << ": " << icu << " vs " << fast;
  }
  EXPECT_EQ(disagreements, 0u);
}

}  // namespace

TEST(KeyCollation, CompactKeysCoverTheCommonCharacters) {
  for (char16_t c : CompactSet()) {
    std::string k;
    EXPECT_TRUE(KeyFastKey(std::u16string(1, c), k)) << static_cast<int>(c);
  }
  std::string k;
  EXPECT_FALSE(KeyFastKey(u"a\u2014b", k));  // an em dash is outside the set
  EXPECT_TRUE(k.empty());
  uint8_t small[2];
  EXPECT_EQ(KeyFastKey(u"аб", small, sizeof small), 5u);  // too small: the length needed
  EXPECT_EQ(KeyFastKey(u"€", small, sizeof small), kNoFastKey);
  EXPECT_EQ(ByFastKeys(u"КИТАП", u"китап"), 0);
  EXPECT_NE(ByFastKeys(u"ел", u"ёл"), 0);
  EXPECT_NE(ByFastKeys(u"а-б", u"аб"), 0);
}

TEST(KeyCollation, CompactKeysOrderAllShortTextsLikeTheCollator) {
  // Every text of one and two characters of the set, and the empty text.
  const std::u16string set = CompactSet();
  std::vector<std::u16string> texts = {u""};
  for (char16_t a : set) {
    texts.push_back(std::u16string(1, a));
    for (char16_t b : set) texts.push_back(std::u16string{a, b});
  }
  ExpectSameOrder(std::move(texts));
}

TEST(KeyCollation, CompactKeysOrderLongerTextsLikeTheCollator) {
  // Longer texts from a smaller alphabet, so that many share long prefixes
  // and differ late, at the secondary level, or in case only.
  const std::u16string letters = u"аАәӘеЕёЁиийЙоөуүжҗнңхһ-' ьъ1aZ";
  std::mt19937 rng(99);
  std::vector<std::u16string> texts;
  for (int i = 0; i < 60000; ++i) {
    std::u16string s;
    for (size_t n = 1 + rng() % 7; n; --n) s.push_back(letters[rng() % letters.size()]);
    texts.push_back(s);
  }
  ExpectSameOrder(std::move(texts));
}
