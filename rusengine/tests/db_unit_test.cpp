// The word database and dictionary on fixture tables.
#include <gtest/gtest.h>

#include "DictionaryRT.h"
#include "Fixture.h"
#include "zentrok/Utf.h"

namespace rusengine {
namespace {

using fixture::C;
using fixture::TLexicon;
using fixture::TTempDir;

class Dictionary : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Dir = std::make_unique<TTempDir>();
    TLexicon lex = TLexicon::Standard();
    // A shorter stem whose ending would also fit "дом".
    lex.Noun.Stems.push_back({u"до", 1, u"тышкы", 1});
    lex.Noun.Endings.push_back({u"м", {C(1, 2)}});
    // An adjective whose two readings are both singular.
    lex.Adj.Endings.push_back({u"ую", {C(1, 3), C(1, 9)}});
    // A word that is both a verbal adjective and an adjective.
    lex.Adj.Stems.push_back({u"чита", 1, u"укый торган", 1});
    lex.Adj.Endings.push_back({u"ющий", {C(1, 0)}});
    // A stem of two words.
    lex.Noun.Stems.push_back({u"дом отдых", 2, u"ял йорты", 1});
    lex.Write(Dir->Path());
    Dict = std::make_unique<TDictionaryRT>(Dir->Path());
  }
  static void TearDownTestSuite() {
    Dict.reset();
    Dir.reset();
  }

  TTransKit Analyse(std::u16string_view text) {
    TTransKit kit;
    Dict->Analyse(text, kit);
    return kit;
  }
  std::u16string Text(const TWordForm& w) {
    std::u16string t;
    Dict->GetText(w, t);
    return t;
  }

  static inline std::unique_ptr<TTempDir> Dir;
  static inline std::unique_ptr<TDictionaryRT> Dict;
};

TEST_F(Dictionary, FastTextSearchAgreesWithPlainSearch) {
  const TFlank* tables[] = {&Dict->Noun().Stems(), &Dict->Noun().Endings(), &Dict->Adj().Stems(),
                            &Dict->Verb().Endings()};
  const std::u16string probes[] = {u"",    u"дом",   u"ДОМ",  u"до",  u"домик", u"а",
                                   u"ам",  u"ами",   u"лук",  u"ключ", u"я",    u"больш",
                                   u"ешь", u"ёлк",   u"елк",  u"яяя", u"-",    u"ее"};
  for (const TFlank* t : tables) {
    for (const std::u16string& probe : probes) {
      SCOPED_TRACE(zentrok::Utf16ToUtf8(probe));
      int32_t fastFirst = -7, fastLast = -7, first = -7, last = -7;
      const bool fast = t->FindTextRange(probe, fastFirst, fastLast);
      const bool plain = t->FindRange(probe.c_str(), first, last, zentrok::CompareWhole, 0, 0);
      ASSERT_EQ(fast, plain);
      if (plain) {
        EXPECT_EQ(fastFirst, first);
        EXPECT_EQ(fastLast, last);
      }
      // The prefix comparison on a longer word gives the same run.
      const std::u16string word = probe + u"ами";
      int32_t pf = -7, pl = -7;
      const bool prefix = t->FindRange(word.c_str(), pf, pl, zentrok::ComparePrefix, 0,
                                       static_cast<int32_t>(probe.size()));
      ASSERT_EQ(prefix, plain);
      if (plain) {
        EXPECT_EQ(pf, first);
        EXPECT_EQ(pl, last);
      }
    }
  }
}

TEST_F(Dictionary, LongestStemWinsAndKeepsAllItsReadings) {
  TTransKit kit = Analyse(u"дом");
  ASSERT_EQ(kit.Readings.size(), 2u);
  for (const TWordForm& w : kit.Readings) {
    EXPECT_EQ(w.WordClass, wcNoun);
    EXPECT_EQ(Dict->Noun().Stems().CellText(w.Row, 0), u"дом");
  }
  EXPECT_EQ(kit.Readings[0].Form, 0);
  EXPECT_EQ(kit.Readings[1].Form, 3);
}

TEST_F(Dictionary, HomonymStemsOfTwoParadigms) {
  TTransKit kit = Analyse(u"ключ");
  ASSERT_EQ(kit.Readings.size(), 4u);
  EXPECT_EQ(Text(kit.Readings[0]), u"ачкыч");
  EXPECT_EQ(kit.Readings[3].Form, 7);
  EXPECT_EQ(Text(kit.Readings[3]), u"чишмәләр");
}

