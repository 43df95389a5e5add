// Russian generators on whole paradigms of the main declension and
// conjugation types.
#include <gtest/gtest.h>

#include "RussianMorph.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;

namespace {

std::string Join(const std::vector<std::u16string>& v, size_t from = 0, size_t to = 0) {
  std::string s;
  if (to == 0) to = v.size();
  for (size_t i = from; i < to; ++i) s += (i > from ? " " : "") + U8(v[i]);
  return s;
}

std::string Noun(const std::u16string& lemma, int gender, bool anim = false, bool fleet = false,
                 bool end = false, TOverrides forms = {}) {
  TRusNounInfo i;
  i.Gender = gender;
  i.Animate = anim;
  i.Fleeting = fleet;
  i.EndStress = end;
  i.Forms = std::move(forms);
  return Join(RusNounForms(lemma, i));
}

}  // namespace

TEST(RussianNouns, DeclensionTypes) {
  EXPECT_EQ(Noun(u"стол", 1), "стол стола столу стол столом столе столы столов столам столы столами столах");
  EXPECT_EQ(Noun(u"книга", 2), "книга книги книге книгу книгой книге книги книг книгам книги книгами книгах");
  EXPECT_EQ(Noun(u"окно", 3, false, true),
            "окно окна окну окно окном окне окна окон окнам окна окнами окнах");
  EXPECT_EQ(Noun(u"день", 1, false, true, true),
            "день дня дню день днём дне дни дней дням дни днями днях");
  EXPECT_EQ(Noun(u"учитель", 1, true),
            "учитель учителя учителю учителя учителем учителе учители учителей учителям учителей "
            "учителями учителях");
  EXPECT_EQ(Noun(u"учитель", 1, true, false, false, {{"np", u"учителя"}}),
            "учитель учителя учителю учителя учителем учителе учителя учителей учителям учителей "
            "учителями учителях");
  EXPECT_EQ(Noun(u"неделя", 2), "неделя недели неделе неделю неделей неделе недели недель неделям недели неделями неделях");
  EXPECT_EQ(Noun(u"дверь", 2), "дверь двери двери дверь дверью двери двери дверей дверям двери дверями дверях");
  EXPECT_EQ(Noun(u"ночь", 2), "ночь ночи ночи ночь ночью ночи ночи ночей ночам ночи ночами ночах");
  EXPECT_EQ(Noun(u"армия", 2), "армия армии армии армию армией армии армии армий армиям армии армиями армиях");
  EXPECT_EQ(Noun(u"здание", 3), "здание здания зданию здание зданием здании здания зданий зданиям здания зданиями зданиях");
  EXPECT_EQ(Noun(u"море", 3), "море моря морю море морем море моря морей морям моря морями морях");
  EXPECT_EQ(Noun(u"время", 3), "время времени времени время временем времени времена времён временам времена временами временах");
  EXPECT_EQ(Noun(u"музей", 1), "музей музея музею музей музеем музее музеи музеев музеям музеи музеями музеях");
  EXPECT_EQ(Noun(u"отец", 1, true, true, true),
            "отец отца отцу отца отцом отце отцы отцов отцам отцов отцами отцах");
  EXPECT_EQ(Noun(u"девушка", 2, true, true),
            "девушка девушки девушке девушку девушкой девушке девушки девушек девушкам девушек девушками девушках");
  EXPECT_EQ(Noun(u"мама", 2, true), "мама мамы маме маму мамой маме мамы мам мамам мам мамами мамах");
  EXPECT_EQ(Noun(u"папа", 1, true), "папа папы папе папу папой папе папы пап папам пап папами папах");
  EXPECT_EQ(Noun(u"врач", 1, true, false, true),
            "врач врача врачу врача врачом враче врачи врачей врачам врачей врачами врачах");
  EXPECT_EQ(Noun(u"брат", 1, true, false, false, {{"np", u"братья"}}),
            "брат брата брату брата братом брате братья братьев братьям братьев братьями братьях");
  EXPECT_EQ(Noun(u"палец", 1, false, true),
            "палец пальца пальцу палец пальцем пальце пальцы пальцев пальцам пальцы пальцами пальцах");
}

