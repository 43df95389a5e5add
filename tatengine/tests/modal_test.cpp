// Modal verb groups: -а ал (мочь, смочь), -а бел (уметь), -асы килә
// (хотеть) and -ырга ярат (любить), through the engine's exports.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon ModalLexicon() {
  TLexicon lx = StandardLexicon();
  std::erase_if(lx.Tables["plr10.pack"], [](const TRow& row) { return row[0] == N(2037); });
  // "ал" is the auxiliary verb "взять" (5165) here.
  for (TRow& row : lx.Tables["itfst10.pack"])
    if (row[0] == u"ал") row[3] = N(5165);
  lx.Add("flt10.pack", {u"мадым", C(33)});
  lx.Add("flt10.pack", {u"асым", C(101)});
  lx.Add("flt10.pack", {u"асы", C(104)});
  lx.Add("flt10.pack", {u"мим", C(21)});
  lx.Add("flt10.pack", {u"ә", C(17)});
  lx.Add("flt10.pack", {u"ам", C(15)});
  lx.Add("flt10.pack", {u"әм", C(15)});
  lx.Add("flt10.pack", {u"дым", C(27)});
  // күр: видеть, its perfective увидеть (1011).
  lx.Add("itfst10.pack", {u"күр", u"1", u"видеть", N(1010 + 65536L * 1011)});
  RegularVerb(lx, 1010, u"i", u"виде");
  RegularVerb(lx, 1011, u"p", u"увиде");
  lx.Add("itfst10.pack", {u"йөз", u"1", u"плавать", N(1012)});
  RegularVerb(lx, 1012, u"i", u"плава");
  lx.Add("itfst10.pack", {u"кайт", u"1", u"возвращаться", N(1013)});
  RegularVerb(lx, 1013, u"i", u"возвраща");
  lx.Add("itfst10.pack", {u"кил", u"1", u"приходить", N(1014)});
  RegularVerb(lx, 1014, u"i", u"приходи");
  lx.Add("itfst10.pack", {u"ярат", u"1", u"обожать", N(1015)});
  RegularVerb(lx, 1015, u"i", u"обожа");
  RegularVerb(lx, 5251, u"i", u"уме");
  lx.Add("plr10.pack", {N(1016), u"хотеть", u"i", u"хотеть", u"хоти", u"хочу", u"хочешь", u"хочет",
                        u"хотите", u"хотим", u"хотите", u"хотят", u"хотел", u"хотела", u"хотело",
                        u"хотели", u"хотя", u"хотевший", u"хотевшая", u"хотевшее", u"хотевшие"});
  CanVerb(lx);
  return lx;
}

using ModalTest = LexiconTest<ModalLexicon>;

TEST_F(ModalTest, ModalVerbGoesFirstWithTheInfinitiveAfterIt) {
  // Past of "-а ал" is смог with the perfective; the object stays between.
  EXPECT_EQ(Translate(u"мин китапны күрә алмадым."), u"я не смог увидеть книгу.");
  EXPECT_EQ(Translate(u"мин күрә алдым."), u"я смог увидеть.");
  // The present keeps "мочь" and the verb's own infinitive.
  EXPECT_EQ(Translate(u"мин күрә алам."), u"я могу видеть.");
  // "-а бел" is уметь + imperfective, negated on the modal.
  EXPECT_EQ(Translate(u"мин йөзә беләм."), u"я умею плавать.");
  EXPECT_EQ(Translate(u"мин йөзә белмим."), u"я не умею плавать.");
}

TEST_F(ModalTest, WantingTakesThePersonOfThePossessive) {
  EXPECT_EQ(Translate(u"минем кайтасым килә."), u"я хочу возвращать.");
  EXPECT_EQ(Translate(u"аның кайтасы килә."), u"он хочет возвращать.");
  // Without "килә" the form is no wish.
  EXPECT_NE(Translate(u"кайтасым."), u"хочу возвращать.");
}

TEST_F(ModalTest, LovingTakesTheInfinitiveReading) {
  EXPECT_EQ(Translate(u"мин укырга яратам."), u"я обожаю читать.");
}

}  // namespace
}  // namespace tatfix
