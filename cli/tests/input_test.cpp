#include <gtest/gtest.h>

#include "InputDecoder.h"
#include "cli_test_util.h"
#include "zentrok/Utf.h"

using namespace zentrok::cli;
using clitest::TempDir;

namespace {

std::u16string ReadAll(const std::string& path, TInputEncoding* enc = nullptr) {
  TInput in(path);
  if (enc) *enc = in.Encoding();
  std::u16string out;
  while (in.ReadChars(out)) {
  }
  return out;
}

}  // namespace

TEST(Input, Utf8Validity) {
  EXPECT_TRUE(IsValidUtf8Prefix("", true));
  EXPECT_TRUE(IsValidUtf8Prefix("abc \xD0\x90 \xE2\x80\xA6 \xF0\x9F\x98\x80", true));
  EXPECT_FALSE(IsValidUtf8Prefix("\xC0\xAF", true));          // overlong
  EXPECT_FALSE(IsValidUtf8Prefix("\xE0\x80\xAF", true));      // overlong
  EXPECT_FALSE(IsValidUtf8Prefix("\xED\xA0\x80", true));      // surrogate
  EXPECT_FALSE(IsValidUtf8Prefix("\xF4\x90\x80\x80", true));  // past U+10FFFF
  EXPECT_FALSE(IsValidUtf8Prefix("\xCF\xF0\xE8", true));      // code page 1251
  EXPECT_FALSE(IsValidUtf8Prefix("ab\xD0", true));
  EXPECT_TRUE(IsValidUtf8Prefix("ab\xD0", false));  // completed by the next block
  EXPECT_TRUE(IsValidUtf8Prefix("ab\xF0\x9F\x98", false));
  EXPECT_FALSE(IsValidUtf8Prefix("ab\xD0x", false));
}

TEST(Input, ChoosesTheEncodingOfEachFile) {
  TempDir dir;
  const std::u16string text = u"Татар теле: әүөңҗһ. Русский — «ёж».\r\n";
  const std::string utf8 = zentrok::Utf16ToUtf8(text);
  struct Case {
    std::string bytes;
    TInputEncoding enc;
  };
  const Case cases[] = {
      {utf8, TInputEncoding::Utf8},
      {"\xEF\xBB\xBF" + utf8, TInputEncoding::Utf8},
      {clitest::Utf16(text, false), TInputEncoding::Utf16LE},
      {clitest::Utf16(text, true), TInputEncoding::Utf16BE},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    TInputEncoding enc;
    EXPECT_EQ(ReadAll(dir.Write("in" + std::to_string(i), cases[i].bytes), &enc), text) << i;
    EXPECT_EQ(enc, cases[i].enc) << i;
  }
  // Code page 1251 has no Tatar letters; the Russian text reads back whole.
  const std::u16string russian = u"Съешь ещё этих мягких французских булок №1.";
  TInputEncoding enc;
  EXPECT_EQ(ReadAll(dir.Write("cp", zentrok::Utf16ToCp1251(russian)), &enc), russian);
  EXPECT_EQ(enc, TInputEncoding::Cp1251);
  EXPECT_EQ(ReadAll(dir.Write("empty", "")), u"");
  EXPECT_EQ(ReadAll(dir.Write("bom", "\xFF\xFE")), u"");
}

TEST(Input, LargeFilesDecodeAcrossBlocksAndAreCheckedWhole) {
  TempDir dir;
  // Two-byte letters at an odd offset, so sequences straddle block ends.
  std::u16string text = u"x";
  while (text.size() < 5 * TInput::BlockSize) text += u"Бәләкәй песи 😀 ";
  EXPECT_EQ(ReadAll(dir.Write("big8", zentrok::Utf16ToUtf8(text))), text);
  EXPECT_EQ(ReadAll(dir.Write("big16", clitest::Utf16(text, false))), text);

  // One 1251 byte far past the first block turns the whole file into 1251.
  std::string bytes(3 * TInput::BlockSize, 'a');
  bytes += "\xE0";  // а in code page 1251
  TInputEncoding enc;
  std::u16string got = ReadAll(dir.Write("late1251", bytes), &enc);
  EXPECT_EQ(enc, TInputEncoding::Cp1251);
  EXPECT_EQ(got.back(), u'а');
  EXPECT_EQ(got.size(), bytes.size());
}

TEST(Input, UnreadableInputsRaise) {
  TempDir dir;
  EXPECT_THROW(TInput(dir.File("missing.txt")), TInputError);
  EXPECT_THROW(TInput(dir.path.string()), TInputError);
  try {
    TInput in(dir.File("missing.txt"));
  } catch (const TInputError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos);
  }
}
