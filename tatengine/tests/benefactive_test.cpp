// "-ып бир" through the exports: the main verb alone, perfective, in the
// tense, person and polarity of "бир"; "ал" so is bought, or brought when
// asked for.
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon BenefactiveLexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["itfst10.pack"], [](const TRow& row) { return row[0] == u"ал"; });
  std::erase_if(lx.Tables["itfst04.pack"], [](const TRow& row) { return row[0] == u"алып"; });
  const std::pair<const char16_t*, int> endings[] = {{u"де", 29}, {u"мәде", 35}, {u"", 2}, {u"ермен", 63}};
  for (auto [e, code] : endings) lx.Add("flt10.pack", {e, C(code)});
  RusVerb(lx, 1501, u"p", {u"написать", u"напиши", u"напишу", u"напишешь", u"напишет", u"напишите",
                           u"напишем", u"напишете", u"напишут", u"написал", u"написала", u"написало",
                           u"написали", u"написав"});
  RegularVerb(lx, 1502, u"i", u"писа");
  TatVerb(lx, u"яз", u"написать", 1501, 1502);
  RusVerb(lx, 1503, u"p", {u"дать", u"дай", u"дам", u"дашь", u"даст", u"дайте", u"дадим", u"дадите",
                           u"дадут", u"дал", u"дала", u"дало", u"дали", u"дав"});
  TatVerb(lx, u"бир", u"дать", 1503, 0);
  TakeVerb(lx);
  RegularVerb(lx, 1504, u"p", u"купи");
  RusVerb(lx, 1505, u"p", {u"принести", u"принеси", u"принесу", u"принесёшь", u"принесёт", u"принесите",
                           u"принесём", u"принесёте", u"принесут", u"принёс", u"принесла", u"принесло",
                           u"принесли", u"принеся"});
  lx.Add("itfst07.pack", {u"мин", u"я", u"я", u"я", u"1", u"1"});
  lx.Add("itfst07.pack", {u"ул", u"он", u"она", u"оно", u"1", u"3"});
  return lx;
}

using BenefactiveTest = LexiconTest<BenefactiveLexicon>;

TEST_F(BenefactiveTest, MainVerbTakesTheTenseOfBir) {
  EXPECT_EQ(Translate(u"ул язып бирде."), u"он написал.");
  EXPECT_EQ(Translate(u"ул язып бирмәде."), u"он не написал.");
  EXPECT_EQ(Translate(u"мин язып бирермен."), u"я напишу.");
}

TEST_F(BenefactiveTest, TakingForSomeoneIsBuyingOrBringing) {
  EXPECT_EQ(Translate(u"ул алып бирде."), u"он купил.");
  EXPECT_EQ(Translate(u"алып бир."), u"принеси.");
}

}  // namespace
}  // namespace tatfix