TEST(RussianNouns, SpecialClasses) {
  TRusNounInfo indecl;
  indecl.Indeclinable = true;
  indecl.Gender = 3;
  EXPECT_EQ(Join(RusNounForms(u"метро", indecl)), "метро метро метро метро метро метро метро метро метро метро метро метро");
  TRusNounInfo pl;
  pl.Gender = 4;
  pl.Forms["gp"] = u"денег";
  pl.Forms["ip"] = u"деньгами";
  EXPECT_EQ(Join(RusNounForms(u"деньги", pl), 6), "деньги денег деньгам деньги деньгами деньгах");
  TRusNounInfo soft;
  EXPECT_THROW(RusNounForms(u"тетрадь", soft), std::invalid_argument);
}

TEST(RussianAdjectives, HardSoftMixedAndStressed) {
  auto nov = RusAdjForms(u"новый", {});
  EXPECT_EQ(Join(nov, 1, 29),
            "новый новая новое новые нового новой нового новых новому новой новому новым "
            "новый новую новое новые нового новую новое новых новым новой новым новыми "
            "новом новой новом новых");
  EXPECT_EQ(U8(nov[29]), "новее");
  auto sin = RusAdjForms(u"синий", {});
  EXPECT_EQ(Join(sin, 1, 5), "синий синяя синее синие");
  EXPECT_EQ(U8(sin[14]), "синюю");
  TRusAdjInfo best;
  best.Forms["cmp"] = u"лучше";
  auto hor = RusAdjForms(u"хороший", best);
  EXPECT_EQ(Join(hor, 1, 9), "хороший хорошая хорошее хорошие хорошего хорошей хорошего хороших");
  EXPECT_EQ(U8(hor[29]), "лучше");
  auto bol = RusAdjForms(u"большой", {});
  EXPECT_EQ(Join(bol, 1, 5), "большой большая большое большие");
  EXPECT_EQ(U8(bol[21]), "большим");
  auto rus = RusAdjForms(u"русский", {});
  EXPECT_EQ(Join(rus, 1, 9), "русский русская русское русские русского русской русского русских");
  // the ordinal "третий" keeps its soft sign before every ending
  EXPECT_EQ(Join(RusAdjForms(u"третий", {}), 1, 29),
            "третий третья третье третьи третьего третьей третьего третьих третьему третьей "
            "третьему третьим третий третью третье третьи третьего третью третье третьих "
            "третьим третьей третьим третьими третьем третьей третьем третьих");
  auto dr = RusAdjForms(u"другой", {});
  EXPECT_EQ(Join(dr, 1, 5), "другой другая другое другие");
  EXPECT_EQ(U8(RusAdjForms(u"громкий", {})[29]), "громче");
  EXPECT_EQ(U8(RusAdjForms(u"тихий", {})[29]), "тише");
  EXPECT_THROW(RusAdjForms(u"быстро", {}), std::invalid_argument);
  // short forms of plain hard stems, with the vowel before a final н
  EXPECT_EQ(Join(RusAdjForms(u"нужный", {}), 30, 34), "нужен нужна нужно нужны");
  EXPECT_EQ(U8(RusAdjForms(u"длинный", {})[30]), "длинен");
  EXPECT_EQ(U8(RusAdjForms(u"сильный", {})[30]), "силен");
  EXPECT_EQ(U8(RusAdjForms(u"красивый", {})[31]), "красива");
  EXPECT_TRUE(RusAdjForms(u"русский", {})[30].empty());
}

