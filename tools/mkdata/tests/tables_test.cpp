// The generated files, loaded with the engines' own table classes and
// searched the way the engines search them: every file exists and loads,
// words of real sentences are cut into stem and ending, and the Russian or
// Tatar forms generated from the found rows are the right ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "DataBuilder.h"
#include "zentrok/FileCollection.h"
#include "zentrok/KeyCollation.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Pack2Table.h"
#include "zentrok/Utf.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;
namespace fs = std::filesystem;

namespace {

struct TBuilt {
  fs::path Dir;
  TBuildReport Report;
  TBuilt() {
    Dir = fs::temp_directory_path() / ("mkdata_tables_" + std::to_string(::getpid()));
    fs::create_directories(Dir);
    TLexicon lx = LoadLexicon(ZENTROK_LEXICON_DIR);
    BuildTatEngineData(lx, Dir.string(), Report);
    BuildRusEngineData(lx, Dir.string(), Report);
  }
  ~TBuilt() { fs::remove_all(Dir); }
};

TBuilt& Built() {
  static TBuilt b;
  return b;
}

std::unique_ptr<zentrok::TTable> Load(const char* name) {
  return std::make_unique<zentrok::TTable>(zentrok::Utf8ToUtf16((Built().Dir / name).string()));
}

// The shared recognition of the Tatar-to-Russian engine: longest stem
// first, the leftmost fitting code column, the first fitting stem row.
struct TMatch {
  int Code = 0, Row = -1;
};
TMatch SplitWord(const zentrok::TTable& stems, const zentrok::TTable& endings, const std::u16string& text) {
  for (size_t s = text.size(); s >= 1; --s) {
    int first, last, e;
    if (!stems.FindRange(text.substr(0, s), first, last)) continue;
    if (!endings.Find(text.substr(s), e)) continue;
    if (endings.RowLength(e) < 2) continue;
    for (int c = 1; c < endings.RowLength(e); ++c)
      for (int r = first; r <= last; ++r)
        if (stems.GetInt(r, 1) == ((endings.GetInt(e, c) & 0xFFFF) >> 8))
          return {endings.GetInt(e, c) & 0xFF, r};
  }
  return {};
}

std::string NounRussian(const zentrok::TTable& stems, const zentrok::TTable& codes, int row, int caseNum) {
  int p = stems.GetInt(row, 3) >> 16;
  int idx;
  std::u16string key = zentrok::Utf8ToUtf16(std::to_string(p * 65536 + caseNum));
  if (!codes.Find(key, idx))
    key = zentrok::Utf8ToUtf16(std::to_string(p * 65536 + 256 + caseNum));
  if (!codes.Find(key, idx)) return "?";
  return U8(stems.GetCell(row, 2) + codes.GetCell(idx, 1));
}

// The Russian-to-Tatar engine's tables of one class.
struct TRusClass {
  std::unique_ptr<zentrok::TPack2Table> Codes, Endings, Stems;
  TRusClass(const char* coll, const char* end, const char* code, const char* stem) {
    zentrok::TFileCollection c((Built().Dir / coll).string());
    auto make = [&](const char* n) {
      const zentrok::TFileItem* it = c.FindItem(n);
      EXPECT_NE(it, nullptr) << n;
      return std::make_unique<zentrok::TPack2Table>(it->Memory(), it->Size(), n);
    };
    Codes = make(code);
    Endings = make(end);
    Stems = make(stem);
  }
  static int32_t Whole(const void* key, const uint8_t* cell, int32_t) {
    auto* k = static_cast<const std::u16string*>(key);
    return zentrok::KeyCompare(*k, reinterpret_cast<const char16_t*>(cell));
  }
  static int32_t Prefix(const void* key, const uint8_t* cell, int32_t n) {
    auto* k = static_cast<const std::u16string*>(key);
    return zentrok::KeyCompare(k->substr(0, n), reinterpret_cast<const char16_t*>(cell));
  }
  static int32_t Int(const void* key, const uint8_t* cell, int32_t) {
    int32_t a = *static_cast<const int32_t*>(key), b = zentrok::ReadInt32(cell);
    return a < b ? -1 : a > b ? 1 : 0;
  }
  // (form id, stem row) readings of the longest split.
  std::vector<std::pair<int, int>> Analyse(const std::u16string& word) const {
    std::vector<std::pair<int, int>> out;
    for (int n = (int)word.size(); n >= 0 && out.empty(); --n) {
      std::u16string ending = word.substr(n);
      int32_t e, first, last;
      if (!Endings->Find(&ending, e, Whole, 0, 0)) continue;
      if (!Stems->FindRange(&word, first, last, Prefix, 0, n)) continue;
      for (int r = first; r <= last; ++r)
        for (int c = 1; c < Endings->RowLength(e); ++c) {
          int32_t code = Endings->CellInt(e, c);
          if ((code >> 16) == Stems->CellInt(r, 1)) out.emplace_back(code & 0xFFFF, r);
        }
    }
    return out;
  }
  std::string Tatar(int row, int tatForm) const {
    int32_t key = Stems->CellInt(row, 3) * 65536 + tatForm, idx;
    if (!Codes->Find(&key, idx, Int, 0, 0)) return "?";
    return U8(std::u16string(Stems->CellText(row, 2)) + std::u16string(Codes->CellText(idx, 1)));
  }
};

// The row the engine reads a form by: a possessive ending (codes 7-36,
// 42-71) takes the row of the possessed sense (flag 0x800 in column 3) where
// the stem has one, any other form the row without it.
int SenseRow(const zentrok::TTable& stems, int row, int code) {
  const bool possessed = (code >= 7 && code <= 36) || (code >= 42 && code <= 71);
  for (int r = 0; r < stems.RowCount(); ++r)
    if (stems.GetCell(r, 0) == stems.GetCell(row, 0) && stems.GetCell(r, 1) == stems.GetCell(row, 1) &&
        (std::stoll(U8(stems.GetCell(r, 3))) & 0x1800) == (possessed ? 0x800 : 0))
      return r;
  return row;
}

}  // namespace

