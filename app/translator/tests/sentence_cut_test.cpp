#include <gtest/gtest.h>

#include <random>

#include "fake_engines.h"
#include "zentrok/SentenceCut.h"
#include "zentrok/Translator2.h"

using namespace zentrok;

namespace {

std::vector<std::u16string> Pieces(TTranslator& t, std::u16string text) {
  fake::NewRun();
  TranslateText(t, text, DirRussianTatar);
  return fake::rus.calls;
}

}  // namespace

TEST(SentenceCut, CharacterClasses) {
  for (char16_t c : std::u16string(u"aZ09яЁәӘөүңҗһ\x0459"))
    EXPECT_TRUE(IsCharAlphaNumeric(c)) << int(c);
  for (char16_t c : std::u16string(u" .,!?;:-«»()\n\t\x00AD\x2026\xD800\xDC00\x0301"))
    EXPECT_FALSE(IsCharAlphaNumeric(c)) << int(c);
  for (char16_t c : std::u16string(u".!?\x1F60")) EXPECT_TRUE(IsSentenceTerminator(c));
  for (char16_t c : std::u16string(u";\x2026\n,")) EXPECT_FALSE(IsSentenceTerminator(c));
}

TEST(SentenceCut, LastCutIsWherePiecesBegin) {
  EXPECT_EQ(LastSentenceCut(u""), 0u);
  EXPECT_EQ(LastSentenceCut(u"без конца"), 0u);
  EXPECT_EQ(LastSentenceCut(u"Бер. Ике. Өч"), 10u);
  EXPECT_EQ(LastSentenceCut(u"Бер. Ике. "), 5u);  // the last piece may still grow
  EXPECT_EQ(LastSentenceCut(u"Бу 3.5"), 5u);
  EXPECT_EQ(LastSentenceCut(u"Да?! «Нет»"), 6u);
  EXPECT_EQ(LastSentenceCut(u". а"), 2u);
  EXPECT_EQ(LastSentenceCut(u"а; б\nв"), 0u);
  // U+1F60 ends a sentence although it is also a letter.
  EXPECT_EQ(LastSentenceCut(u"а\x1F60\x1F60б"), 3u);
}

// Cutting a text at any position LastSentenceCut offers and translating the
// two parts as separate runs gives exactly the pieces of a single run.
TEST(SentenceCut, CuttingAtLastCutKeepsThePiecesOfOneRun) {
  fake::Reset();
  TTranslator t(fake::Binding());
  const std::u16string alphabet = u"аб  1.!?\n«»(),;-…\x00AD\x0459\x1F60";
  std::mt19937 rng(11);
  for (int round = 0; round < 400; ++round) {
    std::u16string text;
    int len = 1 + static_cast<int>(rng() % 50);
    for (int i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
    auto whole = Pieces(t, text);
    size_t limit = rng() % (text.size() + 1);
    size_t cut = LastSentenceCut(std::u16string_view(text).substr(0, limit));
    if (cut == 0) continue;
    auto first = Pieces(t, text.substr(0, cut));
    auto second = Pieces(t, text.substr(cut));
    first.insert(first.end(), second.begin(), second.end());
    EXPECT_EQ(first, whole) << "round " << round << " cut " << cut;
  }
}