TEST(RussianVerbs, ConjugationsAndAlternations) {
  auto v = [](const std::u16string& inf, bool perf, TOverrides o = {}) {
    TRusVerbInfo i;
    i.Perfective = perf;
    i.Forms = std::move(o);
    return Join(RusVerbForms(inf, i), 1);
  };
  EXPECT_EQ(v(u"читать", false),
            "читать читай читаю читаешь читает читайте читаем читаете читают читал читала читало "
            "читали читая читавший читавшая читавшее читавшие");
  // no present gerund after the с/ш alternation: the slot stays empty
  EXPECT_EQ(v(u"писать", false, {{"1s", u"пишу"}, {"3s", u"пишет"}}),
            "писать пиши пишу пишешь пишет пишите пишем пишете пишут писал писала писало писали "
            " писавший писавшая писавшее писавшие");
  EXPECT_EQ(v(u"говорить", false),
            "говорить говори говорю говоришь говорит говорите говорим говорите говорят говорил "
            "говорила говорило говорили говоря говоривший говорившая говорившее говорившие");
  EXPECT_EQ(v(u"учиться", false),
            "учиться учись учусь учишься учится учитесь учимся учитесь учатся учился училась "
            "училось учились учась учившийся учившаяся учившееся учившиеся");
  EXPECT_EQ(v(u"давать", false),
            "давать давай даю даёшь даёт давайте даём даёте дают давал давала давало давали "
            "давая дававший дававшая дававшее дававшие");
  EXPECT_EQ(Join(RusVerbForms(u"рисовать", {}), 1, 5), "рисовать рисуй рисую рисуешь");
  auto p = RusVerbForms(u"прочитать", {true, {}});
  EXPECT_EQ(U8(p[14]), "прочитав");
  EXPECT_EQ(v(u"нести", false, {{"1s", u"несу"}, {"3s", u"несёт"}, {"pm", u"нёс"}, {"pap", u"нёсший"}}),
            "нести неси несу несёшь несёт несите несём несёте несут нёс несла несло несли неся "
            "нёсший нёсшая нёсшее нёсшие");
  // -нуть verbs whose past drops -ну-: the gerund and (imperfective) the
  // participle keep it
  auto arise = RusVerbForms(u"возникнуть", {true, {{"1s", u"возникну"}, {"3s", u"возникнет"}, {"pm", u"возник"}}});
  EXPECT_EQ(U8(arise[10]) + " " + U8(arise[11]) + " " + U8(arise[14]) + " " + U8(arise[15]),
            "возник возникла возникнув возникший");
  auto freeze = RusVerbForms(u"мёрзнуть", {false, {{"1s", u"мёрзну"}, {"3s", u"мёрзнет"}, {"pm", u"мёрз"}}});
  EXPECT_EQ(U8(freeze[10]) + " " + U8(freeze[15]), "мёрз мёрзнувший");
  EXPECT_EQ(U8(RusVerbForms(u"крикнуть", {true, {}})[14]), "крикнув");
  EXPECT_THROW(RusVerbForms(u"мочь", {}), std::invalid_argument);
  EXPECT_EQ(U8(RusPresentParticiple(u"читать", {})), "читающий");
  EXPECT_EQ(Join(RusVerbForms(u"лаять", {}), 3, 6), "лаю лаешь лает");
  EXPECT_EQ(U8(RusPresentParticiple(u"учиться", {})), "учащийся");
  EXPECT_EQ(Join(RusParticipleDeclension(u"читавший"), 1, 5), "читавший читавшая читавшее читавшие");
}

