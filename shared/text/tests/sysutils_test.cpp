#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"
#include "zentrok/testing/TempDir.h"

using namespace zentrok;

TEST(PluralClass, Classes) {
  for (int n : {1, 21, 101, 31, 1001}) EXPECT_EQ(PluralClass(n), 0) << n;
  for (int n : {2, 3, 4, 22, 104, 94}) EXPECT_EQ(PluralClass(n), 1) << n;
  for (int n : {0, 5, 11, 12, 14, 111, 112, 20, 100, -1, -2, -21}) EXPECT_EQ(PluralClass(n), 2) << n;
}

TEST(StripChar, CompactsAndZeroFills) {
  char16_t buf[] = {u'a', u'b', 0xAD, 0xAD, u'c'};
  StripChar(buf, 5, 0xAD);
  EXPECT_EQ(std::u16string(buf, 5), std::u16string(u"abc\0\0", 5));

  char16_t last[] = {u'a', 0xAD};
  StripChar(last, 2, 0xAD);
  EXPECT_EQ(std::u16string(last, 2), std::u16string(u"a\0", 2));
}

TEST(SetFileExtension, CutsNameAtFirstDot) {
  std::string p = "C:\\dir.x\\text.old.rtf";
  SetFileExtension(p, "txt");
  EXPECT_EQ(p, "C:\\dir.x\\text.txt");
  p = "/home/u/dir.x/text.old.rtf";
  SetFileExtension(p, "doc");
  EXPECT_EQ(p, "/home/u/dir.x/text.doc");
  p = "noext";
  SetFileExtension(p, "rtf");
  EXPECT_EQ(p, "noext.rtf");
}

TEST(WideAdjustLineBreaks, InsertsCrBeforeBareLf) {
  EXPECT_EQ(WideAdjustLineBreaks(u"a\nb\r\nc\rd"), u"a\r\nb\r\nc\rd");
  EXPECT_EQ(WideAdjustLineBreaks(u"\n\n"), u"\r\n\r\n");
  EXPECT_EQ(WideAdjustLineBreaks(u""), u"");
}

TEST(WideStrPLCopy, CopiesAtMostMaxLen) {
  char16_t buf[8] = {u'x', u'x', u'x', u'x', u'x', u'x', u'x', u'x'};
  WideStrPLCopy(buf, u"", 3);
  EXPECT_EQ(buf[0], u'x');  // an empty source leaves the buffer alone
  WideStrPLCopy(buf, u"abcdef", 3);
  EXPECT_EQ(std::u16string(buf), u"abc");
}

TEST(WideFiles, ModesAndNames) {
  zentrok::testing::TTempDir dir;
  const std::u16string name = Utf8ToUtf16(dir.File("тест.txt"));
  EXPECT_EQ(WideFileOpen(name, 0), INVALID_HANDLE_VALUE);  // does not exist yet

  int h = WideFileCreate(name);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  ASSERT_EQ(::write(h, "abc", 3), 3);
  WideFileClose(h);

  EXPECT_EQ(WideFileOpen(name, 3), INVALID_HANDLE_VALUE);     // access 3
  EXPECT_EQ(WideFileOpen(name, 0x50), INVALID_HANDLE_VALUE);  // sharing above 0x40
  for (int mode : {0, 1, 2, 0x20, 0x40}) {
    h = WideFileOpen(name, mode);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << mode;
    WideFileClose(h);
  }
  // Create truncates an existing file.
  h = WideFileCreate(name, 0);
  struct stat st {};
  ASSERT_EQ(::fstat(h, &st), 0);
  EXPECT_EQ(st.st_size, 0);
  WideFileClose(h);
}

TEST(SaveFileAtomic, ReplacesWholeOrNothing) {
  zentrok::testing::TTempDir dir;
  const std::string path = dir.File("settings.dat");
  SaveFileAtomic(path, "first", 5);
  SaveFileAtomic(path, "second", 6);
  auto bytes = zentrok::testing::ReadBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "second");

  // A folder that cannot be written: the error names the file, the old
  // content stays, and no temporary file is left behind.
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
    try {
      SaveFileAtomic(path, "third", 5);
      FAIL() << "expected EFCreateError";
    } catch (const EFCreateError& e) {
      EXPECT_NE(std::string(e.what()).find("Cannot create file \"" + path + "\""), std::string::npos);
    }
    ::chmod(dir.Path().c_str(), 0755);
    bytes = zentrok::testing::ReadBytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "second");
  }
  EXPECT_THROW(SaveFileAtomic(dir.File("no/such/folder/x"), "x", 1), EFCreateError);
  size_t files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.Path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1u);
}

TEST(Utf, Cp1251AndUtf8) {
  EXPECT_EQ(Cp1251ToUtf16("\xCA\xE8\xF2\xE0\xEF \xB8"), u"Китап ё");
  EXPECT_EQ(Utf16ToCp1251(u"Китап ё"), "\xCA\xE8\xF2\xE0\xEF \xB8");
  EXPECT_TRUE(FitsCp1251(u"Мир, №5 — «да»"));
  EXPECT_FALSE(FitsCp1251(u"әни"));
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("Әни, китап 😀")), "Әни, китап 😀");
  EXPECT_TRUE(IsValidUtf8("Әни"));
  EXPECT_FALSE(IsValidUtf8("\xCA\xE8\xF2"));
  EXPECT_FALSE(IsValidUtf8("\xC3"));  // cut off in the middle of a character
}
