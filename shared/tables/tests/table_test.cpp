#include <gtest/gtest.h>

#include "zentrok/KeyCollation.h"
#include "zentrok/MyTables3.h"
#include "zentrok/TableWriter.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"
#include "zentrok/testing/TempDir.h"

using namespace zentrok;

namespace {

TTable Load(const TTextTableWriter& w) {
  const std::vector<uint8_t> bytes = w.Build();
  return TTable::FromBytes(bytes.data(), bytes.size(), "mem");
}

int ReverseKeys(std::u16string_view key, int row, const TTable& t) {
  return -KeyCompare(key, t.Cell(row, 0));
}

}  // namespace

TEST(TextTable, RoundTripFindsEveryKey) {
  zentrok::testing::TTempDir dir;
  TTextTableWriter w;
  std::vector<std::u16string> keys;
  for (char16_t a = u'а'; a <= u'я'; ++a)
    for (char16_t b : std::u16string(u"әөүҗңһаб")) keys.push_back(std::u16string{a, b, u'к'});
  for (size_t i = 0; i < keys.size(); ++i) w.AddRow({keys[i], Utf8ToUtf16(std::to_string(i))});
  w.AddRow({});  // a row with no cells at all
  w.Sort();
  w.Save(dir.File("t.pack"));

  TTable t(Utf8ToUtf16(dir.File("t.pack")));
  ASSERT_EQ(t.RowCount(), static_cast<int>(keys.size()) + 1);
  EXPECT_EQ(t.RowLength(0), 0);  // rows without the key column sort first
  for (size_t i = 0; i < keys.size(); ++i) {
    int row = -1;
    ASSERT_TRUE(t.Find(keys[i], row)) << i;
    EXPECT_EQ(t.GetInt(row, 1), static_cast<int>(i));
    EXPECT_EQ(t.GetCell(row, 0), keys[i]);
  }
}

