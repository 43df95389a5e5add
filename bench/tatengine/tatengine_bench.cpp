// Translates a long Tatar text sentence by sentence through the engine's
// exports, with the test lexicon, and reports sentences and words per second
// and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Lexicon.h"
#include "tatengine.h"

namespace {

// Sentences that exercise phrases, constructions, glue words, prepositions,
// possessives, unknown and hyphenated words.
const char16_t* const Templates[] = {
    u"Кыз зур өйдә китап укыды.",
    u"Укучы китапы бар.",
    u"Бер кыз укып чыкты, ләкин мин тиз укый идем.",
    u"Ике зур китап белән Казан-хххх килде.",
    u"Бик зур рәхмәт, исәнмесез!",
    u"Әллә яшь кыз мәктәптә укыйсы булды?",
    u"Ул кызлар китап-дәфтәр алды да укырга кирәк.",
    u"Көн саен укучылар өйдан соң укыячак бар.",
    u"Китапмы бу, укучыдыр микән?",
    u"Кызылрак тауда 15 зур бакча бар иде."};

std::u16string WordCount(const std::u16string& s, int64_t& words) {
  bool inWord = false;
  for (char16_t c : s) {
    const bool letter = c >= 0x400 || (c >= u'A' && c <= u'z');
    if (letter && !inWord) ++words;
    inWord = letter || (inWord && c == u'-');
  }
  return s;
}

struct TText {
  std::vector<std::u16string> Sentences;
  int64_t Words = 0;
};

const TText& LongText() {
  static const TText text = [] {
    TText t;
    uint32_t seed = 12345;
    const size_t count = sizeof Templates / sizeof Templates[0];
    for (int k = 0; k < 5000; ++k) {
      seed = seed * 1103515245u + 12345u;
      t.Sentences.push_back(WordCount(Templates[(seed >> 16) % count], t.Words));
    }
    return t;
  }();
  return text;
}

size_t OutputChars = 0;
void CountOutput(const char16_t* piece, int32_t) {
  while (*piece++) ++OutputChars;
}

void LoadOnce() {
  static const bool loaded = [] {
    const std::string dir = tatfix::MakeTempDir();
    tatfix::StandardLexicon().Write(dir);
    LoadTransler((dir + "/").c_str());
    SetOutProc(CountOutput);
    return LoadError()[0] == '\0';
  }();
  if (!loaded) throw std::runtime_error(LoadError());
}

void BM_TranslateLongText(benchmark::State& state) {
  LoadOnce();
  const TText& text = LongText();
  for (auto _ : state) {
    for (const std::u16string& s : text.Sentences) ParseSentence(s.c_str());
    benchmark::DoNotOptimize(OutputChars);
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["sentences/s"] =
      benchmark::Counter(iterations * text.Sentences.size(), benchmark::Counter::kIsRate);
  state.counters["words/s"] =
      benchmark::Counter(iterations * text.Words, benchmark::Counter::kIsRate);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MiB"] = usage.ru_maxrss / 1024.0;
}
BENCHMARK(BM_TranslateLongText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