TEST(RussianNouns, GivenPluralKeepsTheSpellingRules) {
  // the oblique plural built on a given nominative plural: -ей after hushing
  // sounds, -ов after к/г/х, -ев after unstressed ц, soft endings after -я/-ья
  EXPECT_EQ(Noun(u"сторож", 1, true, false, false, {{"np", u"сторожа"}}),
            "сторож сторожа сторожу сторожа сторожем стороже "
            "сторожа сторожей сторожам сторожей сторожами сторожах");
  EXPECT_EQ(Noun(u"долг", 1, false, false, true, {{"np", u"долги"}}),
            "долг долга долгу долг долгом долге долги долгов долгам долги долгами долгах");
  EXPECT_EQ(Noun(u"месяц", 1, false, false, false, {{"np", u"месяцы"}}),
            "месяц месяца месяцу месяц месяцем месяце месяцы месяцев месяцам месяцы месяцами месяцах");
  EXPECT_EQ(Noun(u"учитель", 1, true, false, false, {{"np", u"учителя"}}),
            "учитель учителя учителю учителя учителем учителе "
            "учителя учителей учителям учителей учителями учителях");
  EXPECT_EQ(Noun(u"брат", 1, true, false, false, {{"np", u"братья"}}),
            "брат брата брату брата братом брате братья братьев братьям братьев братьями братьях");
  EXPECT_EQ(Noun(u"музей", 1, false, false, false, {{"np", u"музеи"}}),
            "музей музея музею музей музеем музее музеи музеев музеям музеи музеями музеях");
  // neuter and feminine: -ья and soft -и bring their stem, other plurals
  // keep the zero genitive of the rules
  EXPECT_EQ(Noun(u"дерево", 3, false, false, false, {{"np", u"деревья"}}),
            "дерево дерева дереву дерево деревом дереве "
            "деревья деревьев деревьям деревья деревьями деревьях");
  EXPECT_EQ(Noun(u"беда", 2, false, false, false, {{"np", u"беды"}}),
            "беда беды беде беду бедой беде беды бед бедам беды бедами бедах");
}

TEST(RussianAdjectives, OnlyQualitativeAdjectivesHaveDegrees) {
  for (auto w : {u"деревянный", u"серебряный", u"первый", u"второй", u"третий", u"четвёртый", u"двадцатый",
                 u"сотый", u"летний", u"вчерашний", u"русский", u"городской", u"бывший", u"следующий",
                 u"дневной", u"ночной", u"родной", u"годовой", u"ледяной", u"ежедневный"})
    EXPECT_TRUE(RusLooksRelative(w)) << U8(w);
  for (auto w : {u"новый", u"красивый", u"постоянный", u"пьяный", u"синий", u"древний", u"плоский",
                 u"высокий", u"большой", u"хороший", u"тёплый", u"смешной", u"больной", u"дурной"})
    EXPECT_FALSE(RusLooksRelative(w)) << U8(w);
  TRusAdjInfo rel;
  rel.Qualitative = false;
  auto wooden = RusAdjForms(u"деревянный", rel);
  EXPECT_EQ(U8(wooden[5]), "деревянного");
  for (int v = 29; v <= 33; ++v) EXPECT_EQ(U8(wooden[v]), "") << v;
  auto first = RusAdjForms(u"первый", rel);
  EXPECT_EQ(U8(first[29]), "");
  EXPECT_EQ(U8(first[30]), "");
  auto pretty = RusAdjForms(u"красивый", {});
  EXPECT_EQ(Join(pretty, 29, 34), "красивее красив красива красиво красивы");
}

TEST(RussianNouns, FeminineSoftSignWithFleetingVowel) {
  EXPECT_EQ(Noun(u"любовь", 2, false, true),
            "любовь любви любви любовь любовью любви любви любвей любвям любви любвями любвях");
  EXPECT_EQ(Noun(u"церковь", 2, false, true),
            "церковь церкви церкви церковь церковью церкви церкви церквей церквям церкви церквями церквях");
  // a given genitive singular carries the plural along
  EXPECT_EQ(Noun(u"ложь", 2, false, false, false, {{"gs", u"лжи"}, {"ps", u"лжи"}, {"ds", u"лжи"}}),
            "ложь лжи лжи ложь ложью лжи лжи лжей лжам лжи лжами лжах");
  EXPECT_EQ(Noun(u"ночь", 2), "ночь ночи ночи ночь ночью ночи ночи ночей ночам ночи ночами ночах");
}

