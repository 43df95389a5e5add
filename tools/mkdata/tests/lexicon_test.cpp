// The lexicon reader rejects bad entries with file:line messages, and the
// project's own lexicon passes every check.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "DataBuilder.h"
#include "Inflect.h"
#include "Lexicon.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Utf.h"
#include "TempLexicon.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;
namespace fs = std::filesystem;

namespace {

// The reader run over the folder; the error text, empty on success.
class LexiconFolder : public TempLexicon {
protected:
  std::string ErrorOf() {
    try {
      LoadLexicon(Dir.string());
    } catch (const TLexiconError& e) {
      return e.what();
    }
    return "";
  }
};

}  // namespace

TEST_F(LexiconFolder, EmptyListsLoad) {
  EXPECT_EQ(ErrorOf(), "");
}

TEST_F(LexiconFolder, BadEntriesNameTheirLine) {
  Write("nouns.tsv", "# c\nкитап\tкнига\n\nөй\tдом\tm anim zz\n");
  EXPECT_EQ(ErrorOf(), "nouns.tsv:4: unknown flag \"zz\"");
  Write("nouns.tsv", "китап\tкнига\tqq=книжка\n");
  EXPECT_EQ(ErrorOf(), "nouns.tsv:1: unknown form key \"qq\"");
  Write("nouns.tsv", "китап\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:1: expected 2-3"), std::string::npos);
  Write("nouns.tsv", "китап\tкнига\nкитап\tкнижка\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:2: duplicate Tatar entry (first at line 1)"), std::string::npos);
  Write("nouns.tsv", "китап\tкнига\nкитапчык\tкнига\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:2: duplicate Russian entry"), std::string::npos);
  // extra meanings in one direction are allowed
  Write("nouns.tsv", "китап\tкнига\nкитап\tкнижка\t<\nкитапчык\tкнига\t>\n");
  EXPECT_EQ(ErrorOf(), "");
  Write("nouns.tsv", "китап\tкнига\t< >\n");
  EXPECT_NE(ErrorOf().find("nouns.tsv:1: entry marked both"), std::string::npos);
}

TEST_F(LexiconFolder, ClosedListsAreChecked) {
  Write("postpositions.tsv", "белән\tс\tдевять\n");
  EXPECT_NE(ErrorOf().find("postpositions.tsv:1: not a number"), std::string::npos);
  Write("postpositions.tsv", "белән\tс\t9\n");
  Write("pronouns.tsv", "мин\t1\tя,меня\t1:мин\n");
  EXPECT_EQ(ErrorOf(), "pronouns.tsv:1: 12 Russian forms expected (codes 1-12)");
  Write("pronouns.tsv", "мин\t1\tя,я,я,я,я,я,я,я,я,я,я,я\t99:мин\n");
  EXPECT_EQ(ErrorOf(), "pronouns.tsv:1: form code must be 1-87");
  Write("pronouns.tsv", "# none\n");
  Write("prepositions.tsv", "в\t7\t2\t-\n");
  EXPECT_EQ(ErrorOf(), "prepositions.tsv:1: governed case must be a form id 0-5");
  Write("prepositions.tsv", "# none\n");
  Write("verbnumbers.tsv", "взять\t5165\nбрать\t5165x\n");
  EXPECT_NE(ErrorOf().find("verbnumbers.tsv:2: not a number"), std::string::npos);
  Write("verbnumbers.tsv", "взять\t5165\nвзять\t5166\n");
  EXPECT_EQ(ErrorOf(), "verbnumbers.tsv:2: verb pinned twice");
  Write("verbnumbers.tsv", "взять\t12000\n");
  EXPECT_EQ(ErrorOf(), "verbnumbers.tsv:1: pinned verb numbers are 1-9999");
}

TEST_F(LexiconFolder, MissingFileIsReported) {
  fs::remove(Dir / "verbs.tsv");
  EXPECT_NE(ErrorOf().find("verbs.tsv: cannot open"), std::string::npos);
}

namespace {

const TEntry& Find(const std::vector<TEntry>& list, const std::u16string& tat) {
  for (auto& e : list)
    if (e.Tat == tat) return e;
  throw std::runtime_error("no entry " + U8(tat));
}

}  // namespace

TEST_F(LexiconFolder, UsageOptionsDoNotStopASynonymBorrowingItsInflection) {
  // гөл names only its relative adjective and still declines цветок like
  // чәчәк; a mass or measure mark alone borrows in the same way
  Write("nouns.tsv",
        "гөл\tцветок\t> radj=цветочный\n"
        "чәчәк\tцветок\tfleet np=цветы\n"
        "савыт\tчашка\t> measure\n"
        "чынаяк\tчашка\tfleet\n");
  ASSERT_EQ(ErrorOf(), "");
  TLexicon lx = LoadLexicon(Dir.string());
  const TEntry& pot = Find(lx.Nouns, u"гөл");
  EXPECT_EQ(U8(RusNounOf(pot).Forms[1]) + " " + U8(RusNounOf(pot).Forms[6]), "цветка цветы");
  EXPECT_EQ(U8(pot.Values.at("radj")), "цветочный");
  EXPECT_EQ(U8(RusNounOf(Find(lx.Nouns, u"савыт")).Forms[7]), "чашек");
  EXPECT_TRUE(Find(lx.Nouns, u"савыт").Flags.count("measure"));
}

