// The output protocol: tokens, slots, blanks, capitals, flags.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

using Pieces = std::vector<TPiece>;

void ExpectPieces(const Pieces& got, std::vector<std::pair<std::u16string, int>> want) {
  ASSERT_EQ(got.size(), want.size()) << "sentence: " << ::testing::PrintToString(Text(got));
  for (size_t k = 0; k < want.size(); ++k) {
    EXPECT_EQ(got[k].Text, want[k].first) << "piece " << k;
    EXPECT_EQ(got[k].Flag, want[k].second) << "piece " << k;
  }
}

using ProtocolTest = EngineTest;

TEST_F(ProtocolTest, EmptySentenceEmitsNothing) { EXPECT_TRUE(RunSentence(u"").empty()); }

TEST_F(ProtocolTest, PunctuationOnlyIsOnePiece) {
  ExpectPieces(RunSentence(u"..."), {{u"...", 0}});
  ExpectPieces(RunSentence(u" 12, 3!"), {{u" 12, 3!", 0}});
}

TEST_F(ProtocolTest, WordsCarryOneTrailingBlankAndSeparatorsKeepTheirCharacters) {
  // Blanks between two words collapse to one, carried by the first word.
  ExpectPieces(RunSentence(u"китап   өй"), {{u"книга ", 0}, {u"дом", 0}});
  // Word, comma + blank, word, full stop: four slots, no blank on the first.
  ExpectPieces(RunSentence(u"китап, өй."), {{u"книга", 0}, {u", ", 0}, {u"дом", 0}, {u".", 0}});
  // Blanks before punctuation stay with the punctuation.
  ExpectPieces(RunSentence(u"китап  - өй"), {{u"книга", 0}, {u"  - ", 0}, {u"дом", 0}});
}

TEST_F(ProtocolTest, ParticlesAreDroppedInAnyLetterCase) {
  ExpectPieces(RunSentence(u"китап ДИП өй"), {{u"книга ", 0}, {u"дом", 0}});
  ExpectPieces(RunSentence(u"китап да өй тә"), {{u"книга ", 0}, {u"дом", 0}});
  // A particle between a word and punctuation leaves the punctuation alone.
  ExpectPieces(RunSentence(u"китап дип, өй"), {{u"книга", 0}, {u", ", 0}, {u"дом", 0}});
}

TEST_F(ProtocolTest, TrailingHyphenBelongsToTheSeparator) {
  ExpectPieces(RunSentence(u"китап- өй"), {{u"книга", 0}, {u"- ", 0}, {u"дом", 0}});
}

TEST_F(ProtocolTest, UnknownWordsPassThroughFlagged) {
  ExpectPieces(RunSentence(u"китап Казан"), {{u"книга ", 0}, {u"Казан", -1}});
  ExpectPieces(RunSentence(u"китап казан, өй"),
               {{u"книга ", 0}, {u"казан", -1}, {u", ", 0}, {u"дом", 0}});
  // An unknown first word gets its capital but is otherwise as written.
  ExpectPieces(RunSentence(u"казан китап"), {{u"казан ", -1}, {u"книга", 0}});
}

TEST_F(ProtocolTest, DigitsPassThroughAndFirstLetterIsUpperCase) {
  ExpectPieces(RunSentence(u"2 китап"), {{u"2 ", 0}, {u"книга", 0}});
  EXPECT_EQ(Translate(u"китап 15 өй"), u"книга 15 дом");
  EXPECT_EQ(Translate(u"өй"), u"дом");
  // A capital inside the sentence is kept.
  EXPECT_EQ(Translate(u"өй, Китап"), u"дом, Книга");
}

TEST_F(ProtocolTest, DisagreeingReadingsComeAsOneList) {
  // (A bare noun with "күп" is a quantity clause: много книг.)
  ExpectPieces(RunSentence(u"китапы күп."), {{u"книга ", 0}, {u"{много, множество}", 0}, {u".", 0}});
}

TEST_F(ProtocolTest, NoCallbackProcessesQuietly) {
  SetOutProc(nullptr);
  ParseSentence(u"китап өй.");
  SetOutProc(nullptr);
  UseStandardLexicon();
  EXPECT_EQ(Translate(u"өй"), u"дом");
}

TEST_F(ProtocolTest, ParserInitForgetsTheSubject) {
  EXPECT_EQ(Translate(u"Кыз укыды."), u"Девочка читала.");
  EXPECT_EQ(Translate(u"Укыды."), u"Читала.");  // the remembered subject
  EXPECT_NE(ParserInit(), nullptr);
  EXPECT_EQ(Translate(u"Укыды."), u"Читал.");
}

TEST_F(ProtocolTest, LongSentencesGrowWithoutLimit) {
  std::u16string sentence;
  for (int k = 0; k < 2000; ++k) sentence += u"китап, ";
  const Pieces pieces = RunSentence(sentence);
  EXPECT_EQ(pieces.size(), 4000u);
}

}  // namespace
}  // namespace tatfix