TEST(RussianNouns, FleetingVowelBeforeYotAndStemYo) {
  EXPECT_EQ(Noun(u"улей", 1, false, true),
            "улей улья улью улей ульем улье ульи ульев ульям ульи ульями ульях");
  EXPECT_EQ(Noun(u"соловей", 1, true, true, true),
            "соловей соловья соловью соловья соловьём соловье соловьи соловьёв соловьям соловьёв "
            "соловьями соловьях");
  // a stressed ending takes the stress off the stem's ё
  EXPECT_EQ(Noun(u"ёж", 1, true, false, true), "ёж ежа ежу ежа ежом еже ежи ежей ежам ежей ежами ежах");
  EXPECT_EQ(Noun(u"звезда", 2, false, false, false, {{"np", u"звёзды"}, {"gp", u"звёзд"}}),
            "звезда звезды звезде звезду звездой звезде звёзды звёзд звёздам звёзды звёздами звёздах");
  // with a fleeting vowel the genitive plural is not touched
  TRusNounInfo sister;
  sister.Gender = 2;
  sister.Animate = sister.Fleeting = true;
  sister.Forms = {{"np", u"сёстры"}};
  auto sisters = RusNounForms(u"сестра", sister);
  EXPECT_EQ(Join(sisters, 6, 7) + " " + Join(sisters, 8, 9) + " " + Join(sisters, 10, 12),
            "сёстры сёстрам сёстрами сёстрах");
  EXPECT_EQ(U8(sisters[7]).find("ё"), std::string::npos);
  TRusNounInfo gun;
  gun.Gender = 3;
  EXPECT_EQ(Join(RusNounForms(u"ружьё", gun), 0, 6), "ружьё ружья ружью ружьё ружьём ружье");
  gun.EndStress = true;
  EXPECT_EQ(Join(RusNounForms(u"ружьё", gun), 0, 6), "ружьё ружья ружью ружьё ружьём ружье");
  EXPECT_EQ(Noun(u"огонь", 1, false, true, true),
            "огонь огня огню огонь огнём огне огни огней огням огни огнями огнях");
}

TEST(RussianAdjectives, ThirdAndYo) {
  auto third = RusAdjForms(u"третий", {false, false, {}});
  EXPECT_EQ(Join(third, 1, 29),
            "третий третья третье третьи третьего третьей третьего третьих третьему третьей третьему третьим "
            "третий третью третье третьи третьего третью третье третьих третьим третьей третьим третьими "
            "третьем третьей третьем третьих");
  EXPECT_EQ(Join(RusAdjForms(u"лисий", {}), 1, 5), "лисий лисья лисье лисьи");
  EXPECT_EQ(U8(RusAdjForms(u"тёплый", {})[29]), "теплее");
  EXPECT_EQ(U8(RusAdjForms(u"весёлый", {})[29]), "веселее");
  EXPECT_EQ(U8(RusAdjForms(u"серьёзный", {})[29]), "серьёзнее");
  EXPECT_EQ(U8(RusAdjForms(u"определённый", {})[29]), "определённее");
  EXPECT_EQ(U8(RusAdjForms(u"тёплый", {})[5]), "тёплого");
}

