// Context senses read from senses.coll: one verb or adjective says another
// Russian word by the word beside it, for each relation; a missing file
// means no senses, a damaged one is a load error.
#include <fstream>

#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

TLexicon ContextSenseLexicon() {
  TLexicon lx = StandardLexicon();
  for (auto [e, code] : std::initializer_list<std::pair<const char16_t*, int>>{
           {u"гә", 3}, {u"кә", 3}, {u"дән", 5}, {u"тән", 5}, {u"та", 6}, {u"тә", 6}})
    lx.Add("flt04.pack", {e, C(code)});
  for (auto [e, code] : std::initializer_list<std::pair<const char16_t*, int>>{
           {u"те", 29}, {u"де", 29}, {u"ә", 17}, {u"и", 17}})
    lx.Add("flt10.pack", {e, C(code)});
  NounParadigm(lx, 7, {u"о", u"а", u"а", u"", u"у", u"ам", u"о", u"а", u"ом", u"ами", u"е", u"ах"});
  Noun(lx, u"тәрәзә", u"окн", 7, 3);
  Noun(lx, u"шәһәр", u"город", 2, 1);
  Noun(lx, u"парк", u"парк", 2, 1);
  Noun(lx, u"автобус", u"автобус", 2, 1);
  lx.Add("itfst02.pack", {u"татарча", u"1", u"по-татарски"});

  // ват: ломать / сломать; разбивать / разбить with glass.
  lx.Add("itfst10.pack", {u"ват", u"1", u"ломать", N(1300 + 65536L * 1301)});
  RegularVerb(lx, 1300, u"i", u"лома");
  RegularVerb(lx, 1301, u"p", u"слома");
  RegularVerb(lx, 1302, u"i", u"разбива");
  RegularVerb(lx, 1303, u"p", u"разби");
  // йөр: ходить, no partner; ездить to a town, гулять in a park.
  lx.Add("itfst10.pack", {u"йөр", u"1", u"ходить", N(1310)});
  RegularVerb(lx, 1310, u"i", u"ходи");
  RegularVerb(lx, 1311, u"i", u"езди");
  RegularVerb(lx, 1312, u"i", u"гуля");
  // кит: уходить, no partner; уезжать / уехать from a town.
  lx.Add("itfst10.pack", {u"кит", u"1", u"уходить", N(1320)});
  RegularVerb(lx, 1320, u"i", u"уходи");
  RegularVerb(lx, 1321, u"i", u"уезжа");
  RegularVerb(lx, 1322, u"p", u"уеха");
  // сөйләш: разговаривать; говорить with a language.
  lx.Add("itfst10.pack", {u"сөйләш", u"1", u"разговаривать", N(1340)});
  RegularVerb(lx, 1340, u"i", u"разговарива");
  RegularVerb(lx, 1341, u"i", u"говори");
  // шат: радостный; весёлый of a person.
  lx.Add("itfst01.pack", {u"шат", u"1", u"радостн", u"3"});
  lx.Add("itfsr01.pack", {u"весёл", u"3", u"весёлый"});
  lx.Add("itfsr01.pack", {u"радостн", u"3", u"радостный"});

  lx.Add(SenseClasses, {u"@glass", u"тәрәзә"});
  lx.Add(SenseClasses, {u"@person", u"кыз"});
  lx.Add(SenseClasses, {u"@person", u"укучы"});
  SenseRule(lx, u"ват", u"obj", u"@glass", u"разбивать/разбить", 1302, 1303);
  // The first rule that matches wins: a bus "ходит" wherever it goes.
  SenseRule(lx, u"йөр", u"subj", u"автобус", u"ходить/ходить", 1310, 1310);
  SenseRule(lx, u"йөр", u"dat", u"шәһәр", u"ездить/ездить", 1311, 1311);
  SenseRule(lx, u"йөр", u"loc", u"парк", u"гулять/гулять", 1312, 1312);
  SenseRule(lx, u"йөр", u"ins", u"автобус", u"ездить/ездить", 1311, 1311);
  SenseRule(lx, u"кит", u"abl", u"шәһәр", u"уезжать/уехать", 1321, 1322);
  SenseRule(lx, u"сөйләш", u"adv", u"татарча", u"говорить/говорить", 1341, 1341);
  SenseRule(lx, u"шат", u"head", u"@person", u"весёлый");
  return lx;
}

