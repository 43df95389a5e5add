// The driver with both real engines on the data in the program folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <filesystem>

#include "fake_engines.h"
#include "rusengine.h"
#include "tatengine.h"
#include "zentrok/GlobalSettings2.h"
#include "zentrok/LinkedEngines.h"
#include "zentrok/Translator2.h"

using namespace zentrok;

namespace {

// The sentences the driver hands to the real engines, recorded on the way.
std::vector<std::u16string> tatSent, rusSent;
void ZENTROK_CALL RecordTat(const char16_t* s) {
  tatSent.emplace_back(s);
  ::ParseSentence(s);
}
void ZENTROK_CALL RecordRus(const char16_t* s) {
  rusSent.emplace_back(s);
  ::ParseSentence_rt(s);
}

std::string DataFolder() {
  const char* bin = std::getenv("ZENTROK_BIN");
  std::string f = bin && *bin ? bin : std::filesystem::current_path().string();
  return f.back() == '/' ? f : f + "/";
}

class RealEngines : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    const std::string folder = DataFolder();
    LoadTransler(folder.c_str());
    LoadTransler_rt(folder.c_str());
  }
  void SetUp() override {
    ASSERT_STREQ(LoadError(), "") << "Tatar-to-Russian data in " << DataFolder();
    ASSERT_STREQ(LoadError_rt(), "") << "Russian-to-Tatar data in " << DataFolder();
    tatSent.clear();
    rusSent.clear();
    FillDefaultSettings(Settings, DefaultScreenSize);
    TranslationTarget = &target;
    TEngineBinding b = LinkedEngines();
    b.ParseSentence = &RecordTat;
    b.ParseSentence_rt = &RecordRus;
    translator.emplace(b);
    translator->OnProgress = [this](int16_t, uint8_t phase, float p) {
      phases.push_back(phase);
      percents.push_back(p);
    };
  }
  void TearDown() override { TranslationTarget = nullptr; }
  void Run(std::u16string text, uint8_t dir) {
    buffer = std::move(text);
    TranslateText(*translator, buffer, dir);
  }
  std::u16string Output() const {
    std::u16string s;
    for (auto& p : target.pieces) s += p.text;
    return s;
  }

  fake::RecordingTarget target;
  std::optional<TTranslator> translator;
  std::vector<uint8_t> phases;
  std::vector<float> percents;
  std::u16string buffer;
};

}  // namespace

TEST_F(RealEngines, SentencesReachTheEnginesAsCut) {
  Run(u"Мин укыйм. Син язасың!  Ул?", DirTatarRussian);
  EXPECT_EQ(tatSent, (std::vector<std::u16string>{u"Мин укыйм. ", u"Син язасың!  ", u"Ул?"}));
  EXPECT_TRUE(rusSent.empty());
  EXPECT_FALSE(target.pieces.empty());

  target.pieces.clear();
  Run(u"Он пришел...\nЯ ушел", DirRussianTatar);
  EXPECT_EQ(rusSent, (std::vector<std::u16string>{u"Он пришел...\n", u"Я ушел"}));
  EXPECT_FALSE(target.pieces.empty());

  tatSent.clear();
  Run(u"  (Бу 3.5 кг.", DirTatarRussian);
  EXPECT_EQ(tatSent, (std::vector<std::u16string>{u"  (Бу 3.", u"5 кг."}));
}

TEST_F(RealEngines, EnginesSeeNormalisedText) {
  Run(u"К\x0459л ки\x00ADтап.", DirTatarRussian);
  EXPECT_EQ(tatSent, std::vector<std::u16string>{u"К\x04E9л китап."});
  tatSent.clear();
  Run(u"\x00AD\x00AD", DirTatarRussian);
  EXPECT_EQ(tatSent, std::vector<std::u16string>{u""});
}

TEST_F(RealEngines, UnknownWordsComeBackInTheMarkingStyle) {
  for (uint8_t dir : {DirTatarRussian, DirRussianTatar}) {
    target.pieces.clear();
    Run(u"Ззщщхщ кфрвжц.", dir);
    bool sawMarked = false;
    for (auto& p : target.pieces) {
      if (p.text.find(u"щщх") != std::u16string::npos || p.text.find(u"фрвж") != std::u16string::npos) {
        EXPECT_EQ(p.color, Settings.MarkFontColor);
        EXPECT_EQ(p.size, Settings.MarkFontSize);
        sawMarked = true;
      } else if (p.color == Settings.MarkFontColor) {
        ADD_FAILURE() << "a piece without the unknown words was marked";
      }
    }
    EXPECT_TRUE(sawMarked) << int(dir);
    // Unknown words pass through as written.
    std::u16string out = Output();
    EXPECT_NE(out.find(u"щщхщ"), std::u16string::npos);
    EXPECT_NE(out.find(u"фрвжц"), std::u16string::npos);
  }
}

TEST_F(RealEngines, ProgressAndStopOverALongText) {
  std::u16string text;
  while (text.size() < 999) text += u"Мин китап укыйм. ";
  text.resize(999);
  Run(text, DirTatarRussian);
  ASSERT_GE(phases.size(), 3u);
  EXPECT_EQ(phases.front(), PhaseStart);
  EXPECT_EQ(phases.back(), PhaseEnd);
  for (size_t i = 1; i + 1 < phases.size(); ++i) {
    EXPECT_EQ(phases[i], PhaseProgress);
    EXPECT_GT(percents[i], percents[i - 1]);
    EXPECT_LE(percents[i], 100.0f);
  }
  EXPECT_EQ(percents.back(), percents[percents.size() - 2]);

  phases.clear();
  tatSent.clear();
  translator->ProcessMessages = [this] { translator->Stop(); };
  Run(text, DirTatarRussian);
  EXPECT_EQ(tatSent.size(), 2u);  // the sentence in progress is finished
  EXPECT_EQ(std::count(phases.begin(), phases.end(), PhaseEnd), 1);
}