TEST(RussianVerbs, YoAndGivenReflexiveForms) {
  TRusVerbInfo go;
  go.Forms = {{"1s", u"иду"}, {"3s", u"идёт"}, {"pm", u"шёл"}, {"pf", u"шла"}, {"pap", u"шедший"}};
  EXPECT_EQ(Join(RusVerbForms(u"идти", go), 1, 14),
            "идти иди иду идёшь идёт идите идём идёте идут шёл шла шло шли");
  TRusVerbInfo read{true, {{"1s", u"прочту"}, {"3s", u"прочтёт"}, {"pm", u"прочёл"}, {"ger", u"прочтя"}}};
  auto r = RusVerbForms(u"прочесть", read);
  EXPECT_EQ(U8(r[4]) + " " + U8(r[10]) + " " + U8(r[11]) + " " + U8(r[14]), "прочтёшь прочёл прочла прочтя");
  TRusVerbInfo comb;
  EXPECT_EQ(Join(RusVerbForms(u"причёсывать", comb), 10, 12), "причёсывал причёсывала");
  TRusVerbInfo carry{false, {{"1s", u"несу"}, {"3s", u"несёт"}, {"pm", u"нёс"}}};
  EXPECT_EQ(U8(RusVerbForms(u"нести", carry)[11]), "несла");
  // a reflexive verb's given forms leave out -ся; written with it they stay as they are
  TRusVerbInfo back;
  back.Perfective = true;
  back.Forms = {{"1s", u"верну"}, {"3s", u"вернёт"}, {"ger", u"вернув"}, {"pap", u"вернувший"}};
  auto b = RusVerbForms(u"вернуться", back);
  EXPECT_EQ(U8(b[4]) + " " + U8(b[14]) + " " + U8(b[15]) + " " + U8(b[16]),
            "вернёшься вернувшись вернувшийся вернувшаяся");
  back.Forms["ger"] = u"вернувшись";
  back.Forms["pap"] = u"вернувшийся";
  b = RusVerbForms(u"вернуться", back);
  EXPECT_EQ(U8(b[14]) + " " + U8(b[15]), "вернувшись вернувшийся");
  TRusVerbInfo divorce{true, {{"1s", u"разведу"}, {"3s", u"разведёт"}, {"pm", u"развёл"}, {"ger", u"разведя"}}};
  EXPECT_EQ(U8(RusVerbForms(u"развестись", divorce)[14]), "разведясь");
}

// Forms Russian does not have are left empty rather than made up; the
// engines get a real stand-in instead.
TEST(RussianVerbs, FormsRussianLacks) {
  auto gerund = [](const std::u16string& inf, TOverrides o = {}) {
    TRusVerbInfo i;
    i.Forms = std::move(o);
    return U8(RusVerbForms(inf, i)[14]) + "/" + U8(RusEngineGerund(inf, i));
  };
  // no present gerund: з/ж and с/ш alternation, -чь, a vowelless present
  // stem, -нуть losing -ну-, and single verbs
  EXPECT_EQ(gerund(u"вязать", {{"1s", u"вяжу"}, {"3s", u"вяжет"}}), "/вязав");
  EXPECT_EQ(gerund(u"чесаться", {{"1s", u"чешу"}, {"3s", u"чешет"}}), "/чесавшись");
  EXPECT_EQ(gerund(u"печь", {{"1s", u"пеку"}, {"3s", u"печёт"}, {"3p", u"пекут"}, {"pm", u"пёк"}}), "/пёкши");
  EXPECT_EQ(gerund(u"пить", {{"1s", u"пью"}, {"3s", u"пьёт"}}), "/пив");
  EXPECT_EQ(gerund(u"жать", {{"1s", u"жму"}, {"3s", u"жмёт"}}), "/жав");
  EXPECT_EQ(gerund(u"тереть", {{"1s", u"тру"}, {"3s", u"трёт"}, {"pm", u"тёр"}}), "/тёрши");
  EXPECT_EQ(gerund(u"сохнуть", {{"pm", u"сох"}}), "/сохнув");
  EXPECT_EQ(gerund(u"вянуть", {{"pm", u"вял"}}), "/вянув");
  EXPECT_EQ(gerund(u"петь", {{"1s", u"пою"}, {"3s", u"поёт"}, {"pm", u"пел"}}), "/пев");
  // verbs that have one keep it, and a given one wins
  EXPECT_EQ(gerund(u"плакать", {{"1s", u"плачу"}, {"3s", u"плачет"}}), "плача/плача");
  EXPECT_EQ(gerund(u"прятать", {{"1s", u"прячу"}, {"3s", u"прячет"}}), "пряча/пряча");
  EXPECT_EQ(gerund(u"тянуть", {{"1s", u"тяну"}, {"3s", u"тянет"}}), "тяня/тяня");
  EXPECT_EQ(gerund(u"мыть", {{"1s", u"мою"}, {"3s", u"моет"}}), "моя/моя");
  EXPECT_EQ(gerund(u"мстить", {{"1s", u"мщу"}}), "мстя/мстя");
  EXPECT_EQ(gerund(u"мочь", {{"1s", u"могу"}, {"3s", u"может"}, {"3p", u"могут"}, {"pm", u"мог"}, {"ger", u"могши"}}),
            "могши/могши");

  // no 1st singular: победить, убедить, очутиться; the rest of the future
  // stands, and a given 1s= is kept
  TRusVerbInfo win{true, {}};
  auto w = RusVerbForms(u"победить", win);
  EXPECT_EQ(Join(w, 2, 10), "победи  победишь победит победите победим победите победят");
  EXPECT_EQ(U8(RusVerbForms(u"убедиться", win)[3]), "");
  EXPECT_EQ(U8(RusVerbForms(u"очутиться", {true, {{"1s", u"очучу"}, {"3s", u"очутит"}}})[3]), "очучусь");
  EXPECT_EQ(U8(RusVerbForms(u"пылесосить", {false, {{"1s", u"пылесошу"}, {"3s", u"пылесосит"}}})[3]),
            "пылесошу");
  EXPECT_EQ(U8(RusVerbForms(u"обедать", {})[3]), "обедаю");

  // the past from a given masculine alone: ё before р keeps the stress on
  // the stem, elsewhere in the last syllable it moves to the ending
  auto past = [](const std::u16string& inf, const std::u16string& pm) {
    TRusVerbInfo i{false, {{"1s", u"x"}, {"3s", u"xет"}, {"pm", pm}}};
    return Join(RusVerbForms(inf, i), 10, 14);
  };
  EXPECT_EQ(past(u"мёрзнуть", u"мёрз"), "мёрз мёрзла мёрзло мёрзли");
  EXPECT_EQ(past(u"стереть", u"стёр"), "стёр стёрла стёрло стёрли");
  EXPECT_EQ(past(u"вести", u"вёл"), "вёл вела вело вели");
  EXPECT_EQ(past(u"лечь", u"лёг"), "лёг легла легло легли");
  EXPECT_EQ(past(u"беречь", u"берёг"), "берёг берегла берегло берегли");
  EXPECT_EQ(past(u"прийти", u"пришёл"), "пришёл пришла пришло пришли");
}

