// Clauses opened by times before "ул", predicates of days and the weather,
// "кияүгә чык", "кирәк булса" with a noun, adjectives in -сыз of their own,
// owners as subjects before an oblique, and the present participle.
#include "EngineFixture.h"
#include "tatengine.h"
#include "zentrok/Utf.h"

namespace tatfix {
namespace {

TLexicon Fix7Lexicon() {
  TLexicon lx = StandardLexicon();
  // "бул" is "быть"; rules find verbs by their Tatar lemma (column 4).
  for (TRow& row : lx.Tables["itfst10.pack"])
    if (row[0] == u"бул") row.push_back(u"бул");
  std::erase_if(lx.Tables["plr10.pack"], [](const TRow& row) { return row[0] == N(1006); });
  std::erase_if(lx.Tables["itfst10.pack"], [](const TRow& row) { return row[0] == u"чык"; });
  RusVerb(lx, 1006, u"i",
          {u"быть", u"будь", u"буду", u"будешь", u"будет", u"будьте", u"будем", u"будете", u"будут", u"был",
           u"была", u"было", u"были", u"будучи"});
  for (auto [e, code] : {std::pair{u"ачак", 53}, {u"әчәк", 53}, {u"үче", 81}, {u"учы", 81}, {u"ырга", 5},
                         {u"де", 29}, {u"те", 29}})
    lx.Add("flt10.pack", {e, C(code)});
  for (auto [e, code] : {std::pair{u"сыз", 72}, {u"сез", 72}, {u"еннән", 23}, {u"ыннан", 23}, {u"гә", 3}})
    lx.Add("flt04.pack", {e, C(code)});

  // Days and the weather: день declines with its own stems.
  NounParadigm(lx, 21, {u"день", u"дни", u"дня", u"дней", u"дню", u"дням", u"день", u"дни", u"днём", u"днями",
                        u"дне", u"днях"});
  Noun(lx, u"көн", u"", 21, 1);
  Noun(lx, u"һава", u"воздух", 2, 1);
  Noun(lx, u"малай", u"мальчик", 3, 1);
  NounParadigm(lx, 22, {u"а", u"и", u"и", u"", u"е", u"ам", u"у", u"и", u"ой", u"ами", u"е", u"ах"}, true);
  Noun(lx, u"әби", u"бабушк", 22, 2);
  Noun(lx, u"кияү", u"зят", 6, 1);
  Noun(lx, u"хәл", u"положени", 9, 3);
  Noun(lx, u"ярдәм", u"помощ", 6, 2);
  lx.Add("itfst01.pack", {u"салкын", u"1", u"холодн", u"3"});
  lx.Add("itfst02.pack", {u"салкын", u"1", u"холодно"});
  lx.Add("itfst01.pack", {u"хәлсез", u"1", u"слаб", u"3"});
  for (auto [tat, rus] : {std::pair{u"бүген", u"сегодня"}, {u"кичә", u"вчера"}, {u"иртәгә", u"завтра"}})
    lx.Add("itfst02.pack", {tat, u"1", rus});
  lx.Add("itfst07.pack", {u"ул", u"он", u"она", u"оно", u"1", u"3"});
  lx.Add("itfst11.pack", {u"кирәк булса", u"если нужно"});

  // бежать (no perfective), заниматься (reflexive), выйти (perfective only).
  RusVerb(lx, 1301, u"i",
          {u"бежать", u"беги", u"бегу", u"бежишь", u"бежит", u"бегите", u"бежим", u"бежите", u"бегут", u"бежал",
           u"бежала", u"бежало", u"бежали", u"бежа"});
  TatVerb(lx, u"йөгер", u"бежать", 1301, 0);
  RusVerb(lx, 1302, u"i",
          {u"заниматься", u"занимайся", u"занимаюсь", u"занимаешься", u"занимается", u"занимайтесь",
           u"занимаемся", u"занимаетесь", u"занимаются", u"занимался", u"занималась", u"занималось",
           u"занимались", u"занимаясь"});
  TatVerb(lx, u"шөгыльлән", u"заниматься", 1302, 0);
  RusVerb(lx, 1303, u"p",
          {u"выйти", u"выйди", u"выйду", u"выйдешь", u"выйдет", u"выйдите", u"выйдем", u"выйдете", u"выйдут",
           u"вышел", u"вышла", u"вышло", u"вышли", u"выйдя"});
  TatVerb(lx, u"чык", u"выйти", 1303, 0);
  RusVerb(lx, 1304, u"p",
          {u"выздороветь", u"выздоровей", u"выздоровею", u"выздоровеешь", u"выздоровеет", u"выздоровейте",
           u"выздоровеем", u"выздоровеете", u"выздоровеют", u"выздоровел", u"выздоровела", u"выздоровело",
           u"выздоровели", u"выздоровев"});
  TatVerb(lx, u"терел", u"выздороветь", 1304, 0);
  return lx;
}

using Fix7Test = LexiconTest<Fix7Lexicon>;

bool Has(const std::u16string& text, std::u16string_view part) { return text.find(part) != std::u16string::npos; }

TEST_F(Fix7Test, AThingWithAnAdjectiveAndTheAuxiliaryIsPresented) {
  EXPECT_EQ(Translate(u"матур көн иде."), u"был красивый день.");
  EXPECT_EQ(Translate(u"кичә матур көн иде."), u"вчера был красивый день.");
  EXPECT_EQ(Translate(u"матур китап иде."), u"была красивая книга.");
  // A person is what someone was: the instrumental stays.
  EXPECT_EQ(Translate(u"матур әби иде."), u"была красивой бабушкой.");
}

TEST_F(Fix7Test, ADayWithAnAdjectivePredicateAfterATimeIsPresented) {
  EXPECT_EQ(Translate(u"кичә көн салкын иде."), u"вчера был холодный день.");
  // Without a time word the day stays the subject.
  EXPECT_EQ(Translate(u"көн салкын иде."), u"день был холодный.");
}

TEST_F(Fix7Test, TheWeatherToComeIsAState) {
  EXPECT_EQ(Translate(u"иртәгә һава салкын булачак."), u"завтра будет холодно.");
  EXPECT_EQ(Translate(u"кичә һава салкын иде."), u"вчера было холодно.");
}

TEST_F(Fix7Test, UlAfterATimeBeforeANounAndAVerbIsHe) {
  const std::u16string object = Translate(u"кичә ул китап укыды.");
  EXPECT_TRUE(Has(object, u"он") && !Has(object, u"эт")) << zentrok::Utf16ToUtf8(object);
  // A subject before it leaves it "тот".
  const std::u16string that = Translate(u"кыз ул китапны укыды.");
  EXPECT_FALSE(Has(that, u"он ")) << zentrok::Utf16ToUtf8(that);
}

TEST_F(Fix7Test, TheAgentParticipleBeforeANounIsThePresentParticiple) {
  EXPECT_EQ(Translate(u"йөгерүче малай"), u"бегущий мальчик");
  EXPECT_EQ(Translate(u"йөгерүче кыз"), u"бегущая девочка");
  EXPECT_EQ(Translate(u"шөгыльләнүче кыз"), u"занимающаяся девочка");
}

TEST_F(Fix7Test, GettingMarriedIsVyjtiZamuzh) {
  EXPECT_EQ(Translate(u"кыз кияүгә чыкты."), u"девочка вышла замуж.");
  EXPECT_EQ(Translate(u"кыз кияүгә чыкмады."), u"девочка не вышла замуж.");
}

TEST_F(Fix7Test, ANounThatIsNeededIfSoAgreesWithNeeded) {
  EXPECT_EQ(Translate(u"ярдәм кирәк булса"), u"если нужна помощь");
  EXPECT_EQ(Translate(u"китаплар кирәк булса"), u"если нужны книги");
  EXPECT_EQ(Translate(u"өй кирәк булса"), u"если нужен дом");
}

TEST_F(Fix7Test, AnAdjectiveInSyzOfItsOwnBeatsTheLack) {
  EXPECT_EQ(Translate(u"хәлсез малай"), u"слабый мальчик");
  EXPECT_EQ(Translate(u"малай хәлсез."), u"мальчик слабый.");
  // A lack the lexicon has no adjective for stays a lack.
  EXPECT_TRUE(Has(Translate(u"китапсыз малай"), u"без книг"));
}

TEST_F(Fix7Test, APersonOpeningTheSentenceBeforeItsObliqueIsTheSubject) {
  const std::u16string text = Translate(u"әби тауыннан терелде.");
  EXPECT_TRUE(text.starts_with(u"бабушка") && Has(text, u"выздоровела")) << zentrok::Utf16ToUtf8(text);
}

}  // namespace
}  // namespace tatfix