using ContextSenseTest = LexiconTest<ContextSenseLexicon>;

TEST_F(ContextSenseTest, ObjectKeepsTheAspectOfTheReading) {
  EXPECT_EQ(Translate(u"укучы тәрәзәне ватты."), u"ученик разбил окно.");
  EXPECT_EQ(Translate(u"укучы тәрәзә вата."), u"ученик разбивает окно.");
  // Another object keeps the verb's own sense.
  EXPECT_EQ(Translate(u"укучы китапны ватты."), u"ученик сломал книгу.");
}

TEST_F(ContextSenseTest, PlacesAndTheSubject) {
  EXPECT_EQ(Translate(u"укучы шәһәргә йөрде."), u"ученик ездил в город.");
  EXPECT_EQ(Translate(u"укучы паркта йөри."), u"ученик гуляет в парке.");
  EXPECT_EQ(Translate(u"автобус шәһәргә йөрде."), u"автобус ходил в город.");
  EXPECT_EQ(Translate(u"укучы мәктәпкә йөрде."), u"ученик ходил в школу.");
  // Without a partner the form chooses the aspect: a past is perfective.
  EXPECT_EQ(Translate(u"укучы шәһәрдән китте."), u"ученик уехал из города.");
  EXPECT_EQ(Translate(u"укучы шәһәрдән китә."), u"ученик уезжает из города.");
  EXPECT_EQ(Translate(u"укучы өйдән китте."), u"ученик уходил из дома.");
}

TEST_F(ContextSenseTest, WithAndBefore) {
  EXPECT_NE(Translate(u"укучы автобус белән йөрде.").find(u"ездил"), std::u16string::npos);
  EXPECT_NE(Translate(u"укучы татарча сөйләште.").find(u"говорил"), std::u16string::npos);
  EXPECT_NE(Translate(u"укучы тиз сөйләште.").find(u"разговаривал"), std::u16string::npos);
}

TEST_F(ContextSenseTest, AdjectiveByItsNoun) {
  EXPECT_EQ(Translate(u"шат кыз"), u"весёлая девочка");
  EXPECT_EQ(Translate(u"шат өй"), u"радостный дом");
  // A predicate adjective goes with the subject.
  EXPECT_EQ(Translate(u"кыз шат."), u"девочка весёлая.");
}

// Nouns by their context: аш "каша" is "суп" by its modifier or its verb,
// ял "отдых" is "отпуск" before "өчен" or qualified by "матур"; the context
// sense is a row of the same stem flagged 0x2000.
TLexicon NounSenseLexicon() {
  TLexicon lx = ContextSenseLexicon();
  lx.Add("flt04.pack", {u"тан", C(5)});
  // A mass noun: its plural keeps its own word.
  lx.Add("itfst04.pack", {u"аш", u"1", u"каш", N(1 * 65536L + 0x400 + 2), u"аш", u"каша"});
  lx.Add("itfst04.pack", {u"аш", u"1", u"суп", N(2 * 65536L + 0x2000 + 1), u"аш", u"суп"});
  lx.Add("itfst04.pack", {u"ял", u"1", u"отдых", N(2 * 65536L + 0x100 + 1), u"ял", u"отдых"});
  lx.Add("itfst04.pack", {u"ял", u"1", u"отпуск", N(2 * 65536L + 0x2000 + 1), u"ял", u"отпуск"});
  // The rule naming the noun's own word comes first and wins.
  SenseRule(lx, u"аш", u"mod", u"зур", u"каша");
  SenseRule(lx, u"аш", u"mod", u"*", u"суп");
  SenseRule(lx, u"аш", u"verb", u"ал", u"суп");
  SenseRule(lx, u"ял", u"next", u"өчен", u"отпуск");
  SenseRule(lx, u"ял", u"mod", u"матур", u"отпуск");
  // авыру: adjective "больной" and noun "болезнь".
  lx.Add("itfst01.pack", {u"авыру", u"1", u"больн", u"3"});
  Noun(lx, u"авыру", u"болезн", 6, 2);
  // A material, a verb of making, a postposition of "between".
  lx.Add("itfst04.pack", {u"кар", u"1", u"снег", N(2 * 65536L + 0x100 + 1), u"кар", u"снег"});
  lx.Add("itfst10.pack", {u"яса", u"1", u"делать", N(1350)});
  RegularVerb(lx, 1350, u"i", u"дела");
  lx.Add("itfst06.pack", {u"арасында", u"между", u"9"});
  return lx;
}