TEST(RussianVerbs, VelarVerbsInChKeepTheirConsonantIn3plImperativeAndPast) {
  auto v = [](const std::u16string& inf, bool perf, TOverrides o) {
    TRusVerbInfo i;
    i.Perfective = perf;
    i.Forms = std::move(o);
    return Join(RusVerbForms(inf, i), 1);
  };
  // only the 1sg and 3sg given: the к/г of the 1sg is in the 3pl, the
  // imperative and the past (стригут, стриги, стриг), the ч/ж in the rest
  EXPECT_EQ(v(u"стричь", false, {{"1s", u"стригу"}, {"3s", u"стрижёт"}}),
            "стричь стриги стригу стрижёшь стрижёт стригите стрижём стрижёте стригут стриг стригла "
            "стригло стригли  стригший стригшая стригшее стригшие");
  EXPECT_EQ(v(u"печь", false, {{"1s", u"пеку"}, {"3s", u"печёт"}}),
            "печь пеки пеку печёшь печёт пеките печём печёте пекут пёк пекла пекло пекли  пёкший "
            "пёкшая пёкшее пёкшие");
  auto keep = RusVerbForms(u"беречь", {false, {{"1s", u"берегу"}, {"3s", u"бережёт"}}});
  EXPECT_EQ(U8(keep[2]) + " " + U8(keep[9]) + " " + U8(keep[10]) + " " + U8(keep[11]), "береги берегут берёг берегла");
  auto help = RusVerbForms(u"помочь", {true, {{"1s", u"помогу"}, {"3s", u"поможет"}}});
  EXPECT_EQ(U8(help[9]) + " " + U8(help[2]) + " " + U8(help[10]) + " " + U8(help[14]), "помогут помоги помог помогши");
  // hushing stems without the alternation keep their 3pl (пишут, режут)
  EXPECT_EQ(U8(RusVerbForms(u"резать", {false, {{"1s", u"режу"}, {"3s", u"режет"}}})[9]), "режут");
}
