// Determiners agree with their noun in case, number and gender through the
// declension list 07 carries (какую книгу, в каком доме).
#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon DeterminerLexicon() {
  TLexicon lx = StandardLexicon();
  TRow kaysy{u"кайсы", u"какой", u"какая", u"какое", u"1", u"1"};
  for (const char16_t* f :
       {u"какой", u"какая", u"какое", u"какие", u"какого", u"какой", u"какого", u"каких", u"какому", u"какой",
        u"какому", u"каким", u"какой", u"какую", u"какое", u"какие", u"какого", u"какую", u"какое", u"каких",
        u"каким", u"какой", u"каким", u"какими", u"каком", u"какой", u"каком", u"каких"})
    kaysy.push_back(f);
  lx.Add("itfst07.pack", kaysy);
  // no declension given: the gender form stands
  lx.Add("itfst07.pack", {u"һәр", u"каждый", u"каждая", u"каждое", u"1", u"1"});
  return lx;
}

using DeterminerTest = LexiconTest<DeterminerLexicon>;

TEST_F(DeterminerTest, DeclinedLikeAnAdjective) {
  EXPECT_EQ(Translate(u"кайсы китапны"), u"какую книгу");
  EXPECT_EQ(Translate(u"кайсы өйдә"), u"в каком доме");
  EXPECT_EQ(Translate(u"кайсы китаплардан"), u"из каких книг");
  EXPECT_EQ(Translate(u"кайсы китап"), u"какая книга");
  EXPECT_EQ(Translate(u"кайсы зур өйдә"), u"в каком большом доме");
}

TEST_F(DeterminerTest, WithoutDeclensionTheGenderFormStands) {
  EXPECT_EQ(Translate(u"һәр китап"), u"каждая книга");
}

}  // namespace
}  // namespace tatfix