using NounSenseTest = LexiconTest<NounSenseLexicon>;

TEST_F(NounSenseTest, ModifierChoosesTheNounAndItsGender) {
  EXPECT_EQ(Translate(u"аш"), u"каша");
  EXPECT_EQ(Translate(u"матур аш"), u"красивый суп");
  EXPECT_EQ(Translate(u"зур аш"), u"большая каша");
  EXPECT_EQ(Translate(u"матур ашлар"), u"красивые каши");
  // Every case follows the new noun.
  EXPECT_EQ(Translate(u"матур ашны"), u"красивый суп");
  EXPECT_EQ(Translate(u"матур аштан"), u"из красивого супа");
  // Its preposition too: на отдыхе, в отпуске.
  EXPECT_EQ(Translate(u"ялда"), u"на отдыхе");
  EXPECT_EQ(Translate(u"матур ялда"), u"в красивом отпуске");
}

TEST_F(NounSenseTest, NextWordAndVerb) {
  EXPECT_EQ(Translate(u"ял өчен"), u"для отпуска");
  EXPECT_EQ(Translate(u"укучы ашны алды."), u"ученик получал суп.");
  // Another verb, or the noun in another case, keeps its own word.
  EXPECT_EQ(Translate(u"укучы ашны укыды."), u"ученик читал кашу.");
  EXPECT_EQ(Translate(u"укучы аштан алды."), u"ученик получал из каши.");
}

TEST_F(NounSenseTest, WordOfTwoClassesBeforeAPostpositionIsTheNoun) {
  EXPECT_EQ(Translate(u"авыру өчен"), u"для болезни");
  EXPECT_EQ(Translate(u"зур авыру өчен"), u"для большой болезни");
}

TEST_F(NounSenseTest, MaterialsAndAmong) {
  EXPECT_EQ(Translate(u"укучы кардан ясады."), u"ученик делал из снега.");
  EXPECT_EQ(Translate(u"укучы кардан китте."), u"ученик уходил со снега.");
  EXPECT_EQ(Translate(u"укучылар арасында"), u"среди учеников");
  EXPECT_EQ(Translate(u"ике укучы арасында"), u"между двумя учениками");
}

class ContextSenseFileTest : public ::testing::Test {
protected:
  void SetUp() override { UseStandardLexicon(); }
  void TearDown() override { UseStandardLexicon(); }
};

TEST_F(ContextSenseFileTest, MissingFileMeansNoSensesAndADamagedOneIsALoadError) {
  const std::string dir = MakeTempDir();
  ContextSenseLexicon().Write(dir);
  const std::string path = dir + "/senses.coll";
  ASSERT_EQ(rename(path.c_str(), (path + ".away").c_str()), 0);
  ReloadLexicon(dir);
  EXPECT_STREQ(LoadError(), "");
  EXPECT_EQ(Translate(u"укучы тәрәзәне ватты."), u"ученик сломал окно.");

  // A record that claims more bytes than the file has.
  std::ofstream(path, std::ios::binary) << std::string("\xff\x00\x00\x00rules", 9);
  LoadTransler((dir + "/").c_str());
  const std::string error = LoadError();
  EXPECT_NE(error.find("senses.coll"), std::string::npos) << error;
  EXPECT_TRUE(RunSentence(u"китап").empty());
}

}  // namespace
}  // namespace tatfix