TEST(GeneratedTables, EveryFileOfBothEnginesLoads) {
  for (const char* f : TatEngineFiles) {
    ASSERT_TRUE(fs::exists(Built().Dir / f)) << f;
    EXPECT_NO_THROW(Load(f)) << f;
  }
  for (const char* f : RusEngineFiles) ASSERT_TRUE(fs::exists(Built().Dir / f)) << f;
  TRusClass noun("flip256.coll", "rnounfl", "tnouncd", "nounbs");
  TRusClass verb("flip32.coll", "rverbfl", "tverbcd", "verbbs");
  TRusClass adj("flip128.coll", "radjfl", "tadjcd", "adjbs");
  TRusClass vadj("flip16.coll", "rvadjfl", "tvadjcd", "vadjbs");
  TRusClass vadv("flip64.coll", "rvadvfl", "tvadvcd", "vadvbs");
  EXPECT_GT(noun.Stems->RowCount(), 0);
  EXPECT_TRUE(noun.Stems->AllRowsHave(4));
  EXPECT_TRUE(Load("pc32prf.coll")->AllRowsHave(4));
  EXPECT_TRUE(Load("pc32mod.coll")->AllRowsHave(2));
}

TEST(GeneratedTables, TatarNounsAreCutAndRenderedInRussian) {
  auto stems = Load("itfst04.pack"), endings = Load("flt04.pack"), codes = Load("cds04.pack");
  struct TCase {
    const char16_t* Word;
    int Code, Case;
    const char* Russian;
  } cases[] = {
      {u"мәктәптә", 6, 11, "школе"},   {u"мәктәпкә", 3, 7, "школу"},
      {u"балаларны", 39, 8, "детей"},  {u"китабым", 7, 1, "книга"},
      {u"әтием", 7, 1, "отец"},        {u"шәһәрләрдә", 41, 12, "городах"},
      {u"Өйдән", 5, 3, "дома"},        {u"көннәр", 87, 2, "дни"},
      {u"урамда", 6, 11, "улице"},     {u"дусларым", 42, 2, "друзья"},
      {u"әти", 1, 1, "папа"},          {u"кызларына", 56, 6, "дочерям"},
  };
  for (const auto& c : cases) {
    TMatch m = SplitWord(*stems, *endings, c.Word);
    ASSERT_GE(m.Row, 0) << U8(c.Word);
    m.Row = SenseRow(*stems, m.Row, m.Code);
    EXPECT_EQ(m.Code, c.Code) << U8(c.Word);
    EXPECT_EQ(NounRussian(*stems, *codes, m.Row, c.Case), c.Russian) << U8(c.Word);
  }
  EXPECT_LT(SplitWord(*stems, *endings, u"китапзз").Row, 0);
}

