#include <gtest/gtest.h>

#include "zentrok/FileCollection.h"
#include "zentrok/Pack2Table.h"
#include "zentrok/TableWriter.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/testing/TempDir.h"

using namespace zentrok;

TEST(FileCollection, RoundTripOfPackedTables) {
  zentrok::testing::TTempDir dir;
  TPackTableWriter endings;
  endings.AddRow({u"ами", 65536 * 2 + 10});
  endings.AddRow({u"", 65536 * 2 + 0});
  endings.SortText(0);
  TCollectionWriter cw;
  cw.AddItem("RNOUNFL", endings.Build());
  cw.AddItem("data\\nounbs", {1, 2, 3});
  cw.AddItem("tnouncd", {});
  cw.AddItem("nounbs", {9});  // a second item of the same name is never found
  cw.Save(dir.File("flip256.coll"));

  TFileCollection c(dir.File("flip256.coll"));
  EXPECT_EQ(c.Count(), 4);
  EXPECT_EQ(c.FileName(), dir.File("flip256.coll"));
  const TFileItem* item = c.FindItem("rnounfl");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Name(), "rnounfl");
  TPack2Table t(item->Memory(), static_cast<size_t>(item->Size()), item->Name());
  int32_t index = -1;
  EXPECT_TRUE(t.Find(u"АМИ", index, CompareWhole, 0, 0));
  EXPECT_EQ(t.CellInt(index, 1), 65536 * 2 + 10);

  const TFileItem* stems = c.FindItem("NOUNBS");  // the folder part is gone
  ASSERT_NE(stems, nullptr);
  EXPECT_EQ(stems->Size(), 3);
  EXPECT_EQ(c.FindItem("tnouncd")->Size(), 0);
  EXPECT_EQ(c.FindItem("missing"), nullptr);
}

TEST(FileCollection, RecordsAndEmptyFiles) {
  TCollectionWriter cw;
  cw.AddItem("only", {7, 7});
  const std::vector<uint8_t> one = cw.Build();
  EXPECT_EQ(one.size(), 262u);  // RecordLength equals the file size
  TFileCollection c(one.data(), one.size(), "one.coll");
  ASSERT_EQ(c.Count(), 1);
  EXPECT_EQ(c.Item(0).Size(), 2);

  TFileCollection empty(nullptr, 0, "empty.coll");
  EXPECT_EQ(empty.Count(), 0);

  zentrok::testing::TTempDir dir;
  zentrok::testing::WriteBytes(dir.File("empty.coll"), {});
  EXPECT_EQ(TFileCollection(dir.File("empty.coll")).Count(), 0);
  EXPECT_THROW(TFileCollection(dir.File("none.coll")), EFOpenError);
  EXPECT_THROW(cw.AddItem(std::string(256, 'n'), {}), EWriteError);
}

TEST(FileCollection, SetNameTakesTheFileNamePart) {
  TFileItem item;
  item.SetName("c:\\data\\rvadjfl");
  EXPECT_EQ(item.Name(), "rvadjfl");
  item.SetName("c:rvadjfl");
  EXPECT_EQ(item.Name(), "rvadjfl");
  EXPECT_EQ(LowerAscii("RVADJFL Ж"), "rvadjfl Ж");
}
