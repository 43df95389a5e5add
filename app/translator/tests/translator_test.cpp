#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "fake_engines.h"
#include "zentrok/GlobalSettings2.h"
#include "zentrok/Translator2.h"

using namespace zentrok;
using fake::Piece;

namespace {

struct Report {
  int16_t kind;
  uint8_t phase;
  float percent;
};

class Driver : public ::testing::Test {
protected:
  void SetUp() override {
    FillDefaultSettings(Settings, DefaultScreenSize);
    TranslationTarget = &target;
    translator.OnProgress = [this](int16_t k, uint8_t ph, float p) {
      reports.push_back(Report{k, ph, p});
    };
  }
  void TearDown() override { TranslationTarget = nullptr; }

  void Run(std::u16string text, uint8_t dir) {
    buffer = std::move(text);
    TranslateText(translator, buffer, dir);
  }
  std::vector<std::u16string> Sent(uint8_t dir) const {
    return dir == DirTatarRussian ? fake::tat.calls : fake::rus.calls;
  }
  int EndReports() const {
    int n = 0;
    for (auto& r : reports) n += r.phase == PhaseEnd;
    return n;
  }

  fake::RecordingTarget target;
  bool fresh = (fake::Reset(), true);  // before the translator registers
  TTranslator translator{fake::Binding()};
  std::vector<Report> reports;
  std::u16string buffer;
};

}  // namespace

TEST_F(Driver, RegistersTheCallbackWithBothEnginesInOrder) {
  EXPECT_EQ(fake::registrations, (std::vector<std::string>{"tat", "rus"}));
  EXPECT_EQ(fake::tat.out, &OutputPiece);
  EXPECT_EQ(fake::rus.out, &OutputPiece);
  EXPECT_EQ(translator.Kind, 0);
  EXPECT_EQ(translator.Phase, 0);
  EXPECT_EQ(translator.Percent, 0.0f);
}

TEST_F(Driver, CutsSentencesAfterTerminatorAndSeparatorRun) {
  struct Case {
    std::u16string text;
    uint8_t dir;
    std::vector<std::u16string> pieces;
  };
  const Case cases[] = {
      {u"Мин укыйм. Син язасың!  Ул?", 1, {u"Мин укыйм. ", u"Син язасың!  ", u"Ул?"}},
      {u"Он пришел...\nЯ ушел", 0, {u"Он пришел...\n", u"Я ушел"}},
      {u"без точки\nи дальше", 0, {u"без точки\nи дальше"}},
      {u"  (Ул килде.) «Кем?»", 1, {u"  (Ул килде.) «", u"Кем?»"}},
      {u"Бу 3.5 кг.", 1, {u"Бу 3.", u"5 кг."}},
      {u"Т.е. так", 0, {u"Т.", u"е. ", u"так"}},
      {u"Да?! Нет…; ещё", 0, {u"Да?! ", u"Нет…; ещё"}},
      {u"a\x1F60 b", 1, {u"a\x1F60 ", u"b"}},
      {u"a\x1F60\x1F60" u"b", 1, {u"a\x1F60", u"\x1F60", u"b"}},
      {u"...", 1, {u"..."}},
      {u"x.", 1, {u"x."}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    fake::NewRun();
    Run(c.text, c.dir);
    EXPECT_EQ(Sent(c.dir), c.pieces) << "case " << i;
    EXPECT_TRUE(Sent(1 - c.dir).empty());
  }
}

TEST_F(Driver, EveryCharacterIsSentOnceInOrder) {
  const std::u16string alphabet = u"аб ь1.!?\n\r\t«»()-…;,\x1F60" u"Ә";
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    std::u16string text;
    int len = static_cast<int>(rng() % 60);
    for (int i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
    fake::NewRun();
    Run(text, DirRussianTatar);
    std::u16string joined;
    for (auto& s : fake::rus.calls) {
      EXPECT_FALSE(s.empty() && !text.empty());
      joined += s;
    }
    EXPECT_EQ(joined, text);
  }
}

TEST_F(Driver, NormalisesLegacyLettersAndRemovesSoftHyphens) {
  Run(u"к\x0459ңел ки\x00ADтап\x00AD.", DirTatarRussian);
  ASSERT_EQ(fake::tat.calls.size(), 1u);
  EXPECT_EQ(fake::tat.calls[0], u"к\x04E9ңел китап.");
  // The buffer closed up in place, its freed tail zero-filled.
  EXPECT_EQ(buffer, std::u16string(u"к\x04E9ңел китап.") + std::u16string(3, u'\0'));

  fake::Reset();
  Run(u"\x00AD\x00AD\x00AD", DirTatarRussian);
  EXPECT_EQ(fake::tat.calls, std::vector<std::u16string>{u""});
}

TEST_F(Driver, EmptyOrMissingTextReportsStartAndEndOnly) {
  Run(u"", DirTatarRussian);
  EXPECT_TRUE(fake::tat.calls.empty());
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].phase, PhaseStart);
  EXPECT_EQ(reports[1].phase, PhaseEnd);
  EXPECT_EQ(reports[1].percent, 0.0f);

  reports.clear();
  translator.TextRange = TTextRange{0, 40, nullptr};
  translator.Translate(DirTatarRussian);
  EXPECT_TRUE(fake::tat.calls.empty());
  EXPECT_EQ(reports.size(), 2u);
}

