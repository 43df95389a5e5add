#include <gtest/gtest.h>

#include <thread>

#include "zentrok/Classes_Trg.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"
#include "zentrok/testing/TempDir.h"

using namespace zentrok;
using zentrok::testing::ReadBytes;
using zentrok::testing::TTempDir;
using zentrok::testing::WriteBytes;

namespace {

std::vector<uint8_t> Utf16Le(std::u16string_view s, bool mark) {
  std::vector<uint8_t> out;
  if (mark) out = {0xFF, 0xFE};
  for (char16_t c : s) {
    out.push_back(static_cast<uint8_t>(c));
    out.push_back(static_cast<uint8_t>(c >> 8));
  }
  return out;
}

std::vector<std::u16string> Items(const TWideStrings& l) {
  std::vector<std::u16string> v;
  for (int i = 0; i < l.GetCount(); ++i) v.push_back(l.Get(i));
  return v;
}

TWideStringList Make(std::initializer_list<const char16_t*> items) {
  TWideStringList l;
  for (const char16_t* s : items) l.Add(s);
  return l;
}

}  // namespace

TEST(WideStringList, SetTextStrLineBreaks) {
  TWideStringList l;
  l.SetTextStr(u"\uFEFFa\r\nb\rc\nd");
  EXPECT_EQ(Items(l), (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
  l.SetTextStr(u"a\r\n");  // a final break adds no empty item
  EXPECT_EQ(Items(l), (std::vector<std::u16string>{u"a"}));
  l.SetTextStr(u"a\n\nb");  // two breaks add one empty item
  EXPECT_EQ(Items(l), (std::vector<std::u16string>{u"a", u"", u"b"}));
  l.SetTextStr(u"a\n\rb");  // LF then CR is two breaks
  EXPECT_EQ(Items(l), (std::vector<std::u16string>{u"a", u"", u"b"}));
  l.SetTextStr(std::u16string(u"x\0y", 3));  // stops at U+0000
  EXPECT_EQ(Items(l), (std::vector<std::u16string>{u"x"}));
  l.SetTextStr(u"");
  EXPECT_EQ(l.GetCount(), 0);
}

TEST(WideStringList, GetTextStr) {
  TWideStringList l = Make({u"a", u"", u"b"});
  EXPECT_EQ(l.GetTextStr(), u"a\r\n\r\nb");
  l.SetWriteBOM(true);
  EXPECT_EQ(l.GetTextStr(), u"\uFEFFa\r\n\r\nb");
  EXPECT_EQ(TWideStringList().GetTextStr(), u"");
}

TEST(WideStringList, SaveAndLoadFiles) {
  TTempDir dir;
  const std::u16string name = Utf8ToUtf16(dir.File("list.txt"));
  TWideStringList l = Make({u"a", u"", u"b"});
  l.SaveToFile(name);
  EXPECT_EQ(ReadBytes(dir.File("list.txt")), Utf16Le(u"a\r\n\r\nb", true));

  TWideStringList empty;
  empty.SaveToFile(Utf8ToUtf16(dir.File("empty.txt")));
  EXPECT_TRUE(ReadBytes(dir.File("empty.txt")).empty());

  WriteBytes(dir.File("in.txt"), Utf16Le(u"x\ry\n", true));
  TWideStringList in;
  in.LoadFromFile(Utf8ToUtf16(dir.File("in.txt")));
  EXPECT_EQ(Items(in), (std::vector<std::u16string>{u"x", u"y"}));

  WriteBytes(dir.File("nul.txt"), Utf16Le(std::u16string(u"ab\0cd", 5), false));
  in.LoadFromFile(Utf8ToUtf16(dir.File("nul.txt")));
  EXPECT_EQ(Items(in), (std::vector<std::u16string>{u"ab"}));

  // An empty name saves under the name of the last load.
  in.Add(u"more");
  in.SaveToFile(u"");
  EXPECT_EQ(ReadBytes(dir.File("nul.txt")), Utf16Le(u"ab\r\nmore", true));
}

TEST(WideStringList, FailedLoadKeepsItemsButStoresName) {
  TTempDir dir;
  TWideStringList l = Make({u"keep"});
  const std::u16string missing = Utf8ToUtf16(dir.File("missing.txt"));
  try {
    l.LoadFromFile(missing);
    FAIL() << "expected EFOpenError";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + dir.File("missing.txt") + "\". No such file or directory");
  }
  EXPECT_EQ(Items(l), (std::vector<std::u16string>{u"keep"}));
  EXPECT_EQ(l.FileName(), missing);
  EXPECT_EQ(l.UpdateCount(), 0);

  EXPECT_THROW(l.SaveToFile(Utf8ToUtf16(dir.File("no/folder/x.txt"))), EFCreateError);
}

TEST(WideStringList, SaveToStreamAdjustsLineBreaks) {
  TWideStringList l = Make({u"a\nb"});
  TMemoryStream m;
  l.SaveToStream(m);
  EXPECT_EQ(std::vector<uint8_t>(m.Memory(), m.Memory() + m.Size()), Utf16Le(u"a\r\nb", false));

  m.SetPosition(0);
  TWideStringList back;
  back.LoadFromStream(m);
  EXPECT_EQ(Items(back), (std::vector<std::u16string>{u"a", u"b"}));
}

TEST(WideStringList, FindIsCaseInsensitiveAndGivesFirstMatch) {
  TWideStringList l = Make({u"a", u"b", u"b", u"c"});
  int index = 99;
  EXPECT_TRUE(l.Find(u"B", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(l.Find(u"bb", index));
  EXPECT_EQ(index, -1);

  TWideStringList cyr = Make({u"ана", u"китап", u"КИТАП", u"әни"});
  EXPECT_TRUE(cyr.Find(u"Китап", index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(cyr.IndexOf(u"ӘНИ"), 3);
}

TEST(WideStringList, AddSortedPositions) {
  TWideStringList l = Make({u"a", u"c"});
  EXPECT_EQ(l.AddSorted(u"b"), 1);
  EXPECT_EQ(l.AddSorted(u"d"), 3);
  EXPECT_EQ(l.AddSorted(u"0"), 0);
  EXPECT_EQ(Items(l), (std::vector<std::u16string>{u"0", u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(TWideStringList().AddSorted(u"x"), 0);

  // Building a sorted list of unique words with Find and AddSorted.
  TWideStringList words;
  for (const char16_t* w : {u"үрдәк", u"алма", u"бал", u"өй", u"алма", u"ат", u"яшь", u"әни"}) {
    int at;
    if (!words.Find(w, at)) words.AddSorted(w);
  }
  EXPECT_EQ(Items(words), (std::vector<std::u16string>{u"алма", u"ат", u"әни", u"бал", u"өй", u"үрдәк",
                                                        u"яшь"}));
  // An equal string goes after the equal item.
  TWideStringList eq = Make({u"a", u"b", u"c"});
  EXPECT_EQ(eq.AddSorted(u"B"), 2);
}

TEST(WideStringList, SortAndMove) {
  TWideStringList l = Make({u"яшь", u"Алма", u"бал", u"ат", u"әни", u"ӨЙ", u"алма"});
  l.Sort();
  for (int i = 1; i < l.GetCount(); ++i) EXPECT_LE(l.CompareStrings(l[i - 1], l[i]), 0);
  l.Move(0, 6);
  EXPECT_EQ(l[6].size(), 4u);  // one of the two "алма"
  l.Exchange(0, 1);
  EXPECT_THROW(l.Exchange(0, 7), EStringListError);
}

TEST(WideStringList, IndexErrorsAndEvents) {
  TWideStringList l = Make({u"a"});
  try {
    l.Get(1);
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (1)");
  }
  EXPECT_THROW(l.Delete(-1), EStringListError);
  EXPECT_THROW(l.Put(2, u"x"), EStringListError);
  EXPECT_THROW(l.InsertObject(2, u"x", nullptr), EStringListError);
  EXPECT_NO_THROW(l.InsertObject(1, u"x", nullptr));  // the end is a valid insertion point

  int changes = 0, changing = 0;
  l.OnChange = [&](TWideStringList&) { ++changes; };
  l.OnChanging = [&](TWideStringList&) { ++changing; };
  l.Add(u"y");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(changing, 1);
  l.SetTextStr(u"1\n2\n3");  // one batch: one report at each end
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(changing, 2);
  EXPECT_TRUE(l.Modified());
}

TEST(WideStringList, NamesObjectsAndAssign) {
  int x = 0, y = 0;
  TWideStringList l;
  l.AddObject(u"key=value", &x);
  l.AddObject(u"other", &y);
  EXPECT_EQ(l.IndexOfName(u"KEY"), 0);
  EXPECT_EQ(l.IndexOfName(u"other"), -1);  // no separator: skipped
  EXPECT_EQ(l.IndexOfObject(&y), 1);
  EXPECT_EQ(l.CompareNames(u"a=1", u"A=2"), 0);

  l.Put(0, u"changed");
  EXPECT_EQ(l.GetObject(0), &x);  // Put keeps the object

  TWideStringList copy;
  copy.Assign(l);
  EXPECT_EQ(Items(copy), Items(l));
  EXPECT_EQ(copy.GetObject(1), &y);

  TWideStringList added;
  added.AddStrings(Make({u"c", u"a", u"b"}), [](const TWideStrings& list, const std::u16string& a,
                                                 const std::u16string& b) {
    return list.CompareStrings(a, b);
  });
  EXPECT_EQ(Items(added), (std::vector<std::u16string>{u"a", u"b", u"c"}));
}

TEST(UFileStream, MessagesCarryFullPathAndSystemText) {
  TTempDir dir;
  const std::string rel = "no-such-dir-zentrok/x.txt";
  try {
    TUFileStream s(Utf8ToUtf16(rel), TUFileStream::fmCreate);
    FAIL();
  } catch (const EFCreateError& e) {
    const std::string msg = e.what();
    EXPECT_EQ(msg.rfind("Cannot create file \"/", 0), 0u) << msg;  // expanded to a full path
    EXPECT_NE(msg.find("no-such-dir-zentrok/x.txt\". No such file or directory"), std::string::npos);
  }
  {
    TUFileStream s(Utf8ToUtf16(dir.File("f.bin")), TUFileStream::fmCreate);
    s.WriteBuffer("abcdef", 6);
    EXPECT_EQ(s.Size(), 6);
  }
  TUFileStream r(Utf8ToUtf16(dir.File("f.bin")), 0);
  char buf[4];
  r.SetPosition(2);
  r.ReadBuffer(buf, 4);
  EXPECT_EQ(std::string(buf, 4), "cdef");
  EXPECT_THROW(r.ReadBuffer(buf, 1), EReadError);
  EXPECT_THROW(TUFileStream(Utf8ToUtf16(dir.File("f.bin")), 3), EFOpenError);
}

TEST(MSTimer, MeasuresMilliseconds) {
  TMSTimer t;
  t.Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const int64_t ms = t.Elapsed();
  EXPECT_GE(ms, 20);
  EXPECT_LT(ms, 5000);
}
