// Damaged table files, packed images and collections: every loader either
// builds a table that stays inside its buffer or raises EDamagedTable naming
// the file and the fault. Never a crash, never a read outside the input.
#include <gtest/gtest.h>

#include <random>

#include "zentrok/FileCollection.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Pack2Table.h"
#include "zentrok/TableWriter.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"
#include "zentrok/testing/TempDir.h"

using namespace zentrok;

namespace {

void Put(std::vector<uint8_t>& b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

std::vector<uint8_t> SampleTextTable() {
  TTextTableWriter w;
  w.AddRow({u"китап", u"книга", u"1"});
  w.AddRow({u"әни", u"мама"});
  w.AddRow({u"өй"});
  w.Sort();
  return w.Build();
}

std::vector<uint8_t> SampleImage() {
  TPackTableWriter w;
  w.AddRow({u"стол", 1, u"өстәл", 2});
  w.AddRow({u"дом", 1, u"өй", 3});
  w.SortText(0);
  return w.Build();
}

template <class F>
std::string DamageMessage(F&& load) {
  try {
    load();
  } catch (const EDamagedTable& e) {
    return e.what();
  }
  return "no error";
}

std::string LoadText(const std::vector<uint8_t>& b) {
  return DamageMessage([&] { TTable::FromBytes(b.data(), b.size(), "flt01.pack"); });
}
std::string LoadImage(const std::vector<uint8_t>& b) {
  return DamageMessage([&] { TPack2Table(b.data(), b.size(), "nounbs"); });
}

// Reads every cell of a loaded table, so that a bad pointer shows up under
// the sanitizers.
size_t Touch(const TTable& t) {
  size_t sum = 0;
  for (int r = 0; r < t.RowCount(); ++r)
    for (int c = 0; c < t.RowLength(r); ++c)
      for (char16_t ch : t.Cell(r, c)) sum += ch;
  int index;
  t.Find(u"китап", index);
  return sum;
}

}  // namespace

TEST(DamagedTextTable, HeaderCountsAndOffsets) {
  const std::vector<uint8_t> good = SampleTextTable();
  EXPECT_EQ(LoadText(good), "no error");
  EXPECT_EQ(LoadText({1, 2, 3}), "Damaged table file \"flt01.pack\": shorter than the 12-byte header");

  auto b = good;
  Put(b, 4, -1);
  EXPECT_NE(LoadText(b).find("negative row or cell count"), std::string::npos);
  b = good;
  Put(b, 4, 0x10000000);  // more rows than the file can hold
  EXPECT_NE(LoadText(b).find("past the end of the file"), std::string::npos);
  b = good;
  Put(b, 12, 1);  // row 0 ("әни") now claims 1 cell instead of 2
  EXPECT_NE(LoadText(b).find("do not add up"), std::string::npos);
  b = good;
  Put(b, 12, 100);
  EXPECT_NE(LoadText(b).find("more than the cell count"), std::string::npos);
  const size_t offsets = 12 + 4 * 3;
  b = good;
  Put(b, offsets, static_cast<int32_t>(b.size()));  // text beyond the end
  EXPECT_NE(LoadText(b).find("text of cell 0 lies outside the file"), std::string::npos);
  b = good;
  Put(b, offsets + 4 * 6, 0x7FFFFFFF);  // length overflowing the file
  EXPECT_NE(LoadText(b).find("lies outside the file"), std::string::npos);
  b = good;
  Put(b, offsets + 4 * 6, -3);
  EXPECT_NE(LoadText(b).find("lies outside the file"), std::string::npos);
}

TEST(DamagedTextTable, DamagedFileOnDiskNamesTheFullPath) {
  zentrok::testing::TTempDir dir;
  zentrok::testing::WriteBytes(dir.File("flr01.pack"), {0, 0, 0});
  try {
    TTable t(Utf8ToUtf16(dir.File("flr01.pack")));
    FAIL();
  } catch (const EDamagedTable& e) {
    EXPECT_EQ(std::string(e.what()),
              "Damaged table file \"" + dir.File("flr01.pack") + "\": shorter than the 12-byte header");
  }
}

TEST(DamagedTextTable, EveryTruncationIsSafe) {
  const std::vector<uint8_t> good = SampleTextTable();
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    try {
      Touch(TTable::FromBytes(cut.data(), cut.size(), "cut"));
    } catch (const EDamagedTable&) {
    }
  }
}

