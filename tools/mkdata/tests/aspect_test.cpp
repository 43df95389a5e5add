// Verb entries name their aspect partner (asp=) and the government of their
// object (gov=); the generator writes both into the stem table and checks
// them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DataBuilder.h"
#include "Lexicon.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Utf.h"
#include "TempLexicon.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;

namespace {

class AspectFolder : public TempBuild {
protected:
  // The stem row of a Tatar verb (column 4 is the lemma).
  int StemRow(zentrok::TTable& stems, const std::string& tat) {
    for (int r = 0; r < stems.RowCount(); ++r)
      if (U8(stems.GetCell(r, 4)) == tat) return r;
    return -1;
  }
  int VerbNumber(zentrok::TTable& forms, const std::string& rus) {
    for (int r = 0; r < forms.RowCount(); ++r)
      if (U8(forms.GetCell(r, 1)) == rus) return std::stoi(U8(forms.GetCell(r, 0)));
    return -1;
  }
};

}  // namespace

TEST_F(AspectFolder, PartnerAndGovernmentTravelInTheStemTable) {
  Write("verbs.tsv",
        "кара\tсмотреть\tgov=dat:на+acc\n"
        "курык\tбояться\tasp=испугаться gov=abl:gen\n"
        "курык\tиспугаться\t< p\n"
        "кил\tприйти\tp 1s=приду 3s=придёт pm=пришёл pf=пришла asp=приходить\n"
        "кил\tприходить\t< 1s=прихожу 3s=приходит\n"
        "шүрлә\tбояться\t>\n");
  ASSERT_EQ(Build(), "");
  auto stems = Table("itfst10.pack");
  auto forms = Table("plr10.pack");
  // the partner's forms are written although it only serves Russian to Tatar
  const int fear = VerbNumber(forms, "бояться"), scare = VerbNumber(forms, "испугаться");
  const int come = VerbNumber(forms, "прийти"), coming = VerbNumber(forms, "приходить");
  ASSERT_GT(scare, 0);
  ASSERT_GT(coming, 0);
  int r = StemRow(stems, "курык");
  ASSERT_GE(r, 0);
  EXPECT_EQ(std::stol(U8(stems.GetCell(r, 3))), fear + 65536L * scare);
  EXPECT_EQ(U8(stems.GetCell(r, 2)), "бояться|abl:gen");
  r = StemRow(stems, "кил");
  EXPECT_EQ(std::stol(U8(stems.GetCell(r, 3))), come + 65536L * coming);
  EXPECT_EQ(U8(stems.GetCell(r, 2)), "прийти");
  r = StemRow(stems, "кара");
  EXPECT_EQ(U8(stems.GetCell(r, 2)), "смотреть|dat:на+acc");
  // a synonym with the same Russian verb borrows neither option
  r = StemRow(stems, "шүрлә");
  EXPECT_EQ(std::stol(U8(stems.GetCell(r, 3))), fear);
  EXPECT_EQ(U8(stems.GetCell(r, 2)), "бояться");
}

TEST_F(AspectFolder, BadOptionsNameTheirLine) {
  Write("verbs.tsv", "укы\tчитать\tasp=прочитать\n");
  EXPECT_NE(Build().find("verbs.tsv:1: asp=прочитать is no Russian verb"), std::string::npos);
  Write("verbs.tsv", "кил\tприйти\tp 1s=приду 3s=придёт asp=приехать\nкил\tприехать\t< p 1s=приеду 3s=приедет\n");
  EXPECT_NE(Build().find("verbs.tsv:1: asp=приехать has the same aspect"), std::string::npos);
  Write("verbs.tsv", "кара\tсмотреть\tgov=на+acc\n");
  EXPECT_NE(Build().find("verbs.tsv:1: gov=на+acc is not"), std::string::npos);
  Write("verbs.tsv", "кара\tсмотреть\tgov=dat:на+xyz\n");
  EXPECT_NE(Build().find("verbs.tsv:1: gov="), std::string::npos);
}

TEST_F(AspectFolder, InvitationVerbTravelsInColumnFive) {
  Write("verbs.tsv",
        "утыр\tсидеть\t1s=сижу 3s=сидит asp=сесть inv=садиться\n"
        "утыр\tсесть\t< p 1s=сяду 3s=сядет pm=сел pf=села imp=сядь\n"
        "утыр\tсадиться\t< 1s=сажу 3s=садит\n"
        "кил\tприйти\tp 1s=приду 3s=придёт pm=пришёл pf=пришла\n");
  ASSERT_EQ(Build(), "");
  auto stems = Table("itfst10.pack");
  auto forms = Table("plr10.pack");
  // the invitation verb's forms are written although it serves only Russian to Tatar
  const int sit = VerbNumber(forms, "садиться");
  ASSERT_GT(sit, 0);
  int r = StemRow(stems, "утыр");
  ASSERT_GE(r, 0);
  EXPECT_EQ(std::stol(U8(stems.GetCell(r, 5))), sit);
  r = StemRow(stems, "кил");
  EXPECT_EQ(U8(stems.GetCell(r, 5)), "0");
}

TEST_F(AspectFolder, InvitationVerbMustBeAnImperfectiveOfTheLexicon) {
  Write("verbs.tsv", "утыр\tсидеть\tinv=садиться\n");
  EXPECT_NE(Build().find("verbs.tsv:1: inv=садиться is no Russian verb"), std::string::npos);
  Write("verbs.tsv", "утыр\tсидеть\tinv=сесть\nутыр\tсесть\t< p 1s=сяду 3s=сядет\n");
  EXPECT_NE(Build().find("verbs.tsv:1: inv=сесть is perfective"), std::string::npos);
}