TEST_F(Dictionary, AdjectiveReadingsMerge) {
  TTransKit plural = Analyse(u"больших");
  ASSERT_EQ(plural.Readings.size(), 1u);
  EXPECT_EQ(plural.Readings[0].Form, 29);
  TTransKit singular = Analyse(u"большую");
  ASSERT_EQ(singular.Readings.size(), 1u);
  EXPECT_EQ(singular.Readings[0].Form, 0);
  TTransKit one = Analyse(u"большого");
  ASSERT_EQ(one.Readings.size(), 1u);
  EXPECT_EQ(one.Readings[0].Form, 1);
}

TEST_F(Dictionary, StemOfTwoWords) {
  TTransKit kit = Analyse(u"дом отдыха");
  ASSERT_EQ(kit.Readings.size(), 1u);
  EXPECT_EQ(Text(kit.Readings[0]), u"ял йорты");
  EXPECT_TRUE(Analyse(u"дом большой").Readings.empty());
}

TEST_F(Dictionary, ClassOrder) {
  // A whole-word entry is the only reading.
  TTransKit mod = Analyse(u"да");
  ASSERT_EQ(mod.Readings.size(), 1u);
  EXPECT_EQ(mod.Readings[0].WordClass, wcMod);
  EXPECT_EQ(Text(mod.Readings[0]), u"әйе");
  // A verbal adjective keeps the adjective analyser out.
  TTransKit vadj = Analyse(u"читающий");
  ASSERT_EQ(vadj.Readings.size(), 1u);
  EXPECT_EQ(vadj.Readings[0].WordClass, wcVAdj);
  EXPECT_FALSE(Analyse(u"блямс").Readings.size());
}

TEST_F(Dictionary, ChoosePreposition) {
  int32_t first = 0, last = 0;
  ASSERT_TRUE(Dict->Noun().FindPreposition(u"в", first, last));
  ASSERT_EQ(last, first + 1);
  TWordForm w;
  w.WordClass = wcNoun;
  EXPECT_FALSE(Dict->Noun().ChoosePreposition(w));  // no preposition carried
  w.HasPrep = 1;
  auto choose = [&](uint16_t form) {
    w.Form = form;
    w.PrepFirst = first;
    w.PrepLast = last;
    EXPECT_TRUE(Dict->Noun().ChoosePreposition(w));
    return std::pair<int32_t, int16_t>(w.PrepFirst - first, w.TatForm);
  };
  EXPECT_EQ(choose(5), (std::pair<int32_t, int16_t>(1, 7)));    // the second case
  EXPECT_EQ(choose(3), (std::pair<int32_t, int16_t>(0, 2)));    // the first
  EXPECT_EQ(choose(9), (std::pair<int32_t, int16_t>(0, 37)));   // plural of the first
  EXPECT_EQ(choose(1), (std::pair<int32_t, int16_t>(0, 2)));    // no match: first row
  EXPECT_EQ(choose(11), (std::pair<int32_t, int16_t>(1, 7)));   // code 7 has no plural
  EXPECT_EQ(Dict->Noun().PrepositionText(first), u"");
  EXPECT_EQ(Dict->Noun().PrepositionText(-1), u"");
}

TEST_F(Dictionary, GenerationWithoutAnEndingGivesNoText) {
  TTransKit kit = Analyse(u"домами");  // form 10: no plural instrumental ending
  ASSERT_EQ(kit.Readings.size(), 1u);
  EXPECT_EQ(Text(kit.Readings[0]), u"йортлар белән");
  TWordForm w = kit.Readings[0];
  w.Form = 12;  // outside the noun form table
  EXPECT_EQ(Text(w), u"");
  w.Form = 1;
  w.HasPrep = 1;
  w.TatForm = 55;  // no such Tatar ending: no bare postposition either
  int32_t first = 0, last = 0;
  ASSERT_TRUE(Dict->Noun().FindPreposition(u"о", first, last));
  w.PrepFirst = first;
  EXPECT_EQ(Text(w), u"");
  w.TatForm = 0;
  w.Negated = 1;
  EXPECT_EQ(Text(w), u"йорт турында түгел");
}

TEST_F(Dictionary, UnknownAndSeparatorTexts) {
  TWordForm w;
  w.WordClass = wcUnknown;
  w.Text = u"НАТО";
  EXPECT_EQ(Text(w), u"НАТО");
  w.Negated = 1;
  EXPECT_EQ(Text(w), u"НАТО түгел");
  w.WordClass = wcSeparator;
  EXPECT_EQ(Text(w), u"");
}

}  // namespace
}  // namespace rusengine