TEST(TextTable, FindGivesFirstOfEqualKeysAndInsertionPoints) {
  TTextTableWriter w;
  for (const char16_t* k : {u"б", u"в", u"в", u"В", u"г"}) w.AddRow({k});
  w.AddRow({u"е", u"x"});
  TTable t = Load(w);
  int index = -1;
  EXPECT_TRUE(t.Find(u"в", index));
  EXPECT_EQ(index, 1);
  int first = -1, last = -1;
  EXPECT_TRUE(t.FindRange(u"В", first, last));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(last, 3);

  EXPECT_FALSE(t.Find(u"а", index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(t.Find(u"я", index));
  EXPECT_EQ(index, t.RowCount());
  EXPECT_FALSE(t.Find(u"д", index));
  EXPECT_EQ(index, 5);
  first = last = 77;
  EXPECT_FALSE(t.FindRange(u"д", first, last));
  EXPECT_EQ(first, 5);  // the insertion point
  EXPECT_EQ(last, 77);  // unchanged

  // A custom comparison is used as given.
  TTextTableWriter rw;
  for (const char16_t* k : {u"в", u"б", u"а"}) rw.AddRow({k});
  TTable rt = Load(rw);
  EXPECT_TRUE(rt.Find(u"б", index, ReverseKeys));
  EXPECT_EQ(index, 1);
}

TEST(TextTable, ShortRowsNeverMatch) {
  TTable t(3, 2, 1);  // searched on column 1
  t.SetCell(0, 1, u"а");
  t.SetCell(1, 1, u"б");
  t.SetCell(2, 1, u"в");
  int index = -1;
  EXPECT_TRUE(t.Find(u"Б", index));
  EXPECT_EQ(index, 1);
  t.SetCell(1, 1, u"г");  // replacing a key cell keeps the search right
  EXPECT_FALSE(t.Find(u"б", index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(TTable::CompareKeys(u"а", 0, t), 0);

  TTable narrow(2, 1, 3);  // no row has the key column
  EXPECT_FALSE(narrow.Find(u"а", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(TTable::CompareKeys(u"а", 0, narrow), 1);
}

TEST(TextTable, KeysOutsideTheCompactSet) {
  // A table with one key outside the compact set, a compact table searched
  // for such a key, and a key cell replaced by such a text: all stay exact.
  TTextTableWriter w;
  for (const char16_t* k : {u"№ 5", u"ат", u"ел", u"ёл", u"ӱ"}) w.AddRow({k});
  w.Sort();
  TTable t = Load(w);
  int index = -1, first = -1, last = -1;
  EXPECT_TRUE(t.Find(u"ЁЛ", index));
  EXPECT_TRUE(t.FindRange(u"№ 5", first, last));
  EXPECT_EQ(first, last);

  TTable c(3, 1, 0);
  c.SetCell(0, 0, u"а");
  c.SetCell(1, 0, u"б");
  c.SetCell(2, 0, u"в");
  EXPECT_FALSE(c.Find(u"б€", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(c.FindRange(u"€", first, last));
  c.SetCell(2, 0, u"в€");
  EXPECT_TRUE(c.Find(u"В€", index));
  EXPECT_EQ(index, 2);
  EXPECT_TRUE(c.Find(u"Б", index));
  EXPECT_EQ(index, 1);
}

TEST(TextTable, EmptyTable) {
  TTextTableWriter w;
  TTable t = Load(w);
  EXPECT_EQ(t.RowCount(), 0);
  int index = -1;
  EXPECT_FALSE(t.Find(u"x", index));
  EXPECT_EQ(index, 0);
}

TEST(TextTable, GetIntParsing) {
  TTable t(1, 16, 0);
  const std::vector<std::pair<std::u16string, int>> cases = {
      {u"12", 12},        {u"  7", 7},          {u"-5", -5},           {u"+9", 9},
      {u"$1F", 31},       {u"x10", 16},         {u"0x10", 16},         {u"-$10", -16},
      {u"abc", -1},       {u"", -1},            {u"12 ", -1},          {u"1.5", -1},
      {u"2147483647", 2147483647}, {u"2147483648", -1}, {u"-2147483648", INT32_MIN},
      {u"٣", -1}};
  for (size_t i = 0; i < cases.size(); ++i) t.SetCell(0, static_cast<int>(i), cases[i].first);
  for (size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(t.GetInt(0, static_cast<int>(i)), cases[i].second) << Utf16ToUtf8(cases[i].first);
}

TEST(TextTable, OffsetsCountFromByte12AndCellsMayShareText) {
  // Hand-made file: one row of two cells, the second at an odd offset and
  // both reading parts of one text.
  std::vector<uint8_t> f(12 + 4 + 8 + 8, 0);
  auto put = [&](size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
  };
  put(4, 1);
  put(8, 2);
  put(12, 2);
  const std::u16string text = u"китап";
  const int32_t textOff = static_cast<int32_t>(f.size()) - 12;
  for (char16_t c : text) {
    f.push_back(static_cast<uint8_t>(c));
    f.push_back(static_cast<uint8_t>(c >> 8));
  }
  f.push_back(0);
  for (char16_t c : std::u16string(u"ал")) {
    f.push_back(static_cast<uint8_t>(c));
    f.push_back(static_cast<uint8_t>(c >> 8));
  }
  put(16, textOff);
  put(20, textOff + 11);  // odd: "ал" after the spare byte
  put(24, 5);
  put(28, 2);
  TTable t = TTable::FromBytes(f.data(), f.size(), "mem");
  EXPECT_EQ(t.GetCell(0, 0), u"китап");
  EXPECT_EQ(t.GetCell(0, 1), u"ал");
}

TEST(TextTable, MissingFileRaisesOpenError) {
  zentrok::testing::TTempDir dir;
  try {
    TTable t(Utf8ToUtf16(dir.File("flt01.pack")));
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + dir.File("flt01.pack") + "\". No such file or directory");
  }
}