TEST_F(LexiconFolder, HomonymsKeepTheirOwnConjugation) {
  // болеть "to be ill" (болеет) and болеть "to hurt" (болит): two verbs
  Write("verbs.tsv",
        "авыр\tболеть\n"
        "авырт\tболеть\thom=2 1s=болю 3s=болит\n"
        "сызла\tболеть\thom=2 >\n");
  ASSERT_EQ(ErrorOf(), "");
  TLexicon lx = LoadLexicon(Dir.string());
  const TEntry& ill = Find(lx.Verbs, u"авыр");
  const TEntry& hurt = Find(lx.Verbs, u"авырт");
  const TEntry& ache = Find(lx.Verbs, u"сызла");
  EXPECT_EQ(U8(RusVerbOf(ill)[5]), "болеет");
  EXPECT_EQ(U8(RusVerbOf(ill)[9]), "болеют");
  EXPECT_EQ(U8(RusVerbOf(hurt)[5]), "болит");
  EXPECT_EQ(U8(RusVerbOf(ache)[9]), "болят");  // a synonym borrows from its own homonym
  auto numbers = NumberVerbs(lx);
  EXPECT_NE(numbers.at(RusKey(ill)), numbers.at(RusKey(hurt)));
  EXPECT_EQ(numbers.at(RusKey(hurt)), numbers.at(RusKey(ache)));

  // each homonym gets its own row of Russian forms, both named болеть
  fs::path out = Dir / "out";
  fs::create_directories(out);
  TBuildReport report;
  BuildTatEngineData(lx, out.string(), report);
  zentrok::TTable plr(zentrok::Utf8ToUtf16((out / "plr10.pack").string()));
  ASSERT_EQ(plr.RowCount(), 2);
  std::set<std::string> thirdPersons;
  for (int r = 0; r < plr.RowCount(); ++r) {
    EXPECT_EQ(U8(plr.GetCell(r, 1)), "болеть");
    thirdPersons.insert(U8(plr.GetCell(r, 7)));  // selector 5, present 3sg
  }
  EXPECT_EQ(thirdPersons, (std::set<std::string>{"болеет", "болит"}));

  Write("verbs.tsv", "авыр\tболеть\thom=1\n");
  EXPECT_NE(ErrorOf().find("verbs.tsv:1: hom= takes a homonym number 2-9"), std::string::npos);
  // the duplicate check tells homonyms apart, and still finds true duplicates
  Write("verbs.tsv", "авыр\tболеть\nавырт\tболеть\thom=2 3s=болит 1s=болю\nсызла\tболеть\thom=2\n");
  EXPECT_NE(ErrorOf().find("verbs.tsv:3: duplicate Russian entry"), std::string::npos);
}

TEST_F(LexiconFolder, MultiWordLemmasTakeTheirLastWordsFlags) {
  Write("verbs.tsv",
        "бир\tдавать\tt:ir 1s=даю 3s=даёт\n"
        "җавап бир\tотвечать\n"
        "ит\tделать\n"
        "ярдәм ит\tпомогать\n"
        "йөр\tходить\tt:ir t:pres=йөри 1s=хожу 3s=ходит\n"
        "күчеп йөр\tкочевать\n"
        "кайт\tвозвратиться\t< p 1s=возвращу 3s=возвратит\n"
        "кайт\tвернуться\tt:ir p\n");
  Write("nouns.tsv",
        "ел\tгод\tt:back\n"
        "яңа ел\tНовый год\t>\n"
        "такси\tтакси\tn indecl\n"
        "фамилия\tфамилия\n");
  ASSERT_EQ(ErrorOf(), "");
  TLexicon lx = LoadLexicon(Dir.string());
  auto form = [](const TFormList& l, int code) {
    for (auto& [c, f] : l)
      if (c == code) return U8(f);
    return std::string();
  };
  EXPECT_EQ(form(TatVerbList(Find(lx.Verbs, u"җавап бир")), 65), "җавап бирер");
  EXPECT_EQ(form(TatVerbList(Find(lx.Verbs, u"ярдәм ит")), 65), "ярдәм итәр");
  EXPECT_EQ(form(TatVerbList(Find(lx.Verbs, u"күчеп йөр")), 17), "күчеп йөри");
  // every meaning of one Tatar verb conjugates alike, whichever carries the flag
  for (auto& e : lx.Verbs)
    if (e.Tat == u"кайт") {
      EXPECT_EQ(form(TatVerbList(e), 5), "кайтырга") << U8(e.Rus);
    }
  EXPECT_EQ(form(TatNounList(Find(lx.Nouns, u"яңа ел")), 3), "яңа елга");
  // a noun spelt as its Russian word is a loan: back harmony, -сы
  EXPECT_EQ(form(TatNounList(Find(lx.Nouns, u"такси")), 3), "таксига");
  EXPECT_EQ(form(TatNounList(Find(lx.Nouns, u"такси")), 19), "таксисы");
  EXPECT_EQ(form(TatNounList(Find(lx.Nouns, u"фамилия")), 19), "фамилиясе");
}

