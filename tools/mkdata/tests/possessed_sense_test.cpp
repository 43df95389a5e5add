// Nouns with a possessed sense ("px"): the reader checks the entries, the
// generator writes the two senses as rows of one stem, told apart by a flag.
#include <gtest/gtest.h>

#include <filesystem>

#include "DataBuilder.h"
#include "Lexicon.h"
#include "TempLexicon.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Utf.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;

namespace {

class PossessedSense : public TempBuild {
protected:
  // Builds both engines' files; the error text, empty on success.
  std::string Build() { return TempBuild::Build(true); }
  zentrok::TTable Stems() { return Table("itfst04.pack"); }
  // Column 3 of the stem row whose Russian lemma (column 5) is rus; -1 if none.
  long long Info(zentrok::TTable& stems, const std::string& rus, std::string* tatStem = nullptr,
                 std::string* paradigm = nullptr) {
    for (int r = 0; r < stems.RowCount(); ++r)
      if (U8(stems.GetCell(r, 5)) == rus) {
        if (tatStem) *tatStem = U8(stems.GetCell(r, 0));
        if (paradigm) *paradigm = U8(stems.GetCell(r, 1));
        return std::stoll(U8(stems.GetCell(r, 3)));
      }
    return -1;
  }
};

}  // namespace

TEST_F(PossessedSense, BothSensesShareTheStemAndOnlyThePossessedOneIsFlagged) {
  Write("nouns.tsv",
        "абый\tбрат\tanim np=братья\n"
        "абый\tстарший брат\t> px agree anim np=братья\n"
        "кыз\tдевочка\tanim fleet\n"
        "кыз\tдочь\tpx f anim gs=дочери ds=дочери is=дочерью ps=дочери np=дочери gp=дочерей "
        "dp=дочерям ip=дочерьми pp=дочерях\n"
        "исем\tимя\n"
        "исем\tназвание\tpxt\n"
        "эш\tработа\tna\n");
  ASSERT_EQ(Build(), "");
  zentrok::TTable stems = Stems();
  std::string bareStem, bareParadigm, pxStem, pxParadigm;
  const long long bare = Info(stems, "девочка", &bareStem, &bareParadigm);
  const long long possessed = Info(stems, "дочь", &pxStem, &pxParadigm);
  ASSERT_GE(bare, 0);
  ASSERT_GE(possessed, 0);
  EXPECT_EQ(bare & 0x800, 0);
  EXPECT_EQ(possessed & 0x800, 0x800);
  EXPECT_EQ(possessed & 0xFF, 2);  // feminine, beside the flag
  EXPECT_EQ(bareStem, pxStem);
  EXPECT_EQ(bareParadigm, pxParadigm);
  // The flag does not spill into a neighbour's bits: "на" stays bit 8 alone.
  EXPECT_EQ(Info(stems, "работа") & 0x300, 0x100);
  EXPECT_EQ(Info(stems, "старший брат") & 0x800, 0x800);
  // The sense for a thing as the owner: flag 0x1000 alone.
  EXPECT_EQ(Info(stems, "название") & 0x1800, 0x1000);
  EXPECT_EQ(Info(stems, "имя") & 0x1800, 0);
  EXPECT_EQ(Info(stems, "брат") & 0x800, 0);
}

TEST_F(PossessedSense, TheReaderRefusesEntriesTheEngineCouldNotUse) {
  // No bare entry beside it: the bare forms would have no reading.
  Write("nouns.tsv", "кыз\tдочь\tpx f anim\n");
  EXPECT_NE(Build().find("needs the entry of the bare noun"), std::string::npos);
  // Only from Russian to Tatar: a possessed sense means nothing there.
  Write("nouns.tsv", "кыз\tдевочка\tanim fleet\nкыз\tдочь\t< px f anim\n");
  EXPECT_NE(Build().find("Tatar-to-Russian sense"), std::string::npos);
  // Two possessed senses of one word.
  Write("nouns.tsv", "кыз\tдевочка\tanim fleet\nкыз\tдочь\tpx f anim\nкыз\tдочка\t> px anim fleet\n");
  EXPECT_NE(Build().find("duplicate Tatar entry"), std::string::npos);
  // A stem of its own: the engine would not find the two rows together.
  Write("nouns.tsv", "китап\tкнига\tt:back\nкитап\tписьмо\tpx t:front\n");
  EXPECT_NE(Build().find("must inflect like the bare noun"), std::string::npos);
  Write("nouns.tsv", "исем\tназвание\tpxt\n");
  EXPECT_NE(Build().find("a \"pxt\" entry needs the entry of the bare noun"), std::string::npos);
  Write("nouns.tsv", "исем\tимя\nисем\tназвание\tpx pxt\n");
  EXPECT_NE(Build().find("either \"px\" or \"pxt\""), std::string::npos);
  // The flag is a noun option only.
  Write("nouns.tsv", "# none\n");
  Write("verbs.tsv", "укы\tчитать\tpx\n");
  EXPECT_NE(Build().find("unknown flag \"px\""), std::string::npos);
}

TEST_F(PossessedSense, ASynonymDoesNotBorrowTheFlag) {
  // "бала" says nothing about "дочь" and borrows its Russian options from
  // the entry that does, but not the possessed sense.
  Write("nouns.tsv",
        "бала\tдочь\t>\n"
        "кыз\tдевочка\tanim fleet\n"
        "кыз\tдочь\tpx f anim gs=дочери ds=дочери is=дочерью ps=дочери np=дочери gp=дочерей "
        "dp=дочерям ip=дочерьми pp=дочерях\n");
  TLexicon lx = LoadLexicon(Dir.string());
  ASSERT_EQ(lx.Nouns.size(), 3u);
  EXPECT_EQ(lx.Nouns[0].Flags.count("px"), 0u);
  EXPECT_EQ(lx.Nouns[0].Flags.count("anim"), 1u);
  EXPECT_EQ(lx.Nouns[0].Values.count("gs"), 1u);
  // Russian to Tatar, "дочь" is still кыз: the possessed entry goes both ways.
  EXPECT_EQ(Build(), "");
}