TEST_F(Driver, ProgressGrowsStrictlyAndEndsOnce) {
  std::u16string text;
  while (text.size() < 999) text += u"Ул укый. ";
  text.resize(999);
  Run(text, DirTatarRussian);  // 1,000 positions with the final U+0000
  ASSERT_GE(reports.size(), 3u);
  EXPECT_EQ(reports.front().phase, PhaseStart);
  EXPECT_EQ(reports.front().percent, 0.0f);
  float last = 0;
  for (size_t i = 1; i + 1 < reports.size(); ++i) {
    EXPECT_EQ(reports[i].kind, 1);
    EXPECT_EQ(reports[i].phase, PhaseProgress);
    EXPECT_GT(reports[i].percent, last);
    EXPECT_LE(reports[i].percent, 100.0f);
    EXPECT_EQ(reports[i].percent, static_cast<int>(reports[i].percent));
    last = reports[i].percent;
  }
  EXPECT_EQ(reports.back().phase, PhaseEnd);
  EXPECT_EQ(reports.back().percent, last);
  EXPECT_EQ(EndReports(), 1);
  EXPECT_EQ(last, 100.0f);
  EXPECT_EQ(translator.Phase, PhaseEnd);
  EXPECT_EQ(translator.Percent, last);

  // Short texts count characters, and the count is not clamped at 100.
  reports.clear();
  Run(std::u16string(74, u'a') + u". " + std::u16string(73, u'b'), DirTatarRussian);
  EXPECT_EQ(reports.back().percent, 150.0f);
}

TEST_F(Driver, StopEndsTheRunAfterTheSentenceInProgress) {
  fake::tat.onParse = [this](const std::u16string& s) {
    if (s.starts_with(u"Ике")) translator.Stop();
  };
  Run(u"Бер. Ике *сүз. Өч. Дүрт.", DirTatarRussian);
  EXPECT_EQ(fake::tat.calls, (std::vector<std::u16string>{u"Бер. ", u"Ике *сүз. "}));
  // The stopped sentence is finished: its unknown word was inserted.
  ASSERT_FALSE(target.pieces.empty());
  EXPECT_EQ(target.pieces.back().text, u" ");
  EXPECT_EQ(target.pieces[target.pieces.size() - 2].text, u"*сүз.");
  EXPECT_EQ(EndReports(), 1);
  EXPECT_EQ(reports.back().phase, PhaseEnd);
  EXPECT_FALSE(translator.StopRequested);

  // A Stop from the message pump acts the same way, one sentence later.
  fake::NewRun();
  fake::tat.onParse = nullptr;
  reports.clear();
  int pumped = 0;
  translator.ProcessMessages = [&] {
    if (++pumped == 1) translator.Stop();
  };
  Run(u"Бер. Ике. Өч.", DirTatarRussian);
  EXPECT_EQ(fake::tat.calls.size(), 2u);
  EXPECT_EQ(pumped, 1);
  EXPECT_EQ(EndReports(), 1);
}

TEST_F(Driver, StopOutsideARunIsClearedByTheNextRun) {
  translator.Stop();
  EXPECT_TRUE(translator.StopRequested);
  int pumped = 0;
  translator.ProcessMessages = [&] { ++pumped; };
  Run(u"Бер. Ике. Өч.", DirTatarRussian);
  EXPECT_EQ(fake::tat.calls.size(), 3u);
  EXPECT_EQ(pumped, 3);
}

TEST_F(Driver, PiecesTakeTheBasicOrTheMarkingStyle) {
  Settings.BasicFontColor = 0x000011;
  Settings.BasicFontSize = 11;
  Settings.BasicFontStyle = fsBold;
  Settings.MarkFontColor = 0x00FF00;
  Settings.MarkFontSize = 13;
  Settings.MarkFontStyle = fsItalic | fsUnderline;
  Run(u"бала *китап", DirTatarRussian);
  const std::vector<Piece> expected = {
      {u"бала", 0x11, 11, fsBold},
      {u" ", 0x11, 11, fsBold},
      {u"*китап", 0xFF00, 13, fsItalic | fsUnderline},
  };
  EXPECT_EQ(target.pieces, expected);

  target.pieces.clear();
  OutputPiece(u"x", 5);
  OutputPiece(u"y", 0);
  ASSERT_EQ(target.pieces.size(), 2u);
  EXPECT_EQ(target.pieces[0].size, 13);
  EXPECT_EQ(target.pieces[1].size, 11);

  TranslationTarget = nullptr;  // no target: pieces are dropped, not a crash
  OutputPiece(u"z", -1);
  OutputPiece(nullptr, 0);
  EXPECT_EQ(target.pieces.size(), 2u);
}

TEST_F(Driver, DirectionsAndFailures) {
  // Another direction value walks the text without an engine.
  Run(u"Бер. Ике.", 7);
  EXPECT_TRUE(fake::tat.calls.empty() && fake::rus.calls.empty());
  EXPECT_EQ(EndReports(), 1);

  // An engine that is not bound is an error, not a silent empty run.
  TTranslator onlyTatar(TEngineBinding{&fake::SetOutTat, &fake::ParseTat, nullptr, nullptr});
  std::u16string text = u"Сүз.";
  EXPECT_THROW(TranslateText(onlyTatar, text, DirRussianTatar), std::logic_error);

  // An engine failure passes through without an end report.
  reports.clear();
  fake::rus.onParse = [](const std::u16string&) { throw std::runtime_error("engine"); };
  EXPECT_THROW(Run(u"Бер. Ике.", DirRussianTatar), std::runtime_error);
  EXPECT_EQ(EndReports(), 0);
}