TEST(GeneratedTables, TatarVerbsReachTheirRussianForms) {
  auto stems = Load("itfst10.pack"), endings = Load("flt10.pack"), forms = Load("plr10.pack");
  struct TCase {
    const char16_t* Word;
    int Code, Selector;
    const char* Russian;
  } cases[] = {{u"укыта", 17, 5, "учит"},       {u"укыдым", 27, 10, "читал"},
               {u"яшибез", 18, 7, "живём"},     {u"язмады", 35, 10, "писал"},
               {u"барып", 75, 14, "идя"},       {u"эшләргә", 5, 1, "работать"}};
  for (const auto& c : cases) {
    TMatch m = SplitWord(*stems, *endings, c.Word);
    ASSERT_GE(m.Row, 0) << U8(c.Word);
    EXPECT_EQ(m.Code, c.Code) << U8(c.Word);
    int row;
    // the low 16 bits are the verb, the rest its aspect partner
    const long info = std::stol(U8(stems->GetCell(m.Row, 3)));
    ASSERT_TRUE(forms->Find(zentrok::Utf8ToUtf16(std::to_string(info & 0xFFFF)), row)) << U8(c.Word);
    EXPECT_EQ(U8(forms->GetCell(row, c.Selector + 2)), c.Russian) << U8(c.Word);
  }
  // every auxiliary and new-stem verb number has its row of forms
  for (int n : {364, 473, 587, 932, 1733, 1808, 2091, 2180, 2825, 2914, 4030, 4127, 4825, 5151, 5157,
                5165, 5182, 5186, 5230, 2037, 4050, 5248, 5249, 5250, 5300}) {
    int row;
    EXPECT_TRUE(forms->Find(zentrok::Utf8ToUtf16(std::to_string(n)), row)) << n;
  }
}

TEST(GeneratedTables, RussianNounRowsCarryUsageFlags) {
  TRusClass noun("flip256.coll", "rnounfl", "tnouncd", "nounbs");
  auto flags = [&](const std::u16string& word) {
    auto r = noun.Analyse(word);
    EXPECT_FALSE(r.empty()) << zentrok::Utf16ToUtf8(word);
    if (r.empty()) return -1;
    const int row = r[0].second;
    return noun.Stems->RowLength(row) > 4 ? noun.Stems->CellInt(row, 4) : 0;
  };
  EXPECT_EQ(flags(u"молока") & 1, 1);  // mass
  EXPECT_EQ(flags(u"стакана") & 4, 4);  // measure
  EXPECT_EQ(flags(u"книги"), 2);        // relative adjective (книжный) only
  EXPECT_EQ(flags(u"брата"), 0);        // none: the row keeps four cells
}