TEST(DamagedPackedImage, HeaderAndBoundaries) {
  const std::vector<uint8_t> good = SampleImage();
  EXPECT_EQ(LoadImage(good), "no error");
  EXPECT_NE(LoadImage({0, 0}).find("shorter than its 12-byte header"), std::string::npos);
  auto b = good;
  Put(b, 0, static_cast<int32_t>(b.size()) + 1);  // L larger than the item
  EXPECT_NE(LoadImage(b).find("does not fit its item"), std::string::npos);
  b = good;
  Put(b, 0, 20);  // L too small for the cells
  EXPECT_NE(LoadImage(b).find("smaller than its header"), std::string::npos);
  b = good;
  Put(b, 0, static_cast<int32_t>(b.size()) - 8);
  EXPECT_NE(LoadImage(b).find("do not fit the length"), std::string::npos);
  const size_t bounds = 12 + 4 * 2;
  b = good;
  Put(b, bounds + 4, 3);  // boundary going backwards
  EXPECT_NE(LoadImage(b).find("packed cell 0 lies outside its item"), std::string::npos);
  b = good;
  Put(b, bounds + 4 * 8, static_cast<int32_t>(b.size()));  // last boundary past the end
  EXPECT_NE(LoadImage(b).find("lies outside its item"), std::string::npos);
  b = good;
  Put(b, bounds + 4, static_cast<int32_t>(good[bounds]) + 3);  // odd cell
  EXPECT_NE(LoadImage(b).find("odd length"), std::string::npos);
  b = good;
  Put(b, 8, 9);
  EXPECT_NE(LoadImage(b).find("do not add up"), std::string::npos);
}

TEST(DamagedPackedImage, EveryTruncationIsSafe) {
  const std::vector<uint8_t> good = SampleImage();
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    try {
      TPack2Table t(cut.data(), cut.size(), "cut");
      for (int r = 0; r < t.RowCount(); ++r)
        for (int c = 0; c < t.RowLength(r); ++c) (void)t.CellText(r, c);
    } catch (const EDamagedTable&) {
    }
  }
}

TEST(DamagedCollection, RecordLengths) {
  TCollectionWriter w;
  w.AddItem("a", {1, 2, 3, 4});
  w.AddItem("b", {5});
  const std::vector<uint8_t> good = w.Build();
  auto load = [](const std::vector<uint8_t>& b) {
    return DamageMessage([&] { TFileCollection c(b.data(), b.size(), "flip16.coll"); });
  };
  EXPECT_EQ(load(good), "no error");
  auto b = good;
  Put(b, 0, 259);
  EXPECT_EQ(load(b), "Damaged table file \"flip16.coll\": record at byte 0 is shorter than its name (259 bytes)");
  b = good;
  Put(b, 264, 262);  // second record one byte longer than the rest of the file
  EXPECT_EQ(load(b), "Damaged table file \"flip16.coll\": record at byte 264 runs past the end of the file");
  b = good;
  b.push_back(0);
  b.push_back(0);
  EXPECT_EQ(load(b), "Damaged table file \"flip16.coll\": record at byte 525 is cut off");
  b = good;
  Put(b, 0, -5);
  EXPECT_NE(load(b).find("shorter than its name"), std::string::npos);
}

TEST(DamagedInputs, RandomMutationsNeverCrash) {
  std::mt19937 rng(12345);
  const std::vector<std::vector<uint8_t>> seeds = {SampleTextTable(), SampleImage()};
  for (int round = 0; round < 3000; ++round) {
    const auto& seed = seeds[round % 2];
    std::vector<uint8_t> b = seed;
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) b[rng() % b.size()] = static_cast<uint8_t>(rng());
    if (rng() % 4 == 0) b.resize(rng() % b.size());
    try {
      if (round % 2 == 0)
        Touch(TTable::FromBytes(b.data(), b.size(), "m"));
      else
        TPack2Table(b.data(), b.size(), "m");
    } catch (const EDamagedTable&) {
    }
  }
}
