// Context senses: senses.tsv is checked line by line against the lexicon and
// written as senses.coll.
#include <unistd.h>

#include <filesystem>

#include "DataBuilder.h"
#include "Senses.h"
#include "TempLexicon.h"
#include "zentrok/FileCollection.h"
#include "zentrok/MyTables3.h"

namespace {

// The error of reading senses.tsv in dir against its lexicon, empty when
// it is accepted.
std::string SensesError(const std::filesystem::path& dir) {
  try {
    mkdata::ReadSenses(dir.string(), mkdata::LoadLexicon(dir.string()));
  } catch (const mkdata::TLexiconError& e) {
    return e.what();
  }
  return "";
}

class SensesTest : public TempLexicon {
protected:
  void SetUp() override {
    TempLexicon::SetUp();
    Write("verbs.tsv",
          "ват\tломать\tasp=сломать\n"
          "ват\tразбить\t< p\n"
          "ват\tразбивать\t< asp=разбить\n"
          "ват\tсломать\t< p\n"
          "уйна\tиграть\n");
    Write("nouns.tsv", "тәрәзә\tокно\tn\nфутбол\tфутбол\tm\nкеше\tчеловек\tm anim\n");
    Write("adjectives.tsv", "озын\tдлинный\nозын\tвысокий\t<\n");
  }
  // The error of reading senses.tsv, empty when it is accepted.
  std::string Check(const std::string& text) {
    Write("senses.tsv", text);
    return SensesError(Dir);
  }
};

TEST_F(SensesTest, GoodLinesAreAccepted) {
  EXPECT_EQ(Check("@glass\t=\tтәрәзә\n"
                  "ват\tobj\t@glass\tразбивать/разбить\n"
                  "уйна\tobj\tфутбол\tиграть\tв+acc\n"
                  "ват\tadv\t*\tломать\n"),
            "");
}

TEST_F(SensesTest, BadLinesNameTheirLine) {
  const std::string ok = "ват\tobj\tтәрәзә\tразбить\n";
  // unknown Tatar verb
  EXPECT_EQ(Check(ok + "сындыр\tobj\tтәрәзә\tразбить\n"),
            "senses.tsv:2: \"сындыр\" is no Tatar verb of the lexicon");
  // an adjective rule with a verb's relation and the other way round
  EXPECT_EQ(Check("озын\tobj\tкеше\tвысокий\n"), "senses.tsv:1: \"озын\" is no Tatar verb of the lexicon");
  EXPECT_EQ(Check("ват\thead\tкеше\tвысокий\n"), "senses.tsv:1: \"ват\" is no Tatar adjective of the lexicon");
  EXPECT_NE(Check(ok + "ват\twith\tтәрәзә\tразбить\n").find("senses.tsv:2: unknown relation \"with\""),
            std::string::npos);
  // unknown context word or class
  EXPECT_EQ(Check("ват\tobj\tтәрәз\tразбить\n"),
            "senses.tsv:1: context word \"тәрәз\" is no Tatar word of the lexicon");
  EXPECT_EQ(Check("ват\tobj\t@dishes\tразбить\n"), "senses.tsv:1: unknown class @dishes");
  EXPECT_NE(Check("@dishes\t=\tсавыт\n").find("\"савыт\" is no Tatar word"), std::string::npos);
  // unknown Russian verb, adjective, aspect order
  EXPECT_EQ(Check("ват\tobj\tтәрәзә\tразбивать/расколоть\n"),
            "senses.tsv:1: \"расколоть\" is no Russian verb of the lexicon");
  EXPECT_EQ(Check("ват\tobj\tтәрәзә\tразбить/разбивать\n"),
            "senses.tsv:1: \"разбить/разбивать\": write the imperfective verb first, then the perfective");
  EXPECT_NE(Check("озын\thead\tкеше\tрослый\n").find("senses.tsv:1: \"рослый\" is no Russian adjective"),
            std::string::npos);
  // governments
  EXPECT_NE(Check("уйна\tobj\tфутбол\tиграть\tв+nom\n").find("senses.tsv:1: government \"в+nom\""),
            std::string::npos);
  EXPECT_NE(Check("уйна\tadv\tфутбол\tиграть\tв+acc\n").find("senses.tsv:1: a government applies"),
            std::string::npos);
  // class lines
  EXPECT_NE(Check("@x\tclass\tкеше\n").find("senses.tsv:1: a class line"), std::string::npos);
  EXPECT_NE(Check("@x\t=\tкеше\n@x\t=\tфутбол\n").find("senses.tsv:2: class defined twice"), std::string::npos);
}

TEST_F(SensesTest, NoFileMeansNoRules) {
  EXPECT_TRUE(mkdata::ReadSenses(Dir.string(), mkdata::LoadLexicon(Dir.string())).Rules.empty());
}

TEST_F(SensesTest, AspectPartnersComeFromTheVerbEntries) {
  Write("senses.tsv",
        "ват\tobj\tтәрәзә\tразбить\n"
        "ват\tobj\tкеше\tломать\n"
        "ват\tobj\tфутбол\tсломать/сломать\n"
        "уйна\tobj\tфутбол\tиграть\n");
  const mkdata::TLexicon lx = mkdata::LoadLexicon(Dir.string());
  const mkdata::TSenses s = mkdata::ReadSenses(Dir.string(), lx);
  ASSERT_EQ(s.Rules.size(), 4u);
  const auto numbers = mkdata::NumberVerbs(lx);
  auto pair = [&](int i) {
    auto v = mkdata::ResolveSenseVerbs(lx, numbers, s.Rules[i]);
    return std::make_pair(v.Imperfective, v.Perfective);
  };
  // named from the partner's entry (разбивать asp=разбить), from its own, or both given
  EXPECT_EQ(pair(0), std::make_pair(numbers.at(u"разбивать"), numbers.at(u"разбить")));
  EXPECT_EQ(pair(1), std::make_pair(numbers.at(u"ломать"), numbers.at(u"сломать")));
  EXPECT_EQ(pair(2), std::make_pair(numbers.at(u"сломать"), numbers.at(u"сломать")));
  // no partner: the verb serves both aspects
  EXPECT_EQ(pair(3), std::make_pair(numbers.at(u"играть"), numbers.at(u"играть")));
}

TEST_F(SensesTest, WrittenAsACollectionInFileOrderPerWord) {
  Write("senses.tsv",
        "@glass\t=\tтәрәзә\n"
        "уйна\tobj\tфутбол\tиграть\tв+acc\n"
        "ват\tobj\t@glass, кеше\tразбить\n"
        "ват\tadv\t*\tломать\n");
  const mkdata::TLexicon lx = mkdata::LoadLexicon(Dir.string());
  mkdata::TBuildReport report;
  mkdata::BuildSenses(lx, mkdata::ReadSenses(Dir.string(), lx), Dir.string(), report);
  zentrok::TFileCollection coll((Dir / "senses.coll").string());
  const zentrok::TFileItem* rulesItem = coll.FindItem("rules");
  const zentrok::TFileItem* classesItem = coll.FindItem("classes");
  ASSERT_NE(rulesItem, nullptr);
  ASSERT_NE(classesItem, nullptr);
  zentrok::TTable rules = zentrok::TTable::FromBytes(rulesItem->Memory(), rulesItem->Size(), "rules");
  ASSERT_EQ(rules.RowCount(), 3);
  EXPECT_EQ(rules.GetCell(0, 0), u"ват");
  EXPECT_EQ(rules.GetCell(0, 2), u"@glass,кеше");
  EXPECT_EQ(rules.GetCell(1, 1), u"adv");
  EXPECT_EQ(rules.GetCell(2, 6), u"acc:в+acc");
  zentrok::TTable classes = zentrok::TTable::FromBytes(classesItem->Memory(), classesItem->Size(), "classes");
  ASSERT_EQ(classes.RowCount(), 1);
  EXPECT_EQ(classes.GetCell(0, 1), u"тәрәзә");
}

// Nouns by their context: the rule names a Russian noun of any entry; the
// compiler gives the Tatar noun that sense on its own stem and paradigm.
class NounSensesTest : public TempBuild {
protected:
  void SetUp() override {
    TempBuild::SetUp();
    Write("nouns.tsv",
          "аш\tеда\tnp=блюда mass\n"
          "шорпа\tсуп\tnp=супы\n"
          "ял\tотдых\tna\n"
          "отпуск\tотпуск\tnp=отпуска\n"
          "кеше\tчеловек\tm anim\n"
          "күл\tозеро\tn t:back\n"
          "диңгез\tморе\tn\n");
    Write("adjectives.tsv", "тәмле\tвкусный\nсаф\tчистый\n");
    Write("verbs.tsv", "пешер\tготовить\n");
    Write("postpositions.tsv", "алдыннан\tперед\t9\n");
  }
  std::string Check(const std::string& text) {
    Write("senses.tsv", text);
    return SensesError(Dir);
  }
  // Column 3 of the stem row of Tatar lemma tat and Russian noun rus; -1 if none.
  long long Info(const std::string& tat, const std::string& rus, std::u16string* stem = nullptr,
                 std::u16string* paradigm = nullptr) {
    zentrok::TTable stems = Table("itfst04.pack");
    for (int r = 0; r < stems.RowCount(); ++r)
      if (stems.GetCell(r, 4) == zentrok::Utf8ToUtf16(tat) && stems.GetCell(r, 5) == zentrok::Utf8ToUtf16(rus)) {
        if (stem) *stem = stems.GetCell(r, 0);
        if (paradigm) *paradigm = stems.GetCell(r, 1);
        return std::stoll(zentrok::Utf16ToUtf8(stems.GetCell(r, 3)));
      }
    return -1;
  }
};

TEST_F(NounSensesTest, RulesAreCheckedAgainstTheNouns) {
  EXPECT_EQ(Check("аш\tmod\tтәмле\tсуп\nаш\tverb\tпешер\tсуп\nял\tnext\tалдыннан\tотпуск\n"
                  "аш\tmod\tсаф\tеда\n"),
            "");
  EXPECT_EQ(Check("аш\tmod\tтәмле\tборщ\n"), "senses.tsv:1: \"борщ\" is no Russian noun of the lexicon");
  EXPECT_EQ(Check("тәмле\tmod\tаш\tсуп\n"), "senses.tsv:1: \"тәмле\" is no Tatar noun of the lexicon");
  EXPECT_EQ(Check("аш\tmod\tтәмле\tчеловек\n"),
            "senses.tsv:1: \"человек\" must be as animate as the noun's own sense");
  EXPECT_EQ(Check("аш\tverb\tпешер\tсуп\tв+acc\n"), "senses.tsv:1: a noun rule takes no government");
}

TEST_F(NounSensesTest, TheContextSenseSharesTheStemAndIsFlagged) {
  Write("senses.tsv",
        "аш\tmod\tсаф\tеда\n"
        "аш\tmod\tтәмле\tсуп\n"
        "аш\tverb\tпешер\tсуп\n"
        "ял\tnext\tалдыннан\tотпуск\n"
        "күл\tmod\tсаф\tморе\n");
  mkdata::TLexicon lx = mkdata::LoadLexicon(Dir.string());
  const mkdata::TSenses senses = mkdata::ReadSenses(Dir.string(), lx);
  const size_t before = lx.Nouns.size();
  mkdata::AddNounSenses(lx, senses);
  // One entry per noun and Russian word; none for the noun's own word.
  ASSERT_EQ(lx.Nouns.size(), before + 3);
  for (size_t i = before; i < lx.Nouns.size(); ++i) EXPECT_FALSE(lx.Nouns[i].ToTat);
  mkdata::TBuildReport report;
  mkdata::BuildTatEngineData(lx, (Dir / "out").string(), report);

  std::u16string ownStem, ownParadigm, stem, paradigm;
  const long long own = Info("аш", "еда", &ownStem, &ownParadigm);
  const long long soup = Info("аш", "суп", &stem, &paradigm);
  ASSERT_GE(own, 0);
  ASSERT_GE(soup, 0);
  EXPECT_EQ(own & 0x2000, 0);
  EXPECT_EQ(soup & 0x3F00, 0x2000);  // only the context flag: not mass like еда
  EXPECT_EQ(soup & 0xFF, 1);         // masculine
  EXPECT_EQ(stem, ownStem);
  EXPECT_EQ(paradigm, ownParadigm);
  // "на" belongs to отдых, not to отпуск.
  EXPECT_EQ(Info("ял", "отдых") & 0x2100, 0x100);
  EXPECT_EQ(Info("ял", "отпуск") & 0x2100, 0x2000);
  // A back-vowel noun keeps its Tatar option: the same Tatar paradigm.
  Info("күл", "озеро", &ownStem, &ownParadigm);
  Info("күл", "море", &stem, &paradigm);
  EXPECT_EQ(paradigm, ownParadigm);
}

// Every rule of the real senses.tsv can fire: its word is a lemma of its
// class's stem table, an adjective rule's Russian adjective is found the way
// the engine looks it up (a stem row whose stem, maybe empty as for плохой /
// хуже, starts the word), and a noun rule's Russian noun has its stem row.
TEST(RealSenses, EveryRuleReachesItsWords) {
  const std::filesystem::path out =
      std::filesystem::temp_directory_path() / ("mkdata_real_senses_" + std::to_string(::getpid()));
  std::filesystem::create_directories(out);
  mkdata::TLexicon lx = mkdata::LoadLexicon(ZENTROK_LEXICON_DIR);
  const mkdata::TSenses senses = mkdata::ReadSenses(ZENTROK_LEXICON_DIR, lx);
  mkdata::AddNounSenses(lx, senses);
  mkdata::TBuildReport report;
  mkdata::BuildTatEngineData(lx, out.string(), report);
  auto table = [&](const char* name) { return zentrok::TTable(zentrok::Utf8ToUtf16((out / name).string())); };
  const zentrok::TTable adjStems = table("itfst01.pack"), adjRus = table("itfsr01.pack"),
                        nounStems = table("itfst04.pack"), verbStems = table("itfst10.pack");
  auto lemmaIn = [](const zentrok::TTable& t, const std::u16string& word) {
    for (int r = 0; r < t.RowCount(); ++r)
      if (t.RowLength(r) > 4 && t.GetCell(r, 4) == word) return true;
    return false;
  };
  std::vector<std::string> dead;
  for (const mkdata::TSenseRule& rule : senses.Rules) {
    const std::string where = rule.Place.Where() + " " + zentrok::Utf16ToUtf8(rule.Word);
    const bool adjective = mkdata::IsAdjectiveRelation(rule.Relation);
    const bool noun = mkdata::IsNounRelation(rule.Relation);
    if (!lemmaIn(adjective ? adjStems : noun ? nounStems : verbStems, rule.Word)) {
      dead.push_back(where + ": no stem row");
    } else if (adjective) {
      bool found = false;
      for (int r = 0; r < adjRus.RowCount() && !found; ++r)
        found = adjRus.GetCell(r, 2) == rule.Russian && rule.Russian.starts_with(adjRus.GetCell(r, 0));
      if (!found) dead.push_back(where + ": Russian adjective not found");
    } else if (noun) {
      bool found = false;
      for (int r = 0; r < nounStems.RowCount() && !found; ++r)
        found = nounStems.GetCell(r, 4) == rule.Word && nounStems.GetCell(r, 5) == rule.Russian;
      if (!found) dead.push_back(where + ": no row of its Russian noun");
    }
  }
  std::filesystem::remove_all(out);
  std::string list;
  for (auto& d : dead) list += d + "\n";
  EXPECT_TRUE(dead.empty()) << list;
  EXPECT_GT(senses.Rules.size(), 150u);
}

}  // namespace