TEST(GeneratedTables, RussianSentenceWordsReachTatarForms) {
  TRusClass noun("flip256.coll", "rnounfl", "tnouncd", "nounbs");
  TRusClass verb("flip32.coll", "rverbfl", "tverbcd", "verbbs");
  TRusClass adj("flip128.coll", "radjfl", "tadjcd", "adjbs");
  // «Мы живём в большом городе.»: городе is prepositional (form 5) -> locative
  auto g = noun.Analyse(u"городе");
  ASSERT_FALSE(g.empty());
  EXPECT_EQ(g[0].first, 5);
  EXPECT_EQ(noun.Tatar(g[0].second, 5), "шәһәрдә");
  auto v = verb.Analyse(u"живем");
  ASSERT_FALSE(v.empty());
  EXPECT_EQ(v[0].first, 6);  // present 1pl -> Tatar code 17
  EXPECT_EQ(verb.Tatar(v[0].second, 17), "яшибез");
  // the keys are folded to е as the engine folds its input (идёт, днём)
  EXPECT_FALSE(verb.Analyse(u"идет").empty());
  EXPECT_TRUE(verb.Analyse(u"идёт").empty());
  EXPECT_FALSE(noun.Analyse(u"днем").empty());
  auto a = adj.Analyse(u"большом");
  ASSERT_FALSE(a.empty());
  EXPECT_EQ(adj.Tatar(a[0].second, 0), "зур");
  auto k = noun.Analyse(u"книги");  // genitive singular and nominative plural
  ASSERT_GE(k.size(), 2u);
  EXPECT_EQ(noun.Tatar(k[0].second, 86), "китаплар");
  // a two-word noun is one entry, declined whole (детского сада)
  auto d = noun.Analyse(u"детского сада");
  ASSERT_FALSE(d.empty());
  EXPECT_EQ(d[0].first, 1);
  EXPECT_EQ(noun.Tatar(d[0].second, 2), "балалар бакчасына");
}

TEST(GeneratedTables, OtherSpellingsOfSyncopeNounsAndLoansAreRead) {
  auto stems = Load("itfst04.pack"), endings = Load("flt04.pack"), codes = Load("cds04.pack");
  struct TCase {
    const char16_t* Word;
    int Code;
  } cases[] = {{u"сеңлесе", 19}, {u"сеңелесе", 19}, {u"сеңеле", 19}, {u"сеңлемне", 10},
               {u"сеңелемне", 10}, {u"халкы", 19},  {u"борыны", 19}, {u"борны", 19},
               {u"поездга", 3},   {u"поездка", 3},   {u"поездда", 6}, {u"поездны", 4}};
  for (const auto& c : cases) {
    TMatch m = SplitWord(*stems, *endings, c.Word);
    ASSERT_GE(m.Row, 0) << U8(c.Word);
    EXPECT_EQ(m.Code, c.Code) << U8(c.Word);
  }
}

TEST(GeneratedTables, DeterminersCarryTheirDeclension) {
  // list 07: columns 6-33 the forms in adjective order (v 14: accusative
  // feminine; v 25: prepositional masculine)
  auto l07 = Load("itfst07.pack");
  int row;
  ASSERT_TRUE(l07->Find(u"кайсы", row));
  ASSERT_GE(l07->RowLength(row), 34);
  EXPECT_EQ(U8(l07->GetCell(row, 5 + 14)), "какую");
  EXPECT_EQ(U8(l07->GetCell(row, 5 + 25)), "каком");
  ASSERT_TRUE(l07->Find(u"бөтен", row));
  EXPECT_EQ(U8(l07->GetCell(row, 5 + 8)), "всех");
  ASSERT_TRUE(l07->Find(u"аның", row));
  EXPECT_EQ(l07->RowLength(row), 6);  // "его" does not decline
  // the Russian-to-Tatar whole words: every case form says the determiner
  auto mod = Load("pc32mod.coll");
  for (auto [rus, tat] : {std::pair{u"этому", "бу"}, {u"чьему", "кемнең"}, {u"теми", "шул"}}) {
    ASSERT_TRUE(mod->Find(rus, row)) << U8(rus);
    EXPECT_EQ(U8(mod->GetCell(row, 1)), tat) << U8(rus);
  }
}

TEST(GeneratedTables, NounsWithYoAreReadWithEitherLetter) {
  auto stems = Load("itfst04.pack"), endings = Load("flt04.pack"), codes = Load("cds04.pack");
  // шофёр typed шофер; the loan самолет met as самолёт
  for (const char16_t* w : {u"шофёрга", u"шоферга", u"самолетта", u"самолётта", u"самолёт"}) {
    TMatch m = SplitWord(*stems, *endings, w);
    EXPECT_GE(m.Row, 0) << U8(w);
  }
  TMatch m = SplitWord(*stems, *endings, u"самолёттан");
  ASSERT_GE(m.Row, 0);
  EXPECT_EQ(NounRussian(*stems, *codes, m.Row, 3), "самолёта");
}
