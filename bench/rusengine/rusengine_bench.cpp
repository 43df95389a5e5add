// Sentences and words per second through the engine's exports, and the
// process's peak memory. The data is the fixture lexicon, or the folder in
// $ZENTROK_RT_DATA (with its trailing "/") when that is set. The library
// is taken from $ZENTROK_BIN, else the current folder.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Fixture.h"

using namespace rusengine::fixture;

namespace {

size_t gPieces = 0;
void ZENTROK_CALL Count(const char16_t*, int32_t) { ++gPieces; }

struct TSetup {
  TSetup() {
    if (!Lib.Ok()) return;
    const char* data = std::getenv("ZENTROK_RT_DATA");
    if (data && *data) {
      Folder = data;
    } else {
      Dir = std::make_unique<TTempDir>();
      TLexicon::Standard().Write(Dir->Path());
      Folder = Dir->Path();
    }
    Lib.Load(Folder);
    Lib.FSetOut(Count);
  }
  TEngineLib Lib;
  std::unique_ptr<TTempDir> Dir;
  std::string Folder;
};

TSetup& Setup() {
  static TSetup setup;
  return setup;
}

const std::vector<std::u16string>& Sentences() {
  static const std::vector<std::u16string> s = {
      u"Я не знаю, потому что так.",
      u"О большом красном доме знаешь ли ты?",
      u"Больших солдат в домах не читая, к домам.",
      u"Новейший дом из-за солдата, да, нет.",
      u"Неизвестные слова проходят как написаны: НАТО, iPhone.",
      u"Ещё всё ёлка лук ключ знаете знаем."};
  return s;
}

size_t WordCount(const std::u16string& s) {
  size_t n = 0;
  bool in = false;
  for (char16_t c : s) {
    const bool letter = (c >= u'А' && c <= u'я') || c == u'ё' || c == u'Ё' ||
                        (c >= u'A' && c <= u'z');
    if (letter && !in) ++n;
    in = letter;
  }
  return n;
}

void PeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_kb"] = static_cast<double>(usage.ru_maxrss);
}

void BM_Load(benchmark::State& state) {
  TSetup& s = Setup();
  if (!s.Lib.Ok() || !s.Lib.LoadError().empty()) {
    state.SkipWithError("the engine did not load");
    return;
  }
  for (auto _ : state) s.Lib.Load(s.Folder);
  PeakMemory(state);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Sentences(benchmark::State& state) {
  TSetup& s = Setup();
  if (!s.Lib.Ok() || !s.Lib.LoadError().empty()) {
    state.SkipWithError("the engine did not load");
    return;
  }
  const auto& sentences = Sentences();
  size_t words = 0;
  for (const auto& t : sentences) words += WordCount(t);
  for (auto _ : state)
    for (const auto& t : sentences) s.Lib.FParse(t.c_str());
  const double runs = static_cast<double>(state.iterations());
  state.counters["sentences_per_s"] =
      benchmark::Counter(runs * static_cast<double>(sentences.size()), benchmark::Counter::kIsRate);
  state.counters["words_per_s"] =
      benchmark::Counter(runs * static_cast<double>(words), benchmark::Counter::kIsRate);
  PeakMemory(state);
}
BENCHMARK(BM_Sentences);

}  // namespace

BENCHMARK_MAIN();
