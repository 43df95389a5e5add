#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

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
