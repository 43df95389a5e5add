#include <gtest/gtest.h>

#include "TestUtil.h"
#include "zentrok/PlainTextFile.h"
#include "zentrok/StopWatch.h"

namespace zentrok {
namespace {

using test::Cp;

TEST(PlainText, EightBitTextIsUtf8WhenValidElseCp1251) {
  EXPECT_EQ(DecodeText8("\xEF\xBB\xBF\xD3\x99\xD0\xB9"), u"әй");  // mark dropped
  EXPECT_EQ(DecodeText8(Cp("Привет")), u"Привет");
  EXPECT_EQ(DecodeText8("plain"), u"plain");
  // Russian fits code page 1251; a Tatar letter does not, so UTF-8.
  EXPECT_EQ(EncodeText8(u"Привет"), Cp("Привет"));
  EXPECT_EQ(EncodeText8(u"әй"), "\xD3\x99\xD0\xB9");
}

TEST(PlainText, DetectsUtf16ByMarkOrCyrillicHighBytes) {
  EXPECT_EQ(DetectTextFormat("\xFF\xFEx\0"), dfUtf16);
  std::string markless = EncodeUtf16File(u"Сәлам").substr(2);
  EXPECT_EQ(DetectTextFormat(markless), dfUtf16);
  EXPECT_EQ(DetectTextFormat(Cp("Сәлам мир")), dfText8);
  EXPECT_EQ(DetectTextFormat("\xD0\xA1\xD3\x99"), dfText8);  // UTF-8 Cyrillic
  EXPECT_EQ(DecodeTextFile(EncodeUtf16File(u"Сәлам"), dfUtf16), u"Сәлам");
}

TEST(PlainText, ProgressRoundsHalvesToEven) {
  EXPECT_EQ(LoadProgressValue(1, 2), 12);
  EXPECT_EQ(LoadProgressValue(2, 2), 25);
  EXPECT_EQ(LoadProgressValue(3, 2), 38);
  EXPECT_EQ(LoadProgressValue(5, 2), 62);
  EXPECT_EQ(LoadProgressValue(1, 1), 25);
  EXPECT_EQ(LoadProgressValue(1, 4), 6);
  EXPECT_EQ(LoadProgressValue(3, 4), 19);
  EXPECT_EQ(LoadProgressValue(1, 0), 25);
}

TEST(PlainText, ChunkPlanCutsThirtyThousandBytes) {
  std::string payload(65000, 'a');
  auto chunks = PlanTextChunks(payload, dfText8);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].Text.size(), 30000u);
  EXPECT_EQ(chunks[1].Text.size(), 30000u);
  EXPECT_EQ(chunks[2].Text.size(), 5000u);
  EXPECT_EQ(chunks[0].Progress, 12);
  EXPECT_EQ(chunks[1].Progress, 25);
  EXPECT_EQ(chunks[2].Progress, 38);

  EXPECT_EQ(PlanTextChunks(std::string(60000, 'a'), dfText8).size(), 2u);  // no empty chunk
  auto small = PlanTextChunks("abc", dfText8);
  ASSERT_EQ(small.size(), 1u);
  EXPECT_EQ(small[0].Progress, 25);
  EXPECT_TRUE(PlanTextChunks("", dfText8).empty());
}

TEST(PlainText, ChunksNeverSplitACharacter) {
  // "a" then two-byte letters: the 30,000th byte falls inside a letter.
  std::string utf8 = "a";
  while (utf8.size() < 70000) utf8 += "\xD3\x99";
  std::u16string joined;
  for (auto& c : PlanTextChunks(utf8, dfText8)) joined += c.Text;
  EXPECT_EQ(joined, Utf8ToUtf16(utf8));

  // A surrogate pair across the first UTF-16 boundary (byte 30,000).
  std::u16string text(14999, u'x');
  text += u"\U0001F600";
  text += std::u16string(20000, u'y');
  std::string payload = EncodeUtf16File(text).substr(2);
  std::u16string back;
  for (auto& c : PlanTextChunks(payload, dfUtf16)) back += c.Text;
  EXPECT_EQ(back, text);
}

TEST(PlainText, PayloadSplitsOffMarks) {
  TDocumentFormat f;
  EXPECT_EQ(SplitTextPayload(std::string_view("\xFF\xFE" "a\0", 4), f), std::string_view("a\0", 2));
  EXPECT_EQ(f, dfUtf16);
  EXPECT_EQ(SplitTextPayload("\xEF\xBB\xBFz", f), "z");
  EXPECT_EQ(f, dfText8);
  EXPECT_EQ(NormalizeLineBreaks(u"a\r\nb\rc\nd"), u"a\nb\nc\nd");
}

// A stopwatch on a clock the test moves.
class TTestStopWatch : public TStopWatch {
public:
  double Clock = 1000;

protected:
  double Now() const override { return Clock; }
};

TEST(StopWatch, SplitsElapsedTime) {
  TElapsedTime e = SplitElapsed(3725042);
  EXPECT_EQ(e.Hours, 1);
  EXPECT_EQ(e.Minutes, 2);
  EXPECT_EQ(e.Seconds, 5);
  EXPECT_EQ(e.Milliseconds, 42);

  TTestStopWatch w;
  w.Start();
  w.Clock += 3725042;
  int h, m, s, ms;
  w.GetElapsed(h, m, s, ms);
  EXPECT_EQ(h * 1000 + m * 100 + s * 10, 1000 + 200 + 50);
  EXPECT_EQ(ms, 42);
  w.Stop();
  w.Clock += 5000;  // stopped: the recorded time stays
  EXPECT_EQ(w.GetElapsed().Seconds, 5);
  EXPECT_FALSE(w.Enabled());
}

}  // namespace
}  // namespace zentrok