TEST_F(LexiconFolder, PossessiveCompoundsFindTheirStemAsAWord) {
  Write("nouns.tsv",
        "авыл хуҗалыгы\tсельское хозяйство\tagree t:px3\n"
        "абый\tбрат\tanim\n"
        "мал табибы\tветеринар\tanim t:px3\n"
        "табиб\tврач\tanim end\n"
        "хезмәт хакы\tзарплата\tt:px3\n"
        "хак\tплата\tt:novoice\n");
  ASSERT_EQ(ErrorOf(), "");
  TLexicon lx = LoadLexicon(Dir.string());
  auto forms = [](const TFormList& l, int code) {
    std::string s;
    for (auto& [c, f] : l)
      if (c == code) s += (s.empty() ? "" : " ") + U8(f);
    return s;
  };
  EXPECT_EQ(forms(TatNounList(Find(lx.Nouns, u"авыл хуҗалыгы")), 87), "авыл хуҗалыклары");
  // the stem is the word the lexicon knows (табиб), with its flags (хак: t:novoice)
  EXPECT_EQ(forms(TatNounList(Find(lx.Nouns, u"мал табибы")), 87), "мал табиблары");
  EXPECT_EQ(forms(TatNounList(Find(lx.Nouns, u"хезмәт хакы")), 87), "хезмәт хаклары");
  EXPECT_EQ(forms(TatNounList(Find(lx.Nouns, u"хезмәт хакы")), 7), "хезмәт хакым");
  // the colloquial абыйсы is recognised, never generated
  EXPECT_EQ(forms(TatNounAnalysisList(Find(lx.Nouns, u"абый")), 19), "абые абыйсы");
  EXPECT_EQ(forms(TatNounList(Find(lx.Nouns, u"абый")), 19), "абые");
  EXPECT_EQ(forms(TatNounAnalysisList(Find(lx.Nouns, u"хак")), 19), "хакы");
}

TEST_F(LexiconFolder, OnlyQualitativeAdjectivesGetDegrees) {
  Write("adjectives.tsv",
        "агач\tдеревянный\n"
        "беренче\tпервый\n"
        "тимер\tжелезный\trel\n"
        "матур\tкрасивый\n"
        "зәңгәр\tсиний\tcmp=синее\n"
        "кече\tмаленький\tcmp=меньше\n"
        "җәйге\tлетний\tqual\n");
  ASSERT_EQ(ErrorOf(), "");
  TLexicon lx = LoadLexicon(Dir.string());
  for (auto tat : {u"агач", u"беренче", u"тимер"}) {
    auto v = RusAdjOf(Find(lx.Adjectives, tat));
    EXPECT_EQ(U8(v[29]), "") << U8(tat);
    EXPECT_EQ(U8(v[30]), "") << U8(tat);
  }
  EXPECT_EQ(U8(RusAdjOf(Find(lx.Adjectives, u"матур"))[29]), "красивее");
  EXPECT_EQ(U8(RusAdjOf(Find(lx.Adjectives, u"матур"))[30]), "красив");
  EXPECT_EQ(U8(RusAdjOf(Find(lx.Adjectives, u"зәңгәр"))[29]), "синее");
  EXPECT_EQ(U8(RusAdjOf(Find(lx.Adjectives, u"кече"))[29]), "меньше");
  EXPECT_EQ(U8(RusAdjOf(Find(lx.Adjectives, u"җәйге"))[29]), "летнее");

  // the Tatar -рак form of a relative adjective is not put in the tables
  fs::path out = Dir / "out";
  fs::create_directories(out);
  TBuildReport report;
  BuildTatEngineData(lx, out.string(), report);
  zentrok::TTable stems(zentrok::Utf8ToUtf16((out / "itfst01.pack").string()));
  zentrok::TTable endings(zentrok::Utf8ToUtf16((out / "flt01.pack").string()));
  auto paradigmOf = [&](const std::u16string& stem) {
    int r;
    return stems.Find(stem, r) ? stems.GetInt(r, 1) : -1;
  };
  int e;
  ASSERT_TRUE(endings.Find(u"рак", e));
  std::set<int> withComparative;
  for (int c = 1; c < endings.RowLength(e); ++c) withComparative.insert((endings.GetInt(e, c) & 0xFFFF) >> 8);
  EXPECT_FALSE(withComparative.count(paradigmOf(u"агач")));
  EXPECT_TRUE(withComparative.count(paradigmOf(u"матур")));
}

TEST(ProjectLexicon, LoadsWithoutErrors) {
  TLexicon lx = LoadLexicon(ZENTROK_LEXICON_DIR);
  EXPECT_GT(lx.Nouns.size(), 20u);
  EXPECT_GT(lx.Verbs.size(), 10u);
  EXPECT_FALSE(lx.Prepositions.empty());
}
