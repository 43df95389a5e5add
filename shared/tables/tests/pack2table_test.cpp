#include <gtest/gtest.h>

#include "zentrok/KeyCollation.h"
#include "zentrok/Pack2Table.h"
#include "zentrok/TableWriter.h"

using namespace zentrok;

namespace {

TPack2Table Build(const TPackTableWriter& w) {
  const std::vector<uint8_t> image = w.Build();
  return TPack2Table(image.data(), image.size(), "item");
}

}  // namespace

TEST(PackedTable, TextAndIntCellsInPlace) {
  TPackTableWriter w;
  w.AddRow({u"китап", 7, u"", 1 << 20});
  w.AddRow({u"ә"});
  w.AddRow({});
  const std::vector<uint8_t> image = w.Build();
  TPack2Table t(image.data(), image.size(), "item");
  ASSERT_EQ(t.RowCount(), 3);
  EXPECT_EQ(t.RowLength(0), 4);
  EXPECT_EQ(t.RowLength(2), 0);
  EXPECT_EQ(t.CellText(0, 0), u"китап");
  EXPECT_EQ(std::u16string_view(reinterpret_cast<const char16_t*>(t.Cell(0, 0))), u"китап");
  EXPECT_EQ(t.CellInt(0, 1), 7);
  EXPECT_EQ(t.CellText(0, 2), u"");
  EXPECT_EQ(t.CellInt(0, 3), 1 << 20);
  EXPECT_EQ(t.CellLength(0, 0), 12);  // five units and the terminator
  // The pool holds exactly the cells plus the 4 spare bytes of the last
  // boundary, as the image's length says.
  EXPECT_EQ(t.PoolSize(), static_cast<int32_t>(image.size()) - 12 - 4 * 3 - 4 * 5);
  EXPECT_TRUE(t.AllRowsHave(0));
  EXPECT_FALSE(t.AllRowsHave(1));
}

TEST(PackedTable, BoundariesCountFromByte12) {
  TPackTableWriter w;
  w.AddRow({u"аб"});
  std::vector<uint8_t> image = w.Build();
  // 12-byte header, 1 row length, 2 boundaries, then the cell.
  ASSERT_EQ(image.size(), 12u + 4 + 8 + 6);
  EXPECT_EQ(image[16], 12);  // boundary[0] = 4R + 4(C+1) = 12, from byte 12
  TPack2Table t(image.data(), image.size(), "item");
  EXPECT_EQ(t.CellText(0, 0), u"аб");
}

TEST(PackedTable, FindComparisons) {
  TPackTableWriter codes;
  for (int32_t k : {65536 * 3 + 1, 65536 + 5, 65536 + 2, 65536 + 2, -4})
    codes.AddRow({k, u"ending" + std::u16string(1, static_cast<char16_t>(u'0' + (k & 7)))});
  codes.SortInt(0);
  TPack2Table t = Build(codes);
  int32_t index = -1, key = 65536 + 2;
  EXPECT_TRUE(t.Find(&key, index, CompareInt, 0, 0));
  EXPECT_EQ(index, 1);
  int32_t first = -1, last = -1;
  EXPECT_TRUE(t.FindRange(&key, first, last, CompareInt, 0, 0));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(last, 2);
  key = 65536 * 9;
  EXPECT_FALSE(t.Find(&key, index, CompareInt, 0, 0));
  EXPECT_EQ(index, t.RowCount());
  first = last = 42;
  EXPECT_FALSE(t.FindRange(&key, first, last, CompareInt, 0, 0));
  EXPECT_EQ(first, 42);

  TPackTableWriter stems;
  for (const char16_t* s : {u"стол", u"сто", u"Стол", u"студент", u"ст"}) stems.AddRow({s, 1});
  stems.SortText(0);
  TPack2Table st = Build(stems);
  // The first N characters of a word against whole stems.
  const char16_t* word = u"столами";
  EXPECT_TRUE(st.FindRange(word, first, last, ComparePrefix, 0, 4));
  EXPECT_EQ(last - first, 1);
  EXPECT_EQ(st.CellText(first, 0).size(), 4u);
  EXPECT_TRUE(st.Find(word, index, ComparePrefix, 0, 3));
  EXPECT_EQ(st.CellText(index, 0), u"сто");
  EXPECT_FALSE(st.Find(word, index, ComparePrefix, 0, 5));
  EXPECT_TRUE(st.Find(u"СТУДЕНТ", index, CompareWhole, 0, 0));
}

TEST(PackedTable, IndexedTextSearchAgreesWithCompareWhole) {
  TPackTableWriter w;
  std::vector<std::u16string> words;
  for (char16_t a : std::u16string(u"аәбеёжҗнңоөуүхһ-"))
    for (char16_t b : std::u16string(u"аәкл-"))
      words.push_back(std::u16string{a, b}), words.push_back(std::u16string{a});
  for (const auto& s : words) w.AddRow({s, 0});
  w.SortText(0);
  TPack2Table t = Build(w);
  t.IndexTextColumn(0);
  std::vector<std::u16string> probes = words;
  // Texts outside the compact set are searched through the collator.
  for (const char16_t* p : {u"", u"я", u"ААА", u"ӘК", u"-", u"ёл", u"zz", u"а—", u"€"}) probes.push_back(p);
  for (const auto& p : probes) {
    int32_t i1 = -1, i2 = -1, f1 = -5, l1 = -5, f2 = -5, l2 = -5;
    EXPECT_EQ(t.Find(p.c_str(), i1, CompareWhole, 0, 0), t.FindText(p, i2));
    EXPECT_EQ(i1, i2);
    EXPECT_EQ(t.FindRange(p.c_str(), f1, l1, CompareWhole, 0, 0), t.FindTextRange(p, f2, l2));
    EXPECT_EQ(f1, f2);
    EXPECT_EQ(l1, l2);
  }
}

TEST(PackedTable, IndexWithTextsOutsideTheCompactSet) {
  TPackTableWriter w;
  for (const char16_t* s : {u"евро €", u"ел", u"ёл", u"ӱ", u"ат"}) w.AddRow({s});
  w.SortText(0);
  TPack2Table t = Build(w);
  t.IndexTextColumn(0);
  for (const char16_t* s : {u"ЕВРО €", u"ЁЛ", u"ӱ", u"ат"}) {
    int32_t first = -1, last = -1, index = -1;
    EXPECT_TRUE(t.FindTextRange(s, first, last));
    EXPECT_TRUE(t.Find(s, index, CompareWhole, 0, 0));
    EXPECT_EQ(first, index);
    EXPECT_EQ(first, last);
  }
}

TEST(PackedTable, EmptyImage) {
  TPackTableWriter w;
  TPack2Table t = Build(w);
  EXPECT_EQ(t.RowCount(), 0);
  int32_t index = -1, key = 1;
  EXPECT_FALSE(t.Find(&key, index, CompareInt, 0, 0));
  EXPECT_EQ(index, 0);
  t.IndexTextColumn(0);
  EXPECT_FALSE(t.FindText(u"а", index));
  EXPECT_EQ(index, 0);
}
